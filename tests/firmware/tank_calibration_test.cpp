#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/tank_level.h"
#include "display/furniture.h"
#include "menu_walk.h"
#include "screens/pressure_setup.h"
#include "screens/screen.h"
#include "screens/setup_screens.h"
#include "screens/tank_setup.h"
#include "sim/storage_hooks.h"

namespace {

constexpr int tank1Row = 5; // rows of the factory fuel set-up list
constexpr int tank2Row = 6;
constexpr int calibrateRow = 6;

using Points = std::array<int16_t, 6>;

class TankCalibrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOnAndWatch();
        settings.tank2Mode = tankModeSender;
        level1Input = 600;
        level2Input = 700;
    }
    // Fuel set-up, the tank's set-up, CALIBRATE TANK.
    static void openCalibration(int fuelRow)
    {
        pressOnFuelSetupRow(fuelRow);
        keys(keyPlus, calibrateRow);
        key(keyPress);
    }
    static void manualMode()
    {
        goToItem(0);
        key(keyPress);
        key(keyPlus);
        key(keyPress);
    }
};

TEST_F(TankCalibrationTest, FactoryPointsAreLabelledByContentsAndPassTheCheck)
{
    openCalibration(tank1Row);
    EXPECT_EQ(screen(), "tank1CalibrationScreen");
    EXPECT_EQ(calibrationMode, calibrationBySender);
    EXPECT_NE(findText("ADC: 600"), nullptr) << "the live reading is in the title";
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"MODE: SENDER", "0L: 809", "9L: 680", "18L: 520",
                                                    "27L: 427"}));
    key(keyMinus);
    EXPECT_EQ(menuCursor, 6);
    EXPECT_EQ(rowText(3), "36L: 356");
    EXPECT_EQ(rowText(4), "45L: 251");
    EXPECT_EQ(stepLegend(), "") << "no step while capturing";

    settings.litreResolution = 1;
    settings.tank1Size = 450;
    pass();
    EXPECT_EQ(rowText(0), "9.0L: 680");
    EXPECT_EQ(rowText(4), "45.0L: 251");
    settings.units = 3; // GAL/NM
    pass();
    EXPECT_EQ(rowText(1), "18.0G: 520");

    settings.tank1Size = 45;
    const uint32_t storesBefore = storeSettingsCalls;
    key(keyLeft);
    EXPECT_EQ(screen(), "tank1SetupScreen");
    EXPECT_EQ(menuCursor, calibrateRow);
    EXPECT_EQ(storeSettingsCalls, storesBefore + 1);
    EXPECT_EQ(findText("CALIBRATE TANK")->colour, 9);
}

TEST_F(TankCalibrationTest, SenderModeCapturesTheLiveReading)
{
    openCalibration(tank2Row);
    EXPECT_EQ(screen(), "tank2CalibrationScreen");
    goToItem(3);
    key(keyPress);
    EXPECT_EQ(settings.tank2Cal[2], 700);
    EXPECT_EQ(menuEditing, 0) << "a capture, not an edit";
    EXPECT_EQ(settings.tank1Cal[2], 520) << "tank 1 untouched";
    EXPECT_EQ(rowText(3), "18L: 700");
}

TEST_F(TankCalibrationTest, ManualEntryStepsAndWrapsPerTank)
{
    openCalibration(tank1Row);
    manualMode();
    EXPECT_EQ(calibrationMode, calibrationManual);
    EXPECT_EQ(findText("CAL")->y, 11) << "the title says CAL instead of the reading";
    key(keyRight);
    EXPECT_EQ(editStep, 1) << "no step on the MODE row";

    goToItem(1);
    EXPECT_EQ(stepLegend(), "X1");
    for (const char* legend : {"X10", "X100", "X1000", "X1"}) {
        key(keyRight);
        EXPECT_EQ(stepLegend(), legend);
    }
    keys(keyRight, 2);
    settings.tank1Cal[0] = 4000;
    key(keyPress);
    key(keyPlus);
    EXPECT_EQ(settings.tank1Cal[0], 0) << "4000 + 100";
    settings.tank1Cal[0] = 50;
    key(keyMinus);
    EXPECT_EQ(settings.tank1Cal[0], 4096) << "50 - 100";
    key(keyMinus);
    EXPECT_EQ(settings.tank1Cal[0], 3996);
    key(keyPress);
    key(keyPress);
    EXPECT_EQ(settings.tank1Cal[0], 3996) << "a press in MANUAL toggles editing, no capture";
    key(keyPress);

    settings.tank1Cal[0] = 809;
    key(keyLeft);
    key(keyLeft);
    EXPECT_EQ(screen(), "fuelSetupScreen");
    openCalibration(tank2Row);
    manualMode();
    goToItem(1);
    for (const char* legend : {"X10", "X100", "X1"}) {
        key(keyRight);
        EXPECT_EQ(stepLegend(), legend) << "tank 2 stops at hundreds";
    }
}

TEST_F(TankCalibrationTest, PointsThatDoNotRunOneWayShowSlopeErrorAndComeBack)
{
    openCalibration(tank1Row);
    for (Points bad : {Points{809, 680, 700, 427, 356, 251}, Points{809, 680, 520, 427, 356, 400},
                       Points{500, 500, 500, 500, 500, 500}}) {
        std::copy(bad.begin(), bad.end(), settings.tank1Cal);
        key(keyLeft);
        EXPECT_EQ(screen(), "slopeErrorScreen");
        EXPECT_NE(findText("SLOPE"), nullptr);
        EXPECT_EQ(findText("ERROR")->y, 70);
        EXPECT_EQ(slopeErrorReturnScreen, tank1CalibrationScreen);
        key(keyPlus);
        EXPECT_EQ(screen(), "tank1CalibrationScreen");
        EXPECT_TRUE(std::equal(bad.begin(), bad.end(), settings.tank1Cal)) << "the points stay as they were";
    }
    const Points rising = {100, 200, 300, 400, 500, 600};
    std::copy(rising.begin(), rising.end(), settings.tank1Cal);
    key(keyLeft);
    EXPECT_EQ(screen(), "tank1SetupScreen") << "rising points pass as well";
}

} // namespace
