// Range and endurance from the usable contents, the fuel flow and the speed.
#pragma once
#include <cstdint>

// 0xFFFF: fuel but no flow; 0: no usable fuel. A figure too large to keep
// stops at 65534 so that it never reads as "no flow".
constexpr uint16_t rangeNoFlow = 0xFFFF;
constexpr uint16_t rangeMaximum = 0xFFFE;

extern uint16_t rangeValue;       // in the distance unit of settings.units
extern uint16_t enduranceMinutes;

// The last step of each fuel flow measurement.
void updateRangeAndEndurance();
