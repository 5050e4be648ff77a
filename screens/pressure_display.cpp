// The fuel pressure against its four limits: the strip under the fuel pages
// and the full page of the instrument working as a pressure gauge.
#include "core/fuel_pressure.h"
#include "core/settings.h"
#include "display/bar_graphs.h"
#include "display/colours.h"
#include "display/text.h"
#include "screens/page_texts.h"
#include "screens/run_time_pages.h"
#include "screens/value_band.h"

namespace {

ValueBand pressureBand()
{
    const PressureSettings& p = settings.pressure;
    return bandOf(pressureValue, p.lowAlarm, p.lowCaution, p.highCaution, p.highAlarm);
}

// The five-zone bar: red below the low alarm, yellow to the low caution,
// green to the high caution, yellow to the high alarm, red above.
void drawPressureBar(int16_t x, int16_t y, int16_t width, int16_t height)
{
    const PressureSettings& p = settings.pressure;
    barGraph = {
        .x = static_cast<uint16_t>(x),
        .y = static_cast<uint16_t>(y),
        .width = static_cast<uint16_t>(width),
        .height = static_cast<uint16_t>(height),
        .marker = pressureValue,
        .max = p.displayMax,
        .min = p.displayMin,
        .limit1 = p.lowAlarm,
        .limit2 = p.lowCaution,
        .limit3 = p.highCaution,
        .limit4 = p.highAlarm,
    };
    drawZoneBar5();
}

} // namespace

void drawPressureStrip(int16_t x, int16_t y, int16_t width, int16_t height, uint8_t showLabel)
{
    drawPressureBar(x, y, width, height);
    if (showLabel == 1)
        drawText(static_cast<int16_t>(x - 25), static_cast<int16_t>(y - 2), "FP", 0, 8, alignLeft,
                 colourGrey);
    drawText(159, static_cast<int16_t>(y - 3), pressureUnitWord(), 0, 8, alignRight, colourGrey);

    // Value and FAIL end 3 pixels left of the unit word, boxed from 2 rows
    // above the bar to 2 rows below it.
    const TextPlace place{static_cast<int16_t>(textStartX - 3), static_cast<int16_t>(y - 3), 9, alignRight};
    const int16_t top = static_cast<int16_t>(y - 2);
    const int16_t bottom = static_cast<int16_t>(y + 14);
    if (pressureFail == 1) {
        drawFailInBox(place, {.top = top, .bottom = bottom, .margin = 1});
        return;
    }
    char text[pressureTextSize];
    formatPressure(text, pressureValue);
    drawValueInBand(text, place, {.top = top, .bottom = bottom, .margin = 2}, pressureBand());
}

void pressurePage()
{
    drawText(80, 0, "FUEL PRESSURE", 0, 9, alignCentre, colourGrey);
    char text[pressureTextSize];
    formatPressure(text, pressureValue);
    if (pressureFail == 1)
        drawFailInBox({80, 32, 16, alignCentre}, {.top = 35, .bottom = 61, .margin = 1});
    else
        drawValueInBand(text, {124, 12, 34, alignRight}, {.top = 20, .bottom = 74, .margin = 1},
                        pressureBand());
    drawText(159, 46, pressureUnitWord(), 0, 12, alignRight, colourGrey);

    drawPressureBar(5, 82, 150, 14);
    drawText(0, 100, "0", 0, 10, alignLeft, colourGrey);
    formatPressure(text, settings.pressure.pressureAt20mA);
    drawText(159, 100, text, 0, 10, alignRight, colourGrey);
}
