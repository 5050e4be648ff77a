// The firmware part of one main-loop pass (measurements, cleared frame, one
// call of the current screen) for every screen family (screen_walks.h); a
// walk that ends on the wrong screen stops its benchmark with an error.
#include <benchmark/benchmark.h>

#include <string>

#include "screen_walks.h"

namespace {

using namespace screen_walks;

void firmwarePasses(benchmark::State& state, const Walk& w)
{
    const std::string problem = arrive(w);
    if (!problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    for (auto _ : state) {
        qs9Pass();
        benchmark::DoNotOptimize(qs9FrameBuffer());
        benchmark::ClobberMemory();
    }
    state.counters["passes/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    for (const Walk& w : walks())
        benchmark::RegisterBenchmark(("pass/" + w.name).c_str(), firmwarePasses, w)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
