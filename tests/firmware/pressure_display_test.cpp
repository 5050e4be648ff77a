#include <gtest/gtest.h>

#include <utility>

#include "core/fuel_pressure.h"
#include "core/keys_and_time.h"
#include "core/settings.h"
#include "display/bar_graphs.h"
#include "display/colours.h"
#include "sim/power_cycle.h"
#include "screens/run_time_pages.h"
#include "screens/value_band.h"
#include "tests/firmware/display_probe.h"
#include "tests/firmware/page_texts_probe.h"

namespace {

constexpr uint8_t bar = 0, psi = 1, tenthPsi = 2;
constexpr int stripY = 104;

class PressureDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetToProgramStart();
        powerOnSequence();
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
        startRecording();
        drawPressureStrip(25, stripY, 65, 12, 1);
    }

    static void drawPage()
    {
        startRecording();
        pressurePage();
    }
};

// The box behind a value reaches from its text start less the margin to its
// text end, over rows top..bottom; the rows just outside it stay clear.
void expectBox(const RecordedText& value, int margin, int top, int bottom, uint8_t colour)
{
    const int left = value.x - margin;
    EXPECT_EQ(pixelAt(left, top), colour) << value.text;
    EXPECT_EQ(pixelAt(left, bottom), colour) << value.text;
    EXPECT_EQ(pixelAt(endOf(value), bottom), colour) << value.text;
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
            const auto texts = drawn(std::to_string(value));
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
    expectLeftAt(drawn("FP")[0], 0, stripY - 2, 8, colourGrey);
    const RecordedText unit = drawn("psi")[0];
    expectRightAt(unit, 159, stripY - 3, 8, colourGrey);
    expectRightAt(drawn("45")[0], unit.x - 3, stripY - 3, 9, colourWhite);
    // Zones in ascending order: low alarm, low caution, high caution, high alarm.
    EXPECT_EQ((std::vector<int32_t>{barGraph.limit1, barGraph.limit2, barGraph.limit3, barGraph.limit4,
                                    barGraph.marker}),
              (std::vector<int32_t>{10, 20, 80, 90, 45}));

    startRecording();
    drawPressureStrip(25, 105, 65, 12, 0);
    EXPECT_TRUE(drawn("FP").empty());
    EXPECT_EQ(drawn("45")[0].y, 102);
}

TEST_F(PressureDisplayTest, ValueAndUnitWordPerUnit)
{
    drawStrip();
    EXPECT_EQ(drawn("45").size(), 1u);

    settings.pressure.unit = bar;
    drawStrip();
    EXPECT_EQ(drawn("4.5").size(), 1u);
    EXPECT_EQ(drawn("bar").size(), 1u);

    settings.pressure.unit = tenthPsi;
    drawPage();
    EXPECT_EQ(drawn("4.5").size(), 1u);
    EXPECT_EQ(drawn("psi").size(), 1u);
    EXPECT_EQ(drawn("10.0").size(), 1u); // the sender's full scale, 100 tenths

    // A unit setting out of range shows no word rather than reading past the words.
    settings.pressure.unit = 7;
    drawStrip();
    ASSERT_EQ(drawn("").size(), 1u);
    EXPECT_EQ(endOf(drawn("4.5")[0]), 159 - 3);
}

TEST_F(PressureDisplayTest, FailedSenderBlinksFailInPlaceOfTheValue)
{
    pressureFail = 1;
    drawStrip();
    const auto fails = drawn("FAIL");
    ASSERT_EQ(fails.size(), 2u);
    expectRightAt(fails[1], drawn("psi")[0].x - 3, stripY - 3, 9, colourWhite);
    expectBox(fails[1], 1, stripY - 2, stripY + 14, colourRed);
    EXPECT_TRUE(drawn("45").empty());

    blinkPhase = 0;
    drawStrip();
    EXPECT_EQ(drawnWords(), (std::vector<std::string>{"FP", "psi"}));
    EXPECT_EQ(barGraph.marker, 45); // the bar still shows the last pressure
}

TEST_F(PressureDisplayTest, PageLayout)
{
    drawPage();
    ASSERT_EQ(drawnWords(), (std::vector<std::string>{"FUEL PRESSURE", "45", "psi", "0", "100"}));
    expectCentredAt(drawn("FUEL PRESSURE")[0], 80, 0, 9, colourGrey);
    expectRightAt(drawn("45")[0], 124, 12, 34, colourWhite);
    expectRightAt(drawn("psi")[0], 159, 46, 12, colourGrey);
    expectLeftAt(drawn("0")[0], 0, 100, 10, colourGrey);
    expectRightAt(drawn("100")[0], 159, 100, 10, colourGrey);
}

TEST_F(PressureDisplayTest, PageBoxesAndFail)
{
    pressureValue = 90;
    drawPage();
    ASSERT_EQ(drawn("90").size(), 2u);
    expectBox(drawn("90")[1], 1, 20, 74, colourRed);

    blinkPhase = 0;
    pressureValue = 80;
    drawPage();
    ASSERT_EQ(drawn("80").size(), 2u);
    EXPECT_EQ(drawn("80")[1].colour, colourBlack);
    expectBox(drawn("80")[1], 1, 20, 74, colourYellow);

    pressureFail = 1;
    drawPage();
    EXPECT_TRUE(drawn("FAIL").empty());
    EXPECT_TRUE(drawn("80").empty());

    blinkPhase = 1;
    drawPage();
    ASSERT_EQ(drawn("FAIL").size(), 2u);
    expectCentredAt(drawn("FAIL")[1], 80, 32, 16, colourWhite);
    expectBox(drawn("FAIL")[1], 1, 35, 61, colourRed);
}

// A value too wide for its place starts left of the display; its caution box
// must still be drawn from the left edge, or the black text vanishes.
TEST(ValueBandTest, BoxOfAValueStartingLeftOfTheDisplayStartsAtTheEdge)
{
    clearFrameBuffer();
    drawValueInBand("18.0", {10, 12, 34, alignRight}, {20, 74, 1}, ValueBand::caution);
    EXPECT_EQ(frameBuffer[0 + displayWidth * 20], colourYellow);
    clearFrameBuffer();
    drawValueInBand("8", {2, 12, 34, alignLeft}, {20, 74, 2}, ValueBand::caution);
    EXPECT_EQ(frameBuffer[0 + displayWidth * 74], colourYellow);
}

} // namespace
