// The sender conversions without side effects agree with the measurements
// over each input's whole range, in the set-ups that change the arithmetic,
// and leave every measured value alone.
#include <gtest/gtest.h>

#include <cstring>

#include "core/fuel_flow.h"
#include "core/fuel_pressure.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/tank_level.h"
#include "tests/support/pilot.h"

namespace {

constexpr uint16_t converterTop = 4096;

class SenderConversions : public ::testing::Test {
protected:
    void SetUp() override { powerOn(); }
};

TEST_F(SenderConversions, CalibrationContentsMatchTheLevelMeasurement)
{
    struct Tank {
        int16_t size;
        int16_t cal[6];
    };
    const Tank tanks[] = {
        {45, {809, 680, 520, 427, 356, 251}},  // the factory's falling sender
        {47, {100, 200, 300, 400, 500, 600}},  // rising, a size not a multiple of five
        {999, {3900, 3000, 2000, 1500, 200, 0}}, // the largest size, across the scale
        {60, {100, 400, 300, 500, 450, 900}},  // points out of order
    };
    settings.tank1Filter = 0;
    for (const Tank& tank : tanks) {
        SCOPED_TRACE(tank.size);
        settings.tank1Size = tank.size;
        std::memcpy(settings.tank1Cal, tank.cal, sizeof tank.cal);
        for (uint16_t reading = 0; reading <= converterTop; ++reading) {
            level1Input = reading;
            const uint16_t levelBefore = tank1Level;
            const int32_t contents = contentsFromCalibration(settings.tank1Cal, tank.size, reading);
            ASSERT_EQ(tank1Level, levelBefore) << "the conversion changed the measurement";
            measureTankLevel(1);
            ASSERT_EQ(tank1Level, contents) << "reading " << reading;
        }
    }
    EXPECT_EQ(contentsFromCalibration(tanks[0].cal, 45, 600), 13);
    EXPECT_EQ(contentsFromCalibration(tanks[1].cal, 50, 250), 15);
}

TEST_F(SenderConversions, FlowRateMatchesTheFlowMeasurementAndTouchesNoTotal)
{
    struct SetUp {
        uint8_t units, senderType, dataSource;
        uint16_t kFactor;
        uint32_t vraxPeriod; // 0.1 ms; 0: no valid period
    };
    const SetUp setUps[] = {
        {0, flowSenderPulse, dataSourceInternal, 7000, 0},
        {1, flowSenderPulse, dataSourceInternal, 7000, 0},   // gallons: K 26497
        {0, flowSenderPulse, dataSourceInternal, 10, 0},     // saturates early
        {0, flowSenderPulse, dataSourceInternal, 60000, 0},
        {0, flowSenderPulse, dataSourceVrax, 7000, 40000},   // a 4-second VRAX period
        {0, flowSenderPulse, dataSourceVrax, 7000, 12345},
        {3, flowSenderPulse, dataSourceVrax, 3000, 0},       // no period: no flow
    };
    for (const SetUp& s : setUps) {
        SCOPED_TRACE(testing::Message() << "K " << s.kFactor << ", units " << int(s.units) << ", period "
                                        << s.vraxPeriod);
        settings.units = s.units;
        settings.flowSenderType = s.senderType;
        settings.dataSource = s.dataSource;
        settings.kFactor1 = s.kFactor;
        vraxFlowValid = s.vraxPeriod != 0 ? 1 : 0;
        vraxFlowPeriod = s.vraxPeriod;
        for (uint32_t pulses = 0; pulses <= 65535; pulses += 37) {
            flow1Input = vrax.flow1 = static_cast<uint16_t>(pulses);
            const uint32_t usedBefore = used1Pulses;
            const uint16_t rate = flowRateFromSample(flowPeriodFactor(), flow1Input, kFactorInUnits(s.kFactor));
            ASSERT_EQ(used1Pulses, usedBefore);
            measureFuelFlow();
            ASSERT_EQ(flowRate1, rate) << pulses << " pulses";
        }
    }
    EXPECT_EQ(flowRateFromSample(ratePerPeriodPulse, 60000, 7000), 0xFFFF);
    EXPECT_EQ(flowRateFromSample(0, 60000, 7000), 0);
}

PressureCurve twoPoints(int16_t value0, int16_t adc0, int16_t value1, int16_t adc1)
{
    PressureCurve curve{};
    curve.count = 2;
    curve.points[0] = {value0, adc0};
    curve.points[1] = {value1, adc1};
    return curve;
}

// Each sender family in each unit: the pressure the conversion gives at
// a reading is the one the measurement shows, clamped alike; where the
// curve gives no line the conversion says so and the measurement keeps
// the last pressure.
TEST_F(SenderConversions, PressureAtReadingMatchesThePressureMeasurement)
{
    struct SetUp {
        uint8_t curveKind, senderType, umaModel, vdoModel, dataSource;
        PressureCurve user;
    };
    const PressureCurve factoryUser = settings.pressure.userCurve;
    const SetUp setUps[] = {
        {pressureCurveBySender, pressureSenderUma, 0, 0, dataSourceInternal, factoryUser},
        {pressureCurveBySender, pressureSenderUma, 1, 0, dataSourceInternal, factoryUser},
        {pressureCurveBySender, pressureSenderUma, 2, 0, dataSourceVrax, factoryUser},
        {pressureCurveVdoModel, pressureSenderVdo, 0, 0, dataSourceInternal, factoryUser},
        {pressureCurveVdoModel, pressureSenderVdo, 0, 2, dataSourceInternal, factoryUser},
        {pressureCurveUser, pressureSenderUma, 0, 0, dataSourceInternal, factoryUser},
        {pressureCurveUser, pressureSenderUma, 0, 0, dataSourceInternal, twoPoints(0, 300, 90, 300)},
        {pressureCurveBySender, pressureSenderLinear, 0, 0, dataSourceInternal, factoryUser},
        {pressureCurveBySender, pressureSenderLinear, 0, 0, dataSourceVrax, factoryUser},
    };
    for (const SetUp& s : setUps) {
        for (uint8_t unit = 0; unit <= 2; ++unit) {
            SCOPED_TRACE(testing::Message() << "curve " << int(s.curveKind) << ", sender " << int(s.senderType)
                                            << ", models " << int(s.umaModel) << "/" << int(s.vdoModel)
                                            << ", source " << int(s.dataSource) << ", unit " << int(unit));
            settings.pressure.curveKind = s.curveKind;
            settings.pressure.senderType = s.senderType;
            settings.pressure.umaModel = s.umaModel;
            settings.pressure.vdoModel = s.vdoModel;
            settings.pressure.userCurve = s.user;
            settings.pressure.unit = unit;
            settings.dataSource = s.dataSource;
            pressureValue = 77;
            for (uint16_t reading = 0; reading <= converterTop; ++reading) {
                pressureInput = vrax.pressure = pressureLoopInput = reading;
                const int16_t before = pressureValue;
                int32_t value = -1;
                const bool converted = pressureAtReading(reading, value);
                ASSERT_EQ(pressureValue, before);
                measurePressure();
                ASSERT_EQ(pressureValue, converted ? value : before) << "reading " << reading;
                ASSERT_TRUE(!converted || (value >= 0 && value <= 999)) << value;
            }
        }
    }
}

} // namespace
