#include "screens/home_screen.h"

#include <cstddef>
#include <cstdio>
#include <iterator>

#include "core/alarms.h"
#include "core/fuel_configs.h"
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

// The drawing of each HomePageKind but the invalid configuration's, in its order.
const RunTimePage pageDrawers[] = {
    singleTankPage, twoTankDualFlowPage, twoTankPage,  // tanks with flow
    singleTankLevelPage, twoTankLevelPage,             // tanks without flow
    singleFlowPage, dualFlowPage, combinedFlowPage,    // flow without tanks
};
static_assert(std::size(pageDrawers) == static_cast<size_t>(HomePageKind::invalid));

// No flow and no tank in use, but the pressure display on: the instrument
// serves as a fuel pressure gauge.
bool pressureGaugeOnly()
{
    return settings.tank1Mode == tankModeOff && settings.tank2Mode == tankModeOff && settings.flow1Enabled == 0 &&
           settings.flow2Enabled == 0 && settings.pressureDisplay == 1;
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
        else if (pushButtonEntriesOpen())
            openCruiseSpeedEntry();
        break;
    case keyRight:
        if (showTotals == 0 && pushButtonEntriesOpen())
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

bool pushButtonEntriesOpen()
{
    switch (currentFuelConfig().entries) {
    case EntryKeys::always:
        return true;
    case EntryKeys::unlessBothSenders:
        return settings.tank1Mode != tankModeSender || settings.tank2Mode != tankModeSender;
    default:
        return false;
    }
}

HomePage selectedHomePage()
{
    const FuelConfigRow& config = currentFuelConfig();
    if (config.page != HomePageKind::invalid)
        return {pageDrawers[static_cast<size_t>(config.page)], config.statusLine};
    return {pressureGaugeOnly() ? pressurePage : selectFuelMessage, config.statusLine};
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
