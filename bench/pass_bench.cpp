// The firmware part of one main-loop pass (measurements, cleared frame, one
// call of the current screen) for every screen family (screen_walks.h).
// After the table it prints each family's CPU time per pass; given the
// figures file of an earlier run, it prints them beside the saved ones.
// A walk that ends on the wrong screen stops its benchmark with an error.
//   qs9_pass_bench [--save FILE] [--against FILE] [--label TEXT] [benchmark options]
//     --save FILE     writes this run's figures to FILE
//     --against FILE  compares this run with the figures saved in FILE
//     --label TEXT    names what was measured in the saved file (a commit)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "pass_figures.h"
#include "screen_walks.h"
#include "timing_reporter.h"

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

struct Options {
    std::string save, against, label;
};

// The options benchmark::Initialize left; false after saying what is wrong.
bool parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        std::string* value = std::strcmp(argv[i], "--save") == 0      ? &options.save
                             : std::strcmp(argv[i], "--against") == 0 ? &options.against
                             : std::strcmp(argv[i], "--label") == 0   ? &options.label
                                                                      : nullptr;
        if (value == nullptr || i + 1 == argc) {
            std::fprintf(stderr, "%s: %s %s\nusage: %s [--save FILE] [--against FILE] [--label TEXT] "
                                 "[benchmark options]\n",
                         argv[0], value == nullptr ? "unknown option" : "no value after", argv[i], argv[0]);
            return false;
        }
        *value = argv[++i];
    }
    return true;
}

PassFigures figuresOf(const TimingReporter& reporter, const std::string& label)
{
    PassFigures figures{label, {}};
    for (const Walk& w : walks()) {
        const double cpu = reporter.timesOf("pass/" + w.name).cpu;
        if (cpu > 0)
            figures.families.push_back({w.name, cpu});
    }
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Options options;
    if (!parseOptions(argc, argv, options))
        return 2;
    // The saved figures are read first, so that a wrong file name costs no run.
    PassFigures saved;
    std::string error;
    if (!options.against.empty() && !readFigures(options.against, saved, error)) {
        std::fprintf(stderr, "%s: cannot compare with %s\n", argv[0], error.c_str());
        return 2;
    }
    for (const Walk& w : walks())
        benchmark::RegisterBenchmark(("pass/" + w.name).c_str(), firmwarePasses, w)->Unit(benchmark::kMicrosecond);
    TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const PassFigures now = figuresOf(reporter, options.label);
    std::printf("\n%s", options.against.empty() ? figuresTable(now).c_str() : comparisonTable(saved, now).c_str());
    if (!options.save.empty()) {
        if (!writeFigures(options.save, now, error)) {
            std::fprintf(stderr, "%s: cannot save the figures: %s\n", argv[0], error.c_str());
            return 1;
        }
        std::printf("figures saved in %s\n", options.save.c_str());
    }
    return 0;
}
