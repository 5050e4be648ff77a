#include <gtest/gtest.h>

#include <cstring>

#include "core/settings.h"
#include "display/furniture.h"
#include "screens/pressure_setup.h"
#include "screens/screen.h"
#include "screens/setup_screens.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

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
        powerOn();
        pressOnFuelSetupRow(pressureRow);
    }
    static void chooseUserCurve()
    {
        goToRow(senderRow);
        editOnce(keyPlus);
    }
    static void openCurveEditor()
    {
        chooseUserCurve();
        goToRow(calibrateRow);
        press(keyPress);
    }
};

TEST_F(PressureSetupTest, FactoryListReadsAsTheInstrumentSpellsIt)
{
    EXPECT_EQ(currentScreenName(), "pressureSetupScreen");
    EXPECT_TRUE(wasDrawn("PRESSURE"));
    std::vector<std::string> rows = menuRows();
    goToRow(4);
    for (int row = 5; row < 12; ++row) {
        press(keyPlus);
        rows.push_back(menuRow(4));
    }
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "FP DISPLAY: ON", "SENDER: UMA", "MODEL: N1EU07", "PRESS UNIT: psi(0.1)",
                        "DISP MAX: 10.0 psi", "DISP MIN: 0.0 psi", "HIGH ALARM: ON", "HIGH ALM: 8.0 psi",
                        "HIGH CAUTN: 7.0psi", "LOW CAUTN: 2.5psi", "LOW ALARM: ON", "LOW ALM: 1.5 psi"}));
    EXPECT_EQ(menuTop, 7);
    EXPECT_EQ(stepLegend(), "X0.1");
    press(keyRight);
    EXPECT_EQ(stepLegend(), "X1.0");
    press(keyPlus);
    EXPECT_EQ(menuCursor, 0) << "after LOW ALM comes FP DISPLAY";
    EXPECT_EQ(stepLegend(), "");

    editOnce(keyMinus);
    EXPECT_EQ(menuRows(), (std::vector<std::string>{"FP DISPLAY: OFF"}));
    press(keyPlus);
    press(keyMinus);
    EXPECT_EQ(menuCursor, 0) << "one row: nowhere to go";

    press(keyLeft);
    EXPECT_EQ(currentScreenName(), "fuelSetupScreen");
    EXPECT_EQ(menuCursor, pressureRow);
    EXPECT_EQ(editStep, 10) << "the step is kept on leaving";
}

TEST_F(PressureSetupTest, SenderTogglesWithinItsFamily)
{
    chooseUserCurve();
    EXPECT_EQ(menuRow(1), "SENDER: USER");
    EXPECT_EQ(menuRow(2), "CALIBRATE SENDER");
    EXPECT_EQ(menuRow(3), "PRESS UNIT: psi(0.1)");
    editOnce(keyMinus);
    EXPECT_EQ(menuRow(1), "SENDER: UMA");

    settings.pressure.senderType = 2;
    editOnce(keyPlus);
    editOnce(keyPlus);
    EXPECT_EQ(menuRows(), (std::vector<std::string>{"FP DISPLAY: ON", "SENDER: LINEAR", "PR@4mA: 0.0 psi",
                                                    "PR@20mA: 10.0 psi", "PRESS UNIT: psi(0.1)"}));

    settings.pressure.senderType = 0; // a VDO sender never reads through the sender-type curve
    pass();
    EXPECT_EQ(settings.pressure.curveKind, 0);
    EXPECT_EQ(menuRow(2), "MODEL: 10 bar");
    editOnce(keyPlus);
    EXPECT_EQ(menuRow(1), "SENDER: USER");
    editOnce(keyPlus);
    EXPECT_EQ(menuRow(1), "SENDER: VDO");
}

TEST_F(PressureSetupTest, LimitsWrapWithinTheUnitAndAreClampedWhenItChanges)
{
    settings.pressure.pressureAt4mA = 500;
    settings.pressure.highAlarm = 800;
    goToRow(unitRow);
    editOnce(keyPlus);
    EXPECT_EQ(menuRow(3), "PRESS UNIT: bar");
    EXPECT_EQ(settings.pressure.highAlarm, 100) << "80.0 psi is beyond 10.0 bar";
    EXPECT_EQ(settings.pressure.displayMin, 1) << "0 is brought up to 1";
    EXPECT_EQ(settings.pressure.displayMax, 100) << "a count in range stays";
    EXPECT_EQ(settings.pressure.pressureAt4mA, 500) << "the 4-20 mA pressures keep their counts";

    settings.pressure.highAlarm = 80;
    goToRow(highAlarmRow);
    EXPECT_EQ(menuRow(4), "HIGH ALM: 8.0 bar");
    press(keyRight, 2);
    EXPECT_EQ(stepLegend(), "X10.0");
    press(keyPress);
    press(keyPlus);
    EXPECT_EQ(settings.pressure.highAlarm, 1) << "80 + 100 is above 100";
    press(keyRight);
    press(keyMinus);
    EXPECT_EQ(settings.pressure.highAlarm, 100) << "1 - 1 is below 1";
    press(keyPress);

    settings.pressure.unit = 1;
    pass();
    EXPECT_EQ(menuRow(4), "HIGH ALM: 100 psi");
    EXPECT_EQ(stepLegend(), "X1");
    press(keyPlus);
    EXPECT_EQ(menuRow(4), "HIGH CAUTN: 70psi");
}

TEST_F(PressureSetupTest, CurveEditorWorksOnACopyWrittenBackOnExit)
{
    openCurveEditor();
    EXPECT_EQ(currentScreenName(), "senderCalibrationScreen");
    EXPECT_TRUE(wasDrawn("CAL SENDER"));
    EXPECT_TRUE(wasDrawn("EXIT"));
    EXPECT_EQ(menuRows(), (std::vector<std::string>{"POINTS: 6", "DISPLAY 1: 0.0 psi", "ADC 1: 0020",
                                                    "DISPLAY 2: 2.0 psi", "ADC 2: 0128"}));
    press(keyMinus);
    EXPECT_EQ(menuCursor, 12);
    EXPECT_EQ(menuRow(3), "DISPLAY 6: 10.0 psi");
    EXPECT_EQ(menuRow(4), "ADC 6: 0433");

    press(keyPress);
    press(keyPlus);
    EXPECT_EQ(calCurve.points[5].adc, 434);
    EXPECT_EQ(settings.pressure.userCurve.points[5].adc, 433) << "the stored curve waits for EXIT";
    press(keyLeft);
    EXPECT_EQ(currentScreenName(), "pressureSetupScreen");
    EXPECT_EQ(menuCursor, calibrateRow);
    EXPECT_EQ(menuEditing, 0);
    EXPECT_EQ(lastDrawing("CALIBRATE SENDER").colour, 9);
    EXPECT_EQ(0, std::memcmp(&settings.pressure.userCurve, &calCurve, sizeof calCurve));
    EXPECT_EQ(settings.pressure.userCurve.points[5].adc, 434);
}

TEST_F(PressureSetupTest, CurveEditorLimits)
{
    openCurveEditor();
    press(keyRight);
    EXPECT_EQ(editStep, 1) << "no step on POINTS";
    press(keyPress);
    calCurve.count = 16;
    press(keyPlus);
    EXPECT_EQ(calCurve.count, 2);
    press(keyMinus);
    EXPECT_EQ(calCurve.count, 16);
    calCurve.count = 0x0306; // only the low byte is the count
    press(keyPlus);
    EXPECT_EQ(calCurve.count, 0x0307);
    calCurve.count = 6;
    press(keyPress);

    goToRow(2);
    calCurve.points[0].adc = 4095;
    press(keyPress);
    press(keyPlus);
    EXPECT_EQ(calCurve.points[0].adc, 0);
    press(keyMinus);
    EXPECT_EQ(calCurve.points[0].adc, 4095);
    press(keyRight, 3);
    EXPECT_EQ(stepLegend(), "X1000");
    calCurve.points[0].adc = 3500;
    press(keyPlus);
    EXPECT_EQ(calCurve.points[0].adc, 4500) << "only a value at its end wraps";
    press(keyPress);

    press(keyPlus);
    EXPECT_EQ(stepLegend(), "X0.1") << "a DISPLAY row steps by one or ten";
    EXPECT_EQ(editStep, 1);
    press(keyRight);
    EXPECT_EQ(stepLegend(), "X1");
    calCurve.points[1].value = 998;
    press(keyPress);
    press(keyPlus);
    EXPECT_EQ(calCurve.points[1].value, 1008);
    press(keyPlus);
    EXPECT_EQ(calCurve.points[1].value, 0);
}

TEST_F(PressureSetupTest, CurveEditorNeverReachesPastSixteenPoints)
{
    settings.pressure.userCurve.count = 200;
    openCurveEditor();
    EXPECT_EQ(menuRow(0), "POINTS: 16");
    press(keyMinus);
    EXPECT_EQ(menuCursor, 32) << "the last ADC row of sixteen points";
    EXPECT_EQ(menuRow(4), "ADC 16: 0000");
    press(keyPlus);
    press(keyPress);
    press(keyMinus);
    EXPECT_EQ(calCurve.count & 0xFF, 15);
}

} // namespace
