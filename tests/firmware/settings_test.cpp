#include <gtest/gtest.h>

#include "core/fuel_flow.h"
#include "core/settings.h"
#include "sim/storage_hooks.h"
#include "tests/support/pilot.h"

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
    }
};

TEST_F(SettingsTest, PowerOnGivesFactorySettingsAndTheTenBarUserCurve)
{
    EXPECT_EQ(fuelConfig, 0);
    EXPECT_EQ(settings.tank2Mode, tankModeOff);
    EXPECT_EQ(settings.tank2Cal[5], 251);
    EXPECT_EQ(settings.pressure.vdoModel, 2);

    const PressureCurve& curve = settings.pressure.userCurve;
    const CurvePoint expected[] = {{0, 20}, {20, 128}, {40, 216}, {60, 304}, {80, 372}, {100, 433}};
    ASSERT_EQ(curve.count, 6);
    for (int i = 0; i < 16; ++i) {
        CurvePoint want = i < 6 ? expected[i] : CurvePoint{0, 0};
        EXPECT_EQ(curve.points[i].value, want.value) << "point " << i;
        EXPECT_EQ(curve.points[i].adc, want.adc) << "point " << i;
    }
    EXPECT_GE(storeSettingsCalls, 1u);
}

TEST_F(SettingsTest, DefaultsRestoreSettingsButNotSpareTotalsOrContents)
{
    settings.pressure.spare = 3;
    settings.kFactor1 = 12345;
    settings.units = 3;
    settings.pressure.userCurve.count = 2;
    used1Pulses = 70000;
    fuelUsed1 = 10;
    tank1Pulses = 217000;
    tank1Level = 31;
    uint32_t storesBefore = storeSettingsCalls;

    loadFactoryDefaults();

    EXPECT_EQ(settings.kFactor1, 7000);
    EXPECT_EQ(settings.units, 0);
    EXPECT_EQ(settings.pressure.userCurve.count, 6);
    EXPECT_EQ(settings.pressure.spare, 3);
    EXPECT_EQ(used1Pulses, 70000u);
    EXPECT_EQ(fuelUsed1, 10u);
    EXPECT_EQ(tank1Pulses, 217000u);
    EXPECT_EQ(tank1Level, 31);
    EXPECT_EQ(storeSettingsCalls, storesBefore + 1);
}

struct ConfigCase {
    uint8_t flow1, flow2, flowMode, tank1, tank2;
    uint8_t code;
};

constexpr uint8_t S = tankModeSender, C = tankModeCalculated, O = tankModeOff;
constexpr uint8_t dual = flowModeDual, diff = flowModeDiff, sum = flowModeSum;

TEST_F(SettingsTest, ConfigurationCodeCoversEveryRule)
{
    const ConfigCase cases[] = {
        // no flow
        {0, 0, dual, S, S, 4}, {0, 0, dual, S, O, 2}, {0, 0, dual, O, S, 3},
        {0, 0, dual, O, O, 9}, {0, 0, dual, C, O, 9}, {0, 0, dual, S, C, 9},
        // flow, no tank
        {1, 1, dual, O, O, 7}, {1, 1, diff, O, O, 8}, {1, 1, sum, O, O, 8},
        {1, 0, dual, O, O, 5}, {0, 1, sum, O, O, 6},
        // both flows with tanks
        {1, 1, dual, S, C, 10}, {1, 1, diff, C, C, 11}, {1, 1, sum, S, S, 11},
        {1, 1, diff, S, O, 12}, {1, 1, dual, S, O, 9},
        {1, 1, sum, O, C, 13}, {1, 1, dual, O, S, 9},
        // one flow with tanks
        {1, 0, dual, S, S, 11}, {0, 1, diff, S, S, 11},
        {1, 0, dual, C, S, 14}, {0, 1, dual, S, C, 14},
        {1, 0, dual, C, O, 0}, {1, 0, dual, O, S, 9},
        {0, 1, dual, O, C, 1}, {0, 1, dual, S, O, 9},
    };
    for (const ConfigCase& c : cases) {
        useFuelSystem({c.flow1, c.flow2, c.tank1, c.tank2, c.flowMode});
        EXPECT_EQ(fuelConfig, c.code) << "flows " << int(c.flow1) << int(c.flow2) << " mode " << int(c.flowMode)
                                      << " tanks " << int(c.tank1) << int(c.tank2);
    }
}

TEST_F(SettingsTest, OneFlowWithACalculatedTankGivesBothChannelsItsKFactor)
{
    settings.kFactor1 = 6000;
    settings.kFactor2 = 9000;
    settings.tank1Mode = C;
    settings.tank2Mode = S;
    deriveFuelConfig();
    EXPECT_EQ(fuelConfig, 14);
    EXPECT_EQ(settings.kFactor2, 6000);

    settings.flow1Enabled = 0;
    settings.flow2Enabled = 1;
    settings.kFactor2 = 9000;
    deriveFuelConfig();
    EXPECT_EQ(settings.kFactor1, 9000);

    settings.kFactor1 = 6000;
    settings.tank1Mode = S;
    deriveFuelConfig(); // both tanks SENDER: no K-factor is copied
    EXPECT_EQ(fuelConfig, 11);
    EXPECT_EQ(settings.kFactor1, 6000);
    EXPECT_EQ(settings.kFactor2, 9000);
}

TEST_F(SettingsTest, FlowWithoutTanksFallsBackToWholeLitres)
{
    settings.litreResolution = 1;
    deriveFuelConfig();
    EXPECT_EQ(settings.litreResolution, 1); // a tank is in use

    settings.tank1Mode = O;
    deriveFuelConfig();
    EXPECT_EQ(fuelConfig, 5);
    EXPECT_EQ(settings.litreResolution, 0);

    settings.litreResolution = 1;
    settings.flow2Enabled = 1;
    deriveFuelConfig();
    EXPECT_EQ(fuelConfig, 7);
    EXPECT_EQ(settings.litreResolution, 0);
}

} // namespace
