#include <gtest/gtest.h>

#include "core/alarms.h"
#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/fuel_flow.h"
#include "core/tank_level.h"
#include "tests/support/pilot.h"

namespace {

constexpr uint8_t sender = 0, calculated = 1, off = 2;

class TankLevelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        settings.tank1Filter = 0;
        settings.tank2Filter = 0;
        settings.pressure.lowAlarmOn = 0; // only the tank bits move in these stories
    }

    // Sets the "Fuel Level1" slider and runs one pass; returns tank 1's contents.
    static uint16_t tank1At(uint16_t reading)
    {
        moveSlider("level1", reading);
        pass();
        return tank1Level;
    }
};

TEST_F(TankLevelTest, FactoryCalibrationFallsFromEmptyToFull)
{
    EXPECT_EQ(tank1At(600), 13); // 9 + (9 x 80) / 160
    EXPECT_EQ(level1Raw, 600);
    EXPECT_EQ(tank1At(520), 18);
    EXPECT_EQ(tank1At(809), 0);
    EXPECT_EQ(tank1At(1500), 0);
    EXPECT_EQ(tank1At(251), 45);
    EXPECT_EQ(tank1At(0), 45);
    EXPECT_EQ(tank1At(252), 44); // truncated within the last fifth
}

TEST_F(TankLevelTest, RisingCalibrationAndSizesNotMultipleOfFive)
{
    const int16_t rising[6] = {100, 200, 300, 400, 500, 600};
    std::copy(rising, rising + 6, settings.tank1Cal);
    settings.tank1Size = 50;
    EXPECT_EQ(tank1At(250), 15);
    EXPECT_EQ(tank1At(100), 0);
    EXPECT_EQ(tank1At(50), 0);
    EXPECT_EQ(tank1At(600), 50);
    EXPECT_EQ(tank1At(4000), 50);

    // Fifths of 47 are cut to 9, so the contents reach 47 only at the last point.
    settings.tank1Size = 47;
    EXPECT_EQ(tank1At(599), 45);
    EXPECT_EQ(tank1At(600), 47);
}

TEST_F(TankLevelTest, CalibrationThatIsNotMonotonicStaysWithinItsSegment)
{
    const int16_t zigzag[6] = {100, 300, 200, 400, 500, 600};
    std::copy(zigzag, zigzag + 6, settings.tank1Cal);
    EXPECT_EQ(tank1At(250), 6);  // first segment 100..300 brackets it: 9 x 150 / 200
    const int16_t flat[6] = {500, 500, 500, 500, 500, 500};
    std::copy(flat, flat + 6, settings.tank1Cal);
    EXPECT_EQ(tank1At(499), 45);
    EXPECT_EQ(tank1At(500), 0);
    EXPECT_EQ(tank1At(501), 0);
}

TEST_F(TankLevelTest, EachTankReadsItsOwnSourceSettingsAndContents)
{
    settings.tank2Mode = sender;
    const int16_t rising[6] = {100, 200, 300, 400, 500, 600};
    std::copy(rising, rising + 6, settings.tank2Cal);
    settings.tank2Size = 50;
    moveSlider("level1", 600);
    moveSlider("level2", 250);
    vrax.level1 = 520;
    vrax.level2 = 600;
    pass();
    EXPECT_EQ(level1Raw, 600);
    EXPECT_EQ(level2Raw, 250);
    EXPECT_EQ(tank1Level, 13);
    EXPECT_EQ(tank2Level, 15);

    settings.dataSource = 1; // VRAX
    pass();
    EXPECT_EQ(level1Raw, 520);
    EXPECT_EQ(level2Raw, 600);
    EXPECT_EQ(tank1Level, 18);
    EXPECT_EQ(tank2Level, 50);
}

TEST_F(TankLevelTest, ReadingAbove3900FailsTheSenderButIsStillUsed)
{
    EXPECT_EQ(tank1At(3900), 0);
    EXPECT_EQ(level1Fail, 0);
    EXPECT_EQ(tank1At(3901), 0);
    EXPECT_EQ(level1Fail, 1);
    EXPECT_EQ(tank1At(600), 13);
    EXPECT_EQ(level1Fail, 0);

    // Only a SENDER tank can fail.
    settings.tank1Mode = calculated;
    tank1At(4096);
    EXPECT_EQ(level1Raw, 4096);
    EXPECT_EQ(level1Fail, 0);

    measureTankLevel(3); // no such tank: nothing is touched
    EXPECT_EQ(level1Raw, 4096);
}

TEST_F(TankLevelTest, ReadingsAboveTheSignedRangeReadEmptyOnAFallingSender)
{
    settings.dataSource = 1;
    vrax.level1 = 40000;
    pass();
    EXPECT_EQ(level1Fail, 1);
    EXPECT_EQ(tank1Level, 0);
}

TEST_F(TankLevelTest, FilterStepsFromAZeroAccumulator)
{
    struct Case {
        uint8_t filter;
        uint32_t acc[4]; // after each pass with a steady 800
    };
    const Case cases[] = {
        {1, {800, 1200, 1400, 1500}},  // v 400, 600, 700, 750
        {2, {800, 1500, 2112, 2648}},  // v 100, 187, 264, 331
        {3, {800, 1575, 2325, 3052}},  // v 25, 49, 72, 95
        {7, {800, 1575, 2325, 3052}},  // above HIGH acts as HIGH
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.filter});
        level1FilterAcc = 0;
        settings.tank1Filter = c.filter;
        for (uint32_t expected : c.acc) {
            tank1At(800);
            EXPECT_EQ(level1FilterAcc, expected);
        }
    }
}

TEST_F(TankLevelTest, FilteredReadingIsWhatTheCalibrationSees)
{
    settings.tank1Filter = 3;
    EXPECT_EQ(tank1At(600), 45); // v 18: a falling sender reads full while settling
    for (int pass = 0; pass < 300; ++pass)
        tank1At(600);
    EXPECT_EQ(level1FilterAcc, 600u * 32 - 31); // truncation settles one count low
    EXPECT_EQ(tank1Level, 13);
}

TEST_F(TankLevelTest, AccumulatorSurvivesPowerOnButNotProgramStart)
{
    settings.tank1Filter = 3;
    tank1At(800);
    tank1At(800);
    const uint32_t settled = level1FilterAcc;
    switchOn();
    EXPECT_EQ(level1FilterAcc, settled);
    programStart();
    EXPECT_EQ(level1FilterAcc, 0u);
}

TEST_F(TankLevelTest, TanksThatAreNotSendersKeepTheirContentsAndFilter)
{
    tank1At(600);
    level1FilterAcc = 1234;
    for (uint8_t mode : {calculated, off}) {
        settings.tank1Mode = mode;
        moveSlider("level1", 300);
        measureTankLevel(1);
        EXPECT_EQ(tank1Level, 13);
        EXPECT_EQ(level1FilterAcc, 1234u);
    }
}

TEST_F(TankLevelTest, LowFuelAlarmIsRaisedAcknowledgedAndClearedWithTheContents)
{
    EXPECT_EQ(tank1At(662), 10); // at the low-alarm level
    EXPECT_EQ(alarmFlags, alarmTank1Low);
    alarmAcked |= alarmTank1Low; // the pilot acknowledges
    tank1At(662);
    EXPECT_EQ(alarmFlags, alarmTank1Low);
    EXPECT_EQ(alarmAcked, alarmTank1Low);

    EXPECT_EQ(tank1At(644), 11); // one litre more ends it
    EXPECT_EQ(alarmFlags, 0u);
    EXPECT_EQ(alarmAcked, 0u);

    tank1At(662); // back again: unacknowledged
    EXPECT_EQ(alarmFlags, alarmTank1Low);
    EXPECT_EQ(alarmAcked, 0u);

    settings.tank1LowAlarmOn = 0;
    tank1At(662);
    EXPECT_EQ(alarmFlags, 0u);
}

TEST_F(TankLevelTest, HoldOffFreezesTheAlarmBitsBothWays)
{
    alarmHoldOff = 3;
    tank1At(800);
    EXPECT_EQ(alarmFlags, 0u);
    alarmHoldOff = 0;
    tank1At(800);
    alarmAcked |= alarmTank1Low;
    alarmHoldOff = 3;
    tank1At(300);
    EXPECT_EQ(alarmFlags, alarmTank1Low);
    EXPECT_EQ(alarmAcked, alarmTank1Low);
}

TEST_F(TankLevelTest, TankTwoAlarmUsesItsOwnBitAndCalculatedContents)
{
    settings.tank2Mode = calculated;
    tank2Level = 5;
    moveSlider("level1", 300); // tank 1 well above its low level
    pass();
    EXPECT_EQ(alarmFlags, alarmTank2Low);

    // An OFF tank keeps its contents but never alarms.
    alarmAcked = alarmTank2Low;
    settings.tank2Mode = off;
    tank2Level = 5;
    pass();
    EXPECT_EQ(tank2Level, 5);
    EXPECT_EQ(alarmFlags, 0u);
    EXPECT_EQ(alarmAcked, 0u);
}

} // namespace
