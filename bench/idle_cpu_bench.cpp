// CPU time the simulator takes, in the real window, while the instrument is
// off (from program start, and again after a run) and while it is on. Off, it
// should only wake for the 100 ms timer. Counts every thread of the process
// (the OpenGL driver's too). Needs a display: run it under xvfb-run.
// Options: --seconds S per state (10), --rounds N (3).
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "window_bench_support.h"

namespace {

// CPU seconds per second of wall time while the message loop runs idle.
double idleShare(double seconds)
{
    QEventLoop idle;
    QTimer::singleShot(int(seconds * 1000), &idle, &QEventLoop::quit);
    const double before = processCpuSeconds();
    idle.exec();
    return (processCpuSeconds() - before) / seconds;
}

// The same while "On" runs the main loop for `seconds`.
double runningShare(TfrmMain& window, double seconds)
{
    QTimer::singleShot(int(seconds * 1000), &window, [&window] { clickButton(window, "Button2"); });
    const double before = processCpuSeconds();
    clickButton(window, "Button1");
    return (processCpuSeconds() - before) / seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const Rounds run = roundsFromCommandLine(10);
    TfrmMain window;
    showWithNormalReadings(window);

    std::printf("off from program start: %.2f %% of one core\n", 100 * idleShare(run.seconds));
    std::vector<double> on, offAfterRun;
    for (int round = 1; round <= run.count; ++round) {
        on.push_back(runningShare(window, run.seconds));
        offAfterRun.push_back(idleShare(run.seconds));
        std::printf("round %d: on %.1f %%, off after the run %.2f %% of one core\n", round,
                    100 * on.back(), 100 * offAfterRun.back());
    }
    std::printf("median of %d rounds of %.0f s: off %.2f %% (%.1f ms CPU a second), on %.1f %% of one core\n",
                run.count, run.seconds, 100 * median(offAfterRun), 1000 * median(offAfterRun), 100 * median(on));
    return 0;
}
