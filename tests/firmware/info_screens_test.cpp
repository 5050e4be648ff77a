#include <gtest/gtest.h>

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "display/furniture.h"
#include "display_probe.h"
#include "screen_passes.h"
#include "screens/menu_screens.h"

namespace {

class InfoScreensTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetToProgramStart();
        powerOnSequence();
    }
    static void open(ScreenHandler screen, bool vrax = false)
    {
        enterMenu(0);
        currentScreen = screen;
        runPass(vrax);
    }
    // The knob's keys leave the screen and the settings as they are.
    static void expectKnobIgnored(ScreenHandler screen)
    {
        for (uint8_t key : {keyPress, keyPlus, keyMinus}) {
            pressKey(key);
            EXPECT_EQ(currentScreen, screen) << "key " << int(key);
        }
        EXPECT_EQ(menuCursor, 0);
    }
};

TEST_F(InfoScreensTest, AdcValuesFollowTheSliders)
{
    open(valuesScreen);
    EXPECT_EQ(valueAfter("ADC"), "VALUES");
    EXPECT_NE(findText("PRESSURE: 0"), nullptr);

    level1Input = 600;
    level2Input = 4000; // a failed sender still shows its reading
    pressureInput = 2000;
    runPass();
    ASSERT_NE(findText("LEVEL 1: 600"), nullptr);
    EXPECT_EQ(findText("LEVEL 1: 600")->y, 26);
    EXPECT_EQ(findText("LEVEL 2: 4000")->y, 41);
    EXPECT_EQ(findText("PRESSURE: 2000")->y, 56);
    EXPECT_NE(findText("BACK"), nullptr);

    expectKnobIgnored(valuesScreen);
    pressKey(keyRight);
    EXPECT_EQ(currentScreen, valuesScreen);
}

TEST_F(InfoScreensTest, InfoNamesTheDevicesOnTheCanBus)
{
    open(infoScreen);
    EXPECT_EQ(findText("MODEL: QS-9")->y, 26);
    EXPECT_EQ(findText("FIRMWARE: V1.00")->y, 41);
    ASSERT_NE(findText("CAN: ERROR"), nullptr);
    EXPECT_EQ(findText("CAN: ERROR")->y, 86);

    runPass(true);
    EXPECT_NE(findText("CAN: OK (V)"), nullptr);
    EXPECT_EQ(findText("CAN: ERROR"), nullptr);
    canDeviceA = 1;
    runPass(false);
    EXPECT_NE(findText("CAN: OK (A)"), nullptr);
    canDeviceC = 1;
    runPass(true);
    EXPECT_NE(findText("CAN: OK (VCA)"), nullptr);

    expectKnobIgnored(infoScreen);
}

TEST_F(InfoScreensTest, DefaultSettingsNoKeepsEverything)
{
    settings.cruiseSpeed = 120;
    settings.securityEnabled = 1;
    open(defaultSettingsScreen);
    EXPECT_EQ(valueAfter("LOAD"), "DEFAULT");
    EXPECT_NEAR(middleOf(*findText("SETTINGS?")), 110, 1);
    EXPECT_EQ(findText("SETTINGS?")->font, 9);
    EXPECT_NE(findText("NO"), nullptr);
    EXPECT_NE(findText("YES"), nullptr);
    EXPECT_GT(litIn(5, 40, 54, 89), 0); // the question icon

    expectKnobIgnored(defaultSettingsScreen);
    postKey(keyLeft);
    runPass();
    EXPECT_EQ(currentScreen, miscSetupScreen);
    EXPECT_EQ(menuCursor, 3);
    EXPECT_EQ(settings.cruiseSpeed, 120);
    EXPECT_EQ(settings.securityEnabled, 1);
}

TEST_F(InfoScreensTest, DefaultSettingsYesRestoresTheSettingsButNotTheFuel)
{
    // After a flight on a calculated second tank, with a changed set-up.
    settings.cruiseSpeed = 120;
    settings.securityEnabled = 1;
    settings.securityCode = 1234;
    settings.backlightMode = 1;
    settings.tank2Mode = tankModeCalculated;
    deriveFuelConfig();
    ASSERT_NE(fuelConfig, 0);
    used1Pulses = 12 * 7000;
    tank2Pulses = 30 * 7000;
    open(defaultSettingsScreen);
    const uint32_t usedBefore = fuelUsed1;
    ASSERT_EQ(usedBefore, 12u);

    postKey(keyRight);
    runPass();
    EXPECT_EQ(currentScreen, messageScreen);
    EXPECT_EQ(settings.cruiseSpeed, 50);
    EXPECT_EQ(settings.securityEnabled, 0);
    EXPECT_EQ(settings.securityCode, 8052);
    EXPECT_EQ(settings.backlightMode, 0);
    EXPECT_EQ(settings.tank2Mode, tankModeOff);
    EXPECT_EQ(fuelConfig, 0); // the configuration follows the restored set-up

    runPass();
    EXPECT_NE(findText("DONE"), nullptr);
    EXPECT_EQ(fuelUsed1, usedBefore);
    EXPECT_EQ(used1Pulses, 12u * 7000);
    EXPECT_EQ(tank2Pulses, 30u * 7000);

    postKey(keyMinus);
    runPass();
    EXPECT_EQ(currentScreen, miscSetupScreen);
    EXPECT_EQ(menuCursor, 3);
}

// From the home screen through the real menus to each screen and back, with
// the cursor returning to the row or page that opened it.
TEST_F(InfoScreensTest, MenusLeadToEachScreenAndBackToItsRow)
{
    level1Input = 600; // no alarm to acknowledge first
    pressureInput = 2000;
    runPass();
    ASSERT_EQ(alarmFlags, 0u);
    pressKey(keyPress);
    ASSERT_EQ(currentScreen, mainMenuScreen);
    pressKey(keyPlus);
    pressKey(keyPress);
    ASSERT_EQ(currentScreen, miscSetupScreen);

    const struct {
        ScreenHandler screen;
        uint8_t row;
    } miscRows[] = {{backlightScreen, 0}, {infoScreen, 2}, {defaultSettingsScreen, 3}};
    for (const auto& row : miscRows) {
        while (menuCursor != row.row)
            pressKey(keyPlus);
        pressKey(keyPress);
        EXPECT_EQ(currentScreen, row.screen);
        pressKey(keyLeft);
        EXPECT_EQ(currentScreen, miscSetupScreen);
        EXPECT_EQ(menuCursor, row.row);
    }

    pressKey(keyPress);
    pressKey(keyRight);
    EXPECT_EQ(currentScreen, messageScreen);
    pressKey(keyPress);
    EXPECT_EQ(currentScreen, miscSetupScreen);
    EXPECT_EQ(menuCursor, 3);

    pressKey(keyLeft);
    EXPECT_EQ(currentScreen, mainMenuScreen);
    pressKey(keyPlus);
    pressKey(keyPress);
    EXPECT_EQ(currentScreen, valuesScreen);
    EXPECT_NE(findText("LEVEL 1: 600"), nullptr);
    pressKey(keyLeft);
    EXPECT_EQ(currentScreen, mainMenuScreen);
    EXPECT_EQ(menuCursor, 2);
}

} // namespace
