#include <gtest/gtest.h>

#include <initializer_list>

#include "core/alarms.h"
#include "core/fuel_pressure.h"
#include "core/keys_and_time.h"
#include "core/sender_curves.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "tests/support/pilot.h"

namespace {

constexpr uint8_t bar = 0, psi = 1, tenthPsi = 2;
constexpr uint8_t curveVdo = 0, curveUser = 1;

PressureCurve curveOf(std::initializer_list<CurvePoint> points)
{
    PressureCurve curve{};
    curve.count = static_cast<uint16_t>(points.size());
    int i = 0;
    for (const CurvePoint& p : points)
        curve.points[i++] = p;
    return curve;
}

class FuelPressureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        settings.tank1Mode = 2; // only the pressure bit moves in these stories
    }

    // Sets the "Fuel Pressure" slider and runs one pass; returns the pressure.
    static int16_t pressureAt(uint16_t reading)
    {
        moveSlider("pressure", reading);
        pass();
        return pressureValue;
    }

    static void useUserCurve(const PressureCurve& curve)
    {
        settings.pressure.curveKind = curveUser;
        settings.pressure.userCurve = curve;
    }
};

TEST_F(FuelPressureTest, FactorySenderInEachUnit)
{
    EXPECT_EQ(pressureAt(1184), 20); // 2.0 psi
    EXPECT_EQ(pressureRaw, 1184);
    EXPECT_EQ(pressureAt(928), 15);
    EXPECT_EQ(pressureAt(3490), 65);
    settings.pressure.unit = psi;
    EXPECT_EQ(pressureAt(1184), 2);
    settings.pressure.unit = bar;
    EXPECT_EQ(pressureAt(1184), 1);
}

TEST_F(FuelPressureTest, PsiTransducersInEachUnit)
{
    struct Case {
        uint8_t model;
        uint16_t reading;
        int16_t inBar, inPsi, inTenthPsi;
    };
    const Case cases[] = {
        {1, 1209, 7, 10, 100},   // N1EU35 at 10 psi
        {2, 895, 14, 20, 200},   // N1EU100 at 20 psi
        {2, 3456, 62, 90, 900},  // N1EU100 at its last point
        {9, 895, 14, 20, 200},   // a model past the list reads as the last
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reading);
        settings.pressure.umaModel = c.model;
        settings.pressure.unit = bar;
        EXPECT_EQ(pressureAt(c.reading), c.inBar);
        settings.pressure.unit = psi;
        EXPECT_EQ(pressureAt(c.reading), c.inPsi);
        settings.pressure.unit = tenthPsi;
        EXPECT_EQ(pressureAt(c.reading), c.inTenthPsi);
    }
}

TEST_F(FuelPressureTest, VdoSendersExtrapolateAndClamp)
{
    settings.pressure.curveKind = curveVdo;
    settings.pressure.unit = bar;
    EXPECT_EQ(pressureAt(216), 40);
    EXPECT_EQ(pressureAt(600), 155); // along the last segment
    EXPECT_EQ(pressureAt(0), 0);     // -4 along the first, held at 0
    settings.pressure.unit = psi;
    EXPECT_EQ(pressureAt(216), 58);
    settings.pressure.unit = tenthPsi;
    EXPECT_EQ(pressureAt(216), 580);
    EXPECT_EQ(pressureAt(4000), 999);

    settings.pressure.unit = bar;
    settings.pressure.vdoModel = 0;
    EXPECT_EQ(pressureAt(245), 10);
    settings.pressure.vdoModel = 1;
    EXPECT_EQ(pressureAt(212), 20);
}

TEST_F(FuelPressureTest, LinearSenderReadsTheLoopOrTheRemoteUnit)
{
    settings.pressure.senderType = 2;
    settings.dataSource = 1;
    for (auto [reading, expected] : {std::pair{960, 50}, {320, 0}, {100, 0}, {1601, 100}}) {
        vrax.pressure = static_cast<uint16_t>(reading);
        pass();
        EXPECT_EQ(pressureValue, expected) << reading;
    }

    // The instrument's own source takes the 4-20 mA loop, not the sender input.
    settings.dataSource = 0;
    EXPECT_EQ(pressureAt(4000), 0);
    EXPECT_EQ(pressureFail, 1);
    pressureLoopInput = 960;
    EXPECT_EQ(pressureAt(0), 50);
    EXPECT_EQ(pressureFail, 0);
}

TEST_F(FuelPressureTest, SourceSelectionAndSenderFailure)
{
    vrax.pressure = 1184;
    EXPECT_EQ(pressureAt(3900), 73);
    EXPECT_EQ(pressureFail, 0);
    settings.dataSource = 1;
    EXPECT_EQ(pressureAt(3900), 20);
    EXPECT_EQ(pressureRaw, 1184);
    settings.dataSource = 0;
    EXPECT_EQ(pressureAt(4000), 75);
    EXPECT_EQ(pressureFail, 1);
}

TEST_F(FuelPressureTest, AlarmLimitsIncludeEqualityAndFollowThreeStates)
{
    pressureAt(928); // 15: at the low limit
    EXPECT_EQ(alarmFlags, alarmPressure);
    alarmAcked = alarmPressure;
    pressureAt(1184); // 20: within limits
    EXPECT_EQ(alarmFlags, 0u);
    EXPECT_EQ(alarmAcked, 0u);

    settings.pressure.unit = psi;
    settings.pressure.umaModel = 2;
    settings.pressure.highAlarm = 60;
    pressureAt(2357); // 60 psi: at the high limit
    EXPECT_EQ(alarmFlags, alarmPressure);
    settings.pressure.highAlarmOn = 0;
    pressureAt(2357);
    EXPECT_EQ(alarmFlags, 0u);
    settings.pressure.lowAlarmOn = 0;
    pressureAt(0);
    EXPECT_EQ(alarmFlags, 0u);

    settings.pressure.lowAlarmOn = 1;
    alarmHoldOff = 2;
    pressureAt(0);
    EXPECT_EQ(alarmFlags, 0u);
    EXPECT_EQ(pressureValue, 0);
}

TEST_F(FuelPressureTest, UserCurveRisingOrFallingIsInTheChosenUnit)
{
    useUserCurve(curveOf({{500, 100}, {300, 200}, {0, 400}}));
    for (uint8_t unit : {bar, psi, tenthPsi}) {
        settings.pressure.unit = unit;
        EXPECT_EQ(pressureAt(150), 400);
        EXPECT_EQ(pressureAt(300), 150);
        EXPECT_EQ(pressureAt(50), 600);  // beyond the first point
        EXPECT_EQ(pressureAt(500), 0);   // -150 beyond the last, held at 0
    }
    useUserCurve(curveOf({{0, 100}, {5000, 200}}));
    EXPECT_EQ(pressureAt(300), 999);
}

TEST_F(FuelPressureTest, NonMonotonicCurveUsesTheFirstSegmentThatBracketsTheReading)
{
    useUserCurve(curveOf({{0, 100}, {50, 300}, {80, 200}, {100, 400}}));
    EXPECT_EQ(pressureAt(250), 38); // 37.5 on the first segment
    EXPECT_EQ(pressureAt(350), 95); // on the last, the middle one runs down
}

TEST_F(FuelPressureTest, UserPointsSharingOneReadingKeepThePressure)
{
    EXPECT_EQ(pressureAt(1184), 20);
    useUserCurve(curveOf({{0, 100}, {10, 100}, {100, 300}})); // taken as falling
    EXPECT_EQ(pressureAt(150), 20);
    useUserCurve(curveOf({{0, 100}, {90, 300}, {100, 300}}));
    EXPECT_EQ(pressureAt(200), 45);
    EXPECT_EQ(pressureAt(350), 45);
    EXPECT_EQ(interpolateLine(300, 300, 90, 100, 350), 90);
}

TEST_F(FuelPressureTest, UserCurvePointCountNeverReachesPastTheCurve)
{
    EXPECT_EQ(pressureAt(1184), 20);
    PressureCurve curve = curveOf({{0, 100}, {100, 200}});
    curve.points[2] = {999, 150}; // a stray point beyond the count
    for (uint16_t count : {0, 1, 0x0101}) {
        curve.count = count;
        useUserCurve(curve);
        EXPECT_EQ(pressureAt(150), 20) << count;
    }
    curve.count = 0x0302; // the low byte says two points
    useUserCurve(curve);
    EXPECT_EQ(pressureAt(150), 50);

    // A count past 16 uses all 16 points and nothing beyond them.
    for (int i = 0; i < 16; ++i)
        curve.points[i] = {static_cast<int16_t>(10 * i), static_cast<int16_t>(100 + 10 * i)};
    curve.count = 0xFF;
    useUserCurve(curve);
    EXPECT_EQ(pressureAt(300), 200); // extrapolated along points 14 and 15
}

TEST_F(FuelPressureTest, SteepUserCurveFarOffItsEndsStillClamps)
{
    useUserCurve(curveOf({{0, 0}, {30000, 1}}));
    EXPECT_EQ(pressureAt(4096), 999);
    useUserCurve(curveOf({{0, 0}, {-30000, 1}}));
    EXPECT_EQ(pressureAt(4096), 0);
}

TEST_F(FuelPressureTest, LineRoundsHalfAwayFromZeroAfterCuttingToTenths)
{
    EXPECT_EQ(interpolateLine(0, 10, 0, 5, 1), 1);    // 0.5
    EXPECT_EQ(interpolateLine(0, 10, 0, 5, -1), -1);  // -0.5
    EXPECT_EQ(interpolateLine(0, 100, 0, 4, 11), 0);  // 0.44
    EXPECT_EQ(interpolateLine(0, 100, 0, -4, 11), 0); // -0.44
    EXPECT_EQ(interpolateLine(0, 1000, 0, 1, 149), 0); // 0.149 cut to 0.1
}

} // namespace
