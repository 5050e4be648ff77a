// Presenting one frame on the display panel: the texture presenter against
// the point-list reference, for a fully lit and a sparse frame. Needs a
// display with OpenGL: run it under xvfb-run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QOpenGLContext>
#include <cstdio>
#include <string>
#include <GL/gl.h>

#include "host/display_presenter.h"
#include "point_list_drawer.h"
#include "powered_instrument.h"
#include "timing_reporter.h"

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

// Frames per second of both ways and their ratio, after the usual table.
void printRatios(const TimingReporter& reporter)
{
    for (const char* frame : frameNames) {
        const double texture = reporter.timesOf(std::string("present/texture/") + frame).real;
        const double points = reporter.timesOf(std::string("present/points/") + frame).real;
        if (texture == 0 || points == 0)
            continue;
        std::printf("%-6s frame: texture %.0f frames/s, point list %.0f frames/s, texture %.1f x faster\n",
                    frame, 1e6 / texture, 1e6 / points, points / texture);
    }
}

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
    TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
