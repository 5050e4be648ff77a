// The whole main loop in the real window (firmware pass, presentation,
// message processing), in passes per second, against the presenter alone
// presenting the same frame for the same time; and the CPU the loop takes
// at the "Real time" pace beside the "Instrument loop" pace, in % of one
// core. Needs a display with OpenGL: run it under xvfb-run. Options:
// --seconds S per measurement (3), --rounds N (3); the medians of the
// rounds are printed last.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "script/instrument_pace.h"
#include "window_bench_support.h"

namespace {

constexpr size_t realTimePace = 1; // in paces()

struct PaceFigures {
    double cpuShare; // CPU seconds per wall second, every thread
    double framesPerSecond;
};

// "On", `seconds` of the main loop at the pace, "Off".
PaceFigures atPace(TfrmMain& window, size_t pace, double seconds)
{
    choosePace(window, pace);
    QElapsedTimer clock;
    const uint64_t firstFrame = window.framesRun();
    PaceFigures figures{};
    double cpuBefore = 0;
    QTimer::singleShot(int(seconds * 1000), &window, [&] {
        const double wall = double(clock.nsecsElapsed()) * 1e-9;
        figures = {(processCpuSeconds() - cpuBefore) / wall, double(window.framesRun() - firstFrame) / wall};
        clickButton(window, "Button2");
    });
    cpuBefore = processCpuSeconds();
    clock.start();
    clickButton(window, "Button1");
    choosePace(window, instrumentLoopPace);
    return figures;
}

// "On", `seconds` of the main loop, "Off": passes per second.
double loopRate(TfrmMain& window, double seconds)
{
    QElapsedTimer clock;
    uint64_t firstPass = 0;
    double rate = 0;
    QTimer::singleShot(int(seconds * 1000), &window, [&] {
        rate = double(window.passesRun() - firstPass) / (double(clock.nsecsElapsed()) * 1e-9);
        clickButton(window, "Button2");
    });
    firstPass = window.passesRun();
    clock.start();
    clickButton(window, "Button1"); // returns when "Off" has ended the loop
    return rate;
}

// The frame left by the loop presented again and again, with or without
// processing the window's messages after each: frames per second.
double presenterRate(DisplayPresenter& presenter, double seconds, bool withMessages)
{
    const qint64 limit = qint64(seconds * 1e9);
    uint64_t frames = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.nsecsElapsed() < limit) {
        presenter.present();
        if (withMessages)
            QCoreApplication::processEvents();
        ++frames;
    }
    return double(frames) / (double(clock.nsecsElapsed()) * 1e-9);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const Rounds run = roundsFromCommandLine(3);
    TfrmMain window;
    showWithNormalReadings(window);
    DisplayPresenter& presenter = *window.displayPresenter();

    std::vector<double> loops, alone, withMessages, loopCpu, realCpu, realFrames;
    for (int round = 1; round <= run.count; ++round) {
        const uint64_t framesBefore = presenter.framesPresented();
        loops.push_back(loopRate(window, run.seconds));
        alone.push_back(presenterRate(presenter, run.seconds, false));
        withMessages.push_back(presenterRate(presenter, run.seconds, true));
        if (presenter.framesPresented() == framesBefore) {
            std::fprintf(stderr, "the display panel has no rendering context: nothing was presented\n");
            return 1;
        }
        std::printf("round %d: whole loop %.0f passes/s, presenter alone %.0f frames/s, "
                    "presenter + messages %.0f frames/s\n",
                    round, loops.back(), alone.back(), withMessages.back());
        const PaceFigures loopPace = atPace(window, instrumentLoopPace, run.seconds);
        const PaceFigures realPace = atPace(window, realTimePace, run.seconds);
        loopCpu.push_back(loopPace.cpuShare);
        realCpu.push_back(realPace.cpuShare);
        realFrames.push_back(realPace.framesPerSecond);
        std::printf("round %d: CPU at \"Instrument loop\" %.1f %% of one core (%.0f frames/s), "
                    "at \"Real time\" %.1f %% (%.0f frames/s)\n",
                    round, 100 * loopPace.cpuShare, loopPace.framesPerSecond, 100 * realPace.cpuShare,
                    realPace.framesPerSecond);
    }
    const double loop = median(loops), present = median(alone);
    std::printf("median of %d rounds of %.1f s: whole loop %.0f passes/s (%.0f us a pass), "
                "presenter alone %.0f frames/s (%.0f us a frame), presenter + messages %.0f frames/s\n",
                run.count, run.seconds, loop, 1e6 / loop, present, 1e6 / present, median(withMessages));
    std::printf("whole loop / presenter alone = %.2f: the presentation is %.0f %% of a pass\n",
                loop / present, 100 * loop / present);
    std::printf("median CPU: \"Instrument loop\" %.1f %% of one core, \"Real time\" %.1f %% of one core "
                "at %.0f frames/s\n",
                100 * median(loopCpu), 100 * median(realCpu), median(realFrames));
    return 0;
}
