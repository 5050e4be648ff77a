// One tank's settings fields and measurements, named once for both tanks, so
// that what works on a tank (its measurement, set-up, calibration, entry and
// display) is written once.
#pragma once
#include <cstdint>

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/tank_level.h"

struct TankFields {
    uint8_t number; // 1 or 2
    uint8_t Settings::*mode;
    int16_t Settings::*size;
    uint8_t Settings::*filter;
    int16_t (Settings::*calibration)[6]; // sender readings at 0, 20, ... 100 % of the size
    int16_t Settings::*lowCaution;
    uint8_t Settings::*lowAlarmOn;
    int16_t Settings::*lowAlarm;
    uint8_t Settings::*addToRange;
    uint16_t Settings::*kFactor; // of the flow channel whose pulses a calculated tank counts
    const uint16_t* input;       // level sender, INTERNAL source
    const uint16_t* vraxInput;   // level sender, VRAX source
    uint16_t* raw;               // the reading of this pass
    uint8_t* fail;
    uint32_t* filterAcc;
    uint16_t* level;             // contents in the volume unit
    uint32_t* pulses;            // contents of a calculated tank in channel pulses
    uint32_t alarmBit;
};

inline constexpr TankFields tank1Fields = {
    1, &Settings::tank1Mode, &Settings::tank1Size, &Settings::tank1Filter, &Settings::tank1Cal,
    &Settings::tank1LowCaution, &Settings::tank1LowAlarmOn, &Settings::tank1LowAlarm, &Settings::tank1AddToRange,
    &Settings::kFactor1, &level1Input, &vrax.level1, &level1Raw, &level1Fail, &level1FilterAcc, &tank1Level,
    &tank1Pulses, alarmTank1Low,
};

inline constexpr TankFields tank2Fields = {
    2, &Settings::tank2Mode, &Settings::tank2Size, &Settings::tank2Filter, &Settings::tank2Cal,
    &Settings::tank2LowCaution, &Settings::tank2LowAlarmOn, &Settings::tank2LowAlarm, &Settings::tank2AddToRange,
    &Settings::kFactor2, &level2Input, &vrax.level2, &level2Raw, &level2Fail, &level2FilterAcc, &tank2Level,
    &tank2Pulses, alarmTank2Low,
};

// Tank 2 for 2, tank 1 for anything else.
inline const TankFields& tankFields(uint8_t tank) { return tank == 2 ? tank2Fields : tank1Fields; }
