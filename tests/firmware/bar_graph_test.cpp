#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "core/settings.h"
#include "display/bar_graphs.h"
#include "display/framebuffer.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

constexpr uint8_t red = 9, green = 10, yellow = 11, white = 15;

class BarGraphTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        programStart();
        // The worked example: a bar at columns 10..110, rows 50..56, scale 1.0.
        barGraph = BarGraph{10, 50, 100, 6, 75, 100, 0, 20, 40, 0, 0};
    }
    // First and last column of a row holding this colour, or {-1, -1}.
    static std::pair<int, int> span(uint8_t colour, int y)
    {
        int first = -1, last = -1;
        for (int x = 0; x < displayWidth; ++x)
            if (pixelAt(x, y) == colour) {
                if (first < 0)
                    first = x;
                last = x;
            }
        return {first, last};
    }
    static std::pair<int, int> markerColumns(int y = 48) { return span(white, y); }
    static bool rowHasZoneColours(int y)
    {
        return span(red, y).first >= 0 || span(yellow, y).first >= 0 || span(green, y).first >= 0;
    }
};

TEST_F(BarGraphTest, ThreeZoneExampleDrawsZonesAndMarkerWhereExpected)
{
    drawZoneBar3();
    EXPECT_EQ(span(red, 50), std::make_pair(10, 29));    // column 30 goes to yellow
    EXPECT_EQ(span(yellow, 50), std::make_pair(30, 49)); // column 50 goes to green
    EXPECT_EQ(span(green, 50), std::make_pair(50, 110));
    EXPECT_EQ(pixelAt(82, 53), green);
    EXPECT_EQ(pixelAt(83, 53), white); // the marker stands over the bar
    EXPECT_EQ(markerColumns(47), std::make_pair(83, 87));
    EXPECT_EQ(markerColumns(59), std::make_pair(83, 87));
    EXPECT_EQ(pixelAt(85, 46), 0);
    EXPECT_EQ(pixelAt(85, 60), 0);
    EXPECT_FALSE(rowHasZoneColours(49));
    EXPECT_FALSE(rowHasZoneColours(57));
}

TEST_F(BarGraphTest, MarkerIsHeldBetweenTwoColumnsInAndTwoColumnsPastTheEnds)
{
    const std::pair<int32_t, std::pair<int, int>> cases[] = {
        {0, {10, 14}},        {100, {108, 112}},      {1000, {110, 114}},
        {INT32_MIN, {10, 14}}, {INT32_MAX, {110, 114}}, {-5, {10, 14}},
    };
    for (const auto& [marker, columns] : cases) {
        clearFrameBuffer();
        barGraph.marker = marker;
        drawZoneBar3();
        EXPECT_EQ(markerColumns(), columns) << "marker " << marker;
    }
}

TEST_F(BarGraphTest, FiveZoneBarRaisesLowLimitsToMinAndKeepsItsZonesInOrder)
{
    barGraph = BarGraph{10, 50, 100, 6, 50, 100, 0, -30, -10, 70, 90};
    drawZoneBar5();
    EXPECT_EQ(barGraph.limit1, 0);
    EXPECT_EQ(barGraph.limit2, 0);
    EXPECT_EQ(span(red, 50), std::make_pair(100, 110)); // only the high red zone
    EXPECT_EQ(pixelAt(10, 50), green);                      // the empty low zones are overdrawn
    EXPECT_EQ(span(yellow, 50), std::make_pair(80, 99));
}

TEST_F(BarGraphTest, FiveZoneBarWithLimitsInRangeShowsAllFiveZones)
{
    barGraph = BarGraph{10, 50, 100, 6, 0, 100, 0, 10, 30, 70, 90};
    drawZoneBar5();
    EXPECT_EQ(pixelAt(15, 53), red);
    EXPECT_EQ(pixelAt(25, 53), yellow);
    EXPECT_EQ(pixelAt(60, 53), green);
    EXPECT_EQ(pixelAt(85, 53), yellow);
    EXPECT_EQ(pixelAt(105, 53), red);
    EXPECT_EQ(barGraph.limit1, 10);
}

TEST_F(BarGraphTest, LimitsBeyondTheScaleStopAtTheBarsEnds)
{
    barGraph = BarGraph{10, 50, 100, 6, 50, 100, 0, 20, 40, 150, 300};
    drawZoneBar5();
    EXPECT_EQ(span(green, 50).second, 109);
    EXPECT_EQ(pixelAt(110, 50), red); // the last zone keeps the bar's end column
    EXPECT_EQ(pixelAt(111, 50), 0);
    EXPECT_EQ(pixelAt(150, 50), 0);
}

// The pilot can set DISP MIN at or above DISP MAX, or a tank size of 0.
TEST_F(BarGraphTest, EmptyOrReversedScaleShowsOnlyTheMarkerAtTheLeftEnd)
{
    const BarGraph degenerate[] = {
        {10, 50, 100, 6, 5, 0, 0, 0, 0, 0, 0},            // tank size 0
        {10, 50, 100, 6, 30, 20, 60, 30, 40, 50, 55},     // DISP MIN above DISP MAX
        {10, 50, 0, 6, 30, 100, 0, 20, 40, 60, 80},       // no width
        {10, 50, 0, 6, 0, 0, 0, 0, 0, 0, 0},              // neither
    };
    for (const BarGraph& bar : degenerate) {
        for (void (*draw)() : {drawZoneBar3, drawZoneBar5}) {
            clearFrameBuffer();
            barGraph = bar;
            draw();
            EXPECT_EQ(markerColumns(), std::make_pair(10, 14));
            EXPECT_FALSE(rowHasZoneColours(53));
        }
    }
}

TEST_F(BarGraphTest, ExtremeValuesKeepASoundScale)
{
    barGraph = BarGraph{0, 50, 159, 6, 0, INT32_MAX, INT32_MIN, -1, 0, 1, 2};
    drawZoneBar5();
    EXPECT_EQ(pixelAt(0, 53), red);
    EXPECT_EQ(pixelAt(159, 53), red);
    EXPECT_EQ(markerColumns(), std::make_pair(77, 81));
}

TEST_F(BarGraphTest, FuelQuantityFollowsVolumeUnitAndLitreResolution)
{
    char text[fuelQuantityTextSize] = "unchanged";
    settings.units = 1;
    formatFuelQuantity(text, 123);
    EXPECT_STREQ(text, "12.3");
    settings.units = 4;
    settings.litreResolution = 0;
    formatFuelQuantity(text, 123);
    EXPECT_STREQ(text, "123");
    settings.litreResolution = 1;
    formatFuelQuantity(text, -5);
    EXPECT_STREQ(text, "-0.5");
    formatFuelQuantity(text, INT32_MIN);
    EXPECT_STREQ(text, "-214748364.8");
    settings.units = 6;
    std::strcpy(text, "kept");
    formatFuelQuantity(text, 123);
    EXPECT_STREQ(text, "kept");
}

} // namespace
