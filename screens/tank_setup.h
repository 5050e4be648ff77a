// The two tank set-up lists and the six-point level-sender calibration they
// open. Both tanks run one design over their own settings fields.
#pragma once
#include <cstdint>

#include "core/settings.h"
#include "core/tank_fields.h"
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

// What the set-up and calibration screens add to one tank's fields: texts,
// the calibration step and the two screens.
struct TankSetup {
    const TankFields& tank;
    const char* title;               // "TANK 1"
    const char* filterLabel;         // tank 1 says which filter it means
    const char* gallonFormat;        // tank 2 shows gallons without a unit letter
    uint16_t largestCalibrationStep; // tank 2's points step by at most 100
    ScreenHandler setupScreen;
    ScreenHandler calibrationScreen;
};

void tank1SetupScreen();
void tank2SetupScreen();

inline constexpr TankSetup tank1Setup = {
    tank1Fields, "TANK 1", "TANK FILTER: ", "%.1fG", 1000, tank1SetupScreen, tank1CalibrationScreen,
};

inline constexpr TankSetup tank2Setup = {
    tank2Fields, "TANK 2", "FILTER: ", "%.1f", 100, tank2SetupScreen, tank2CalibrationScreen,
};
