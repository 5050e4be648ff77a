#include <gtest/gtest.h>

#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "display/furniture.h"
#include "screens/menu_screens.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

class BacklightScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        openScreen(backlightScreen); // as MISC SETUP opens it from its BACKLIGHT row
    }
    // Knob press on the mode row, "+", knob press: MANUAL becomes AUTO.
    static void switchToAuto() { editOnce(keyPlus); }
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
    EXPECT_EQ(textAfter("BACKLIGHT: "), "MANUAL");
    ASSERT_TRUE(wasDrawn("USE THE ROTARY"));
    EXPECT_EQ(lastDrawing("CONTROL TO ADJUST").y, 54);
    EXPECT_TRUE(barShown());
    EXPECT_EQ(barEnd(), 149);

    press(keyMinus, 9);
    EXPECT_EQ(settings.backlightLevel, 10);
    EXPECT_EQ(barEnd(), 23);
    press(keyMinus);
    EXPECT_EQ(settings.backlightLevel, 10);

    press(keyPlus, 2);
    EXPECT_EQ(settings.backlightLevel, 30);
    EXPECT_EQ(barEnd(), 51);
    press(keyPlus, 8);
    EXPECT_EQ(settings.backlightLevel, 100);
    EXPECT_EQ(barEnd(), 149);
    EXPECT_EQ(settings.backlightMode, 0);
}

TEST_F(BacklightScreenTest, EditingTheModeRowSwitchesToAutoAndBack)
{
    switchToAuto();
    EXPECT_EQ(settings.backlightMode, 1);
    EXPECT_EQ(menuEditing, 0);
    EXPECT_EQ(textAfter("BACKLIGHT: "), "AUTO");
    EXPECT_EQ(textAfter("BACKLIGHT"), "ADC: 0");
    EXPECT_EQ(textAfter("THRESHOLD: "), "300");
    EXPECT_EQ(textAfter("DIM: "), "10%");
    EXPECT_EQ(textAfter("BRIGHT: "), "100%");
    EXPECT_EQ(lastDrawing("BRIGHT: ").y, 71);
    EXPECT_FALSE(wasDrawn("USE THE ROTARY"));
    EXPECT_FALSE(barShown());

    lightSensorInput = 1234;
    pass();
    EXPECT_EQ(textAfter("BACKLIGHT"), "ADC: 1234");

    press(keyPress);
    press(keyMinus);
    EXPECT_EQ(settings.backlightMode, 0);
    EXPECT_EQ(settings.backlightLevel, 100); // the turn switched the mode, not the level
    EXPECT_TRUE(barShown());
}

TEST_F(BacklightScreenTest, ThresholdStepsByHundredOrThousandAndWraps)
{
    switchToAuto();
    press(keyPlus);
    EXPECT_EQ(menuCursor, 1);
    const DrawnText legend = lastDrawing("X100");
    ASSERT_TRUE(wasDrawn("X100"));
    EXPECT_EQ(legend.y, 104);
    EXPECT_NEAR(middleOf(legend), 134, 1);

    settings.backlightThreshold = 3500;
    press(keyRight);
    EXPECT_TRUE(wasDrawn("X1000"));
    press(keyPress);
    press(keyPlus);
    EXPECT_EQ(settings.backlightThreshold, 100); // 3500 + 1000 is past 4000
    press(keyRight);
    EXPECT_TRUE(wasDrawn("X100"));
    press(keyMinus);
    EXPECT_EQ(settings.backlightThreshold, 4000);
    press(keyMinus);
    EXPECT_EQ(settings.backlightThreshold, 3900);
    press(keyPlus, 2);
    EXPECT_EQ(settings.backlightThreshold, 100); // 4000 itself is kept, then wraps
    EXPECT_EQ(textAfter("THRESHOLD: "), "100");
    press(keyRight);
    press(keyMinus);
    EXPECT_EQ(settings.backlightThreshold, 4000); // 100 - 1000 wraps to the top too
    press(keyMinus);
    EXPECT_EQ(settings.backlightThreshold, 3000);

    // A turn outside edit mode brings the step back to 100.
    ASSERT_EQ(editStep, 1000);
    press(keyPress);
    press(keyMinus);
    press(keyPlus);
    EXPECT_EQ(editStep, 100);
}

TEST_F(BacklightScreenTest, AutoCursorWrapsAndPercentagesStop)
{
    switchToAuto();
    press(keyMinus);
    EXPECT_EQ(menuCursor, 3);
    press(keyPlus);
    EXPECT_EQ(menuCursor, 0);

    press(keyPlus, 2);
    press(keyPress);
    press(keyMinus);
    EXPECT_EQ(settings.backlightDim, 10);
    press(keyPlus, 10);
    EXPECT_EQ(settings.backlightDim, 100);
    EXPECT_EQ(textAfter("DIM: "), "100%");
    press(keyPress);

    press(keyPlus);
    press(keyPress);
    press(keyPlus);
    EXPECT_EQ(settings.backlightBright, 100);
    press(keyMinus, 10);
    EXPECT_EQ(settings.backlightBright, 10);
    EXPECT_EQ(settings.backlightDim, 100);
    EXPECT_EQ(settings.backlightThreshold, 300);
}

TEST_F(BacklightScreenTest, RightButtonActsOnlyOnTheThresholdRow)
{
    press(keyRight);
    EXPECT_EQ(editStep, 1);
    switchToAuto();
    for (uint8_t row : {0, 2, 3}) {
        goToRow(row);
        const uint16_t step = editStep;
        press(keyRight);
        EXPECT_EQ(editStep, step) << "row " << int(row);
        EXPECT_FALSE(wasDrawn("X100"));
        EXPECT_FALSE(wasDrawn("X1000"));
    }
}

TEST_F(BacklightScreenTest, BackReturnsToMiscSetupOnTheBacklightRowEvenWhileEditing)
{
    switchToAuto();
    press(keyPlus, 2);
    press(keyPress);
    press(keyPlus);
    keyThenPass(keyLeft);
    EXPECT_EQ(currentScreen, miscSetupScreen);
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(menuEditing, 0);
    EXPECT_EQ(editStep, 1);
    EXPECT_EQ(settings.backlightDim, 20);
    EXPECT_EQ(settings.backlightMode, 1);
}

} // namespace
