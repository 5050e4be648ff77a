// Presenting one frame on the display panel: the texture presenter against
// the point-list reference, for a fully lit and a sparse frame. Needs a
// display with OpenGL: run it under xvfb-run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QOpenGLContext>
#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>
#include <GL/gl.h>

#include "host/display_presenter.h"
#include "point_list_drawer.h"
#include "powered_instrument.h"

namespace {

enum class Frame { full, sparse };
const char* const frameNames[] = {"full", "sparse"};

// Full: every pixel lit, in all the palette's non-black colours. Sparse:
// the home screen's tank page with its senders in their normal bands.
void fillFrame(Frame frame)
{
    powerOnWithSenders();
    qs9Pass();
    if (frame == Frame::full) {
        uint8_t* pixels = qs9FrameBuffer();
        for (int i = 0; i < QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT; ++i)
            pixels[i] = uint8_t(1 + i % 223);
    }
}

struct Panels {
    DisplayPresenter texture;
    DisplayPresenter points;
};
Panels* panels;

void showPanel(DisplayPresenter& panel, int left)
{
    panel.setUp();
    panel.setGeometry(left, 0, 161, 121);
    panel.show();
    while (!panel.isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void presentWithTexture(benchmark::State& state, Frame frame)
{
    fillFrame(frame);
    for (auto _ : state)
        panels->texture.present();
    state.counters["frames/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void presentWithPoints(benchmark::State& state, Frame frame)
{
    fillFrame(frame);
    QOpenGLContext* gl = panels->points.makeCurrent();
    if (!gl) {
        state.SkipWithError("no rendering context");
        return;
    }
    setPointListProjection(161, 121);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawFrameAsPoints();
        glFlush();
        gl->swapBuffers(&panels->points);
    }
    state.counters["frames/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

// Prints the usual table, then frames per second of both ways and their ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median comes after the runs and replaces them.
        for (const Run& run : runs)
            if (!run.error_occurred && (run.run_type == Run::RT_Iteration || run.aggregate_name == "median"))
                microseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
    }

    void printRatios() const
    {
        for (const char* frame : frameNames) {
            const auto texture = microseconds.find(std::string("present/texture/") + frame);
            const auto points = microseconds.find(std::string("present/points/") + frame);
            if (texture == microseconds.end() || points == microseconds.end())
                continue;
            std::printf("%-6s frame: texture %.0f frames/s, point list %.0f frames/s, texture %.1f x faster\n",
                        frame, 1e6 / texture->second, 1e6 / points->second,
                        points->second / texture->second);
        }
    }

private:
    std::map<std::string, double> microseconds;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    QApplication application(argc, argv);
    Panels shown;
    panels = &shown;
    showPanel(shown.texture, 0);
    showPanel(shown.points, 200);

    for (Frame frame : {Frame::full, Frame::sparse}) {
        const std::string name = frameNames[int(frame)];
        benchmark::RegisterBenchmark(("present/texture/" + name).c_str(), presentWithTexture, frame)
            ->Unit(benchmark::kMicrosecond)->UseRealTime();
        benchmark::RegisterBenchmark(("present/points/" + name).c_str(), presentWithPoints, frame)
            ->Unit(benchmark::kMicrosecond)->UseRealTime();
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
