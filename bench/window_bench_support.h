// The real simulator window for the window benchmarks: shown, its display
// panel on screen, the sliders at readings that raise no alarm, and its
// power buttons pressed as a user presses them.
#pragma once
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

#include "host/display_presenter.h"
#include "host/main_window.h"
#include "sim/simulator.h"

// Shows the window, waits until its display panel is exposed, and moves the
// window's own sliders to flow 1, both tanks part full and the pressure in its
// normal band.
inline void showWithNormalReadings(TfrmMain& window)
{
    window.show();
    while (!window.displayPresenter()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const struct {
        const char* slider;
        int position;
    } readings[] = {{"flow1", 3000}, {"level1", 600}, {"level2", 500}, {"pressure", 2000}};
    for (const auto& r : readings)
        window.findChild<QScrollBar*>(QString::fromLatin1(qs9FindInput(r.slider)->control))->setValue(r.position);
}

inline void clickButton(TfrmMain& window, const char* name)
{
    window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

// The pace chosen in the window's own control (an index into paces()).
inline void choosePace(TfrmMain& window, size_t pace)
{
    window.findChild<QComboBox*>(QStringLiteral("PaceChoice"))->setCurrentIndex(int(pace));
}

// The CPU time of every thread of the process (the OpenGL driver's too).
inline double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// "--name value" from the command line, or the fallback.
inline double option(const char* name, double fallback)
{
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype at = arguments.indexOf(QString::fromLatin1(name));
    if (at < 0 || at + 1 >= arguments.size())
        return fallback;
    bool ok = false;
    const double value = arguments[at + 1].toDouble(&ok);
    if (!ok || value <= 0) {
        std::fprintf(stderr, "%s needs a positive number\n", name);
        std::exit(2);
    }
    return value;
}

// Seconds per measurement ("--seconds") and repetitions ("--rounds", 3).
struct Rounds {
    double seconds;
    int count;
};
inline Rounds roundsFromCommandLine(double defaultSeconds)
{
    return {option("--seconds", defaultSeconds), int(option("--rounds", 3))};
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
