#include "screens/tank_display.h"

#include <cstdint>

#include "core/settings.h"
#include "core/tank_fields.h"
#include "display/bar_graphs.h"
#include "display/colours.h"
#include "display/text.h"
#include "screens/run_time_pages.h"

namespace {

// Only low limits: the contents (never negative) against the pilot's signed
// thresholds, so a threshold set below zero never catches an empty tank.
ValueBand lowFuelBand(const TankFields& tank)
{
    return bandOf(*tank.level, settings.*tank.lowAlarm, settings.*tank.lowCaution, INT32_MAX, INT32_MAX);
}

TextPlace movedDown(TextPlace place, int16_t rows)
{
    place.y = static_cast<int16_t>(place.y + rows);
    return place;
}

TextBox movedDown(TextBox box, int16_t rows)
{
    box.top = static_cast<int16_t>(box.top + rows);
    box.bottom = static_cast<int16_t>(box.bottom + rows);
    return box;
}

void drawContents(const TankFields& tank, const TankPlace& place, int16_t rows)
{
    char text[fuelQuantityTextSize] = "";
    formatFuelQuantity(text, *tank.level);
    drawValueInBand(text, movedDown(place.value, rows), movedDown(place.valueBox, rows),
                    lowFuelBand(tank));
}

// Empty (red) up to the low alarm, yellow up to the low caution, then green;
// the marker at the contents, also while the sender has failed.
void drawTankBar(const TankFields& tank, const TankPlace& place, int16_t rows)
{
    barGraph = BarGraph{};
    barGraph.x = static_cast<uint16_t>(place.barX);
    barGraph.y = static_cast<uint16_t>(place.barY + rows);
    barGraph.width = static_cast<uint16_t>(place.barWidth);
    barGraph.height = static_cast<uint16_t>(place.barHeight);
    barGraph.marker = *tank.level;
    barGraph.max = settings.*tank.size;
    barGraph.min = 0;
    barGraph.limit1 = settings.*tank.lowAlarm;
    barGraph.limit2 = settings.*tank.lowCaution;
    drawZoneBar3();
}

} // namespace

void drawTank(uint8_t tank, const TankPlace& place, int16_t rowOffset)
{
    const TankFields& fields = tankFields(tank);
    if (*fields.fail == 1)
        drawFailInBox(movedDown(place.fail, rowOffset), movedDown(place.failBox, rowOffset));
    else
        drawContents(fields, place, rowOffset);
    if (place.label != nullptr)
        drawLabel(textAt(0, place.labelY + rowOffset, 8, alignLeft), place.label);
    drawTankBar(fields, place, rowOffset);
    if (place.calcY != noCalcTag && settings.*fields.mode == tankModeCalculated)
        drawText(60, static_cast<int16_t>(place.calcY + rowOffset), "CALC", 0, 8, alignCentre,
                 colourBlack);
}

const char* unitText(const char* litres, const char* gallons)
{
    if (settings.units > 5)
        return nullptr;
    return unitsAreGallons() ? gallons : litres;
}

void drawLabel(const TextPlace& place, const char* text)
{
    if (text != nullptr)
        drawText(place.x, place.y, text, 0, place.fontSize, place.align, colourGrey);
}

bool pressureStripShown() { return settings.pressureDisplay == 1; }

void drawLevelPageStrip(int16_t y) { drawPressureStrip(25, y, 65, 12, 1); }
