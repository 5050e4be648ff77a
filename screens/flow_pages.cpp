// The flow pages of an instrument with flow senders but no tank: one flow,
// two flows side by side, or two flows combined. While the pressure display
// is on the strip takes the bottom line and the page sits higher; without it
// the lines spread lower.
#include "core/fuel_configs.h"
#include "core/fuel_flow.h"
#include "core/settings.h"
#include "display/colours.h"
#include "display/text.h"
#include "screens/page_texts.h"
#include "screens/run_time_pages.h"
#include "screens/value_band.h"

namespace {

// Draws the pressure strip when the pressure display is on; says whether it did.
bool drawStripIfOn()
{
    if (settings.pressureDisplay != 1)
        return false;
    drawPressureStrip(25, 104, 65, 12, 1);
    return true;
}

void drawLabel(const char* label, int16_t x, int16_t y, uint8_t fontSize)
{
    drawText(x, y, label, 0, fontSize, alignLeft, colourGrey);
}

// No word is drawn for a unit setting without one.
void drawFlowUnit(TextPlace place)
{
    const char* word = flowUnitWord();
    if (*word != '\0')
        drawText(place.x, place.y, word, 0, place.fontSize, place.align, colourGrey);
}

struct DualFlowLayout {
    int16_t label1Y;
    int16_t label2Y;
    int16_t flow2Y;
    int16_t unitY;
};

constexpr DualFlowLayout dualWithStrip{.label1Y = 15, .label2Y = 66, .flow2Y = 46, .unitY = 42};
constexpr DualFlowLayout dualWithoutStrip{.label1Y = 14, .label2Y = 84, .flow2Y = 66, .unitY = 51};

} // namespace

void singleFlowPage()
{
    drawText(80, 0, "FUEL FLOW", 0, 9, alignCentre, colourGrey);
    const int16_t d = drawStripIfOn() ? 0 : 10;
    drawFlow(settings.flow1Enabled == 1 ? flowRate1 : flowRate2,
             {159, static_cast<int16_t>(d + 16), 34, alignRight});
    drawFlowUnit({159, static_cast<int16_t>(d + 76), 10, alignRight});
}

void dualFlowPage()
{
    const DualFlowLayout& at = drawStripIfOn() ? dualWithStrip : dualWithoutStrip;
    drawLabel("FF1", 0, at.label1Y, 10);
    drawLabel("FF2", 0, at.label2Y, 10);
    drawFlow(flowRate1, {159, -4, 30, alignRight});
    drawFlow(flowRate2, {159, at.flow2Y, 30, alignRight});
    drawFlowUnit({0, at.unitY, 8, alignLeft});
}

void combinedFlowPage()
{
    const bool strip = drawStripIfOn();
    const int16_t d = strip ? 0 : 20;
    drawFlow(combinedFlow(), {159, 0, 34, alignRight});
    drawLabel("FF1", 0, static_cast<int16_t>(d + 66), 8);
    drawFlow(flowRate1, {120, static_cast<int16_t>(d + 60), 12, alignRight});
    drawLabel("FF2", 0, static_cast<int16_t>(d + 84), 8);
    drawFlow(flowRate2, {120, static_cast<int16_t>(d + 78), 12, alignRight});
    if (!strip)
        drawFlowUnit({159, 60, 10, alignRight});
    drawFlowUnit({159, static_cast<int16_t>(d + 66), 8, alignRight});
    drawFlowUnit({159, static_cast<int16_t>(d + 84), 8, alignRight});
}
