#include "core/range_endurance.h"

#include <algorithm>

#include "core/fuel_configs.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/tank_fields.h"

uint16_t rangeValue;
uint16_t enduranceMinutes;

namespace {

uint32_t usableFuel(const TankFields& tank) { return settings.*tank.addToRange ? *tank.level : 0; }

// The usable contents of the tanks that count in this configuration.
uint32_t rangeFuel(TankUse tanks)
{
    uint32_t fuel1 = usableFuel(tank1Fields);
    uint32_t fuel2 = usableFuel(tank2Fields);
    switch (tanks) {
    case TankUse::tank1: return fuel1;
    case TankUse::tank2: return fuel2;
    case TankUse::both: return fuel1 + fuel2;
    case TankUse::sendersOrUnfed:
        if (settings.tank1Mode == tankModeSender && settings.tank2Mode == tankModeSender)
            return fuel1 + fuel2;
        return settings.tank2Mode == tankModeCalculated ? fuel1 : fuel2;
    default: return 0;
    }
}

uint16_t capped(uint64_t value) { return static_cast<uint16_t>(std::min<uint64_t>(value, rangeMaximum)); }

} // namespace

void updateRangeAndEndurance()
{
    const FuelConfigRow& config = currentFuelConfig();
    int32_t flow = flowFigure(config.flow);
    uint32_t fuel = rangeFuel(config.tanks);
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
