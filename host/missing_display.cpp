#include "host/missing_display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category; // the categories' names are static strings
    QString text;
};

QtMessageHandler previousHandler = nullptr;
const char* programName = "";
std::vector<HeldMessage> heldMessages;
bool displayUnreachable = false;

// The display the user meant, as the environment names it.
QString displayDescription()
{
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (x11.isEmpty() && wayland.isEmpty())
        return QStringLiteral("DISPLAY is not set");
    return QStringLiteral("cannot connect to %1")
        .arg(QString::fromLocal8Bit(x11.isEmpty() ? "WAYLAND_DISPLAY=" + wayland : "DISPLAY=" + x11));
}

void passOn(QtMsgType type, const char* category, const QString& text)
{
    const QMessageLogContext context(nullptr, 0, nullptr, category);
    previousHandler(type, context, text);
}

void releaseHeldMessages()
{
    for (const HeldMessage& m : heldMessages)
        passOn(m.type, m.category, m.text);
    heldMessages.clear();
}

// Platform messages are held back until it is clear whether the platform
// failed for want of a display; any other message passes at once.
void handleStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const char* category = context.category ? context.category : "default";
    if (type != QtFatalMsg && std::strncmp(category, "qt.qpa", 6) == 0) {
        if (text.contains(QStringLiteral("could not connect to display")) ||
            text.contains(QStringLiteral("Failed to create wl_display")))
            displayUnreachable = true;
        heldMessages.push_back({type, category, text});
        return;
    }
    if (type == QtFatalMsg && displayUnreachable) {
        std::fprintf(stderr, "%s: no display to open the window on (%s); without a desktop, run: xvfb-run -a %s\n",
                     programName, qPrintable(displayDescription()), programName);
        std::fflush(stderr);
        std::_Exit(1);
    }
    releaseHeldMessages();
    previousHandler(type, context, text);
}

} // namespace

MissingDisplayReport::MissingDisplayReport(const char* program)
{
    programName = program;
    previousHandler = qInstallMessageHandler(handleStartMessage);
}

MissingDisplayReport::~MissingDisplayReport()
{
    qInstallMessageHandler(previousHandler);
    releaseHeldMessages();
}
