#include "core/range_endurance.h"

#include <algorithm>

#include "core/fuel_flow.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"

uint16_t rangeValue;
uint16_t enduranceMinutes;

namespace {

struct FlowAndFuel {
    int32_t flow; // tenths per hour
    uint32_t fuel; // volume units
};

// Supply minus return in DIFF, the two engines together otherwise. Rates
// are combined in 32 bits, so a high flow never reads as negative.
int32_t combinedFlow()
{
    return settings.flowMode == flowModeDiff ? int32_t{flowRate1} - flowRate2 : int32_t{flowRate1} + flowRate2;
}

int32_t enabledFlow() { return settings.flow1Enabled == 1 ? flowRate1 : flowRate2; }

// Which flow drains which usable contents, by fuel-system configuration.
FlowAndFuel flowAndFuel()
{
    uint32_t fuel1 = settings.tank1AddToRange ? tank1Level : 0;
    uint32_t fuel2 = settings.tank2AddToRange ? tank2Level : 0;
    bool bothFlows = settings.flow1Enabled == 1 && settings.flow2Enabled == 1;
    switch (fuelConfig) {
    case 0: return {flowRate1, fuel1};
    case 1: return {flowRate2, fuel2};
    case 10: return {int32_t{flowRate1} + flowRate2, fuel1 + fuel2};
    case 11: {
        int32_t flow = bothFlows ? combinedFlow() : enabledFlow();
        if (settings.tank1Mode == tankModeSender && settings.tank2Mode == tankModeSender)
            return {flow, fuel1 + fuel2};
        return {flow, settings.tank2Mode == tankModeCalculated ? fuel1 : fuel2};
    }
    case 12: return {combinedFlow(), fuel1};
    case 13: return {combinedFlow(), fuel2};
    case 14: return {enabledFlow(), fuel1 + fuel2};
    default: return {0, 0};
    }
}

uint16_t capped(uint64_t value) { return static_cast<uint16_t>(std::min<uint64_t>(value, rangeMaximum)); }

} // namespace

void updateRangeAndEndurance()
{
    auto [flow, fuel] = flowAndFuel();
    if (fuel == 0) {
        rangeValue = enduranceMinutes = 0;
        return;
    }
    if (flow <= 0) {
        rangeValue = enduranceMinutes = rangeNoFlow;
        return;
    }
    uint64_t speed = gpsSpeedValid == 1 ? gpsSpeed : settings.cruiseSpeed;
    // Contents over consumption (tenths per hour) are hours; whole litres
    // take one more factor of ten.
    uint64_t scale = volumeInTenths() ? 1 : 10;
    uint64_t perHour = static_cast<uint64_t>(flow);
    rangeValue = capped(speed * fuel * scale / perHour);
    enduranceMinutes = capped(fuel * 60 * scale / perHour);
}
