// The tank set-up lists and the six-point tank calibration they open.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/tank_level.h"
#include "display/furniture.h"
#include "screens/pressure_setup.h"
#include "screens/screen.h"
#include "screens/setup_screens.h"
#include "screens/tank_setup.h"
#include "sim/storage_hooks.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

constexpr int tank1Row = 5; // rows of the factory fuel set-up list
constexpr int tank2Row = 6;
constexpr int calibrateRow = 6;

class TankSetupTest : public ::testing::Test {
protected:
    void SetUp() override { powerOn(); }
    // The list's length, seen as where "-" from the first row lands.
    static int rowCount()
    {
        goToRow(0);
        press(keyMinus);
        const int count = menuCursor + 1;
        press(keyPlus);
        return count;
    }
};

TEST_F(TankSetupTest, FactoryTankOneListReadsTopToBottomAndWraps)
{
    pressOnFuelSetupRow(tank1Row);
    EXPECT_EQ(currentScreenName(), "tank1SetupScreen");
    EXPECT_TRUE(wasDrawn("TANK 1"));
    EXPECT_TRUE(wasDrawn("BACK"));
    EXPECT_EQ(menuRows(), (std::vector<std::string>{"TANK: SENDER", "TANK SIZE: 45L", "LOW CAUTION: 20L",
                                                    "LOW ALARM: ON", "LOW ALARM: 10L"}));
    press(keyMinus);
    EXPECT_EQ(menuCursor, 8);
    EXPECT_EQ(menuRows(), (std::vector<std::string>{"LOW ALARM: 10L", "ADD TO RANGE: YES", "CALIBRATE TANK",
                                                    "TANK FILTER: HIGH", "LITRE RES: 1L"}));
    EXPECT_EQ(lastDrawing("LITRE RES: ").colour, 9);
    press(keyPlus);
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(menuRow(0), "TANK: SENDER");

    press(keyRight);
    EXPECT_EQ(editStep, 1) << "the step belongs to the volume rows";
    goToRow(2);
    EXPECT_EQ(stepLegend(), "X1");
    press(keyRight);
    EXPECT_EQ(stepLegend(), "X10");

    press(keyLeft);
    EXPECT_EQ(currentScreenName(), "fuelSetupScreen");
    EXPECT_EQ(menuCursor, tank1Row);
    EXPECT_EQ(editStep, 10) << "the step is kept on leaving";
}

TEST_F(TankSetupTest, RowCountsFollowTheModeAndTheUnit)
{
    struct Case {
        uint8_t mode;
        uint8_t units;
        int rows;
    };
    pressOnFuelSetupRow(tank2Row);
    for (Case c : {Case{tankModeSender, 0, 9}, Case{tankModeSender, 1, 8}, Case{tankModeCalculated, 0, 7},
                   Case{tankModeCalculated, 3, 6}, Case{tankModeOff, 0, 1}}) {
        settings.tank2Mode = c.mode;
        settings.units = c.units;
        EXPECT_EQ(rowCount(), c.rows) << "mode " << int(c.mode) << " units " << int(c.units);
    }
    EXPECT_EQ(menuRows(), (std::vector<std::string>{"TANK: OFF"}));
    EXPECT_EQ(menuCursor, 0) << "nothing to move to";

    // The mode edited back: the rows return below the cursor, which stays on TANK.
    editOnce(keyPlus);
    EXPECT_EQ(menuRow(0), "TANK: SENDER");
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(menuRow(4), "LOW ALARM: 10L");
    editOnce(keyMinus);
    EXPECT_EQ(menuRow(0), "TANK: OFF");
}

TEST_F(TankSetupTest, CalculatedTankHasLitreResolutionWhereTheCalibrationWas)
{
    settings.tank1Mode = tankModeCalculated;
    pressOnFuelSetupRow(tank1Row);
    goToRow(calibrateRow);
    EXPECT_EQ(menuRow(4), "LITRE RES: 1L");
    editOnce(keyPlus);
    EXPECT_EQ(currentScreenName(), "tank1SetupScreen") << "the knob edits instead of calibrating";
    EXPECT_EQ(settings.litreResolution, 1);
    EXPECT_EQ(menuRow(4), "LITRE RES: 0.1L");
    EXPECT_EQ(menuRow(0), "LOW CAUTION: 2.0L") << "the stored 20 is now tenths";
}

TEST_F(TankSetupTest, VolumesInTenthsAndGallonsWithTheirStepLegends)
{
    settings.tank2Mode = tankModeSender;
    settings.units = 1; // GAL/SM
    pressOnFuelSetupRow(tank2Row);
    goToRow(1);
    EXPECT_EQ(menuRow(1), "TANK SIZE: 4.5") << "tank 2 shows gallons without a letter";
    EXPECT_EQ(stepLegend(), "X0.1");
    press(keyRight, 2);
    EXPECT_EQ(stepLegend(), "X10");
    press(keyRight);
    EXPECT_EQ(stepLegend(), "X0.1");
    press(keyLeft);

    pressOnFuelSetupRow(tank1Row);
    EXPECT_EQ(menuRow(1), "TANK SIZE: 4.5G");
    settings.units = 0;
    settings.litreResolution = 1;
    pass();
    EXPECT_EQ(menuRow(2), "LOW CAUTION: 2.0L");
}

TEST_F(TankSetupTest, SizeAndLevelsWrapAtTheirLimits)
{
    pressOnFuelSetupRow(tank1Row);
    goToRow(1);
    press(keyRight);
    settings.tank1Size = 995;
    editOnce(keyPlus);
    EXPECT_EQ(settings.tank1Size, 0);
    settings.tank1Size = 5;
    editOnce(keyMinus);
    EXPECT_EQ(settings.tank1Size, 999);

    settings.tank1Size = 45;
    settings.tank1LowAlarm = 40;
    goToRow(4);
    editOnce(keyPlus);
    EXPECT_EQ(settings.tank1LowAlarm, 0) << "past the size";
    settings.tank1LowAlarm = 5;
    editOnce(keyMinus);
    EXPECT_EQ(settings.tank1LowAlarm, 45) << "below 0 gives the size";

    settings.tank1LowCaution = 3;
    goToRow(2);
    editOnce(keyPlus);
    EXPECT_EQ(settings.tank1LowCaution, 13) << "no check against the low alarm";
}

using Points = std::array<int16_t, 6>;

class TankCalibrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        settings.tank2Mode = tankModeSender;
        moveSlider("level1", 600);
        moveSlider("level2", 700);
    }
    // Fuel set-up, the tank's set-up, CALIBRATE TANK.
    static void openCalibration(int fuelRow)
    {
        pressOnFuelSetupRow(fuelRow);
        press(keyPlus, calibrateRow);
        press(keyPress);
    }
    static void manualMode()
    {
        goToRow(0);
        editOnce(keyPlus);
    }
};

TEST_F(TankCalibrationTest, FactoryPointsAreLabelledByContentsAndPassTheCheck)
{
    openCalibration(tank1Row);
    EXPECT_EQ(currentScreenName(), "tank1CalibrationScreen");
    EXPECT_EQ(calibrationMode, calibrationBySender);
    EXPECT_TRUE(wasDrawn("ADC: 600")) << "the live reading is in the title";
    EXPECT_EQ(menuRows(), (std::vector<std::string>{"MODE: SENDER", "0L: 809", "9L: 680", "18L: 520",
                                                    "27L: 427"}));
    press(keyMinus);
    EXPECT_EQ(menuCursor, 6);
    EXPECT_EQ(menuRow(3), "36L: 356");
    EXPECT_EQ(menuRow(4), "45L: 251");
    EXPECT_EQ(stepLegend(), "") << "no step while capturing";

    settings.litreResolution = 1;
    settings.tank1Size = 450;
    pass();
    EXPECT_EQ(menuRow(0), "9.0L: 680");
    EXPECT_EQ(menuRow(4), "45.0L: 251");
    settings.units = 3; // GAL/NM
    pass();
    EXPECT_EQ(menuRow(1), "18.0G: 520");

    settings.tank1Size = 45;
    const uint32_t storesBefore = storeSettingsCalls;
    press(keyLeft);
    EXPECT_EQ(currentScreenName(), "tank1SetupScreen");
    EXPECT_EQ(menuCursor, calibrateRow);
    EXPECT_EQ(storeSettingsCalls, storesBefore + 1);
    EXPECT_EQ(lastDrawing("CALIBRATE TANK").colour, 9);
}

TEST_F(TankCalibrationTest, SenderModeCapturesTheLiveReading)
{
    openCalibration(tank2Row);
    EXPECT_EQ(currentScreenName(), "tank2CalibrationScreen");
    goToRow(3);
    press(keyPress);
    EXPECT_EQ(settings.tank2Cal[2], 700);
    EXPECT_EQ(menuEditing, 0) << "a capture, not an edit";
    EXPECT_EQ(settings.tank1Cal[2], 520) << "tank 1 untouched";
    EXPECT_EQ(menuRow(3), "18L: 700");
}

TEST_F(TankCalibrationTest, ManualEntryStepsAndWrapsPerTank)
{
    openCalibration(tank1Row);
    manualMode();
    EXPECT_EQ(calibrationMode, calibrationManual);
    EXPECT_EQ(lastDrawing("CAL").y, 11) << "the title says CAL instead of the reading";
    press(keyRight);
    EXPECT_EQ(editStep, 1) << "no step on the MODE row";

    goToRow(1);
    EXPECT_EQ(stepLegend(), "X1");
    for (const char* legend : {"X10", "X100", "X1000", "X1"}) {
        press(keyRight);
        EXPECT_EQ(stepLegend(), legend);
    }
    press(keyRight, 2);
    settings.tank1Cal[0] = 4000;
    press(keyPress);
    press(keyPlus);
    EXPECT_EQ(settings.tank1Cal[0], 0) << "4000 + 100";
    settings.tank1Cal[0] = 50;
    press(keyMinus);
    EXPECT_EQ(settings.tank1Cal[0], 4096) << "50 - 100";
    press(keyMinus);
    EXPECT_EQ(settings.tank1Cal[0], 3996);
    press(keyPress);
    press(keyPress);
    EXPECT_EQ(settings.tank1Cal[0], 3996) << "a press in MANUAL toggles editing, no capture";
    press(keyPress);

    settings.tank1Cal[0] = 809;
    press(keyLeft);
    press(keyLeft);
    EXPECT_EQ(currentScreenName(), "fuelSetupScreen");
    openCalibration(tank2Row);
    manualMode();
    goToRow(1);
    for (const char* legend : {"X10", "X100", "X1"}) {
        press(keyRight);
        EXPECT_EQ(stepLegend(), legend) << "tank 2 stops at hundreds";
    }
}

TEST_F(TankCalibrationTest, PointsThatDoNotRunOneWayShowSlopeErrorAndComeBack)
{
    openCalibration(tank1Row);
    for (Points bad : {Points{809, 680, 700, 427, 356, 251}, Points{809, 680, 520, 427, 356, 400},
                       Points{500, 500, 500, 500, 500, 500}}) {
        std::copy(bad.begin(), bad.end(), settings.tank1Cal);
        press(keyLeft);
        EXPECT_EQ(currentScreenName(), "slopeErrorScreen");
        EXPECT_TRUE(wasDrawn("SLOPE"));
        EXPECT_EQ(lastDrawing("ERROR").y, 70);
        EXPECT_EQ(slopeErrorReturnScreen, tank1CalibrationScreen);
        press(keyPlus);
        EXPECT_EQ(currentScreenName(), "tank1CalibrationScreen");
        EXPECT_TRUE(std::equal(bad.begin(), bad.end(), settings.tank1Cal)) << "the points stay as they were";
    }
    const Points rising = {100, 200, 300, 400, 500, 600};
    std::copy(rising.begin(), rising.end(), settings.tank1Cal);
    press(keyLeft);
    EXPECT_EQ(currentScreenName(), "tank1SetupScreen") << "rising points pass as well";
}

} // namespace
