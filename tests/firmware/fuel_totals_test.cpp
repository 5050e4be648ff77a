// The fuel totals page: its blocks and labels per configuration, the total
// in each volume unit, and the reset on the left button.
#include <gtest/gtest.h>

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "display/colours.h"
#include "screens/run_time_pages.h"
#include "screens/screen.h"
#include "sim/storage_hooks.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

class FuelTotals : public ::testing::Test {
protected:
    void SetUp() override { powerOn(); }

    // Fuel through each sender in the unit the page shows: whole litres,
    // tenths of a litre or tenths of a gallon (a gallon setting counts ten per pulse).
    static void setUsed(uint32_t amount1, uint32_t amount2)
    {
        bool litreTenths = !unitsAreGallons() && settings.litreResolution != 0;
        auto pulses = [&](uint32_t amount, uint16_t kFactor) {
            uint32_t p = amount * kFactorInUnits(kFactor);
            return litreTenths ? p / 10 : p;
        };
        used1Pulses = pulses(amount1, settings.kFactor1);
        used2Pulses = pulses(amount2, settings.kFactor2);
    }

    static void showPage(uint8_t config)
    {
        fuelConfig = config;
        drawAlone(fuelTotalsPage);
    }

    // The last drawing of the text starts at x.
    static void expectText(const char* text, int x, int y, int font, int colour)
    {
        EXPECT_EQ(lastDrawing(text), placedText(x, y, font, alignLeft, colour, text));
    }
};

TEST_F(FuelTotals, TitleAndResetKeyOnEveryPage)
{
    showPage(5);
    EXPECT_EQ(lastDrawing("FUEL TOTALS"), placedText(80, 5, 9, alignCentre, colourWhite, "FUEL TOTALS"));
    EXPECT_EQ(lastDrawing("RESET"), placedText(26, 104, 8, alignCentre, colourWhite, "RESET"));
    EXPECT_EQ(pixelAt(0, 25), colourWhite);
    EXPECT_EQ(pixelAt(159, 102), colourWhite);
    EXPECT_EQ(pixelAt(53, 119), colourWhite);
    EXPECT_EQ(pixelAt(106, 110), colourWhite);
    EXPECT_EQ(pixelAt(130, 110), 0); // right cell empty
}

TEST_F(FuelTotals, OneSenderShowsOneBlockAtTheTop)
{
    setUsed(12, 34);
    showPage(5);
    expectText("TOTAL:", 0, 36, 8, colourGrey);
    expectText("12", 70, 29, 16, colourWhite);
    EXPECT_FALSE(wasDrawn("34"));
    EXPECT_FALSE(wasDrawn("LITRES"));

    showPage(6); // the second sender's block, moved up, carries the unit word
    expectText("TOTAL:", 0, 34, 8, colourGrey);
    expectText("LITRES", 5, 16, 8, colourWhite);
    expectText("34", 70, 29, 16, colourWhite);
    EXPECT_FALSE(wasDrawn("12"));
}

TEST_F(FuelTotals, SeparateSendersShowTwoNumberedBlocks)
{
    setUsed(12, 34);
    for (uint8_t config : {7, 10}) {
        showPage(config);
        expectText("TOTAL 1:", 0, 36, 8, colourGrey);
        expectText("12", 70, 29, 16, colourWhite);
        expectText("TOTAL 2:", 0, 76, 8, colourGrey);
        expectText("LITRES", 5, 56, 8, colourWhite);
        expectText("34", 70, 69, 16, colourWhite);
    }
}

TEST_F(FuelTotals, SharedFlowShowsABlockPerSenderInUse)
{
    setUsed(12, 34);
    settings.flow2Enabled = 1;
    showPage(11);
    EXPECT_EQ(drawings("TOTAL:").size(), 2u);
    expectText("12", 70, 29, 16, colourWhite);
    expectText("34", 70, 69, 16, colourWhite);
    EXPECT_EQ(drawnTexts()[1].text, "TOTAL:");
    EXPECT_EQ(drawnTexts()[1].y, 36);
    expectText("TOTAL:", 0, 74, 8, colourGrey); // the last one drawn

    settings.flow1Enabled = 0;
    showPage(14);
    EXPECT_EQ(drawings("TOTAL:").size(), 1u);
    expectText("TOTAL:", 0, 34, 8, colourGrey);
    expectText("34", 70, 29, 16, colourWhite);

    settings.flow2Enabled = 0;
    showPage(14);
    EXPECT_FALSE(wasDrawn("TOTAL:"));
}

TEST_F(FuelTotals, CombinedSendersShowOneSumOrDifference)
{
    setUsed(45, 30);
    for (uint8_t config : {8, 12, 13}) {
        settings.flowMode = flowModeSum;
        showPage(config);
        expectText("TOTAL:", 0, 32, 8, colourGrey);
        expectText("75", 70, 29, 16, colourWhite);
        EXPECT_FALSE(wasDrawn("LITRES"));
        settings.flowMode = flowModeDiff;
        showPage(config);
        EXPECT_TRUE(wasDrawn("15"));
    }
}

TEST_F(FuelTotals, TotalsInEachVolumeUnit)
{
    struct Case {
        uint8_t units, litreResolution;
        uint32_t amount;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, 45, "45"},   {2, 0, 0, "0"},       // whole litres: no decimal point
        {0, 1, 450, "45.0"}, {4, 1, 455, "45.5"}, // tenths of a litre keep their scale and fraction
        {1, 0, 125, "12.5"}, {3, 1, 0, "0.0"},    // tenths of a gallon
    };
    for (const Case& c : cases) {
        settings.units = c.units;
        settings.litreResolution = c.litreResolution;
        setUsed(c.amount, 0);
        showPage(5);
        EXPECT_TRUE(wasDrawn(c.text)) << "units " << int(c.units) << " resolution " << int(c.litreResolution)
                                      << ": " << c.text;
    }
}

TEST_F(FuelTotals, GallonUnitWordAndPulseCountOfAGallon)
{
    settings.units = 1;
    used2Pulses = 125 * kFactorInUnits(settings.kFactor2); // 12.5 gal at ten counts per pulse
    showPage(6);
    expectText("GALLONS", 5, 16, 8, colourWhite);
    EXPECT_TRUE(wasDrawn("12.5"));
}

TEST_F(FuelTotals, MoreReturnedThanSuppliedShowsAMinusInEveryFormat)
{
    settings.flowMode = flowModeDiff;
    struct Case {
        uint8_t units, litreResolution;
        const char* text;
    };
    const Case cases[] = {{0, 0, "-15"}, {0, 1, "-1.5"}, {1, 0, "-1.5"}};
    for (const Case& c : cases) {
        settings.units = c.units;
        settings.litreResolution = c.litreResolution;
        setUsed(30, 45);
        showPage(12);
        EXPECT_TRUE(wasDrawn(c.text)) << c.text;
    }
}

TEST_F(FuelTotals, LeftButtonOnThePageResetsEveryTotal)
{
    // Factory settings: flow 1 with tank 1. Fly a few passes, open the totals.
    useFuelSystem({.flow2 = 1, .tank2 = tankModeSender});
    ASSERT_EQ(fuelConfig, 10);
    moveSlider("flow1", 7000); // one litre a pass at the factory K-factor
    moveSlider("flow2", 14000);
    pass(3);
    alarmAcked = alarmFlags; // the low-fuel and pressure alarms of empty senders
    moveSlider("flow1", 0);
    moveSlider("flow2", 0);
    press(keyPlus);
    EXPECT_TRUE(wasDrawn("3"));
    EXPECT_TRUE(wasDrawn("6"));

    uint32_t stores = storeTotalsCalls;
    press(keyLeft);
    EXPECT_EQ(showTotals, 1);
    EXPECT_EQ(drawings("0").size(), 2u);
    EXPECT_EQ(used1Pulses, 0u);
    EXPECT_EQ(used2Pulses, 0u);
    EXPECT_GT(storeTotalsCalls, stores);

    keyThenPass(keyMinus);
    EXPECT_EQ(showTotals, 0);
}

} // namespace
