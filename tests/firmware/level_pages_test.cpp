// The level pages: where each page writes its texts in both layouts, the
// low-fuel colouring of the contents, "FAIL", "CALC", units and flow values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fuel_flow.h"
#include "core/keys_and_time.h"
#include "core/settings.h"
#include "core/tank_level.h"
#include "display/text.h"
#include "screens/run_time_pages.h"
#include "screens/screen.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

constexpr uint8_t white = 15, grey = 229, red = 9, yellow = 11, black = 0;

using Texts = std::vector<DrawnText>;

class LevelPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        blinkPhase = 1;
        tank1Level = 30;
        tank2Level = 40;
        flowRate1 = 123;
        flowRate2 = 45;
    }

    // The page's own texts: without the pressure strip's line (rows 101 and
    // below) and the speed line (font 9 on row 15), which other pieces draw.
    static Texts pageTexts()
    {
        Texts texts;
        for (const DrawnText& d : drawnTexts())
            if (d.y < 101 && !(d.y == 15 && d.font == 9))
                texts.push_back(d);
        return texts;
    }

    // The page's texts with the pressure strip on or off.
    static Texts layoutOf(ScreenHandler page, bool strip)
    {
        settings.pressureDisplay = strip ? 1 : 0;
        drawAlone(page);
        return pageTexts();
    }
};

TEST_F(LevelPages, SingleTankPageInBothLayouts)
{
    useFuelSystem({1, 0, tankModeSender, tankModeOff});
    ASSERT_EQ(fuelConfig, 0);
    EXPECT_EQ(layoutOf(singleTankPage, true), (Texts{
        placedText(0, 22, 8, alignLeft, grey, "FF"),
        placedText(150, 35, 8, alignCentre, grey, "L/"),
        placedText(159, 79, 8, alignRight, grey, "L"),
        placedText(150, 47, 8, alignCentre, grey, "hr"),
        placedText(140, 12, 34, alignRight, white, "12.3"),
        placedText(120, 71, 16, alignCentre, white, "30"),
        placedText(0, 78, 8, alignLeft, grey, "FL"),
    }));

    EXPECT_EQ(layoutOf(singleTankPage, false), (Texts{
        placedText(0, 37, 8, alignLeft, grey, "FF"),
        placedText(150, 50, 8, alignCentre, grey, "L/"),
        placedText(159, 97, 8, alignRight, grey, "L"),
        placedText(150, 62, 8, alignCentre, grey, "hr"),
        placedText(140, 27, 34, alignRight, white, "12.3"),
        placedText(120, 89, 16, alignCentre, white, "30"),
        placedText(0, 96, 8, alignLeft, grey, "FL"),
    }));
    // The bar moves down with the tank line: its marker stands 3 rows above it.
    EXPECT_EQ(pixelAt(25 + 30 * 66 / 45, 78 + 18 - 3), white);
}

// With the pressure display on, the strip's "FP" label stands 2 rows above
// its bar: row 104 on every level page but the one with two flows, which puts
// it on row 105. With it off, the pages with flow put the speed line on row 15.
TEST_F(LevelPages, PressureStripOrSpeedLine)
{
    const struct {
        ScreenHandler page;
        uint8_t flow1, flow2, tank2Mode;
        int stripY;
    } pages[] = {{singleTankPage, 1, 0, tankModeOff, 104},
                 {twoTankDualFlowPage, 1, 1, tankModeSender, 105},
                 {twoTankPage, 1, 0, tankModeSender, 104},
                 {singleTankLevelPage, 0, 0, tankModeOff, 104},
                 {twoTankLevelPage, 0, 0, tankModeSender, 104}};
    for (const auto& p : pages) {
        useFuelSystem({p.flow1, p.flow2, tankModeSender, p.tank2Mode});
        layoutOf(p.page, true);
        EXPECT_EQ(drawings("FP"), Texts{placedText(0, p.stripY - 2, 8, alignLeft, grey, "FP")}) << int(fuelConfig);
        EXPECT_FALSE(wasDrawn("S: ")) << int(fuelConfig);
        layoutOf(p.page, false);
        EXPECT_FALSE(wasDrawn("FP")) << int(fuelConfig);
        const Texts speedLine = p.flow1 ? Texts{placedText(0, 15, 9, alignLeft, grey, "S: ")} : Texts{};
        EXPECT_EQ(drawings("S: "), speedLine) << int(fuelConfig);
    }
}

TEST_F(LevelPages, SingleTankPageShowsTheTankAndFlowOfItsConfiguration)
{
    useFuelSystem({0, 1, tankModeOff, tankModeSender});
    ASSERT_EQ(fuelConfig, 1);
    drawAlone(singleTankPage);
    EXPECT_EQ(drawings("4.5").size(), 1u);
    EXPECT_EQ(drawings("40").size(), 1u);

    // Both flows as one into tank 2: the sum, or supply less return.
    useFuelSystem({1, 1, tankModeOff, tankModeSender, flowModeSum});
    ASSERT_EQ(fuelConfig, 13);
    drawAlone(singleTankPage);
    EXPECT_EQ(drawings("16.8").size(), 1u);
    EXPECT_EQ(drawings("40").size(), 1u);

    useFuelSystem({1, 1, tankModeSender, tankModeOff, flowModeDiff});
    ASSERT_EQ(fuelConfig, 12);
    flowRate1 = 100;
    flowRate2 = 250;
    drawAlone(singleTankPage);
    EXPECT_EQ(drawings("-15.0"), Texts{placedText(140, 12, 34, alignRight, white, "-15.0")});
    EXPECT_EQ(drawings("30").size(), 1u);
}

TEST_F(LevelPages, CombinedFlowsAtFullScaleNeitherWrapNorTurnNegative)
{
    useFuelSystem({1, 1, tankModeSender, tankModeOff, flowModeSum});
    flowRate1 = 20000;
    flowRate2 = 20000;
    drawAlone(singleTankPage);
    EXPECT_EQ(drawings("4000.0").size(), 1u);

    settings.flowMode = flowModeDiff;
    flowRate1 = 65535;
    flowRate2 = 0;
    drawAlone(singleTankPage);
    EXPECT_EQ(drawings("6553.5").size(), 1u);
}

TEST_F(LevelPages, TwoTankDualFlowPageInBothLayouts)
{
    useFuelSystem({1, 1, tankModeSender, tankModeSender});
    ASSERT_EQ(fuelConfig, 10);
    for (int q : {0, 18}) {
        EXPECT_EQ(layoutOf(twoTankDualFlowPage, q == 0), (Texts{
            placedText(35, q + 15, 16, alignCentre, white, "12.3"),
            placedText(128, q + 15, 16, alignCentre, white, "4.5"),
            placedText(120, q + 43, 16, alignCentre, white, "30"),
            placedText(0, q + 50, 8, alignLeft, grey, "FL1"),
            placedText(120, q + 71, 16, alignCentre, white, "40"),
            placedText(0, q + 78, 8, alignLeft, grey, "FL2"),
            placedText(80, q + 17, 8, alignCentre, grey, "L/"),
            placedText(80, q + 29, 8, alignCentre, grey, "hr"),
            placedText(159, q + 50, 9, alignRight, grey, "L"),
            placedText(159, q + 78, 9, alignRight, grey, "L"),
        }))
            << "row offset " << q;
    }
}

TEST_F(LevelPages, TwoTankPageInBothLayouts)
{
    useFuelSystem({1, 0, tankModeSender, tankModeSender});
    ASSERT_EQ(fuelConfig, 11);
    for (auto [p, f] : {std::pair{0, 2}, std::pair{20, 19}}) {
        EXPECT_EQ(layoutOf(twoTankPage, p == 0), (Texts{
            placedText(100, f + 12, 20, alignRight, white, "12.3"),
            placedText(120, p + 44, 16, alignCentre, white, "30"),
            placedText(0, p + 51, 8, alignLeft, grey, "FL1"),
            placedText(120, p + 72, 16, alignCentre, white, "40"),
            placedText(0, p + 79, 8, alignLeft, grey, "FL2"),
            placedText(125, f + 21, 9, alignCentre, grey, "L/hr"),
            placedText(159, p + 52, 9, alignRight, grey, "L"),
            placedText(159, p + 80, 9, alignRight, grey, "L"),
        }))
            << "row offset " << p;
    }
}

TEST_F(LevelPages, TwoTankPageFlowValue)
{
    useFuelSystem({0, 1, tankModeSender, tankModeSender});
    drawAlone(twoTankPage);
    EXPECT_EQ(drawings("4.5").size(), 1u);

    useFuelSystem({1, 1, tankModeSender, tankModeSender, flowModeDiff});
    ASSERT_EQ(fuelConfig, 11);
    drawAlone(twoTankPage);
    EXPECT_EQ(drawings("7.8").size(), 1u);
    flowRate2 = 200;
    drawAlone(twoTankPage);
    EXPECT_EQ(drawings("-7.7").size(), 1u);
}

// Contents at the low alarm: white on a red box while the blink phase is on,
// plain white while it is off. At the low caution: black on yellow, steady.
TEST_F(LevelPages, LowFuelBandsColourTheContents)
{
    useFuelSystem({1, 0, tankModeSender, tankModeOff});
    tank1Level = 10; // the low alarm level
    drawAlone(singleTankPage);
    ASSERT_EQ(drawings("10").size(), 2u);
    const DrawnText first = drawings("10")[0];
    EXPECT_EQ(drawings("10"), (Texts{first, first}));
    const int boxLeft = first.x - 2;
    EXPECT_EQ(pixelAt(boxLeft, 74), red);
    EXPECT_EQ(pixelAt(boxLeft, 99), red);
    EXPECT_EQ(pixelAt(boxLeft - 1, 74), black);
    EXPECT_EQ(pixelAt(boxLeft, 73), black);

    blinkPhase = 0;
    drawAlone(singleTankPage);
    EXPECT_EQ(drawings("10").size(), 1u);
    EXPECT_EQ(pixelAt(boxLeft, 74), black);

    tank1Level = 20; // the low caution level, above the alarm
    for (uint8_t phase : {0, 1}) {
        blinkPhase = phase;
        drawAlone(singleTankPage);
        const DrawnText value = placedText(120, 71, 16, alignCentre, white, "20");
        EXPECT_EQ(drawings("20"), (Texts{value, placedText(120, 71, 16, alignCentre, black, "20")}));
        EXPECT_EQ(pixelAt(value.x - 2, 74), yellow);
    }

    tank1Level = 21;
    drawAlone(singleTankPage);
    EXPECT_EQ(drawings("21").size(), 1u);
    EXPECT_EQ(pixelAt(lastDrawing("21").x - 2, 74), black);
}

TEST_F(LevelPages, ThresholdsBelowZeroNeverCatchAnEmptyTank)
{
    useFuelSystem({1, 0, tankModeSender, tankModeOff});
    settings.tank1LowAlarm = -1;
    settings.tank1LowCaution = -1;
    tank1Level = 0;
    drawAlone(singleTankPage);
    EXPECT_EQ(drawings("0").size(), 1u);
}

// A failed sender: "FAIL" white on red in place of the number, only while
// the blink phase is on; the bar still shows the contents.
TEST_F(LevelPages, FailedSenderBlinksFailInPlaceOfTheNumber)
{
    useFuelSystem({1, 1, tankModeSender, tankModeSender});
    level2Fail = 1;
    drawAlone(twoTankDualFlowPage);
    const DrawnText fail = placedText(145, 75, 12, alignRight, white, "FAIL");
    EXPECT_EQ(drawings("FAIL"), (Texts{fail, fail}));
    EXPECT_FALSE(wasDrawn("40"));
    const int boxLeft = fail.x - 1;
    EXPECT_EQ(pixelAt(boxLeft, 76), red);
    EXPECT_EQ(pixelAt(boxLeft, 96), red);
    EXPECT_EQ(pixelAt(boxLeft - 1, 76), black);
    EXPECT_EQ(pixelAt(30 + 40 * 61 / 45, 79 - 3), white); // the marker

    blinkPhase = 0;
    drawAlone(twoTankDualFlowPage);
    EXPECT_FALSE(wasDrawn("FAIL"));
    EXPECT_FALSE(wasDrawn("40"));
    EXPECT_EQ(pixelAt(boxLeft, 76), black);
    EXPECT_EQ(pixelAt(30 + 40 * 61 / 45, 79 - 3), white);
    EXPECT_EQ(drawings("30").size(), 1u); // tank 1 is unaffected
}

TEST_F(LevelPages, SingleTankFailBoxEndsAtColumn145)
{
    useFuelSystem({1, 0, tankModeSender, tankModeOff});
    level1Fail = 1;
    drawAlone(singleTankPage);
    ASSERT_EQ(drawings("FAIL").size(), 2u);
    EXPECT_EQ(pixelAt(145, 76), red);
    EXPECT_EQ(pixelAt(146, 76), black);
}

TEST_F(LevelPages, CalcTagOnlyOnCalculatedTanks)
{
    useFuelSystem({1, 0, tankModeCalculated, tankModeSender});
    ASSERT_EQ(fuelConfig, 14);
    drawAlone(twoTankPage);
    EXPECT_EQ(drawings("CALC"), Texts{placedText(60, 52, 8, alignCentre, black, "CALC")});

    useFuelSystem({1, 0, tankModeSender, tankModeCalculated});
    settings.pressureDisplay = 0;
    drawAlone(twoTankPage);
    EXPECT_EQ(drawings("CALC"), Texts{placedText(60, 100, 8, alignCentre, black, "CALC")});

    useFuelSystem({1, 1, tankModeCalculated, tankModeCalculated});
    settings.pressureDisplay = 1;
    drawAlone(twoTankDualFlowPage);
    EXPECT_EQ(drawings("CALC"), (Texts{placedText(60, 51, 8, alignCentre, black, "CALC"),
            placedText(60, 79, 8, alignCentre, black, "CALC")}));

    useFuelSystem({1, 0, tankModeCalculated, tankModeOff});
    drawAlone(singleTankPage);
    // Drawn after the bar, on top of it.
    EXPECT_EQ(drawnTexts().back(), placedText(60, 79, 8, alignCentre, black, "CALC"));

    useFuelSystem({1, 0, tankModeSender, tankModeOff});
    drawAlone(singleTankPage);
    EXPECT_FALSE(wasDrawn("CALC"));
}

TEST_F(LevelPages, GallonUnits)
{
    settings.units = 1;
    tank1Level = 123;
    tank2Level = 45;
    useFuelSystem({1, 0, tankModeSender, tankModeOff});
    drawAlone(singleTankPage);
    EXPECT_EQ(drawings("G/").size(), 1u);
    EXPECT_EQ(drawings("G").size(), 1u);
    EXPECT_EQ(drawings("hr").size(), 1u);
    EXPECT_EQ(drawings("12.3").size(), 2u); // 12.3 G/hr and 12.3 G
    EXPECT_FALSE(wasDrawn("L"));

    useFuelSystem({1, 1, tankModeSender, tankModeSender});
    drawAlone(twoTankDualFlowPage);
    EXPECT_EQ(drawings("G/").size(), 1u);
    EXPECT_EQ(drawings("G").size(), 2u);
    EXPECT_EQ(drawings("4.5").size(), 2u);

    useFuelSystem({1, 0, tankModeSender, tankModeSender});
    drawAlone(twoTankPage);
    EXPECT_EQ(drawings("G/hr").size(), 1u);
    EXPECT_EQ(drawings("G").size(), 2u);

    useFuelSystem({0, 0, tankModeSender, tankModeSender});
    drawAlone(twoTankLevelPage);
    EXPECT_EQ(drawings("GALLONS").size(), 1u);
}

TEST_F(LevelPages, UnitsAboveFiveShowNoUnitTexts)
{
    settings.units = 6;
    useFuelSystem({1, 1, tankModeSender, tankModeSender});
    drawAlone(twoTankDualFlowPage);
    for (const char* unit : {"L/", "G/", "hr", "L", "G"})
        EXPECT_TRUE(drawings(unit).empty()) << unit;

    useFuelSystem({1, 0, tankModeSender, tankModeOff});
    drawAlone(singleTankPage);
    EXPECT_EQ(drawings("hr").size(), 1u); // the single-tank page always says "hr"
    EXPECT_FALSE(wasDrawn("L/"));
}

TEST_F(LevelPages, SingleTankLevelPageInBothLayouts)
{
    useFuelSystem({0, 0, tankModeSender, tankModeOff});
    ASSERT_EQ(fuelConfig, 2);
    drawAlone(singleTankLevelPage);
    const Texts top = {
        placedText(80, 0, 9, alignCentre, grey, "FUEL LEVEL"),
        placedText(150, 44, 16, alignRight, grey, "L"),
        placedText(120, 12, 34, alignRight, white, "30"),
    };
    EXPECT_EQ(pageTexts(), top);

    settings.pressureDisplay = 0;
    drawAlone(singleTankLevelPage);
    Texts withScale = top;
    withScale.push_back(placedText(0, 100, 10, alignLeft, grey, "0"));
    withScale.push_back(placedText(159, 100, 10, alignRight, grey, "45"));
    EXPECT_EQ(pageTexts(), withScale);
}

TEST_F(LevelPages, SingleTankLevelPageOnTankTwo)
{
    useFuelSystem({0, 0, tankModeOff, tankModeSender});
    ASSERT_EQ(fuelConfig, 3);
    settings.tank2Size = 60;
    settings.tank2LowCaution = 40;
    settings.pressureDisplay = 0;
    blinkPhase = 0;
    drawAlone(singleTankLevelPage);
    const DrawnText value = placedText(120, 12, 34, alignRight, white, "40");
    EXPECT_EQ(drawings("40"), (Texts{value, placedText(120, 12, 34, alignRight, black, "40")}));
    EXPECT_EQ(pixelAt(value.x - 1, 20), yellow);
    EXPECT_EQ(drawings("60").size(), 1u);

    level2Fail = 1;
    blinkPhase = 1;
    drawAlone(singleTankLevelPage);
    EXPECT_EQ(drawings("FAIL").size(), 2u);
    EXPECT_EQ(drawings("FAIL")[0], placedText(80, 32, 16, alignCentre, white, "FAIL"));
}

TEST_F(LevelPages, TwoTankLevelPageMovesOnlyTankTwoAndTheUnitWord)
{
    useFuelSystem({0, 0, tankModeSender, tankModeSender});
    ASSERT_EQ(fuelConfig, 4);
    for (auto [o, u] : {std::pair{0, 10}, std::pair{16, 20}}) {
        EXPECT_EQ(layoutOf(twoTankLevelPage, o == 0), (Texts{
            placedText(119, 2, 24, alignCentre, white, "30"),
            placedText(0, 8, 8, alignLeft, grey, "FL1"),
            placedText(119, o + 55, 24, alignCentre, white, "40"),
            placedText(0, o + 61, 8, alignLeft, grey, "FL2"),
            placedText(5, u + 34, 8, alignLeft, grey, "LITRES"),
        }))
            << "row offset " << o;
        EXPECT_EQ(pixelAt(30 * 70 / 45, 28 - 3), white);
        EXPECT_EQ(pixelAt(40 * 70 / 45, o + 81 - 3), white);
    }
}

} // namespace
