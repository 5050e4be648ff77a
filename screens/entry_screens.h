// Entries opened from the home screen's push buttons, outside the set-up
// lock: the cruising speed and the contents of a calculated tank, each a
// three-digit number edited digit by digit with the knob.
#pragma once
#include <cstdint>

// The last contents entered for each tank, in the tank volume unit
// (whole litres, 0.1 L or 0.1 gal).
extern int32_t manualLevel1, manualLevel2;

// The three digits in font 20, the one under the cursor red: a whole number,
// or a number of tenths with a point before the last digit.
void drawEntryDigits();
void drawEntryDigitsDecimal();

// Digit handling shared with the security code screens.
// digitEntry[0..count-1] in font 20 at the given x positions, cursor digit red.
void drawDigitRow(const int16_t* x, uint8_t count, int16_t y, uint8_t align);
// "+" or "-" turns the digit under menuCursor one step; 9 and 0 wrap round.
// A cursor beyond the digitCount digits turns nothing.
void turnDigitUnderCursor(uint8_t key, uint8_t digitCount);
