#include <gtest/gtest.h>

#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "display/furniture.h"
#include "display_probe.h"
#include "screen_passes.h"
#include "screens/menu_screens.h"

namespace {

class BacklightScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetToProgramStart();
        powerOnSequence();
        enterMenu(0); // as MISC SETUP leaves it on its BACKLIGHT row
        currentScreen = backlightScreen;
        runPass();
    }
    static void pressKeys(uint8_t key, int times)
    {
        for (int i = 0; i < times; ++i)
            pressKey(key);
    }
    // Knob press on the mode row, "+", knob press: MANUAL becomes AUTO.
    static void switchToAuto()
    {
        pressKey(keyPress);
        pressKey(keyPlus);
        pressKey(keyPress);
    }
    // x of the level bar's last red pixel inside the outline (which starts at 10).
    static int barEnd()
    {
        int x = 10;
        while (x < 159 && pixelAt(x + 1, 91) == 9)
            ++x;
        return x;
    }
    static bool barShown() { return pixelAt(150, 91) == 15 && pixelAt(10, 85) != 0; }
};

TEST_F(BacklightScreenTest, ManualKnobSetsTheLevelAndStopsAtTenAndHundred)
{
    EXPECT_EQ(valueAfter("BACKLIGHT: "), "MANUAL");
    ASSERT_NE(findText("USE THE ROTARY"), nullptr);
    EXPECT_EQ(findText("CONTROL TO ADJUST")->y, 54);
    EXPECT_TRUE(barShown());
    EXPECT_EQ(barEnd(), 149);

    pressKeys(keyMinus, 9);
    EXPECT_EQ(settings.backlightLevel, 10);
    EXPECT_EQ(barEnd(), 23);
    pressKey(keyMinus);
    EXPECT_EQ(settings.backlightLevel, 10);

    pressKeys(keyPlus, 2);
    EXPECT_EQ(settings.backlightLevel, 30);
    EXPECT_EQ(barEnd(), 51);
    pressKeys(keyPlus, 8);
    EXPECT_EQ(settings.backlightLevel, 100);
    EXPECT_EQ(barEnd(), 149);
    EXPECT_EQ(settings.backlightMode, 0);
}

TEST_F(BacklightScreenTest, EditingTheModeRowSwitchesToAutoAndBack)
{
    switchToAuto();
    EXPECT_EQ(settings.backlightMode, 1);
    EXPECT_EQ(menuEditing, 0);
    EXPECT_EQ(valueAfter("BACKLIGHT: "), "AUTO");
    EXPECT_EQ(valueAfter("BACKLIGHT"), "ADC: 0");
    EXPECT_EQ(valueAfter("THRESHOLD: "), "300");
    EXPECT_EQ(valueAfter("DIM: "), "10%");
    EXPECT_EQ(valueAfter("BRIGHT: "), "100%");
    EXPECT_EQ(findText("BRIGHT: ")->y, 71);
    EXPECT_EQ(findText("USE THE ROTARY"), nullptr);
    EXPECT_FALSE(barShown());

    lightSensorInput = 1234;
    runPass();
    EXPECT_EQ(valueAfter("BACKLIGHT"), "ADC: 1234");

    pressKey(keyPress);
    pressKey(keyMinus);
    EXPECT_EQ(settings.backlightMode, 0);
    EXPECT_EQ(settings.backlightLevel, 100); // the turn switched the mode, not the level
    EXPECT_TRUE(barShown());
}

TEST_F(BacklightScreenTest, ThresholdStepsByHundredOrThousandAndWraps)
{
    switchToAuto();
    pressKey(keyPlus);
    EXPECT_EQ(menuCursor, 1);
    const RecordedText* legend = findText("X100");
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(legend->y, 104);
    EXPECT_NEAR(middleOf(*legend), 134, 1);

    settings.backlightThreshold = 3500;
    pressKey(keyRight);
    EXPECT_NE(findText("X1000"), nullptr);
    pressKey(keyPress);
    pressKey(keyPlus);
    EXPECT_EQ(settings.backlightThreshold, 100); // 3500 + 1000 is past 4000
    pressKey(keyRight);
    EXPECT_NE(findText("X100"), nullptr);
    pressKey(keyMinus);
    EXPECT_EQ(settings.backlightThreshold, 4000);
    pressKey(keyMinus);
    EXPECT_EQ(settings.backlightThreshold, 3900);
    pressKeys(keyPlus, 2);
    EXPECT_EQ(settings.backlightThreshold, 100); // 4000 itself is kept, then wraps
    EXPECT_EQ(valueAfter("THRESHOLD: "), "100");
    pressKey(keyRight);
    pressKey(keyMinus);
    EXPECT_EQ(settings.backlightThreshold, 4000); // 100 - 1000 wraps to the top too
    pressKey(keyMinus);
    EXPECT_EQ(settings.backlightThreshold, 3000);

    // A turn outside edit mode brings the step back to 100.
    ASSERT_EQ(editStep, 1000);
    pressKey(keyPress);
    pressKey(keyMinus);
    pressKey(keyPlus);
    EXPECT_EQ(editStep, 100);
}

TEST_F(BacklightScreenTest, AutoCursorWrapsAndPercentagesStop)
{
    switchToAuto();
    pressKey(keyMinus);
    EXPECT_EQ(menuCursor, 3);
    pressKey(keyPlus);
    EXPECT_EQ(menuCursor, 0);

    pressKeys(keyPlus, 2);
    pressKey(keyPress);
    pressKey(keyMinus);
    EXPECT_EQ(settings.backlightDim, 10);
    pressKeys(keyPlus, 10);
    EXPECT_EQ(settings.backlightDim, 100);
    EXPECT_EQ(valueAfter("DIM: "), "100%");
    pressKey(keyPress);

    pressKey(keyPlus);
    pressKey(keyPress);
    pressKey(keyPlus);
    EXPECT_EQ(settings.backlightBright, 100);
    pressKeys(keyMinus, 10);
    EXPECT_EQ(settings.backlightBright, 10);
    EXPECT_EQ(settings.backlightDim, 100);
    EXPECT_EQ(settings.backlightThreshold, 300);
}

TEST_F(BacklightScreenTest, RightButtonActsOnlyOnTheThresholdRow)
{
    pressKey(keyRight);
    EXPECT_EQ(editStep, 1);
    switchToAuto();
    for (uint8_t row : {0, 2, 3}) {
        while (menuCursor != row)
            pressKey(keyPlus);
        const uint16_t step = editStep;
        pressKey(keyRight);
        EXPECT_EQ(editStep, step) << "row " << int(row);
        EXPECT_EQ(findText("X100"), nullptr);
        EXPECT_EQ(findText("X1000"), nullptr);
    }
}

TEST_F(BacklightScreenTest, BackReturnsToMiscSetupOnTheBacklightRowEvenWhileEditing)
{
    switchToAuto();
    pressKeys(keyPlus, 2);
    pressKey(keyPress);
    pressKey(keyPlus);
    postKey(keyLeft);
    runPass();
    EXPECT_EQ(currentScreen, miscSetupScreen);
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(menuEditing, 0);
    EXPECT_EQ(editStep, 1);
    EXPECT_EQ(settings.backlightDim, 20);
    EXPECT_EQ(settings.backlightMode, 1);
}

} // namespace
