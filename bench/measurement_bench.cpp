#include <benchmark/benchmark.h>

#include "powered_instrument.h"

namespace {

void runPasses(benchmark::State& state)
{
    for (auto _ : state) {
        qs9Measure();
        benchmark::ClobberMemory();
    }
}

void factorySettings(benchmark::State& state)
{
    powerOnWithSenders();
    runPasses(state);
}

// Both flows, both tanks calculated from them: the longest flow path.
void twoCalculatedTanks(benchmark::State& state)
{
    powerOnWithSenders();
    constexpr int calculated = 1; // the tank modes: 0 sender, 1 calculated, 2 off
    qs9WriteValue("settings.flow2Enabled", 1);
    qs9WriteValue("settings.tank1Mode", calculated);
    qs9WriteValue("settings.tank2Mode", calculated);
    // Never runs dry during the run.
    qs9WriteValue("tank1Pulses", 0x7FFFFFFF);
    qs9WriteValue("tank2Pulses", 0x7FFFFFFF);
    runPasses(state);
}

BENCHMARK(factorySettings);
BENCHMARK(twoCalculatedTanks);

} // namespace
