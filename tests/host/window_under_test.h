// What the window tests share: the simulator window as the program creates
// it, shown and active, and its controls found by their form names.
#pragma once
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
};
