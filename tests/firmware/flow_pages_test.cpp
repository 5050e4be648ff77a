#include <gtest/gtest.h>

#include "core/fuel_flow.h"
#include "core/fuel_pressure.h"
#include "core/settings.h"
#include "display/colours.h"
#include "screens/run_time_pages.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

class FlowPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        settings.units = 0;
        settings.pressure.unit = 1;
        pressureValue = 45;
        pressureFail = 0;
        flowRate1 = 123;
        flowRate2 = 45;
    }

    static void draw(void (*page)(), uint8_t pressureDisplay)
    {
        settings.pressureDisplay = pressureDisplay;
        drawAlone(page);
    }

    static bool stripDrawn() { return wasDrawn("FP"); }
};

TEST_F(FlowPagesTest, SingleFlowInBothLayouts)
{
    for (uint8_t strip : {1, 0}) {
        SCOPED_TRACE(int(strip));
        draw(singleFlowPage, strip);
        const int d = strip ? 0 : 10;
        EXPECT_EQ(stripDrawn(), strip == 1);
        EXPECT_EQ(lastDrawing("FUEL FLOW"), placedText(80, 0, 9, alignCentre, colourGrey, "FUEL FLOW"));
        EXPECT_EQ(lastDrawing("12.3"), placedText(159, d + 16, 34, alignRight, colourWhite, "12.3"));
        EXPECT_EQ(lastDrawing("L/hr"), placedText(159, d + 76, 10, alignRight, colourGrey, "L/hr"));
    }
    // Title, then the strip, then the flow.
    draw(singleFlowPage, 1);
    EXPECT_EQ(drawnWords(), (std::vector<std::string>{"FUEL FLOW", "FP", "psi", "45", "12.3", "L/hr"}));

    // Flow 1 off: the page shows the sensor in use.
    settings.flow1Enabled = 0;
    draw(singleFlowPage, 0);
    EXPECT_EQ(drawings("4.5").size(), 1u);
    EXPECT_FALSE(wasDrawn("12.3"));
}

TEST_F(FlowPagesTest, UnitWordsFollowTheVolumeUnit)
{
    for (uint8_t units : {1, 3, 5}) {
        settings.units = units;
        draw(combinedFlowPage, 0);
        EXPECT_EQ(drawings("G/hr").size(), 3u) << int(units);
    }
    for (uint8_t units : {2, 4}) {
        settings.units = units;
        draw(dualFlowPage, 0);
        EXPECT_EQ(drawings("L/hr").size(), 1u) << int(units);
    }
    settings.units = 6;
    for (auto page : {singleFlowPage, dualFlowPage, combinedFlowPage}) {
        draw(page, 0);
        EXPECT_TRUE(drawings("L/hr").empty() && drawings("G/hr").empty() && drawings("").empty());
        EXPECT_EQ(drawings("12.3").size(), 1u);
    }
}

TEST_F(FlowPagesTest, DualFlowInBothLayouts)
{
    struct Layout {
        uint8_t strip;
        int label1Y, label2Y, flow2Y, unitY;
    };
    for (const Layout& at : {Layout{1, 15, 66, 46, 42}, Layout{0, 14, 84, 66, 51}}) {
        SCOPED_TRACE(int(at.strip));
        draw(dualFlowPage, at.strip);
        EXPECT_EQ(stripDrawn(), at.strip == 1);
        EXPECT_EQ(lastDrawing("FF1"), placedText(0, at.label1Y, 10, alignLeft, colourGrey, "FF1"));
        EXPECT_EQ(lastDrawing("FF2"), placedText(0, at.label2Y, 10, alignLeft, colourGrey, "FF2"));
        EXPECT_EQ(lastDrawing("12.3"), placedText(159, -4, 30, alignRight, colourWhite, "12.3"));
        EXPECT_EQ(lastDrawing("4.5"), placedText(159, at.flow2Y, 30, alignRight, colourWhite, "4.5"));
        EXPECT_EQ(lastDrawing("L/hr"), placedText(0, at.unitY, 8, alignLeft, colourGrey, "L/hr"));
    }
    EXPECT_EQ(drawnWords(), (std::vector<std::string>{"FF1", "FF2", "12.3", "4.5", "L/hr"}));
}

// Sum on top; the two sensors 20 rows lower without the strip, which also
// brings the large unit word beside the sum.
TEST_F(FlowPagesTest, CombinedFlowInBothLayouts)
{
    settings.flowMode = flowModeSum;
    for (uint8_t strip : {1, 0}) {
        SCOPED_TRACE(int(strip));
        draw(combinedFlowPage, strip);
        const int d = strip ? 0 : 20;
        EXPECT_EQ(stripDrawn(), strip == 1);
        EXPECT_EQ(lastDrawing("16.8"), placedText(159, 0, 34, alignRight, colourWhite, "16.8"));
        EXPECT_EQ(lastDrawing("FF1"), placedText(0, d + 66, 8, alignLeft, colourGrey, "FF1"));
        EXPECT_EQ(lastDrawing("12.3"), placedText(120, d + 60, 12, alignRight, colourWhite, "12.3"));
        EXPECT_EQ(lastDrawing("FF2"), placedText(0, d + 84, 8, alignLeft, colourGrey, "FF2"));
        EXPECT_EQ(lastDrawing("4.5"), placedText(120, d + 78, 12, alignRight, colourWhite, "4.5"));
        auto units = drawings("L/hr");
        ASSERT_EQ(units.size(), strip ? 2u : 3u);
        if (!strip) {
            EXPECT_EQ(units[0], placedText(159, 60, 10, alignRight, colourGrey, "L/hr"));
            units.erase(units.begin());
        }
        EXPECT_EQ(units[0], placedText(159, d + 66, 8, alignRight, colourGrey, "L/hr"));
        EXPECT_EQ(units[1], placedText(159, d + 84, 8, alignRight, colourGrey, "L/hr"));
    }
}

TEST_F(FlowPagesTest, CombinedFlowDifferenceKeepsItsSign)
{
    settings.flowMode = flowModeDiff;
    flowRate1 = 30;
    flowRate2 = 45;
    draw(combinedFlowPage, 1);
    EXPECT_EQ(lastDrawing("-1.5"), placedText(159, 0, 34, alignRight, colourWhite, "-1.5"));

    // The sum of two full-scale rates does not wrap.
    settings.flowMode = flowModeSum;
    flowRate1 = flowRate2 = 65535;
    draw(combinedFlowPage, 1);
    EXPECT_EQ(drawings("13107.0").size(), 1u);
}

} // namespace
