#include <gtest/gtest.h>

#include <utility>

#include "core/fuel_pressure.h"
#include "core/keys_and_time.h"
#include "core/settings.h"
#include "display/bar_graphs.h"
#include "display/colours.h"
#include "screens/run_time_pages.h"
#include "screens/value_band.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

constexpr uint8_t bar = 0, psi = 1, tenthPsi = 2;
constexpr int stripY = 104;

class PressureDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        PressureSettings& p = settings.pressure;
        p.unit = psi;
        p.displayMin = 0;
        p.displayMax = 100;
        p.lowAlarm = 10;
        p.lowCaution = 20;
        p.highCaution = 80;
        p.highAlarm = 90;
        p.pressureAt20mA = 100;
        pressureFail = 0;
        pressureValue = 45;
        blinkPhase = 1;
    }

    static void drawStrip()
    {
        drawAlone([] { drawPressureStrip(25, stripY, 65, 12, 1); });
    }

    static void drawPage() { drawAlone(pressurePage); }
};

// The box behind a value reaches from its text start less the margin to its
// text end, over rows top..bottom; the rows just outside it stay clear.
void expectBox(const DrawnText& value, int margin, int top, int bottom, uint8_t colour)
{
    const int left = value.x - margin;
    EXPECT_EQ(pixelAt(left, top), colour) << value.text;
    EXPECT_EQ(pixelAt(left, bottom), colour) << value.text;
    EXPECT_EQ(pixelAt(value.end, bottom), colour) << value.text;
    EXPECT_EQ(pixelAt(left, bottom + 1), colourBlack) << value.text;
    EXPECT_EQ(pixelAt(left - 1, bottom), colourBlack) << value.text;
}

// Each band at its boundaries, in both blink phases: the alarm box blinks,
// the caution box stays. The alarm switches concern the alarm only.
TEST_F(PressureDisplayTest, StripBandsAtTheirBoundaries)
{
    settings.pressure.lowAlarmOn = 0;
    settings.pressure.highAlarmOn = 0;
    enum Band { normal, caution, alarm };
    const std::pair<int16_t, Band> cases[] = {{10, alarm},  {11, caution}, {20, caution}, {21, normal},
                                              {79, normal}, {80, caution}, {89, caution}, {90, alarm}};
    for (uint8_t phase : {1, 0})
        for (auto [value, band] : cases) {
            SCOPED_TRACE(testing::Message() << value << " in phase " << int(phase));
            blinkPhase = phase;
            pressureValue = value;
            drawStrip();
            const auto texts = drawings(std::to_string(value));
            const bool boxed = band == caution || (band == alarm && phase == 1);
            ASSERT_EQ(texts.size(), boxed ? 2u : 1u);
            EXPECT_EQ(texts[0].colour, colourWhite);
            if (!boxed) {
                EXPECT_EQ(pixelAt(texts[0].x - 2, stripY - 2), colourBlack);
                continue;
            }
            EXPECT_EQ(texts[1].colour, band == alarm ? colourWhite : colourBlack);
            expectBox(texts[1], 2, stripY - 2, stripY + 14, band == alarm ? colourRed : colourYellow);
        }
}

TEST_F(PressureDisplayTest, StripLabelUnitAndValuePlaces)
{
    drawStrip();
    ASSERT_EQ(drawnWords(), (std::vector<std::string>{"FP", "psi", "45"}));
    EXPECT_EQ(lastDrawing("FP"), placedText(0, stripY - 2, 8, alignLeft, colourGrey, "FP"));
    const DrawnText unit = lastDrawing("psi");
    EXPECT_EQ(unit, placedText(159, stripY - 3, 8, alignRight, colourGrey, "psi"));
    EXPECT_EQ(lastDrawing("45"), placedText(unit.x - 3, stripY - 3, 9, alignRight, colourWhite, "45"));
    // Zones in ascending order: low alarm, low caution, high caution, high alarm.
    EXPECT_EQ((std::vector<int32_t>{barGraph.limit1, barGraph.limit2, barGraph.limit3, barGraph.limit4,
                                    barGraph.marker}),
              (std::vector<int32_t>{10, 20, 80, 90, 45}));

    drawAlone([] { drawPressureStrip(25, 105, 65, 12, 0); });
    EXPECT_FALSE(wasDrawn("FP"));
    EXPECT_EQ(lastDrawing("45").y, 102);
}

TEST_F(PressureDisplayTest, ValueAndUnitWordPerUnit)
{
    drawStrip();
    EXPECT_EQ(drawings("45").size(), 1u);

    settings.pressure.unit = bar;
    drawStrip();
    EXPECT_EQ(drawings("4.5").size(), 1u);
    EXPECT_EQ(drawings("bar").size(), 1u);

    settings.pressure.unit = tenthPsi;
    drawPage();
    EXPECT_EQ(drawings("4.5").size(), 1u);
    EXPECT_EQ(drawings("psi").size(), 1u);
    EXPECT_EQ(drawings("10.0").size(), 1u); // the sender's full scale, 100 tenths

    // A unit setting out of range shows no word rather than reading past the words.
    settings.pressure.unit = 7;
    drawStrip();
    ASSERT_EQ(drawings("").size(), 1u);
    EXPECT_EQ(lastDrawing("4.5").end, 159 - 3);
}

TEST_F(PressureDisplayTest, FailedSenderBlinksFailInPlaceOfTheValue)
{
    pressureFail = 1;
    drawStrip();
    const auto fails = drawings("FAIL");
    ASSERT_EQ(fails.size(), 2u);
    EXPECT_EQ(fails[1], placedText(lastDrawing("psi").x - 3, stripY - 3, 9, alignRight, colourWhite, "FAIL"));
    expectBox(fails[1], 1, stripY - 2, stripY + 14, colourRed);
    EXPECT_FALSE(wasDrawn("45"));

    blinkPhase = 0;
    drawStrip();
    EXPECT_EQ(drawnWords(), (std::vector<std::string>{"FP", "psi"}));
    EXPECT_EQ(barGraph.marker, 45); // the bar still shows the last pressure
}

TEST_F(PressureDisplayTest, PageLayout)
{
    drawPage();
    ASSERT_EQ(drawnWords(), (std::vector<std::string>{"FUEL PRESSURE", "45", "psi", "0", "100"}));
    EXPECT_EQ(lastDrawing("FUEL PRESSURE"), placedText(80, 0, 9, alignCentre, colourGrey, "FUEL PRESSURE"));
    EXPECT_EQ(lastDrawing("45"), placedText(124, 12, 34, alignRight, colourWhite, "45"));
    EXPECT_EQ(lastDrawing("psi"), placedText(159, 46, 12, alignRight, colourGrey, "psi"));
    EXPECT_EQ(lastDrawing("0"), placedText(0, 100, 10, alignLeft, colourGrey, "0"));
    EXPECT_EQ(lastDrawing("100"), placedText(159, 100, 10, alignRight, colourGrey, "100"));
}

TEST_F(PressureDisplayTest, PageBoxesAndFail)
{
    pressureValue = 90;
    drawPage();
    ASSERT_EQ(drawings("90").size(), 2u);
    expectBox(drawings("90")[1], 1, 20, 74, colourRed);

    blinkPhase = 0;
    pressureValue = 80;
    drawPage();
    ASSERT_EQ(drawings("80").size(), 2u);
    EXPECT_EQ(drawings("80")[1].colour, colourBlack);
    expectBox(drawings("80")[1], 1, 20, 74, colourYellow);

    pressureFail = 1;
    drawPage();
    EXPECT_FALSE(wasDrawn("FAIL"));
    EXPECT_FALSE(wasDrawn("80"));

    blinkPhase = 1;
    drawPage();
    ASSERT_EQ(drawings("FAIL").size(), 2u);
    EXPECT_EQ(drawings("FAIL")[1], placedText(80, 32, 16, alignCentre, colourWhite, "FAIL"));
    expectBox(drawings("FAIL")[1], 1, 35, 61, colourRed);
}

// A value too wide for its place starts left of the display; its caution box
// must still be drawn from the left edge, or the black text vanishes.
TEST(ValueBandTest, BoxOfAValueStartingLeftOfTheDisplayStartsAtTheEdge)
{
    clearFrameBuffer();
    drawValueInBand("18.0", {10, 12, 34, alignRight}, {20, 74, 1}, ValueBand::caution);
    EXPECT_EQ(pixelAt(0, 20), colourYellow);
    clearFrameBuffer();
    drawValueInBand("8", {2, 12, 34, alignLeft}, {20, 74, 2}, ValueBand::caution);
    EXPECT_EQ(pixelAt(0, 74), colourYellow);
}

} // namespace
