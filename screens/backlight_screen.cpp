#include <algorithm>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "display/colours.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/text.h"
#include "screens/menu_screens.h"
#include "screens/setup_list.h"

// MANUAL: the knob sets the level directly and a knob press lets the knob
// switch the mode. AUTO: the knob moves over four rows and a knob press starts
// or ends editing the row under the cursor.

namespace {

constexpr uint8_t backlightManual = 0; // any other mode is AUTO

enum BacklightRow : uint8_t { modeRow, thresholdRow, dimRow, brightRow };
constexpr uint8_t autoRowCount = 4;

constexpr int percentLow = 10;
constexpr int percentHigh = 100;
constexpr int percentStep = 10;
constexpr int32_t thresholdLow = 100;  // sensor counts
constexpr int32_t thresholdHigh = 4000;
constexpr uint16_t thresholdFineStep = 100;
constexpr uint16_t thresholdCoarseStep = 1000;

constexpr uint8_t textFont = 8;

bool manualMode() { return settings.backlightMode == backlightManual; }

// Percentages stop at 10 and 100.
uint8_t stepPercent(uint8_t percent, int8_t direction)
{
    return static_cast<uint8_t>(std::clamp(percent + direction * percentStep, percentLow, percentHigh));
}

// The bar's right end is 9 + 1.4 x level: 23 at 10 %, 149 at 100 %.
void drawLevelBar()
{
    fillRect(10, 85, static_cast<int16_t>(9 + settings.backlightLevel * 14 / 10), 97, colourRed);
    drawRect(10, 85, 150, 97, colourWhite);
}

void drawManual()
{
    drawTitleBar("BACKLIGHT", "");
    drawText(80, 41, "USE THE ROTARY", 0, textFont, alignCentre, colourWhite);
    drawText(80, 54, "CONTROL TO ADJUST", 0, textFont, alignCentre, colourWhite);
    drawText(80, 67, "THE BACKLIGHT", 0, textFont, alignCentre, colourWhite);
    drawLevelBar();
}

void drawAuto()
{
    drawTitleBar("BACKLIGHT", formatValue("ADC: %d", lightSensorInput));
    drawMenuRow(thresholdRow, "THRESHOLD: ", formatValue("%d", settings.backlightThreshold));
    if (menuCursor == thresholdRow)
        drawRightLegend(editStep == thresholdFineStep ? "X100" : "X1000");
    drawMenuRow(dimRow, "DIM: ", formatValue("%d%%", settings.backlightDim));
    drawMenuRow(brightRow, "BRIGHT: ", formatValue("%d%%", settings.backlightBright));
}

// "+" or "-" while the row under the cursor is being edited.
void editRow(int8_t direction)
{
    switch (menuCursor) {
    case modeRow:
        settings.backlightMode = toggled(settings.backlightMode);
        break;
    case thresholdRow:
        // Wraps: past 4000 to 100, below 100 to 4000.
        settings.backlightThreshold = static_cast<uint16_t>(
            stepWrapped(settings.backlightThreshold, direction, thresholdLow, thresholdHigh));
        break;
    case dimRow:
        settings.backlightDim = stepPercent(settings.backlightDim, direction);
        break;
    case brightRow:
        settings.backlightBright = stepPercent(settings.backlightBright, direction);
        break;
    default:
        break;
    }
}

// "+" or "-" outside edit mode: the level in MANUAL, the cursor in AUTO.
// Either way the threshold is then stepped by 100 until the right key says 1000.
void turnKnob(int8_t direction)
{
    if (manualMode())
        settings.backlightLevel = stepPercent(settings.backlightLevel, direction);
    else
        moveCursor(direction, autoRowCount);
    editStep = thresholdFineStep;
}

void handleKey(uint8_t key)
{
    switch (key) {
    case keyLeft:
        currentScreen = miscSetupScreen;
        enterMenu(0);
        break;
    case keyRight:
        if (menuCursor == thresholdRow)
            editStep = editStep == thresholdFineStep ? thresholdCoarseStep : thresholdFineStep;
        break;
    case keyPress:
        menuEditing = menuEditing ? 0 : 1;
        break;
    case keyPlus:
    case keyMinus:
        if (menuEditing)
            editRow(knobDirection(key));
        else
            turnKnob(knobDirection(key));
        break;
    default:
        break;
    }
}

} // namespace

void backlightScreen()
{
    drawMenuRow(modeRow, "BACKLIGHT: ", manualMode() ? "MANUAL" : "AUTO");
    if (manualMode())
        drawManual();
    else
        drawAuto();
    drawSoftKeys(softKeyBack);
    if (pendingKey == keyNone)
        return;
    handleKey(pendingKey);
    pendingKey = keyNone;
}
