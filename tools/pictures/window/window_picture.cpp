// The picture of the simulator window for the README: the sliders set for a
// normal flight, "On" pressed, and the window as the screen shows it after a
// few seconds of running, display included.
// Usage: qs9_window_picture FILE.png (needs a display; make-window-picture.sh
// runs it in a private Xvfb)
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>

#include "host/main_window.h"
#include "sim/power_cycle.h"

namespace {

void setSlider(TfrmMain& window, const char* name, int position)
{
    if (auto* bar = window.findChild<QScrollBar*>(QString::fromLatin1(name)))
        bar->setValue(position);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.png\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    QApplication::setStyle(QStringLiteral("Windows"));
    TfrmMain window;
    window.show();

    setSlider(window, "ScrollBar29", 300);  // Fuel Flow1
    setSlider(window, "ScrollBar30", 400);  // Fuel Level1
    setSlider(window, "ScrollBar2", 2000);  // Fuel Pressure
    const QString file = QString::fromLocal8Bit(argv[1]);
    bool saved = false;
    QTimer::singleShot(500, &window, [&] { window.findChild<QPushButton*>(QStringLiteral("Button1"))->click(); });
    QTimer::singleShot(3500, &window, [&] {
        const QRect area = window.frameGeometry();
        saved = window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
        powerOff = 1;
        QApplication::quit();
    });
    QApplication::exec();
    if (!saved)
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return saved ? 0 : 1;
}
