// The home screen's top row: range or speed at the left, endurance at the right.
#include <cstdio>

#include "core/keys_and_time.h"
#include "core/range_endurance.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "display/colours.h"
#include "display/text.h"
#include "screens/home_screen.h"
#include "screens/page_texts.h"
#include "screens/run_time_pages.h"

namespace {

constexpr uint8_t statusFont = 9;
constexpr int16_t statusRow = 0;
constexpr uint8_t colourGroundSpeed = 13; // magenta: the speed comes from the navigation input

// Range in the status line for the first five steps of its eight-step cycle.
constexpr uint8_t firstSpeedStep = 5;
// Figures that do not fit the row are shown as unknown.
constexpr uint16_t largestRangeShown = 9999;
constexpr uint16_t longestEnduranceShown = 6000; // minutes

// Label, figure and unit word run on from one another along the row.
void drawLabelledFigure(int16_t y, const char* label, const char* figure, uint8_t figureColour, const char* unit)
{
    drawText(0, y, label, 0, statusFont, alignLeft, colourGrey);
    drawText(static_cast<int16_t>(textEndX), y, figure, 0, statusFont, alignLeft, figureColour);
    if (*unit != '\0')
        drawText(static_cast<int16_t>(textEndX), y, unit, 0, statusFont, alignLeft, colourGrey);
}

void drawRange()
{
    char figure[8] = "?";
    if (rangeValue <= largestRangeShown)
        std::snprintf(figure, sizeof figure, "%u", static_cast<unsigned>(rangeValue));
    drawLabelledFigure(statusRow, "R: ", figure, colourWhite, distanceUnitWord());
}

void drawEndurance()
{
    char figure[12] = "?:??";
    if (enduranceMinutes <= longestEnduranceShown)
        std::snprintf(figure, sizeof figure, "%u:%02u", enduranceMinutes / 60u, enduranceMinutes % 60u);
    drawText(159, statusRow, figure, 0, statusFont, alignRight, colourWhite);
    drawText(static_cast<int16_t>(textStartX - 2), statusRow, "T:", 0, statusFont, alignRight, colourGrey);
}

} // namespace

void drawSpeedLine(int16_t y)
{
    bool ground = gpsSpeedValid == 1;
    char figure[8];
    std::snprintf(figure, sizeof figure, "%d", ground ? gpsSpeed : settings.cruiseSpeed);
    drawLabelledFigure(y, "S: ", figure, ground ? colourGroundSpeed : colourWhite, speedUnitWord());
}

void drawStatusLine()
{
    if (headerCycle < firstSpeedStep)
        drawRange();
    else
        drawSpeedLine(statusRow);
    drawEndurance();
}
