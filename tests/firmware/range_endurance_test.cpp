#include <gtest/gtest.h>

#include "core/fuel_flow.h"
#include "core/range_endurance.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "tests/support/pilot.h"

namespace {

class RangeEnduranceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        tank1Level = 45;
    }
    static void rates(uint16_t rate1, uint16_t rate2)
    {
        flowRate1 = rate1;
        flowRate2 = rate2;
        updateRangeAndEndurance();
    }
};

TEST_F(RangeEnduranceTest, FactoryTankAtThirtyLitresPerHour)
{
    flow1Input = 234; // 30.0 L/h with K-factor 7000
    measureFuelFlow();
    ASSERT_EQ(flowRate1, 300);
    EXPECT_EQ(rangeValue, 75);
    EXPECT_EQ(enduranceMinutes, 90);

    settings.litreResolution = 1; // the same fuel in tenths
    tank1Level = 450;
    rates(300, 0);
    EXPECT_EQ(rangeValue, 75);
    EXPECT_EQ(enduranceMinutes, 90);

    gpsSpeedValid = 1; // a valid ground speed wins over the cruising speed
    gpsSpeed = 100;
    rates(300, 0);
    EXPECT_EQ(rangeValue, 150);
}

TEST_F(RangeEnduranceTest, NoFlowAndNoFuelHaveTheirOwnFigures)
{
    rates(0, 0);
    EXPECT_EQ(rangeValue, rangeNoFlow);
    EXPECT_EQ(enduranceMinutes, rangeNoFlow);

    settings.tank1AddToRange = 0;
    rates(300, 0);
    EXPECT_EQ(rangeValue, 0);
    EXPECT_EQ(enduranceMinutes, 0);

    settings.tank1AddToRange = 1;
    fuelConfig = 4; // no flow measured
    rates(300, 0);
    EXPECT_EQ(rangeValue, 0);
    EXPECT_EQ(enduranceMinutes, 0);
}

TEST_F(RangeEnduranceTest, ReturnAboveSupplyReadsAsNoFlow)
{
    useFuelSystem({.flow2 = 1, .flowMode = flowModeDiff});
    ASSERT_EQ(fuelConfig, 12);
    rates(200, 300);
    EXPECT_EQ(rangeValue, rangeNoFlow);
    EXPECT_EQ(enduranceMinutes, rangeNoFlow);
    rates(400, 100);
    EXPECT_EQ(enduranceMinutes, 90);
}

struct Selection {
    uint8_t config, flow1, flow2, mode, tank1, tank2;
    uint16_t minutes; // with tank 1 at 45, tank 2 at 90, rates 300 and 150
};

TEST_F(RangeEnduranceTest, ConfigurationChoosesFlowAndFuel)
{
    constexpr uint8_t S = tankModeSender, C = tankModeCalculated, O = tankModeOff;
    const Selection cases[] = {
        {0, 1, 0, flowModeDual, S, O, 90},           // 45 at 300
        {1, 0, 1, flowModeDual, O, S, 360},          // 90 at 150
        {10, 1, 1, flowModeDual, S, S, 180},         // 135 at 450
        {11, 1, 1, flowModeDiff, S, S, 540},         // 135 at 150
        {11, 1, 1, flowModeSum, S, C, 60},           // 45 at 450
        {11, 1, 1, flowModeSum, C, S, 120},          // 90 at 450
        {11, 0, 1, flowModeDual, S, S, 540},         // 135 at flow 2
        {12, 1, 1, flowModeSum, S, O, 60},           // 45 at 450
        {13, 1, 1, flowModeDiff, O, S, 360},         // 90 at 150
        {14, 1, 0, flowModeDual, C, S, 270},         // 135 at flow 1
        {14, 0, 1, flowModeDual, C, S, 540},         // 135 at flow 2
    };
    tank2Level = 90;
    for (const Selection& c : cases) {
        fuelConfig = c.config;
        settings.flow1Enabled = c.flow1;
        settings.flow2Enabled = c.flow2;
        settings.flowMode = c.mode;
        settings.tank1Mode = c.tank1;
        settings.tank2Mode = c.tank2;
        rates(300, 150);
        EXPECT_EQ(enduranceMinutes, c.minutes) << "configuration " << int(c.config);
    }
}

TEST_F(RangeEnduranceTest, LargeFiguresStopBelowTheNoFlowValue)
{
    settings.tank1Size = 999;
    tank1Level = 999;
    rates(1, 0); // 999 L at 0.1 L/h
    EXPECT_EQ(rangeValue, rangeMaximum);
    EXPECT_EQ(enduranceMinutes, rangeMaximum);

    // 51.3 L at 0.2 L/h and 511 mph: 131071 miles, which 16 bits would keep as 0xFFFF.
    settings.litreResolution = 1;
    settings.cruiseSpeed = 511;
    tank1Level = 513;
    rates(2, 0);
    EXPECT_EQ(rangeValue, rangeMaximum);
    EXPECT_EQ(enduranceMinutes, 513 * 60 / 2);
}

TEST_F(RangeEnduranceTest, HighFlowIsNotTakenForNoFlow)
{
    settings.tank1Size = 999;
    tank1Level = 999;
    rates(40000, 0); // 4000 L/h, negative as a signed 16-bit number
    EXPECT_EQ(rangeValue, 50 * 999 * 10 / 40000);
    EXPECT_EQ(enduranceMinutes, 999 * 600 / 40000);

    useFuelSystem({.flow2 = 1, .flowMode = flowModeSum});
    ASSERT_EQ(fuelConfig, 12);
    rates(40000, 40000); // the sum must not wrap
    EXPECT_EQ(enduranceMinutes, 999 * 600 / 80000);
    EXPECT_NE(rangeValue, rangeNoFlow);
}

} // namespace
