// The home screen: which page each fuel configuration shows, the status line,
// the remote-unit cross, alarm acknowledgement and the keys.
#include <gtest/gtest.h>

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/keys_and_time.h"
#include "core/range_endurance.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "display/colours.h"
#include "display/furniture.h"
#include "screens/home_screen.h"
#include "screens/run_time_pages.h"
#include "screens/screen.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

constexpr uint8_t magenta = 13; // ground speed from the navigation input

class HomeScreen : public ::testing::Test {
protected:
    // The home screen runs alone (runScreenAlone), without the measurements
    // that would overwrite the figures these tests set by hand.
    void SetUp() override { powerOn(); }
};

TEST_F(HomeScreen, EveryConfigurationCodeSelectsItsPage)
{
    struct Row {
        uint8_t config;
        RunTimePage page;
        bool statusLine;
    };
    const Row rows[] = {
        {0, singleTankPage, true},       {1, singleTankPage, true},       {2, singleTankLevelPage, false},
        {3, singleTankLevelPage, false}, {4, twoTankLevelPage, false},    {5, singleFlowPage, false},
        {6, singleFlowPage, false},      {7, dualFlowPage, false},        {8, combinedFlowPage, false},
        {9, selectFuelMessage, false},   {10, twoTankDualFlowPage, true}, {11, twoTankPage, true},
        {12, singleTankPage, true},      {13, singleTankPage, true},      {14, twoTankPage, true},
        {15, selectFuelMessage, false},  {255, selectFuelMessage, false},
    };
    for (const Row& row : rows) {
        fuelConfig = row.config;
        HomePage page = selectedHomePage();
        EXPECT_EQ(page.draw, row.page) << "fuelConfig " << int(row.config);
        EXPECT_EQ(page.statusLine, row.statusLine) << "fuelConfig " << int(row.config);
    }
}

TEST_F(HomeScreen, WithoutFlowAndTanksThePressureDisplayMakesItAPressureGauge)
{
    settings.flow1Enabled = settings.flow2Enabled = 0;
    settings.tank1Mode = settings.tank2Mode = tankModeOff;
    deriveFuelConfig();
    ASSERT_EQ(fuelConfig, 9);
    EXPECT_EQ(selectedHomePage().draw, pressurePage);
    fuelConfig = 15;
    EXPECT_EQ(selectedHomePage().draw, pressurePage);

    settings.pressureDisplay = 0;
    EXPECT_EQ(selectedHomePage().draw, selectFuelMessage);
    settings.pressureDisplay = 1;
    settings.tank2Mode = tankModeCalculated; // a tank without flow: invalid, not a gauge
    EXPECT_EQ(selectedHomePage().draw, selectFuelMessage);
}

TEST_F(HomeScreen, InvalidConfigurationShowsTheSelectFuelBox)
{
    settings.flow2Enabled = 1; // two flows shown apart with one tank cannot be shown
    deriveFuelConfig();
    ASSERT_EQ(fuelConfig, 9);
    runScreenAlone();

    const char* lines[] = {"SELECT FUEL", "MODE IN FUEL", "SETUP MENU"};
    const int rows[] = {26, 50, 74};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lastDrawing(lines[i]), placedText(80, rows[i], 10, alignCentre, colourWhite, lines[i]));
    EXPECT_EQ(pixelAt(2, 16), colourWhite);
    EXPECT_EQ(pixelAt(158, 106), colourWhite);
    EXPECT_EQ(pixelAt(10, 100), colourRed);
    EXPECT_FALSE(wasDrawn("R: "));
}

TEST_F(HomeScreen, StatusLineShowsRangeAndEnduranceWithTheirLabels)
{
    rangeValue = 75;
    enduranceMinutes = 90;
    runScreenAlone();

    const DrawnText label = lastDrawing("R: ");
    const DrawnText range = lastDrawing("75");
    const DrawnText unit = lastDrawing("sm");
    EXPECT_EQ(label, placedText(0, 0, 9, alignLeft, colourGrey, "R: "));
    EXPECT_EQ(range, placedText(label.end, 0, 9, alignLeft, colourWhite, "75"));
    EXPECT_EQ(unit, placedText(range.end, 0, 9, alignLeft, colourGrey, "sm"));

    const DrawnText endurance = lastDrawing("1:30");
    EXPECT_EQ(endurance, placedText(159, 0, 9, alignRight, colourWhite, "1:30"));
    EXPECT_EQ(lastDrawing("T:"), placedText(endurance.x - 2, 0, 9, alignRight, colourGrey, "T:"));
}

TEST_F(HomeScreen, FiguresThatDoNotFitTheStatusLineReadAsUnknown)
{
    struct Case {
        uint16_t range, endurance;
        const char* rangeText;
        const char* enduranceText;
    };
    const Case cases[] = {
        {9999, 6000, "9999", "100:00"},
        {10000, 6001, "?", "?:??"},
        {rangeNoFlow, 0xFFFF, "?", "?:??"},
        {0, 65, "0", "1:05"},
        {120, 0, "120", "0:00"},
    };
    for (const Case& c : cases) {
        rangeValue = c.range;
        enduranceMinutes = c.endurance;
        runScreenAlone();
        EXPECT_TRUE(wasDrawn(c.rangeText)) << c.range;
        EXPECT_TRUE(wasDrawn(c.enduranceText)) << c.endurance;
    }
}

TEST_F(HomeScreen, DistanceAndSpeedUnitsFollowTheUnitsSetting)
{
    const char* distance[] = {"sm", "sm", "nm", "nm", "km", "km"};
    const char* speed[] = {"mph", "mph", "kts", "kts", "km/h", "km/h"};
    for (uint8_t units = 0; units < 6; ++units) {
        settings.units = units;
        headerCycle = 0;
        runScreenAlone();
        EXPECT_TRUE(wasDrawn(distance[units])) << int(units);
        drawAlone([] { drawSpeedLine(15); });
        ASSERT_TRUE(wasDrawn(speed[units])) << int(units);
        EXPECT_EQ(lastDrawing(speed[units]).y, 15);
        EXPECT_EQ(lastDrawing(speed[units]).colour, colourGrey);
    }
}

TEST_F(HomeScreen, SpeedLineShowsGroundSpeedInMagentaWhenTheNavigationInputHasOne)
{
    settings.cruiseSpeed = 120;
    drawAlone([] { drawSpeedLine(0); });
    ASSERT_TRUE(wasDrawn("120"));
    EXPECT_EQ(lastDrawing("120").colour, colourWhite);
    EXPECT_EQ(lastDrawing("120").x, textWidth("S: ", 9));
    EXPECT_EQ(lastDrawing("S: ").colour, colourGrey);

    gpsSpeedValid = 1;
    gpsSpeed = 98;
    drawAlone([] { drawSpeedLine(0); });
    EXPECT_FALSE(wasDrawn("120"));
    ASSERT_TRUE(wasDrawn("98"));
    EXPECT_EQ(lastDrawing("98").colour, magenta);
}

TEST_F(HomeScreen, StatusLineCyclesRangeThenSpeedEverySixteenSeconds)
{
    auto secondsLater = [](int seconds) { ticks(seconds * 10); };
    runScreenAlone();
    EXPECT_TRUE(wasDrawn("R: "));
    secondsLater(8); // step 4: still the range
    runScreenAlone();
    EXPECT_TRUE(wasDrawn("R: "));
    secondsLater(2); // steps 5 to 7: the speed
    runScreenAlone();
    EXPECT_TRUE(wasDrawn("S: "));
    EXPECT_FALSE(wasDrawn("R: "));
    EXPECT_TRUE(wasDrawn("T:"));
    secondsLater(6); // the cycle starts again
    runScreenAlone();
    EXPECT_TRUE(wasDrawn("R: "));
}

TEST_F(HomeScreen, WithoutThePressureDisplayTheStatusLineAlwaysShowsTheRange)
{
    settings.pressureDisplay = 0;
    for (int step = 0; step < 8; ++step) {
        headerCycle = static_cast<uint8_t>(step);
        runScreenAlone();
        EXPECT_EQ(headerCycle, 0);
        EXPECT_TRUE(wasDrawn("R: "));
        EXPECT_NE(lastDrawing("S: ").y, 0); // the page's own speed line is on row 15
    }
}

TEST_F(HomeScreen, RemoteUnitSelectedButNotConnectedCrossesThePageOut)
{
    auto crossed = [] {
        for (int x = 20; x < 150; x += 10) {
            int down = x * 127 / 159;
            if (pixelAt(x, down) != colourRed || pixelAt(x, 127 - down) != colourRed)
                return false;
        }
        return true;
    };
    settings.dataSource = dataSourceVrax;
    vraxEnabled = 0;
    runScreenAlone();
    EXPECT_TRUE(crossed());
    EXPECT_TRUE(wasDrawn("R: ")); // the page is still drawn underneath

    vraxEnabled = 1;
    runScreenAlone();
    EXPECT_FALSE(crossed());

    vraxEnabled = 0;
    showTotals = 1;
    runScreenAlone();
    EXPECT_FALSE(crossed());

    showTotals = 0;
    settings.dataSource = dataSourceInternal;
    runScreenAlone();
    EXPECT_FALSE(crossed());
}

TEST_F(HomeScreen, EachKeyAcknowledgesOneAlarmInTankThenPressureOrder)
{
    alarmFlags = alarmTank2Low | alarmPressure | alarmTank1Low;
    runScreenAlone(keyPress);
    EXPECT_EQ(alarmAcked, alarmTank1Low);
    EXPECT_EQ(currentScreen, homeScreen);
    EXPECT_EQ(pendingKey, 0);

    runScreenAlone(keyPlus);
    EXPECT_EQ(alarmAcked, alarmTank1Low | alarmTank2Low);
    EXPECT_EQ(showTotals, 0);
    runScreenAlone(keyLeft);
    EXPECT_EQ(alarmAcked, alarmTank1Low | alarmTank2Low | alarmPressure);
    EXPECT_EQ(currentScreen, homeScreen);

    runScreenAlone(); // no key, nothing to acknowledge
    runScreenAlone(keyPress);
    EXPECT_EQ(currentScreen, mainMenuScreen);
}

TEST_F(HomeScreen, WithAnAlarmActiveTheFirstKnobPressOnlyAcknowledgesIt)
{
    // Factory settings with the pressure sender at 0: the low-pressure alarm is raised.
    pass();
    ASSERT_NE(alarmFlags & alarmPressure, 0u);
    keyThenPass(keyPress);
    EXPECT_EQ(alarmAcked & alarmPressure, alarmPressure);
    EXPECT_EQ(currentScreen, homeScreen);
    keyThenPass(keyPress);
    EXPECT_EQ(currentScreen, mainMenuScreen);
}

// Both flows in use, both tanks on senders: code 11 then offers no entries.
void useEveryConfigurationInput()
{
    settings.flow1Enabled = settings.flow2Enabled = 1;
    settings.tank1Mode = settings.tank2Mode = tankModeSender;
}

TEST_F(HomeScreen, PlusOpensTheTotalsOnlyWhereFuelIsCountedAndEveryKeyIsConsumed)
{
    useEveryConfigurationInput();
    for (int config = 0; config <= 15; ++config) {
        bool counted = config != 2 && config != 3 && config != 4 && config != 9 && config != 15;
        fuelConfig = static_cast<uint8_t>(config);
        runScreenAlone(keyPlus);
        EXPECT_EQ(showTotals, counted ? 1 : 0) << "fuelConfig " << config;
        EXPECT_EQ(pendingKey, 0);
        runScreenAlone(keyMinus);
        EXPECT_EQ(showTotals, 0) << "fuelConfig " << config;
        EXPECT_EQ(pendingKey, 0);
    }
    settings.flow1Enabled = settings.flow2Enabled = 0;
    for (uint8_t config : {11, 14}) {
        fuelConfig = config;
        runScreenAlone(keyPlus);
        EXPECT_EQ(showTotals, 0) << "fuelConfig " << int(config);
    }
}

TEST_F(HomeScreen, PushButtonsOpenTheEntriesOnlyInLevelConfigurations)
{
    useEveryConfigurationInput();
    for (int config = 0; config <= 15; ++config) {
        bool level = config == 0 || config == 1 || config == 10 || config == 12 || config == 13 || config == 14;
        fuelConfig = static_cast<uint8_t>(config);
        currentScreen = homeScreen;
        runScreenAlone(keyLeft);
        EXPECT_EQ(currentScreen, level ? cruiseSpeedScreen : homeScreen) << "fuelConfig " << config;
        currentScreen = homeScreen;
        runScreenAlone(keyRight); // every tank on its sender: nothing to enter by hand
        EXPECT_EQ(currentScreen, homeScreen) << "fuelConfig " << config;
    }
}

int enteredNumber() { return digitEntry[0] * 100 + digitEntry[1] * 10 + digitEntry[2]; }

TEST_F(HomeScreen, EntriesOpenOnTheirValueAsThreeDigitsWithTheCursorOnTheFirst)
{
    settings.cruiseSpeed = 50;
    digitEntry[3] = 7;
    menuCursor = 2;
    runScreenAlone(keyLeft);
    EXPECT_EQ(currentScreen, cruiseSpeedScreen);
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(enteredNumber(), 50);
    EXPECT_EQ(digitEntry[3], 7);

    tank1Level = 1234; // more than three digits: the first three
    openFuelLevel1Entry();
    EXPECT_EQ(enteredNumber(), 123);
    EXPECT_EQ(currentScreen, fuelLevel1Screen);
}

TEST_F(HomeScreen, RightButtonOpensTheEntryOfTheCalculatedTankTankOneFirst)
{
    useEveryConfigurationInput();
    fuelConfig = 11;
    settings.tank2Mode = tankModeCalculated;
    tank2Level = 7;
    runScreenAlone(keyRight);
    EXPECT_EQ(currentScreen, fuelLevel2Screen);
    EXPECT_EQ(enteredNumber(), 7);

    currentScreen = homeScreen;
    runScreenAlone(keyLeft);
    EXPECT_EQ(currentScreen, cruiseSpeedScreen);

    currentScreen = homeScreen;
    settings.tank1Mode = tankModeCalculated;
    tank1Level = 456;
    runScreenAlone(keyRight);
    EXPECT_EQ(currentScreen, fuelLevel1Screen);
    EXPECT_EQ(enteredNumber(), 456);

    // The right button belongs to the configuration page only.
    currentScreen = homeScreen;
    showTotals = 1;
    runScreenAlone(keyRight);
    EXPECT_EQ(currentScreen, homeScreen);
}

TEST_F(HomeScreen, KnobPressOpensTheSetUpFromEveryPageThroughTheCodeWhenLocked)
{
    for (uint8_t config : {0, 4, 9}) {
        fuelConfig = config;
        currentScreen = homeScreen;
        menuCursor = 3;
        menuEditing = 1;
        runScreenAlone(keyPress);
        EXPECT_EQ(currentScreen, mainMenuScreen) << int(config);
        EXPECT_EQ(menuCursor, 0);
        EXPECT_EQ(menuEditing, 0);
    }

    settings.securityEnabled = 1;
    digitEntry[0] = digitEntry[3] = 4;
    showTotals = 1;
    currentScreen = homeScreen;
    runScreenAlone(keyPress);
    EXPECT_EQ(currentScreen, securityCodeScreen);
    EXPECT_EQ(enteredNumber() + digitEntry[3], 0);
    EXPECT_EQ(showTotals, 1); // the totals page is back on return
}

} // namespace
