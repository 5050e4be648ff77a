// The two tank set-up lists and the six-point level-sender calibration they
// open. Both tanks run one design over their own settings fields.
#pragma once
#include <cstdint>

#include "core/settings.h"
#include "core/tank_level.h"
#include "screens/screen.h"

void tank1CalibrationScreen();
void tank2CalibrationScreen();

// How the calibration points are set, shared by both tanks.
constexpr uint8_t calibrationBySender = 0; // the knob captures the live reading
constexpr uint8_t calibrationManual = 1;   // the knob types the reading
extern uint8_t calibrationMode;

// Leaves tank 1's or tank 2's calibration: back to its set-up on CALIBRATE
// TANK when the points run one way, else SLOPE ERROR and back to the points.
void checkTankCalibration(uint8_t tank);

// One tank's settings fields, texts and screens.
struct TankFields {
    const char* title;           // "TANK 1"
    const char* filterLabel;     // tank 1 says which filter it means
    const char* gallonFormat;    // tank 2 shows gallons without a unit letter
    uint8_t Settings::*mode;
    int16_t Settings::*size;
    int16_t Settings::*lowCaution;
    uint8_t Settings::*lowAlarmOn;
    int16_t Settings::*lowAlarm;
    uint8_t Settings::*addToRange;
    uint8_t Settings::*filter;
    int16_t (Settings::*calibration)[6];
    const uint16_t* senderReading;
    uint16_t largestCalibrationStep; // tank 2's points step by at most 100
    ScreenHandler setupScreen;
    ScreenHandler calibrationScreen;
};

void tank1SetupScreen();
void tank2SetupScreen();

inline constexpr TankFields tank1Fields = {
    "TANK 1", "TANK FILTER: ", "%.1fG",
    &Settings::tank1Mode, &Settings::tank1Size, &Settings::tank1LowCaution,
    &Settings::tank1LowAlarmOn, &Settings::tank1LowAlarm, &Settings::tank1AddToRange,
    &Settings::tank1Filter, &Settings::tank1Cal, &level1Raw, 1000,
    tank1SetupScreen, tank1CalibrationScreen,
};

inline constexpr TankFields tank2Fields = {
    "TANK 2", "FILTER: ", "%.1f",
    &Settings::tank2Mode, &Settings::tank2Size, &Settings::tank2LowCaution,
    &Settings::tank2LowAlarmOn, &Settings::tank2LowAlarm, &Settings::tank2AddToRange,
    &Settings::tank2Filter, &Settings::tank2Cal, &level2Raw, 100,
    tank2SetupScreen, tank2CalibrationScreen,
};
