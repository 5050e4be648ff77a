// The raw sender readings (ADC VALUES), the instrument's identity and CAN bus
// (INFO), and the question that loads the factory settings.
#include "core/fuel_pressure.h"
#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/tank_level.h"
#include "display/colours.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/icons.h"
#include "display/text.h"
#include "screens/menu_screens.h"
#include "screens/screen.h"
#include "screens/setup_list.h"

namespace {

// Rows that opened these screens, where their BACK or NO returns.
constexpr uint8_t valuesPage = 2;      // main menu
constexpr uint8_t informationRow = 2;  // MISC SETUP
constexpr uint8_t defaultsRow = 3;     // MISC SETUP

constexpr uint8_t questionFont = 9;

void drawReading(int8_t row, const char* label, uint16_t reading)
{
    drawMenuText(row, formatValue("%s%d", label, reading), colourWhite);
}

// "CAN: OK (...)" with a letter for each device present (VRAX, C, A), or
// "CAN: ERROR" when none answers.
void drawCanLine()
{
    char present[4] = {};
    int count = 0;
    if (vraxEnabled == 1)
        present[count++] = 'V';
    if (canDeviceC == 1)
        present[count++] = 'C';
    if (canDeviceA == 1)
        present[count++] = 'A';
    drawMenuText(4, count > 0 ? formatValue("CAN: OK (%s)", present) : "CAN: ERROR", colourWhite);
}

// Installs a menu with its cursor on the row (or page) that opened a screen.
void backToMenu(ScreenHandler menu, uint8_t openerRow)
{
    currentScreen = menu;
    enterMenu(openerRow);
}

// The left key goes back to the opener; the other keys do nothing here.
void consumeKeyBackTo(ScreenHandler menu, uint8_t openerRow)
{
    if (pendingKey == keyLeft)
        backToMenu(menu, openerRow);
    pendingKey = keyNone;
}

// Loads the factory settings (the fuel totals and the tank contents stay) and
// confirms with the message screen, which then returns to MISC SETUP.
void loadDefaultsAndConfirm()
{
    currentScreen = messageScreen;
    messageReturnScreen = miscSetupScreen;
    enterMenu(defaultsRow);
    loadFactoryDefaults();
}

} // namespace

void valuesScreen()
{
    drawTitleBar("ADC", "VALUES");
    drawReading(0, "LEVEL 1: ", level1Raw);
    drawReading(1, "LEVEL 2: ", level2Raw);
    drawReading(2, "PRESSURE: ", pressureRaw);
    drawSoftKeys(softKeyBack);
    consumeKeyBackTo(mainMenuScreen, valuesPage);
}

void infoScreen()
{
    drawTitleBar("INFO", "");
    drawMenuText(0, "MODEL: QS-9", colourWhite);
    drawMenuText(1, formatValue("FIRMWARE: V%.2f", firmwareVersion * 0.01), colourWhite);
    drawCanLine();
    drawSoftKeys(softKeyBack);
    consumeKeyBackTo(miscSetupScreen, informationRow);
}

void defaultSettingsScreen()
{
    drawTitleBar("MESSAGE", "");
    drawRleBitmap(5, 40, questionIcon);
    drawText(110, 35, "LOAD", 0, questionFont, alignCentre, colourWhite);
    drawText(110, 56, "DEFAULT", 0, questionFont, alignCentre, colourWhite);
    drawText(110, 77, "SETTINGS?", 0, questionFont, alignCentre, colourWhite);
    drawYesNoKeys();
    if (pendingKey == keyRight) {
        loadDefaultsAndConfirm();
        pendingKey = keyNone;
    }
    consumeKeyBackTo(miscSetupScreen, defaultsRow);
}
