#include "screens/home_screen.h"

#include <cstdio>

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "display/colours.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/text.h"
#include "screens/run_time_pages.h"

ScreenHandler currentScreen;
uint8_t showTotals;
uint8_t digitEntry[4];

namespace {

constexpr uint8_t messageFont = 10;

constexpr uint8_t invalidFuelConfig = 9;
constexpr uint8_t lastFuelConfig = 14;

// One row per fuel-system configuration code.
const HomePage configPages[lastFuelConfig + 1] = {
    {singleTankPage, true},       // 0: flow 1 with tank 1
    {singleTankPage, true},       // 1: flow 2 with tank 2
    {singleTankLevelPage, false}, // 2: tank 1 on its sender, no flow
    {singleTankLevelPage, false}, // 3: tank 2 on its sender, no flow
    {twoTankLevelPage, false},    // 4: both tanks on senders, no flow
    {singleFlowPage, false},      // 5: flow 1, no tank
    {singleFlowPage, false},      // 6: flow 2, no tank
    {dualFlowPage, false},        // 7: two flows shown apart, no tank
    {combinedFlowPage, false},    // 8: two flows combined, no tank
    {selectFuelMessage, false},   // 9: invalid (see selectedHomePage)
    {twoTankDualFlowPage, true},  // 10: two flows shown apart, both tanks
    {twoTankPage, true},          // 11: both tanks, combined or single flow
    {singleTankPage, true},       // 12: two flows combined, tank 1
    {singleTankPage, true},       // 13: two flows combined, tank 2
    {twoTankPage, true},          // 14: one flow feeding both tanks
};

// No flow and no tank in use, but the pressure display on: the instrument
// serves as a fuel pressure gauge.
bool pressureGaugeOnly()
{
    return settings.tank1Mode == tankModeOff && settings.tank2Mode == tankModeOff && settings.flow1Enabled == 0 &&
           settings.flow2Enabled == 0 && settings.pressureDisplay == 1;
}

// Configurations where a tank sits beside the flow: the push buttons open
// the cruising-speed and manual fuel-level entries there.
bool isLevelConfig()
{
    switch (fuelConfig) {
    case 0: case 1: case 10: case 12: case 13: case 14:
        return true;
    case 11:
        return settings.tank1Mode != tankModeSender || settings.tank2Mode != tankModeSender;
    default:
        return false;
    }
}

// The remote unit is the data source but is not connected: the readings
// underneath are stale, so the page is crossed out.
void drawDisconnectedCross()
{
    if (settings.dataSource != dataSourceVrax || vraxEnabled != 0)
        return;
    drawThickLine(0, 0, 159, 127, colourRed);
    drawThickLine(0, 127, 159, 0, colourRed);
}

void drawConfigurationPage()
{
    HomePage page = selectedHomePage();
    page.draw();
    if (settings.pressureDisplay == 0)
        headerCycle = 0; // no speed phase without the pressure strip: the level pages show the speed instead
    if (page.statusLine)
        drawStatusLine();
    drawDisconnectedCross();
}

void openSetup()
{
    menuCursor = 0;
    menuEditing = 0;
    if (settings.securityEnabled == 1) {
        for (auto& digit : digitEntry)
            digit = 0;
        currentScreen = securityCodeScreen;
    } else {
        currentScreen = mainMenuScreen;
    }
}

void openFuelLevelEntry()
{
    if (settings.tank1Mode == tankModeCalculated)
        openFuelLevel1Entry();
    else if (settings.tank2Mode == tankModeCalculated)
        openFuelLevel2Entry();
}

void dispatchKey()
{
    switch (pendingKey) {
    case keyLeft:
        if (showTotals != 0)
            resetFuelUsed();
        else if (isLevelConfig())
            openCruiseSpeedEntry();
        break;
    case keyRight:
        if (showTotals == 0 && isLevelConfig())
            openFuelLevelEntry();
        break;
    case keyPress:
        openSetup();
        break;
    case keyPlus:
        if (showTotals == 0 && fuelTotalsToShow())
            showTotals = 1;
        break;
    case keyMinus:
        if (showTotals > 0)
            --showTotals;
        break;
    default:
        break;
    }
}

// An entry screen edits three digits, most significant first; a value of
// more than three digits keeps its first three.
void openEntry(uint16_t value, ScreenHandler entryScreen)
{
    menuCursor = 0;
    char text[8];
    std::snprintf(text, sizeof text, "%03u", static_cast<unsigned>(value));
    for (int i = 0; i < 3; ++i)
        digitEntry[i] = static_cast<uint8_t>(text[i] - '0');
    currentScreen = entryScreen;
}

} // namespace

HomePage selectedHomePage()
{
    if (fuelConfig <= lastFuelConfig && fuelConfig != invalidFuelConfig)
        return configPages[fuelConfig];
    return {pressureGaugeOnly() ? pressurePage : selectFuelMessage, false};
}

void selectFuelMessage()
{
    fillRect(2, 16, 158, 106, colourRed);
    drawRect(2, 16, 158, 106, colourWhite);
    drawText(80, 26, "SELECT FUEL", 0, messageFont, alignCentre, colourWhite);
    drawText(80, 50, "MODE IN FUEL", 0, messageFont, alignCentre, colourWhite);
    drawText(80, 74, "SETUP MENU", 0, messageFont, alignCentre, colourWhite);
}

void homeScreen()
{
    if (showTotals != 0)
        fuelTotalsPage();
    else
        drawConfigurationPage();
    acknowledgeAlarm();
    dispatchKey();
    pendingKey = 0;
}

void acknowledgeAlarm()
{
    if (pendingKey == 0)
        return;
    for (uint32_t bit : {alarmTank1Low, alarmTank2Low, alarmPressure}) {
        if ((alarmFlags & bit) != 0 && (alarmAcked & bit) == 0) {
            alarmAcked |= bit;
            pendingKey = 0;
            return;
        }
    }
}

void openCruiseSpeedEntry() { openEntry(settings.cruiseSpeed, cruiseSpeedScreen); }
void openFuelLevel1Entry() { openEntry(tank1Level, fuelLevel1Screen); }
void openFuelLevel2Entry() { openEntry(tank2Level, fuelLevel2Screen); }
