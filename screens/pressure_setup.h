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

// "bar" or "psi" after a pressure value.
const char* pressureUnitWord(uint8_t unit);
// Brings the display range, alarm and caution limits of *pressureEdit into
// 1 .. the unit's largest count; the 4-20 mA pressures are left alone.
void clampPressureLimits();

// The record the pressure screens edit: *pressureEdit, or the instrument's
// own pressure settings when no opener named one.
PressureSettings& editedPressure();
