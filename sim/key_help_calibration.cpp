// The keys of the calibration editors: a tank's six level points (MODE, then
// the points, captured from the sender or typed) and the user pressure
// curve (POINTS, then a DISPLAY and an ADC row per point).
#include <algorithm>
#include <iterator>

#include "core/settings.h"
#include "display/furniture.h"
#include "screens/pressure_setup.h"
#include "screens/setup_list.h"
#include "screens/tank_setup.h"
#include "sim/key_help.h"

namespace {

// ---- tank calibration ----

constexpr uint8_t tankPoints = 6;
constexpr uint8_t tankRows = tankPoints + 1;

bool manualCalibration() { return calibrationMode == calibrationManual; }

std::string tankRowName(uint8_t row) { return row == 0 ? "MODE" : "point " + std::to_string(row); }

template <const TankSetup& setup>
std::string tankStep()
{
    if (!manualCalibration() || menuCursor == 0)
        return "";
    const uint16_t next = editStep >= setup.largestCalibrationStep ? 1 : static_cast<uint16_t>(editStep * 10);
    return stepTo(stepLegendText(readingStepLegend, next));
}

std::string tankPress()
{
    if (menuCursor > 0 && !manualCalibration())
        return "capture the sender reading for point " + std::to_string(menuCursor);
    return editing(menuCursor < tankRows ? tankRowName(menuCursor) : "");
}

std::string tankTurn(int8_t direction)
{
    if (menuEditing == 0)
        return cursorTo(tankRowName(nextOption(menuCursor, tankRows, direction)));
    if (menuCursor == 0)
        return manualCalibration() ? "switch to SENDER" : "switch to MANUAL";
    if (!manualCalibration())
        return "";
    return turnedBy(direction, ("X" + std::to_string(editStep)).c_str());
}

template <const TankSetup& setup>
constexpr ScreenKeyHelp tankHelp()
{
    return {setup.calibrationScreen,
            {[] { return std::string("check the points and go back"); }, tankStep<setup>, tankPress,
             [] { return tankTurn(1); }, [] { return tankTurn(-1); }}};
}

// ---- user pressure curve ----

constexpr uint8_t mostCurvePoints = std::size(PressureCurve{}.points);

// The editor reads only the low byte of the count, and no more points than the curve holds.
uint8_t curvePoints() { return static_cast<uint8_t>(std::min<int>(calCurve.count & 0xFF, mostCurvePoints)); }
uint8_t curveRows() { return static_cast<uint8_t>(2 * curvePoints() + 1); }

std::string curveRowName(uint8_t row)
{
    if (row == 0)
        return "POINTS";
    return (row % 2 == 1 ? "DISPLAY " : "ADC ") + std::to_string((row + 1) / 2);
}

const StepLegend& displayedLegend()
{
    return editedPressure().unit == pressureUnitPsi ? wholeStepLegend : tenthStepLegend;
}

bool onDisplayRow() { return menuCursor % 2 == 1; }

std::string curveStep()
{
    if (menuCursor == 0)
        return "";
    if (onDisplayRow())
        return stepTo(stepLegendText(displayedLegend(), editStep == 1 ? 10 : 1));
    return stepTo(stepLegendText(readingStepLegend, editStep >= 1000 ? 1 : static_cast<uint16_t>(editStep * 10)));
}

std::string curveTurn(int8_t direction)
{
    if (menuEditing == 0)
        return cursorTo(curveRowName(nextOption(menuCursor, curveRows(), direction)));
    if (menuCursor >= curveRows())
        return "";
    if (menuCursor == 0) {
        const uint8_t count = curvePoints();
        const uint8_t next = direction > 0 ? (count >= mostCurvePoints ? 2 : count + 1)
                                           : (count <= 2 ? mostCurvePoints : count - 1);
        return std::to_string(next) + " points";
    }
    return turnedBy(direction, stepLegendText(onDisplayRow() ? displayedLegend() : readingStepLegend));
}

const ScreenKeyHelp help[] = {
    tankHelp<tank1Setup>(),
    tankHelp<tank2Setup>(),
    {senderCalibrationScreen,
     {[] { return std::string("store the curve and exit"); }, curveStep,
      [] { return editing(menuCursor < curveRows() ? curveRowName(menuCursor) : ""); }, [] { return curveTurn(1); },
      [] { return curveTurn(-1); }}},
};

} // namespace

std::span<const ScreenKeyHelp> calibrationKeyHelp() { return help; }
