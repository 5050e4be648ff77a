// The fuel-pressure set-up list, the user sender calibration it opens, and
// the SLOPE ERROR message. The set-up edits *pressureEdit (screens/setup_screens.h)
// in place; the curve is edited in a working copy written back on EXIT.
#pragma once
#include <cstdint>

#include "core/settings.h"
#include "screens/screen.h"

void senderCalibrationScreen();
void slopeErrorScreen();

// The user curve while its editor is open.
extern PressureCurve calCurve;
// Where SLOPE ERROR goes on any key.
extern ScreenHandler slopeErrorReturnScreen;

// Pressure unit indexes of PressureSettings::unit.
constexpr uint8_t pressureUnitBar = 0;     // counts of 0.1 bar
constexpr uint8_t pressureUnitPsi = 1;     // counts of 1 psi
constexpr uint8_t pressureUnitTenthPsi = 2; // counts of 0.1 psi

// The largest count of a pressure value in the unit.
int16_t largestPressure(uint8_t unit);
// "bar" or "psi" after a pressure value.
const char* pressureUnitWord(uint8_t unit);
// Brings the display range, alarm and caution limits of *pressureEdit into
// 1 .. the unit's largest count; the 4-20 mA pressures are left alone.
void clampPressureLimits();

// The record the pressure screens edit: *pressureEdit, or the instrument's
// own pressure settings when no opener named one.
PressureSettings& editedPressure();
