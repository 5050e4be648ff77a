// Texts that several screens print the same way.
#pragma once
#include <cstddef>
#include <cstdint>

#include "screens/value_band.h"

// Room for the longest tenths text, "-214748364.8", and its terminator.
constexpr std::size_t tenthsTextSize = 13;

// A quantity held in tenths with one decimal: 123 as "12.3", -15 as "-1.5".
void formatTenths(char* buffer, int32_t tenths);

// The unit words of the units setting, "" for a setting above the six known:
// the flow unit "L/hr" or "G/hr"; the distance unit "sm", "nm" or "km"; the
// speed unit "mph", "kts" or "km/h".
const char* flowUnitWord();
const char* distanceUnitWord();
const char* speedUnitWord();

// Room for "-32768" or "-3276.8".
constexpr std::size_t pressureTextSize = 8;

// A pressure in the chosen unit: whole psi as "%d", tenths of a bar or of a
// psi with one decimal.
void formatPressure(char* buffer, int16_t value);

// "bar", "psi", "psi"; "" for a unit setting the instrument does not know.
const char* pressureUnitWord();

// A flow in tenths of the volume unit per hour, white, with one decimal and its sign.
void drawFlow(int32_t tenths, TextPlace place);
