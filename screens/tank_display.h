// The tank display element of the level pages: a tank's contents as a number
// coloured by its low-fuel band, "FAIL" when its sender has failed, its label
// and its three-zone bar, with "CALC" on the bar of a calculated tank. Each
// page only says where the pieces go.
#pragma once
#include <cstdint>

#include "screens/value_band.h"

// A place from row arithmetic such as "18 rows lower without the strip".
constexpr TextPlace textAt(int x, int y, uint8_t fontSize, uint8_t align)
{
    return {static_cast<int16_t>(x), static_cast<int16_t>(y), fontSize, align};
}

// Where one page puts one tank. All rows move together by the row offset
// passed to drawTank, which is how a page makes room for the pressure strip.
struct TankPlace {
    TextPlace value;
    TextBox valueBox;
    TextPlace fail;
    TextBox failBox;
    const char* label; // left-aligned at x 0, or none
    int16_t labelY;
    int16_t barX, barY, barWidth, barHeight;
    int16_t calcY;     // "CALC" centred at x 60 on this row; noCalcTag on pages without
};
constexpr int16_t noCalcTag = -1;

// Value (or "FAIL"), label, bar and "CALC" of tank 1 or tank 2, in that order.
void drawTank(uint8_t tank, const TankPlace& place, int16_t rowOffset);

// The page's text for a volume unit ("L" / "G", "LITRES" / "GALLONS", ...):
// null for a units setting above the known six, which shows no unit text.
const char* unitText(const char* litres, const char* gallons);

// A grey label or unit text; nothing for a null text.
void drawLabel(const TextPlace& place, const char* text);

// The pressure strip under a level page, at row y, while the pilot has the
// pressure display on.
bool pressureStripShown();
void drawLevelPageStrip(int16_t y);
