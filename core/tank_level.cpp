#include "core/tank_level.h"

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"

uint16_t level1Raw, level2Raw;
uint8_t level1Fail, level2Fail;
uint32_t level1FilterAcc, level2FilterAcc;

namespace {

constexpr uint8_t tankSender = 0;
constexpr uint8_t tankOff = 2;
constexpr uint8_t sourceVrax = 1;

// The fields one tank's measurement reads and writes.
struct TankChannel {
    const uint16_t* input;      // INTERNAL source
    const uint16_t* vraxInput;  // VRAX source
    uint16_t* raw;
    uint8_t* fail;
    uint32_t* filterAcc;
    uint16_t* level;
    const uint8_t* mode;
    const uint8_t* filter;
    const int16_t* cal;         // six points, 0 .. 100 % in fifths
    const int16_t* size;
    const int16_t* lowAlarm;
    const uint8_t* lowAlarmOn;
    uint32_t alarmBit;
};

const TankChannel tankChannels[2] = {
    {&level1Input, &vrax.level1, &level1Raw, &level1Fail, &level1FilterAcc, &tank1Level,
     &settings.tank1Mode, &settings.tank1Filter, settings.tank1Cal, &settings.tank1Size,
     &settings.tank1LowAlarm, &settings.tank1LowAlarmOn, alarmTank1Low},
    {&level2Input, &vrax.level2, &level2Raw, &level2Fail, &level2FilterAcc, &tank2Level,
     &settings.tank2Mode, &settings.tank2Filter, settings.tank2Cal, &settings.tank2Size,
     &settings.tank2LowAlarm, &settings.tank2LowAlarmOn, alarmTank2Low},
};

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
int32_t contentsFromCalibration(const int16_t* cal, int32_t size, int32_t v)
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

void measureSender(const TankChannel& tank)
{
    const uint16_t raw = *tank.raw;
    *tank.fail = raw > senderFailReading ? 1 : 0;
    const uint16_t v = filterReading(*tank.filterAcc, raw, *tank.filter);
    *tank.level = static_cast<uint16_t>(contentsFromCalibration(tank.cal, *tank.size, v));
}

} // namespace

void measureTankLevel(uint8_t tankNumber)
{
    if (tankNumber < 1 || tankNumber > 2)
        return;
    const TankChannel& tank = tankChannels[tankNumber - 1];
    *tank.raw = settings.dataSource == sourceVrax ? *tank.vraxInput : *tank.input;
    *tank.fail = 0;
    if (*tank.mode == tankSender)
        measureSender(tank);
    const bool low = int32_t{*tank.level} <= *tank.lowAlarm;
    updateAlarm(tank.alarmBit, *tank.mode != tankOff && low && *tank.lowAlarmOn == 1);
}
