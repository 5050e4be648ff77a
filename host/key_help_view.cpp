#include "host/key_help_view.h"

#include "sim/simulator.h"

namespace {

// The lines the help can have: the alarm's and one per key.
constexpr int helpLines = 6;

// What the control is, as its tooltip always said.
QString aboutKey(const Qs9Key& k)
{
    QString about = QStringLiteral("%1 (%2)").arg(QString::fromLatin1(k.help), QString::fromLatin1(k.shortcut));
    if (k.wheelTurnsKnob)
        about += QStringLiteral("; the mouse wheel over it turns the knob");
    return about;
}

} // namespace

KeyHelpView::KeyHelpView(QWidget* client, QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("KeyHelp"));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setAccessibleName(QStringLiteral("What the keys do"));
    // As high as the longest help, so the window does not change its size.
    setMinimumHeight(fontMetrics().lineSpacing() * helpLines + 4);
    for (int i = 0; i < qs9KeyCount(); ++i) {
        const Qs9Key& k = *qs9KeyAt(i);
        if (QWidget* control = client->findChild<QWidget*>(QString::fromLatin1(k.control)))
            controls_.push_back({k.key, control, aboutKey(k)});
    }
    refresh();
}

void KeyHelpView::refresh()
{
    const QString help = QString::fromLatin1(qs9KeyHelpText());
    if (help == shown_)
        return;
    shown_ = help;
    setText(help);
    for (const KeyControl& k : controls_) {
        const QString line = QString::fromLatin1(qs9KeyHelp(k.key));
        k.control->setToolTip(line.isEmpty() ? k.about : line + QLatin1Char('\n') + k.about);
    }
}
