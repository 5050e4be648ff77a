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

// The search a track host makes for each value it plays: over every flow
// position, or every level or pressure reading below FAIL.
void senderPosition(benchmark::State& state, const char* input, double value)
{
    powerOnWithSenders();
    uint16_t position = 0;
    for (auto _ : state) {
        qs9SenderPosition(input, value, &position);
        benchmark::DoNotOptimize(position);
    }
}

BENCHMARK(factorySettings);
BENCHMARK(twoCalculatedTanks);
BENCHMARK_CAPTURE(senderPosition, flow, "flow1", 30.0);
BENCHMARK_CAPTURE(senderPosition, level, "level1", 13.0);
BENCHMARK_CAPTURE(senderPosition, pressure, "pressure", 2.0);

} // namespace
