// Palette indices of the colours the screens use by convention.
#pragma once
#include <cstdint>

constexpr uint8_t colourBlack = 0;   // unlit
constexpr uint8_t colourRed = 9;     // selection, alarms, failures
constexpr uint8_t colourGreen = 10;
constexpr uint8_t colourYellow = 11; // cautions
constexpr uint8_t colourBlue = 12;
constexpr uint8_t colourWhite = 15;  // values, normal text, lines
constexpr uint8_t colourGrey = 229;  // labels and units
