#include <gtest/gtest.h>

#include "core/fuel_flow.h"
#include "core/settings.h"
#include "display/furniture.h"
#include "screens/entry_screens.h"
#include "screens/screen.h"
#include "sim/storage_hooks.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

class EntryScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        moveSlider("pressure", 2000); // in its normal band: no alarm takes the first key
        settings.tank1Mode = tankModeCalculated;
        // The tanks start empty: without their low-fuel alarms no key goes to acknowledging one.
        settings.tank1LowAlarmOn = settings.tank2LowAlarmOn = 0;
        deriveFuelConfig();
    }

    // Enters a level on the tank-1 screen and leaves with DONE.
    static void enterLevel1(const char* digits)
    {
        keyThenPassAtHome(keyRight);
        enterDigits(digits);
        keyThenPass(keyLeft);
    }
};

TEST_F(EntryScreens, CruisingSpeedTakesEffectAtEveryTurnOfTheKnob)
{
    ASSERT_EQ(settings.cruiseSpeed, 50);
    keyThenPassAtHome(keyLeft);
    pass();
    EXPECT_EQ(lastDrawing("ENTER AIRCRAFT").y, 10);
    EXPECT_EQ(lastDrawing("CRUISING SPEED").y, 25);
    int red = 0;
    EXPECT_EQ(digitsShown(20, &red), "050");
    EXPECT_EQ(red, 0);
    EXPECT_EQ(lastDrawing("5").x, 70);
    EXPECT_EQ(lastDrawing("mph").end, 159);
    EXPECT_EQ(lastDrawing("mph").colour, 229);
    EXPECT_EQ(lastDrawing("EXIT").y, 104);

    keyThenPass(keyPlus);
    EXPECT_EQ(settings.cruiseSpeed, 150);
    keyThenPass(keyMinus);
    keyThenPass(keyMinus); // 0 turns round to 9
    EXPECT_EQ(settings.cruiseSpeed, 950);

    keyThenPass(keyPress);
    keyThenPass(keyPress);
    keyThenPass(keyPress); // past the last digit, back to the first
    EXPECT_EQ(menuCursor, 0);
    keyThenPass(keyPress);
    keyThenPass(keyPlus);
    pass();
    EXPECT_EQ(digitsShown(20, &red), "960");
    EXPECT_EQ(red, 1);

    uint32_t savesBefore = storeSettingsCalls;
    menuEditing = 1; // leaving goes home with the menu state reset
    keyThenPass(keyLeft);
    EXPECT_EQ(currentScreen, homeScreen);
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(menuEditing, 0);
    EXPECT_GT(storeSettingsCalls, savesBefore);
    EXPECT_EQ(settings.cruiseSpeed, 960);
}

TEST_F(EntryScreens, SpeedUnitFollowsTheDistanceUnit)
{
    const char* const words[] = {"mph", "mph", "kts", "kts", "km/h", "km/h"};
    for (uint8_t units = 0; units < 6; ++units) {
        settings.units = units;
        keyThenPassAtHome(keyLeft);
        pass();
        EXPECT_EQ(lastDrawing(words[units]).font, 10) << int(units);
    }
}

TEST_F(EntryScreens, WholeLitreLevelBecomesThePulseCountLimitedToTheTankSize)
{
    keyThenPassAtHome(keyRight);
    pass();
    EXPECT_EQ(lastDrawing("MANUALLY ENTER").y, 10);
    EXPECT_EQ(lastDrawing("YOUR FUEL LEVEL 1").y, 25);
    EXPECT_EQ(lastDrawing("L").x, 120);
    EXPECT_EQ(lastDrawing("L").font, 12);
    EXPECT_FALSE(wasDrawn("."));
    EXPECT_EQ(lastDrawing("FULL").y, 104);

    uint32_t savesBefore = storeTotalsCalls;
    enterLevel1("031");
    EXPECT_EQ(currentScreen, homeScreen); // tank 2 is not calculated
    EXPECT_EQ(manualLevel1, 31);
    EXPECT_EQ(tank1Pulses, 217000u);
    EXPECT_GT(storeTotalsCalls, savesBefore);
    keyThenPassAtHome(keyRight); // opens again on the new contents
    EXPECT_EQ(tank1Level, 31);
    pass();
    EXPECT_EQ(digitsShown(20), "031");
    keyThenPass(keyLeft); // DONE as it stands commits the same level
    EXPECT_EQ(tank1Pulses, 217000u);

    enterLevel1("060");
    EXPECT_EQ(manualLevel1, 45);
    EXPECT_EQ(tank1Pulses, 315000u);
}

TEST_F(EntryScreens, TenthUnitsShowAPointAndCountTenths)
{
    struct Tenths {
        uint8_t units;
        uint8_t litreResolution;
        const char* digits;
        const char* letter;
        uint32_t pulses;
    };
    const Tenths cases[] = {
        {1, 0, "125", "G", 331212}, // 12.5 gal at 26497 pulses a gallon
        {0, 1, "045", "L", 31500},  // 4.5 L at 7000 pulses a litre
    };
    const int digitX[] = {39, 60, 91};
    for (const Tenths& entry : cases) {
        settings.units = entry.units;
        settings.litreResolution = entry.litreResolution;
        settings.tank1Size = 200;
        keyThenPassAtHome(keyRight);
        enterDigits(entry.digits);
        pass();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(lastDrawing(std::string(1, entry.digits[i])).x, digitX[i]) << entry.digits;
        EXPECT_EQ(lastDrawing(".").x, 80);
        EXPECT_EQ(lastDrawing(entry.letter).x, 120);
        keyThenPass(keyLeft);
        EXPECT_EQ(tank1Pulses, entry.pulses) << entry.digits;
    }
}

TEST_F(EntryScreens, FullFillsTheTankWhateverTheDigits)
{
    keyThenPassAtHome(keyRight);
    enterDigits("007");
    keyThenPass(keyRight);
    EXPECT_EQ(manualLevel1, 45);
    EXPECT_EQ(tank1Pulses, 315000u);
    EXPECT_EQ(currentScreen, homeScreen);
}

TEST_F(EntryScreens, LargeGallonCountsDoNotWrapAndANegativeSizeEmptiesTheTank)
{
    settings.units = 1;
    settings.flowSenderType = flowSenderInjector; // ten counts a pulse
    settings.kFactor1 = 60000;
    settings.tank1Size = 999;
    keyThenPassAtHome(keyRight);
    keyThenPass(keyRight); // 2271240 counts a gallon times 999 tenths: past a signed 32-bit product
    EXPECT_EQ(tank1Pulses, 226896876u);

    settings.tank1Size = 30000; // and beyond what the count can hold it stays full
    keyThenPassAtHome(keyRight);
    keyThenPass(keyRight);
    EXPECT_EQ(tank1Pulses, uint32_t{INT32_MAX});

    settings.tank1Size = -5;
    enterLevel1("010");
    EXPECT_EQ(manualLevel1, 0);
    EXPECT_EQ(tank1Pulses, 0u);
}

TEST_F(EntryScreens, BothCalculatedTanksAreEnteredInTurn)
{
    settings.tank2Mode = tankModeCalculated;
    settings.tank2Size = 60;
    deriveFuelConfig();
    enterLevel1("020");
    ASSERT_EQ(currentScreen, fuelLevel2Screen);
    EXPECT_EQ(tank1Pulses, 140000u);
    pass();
    EXPECT_EQ(lastDrawing("YOUR FUEL LEVEL 2").y, 25);

    enterDigits("055");
    keyThenPass(keyLeft);
    EXPECT_EQ(currentScreen, homeScreen);
    EXPECT_EQ(manualLevel2, 55);
    EXPECT_EQ(tank2Pulses, 385000u);
    EXPECT_EQ(tank1Pulses, 140000u);
}

} // namespace
