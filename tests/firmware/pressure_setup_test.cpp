#include <gtest/gtest.h>

#include <cstring>

#include "core/settings.h"
#include "display/furniture.h"
#include "menu_walk.h"
#include "screens/pressure_setup.h"
#include "screens/screen.h"
#include "screens/setup_screens.h"

namespace {

constexpr int pressureRow = 7; // row of the factory fuel set-up list
constexpr int senderRow = 1;
constexpr int calibrateRow = 2;
constexpr int unitRow = 3;
constexpr int highAlarmRow = 7;

class PressureSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOnAndWatch();
        pressOnFuelSetupRow(pressureRow);
    }
    static void chooseUserCurve()
    {
        goToItem(senderRow);
        editOnce(keyPlus);
    }
    static void openCurveEditor()
    {
        chooseUserCurve();
        goToItem(calibrateRow);
        key(keyPress);
    }
};

TEST_F(PressureSetupTest, FactoryListReadsAsTheInstrumentSpellsIt)
{
    EXPECT_EQ(screen(), "pressureSetupScreen");
    EXPECT_NE(findText("PRESSURE"), nullptr);
    std::vector<std::string> rows = shownRows();
    goToItem(4);
    for (int row = 5; row < 12; ++row) {
        key(keyPlus);
        rows.push_back(rowText(4));
    }
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "FP DISPLAY: ON", "SENDER: UMA", "MODEL: N1EU07", "PRESS UNIT: psi(0.1)",
                        "DISP MAX: 10.0 psi", "DISP MIN: 0.0 psi", "HIGH ALARM: ON", "HIGH ALM: 8.0 psi",
                        "HIGH CAUTN: 7.0psi", "LOW CAUTN: 2.5psi", "LOW ALARM: ON", "LOW ALM: 1.5 psi"}));
    EXPECT_EQ(menuTop, 7);
    EXPECT_EQ(stepLegend(), "X0.1");
    key(keyRight);
    EXPECT_EQ(stepLegend(), "X1.0");
    key(keyPlus);
    EXPECT_EQ(menuCursor, 0) << "after LOW ALM comes FP DISPLAY";
    EXPECT_EQ(stepLegend(), "");

    editOnce(keyMinus);
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"FP DISPLAY: OFF"}));
    key(keyPlus);
    key(keyMinus);
    EXPECT_EQ(menuCursor, 0) << "one row: nowhere to go";

    key(keyLeft);
    EXPECT_EQ(screen(), "fuelSetupScreen");
    EXPECT_EQ(menuCursor, pressureRow);
    EXPECT_EQ(editStep, 10) << "the step is kept on leaving";
}

TEST_F(PressureSetupTest, SenderTogglesWithinItsFamily)
{
    chooseUserCurve();
    EXPECT_EQ(rowText(1), "SENDER: USER");
    EXPECT_EQ(rowText(2), "CALIBRATE SENDER");
    EXPECT_EQ(rowText(3), "PRESS UNIT: psi(0.1)");
    editOnce(keyMinus);
    EXPECT_EQ(rowText(1), "SENDER: UMA");

    settings.pressure.senderType = 2;
    editOnce(keyPlus);
    editOnce(keyPlus);
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"FP DISPLAY: ON", "SENDER: LINEAR", "PR@4mA: 0.0 psi",
                                                    "PR@20mA: 10.0 psi", "PRESS UNIT: psi(0.1)"}));

    settings.pressure.senderType = 0; // a VDO sender never reads through the sender-type curve
    pass();
    EXPECT_EQ(settings.pressure.curveKind, 0);
    EXPECT_EQ(rowText(2), "MODEL: 10 bar");
    editOnce(keyPlus);
    EXPECT_EQ(rowText(1), "SENDER: USER");
    editOnce(keyPlus);
    EXPECT_EQ(rowText(1), "SENDER: VDO");
}

TEST_F(PressureSetupTest, LimitsWrapWithinTheUnitAndAreClampedWhenItChanges)
{
    settings.pressure.pressureAt4mA = 500;
    settings.pressure.highAlarm = 800;
    goToItem(unitRow);
    editOnce(keyPlus);
    EXPECT_EQ(rowText(3), "PRESS UNIT: bar");
    EXPECT_EQ(settings.pressure.highAlarm, 100) << "80.0 psi is beyond 10.0 bar";
    EXPECT_EQ(settings.pressure.displayMin, 1) << "0 is brought up to 1";
    EXPECT_EQ(settings.pressure.displayMax, 100) << "a count in range stays";
    EXPECT_EQ(settings.pressure.pressureAt4mA, 500) << "the 4-20 mA pressures keep their counts";

    settings.pressure.highAlarm = 80;
    goToItem(highAlarmRow);
    EXPECT_EQ(rowText(4), "HIGH ALM: 8.0 bar");
    keys(keyRight, 2);
    EXPECT_EQ(stepLegend(), "X10.0");
    key(keyPress);
    key(keyPlus);
    EXPECT_EQ(settings.pressure.highAlarm, 1) << "80 + 100 is above 100";
    key(keyRight);
    key(keyMinus);
    EXPECT_EQ(settings.pressure.highAlarm, 100) << "1 - 1 is below 1";
    key(keyPress);

    settings.pressure.unit = 1;
    pass();
    EXPECT_EQ(rowText(4), "HIGH ALM: 100 psi");
    EXPECT_EQ(stepLegend(), "X1");
    key(keyPlus);
    EXPECT_EQ(rowText(4), "HIGH CAUTN: 70psi");
}

TEST_F(PressureSetupTest, CurveEditorWorksOnACopyWrittenBackOnExit)
{
    openCurveEditor();
    EXPECT_EQ(screen(), "senderCalibrationScreen");
    EXPECT_NE(findText("CAL SENDER"), nullptr);
    EXPECT_NE(findText("EXIT"), nullptr);
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"POINTS: 6", "DISPLAY 1: 0.0 psi", "ADC 1: 0020",
                                                    "DISPLAY 2: 2.0 psi", "ADC 2: 0128"}));
    key(keyMinus);
    EXPECT_EQ(menuCursor, 12);
    EXPECT_EQ(rowText(3), "DISPLAY 6: 10.0 psi");
    EXPECT_EQ(rowText(4), "ADC 6: 0433");

    key(keyPress);
    key(keyPlus);
    EXPECT_EQ(calCurve.points[5].adc, 434);
    EXPECT_EQ(settings.pressure.userCurve.points[5].adc, 433) << "the stored curve waits for EXIT";
    key(keyLeft);
    EXPECT_EQ(screen(), "pressureSetupScreen");
    EXPECT_EQ(menuCursor, calibrateRow);
    EXPECT_EQ(menuEditing, 0);
    EXPECT_EQ(findText("CALIBRATE SENDER")->colour, 9);
    EXPECT_EQ(0, std::memcmp(&settings.pressure.userCurve, &calCurve, sizeof calCurve));
    EXPECT_EQ(settings.pressure.userCurve.points[5].adc, 434);
}

TEST_F(PressureSetupTest, CurveEditorLimits)
{
    openCurveEditor();
    key(keyRight);
    EXPECT_EQ(editStep, 1) << "no step on POINTS";
    key(keyPress);
    calCurve.count = 16;
    key(keyPlus);
    EXPECT_EQ(calCurve.count, 2);
    key(keyMinus);
    EXPECT_EQ(calCurve.count, 16);
    calCurve.count = 0x0306; // only the low byte is the count
    key(keyPlus);
    EXPECT_EQ(calCurve.count, 0x0307);
    calCurve.count = 6;
    key(keyPress);

    goToItem(2);
    calCurve.points[0].adc = 4095;
    key(keyPress);
    key(keyPlus);
    EXPECT_EQ(calCurve.points[0].adc, 0);
    key(keyMinus);
    EXPECT_EQ(calCurve.points[0].adc, 4095);
    keys(keyRight, 3);
    EXPECT_EQ(stepLegend(), "X1000");
    calCurve.points[0].adc = 3500;
    key(keyPlus);
    EXPECT_EQ(calCurve.points[0].adc, 4500) << "only a value at its end wraps";
    key(keyPress);

    key(keyPlus);
    EXPECT_EQ(stepLegend(), "X0.1") << "a DISPLAY row steps by one or ten";
    EXPECT_EQ(editStep, 1);
    key(keyRight);
    EXPECT_EQ(stepLegend(), "X1");
    calCurve.points[1].value = 998;
    key(keyPress);
    key(keyPlus);
    EXPECT_EQ(calCurve.points[1].value, 1008);
    key(keyPlus);
    EXPECT_EQ(calCurve.points[1].value, 0);
}

TEST_F(PressureSetupTest, CurveEditorNeverReachesPastSixteenPoints)
{
    settings.pressure.userCurve.count = 200;
    openCurveEditor();
    EXPECT_EQ(rowText(0), "POINTS: 16");
    key(keyMinus);
    EXPECT_EQ(menuCursor, 32) << "the last ADC row of sixteen points";
    EXPECT_EQ(rowText(4), "ADC 16: 0000");
    key(keyPlus);
    key(keyPress);
    key(keyMinus);
    EXPECT_EQ(calCurve.count & 0xFF, 15);
}

} // namespace
