#include "sim/settings_ranges.h"

#include <iterator>

#include "core/settings.h"

#define FIELD(f, lo, hi) {#f, [](const Settings& s, uint8_t) -> int32_t { return s.f; }, 1, lo, hi, false}
#define ARRAY(f, lo, hi) \
    {#f, [](const Settings& s, uint8_t i) -> int32_t { return s.f[i]; }, std::size(settings.f), lo, hi, false}
// Pressure limits stay within the unit: their edits wrap at its largest count
// and a change of unit clamps them into it.
#define LIMIT(f, lo) {#f, [](const Settings& s, uint8_t) -> int32_t { return s.f; }, 1, lo, 999, true}
#define CURVE(part, lo, hi) \
    {"pressure.userCurve.points[]." #part, \
     [](const Settings& s, uint8_t i) -> int32_t { return s.pressure.userCurve.points[i].part; }, 16, lo, hi, false}

const SettingRange settingRanges[] = {
    FIELD(backlightMode, 0, 1),
    FIELD(backlightLevel, 10, 100),
    FIELD(backlightThreshold, 100, 4000),
    FIELD(backlightDim, 10, 100),
    FIELD(backlightBright, 10, 100),
    FIELD(securityEnabled, 0, 1),
    FIELD(securityCode, 0, 9999),
    FIELD(flowSenderType, 0, 1),
    FIELD(nmeaBaud, 0, 9),
    FIELD(cruiseSpeed, 0, 999),
    FIELD(units, 0, 5),
    FIELD(flow1Enabled, 0, 1),
    FIELD(kFactor1, 10, 60000),
    FIELD(flow2Enabled, 0, 1),
    FIELD(kFactor2, 10, 60000),
    FIELD(flowMode, 0, 2),
    FIELD(tank1Mode, 0, 2),
    FIELD(tank2Mode, 0, 2),
    FIELD(injectorPolarity, 0, 1),
    // Levels wrap at the tank size, but a smaller size later leaves them
    // above it: any level a size could have had.
    FIELD(tank1Size, 0, 999),
    FIELD(tank1Filter, 0, 3),
    FIELD(tank1LowAlarmOn, 0, 1),
    FIELD(tank1LowAlarm, 0, 999),
    FIELD(tank1LowCaution, 0, 999),
    // Typed points wrap at 4096; captured points are sender readings, 0..4096.
    ARRAY(tank1Cal, 0, 4096),
    FIELD(tank2Size, 0, 999),
    FIELD(tank2Filter, 0, 3),
    FIELD(tank2LowAlarmOn, 0, 1),
    FIELD(tank2LowAlarm, 0, 999),
    FIELD(tank2LowCaution, 0, 999),
    ARRAY(tank2Cal, 0, 4096),
    FIELD(tank1AddToRange, 0, 1),
    FIELD(tank2AddToRange, 0, 1),
    FIELD(litreResolution, 0, 1),
    FIELD(dataSource, 0, 1),
    FIELD(vraxAddress, 0, 3),
    FIELD(pressureDisplay, 0, 1),
    // No row edits the sender family; it keeps its factory UMA.
    FIELD(pressure.senderType, 1, 1),
    FIELD(pressure.curveKind, 0, 2),
    FIELD(pressure.unit, 0, 2),
    // The 4-20 mA pressures wrap at the unit's largest count but a change of
    // unit keeps them: up to the largest count of any unit.
    FIELD(pressure.pressureAt4mA, 0, 999),
    FIELD(pressure.pressureAt20mA, 0, 999),
    FIELD(pressure.spare, 0, 4),
    LIMIT(pressure.displayMax, 1),
    LIMIT(pressure.displayMin, 0), // 0 from the factory until edited or clamped
    LIMIT(pressure.lowAlarm, 1),
    FIELD(pressure.lowAlarmOn, 0, 1),
    LIMIT(pressure.highAlarm, 1),
    LIMIT(pressure.lowCaution, 1),
    LIMIT(pressure.highCaution, 1),
    FIELD(pressure.highAlarmOn, 0, 1),
    FIELD(pressure.umaModel, 0, 2),
    FIELD(pressure.vdoModel, 0, 2),
    // 6 points from the factory, 2..16 once edited; the high byte stays 0.
    FIELD(pressure.userCurve.count, 2, 16),
    // Curve edits test the value before the step, so a point may pass its
    // limit by less than a step (998 + 10, 1 - 10; ADC steps reach 1000).
    // Points beyond the count keep what they had while the count was larger.
    CURVE(value, 1 - 10, 998 + 10),
    CURVE(adc, 1 - 1000, 4094 + 1000),
};

const uint8_t settingRangeCount = std::size(settingRanges);

int32_t settingMax(const SettingRange& range, const Settings& record)
{
    if (!range.withinPressureUnit)
        return range.max;
    const int32_t unitMax = largestPressure(record.pressure.unit);
    return unitMax < range.max ? unitMax : range.max;
}

const SettingRange* firstSettingOutOfRange(const Settings& record, uint8_t* index)
{
    for (const SettingRange& range : settingRanges)
        for (uint8_t i = 0; i < range.count; ++i) {
            const int32_t value = range.read(record, i);
            if (value < range.min || value > settingMax(range, record)) {
                *index = i;
                return &range;
            }
        }
    return nullptr;
}
