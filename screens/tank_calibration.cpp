// The six-point calibration of a tank's level sender: the sender readings at
// 0, 20, 40, 60, 80 and 100 % of the tank's size. By SENDER the pilot fills
// the tank in fifths and captures the live reading at each step with the
// knob; MANUAL types the readings. Points take effect as soon as they change;
// the pilot leaves only with points that run one way.
#include <cstdio>

#include "core/keys_and_time.h"
#include "display/furniture.h"
#include "display/text.h"
#include "screens/pressure_setup.h"
#include "screens/setup_list.h"
#include "screens/tank_setup.h"

uint8_t calibrationMode;

namespace {

constexpr uint8_t calibrationPoints = 6;
constexpr uint8_t calibrationRows = calibrationPoints + 1; // MODE, then the points
constexpr int32_t largestReading = 4096;

const char* const calibrationModeNames[] = {"SENDER", "MANUAL"};

int16_t* points(const TankSetup& setup) { return settings.*setup.tank.calibration; }

// The tank's contents at point i (i fifths full), in the tank's volume unit.
void formatPointLabel(char (&label)[16], const TankSetup& setup, uint8_t point)
{
    const int32_t size = settings.*setup.tank.size;
    const float tenths = static_cast<float>(size * point * 20) * 0.001f;
    if (unitsAreGallons())
        std::snprintf(label, sizeof label, "%.1fG: ", tenths);
    else if (settings.litreResolution != 0)
        std::snprintf(label, sizeof label, "%.1fL: ", tenths);
    else
        std::snprintf(label, sizeof label, "%dL: ", static_cast<int>(point * size * 20 / 100));
}

// The step of the readings: tank 1 goes up to thousands, tank 2 to hundreds.
void drawCalibrationStepLegend(const TankSetup& setup)
{
    const char* text = editStep <= setup.largestCalibrationStep ? stepLegendText(readingStepLegend) : nullptr;
    drawRightLegend(text != nullptr ? text : "X1");
}

void drawCalibration(const TankSetup& setup)
{
    scrollToCursor();
    drawMenuScrollBar(menuCursor, calibrationRows);
    const bool manual = calibrationMode == calibrationManual;
    drawTitleBar(setup.title, manual ? "CAL" : formatValue("ADC: %u", *setup.tank.raw));
    drawMenuRow(static_cast<int8_t>(-menuTop), "MODE: ", optionText(calibrationModeNames, calibrationMode));
    if (manual && menuCursor > 0)
        drawCalibrationStepLegend(setup);
    for (uint8_t point = 0; point < calibrationPoints; ++point) {
        char label[16];
        formatPointLabel(label, setup, point);
        drawMenuRow(static_cast<int8_t>(point + 1 - menuTop), label, formatValue("%d", points(setup)[point]));
    }
    drawSoftKeys(softKeyBack);
}

// Knob "+" / "-" while editing: the mode on row 0, a reading typed in MANUAL.
void editCalibrationRow(const TankSetup& setup, int8_t direction)
{
    if (menuCursor == 0) {
        calibrationMode = toggled(calibrationMode);
        return;
    }
    if (calibrationMode != calibrationManual)
        return;
    int16_t& point = points(setup)[menuCursor - 1];
    point = static_cast<int16_t>(stepWrapped(point, direction, 0, largestReading));
}

void pressOnCalibrationRow(const TankSetup& setup)
{
    if (menuCursor > 0 && calibrationMode == calibrationBySender)
        points(setup)[menuCursor - 1] = static_cast<int16_t>(*setup.tank.raw);
    else
        menuEditing = toggled(menuEditing);
}

void calibrationKey(const TankSetup& setup)
{
    switch (pendingKey) {
    case keyLeft:
        checkTankCalibration(setup.tank.number);
        break;
    case keyRight:
        if (calibrationMode == calibrationManual && menuCursor > 0)
            cycleEditStep(setup.largestCalibrationStep);
        break;
    case keyPress:
        pressOnCalibrationRow(setup);
        break;
    case keyPlus:
    case keyMinus:
        if (menuEditing != 0)
            editCalibrationRow(setup, knobDirection(pendingKey));
        else
            moveCursor(knobDirection(pendingKey), calibrationRows);
        break;
    default:
        break;
    }
    pendingKey = keyNone;
}

void runTankCalibration(const TankSetup& setup)
{
    drawCalibration(setup);
    if (pendingKey != keyNone)
        calibrationKey(setup);
}

// Readings must rise or fall from each point to the next; equal end points
// count as rising.
bool pointsRunOneWay(const int16_t* point)
{
    const bool falling = point[0] > point[calibrationPoints - 1];
    for (uint8_t i = 0; i + 1 < calibrationPoints; ++i) {
        const bool ok = falling ? point[i] > point[i + 1] : point[i] < point[i + 1];
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

void tank1CalibrationScreen() { runTankCalibration(tank1Setup); }
void tank2CalibrationScreen() { runTankCalibration(tank2Setup); }

void checkTankCalibration(uint8_t tankNumber)
{
    if (tankNumber != 1 && tankNumber != 2)
        return;
    const TankSetup& setup = tankNumber == 1 ? tank1Setup : tank2Setup;
    if (!pointsRunOneWay(points(setup))) {
        slopeErrorReturnScreen = setup.calibrationScreen;
        currentScreen = slopeErrorScreen;
        return;
    }
    storeSettings();
    currentScreen = setup.setupScreen;
    menuCursor = 6; // CALIBRATE TANK
}
