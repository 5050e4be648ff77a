#include <gtest/gtest.h>

#include "core/settings.h"
#include "display/furniture.h"
#include "menu_walk.h"
#include "screens/screen.h"
#include "screens/setup_screens.h"
#include "screens/tank_setup.h"

namespace {

constexpr int tank1Row = 5; // rows of the factory fuel set-up list
constexpr int tank2Row = 6;
constexpr int calibrateRow = 6;

class TankSetupTest : public ::testing::Test {
protected:
    void SetUp() override { powerOnAndWatch(); }
    // The list's length, seen as where "-" from the first row lands.
    static int rowCount()
    {
        goToItem(0);
        key(keyMinus);
        const int count = menuCursor + 1;
        key(keyPlus);
        return count;
    }
};

TEST_F(TankSetupTest, FactoryTankOneListReadsTopToBottomAndWraps)
{
    pressOnFuelSetupRow(tank1Row);
    EXPECT_EQ(screen(), "tank1SetupScreen");
    EXPECT_NE(findText("TANK 1"), nullptr);
    EXPECT_NE(findText("BACK"), nullptr);
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"TANK: SENDER", "TANK SIZE: 45L", "LOW CAUTION: 20L",
                                                    "LOW ALARM: ON", "LOW ALARM: 10L"}));
    key(keyMinus);
    EXPECT_EQ(menuCursor, 8);
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"LOW ALARM: 10L", "ADD TO RANGE: YES", "CALIBRATE TANK",
                                                    "TANK FILTER: HIGH", "LITRE RES: 1L"}));
    EXPECT_EQ(findText("LITRE RES: ")->colour, 9);
    key(keyPlus);
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(rowText(0), "TANK: SENDER");

    key(keyRight);
    EXPECT_EQ(editStep, 1) << "the step belongs to the volume rows";
    goToItem(2);
    EXPECT_EQ(stepLegend(), "X1");
    key(keyRight);
    EXPECT_EQ(stepLegend(), "X10");

    key(keyLeft);
    EXPECT_EQ(screen(), "fuelSetupScreen");
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
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"TANK: OFF"}));
    EXPECT_EQ(menuCursor, 0) << "nothing to move to";

    // The mode edited back: the rows return below the cursor, which stays on TANK.
    editOnce(keyPlus);
    EXPECT_EQ(rowText(0), "TANK: SENDER");
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(rowText(4), "LOW ALARM: 10L");
    editOnce(keyMinus);
    EXPECT_EQ(rowText(0), "TANK: OFF");
}

TEST_F(TankSetupTest, CalculatedTankHasLitreResolutionWhereTheCalibrationWas)
{
    settings.tank1Mode = tankModeCalculated;
    pressOnFuelSetupRow(tank1Row);
    goToItem(calibrateRow);
    EXPECT_EQ(rowText(4), "LITRE RES: 1L");
    editOnce(keyPlus);
    EXPECT_EQ(screen(), "tank1SetupScreen") << "the knob edits instead of calibrating";
    EXPECT_EQ(settings.litreResolution, 1);
    EXPECT_EQ(rowText(4), "LITRE RES: 0.1L");
    EXPECT_EQ(rowText(0), "LOW CAUTION: 2.0L") << "the stored 20 is now tenths";
}

TEST_F(TankSetupTest, VolumesInTenthsAndGallonsWithTheirStepLegends)
{
    settings.tank2Mode = tankModeSender;
    settings.units = 1; // GAL/SM
    pressOnFuelSetupRow(tank2Row);
    goToItem(1);
    EXPECT_EQ(rowText(1), "TANK SIZE: 4.5") << "tank 2 shows gallons without a letter";
    EXPECT_EQ(stepLegend(), "X0.1");
    keys(keyRight, 2);
    EXPECT_EQ(stepLegend(), "X10");
    key(keyRight);
    EXPECT_EQ(stepLegend(), "X0.1");
    key(keyLeft);

    pressOnFuelSetupRow(tank1Row);
    EXPECT_EQ(rowText(1), "TANK SIZE: 4.5G");
    settings.units = 0;
    settings.litreResolution = 1;
    pass();
    EXPECT_EQ(rowText(2), "LOW CAUTION: 2.0L");
}

TEST_F(TankSetupTest, SizeAndLevelsWrapAtTheirLimits)
{
    pressOnFuelSetupRow(tank1Row);
    goToItem(1);
    key(keyRight);
    settings.tank1Size = 995;
    editOnce(keyPlus);
    EXPECT_EQ(settings.tank1Size, 0);
    settings.tank1Size = 5;
    editOnce(keyMinus);
    EXPECT_EQ(settings.tank1Size, 999);

    settings.tank1Size = 45;
    settings.tank1LowAlarm = 40;
    goToItem(4);
    editOnce(keyPlus);
    EXPECT_EQ(settings.tank1LowAlarm, 0) << "past the size";
    settings.tank1LowAlarm = 5;
    editOnce(keyMinus);
    EXPECT_EQ(settings.tank1LowAlarm, 45) << "below 0 gives the size";

    settings.tank1LowCaution = 3;
    goToItem(2);
    editOnce(keyPlus);
    EXPECT_EQ(settings.tank1LowCaution, 13) << "no check against the low alarm";
}

} // namespace
