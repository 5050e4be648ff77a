#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/fuel_flow.h"
#include "core/fuel_pressure.h"
#include "core/settings.h"
#include "core/tank_level.h"
#include "host/power_cycle.h"

#include "powered_instrument.h"

namespace {

void measurementPass()
{
    measureTankLevel(1);
    measureTankLevel(2);
    measureFuelFlow();
    measurePressure();
}

void runPasses(benchmark::State& state)
{
    for (auto _ : state) {
        measurementPass();
        benchmark::DoNotOptimize(tank1Level);
        benchmark::DoNotOptimize(flowRate1);
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
    settings.flow2Enabled = 1;
    settings.tank1Mode = tankModeCalculated;
    settings.tank2Mode = tankModeCalculated;
    deriveFuelConfig();
    tank1Pulses = tank2Pulses = 0x7FFFFFFF; // never runs dry during the run
    runPasses(state);
}

BENCHMARK(factorySettings);
BENCHMARK(twoCalculatedTanks);

} // namespace
