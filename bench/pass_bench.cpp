// The firmware part of one main-loop pass (measurements, cleared frame, one
// call of the current screen) for every screen family (screen_walks.h), side
// by side in one run: the simulator with its drawing routines as they are,
// and with the earlier routines kept as the baseline (bench/baseline/), each
// loaded as a module. After the table it prints each family's CPU time per
// pass in both and the ratio. A walk that ends on the wrong screen stops its
// benchmark with an error.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "screen_walks.h"
#include "timing_reporter.h"

namespace {

using namespace screen_walks;

void firmwarePasses(benchmark::State& state, const Walk& w, const SimModule* sim)
{
    const std::string problem = arrive(*sim, w);
    if (!problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    for (auto _ : state) {
        sim->pass();
        benchmark::DoNotOptimize(sim->frameBuffer());
        benchmark::ClobberMemory();
    }
    state.counters["passes/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

struct Copy {
    const char* name;
    const char* modulePath;
    SimModule sim;
};

Copy copies[] = {{"baseline", QS9_SIM_BASELINE_MODULE, {}}, {"current", QS9_SIM_MODULE, {}}};

bool loadCopies()
{
    for (Copy& copy : copies) {
        std::string error;
        if (!loadSimModule(copy.modulePath, copy.sim, error)) {
            std::fprintf(stderr, "%s: %s\n", copy.modulePath, error.c_str());
            return false;
        }
    }
    return true;
}

// Each family's CPU time per pass in the baseline and now, after the table.
void printRatios(const TimingReporter& reporter)
{
    std::printf("\nCPU time per pass (the median with repetitions), baseline against current:\n");
    for (const Walk& w : walks()) {
        const double baseline = reporter.timesOf("pass/" + w.name + "/baseline").cpu;
        const double current = reporter.timesOf("pass/" + w.name + "/current").cpu;
        if (baseline == 0 || current == 0)
            continue;
        std::printf("pass/%-26s baseline %6.2f us  current %6.2f us  %4.1f x faster\n", w.name.c_str(),
                    baseline, current, baseline / current);
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!loadCopies())
        return 1;
    for (const Walk& w : walks())
        for (const Copy& copy : copies)
            benchmark::RegisterBenchmark(("pass/" + w.name + "/" + copy.name).c_str(), firmwarePasses, w,
                                         &copy.sim)
                ->Unit(benchmark::kMicrosecond);
    TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
