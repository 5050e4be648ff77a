// The fuel totals page: its blocks and labels per configuration, the total
// in each volume unit, and the reset on the left button.
#include <gtest/gtest.h>

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "display/colours.h"
#include "display/framebuffer.h"
#include "display_probe.h"
#include "drawn_texts.h"
#include "sim/power_cycle.h"
#include "sim/storage_hooks.h"
#include "screens/run_time_pages.h"
#include "screens/screen.h"

namespace {

class FuelTotals : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetToProgramStart();
        powerOnSequence();
        recordTexts();
    }

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
        drawnTexts.clear();
        clearFrameBuffer();
        fuelTotalsPage();
    }

    static void expectText(const char* text, int x, int y, int font, int colour)
    {
        const RecordedText* drawn = findText(text);
        ASSERT_NE(drawn, nullptr) << text;
        EXPECT_EQ(drawn->x, x) << text;
        EXPECT_EQ(drawn->y, y) << text;
        EXPECT_EQ(drawn->font, font) << text;
        EXPECT_EQ(drawn->colour, colour) << text;
    }

    static int countOf(const char* text)
    {
        int count = 0;
        for (const RecordedText& drawn : drawnTexts)
            count += drawn.text == text;
        return count;
    }
};

TEST_F(FuelTotals, TitleAndResetKeyOnEveryPage)
{
    showPage(5);
    expectText("FUEL TOTALS", 80 - textWidth("FUEL TOTALS", 9) / 2, 5, 9, colourWhite);
    expectText("RESET", 26 - textWidth("RESET", 8) / 2, 104, 8, colourWhite);
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
    EXPECT_EQ(countOf("TOTAL:"), 2);
    expectText("12", 70, 29, 16, colourWhite);
    expectText("34", 70, 69, 16, colourWhite);
    EXPECT_EQ(drawnTexts[1].text, "TOTAL:");
    EXPECT_EQ(drawnTexts[1].y, 36);
    expectText("TOTAL:", 0, 74, 8, colourGrey); // the last one drawn

    settings.flow1Enabled = 0;
    showPage(14);
    EXPECT_EQ(countOf("TOTAL:"), 1);
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
    settings.flow2Enabled = 1;
    settings.flowMode = flowModeDual;
    settings.tank2Mode = tankModeSender;
    deriveFuelConfig();
    ASSERT_EQ(fuelConfig, 10);
    flow1Input = 7000; // one litre a pass at the factory K-factor
    flow2Input = 14000;
    for (int pass = 0; pass < 3; ++pass)
        firmwarePass(true);
    alarmAcked = alarmFlags; // the low-fuel and pressure alarms of empty senders
    flow1Input = flow2Input = 0;
    postKey(keyPlus);
    firmwarePass(true);
    firmwarePass(true);
    EXPECT_TRUE(wasDrawn("3"));
    EXPECT_TRUE(wasDrawn("6"));

    uint32_t stores = storeTotalsCalls;
    postKey(keyLeft);
    firmwarePass(true);
    drawnTexts.clear();
    firmwarePass(true);
    EXPECT_EQ(showTotals, 1);
    EXPECT_EQ(countOf("0"), 2);
    EXPECT_EQ(used1Pulses, 0u);
    EXPECT_EQ(used2Pulses, 0u);
    EXPECT_GT(storeTotalsCalls, stores);

    postKey(keyMinus);
    firmwarePass(true);
    EXPECT_EQ(showTotals, 0);
}

} // namespace
