#include <gtest/gtest.h>

#include "core/settings.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/text.h"
#include "screens/screen.h"
#include "screens/setup_screens.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

// Rows of the factory list.
constexpr int kFactor1Row = 2;
constexpr int flow2Row = 3;
constexpr int tank1Row = 5;
constexpr int pressureRow = 7;
constexpr int lastRow = 9;

class FuelSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        openFuelSetup();
    }
};

TEST_F(FuelSetupTest, FactoryListHasTenRows)
{
    EXPECT_EQ(currentScreenName(), "fuelSetupScreen");
    EXPECT_TRUE(wasDrawn("FUEL"));
    EXPECT_TRUE(wasDrawn("BACK"));
    EXPECT_EQ(menuRows(), (std::vector<std::string>{"UNIT: LITRE/SM", "FLOW 1: ON", "K-FACTOR 1: 7000",
                                                    "FLOW 2: OFF", "MODE: FF SENDER"}));
    const int valueStart = lastDrawing("LITRE/SM").x;
    EXPECT_EQ(valueStart, drawText(0, 26, "UNIT: ", 0, 8, 1, 15)) << "the value follows its label";
    press(keyMinus);
    EXPECT_EQ(menuCursor, lastRow);
    EXPECT_EQ(menuTop, 5);
    EXPECT_EQ(menuRows(), (std::vector<std::string>{"TANK 1 SETUP", "TANK 2 SETUP", "FUEL PRESS SETUP",
                                                    "NMEA BAUD: 4800", "DATA: INTERNAL"}));
    EXPECT_EQ(lastDrawing("DATA: ").colour, 9);
    EXPECT_EQ(pixelAt(153, 90), 0) << "scroll bar thumb of the last of ten rows: y 91..97";
    EXPECT_EQ(pixelAt(153, 91), 15);
    EXPECT_EQ(lastDrawing("TANK 1 SETUP").colour, 15);

    press(keyPlus);
    EXPECT_EQ(menuCursor, 0) << "after the last row comes UNIT";
    EXPECT_EQ(menuTop, 0);
    EXPECT_EQ(menuRow(0), "UNIT: LITRE/SM");
}

TEST_F(FuelSetupTest, KFactorWrapsBetweenTenAndSixtyThousand)
{
    settings.kFactor1 = 59950;
    goToRow(kFactor1Row);
    EXPECT_EQ(stepLegend(), "X1");
    press(keyRight, 2);
    EXPECT_EQ(stepLegend(), "X100");
    press(keyPress);
    press(keyPlus);
    EXPECT_EQ(settings.kFactor1, 10);
    press(keyMinus);
    EXPECT_EQ(settings.kFactor1, 60000) << "10 - 100";

    settings.kFactor1 = 10;
    press(keyRight);
    EXPECT_EQ(editStep, 1);
    press(keyMinus);
    EXPECT_EQ(settings.kFactor1, 60000) << "10 - 1";

    settings.kFactor1 = 15;
    press(keyRight);
    EXPECT_EQ(stepLegend(), "X10");
    press(keyMinus);
    EXPECT_EQ(settings.kFactor1, 60000) << "15 - 10";
    press(keyMinus);
    EXPECT_EQ(settings.kFactor1, 59990);
    EXPECT_EQ(menuRow(kFactor1Row), "K-FACTOR 1: 59990");

    press(keyPress);
    press(keyPlus);
    EXPECT_EQ(stepLegend(), "") << "only the K-factor rows have a legend";
}

TEST_F(FuelSetupTest, InjectorSenderForcesDualAndSwapsFlowModeForPolarity)
{
    settings.flow2Enabled = 1;
    settings.flowMode = flowModeSum;
    pass();
    EXPECT_EQ(menuRow(4), "K-FACTOR 2: 7000");
    goToRow(5);
    EXPECT_EQ(menuRow(0), "FLOW 1: ON");
    EXPECT_EQ(menuRow(4), "MODE: FF SENDER");
    goToRow(6);
    EXPECT_EQ(menuRow(4), "FLOW MODE: SUM");

    press(keyMinus);
    editOnce(keyPlus);
    EXPECT_EQ(settings.flowSenderType, flowSenderInjector);
    EXPECT_EQ(settings.flowMode, flowModeDual);
    EXPECT_EQ(menuRow(4), "MODE: INJECTOR");
    press(keyPlus);
    EXPECT_EQ(menuRow(4), "INJECTOR: LOW");
    editOnce(keyMinus);
    EXPECT_EQ(menuRow(4), "INJECTOR: HIGH");
    press(keyPlus);
    EXPECT_EQ(menuRow(4), "TANK 1 SETUP") << "no FLOW MODE row with injectors";

    press(keyMinus);
    press(keyMinus);
    editOnce(keyPlus);
    EXPECT_EQ(settings.flowSenderType, flowSenderPulse);
    press(keyPlus);
    EXPECT_EQ(menuRow(4), "FLOW MODE: DUAL");
}

TEST_F(FuelSetupTest, TurningFlowOneOffRemovesItsKFactorAtOnce)
{
    goToRow(1);
    press(keyPress);
    keyThenPass(keyPlus);
    EXPECT_EQ(settings.flow1Enabled, 0);
    EXPECT_EQ(menuRow(2), "FLOW 2: OFF") << "gone in the frame that turned it off";
    pass();
    ASSERT_EQ(menuRow(1), "FLOW 1: OFF");
    EXPECT_EQ(menuCursor, 1);
    EXPECT_EQ(drawings("OFF").front().colour, 9) << "FLOW 1's value, drawn above FLOW 2's";
    EXPECT_EQ(menuRow(3), "TANK 1 SETUP") << "no MODE row without a flow";
    press(keyPress);
    press(keyMinus);
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(menuRow(4), "TANK 2 SETUP");
}

TEST_F(FuelSetupTest, OptionRowsWrapAtBothEnds)
{
    editOnce(keyMinus);
    EXPECT_EQ(menuRow(0), "UNIT: GAL/KM");
    editOnce(keyPlus);
    EXPECT_EQ(menuRow(0), "UNIT: LITRE/SM");

    settings.nmeaBaud = 9;
    goToRow(8);
    EXPECT_EQ(menuRow(4), "NMEA BAUD: 115200");
    editOnce(keyPlus);
    EXPECT_EQ(menuRow(4), "NMEA BAUD: 1200");

    goToRow(9);
    editOnce(keyPlus);
    EXPECT_EQ(menuRow(4), "DATA: VRAX");
    press(keyPlus);
    EXPECT_EQ(menuCursor, 10);
    EXPECT_EQ(menuRow(4), "VRAX ADDRESS: 1");
    editOnce(keyMinus);
    EXPECT_EQ(menuRow(4), "VRAX ADDRESS: 4");
    editOnce(keyPlus);
    EXPECT_EQ(settings.vraxAddress, 0);
    press(keyPlus);
    EXPECT_EQ(menuCursor, 0);
}

TEST_F(FuelSetupTest, SetUpRowsOpenTheirScreenAndComeBackToTheirRow)
{
    struct SubScreen {
        int row;
        const char* opens;
    };
    for (SubScreen sub : {SubScreen{tank1Row, "tank1SetupScreen"}, SubScreen{6, "tank2SetupScreen"},
                          SubScreen{pressureRow, "pressureSetupScreen"}}) {
        goToRow(sub.row);
        editStep = 10;
        press(keyPress);
        EXPECT_EQ(currentScreenName(), sub.opens);
        EXPECT_EQ(setupReturnRow, sub.row);
        EXPECT_EQ(menuCursor, 0);
        EXPECT_EQ(editStep, 1);
        EXPECT_EQ(menuEditing, 0) << "the press opened the screen without toggling editing";
        press(keyLeft);
        EXPECT_EQ(currentScreenName(), "fuelSetupScreen");
        EXPECT_EQ(menuCursor, sub.row) << sub.opens;
    }
    EXPECT_EQ(pressureEdit, &settings.pressure);
    EXPECT_EQ(menuTop, 3) << "scrolled as it was";
    EXPECT_EQ(menuRow(4), "FUEL PRESS SETUP");
    EXPECT_EQ(lastDrawing("FUEL PRESS SETUP").colour, 9);
}

TEST_F(FuelSetupTest, LeavingRecomputesTheFuelConfiguration)
{
    settings.tank2Mode = tankModeSender;
    goToRow(flow2Row);
    editOnce(keyPlus);
    EXPECT_EQ(fuelConfig, 0) << "edits reach the configuration only on leaving";
    press(keyPress);
    press(keyLeft);
    EXPECT_EQ(fuelConfig, 10);
    EXPECT_EQ(currentScreenName(), "mainMenuScreen");
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(menuEditing, 0);
}

} // namespace
