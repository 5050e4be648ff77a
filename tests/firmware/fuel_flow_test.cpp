#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "core/fuel_flow.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "sim/storage_hooks.h"
#include "tests/support/pilot.h"

namespace {

constexpr uint32_t maxSignedPulses = std::numeric_limits<int32_t>::max();

class FuelFlowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
    }
    // The flow measurement alone, as many times as passes would run it.
    static void measureTimes(int count)
    {
        for (int i = 0; i < count; ++i)
            measureFuelFlow();
    }
};

TEST_F(FuelFlowTest, LitreFlowAndTotalsAdvanceOncePerPass)
{
    flow1Input = 7000;
    uint32_t storesBefore = storeTotalsCalls;
    measureTimes(3);
    EXPECT_EQ(flowRate1, 9000); // 900.0 L/h
    EXPECT_EQ(used1Pulses, 21000u);
    EXPECT_EQ(fuelUsed1, 3u);
    EXPECT_EQ(storeTotalsCalls, storesBefore + 3);

    flow1Input = 100;
    used1Pulses = 0;
    measureFuelFlow();
    EXPECT_EQ(flowRate1, 128);
    EXPECT_EQ(used1Pulses, 99u); // two truncating divisions lose a pulse
    EXPECT_EQ(fuelUsed1, 0u);

    storesBefore = storeTotalsCalls;
    flow1Input = 0;
    measureTimes(2);
    EXPECT_EQ(storeTotalsCalls, storesBefore) << "nothing changed, nothing stored";
}

TEST_F(FuelFlowTest, GallonUnitsCountTenPerPulse)
{
    settings.units = 1; // GAL/SM
    EXPECT_EQ(kFactorInUnits(7000), 26497u);
    flow1Input = 7000;
    measureFuelFlow();
    EXPECT_EQ(flowRate1, 2377); // 237.7 gal/h
    EXPECT_EQ(used1Pulses, 69980u);
    EXPECT_EQ(fuelUsed1, 2u); // 0.2 gal
}

TEST_F(FuelFlowTest, BothChannelsAreMeasuredWhateverTheirEnableSetting)
{
    settings.kFactor2 = 3500;
    flow2Input = 3500;
    measureFuelFlow();
    EXPECT_EQ(flow2Sample, 3500);
    EXPECT_EQ(flowRate2, 9000);
    EXPECT_EQ(used2Pulses, 3500u);
    EXPECT_EQ(fuelUsed2, 1u);
}

TEST_F(FuelFlowTest, InjectorDutyFromDecayingTimingCounts)
{
    settings.flowSenderType = flowSenderInjector;
    flow1Input = 7000; // ignored in injector mode
    measureFuelFlow();
    EXPECT_EQ(flow1Sample, 0);
    EXPECT_EQ(flowRate1, 0);
    EXPECT_EQ(flowRate2, 0);

    injectorCounts[0] = 8 * 250;
    injectorCounts[1] = 8 * 750;
    injectorCounts[2] = 8 * 600;
    injectorCounts[3] = 8 * 400;
    measureFuelFlow();
    EXPECT_EQ(injectorCounts[0], 250u);
    EXPECT_EQ(flow1Sample, 250);
    EXPECT_EQ(flow2Sample, 600);
    EXPECT_EQ(flowRate1, 250 * 9000 / 70000);

    settings.injectorPolarity = injectorActiveHigh;
    injectorCounts[0] = 8 * 250;
    injectorCounts[1] = 8 * 750;
    measureFuelFlow();
    EXPECT_EQ(flow1Sample, 750);

    // Large counts must not wrap the duty arithmetic.
    injectorCounts[0] = 0xFFFFFFF8;
    injectorCounts[1] = 0;
    settings.injectorPolarity = 0;
    measureFuelFlow();
    EXPECT_EQ(flow1Sample, 1000);
}

TEST_F(FuelFlowTest, VraxRatesNeedAValidNonZeroPeriod)
{
    settings.dataSource = dataSourceVrax;
    vrax.flow1 = 7000;
    measureFuelFlow();
    EXPECT_EQ(flow1Sample, 7000);
    EXPECT_EQ(flowRate1, 0);
    EXPECT_EQ(used1Pulses, 0u);

    vraxFlowValid = 1;
    vraxFlowPeriod = 0; // would divide by zero
    measureFuelFlow();
    EXPECT_EQ(flowRate1, 0);

    vraxFlowPeriod = 40000; // a 4-second period
    measureFuelFlow();
    EXPECT_EQ(flowRate1, 9000);
    EXPECT_EQ(used1Pulses, 7000u);

    vraxFlowPeriod = 100; // a product beyond 32 bits: the rate saturates
    measureFuelFlow();
    EXPECT_EQ(flowRate1, 65535);

    settings.flowSenderType = flowSenderInjector;
    settings.injectorPolarity = injectorActiveHigh;
    vrax.duty1 = 300;
    vrax.duty2 = 1001;
    measureFuelFlow();
    EXPECT_EQ(flow1Sample, 700);
    EXPECT_EQ(flow2Sample, 0);
}

TEST_F(FuelFlowTest, CalculatedTankDrainsAndStaysWithinItsSize)
{
    useFuelSystem({1, 0, tankModeCalculated, tankModeOff, flowModeDual});
    tank1Pulses = 315000;
    measureFuelFlow();
    EXPECT_EQ(tank1Level, 45);

    settings.litreResolution = 1; // 450 tenths, held at the size
    measureFuelFlow();
    EXPECT_EQ(tank1Level, 45);
    settings.litreResolution = 0;

    flow1Input = 7000;
    measureFuelFlow();
    EXPECT_EQ(tank1Pulses, 308000u);
    EXPECT_EQ(tank1Level, 44);

    tank1Pulses = 10500; // 1.5 L rounds to 2
    flow1Input = 0;
    measureFuelFlow();
    EXPECT_EQ(tank1Level, 2);

    flow1Input = 20000;
    measureTimes(2);
    EXPECT_EQ(tank1Pulses, 0u);
    EXPECT_EQ(tank1Level, 0);
}

TEST_F(FuelFlowTest, OneFlowFeedsBothCalculatedTanks)
{
    useFuelSystem({1, 0, tankModeCalculated, tankModeCalculated, flowModeDual});
    ASSERT_EQ(fuelConfig, 14);
    tank1Pulses = tank2Pulses = 315000;
    flow1Input = 7000;
    measureFuelFlow();
    EXPECT_EQ(tank1Pulses, 308000u);
    EXPECT_EQ(tank2Pulses, 308000u);
    EXPECT_EQ(used2Pulses, 7000u);
}

TEST_F(FuelFlowTest, SupplyAndReturnLinesDrainTheTankByTheirDifference)
{
    useFuelSystem({1, 1, tankModeCalculated, tankModeOff, flowModeDiff});
    ASSERT_EQ(fuelConfig, 12);
    tank1Pulses = 280000; // 40 L
    flow1Input = 7000;
    flow2Input = 2100;
    measureFuelFlow();
    EXPECT_EQ(tank1Pulses, 280000u - 7000 + 2100);

    settings.flowMode = flowModeSum;
    deriveFuelConfig();
    tank1Pulses = 280000;
    measureFuelFlow();
    EXPECT_EQ(tank1Pulses, 280000u - 7000 - 2100);

    // More returned than drawn: the contents rise but never read above the size.
    settings.flowMode = flowModeDiff;
    tank1Pulses = 315000;
    flow1Input = 0;
    measureFuelFlow();
    EXPECT_EQ(tank1Pulses, 315000u + 2100);
    EXPECT_EQ(tank1Level, 45);
}

TEST_F(FuelFlowTest, SecondTankUsesTheFirstFlowInItsOwnKFactor)
{
    useFuelSystem({1, 1, tankModeOff, tankModeCalculated, flowModeDiff});
    ASSERT_EQ(fuelConfig, 13);
    tank2Pulses = 280000;
    flow1Input = 7000;
    flow2Input = 2100;
    measureFuelFlow();
    EXPECT_EQ(tank2Pulses, 280000u - 7000 + 2100);

    // A sender tank beside it: configuration 11 crosses the flows the same way.
    useFuelSystem({1, 1, tankModeSender, tankModeCalculated, flowModeSum});
    ASSERT_EQ(fuelConfig, 11);
    tank2Pulses = 280000;
    measureFuelFlow();
    EXPECT_EQ(tank2Pulses, 280000u - 7000 - 2100);

    settings.flowMode = flowModeDual; // stale code 11 with DUAL: the tank holds
    measureFuelFlow();
    EXPECT_EQ(tank2Pulses, 280000u - 7000 - 2100);
}

TEST_F(FuelFlowTest, ResetClearsFuelUsedButNotTheTanks)
{
    useFuelSystem({1, 0, tankModeCalculated, tankModeOff, flowModeDual});
    tank1Pulses = 315000;
    flow1Input = 7000;
    flow2Input = 7000;
    measureTimes(2);
    uint32_t storesBefore = storeTotalsCalls;
    resetFuelUsed();
    EXPECT_EQ(used1Pulses, 0u);
    EXPECT_EQ(used2Pulses, 0u);
    EXPECT_EQ(fuelUsed1, 0u);
    EXPECT_EQ(fuelUsed2, 0u);
    EXPECT_EQ(tank1Pulses, 301000u);
    EXPECT_EQ(storeTotalsCalls, storesBefore + 1);
}

TEST(RoundDiv10, RoundsHalfAwayFromZero)
{
    const int32_t cases[][2] = {{0, 0}, {4, 0}, {5, 1}, {14, 1}, {15, 2}, {25, 3}, {-4, 0},
                                {-5, -1}, {-15, -2}, {-25, -3}, {4505, 451}, {4504, 450}};
    for (const auto& c : cases)
        EXPECT_EQ(roundDiv10(c[0]), c[1]) << c[0];
}

TEST_F(FuelFlowTest, ManualLevelPulsesReadBackAsTheEnteredLevel)
{
    useFuelSystem({1, 0, tankModeCalculated, tankModeOff, flowModeDual});
    EXPECT_EQ(tankPulsesForLevel(31, 7000), 217000u);
    settings.litreResolution = 1;
    EXPECT_EQ(tankPulsesForLevel(45, 7000), 31500u);
    settings.units = 1;
    EXPECT_EQ(tankPulsesForLevel(125, 7000), 331212u);

    settings.tank1Size = 999;
    tank1Pulses = tankPulsesForLevel(125, 7000);
    measureFuelFlow();
    EXPECT_EQ(tank1Level, 125);
}

// Faults of the plain 32-bit arithmetic that the measurement must not show.

TEST_F(FuelFlowTest, LargestKFactorsDoNotWrap)
{
    settings.flowSenderType = flowSenderInjector;
    settings.units = 1;
    EXPECT_EQ(kFactorInUnits(60000), 2271240u);

    // A full 99.9 gal tank with that K-factor reads full, not empty or small.
    useFuelSystem({1, 0, tankModeCalculated, tankModeOff, flowModeDual});
    settings.tank1Size = 999;
    tank1Pulses = tankPulsesForLevel(999, 60000);
    EXPECT_EQ(tank1Pulses, 226896876u);
    measureFuelFlow();
    EXPECT_EQ(tank1Level, 999);

    // The same in whole litres: 999 L at 600000 pulses per litre.
    settings.units = 0;
    tank1Pulses = tankPulsesForLevel(999, 60000);
    EXPECT_EQ(tank1Pulses, 599400000u);
    measureFuelFlow();
    EXPECT_EQ(tank1Level, 999);

    // Even a level beyond any tank size stays a positive signed count.
    EXPECT_EQ(tankPulsesForLevel(60000, 60000), maxSignedPulses);
}

TEST_F(FuelFlowTest, ReturnFlowCannotWrapAFullTankToEmpty)
{
    useFuelSystem({1, 1, tankModeCalculated, tankModeOff, flowModeDiff});
    tank1Pulses = maxSignedPulses - 1000;
    flow2Input = 7000;
    measureFuelFlow();
    EXPECT_EQ(tank1Pulses, maxSignedPulses);
    EXPECT_EQ(tank1Level, 45);
}

TEST_F(FuelFlowTest, CrossFlowAbove16BitsIsNotTruncated)
{
    useFuelSystem({1, 1, tankModeCalculated, tankModeOff, flowModeSum});
    settings.kFactor1 = 14000;
    tank1Pulses = 1000000;
    flow2Input = 40000;
    measureFuelFlow();
    ASSERT_EQ(flowRate2, 51428);
    EXPECT_EQ(tank1Pulses, 1000000u - 14000u * 51428 / 9000); // 79998 pulses of flow 2
}

TEST_F(FuelFlowTest, UsedPulsesSaturateInsteadOfWrapping)
{
    used1Pulses = 0xFFFFFFFF - 100;
    flow1Input = 7000;
    measureFuelFlow();
    EXPECT_EQ(used1Pulses, 0xFFFFFFFFu);
    EXPECT_EQ(fuelUsed1, 0xFFFFFFFFu / 7000);

    settings.units = 1;
    used2Pulses = 0xFFFFFFFF - 100;
    flow2Input = 7000;
    measureFuelFlow();
    EXPECT_EQ(used2Pulses, 0xFFFFFFFFu);
}

TEST_F(FuelFlowTest, HighFlowRatesSaturate)
{
    flow1Input = 50972; // 6553.5 L/h, the last rate that fits
    flow2Input = 50973; // would wrap to 0
    measureFuelFlow();
    EXPECT_EQ(flowRate1, 65535);
    EXPECT_EQ(flowRate2, 65535);
    EXPECT_EQ(used2Pulses, 7000u * 65535 / 9000);
}

TEST_F(FuelFlowTest, ZeroKFactorReadsAsNoFlow)
{
    settings.kFactor1 = 0; // never left by the set-up screens; must not crash
    flow1Input = 7000;
    measureFuelFlow();
    EXPECT_EQ(flowRate1, 0);
    EXPECT_EQ(fuelUsed1, 0u);
}

} // namespace
