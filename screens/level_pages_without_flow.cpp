// Level pages without flow: tank contents from the senders only, larger than
// on the pages with flow, with no status line and no "CALC" tag.
#include "core/settings.h"
#include "core/tank_fields.h"
#include "display/bar_graphs.h"
#include "display/colours.h"
#include "display/text.h"
#include "screens/run_time_pages.h"
#include "screens/tank_display.h"

namespace {

constexpr int16_t end = boxToTextEnd;

// One tank across the page, its number large over a full-width bar.
constexpr TankPlace singleTankLevelPlace = {
    {120, 12, 34, alignRight}, {20, 74, 1, end}, {80, 32, 16, alignCentre}, {35, 61, 1, end},
    nullptr, 0, 5, 80, 150, 14, noCalcTag};

// Two tanks, each with a short bar on the left and its number on the right.
constexpr TankPlace tank1LevelPlace = {
    {119, 2, 24, alignCentre}, {8, 44, 2, end}, {119, 13, 16, alignCentre}, {15, 43, 2, end},
    "FL1", 8, 0, 28, 70, 10, noCalcTag};
constexpr TankPlace tank2LevelPlace = {
    {119, 55, 24, alignCentre}, {61, 97, 2, end}, {119, 66, 16, alignCentre}, {68, 96, 2, end},
    "FL2", 61, 0, 81, 70, 10, noCalcTag};

// The bar's scale under it: empty at the left, the tank's size at the right.
void drawBarScale(int16_t tankSize)
{
    char size[fuelQuantityTextSize] = "";
    formatFuelQuantity(size, tankSize);
    drawLabel(textAt(0, 100, 10, alignLeft), "0");
    drawLabel(textAt(159, 100, 10, alignRight), size);
}

} // namespace

// One SENDER tank, the other OFF.
void singleTankLevelPage()
{
    drawLabel(textAt(80, 0, 9, alignCentre), "FUEL LEVEL");
    const uint8_t tank = settings.tank1Mode == tankModeSender ? 1 : 2;
    drawLabel(textAt(150, 44, 16, alignRight), unitText("L", "G"));
    drawTank(tank, singleTankLevelPlace, 0);
    if (pressureStripShown())
        drawLevelPageStrip(104);
    else
        drawBarScale(settings.*tankFields(tank).size);
}

// Both tanks on SENDER. Without the pressure strip the
// second tank and the unit word move down into its room.
void twoTankLevelPage()
{
    if (pressureStripShown())
        drawLevelPageStrip(104);
    const int16_t o = pressureStripShown() ? 0 : 16;
    const int16_t u = pressureStripShown() ? 10 : 20;
    drawTank(1, tank1LevelPlace, 0);
    drawTank(2, tank2LevelPlace, o);
    drawLabel(textAt(5, u + 34, 8, alignLeft), unitText("LITRES", "GALLONS"));
}
