// The instrument's 50 x 50 icons, run-length coded for drawRleBitmap, with
// palette index 0 as their background. The data is generated from
// assets/icons/*.xpm by tools/icons.
#pragma once
#include <cstdint>

constexpr int iconSize = 50;

extern const uint8_t warningIcon[];  // white disc, red exclamation mark
extern const uint8_t questionIcon[]; // white ring, red question mark
extern const uint8_t fuelPumpIcon[]; // main menu: fuel set-up
extern const uint8_t miscIcon[];     // main menu: miscellaneous set-up
extern const uint8_t adcIcon[];      // main menu: raw sender readings
