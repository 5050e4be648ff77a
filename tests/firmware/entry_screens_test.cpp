#include <gtest/gtest.h>

#include "core/fuel_flow.h"
#include "core/settings.h"
#include "display/furniture.h"
#include "screen_story.h"
#include "screens/entry_screens.h"
#include "screens/screen.h"
#include "sim/storage_hooks.h"

namespace {

class EntryScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOnAndWatch();
        settings.tank1Mode = tankModeCalculated;
        // The tanks start empty: without their low-fuel alarms no key goes to acknowledging one.
        settings.tank1LowAlarmOn = settings.tank2LowAlarmOn = 0;
        deriveFuelConfig();
    }

    // Enters a level on the tank-1 screen and leaves with DONE.
    static void enterLevel1(const char* digits)
    {
        pressOnHome(keyRight);
        enterDigits(digits);
        pass(keyLeft);
    }
};

TEST_F(EntryScreens, CruisingSpeedTakesEffectAtEveryTurnOfTheKnob)
{
    ASSERT_EQ(settings.cruiseSpeed, 50);
    pressOnHome(keyLeft);
    pass();
    EXPECT_EQ(shown("ENTER AIRCRAFT").y, 10);
    EXPECT_EQ(shown("CRUISING SPEED").y, 25);
    int red = 0;
    EXPECT_EQ(digitsShown(20, &red), "050");
    EXPECT_EQ(red, 0);
    EXPECT_EQ(shown("5").x, 70);
    EXPECT_EQ(shown("mph").x + textWidth("mph", 10), 159);
    EXPECT_EQ(shown("mph").colour, 229);
    EXPECT_EQ(shown("EXIT").y, 104);

    pass(keyPlus);
    EXPECT_EQ(settings.cruiseSpeed, 150);
    pass(keyMinus);
    pass(keyMinus); // 0 turns round to 9
    EXPECT_EQ(settings.cruiseSpeed, 950);

    pass(keyPress);
    pass(keyPress);
    pass(keyPress); // past the last digit, back to the first
    EXPECT_EQ(menuCursor, 0);
    pass(keyPress);
    pass(keyPlus);
    pass();
    EXPECT_EQ(digitsShown(20, &red), "960");
    EXPECT_EQ(red, 1);

    uint32_t savesBefore = storeSettingsCalls;
    menuEditing = 1; // leaving goes home with the menu state reset
    pass(keyLeft);
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
        pressOnHome(keyLeft);
        pass();
        EXPECT_EQ(shown(words[units]).font, 10) << int(units);
    }
}

TEST_F(EntryScreens, WholeLitreLevelBecomesThePulseCountLimitedToTheTankSize)
{
    pressOnHome(keyRight);
    pass();
    EXPECT_EQ(shown("MANUALLY ENTER").y, 10);
    EXPECT_EQ(shown("YOUR FUEL LEVEL 1").y, 25);
    EXPECT_EQ(shown("L").x, 120);
    EXPECT_EQ(shown("L").font, 12);
    EXPECT_EQ(shown(".").text, "");
    EXPECT_EQ(shown("FULL").y, 104);

    uint32_t savesBefore = storeTotalsCalls;
    enterLevel1("031");
    EXPECT_EQ(currentScreen, homeScreen); // tank 2 is not calculated
    EXPECT_EQ(manualLevel1, 31);
    EXPECT_EQ(tank1Pulses, 217000u);
    EXPECT_GT(storeTotalsCalls, savesBefore);
    pressOnHome(keyRight); // opens again on the new contents
    EXPECT_EQ(tank1Level, 31);
    pass();
    EXPECT_EQ(digitsShown(20), "031");
    pass(keyLeft); // DONE as it stands commits the same level
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
        pressOnHome(keyRight);
        enterDigits(entry.digits);
        pass();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(shown(std::string(1, entry.digits[i])).x, digitX[i]) << entry.digits;
        EXPECT_EQ(shown(".").x, 80);
        EXPECT_EQ(shown(entry.letter).x, 120);
        pass(keyLeft);
        EXPECT_EQ(tank1Pulses, entry.pulses) << entry.digits;
    }
}

TEST_F(EntryScreens, FullFillsTheTankWhateverTheDigits)
{
    pressOnHome(keyRight);
    enterDigits("007");
    pass(keyRight);
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
    pressOnHome(keyRight);
    pass(keyRight); // 2271240 counts a gallon times 999 tenths: past a signed 32-bit product
    EXPECT_EQ(tank1Pulses, 226896876u);

    settings.tank1Size = 30000; // and beyond what the count can hold it stays full
    pressOnHome(keyRight);
    pass(keyRight);
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
    EXPECT_EQ(shown("YOUR FUEL LEVEL 2").y, 25);

    enterDigits("055");
    pass(keyLeft);
    EXPECT_EQ(currentScreen, homeScreen);
    EXPECT_EQ(manualLevel2, 55);
    EXPECT_EQ(tank2Pulses, 385000u);
    EXPECT_EQ(tank1Pulses, 140000u);
}

} // namespace
