// The settings range table: it must hold every value the set-up screens can
// produce, wraps and overshoots included, and name a field that leaves it.
#include <gtest/gtest.h>

#include <string>

#include "core/settings.h"
#include "screens/pressure_setup.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"
#include "sim/settings_ranges.h"

namespace {

std::string firstOutside()
{
    uint8_t index = 0;
    const SettingRange* range = firstSettingOutOfRange(&index);
    if (range == nullptr)
        return "";
    return range->count > 1 ? std::string(range->name) + "[" + std::to_string(index) + "]" : range->name;
}

} // namespace

TEST(SettingsRanges, FactoryDefaultsFitAndAStrayFieldIsNamed)
{
    powerOn();
    EXPECT_EQ(firstOutside(), "");

    settings.tank2Cal[4] = 4097;
    EXPECT_EQ(firstOutside(), "tank2Cal[4]");
    settings.tank2Cal[4] = 356;

    settings.pressure.userCurve.count = 0x0106; // a high byte that no edit writes
    EXPECT_EQ(firstOutside(), "pressure.userCurve.count");
    settings.pressure.userCurve.count = 6;

    // A HIGH ALM of 150 fits the psi scale but not the 10.0 bar one.
    settings.pressure.highAlarm = 150;
    settings.pressure.unit = 1;
    EXPECT_EQ(firstOutside(), "");
    settings.pressure.unit = 0;
    EXPECT_EQ(firstOutside(), "pressure.highAlarm");
}

TEST(SettingsRanges, WrappedKFactorsAndLevelsAboveAShrunkTankStayWithin)
{
    powerOn();
    openFuelSetup();
    press(keyPlus, 2);
    settings.kFactor1 = 15;
    press(keyRight); // X10
    press(keyPress);
    press(keyMinus);
    EXPECT_EQ(settings.kFactor1, 60000);
    press(keyRight); // X100
    press(keyPlus);
    EXPECT_EQ(settings.kFactor1, 10);
    EXPECT_EQ(firstOutside(), "");
    press(keyPress);

    press(keyPlus, 3);
    press(keyPress); // TANK 1 SETUP, which starts with the step at X1
    ASSERT_EQ(currentScreenName(), "tank1SetupScreen");
    press(keyPlus);
    press(keyRight); // X10
    press(keyPress);
    settings.tank1Size = 5;
    press(keyMinus); // below 0 wraps to 999
    EXPECT_EQ(settings.tank1Size, 999);
    press(keyPress);
    press(keyPlus);
    press(keyPress);
    settings.tank1LowCaution = 5;
    press(keyMinus); // below 0 gives the size
    EXPECT_EQ(settings.tank1LowCaution, 999);
    press(keyPress);
    press(keyMinus);
    press(keyPress);
    press(keyPlus); // past 999 gives 0; the caution stays at 999
    EXPECT_EQ(settings.tank1Size, 0);
    EXPECT_EQ(settings.tank1LowCaution, 999);
    EXPECT_EQ(firstOutside(), "");
}

TEST(SettingsRanges, UserCurvePointsMayPassTheirLimitsByLessThanAStep)
{
    powerOn();
    openFuelSetup();
    press(keyPlus, 7);
    press(keyPress); // FUEL PRESS SETUP
    press(keyPlus);
    press(keyPress);
    press(keyPlus); // SENDER: USER
    press(keyPress);
    press(keyPlus);
    press(keyPress); // CALIBRATE SENDER
    ASSERT_EQ(currentScreenName(), "senderCalibrationScreen");

    press(keyPlus); // DISPLAY 1
    press(keyRight); // X10
    press(keyPress);
    calCurve.points[0].value = 998;
    press(keyPlus);
    press(keyPress);
    press(keyPlus); // ADC 1
    press(keyRight, 2); // X1000
    press(keyPress);
    calCurve.points[0].adc = 4094;
    press(keyPlus);
    press(keyLeft); // EXIT stores the curve
    EXPECT_EQ(settings.pressure.userCurve.points[0].value, 1008);
    EXPECT_EQ(settings.pressure.userCurve.points[0].adc, 5094);
    EXPECT_EQ(firstOutside(), "");
}
