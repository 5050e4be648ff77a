#include <gtest/gtest.h>

#include <cmath>

#include "display/trig.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

class TrigArcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        programStart();
        buildTrigTables();
    }
};

TEST_F(TrigArcTest, TablesHoldSineAndCosineOfWholeDegreesOnBothSides)
{
    EXPECT_FLOAT_EQ(sinDeg(-90), -1.0f);
    EXPECT_FLOAT_EQ(cosDeg(360), 1.0f);
    EXPECT_FLOAT_EQ(sinDeg(90), 1.0f);
    EXPECT_FLOAT_EQ(cosDeg(-180), -1.0f);
    EXPECT_EQ(sinDeg(30), static_cast<float>(std::sin(30 * 0.017453292519943295)));
    EXPECT_EQ(sinDeg(-30), -sinDeg(30));
    EXPECT_EQ(cosDeg(-45), cosDeg(45));
}

TEST_F(TrigArcTest, AnglesBeyondOneTurnReadTheSameAsWithinIt)
{
    EXPECT_EQ(sinDeg(400), sinDeg(40));
    EXPECT_EQ(cosDeg(-400), cosDeg(-40));
    EXPECT_EQ(sinDeg(INT16_MAX), sinDeg(INT16_MAX % 360));
    EXPECT_EQ(cosDeg(INT16_MIN), cosDeg(INT16_MIN % 360));
}

TEST_F(TrigArcTest, KnobArcRunsOverTheTopFromLeftToRightWithoutItsEndAngle)
{
    drawArc(80, 124, 20, 220, 320, 15);
    const Points lit = litPixels();
    EXPECT_TRUE(lit.count({65, 112}));  // 220 degrees
    EXPECT_TRUE(lit.count({80, 104}));  // 270, straight up
    EXPECT_TRUE(lit.count({95, 111}));  // 319, the last dot
    EXPECT_FALSE(lit.count({95, 112})); // 320 is not plotted
    for (const auto& [x, y] : lit) {
        EXPECT_TRUE(x >= 65 && x <= 95) << x;
        EXPECT_TRUE(y >= 104 && y <= 112) << y;
    }
}

TEST_F(TrigArcTest, OffsetsTruncateTowardZero)
{
    // 220 degrees at radius 20 is (-15.32, -12.86): rounding would give (-15, -13).
    drawArc(80, 124, 20, 220, 221, 15);
    EXPECT_EQ(litPixels(), (Points{{65, 112}}));
}

TEST_F(TrigArcTest, ArcThatDoesNotRunForwardsPlotsOnlyItsFirstDot)
{
    drawArc(80, 60, 20, 90, 90, 15);
    EXPECT_EQ(litPixels(), (Points{{80, 80}}));
    clearFrameBuffer();
    drawArc(80, 60, 20, 100, -300, 15); // (-3.47, 19.70)
    EXPECT_EQ(litPixels(), (Points{{77, 79}}));
    clearFrameBuffer();
    drawArc(80, 60, 20, 360, 370, 15); // past the tables' last angle
    EXPECT_FALSE(litPixels().empty());
}

TEST_F(TrigArcTest, HugeRadiusStaysOffTheDisplayInsteadOfWrappingIntoIt)
{
    drawArc(80, 60, 65535, 0, 360, 15);
    EXPECT_TRUE(litPixels().empty());
}

} // namespace
