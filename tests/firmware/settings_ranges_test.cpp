// The settings range table: it must hold every value the set-up screens can
// produce, wraps and overshoots included, and name a field that leaves it.
#include <gtest/gtest.h>

#include <string>

#include "core/settings.h"
#include "screens/pressure_setup.h"
#include "tests/support/settings_ranges.h"
#include "menu_walk.h"

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
    powerOnAndWatch();
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
    openMainMenu();
    key(keyPress); // FUEL SETUP
    keys(keyPlus, 2);
    settings.kFactor1 = 15;
    key(keyRight); // X10
    key(keyPress);
    key(keyMinus);
    EXPECT_EQ(settings.kFactor1, 60000);
    key(keyRight); // X100
    key(keyPlus);
    EXPECT_EQ(settings.kFactor1, 10);
    EXPECT_EQ(firstOutside(), "");
    key(keyPress);

    keys(keyPlus, 3);
    key(keyPress); // TANK 1 SETUP, which starts with the step at X1
    ASSERT_EQ(screen(), "tank1SetupScreen");
    key(keyPlus);
    key(keyRight); // X10
    key(keyPress);
    settings.tank1Size = 5;
    key(keyMinus); // below 0 wraps to 999
    EXPECT_EQ(settings.tank1Size, 999);
    key(keyPress);
    key(keyPlus);
    key(keyPress);
    settings.tank1LowCaution = 5;
    key(keyMinus); // below 0 gives the size
    EXPECT_EQ(settings.tank1LowCaution, 999);
    key(keyPress);
    key(keyMinus);
    key(keyPress);
    key(keyPlus); // past 999 gives 0; the caution stays at 999
    EXPECT_EQ(settings.tank1Size, 0);
    EXPECT_EQ(settings.tank1LowCaution, 999);
    EXPECT_EQ(firstOutside(), "");
}

TEST(SettingsRanges, UserCurvePointsMayPassTheirLimitsByLessThanAStep)
{
    openMainMenu();
    key(keyPress); // FUEL SETUP
    keys(keyPlus, 7);
    key(keyPress); // FUEL PRESS SETUP
    key(keyPlus);
    key(keyPress);
    key(keyPlus); // SENDER: USER
    key(keyPress);
    key(keyPlus);
    key(keyPress); // CALIBRATE SENDER
    ASSERT_EQ(screen(), "senderCalibrationScreen");

    key(keyPlus); // DISPLAY 1
    key(keyRight); // X10
    key(keyPress);
    calCurve.points[0].value = 998;
    key(keyPlus);
    key(keyPress);
    key(keyPlus); // ADC 1
    keys(keyRight, 2); // X1000
    key(keyPress);
    calCurve.points[0].adc = 4094;
    key(keyPlus);
    key(keyLeft); // EXIT stores the curve
    EXPECT_EQ(settings.pressure.userCurve.points[0].value, 1008);
    EXPECT_EQ(settings.pressure.userCurve.points[0].adc, 5094);
    EXPECT_EQ(firstOutside(), "");
}
