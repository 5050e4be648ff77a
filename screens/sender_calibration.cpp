// The user curve editor: up to 16 points, each a displayed pressure and the
// sender reading at which it occurs. The live reading is in the title so the
// pilot can note it at known pressures. The editor works on a copy; EXIT
// writes the whole curve back.
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "core/fuel_pressure.h"
#include "core/keys_and_time.h"
#include "display/furniture.h"
#include "screens/pressure_setup.h"
#include "screens/setup_list.h"
#include "screens/setup_screens.h"

PressureCurve calCurve;

namespace {

constexpr uint8_t fewestPoints = 2;
constexpr uint8_t mostPoints = std::size(PressureCurve{}.points);
constexpr int16_t largestDisplayed = 999;
constexpr int16_t largestReading = 4095;
constexpr uint8_t calibrateSenderRow = 2;

// Only the low byte of the count is the curve's; however it was stored, the
// editor shows and edits no more points than the curve holds.
uint8_t pointCount() { return static_cast<uint8_t>(std::min<int>(calCurve.count & 0xFF, mostPoints)); }

void setPointCount(uint8_t count) { calCurve.count = static_cast<uint16_t>((calCurve.count & 0xFF00) | count); }

uint8_t rowCount() { return static_cast<uint8_t>(2 * pointCount() + 1); }

// Row 0 is POINTS; then each point has its DISPLAY row and its ADC row.
bool onPointsRow() { return menuCursor == 0; }
bool onDisplayRow() { return menuCursor % 2 == 1; }
CurvePoint& cursorPoint() { return calCurve.points[(menuCursor - 1) / 2]; }

// A value stepped by editStep; only a value already at an end wraps, so a
// step may overshoot an end by less than itself.
int16_t steppedUpTo(int16_t value, int8_t direction, int16_t largest)
{
    if (direction > 0)
        return value < largest ? static_cast<int16_t>(value + editStep) : 0;
    return value > 0 ? static_cast<int16_t>(value - editStep) : largest;
}

uint8_t nextPointCount(uint8_t count, int8_t direction)
{
    if (direction > 0)
        return count >= mostPoints ? fewestPoints : static_cast<uint8_t>(count + 1);
    return count <= fewestPoints ? mostPoints : static_cast<uint8_t>(count - 1);
}

const char* displayedText(int16_t count)
{
    const uint8_t unit = editedPressure().unit;
    if (unit == pressureUnitPsi)
        return formatValue("%03d %s", count, pressureUnitWord(unit));
    return formatValue("%.1f %s", count * 0.1, pressureUnitWord(unit));
}

void drawPoints()
{
    char label[16];
    for (uint8_t i = 1; i <= pointCount(); ++i) {
        const CurvePoint& point = calCurve.points[i - 1];
        std::snprintf(label, sizeof label, "DISPLAY %d: ", i);
        drawMenuRow(static_cast<int8_t>(2 * i - 1 - menuTop), label, displayedText(point.value));
        std::snprintf(label, sizeof label, "ADC %d: ", i);
        drawMenuRow(static_cast<int8_t>(2 * i - menuTop), label, formatValue("%04d", point.adc));
    }
}

// Displayed pressures step by one or ten counts, readings up to thousands.
void drawCurveStepLegend()
{
    if (onPointsRow())
        return;
    if (!onDisplayRow()) {
        drawStepLegend(readingStepLegend);
        return;
    }
    if (editStep != 1 && editStep != 10)
        editStep = 1;
    drawStepLegend(editedPressure().unit == pressureUnitPsi ? wholeStepLegend : tenthStepLegend);
}

void drawCurveEditor()
{
    scrollToCursor();
    drawTitleBar("CAL SENDER", formatValue("ADC: %u", pressureRaw));
    drawMenuScrollBar(menuCursor, rowCount());
    drawMenuRow(static_cast<int8_t>(-menuTop), "POINTS: ", formatValue("%d", pointCount()));
    drawPoints();
    drawCurveStepLegend();
    drawSoftKeys(softKeyExit);
}

void editCursorRow(int8_t direction)
{
    if (menuCursor >= rowCount())
        return;
    if (onPointsRow())
        setPointCount(nextPointCount(pointCount(), direction));
    else if (onDisplayRow())
        cursorPoint().value = steppedUpTo(cursorPoint().value, direction, largestDisplayed);
    else
        cursorPoint().adc = steppedUpTo(cursorPoint().adc, direction, largestReading);
}

void cycleCurveStep()
{
    if (onPointsRow())
        return;
    if (onDisplayRow())
        editStep = editStep == 1 ? 10 : 1;
    else
        cycleEditStep(1000);
}

void leaveCurveEditor()
{
    menuEditing = 0;
    editedPressure().userCurve = calCurve;
    menuCursor = calibrateSenderRow;
    currentScreen = messageReturnScreen != nullptr ? messageReturnScreen : pressureSetupScreen;
}

void curveEditorKey()
{
    switch (pendingKey) {
    case keyLeft:
        leaveCurveEditor();
        break;
    case keyRight:
        cycleCurveStep();
        break;
    case keyPress:
        menuEditing = toggled(menuEditing);
        break;
    case keyPlus:
    case keyMinus:
        if (menuEditing != 0)
            editCursorRow(knobDirection(pendingKey));
        else
            moveCursor(knobDirection(pendingKey), rowCount());
        break;
    default:
        break;
    }
    pendingKey = keyNone;
}

} // namespace

void senderCalibrationScreen()
{
    drawCurveEditor();
    if (pendingKey != keyNone)
        curveEditorKey();
}
