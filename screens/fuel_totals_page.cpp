// Fuel used through each flow sender since the last reset, with the reset
// offered on the left button.
#include <algorithm>
#include <cstdint>

#include "core/fuel_configs.h"
#include "core/fuel_flow.h"
#include "core/settings.h"
#include "display/bar_graphs.h"
#include "display/colours.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/text.h"
#include "screens/home_screen.h"
#include "screens/run_time_pages.h"

namespace {

constexpr uint8_t labelFont = 8;
constexpr uint8_t totalFont = 16;
constexpr int16_t totalX = 70;
constexpr int16_t secondBlockOffset = 40;

// A block shows unless the configuration has none, or its sender's flow is
// switched off where the configuration asks for it on.
bool blockShown(TotalsBlock block, uint8_t Settings::*flowEnabled)
{
    if (block == TotalsBlock::singleWhileFlowOn)
        return settings.*flowEnabled == 1;
    return block != TotalsBlock::none;
}

TotalsBlock firstBlock() { return currentFuelConfig().totals[0]; }
TotalsBlock secondBlock() { return currentFuelConfig().totals[1]; }

bool showsFirstBlock() { return blockShown(firstBlock(), &Settings::flow1Enabled); }
bool showsSecondBlock() { return blockShown(secondBlock(), &Settings::flow2Enabled); }

// Fuel through one sender in the unit the page shows: whole litres, tenths
// of a litre, or tenths of a gallon (a gallon setting already counts ten
// per pulse). Tenths of a litre are counted from the pulses themselves, so
// the figure keeps its fraction instead of reading ten times too small.
int64_t senderTotal(uint32_t usedPulses, uint16_t kFactor)
{
    uint32_t pulsesPerUnit = kFactorInUnits(kFactor);
    if (pulsesPerUnit == 0)
        return 0;
    bool litreTenths = !unitsAreGallons() && settings.litreResolution != 0;
    uint64_t pulses = litreTenths ? uint64_t{usedPulses} * 10 : usedPulses;
    return static_cast<int64_t>(pulses / pulsesPerUnit);
}

int64_t total1() { return senderTotal(used1Pulses, settings.kFactor1); }
int64_t total2() { return senderTotal(used2Pulses, settings.kFactor2); }

// Supply minus return (DIFF) can run below zero; it keeps its sign.
int64_t combinedTotal()
{
    return settings.flowMode == flowModeDiff ? total1() - total2() : total1() + total2();
}

void drawLabel(int16_t y, const char* label) { drawText(0, y, label, 0, labelFont, alignLeft, colourGrey); }

void drawTotal(int16_t y, int64_t total)
{
    char text[fuelQuantityTextSize] = "";
    formatFuelQuantity(text, static_cast<int32_t>(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX)));
    drawText(totalX, y, text, 0, totalFont, alignLeft, colourWhite);
}

void drawFirstBlock()
{
    if (firstBlock() == TotalsBlock::combined) {
        drawLabel(32, "TOTAL:");
        drawTotal(29, combinedTotal());
        return;
    }
    drawLabel(36, firstBlock() == TotalsBlock::numbered ? "TOTAL 1:" : "TOTAL:");
    drawTotal(29, total1());
}

// The one unit word of the page sits above the second total.
void drawSecondBlock(int16_t o)
{
    if (secondBlock() == TotalsBlock::numbered)
        drawLabel(static_cast<int16_t>(o + 36), "TOTAL 2:");
    else
        drawLabel(static_cast<int16_t>(o + 34), "TOTAL:");
    const char* unit = unitsAreGallons() ? "GALLONS" : "LITRES";
    drawText(5, static_cast<int16_t>(o + 16), unit, 0, labelFont, alignLeft, colourWhite);
    drawTotal(static_cast<int16_t>(o + 29), total2());
}

} // namespace

bool fuelTotalsToShow() { return showsFirstBlock() || showsSecondBlock(); }

void fuelTotalsPage()
{
    drawText(80, 5, "FUEL TOTALS", 0, 9, alignCentre, colourWhite);
    drawHLine(0, 159, 25, colourWhite);
    int16_t o = 0;
    if (showsFirstBlock()) {
        drawFirstBlock();
        o = secondBlockOffset;
    }
    if (showsSecondBlock())
        drawSecondBlock(o);
    drawSoftKeyFrame(); // only the left cell in use
    drawLeftLegend("RESET");
}
