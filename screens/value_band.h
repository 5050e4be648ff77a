// A measured value shown against its limits, as the run-time pages show tank
// contents and fuel pressure: plain white in the normal band, black on a
// steady yellow box in the caution band, white on a red box that blinks with
// blinkPhase in the alarm band, and a blinking white-on-red "FAIL" in place
// of the value when the sender has failed.
#pragma once
#include <cstdint>

#include "display/text.h"

enum class ValueBand : uint8_t { normal, caution, alarm };

// Alarm at or beyond either alarm limit, else caution at or beyond either
// caution limit. A page without high limits passes INT32_MAX for both.
ValueBand bandOf(int32_t value, int32_t lowAlarm, int32_t lowCaution, int32_t highCaution,
                 int32_t highAlarm);

// Where a text goes: drawText's point, font and alignment.
struct TextPlace {
    int16_t x;
    int16_t y;
    uint8_t fontSize;
    uint8_t align;
};

constexpr int16_t boxToTextEnd = -1;

// A box behind the text just drawn: rows top..bottom, from textStartX less
// the margin to `right`, or to textEndX when right is boxToTextEnd.
struct TextBox {
    int16_t top;
    int16_t bottom;
    int16_t margin;
    int16_t right = boxToTextEnd;
};

// "FAIL" on red, drawn only while blinkPhase is 1.
void drawFailInBox(TextPlace place, TextBox box);

// The value text in white, then its band's box with the text again on top.
void drawValueInBand(const char* text, TextPlace place, TextBox box, ValueBand band);
