// Texts that several run-time pages print the same way.
#pragma once
#include <cstddef>
#include <cstdint>

#include "screens/value_band.h"

// Room for the longest tenths text, "-214748364.8", and its terminator.
constexpr std::size_t tenthsTextSize = 13;

// A quantity held in tenths with one decimal: 123 as "12.3", -15 as "-1.5".
void formatTenths(char* buffer, int32_t tenths);

// The flow unit of the volume unit setting: "L/hr" for litres, "G/hr" for
// gallons, and no word at all for a setting above the six known units.
const char* flowUnitWord();

// A flow in tenths of the volume unit per hour, white, with one decimal and its sign.
void drawFlow(int32_t tenths, TextPlace place);
