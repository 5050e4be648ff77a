#include "core/tank_level.h"

#include "core/alarms.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/tank_fields.h"

uint16_t level1Raw, level2Raw;
uint8_t level1Fail, level2Fail;
uint32_t level1FilterAcc, level2FilterAcc;

namespace {

// Exponential average with weight 1/2 (LOW), 1/8 (MED) or 1/32 (HIGH and
// anything above) on the new reading; the accumulator keeps the average
// with one, three or five extra bits of fraction.
uint16_t filterReading(uint32_t& acc, uint16_t reading, uint8_t filter)
{
    if (filter == 0)
        return reading;
    const unsigned shift = filter == 1 ? 1 : filter == 2 ? 3 : 5;
    const uint32_t keep = (1u << shift) - 1;
    acc = (keep * acc + (uint32_t{reading} << shift)) >> shift;
    return static_cast<uint16_t>(acc >> shift);
}

// Contents for reading v through the six-point calibration: each of the five
// segments stands for a fifth of the tank, interpolated linearly within.
// The measurement calls it directly, so that it is inlined there;
// contentsFromCalibration gives the same to every other caller.
int32_t calibratedContents(const int16_t (&cal)[6], int32_t size, int32_t v)
{
    const bool rising = cal[0] < cal[5];
    if (rising ? v <= cal[0] : v >= cal[0])
        return 0;
    if (rising ? v >= cal[5] : v <= cal[5])
        return size;
    int i = 1;
    while (i < 5 && (rising ? v >= cal[i] : v <= cal[i]))
        ++i;
    // Both are positive: the segment brackets v, so span is at least 1.
    const int32_t offset = rising ? v - cal[i - 1] : cal[i - 1] - v;
    const int32_t span = rising ? cal[i] - cal[i - 1] : cal[i - 1] - cal[i];
    return size * (i - 1) * 10 / 50 + size * 10 / 50 * offset / span;
}

void measureSender(const TankFields& tank)
{
    const uint16_t raw = *tank.raw;
    *tank.fail = senderFailed(raw) ? 1 : 0;
    const uint16_t v = filterReading(*tank.filterAcc, raw, settings.*tank.filter);
    *tank.level = static_cast<uint16_t>(calibratedContents(settings.*tank.calibration, settings.*tank.size, v));
}

} // namespace

int32_t contentsFromCalibration(const int16_t (&calibration)[6], int32_t size, int32_t reading)
{
    return calibratedContents(calibration, size, reading);
}

void measureTankLevel(uint8_t tankNumber)
{
    if (tankNumber < 1 || tankNumber > 2)
        return;
    const TankFields& tank = tankFields(tankNumber);
    const uint8_t mode = settings.*tank.mode;
    *tank.raw = settings.dataSource == dataSourceVrax ? *tank.vraxInput : *tank.input;
    *tank.fail = 0;
    if (mode == tankModeSender)
        measureSender(tank);
    const bool low = int32_t{*tank.level} <= settings.*tank.lowAlarm;
    updateAlarm(tank.alarmBit, mode != tankModeOff && low && settings.*tank.lowAlarmOn == 1);
}
