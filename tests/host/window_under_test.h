// What the window tests share: the simulator window as the program creates
// it, shown and active, its controls found by their form names, and input
// as the window system delivers it: mouse, keys and wheel go to the window
// and reach a control the way a user's would, focus and all.
#pragma once
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "host/main_window.h"
#include "sim/power_cycle.h"

struct WindowUnderTest {
    std::unique_ptr<TfrmMain> window;

    // Program start, then the window shown; false if it never became active.
    [[nodiscard]] bool openWindow()
    {
        resetToProgramStart();
        window = std::make_unique<TfrmMain>();
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    // A point of a control in the window's coordinates; its middle by default.
    QPoint inWindow(QWidget* over, QPoint at = {-1, -1}) const
    {
        return over->mapTo(window.get(), at == QPoint(-1, -1) ? over->rect().center() : at);
    }

    // The window as the X server shows it, the display panel's OpenGL
    // picture included (a widget grab would leave the panel out), saved as
    // a PNG; false when it could not be saved.
    bool saveWindowPicture(const QString& file) const
    {
        const QPoint origin = window->mapToGlobal(QPoint(0, 0));
        return window->screen()->grabWindow(0, origin.x(), origin.y(), window->width(), window->height()).save(file);
    }

    // A left click at a point of a control, delivered to the window.
    void clickAt(QWidget* over, QPoint at = {-1, -1}) const
    {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow(over, at));
    }

    // A key pressed and released, delivered to the window: it reaches the
    // focused control, or a shortcut.
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }

    // A wheel turn of delta eighths of a degree (120 a notch, positive away
    // from the user) over the middle of a control, delivered to the window.
    void turnWheel(QWidget* over, int delta) const
    {
        const QPointF at = inWindow(over);
        QWheelEvent event(at, window->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window->windowHandle(), &event);
    }
};
