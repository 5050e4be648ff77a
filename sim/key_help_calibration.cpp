// The keys of the calibration editors: a tank's six level points (MODE, then
// the points, captured from the sender or typed) and the user pressure
// curve (POINTS, then a DISPLAY and an ADC row per point).
#include <iterator>

#include "core/settings.h"
#include "display/furniture.h"
#include "screens/pressure_setup.h"
#include "screens/setup_list.h"
#include "screens/tank_setup.h"
#include "sim/key_help.h"

namespace {

// ---- tank calibration ----

constexpr uint8_t tankRows = 7; // MODE, then six points

bool manualCalibration() { return calibrationMode == calibrationManual; }

void addTankRow(TextOut& out, uint8_t row)
{
    if (row == 0)
        out << "MODE";
    else
        out << "point " << unsigned{row};
}

void tankStep(TextOut& out, const void* context)
{
    const TankSetup& setup = *static_cast<const TankSetup*>(context);
    if (!manualCalibration() || menuCursor == 0)
        return;
    const uint16_t next = editStep >= setup.largestCalibrationStep ? 1 : static_cast<uint16_t>(editStep * 10);
    stepTo(out, stepLegendText(readingStepLegend, next));
}

void tankPress(TextOut& out, const void*)
{
    if (menuCursor > 0 && !manualCalibration()) {
        out << "capture the sender reading for ";
    } else {
        out << (menuEditing != 0 ? "stop editing" : "edit");
        if (menuCursor >= tankRows)
            return;
        out << ' ';
    }
    addTankRow(out, menuCursor);
}

void tankTurn(TextOut& out, int8_t direction)
{
    if (menuEditing == 0) {
        out << "cursor to ";
        addTankRow(out, nextOption(menuCursor, tankRows, direction));
    } else if (menuCursor == 0) {
        out << (manualCalibration() ? "switch to SENDER" : "switch to MANUAL");
    } else if (manualCalibration()) {
        turnedBy(out, direction, editStep);
    }
}

void tankPlus(TextOut& out, const void*) { tankTurn(out, 1); }
void tankMinus(TextOut& out, const void*) { tankTurn(out, -1); }

constexpr ScreenKeyHelp tankHelp(const TankSetup& setup)
{
    return {setup.calibrationScreen,
            {says("check the points and go back"), worded(tankStep), worded(tankPress), worded(tankPlus),
             worded(tankMinus)},
            &setup};
}

// ---- user pressure curve ----

constexpr uint8_t mostCurvePoints = std::size(PressureCurve{}.points);

// The editor reads only the low byte of the count, and no more points than the curve holds.
uint8_t curvePoints()
{
    const uint8_t count = static_cast<uint8_t>(calCurve.count & 0xFF);
    return count < mostCurvePoints ? count : mostCurvePoints;
}
uint8_t curveRows() { return static_cast<uint8_t>(2 * curvePoints() + 1); }

void addCurveRow(TextOut& out, uint8_t row)
{
    if (row == 0)
        out << "POINTS";
    else
        out << (row % 2 == 1 ? "DISPLAY " : "ADC ") << unsigned{(row + 1u) / 2};
}

const StepLegend& displayedLegend()
{
    return editedPressure().unit == pressureUnitPsi ? wholeStepLegend : tenthStepLegend;
}

bool onDisplayRow() { return menuCursor % 2 == 1; }

void curveStep(TextOut& out, const void*)
{
    if (menuCursor == 0)
        return;
    if (onDisplayRow())
        stepTo(out, stepLegendText(displayedLegend(), editStep == 1 ? 10 : 1));
    else
        stepTo(out, stepLegendText(readingStepLegend, editStep >= 1000 ? 1 : static_cast<uint16_t>(editStep * 10)));
}

void curvePress(TextOut& out, const void*)
{
    out << (menuEditing != 0 ? "stop editing" : "edit");
    if (menuCursor < curveRows()) {
        out << ' ';
        addCurveRow(out, menuCursor);
    }
}

void curveTurn(TextOut& out, int8_t direction)
{
    if (menuEditing == 0) {
        out << "cursor to ";
        addCurveRow(out, nextOption(menuCursor, curveRows(), direction));
    } else if (menuCursor == 0) {
        const uint8_t count = curvePoints();
        const unsigned next = direction > 0 ? (count >= mostCurvePoints ? 2u : count + 1u)
                                            : (count <= 2 ? unsigned{mostCurvePoints} : count - 1u);
        out << next << " points";
    } else if (menuCursor < curveRows()) {
        turnedBy(out, direction, stepLegendText(onDisplayRow() ? displayedLegend() : readingStepLegend));
    }
}

void curvePlus(TextOut& out, const void*) { curveTurn(out, 1); }
void curveMinus(TextOut& out, const void*) { curveTurn(out, -1); }

const ScreenKeyHelp help[] = {
    tankHelp(tank1Setup),
    tankHelp(tank2Setup),
    {senderCalibrationScreen,
     {says("store the curve and exit"), worded(curveStep), worded(curvePress), worded(curvePlus),
      worded(curveMinus)}},
};

} // namespace

std::span<const ScreenKeyHelp> calibrationKeyHelp() { return help; }
