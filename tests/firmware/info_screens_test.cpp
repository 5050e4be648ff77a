#include <gtest/gtest.h>

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "display/furniture.h"
#include "screens/menu_screens.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

class InfoScreensTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        setVraxBox(false); // no remote unit on the CAN bus
    }
    // The knob's keys leave the screen and the settings as they are.
    static void expectKnobIgnored(ScreenHandler screen)
    {
        for (uint8_t key : {keyPress, keyPlus, keyMinus}) {
            press(key);
            EXPECT_EQ(currentScreen, screen) << "key " << int(key);
        }
        EXPECT_EQ(menuCursor, 0);
    }
};

TEST_F(InfoScreensTest, AdcValuesFollowTheSliders)
{
    openScreen(valuesScreen);
    EXPECT_EQ(textAfter("ADC"), "VALUES");
    EXPECT_TRUE(wasDrawn("PRESSURE: 0"));

    moveSlider("level1", 600);
    moveSlider("level2", 4000); // a failed sender still shows its reading
    moveSlider("pressure", 2000);
    pass();
    ASSERT_TRUE(wasDrawn("LEVEL 1: 600"));
    EXPECT_EQ(lastDrawing("LEVEL 1: 600").y, 26);
    EXPECT_EQ(lastDrawing("LEVEL 2: 4000").y, 41);
    EXPECT_EQ(lastDrawing("PRESSURE: 2000").y, 56);
    EXPECT_TRUE(wasDrawn("BACK"));

    expectKnobIgnored(valuesScreen);
    press(keyRight);
    EXPECT_EQ(currentScreen, valuesScreen);
}

TEST_F(InfoScreensTest, InfoNamesTheDevicesOnTheCanBus)
{
    openScreen(infoScreen);
    EXPECT_EQ(lastDrawing("MODEL: QS-9").y, 26);
    EXPECT_EQ(lastDrawing("FIRMWARE: V1.00").y, 41);
    ASSERT_TRUE(wasDrawn("CAN: ERROR"));
    EXPECT_EQ(lastDrawing("CAN: ERROR").y, 86);

    setVraxBox(true);
    pass();
    EXPECT_TRUE(wasDrawn("CAN: OK (V)"));
    EXPECT_FALSE(wasDrawn("CAN: ERROR"));
    canDeviceA = 1;
    setVraxBox(false);
    pass();
    EXPECT_TRUE(wasDrawn("CAN: OK (A)"));
    canDeviceC = 1;
    setVraxBox(true);
    pass();
    EXPECT_TRUE(wasDrawn("CAN: OK (VCA)"));

    expectKnobIgnored(infoScreen);
}

TEST_F(InfoScreensTest, DefaultSettingsNoKeepsEverything)
{
    settings.cruiseSpeed = 120;
    settings.securityEnabled = 1;
    openScreen(defaultSettingsScreen);
    EXPECT_EQ(textAfter("LOAD"), "DEFAULT");
    EXPECT_NEAR(middleOf(lastDrawing("SETTINGS?")), 110, 1);
    EXPECT_EQ(lastDrawing("SETTINGS?").font, 9);
    EXPECT_TRUE(wasDrawn("NO"));
    EXPECT_TRUE(wasDrawn("YES"));
    EXPECT_GT(litIn(5, 40, 54, 89), 0); // the question icon

    expectKnobIgnored(defaultSettingsScreen);
    keyThenPass(keyLeft);
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
    openScreen(defaultSettingsScreen);
    const uint32_t usedBefore = fuelUsed1;
    ASSERT_EQ(usedBefore, 12u);

    keyThenPass(keyRight);
    EXPECT_EQ(currentScreen, messageScreen);
    EXPECT_EQ(settings.cruiseSpeed, 50);
    EXPECT_EQ(settings.securityEnabled, 0);
    EXPECT_EQ(settings.securityCode, 8052);
    EXPECT_EQ(settings.backlightMode, 0);
    EXPECT_EQ(settings.tank2Mode, tankModeOff);
    EXPECT_EQ(fuelConfig, 0); // the configuration follows the restored set-up

    pass();
    EXPECT_TRUE(wasDrawn("DONE"));
    EXPECT_EQ(fuelUsed1, usedBefore);
    EXPECT_EQ(used1Pulses, 12u * 7000);
    EXPECT_EQ(tank2Pulses, 30u * 7000);

    keyThenPass(keyMinus);
    EXPECT_EQ(currentScreen, miscSetupScreen);
    EXPECT_EQ(menuCursor, 3);
}

// From the home screen through the real menus to each screen and back, with
// the cursor returning to the row or page that opened it.
TEST_F(InfoScreensTest, MenusLeadToEachScreenAndBackToItsRow)
{
    moveSlider("level1", 600); // no alarm to acknowledge first
    moveSlider("pressure", 2000);
    pass();
    ASSERT_EQ(alarmFlags, 0u);
    press(keyPress);
    ASSERT_EQ(currentScreen, mainMenuScreen);
    press(keyPlus);
    press(keyPress);
    ASSERT_EQ(currentScreen, miscSetupScreen);

    const struct {
        ScreenHandler screen;
        uint8_t row;
    } miscRows[] = {{backlightScreen, 0}, {infoScreen, 2}, {defaultSettingsScreen, 3}};
    for (const auto& row : miscRows) {
        goToRow(row.row);
        press(keyPress);
        EXPECT_EQ(currentScreen, row.screen);
        press(keyLeft);
        EXPECT_EQ(currentScreen, miscSetupScreen);
        EXPECT_EQ(menuCursor, row.row);
    }

    press(keyPress);
    press(keyRight);
    EXPECT_EQ(currentScreen, messageScreen);
    press(keyPress);
    EXPECT_EQ(currentScreen, miscSetupScreen);
    EXPECT_EQ(menuCursor, 3);

    press(keyLeft);
    EXPECT_EQ(currentScreen, mainMenuScreen);
    press(keyPlus);
    press(keyPress);
    EXPECT_EQ(currentScreen, valuesScreen);
    EXPECT_TRUE(wasDrawn("LEVEL 1: 600"));
    press(keyLeft);
    EXPECT_EQ(currentScreen, mainMenuScreen);
    EXPECT_EQ(menuCursor, 2);
}

} // namespace
