// The level pages: where each page writes its texts in both layouts, the
// low-fuel colouring of the contents, "FAIL", "CALC", units and flow values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fuel_flow.h"
#include "core/keys_and_time.h"
#include "core/settings.h"
#include "core/tank_level.h"
#include "display/framebuffer.h"
#include "display/text.h"
#include "sim/power_cycle.h"
#include "screens/run_time_pages.h"
#include "screens/screen.h"

namespace {

constexpr uint8_t white = 15, grey = 229, red = 9, yellow = 11, black = 0;
constexpr uint8_t centre = 0, left = 1, right = 2;

using Texts = std::vector<std::string>;

struct Drawn {
    int startX, y, font, colour;
    std::string text;
};
std::vector<Drawn> drawn;

std::string describe(const Drawn& d)
{
    return std::to_string(d.startX) + " " + std::to_string(d.y) + " " + std::to_string(d.font) +
           " " + std::to_string(d.colour) + " \"" + d.text + "\"";
}

// A text as a page should draw it: its first column comes from the renderer
// for the given anchor, so the check holds whatever the glyph widths.
std::string expected(int x, int y, int font, int align, int colour, const char* text)
{
    const TextObserver observer = textObserver;
    textObserver = nullptr;
    drawText(static_cast<int16_t>(x), -500, text, 0, static_cast<uint8_t>(font),
             static_cast<uint8_t>(align), colour);
    textObserver = observer;
    return describe({textStartX, y, font, colour, text});
}

uint8_t pixel(int x, int y) { return frameBuffer[x + displayWidth * y]; }

class LevelPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetToProgramStart();
        powerOnSequence();
        drawn.clear();
        textObserver = [](uint16_t startX, int16_t y, uint8_t font, uint8_t colour, const char* text) {
            drawn.push_back({startX, y, font, colour, text});
        };
        blinkPhase = 1;
        tank1Level = 30;
        tank2Level = 40;
        flowRate1 = 123;
        flowRate2 = 45;
    }
    void TearDown() override { textObserver = nullptr; }

    void configure(uint8_t flow1, uint8_t flow2, uint8_t tank1Mode, uint8_t tank2Mode,
                   uint8_t flowMode = flowModeDual)
    {
        settings.flow1Enabled = flow1;
        settings.flow2Enabled = flow2;
        settings.tank1Mode = tank1Mode;
        settings.tank2Mode = tank2Mode;
        settings.flowMode = flowMode;
        deriveFuelConfig();
    }

    static void show(ScreenHandler page)
    {
        drawn.clear();
        clearFrameBuffer();
        page();
    }

    // The page's own texts: without the pressure strip's line (rows 101 and
    // below) and the speed line (font 9 on row 15), which other pieces draw.
    static Texts pageTexts()
    {
        Texts texts;
        for (const Drawn& d : drawn)
            if (d.y < 101 && !(d.y == 15 && d.font == 9))
                texts.push_back(describe(d));
        return texts;
    }

    // The page's texts with the pressure strip on or off.
    static Texts layoutOf(ScreenHandler page, bool strip)
    {
        settings.pressureDisplay = strip ? 1 : 0;
        show(page);
        return pageTexts();
    }

    static Texts textsOf(const std::string& text)
    {
        Texts found;
        for (const Drawn& d : drawn)
            if (d.text == text)
                found.push_back(describe(d));
        return found;
    }
};

TEST_F(LevelPages, SingleTankPageInBothLayouts)
{
    configure(1, 0, tankModeSender, tankModeOff);
    ASSERT_EQ(fuelConfig, 0);
    EXPECT_EQ(layoutOf(singleTankPage, true), (Texts{
        expected(0, 22, 8, left, grey, "FF"),
        expected(150, 35, 8, centre, grey, "L/"),
        expected(159, 79, 8, right, grey, "L"),
        expected(150, 47, 8, centre, grey, "hr"),
        expected(140, 12, 34, right, white, "12.3"),
        expected(120, 71, 16, centre, white, "30"),
        expected(0, 78, 8, left, grey, "FL"),
    }));

    EXPECT_EQ(layoutOf(singleTankPage, false), (Texts{
        expected(0, 37, 8, left, grey, "FF"),
        expected(150, 50, 8, centre, grey, "L/"),
        expected(159, 97, 8, right, grey, "L"),
        expected(150, 62, 8, centre, grey, "hr"),
        expected(140, 27, 34, right, white, "12.3"),
        expected(120, 89, 16, centre, white, "30"),
        expected(0, 96, 8, left, grey, "FL"),
    }));
    // The bar moves down with the tank line: its marker stands 3 rows above it.
    EXPECT_EQ(pixel(25 + 30 * 66 / 45, 78 + 18 - 3), white);
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
        configure(p.flow1, p.flow2, tankModeSender, p.tank2Mode);
        layoutOf(p.page, true);
        EXPECT_EQ(textsOf("FP"), Texts{expected(0, p.stripY - 2, 8, left, grey, "FP")}) << int(fuelConfig);
        EXPECT_TRUE(textsOf("S: ").empty()) << int(fuelConfig);
        layoutOf(p.page, false);
        EXPECT_TRUE(textsOf("FP").empty()) << int(fuelConfig);
        const Texts speedLine = p.flow1 ? Texts{expected(0, 15, 9, left, grey, "S: ")} : Texts{};
        EXPECT_EQ(textsOf("S: "), speedLine) << int(fuelConfig);
    }
}

TEST_F(LevelPages, SingleTankPageShowsTheTankAndFlowOfItsConfiguration)
{
    configure(0, 1, tankModeOff, tankModeSender);
    ASSERT_EQ(fuelConfig, 1);
    show(singleTankPage);
    EXPECT_EQ(textsOf("4.5").size(), 1u);
    EXPECT_EQ(textsOf("40").size(), 1u);

    // Both flows as one into tank 2: the sum, or supply less return.
    configure(1, 1, tankModeOff, tankModeSender, flowModeSum);
    ASSERT_EQ(fuelConfig, 13);
    show(singleTankPage);
    EXPECT_EQ(textsOf("16.8").size(), 1u);
    EXPECT_EQ(textsOf("40").size(), 1u);

    configure(1, 1, tankModeSender, tankModeOff, flowModeDiff);
    ASSERT_EQ(fuelConfig, 12);
    flowRate1 = 100;
    flowRate2 = 250;
    show(singleTankPage);
    EXPECT_EQ(textsOf("-15.0"), Texts{expected(140, 12, 34, right, white, "-15.0")});
    EXPECT_EQ(textsOf("30").size(), 1u);
}

TEST_F(LevelPages, CombinedFlowsAtFullScaleNeitherWrapNorTurnNegative)
{
    configure(1, 1, tankModeSender, tankModeOff, flowModeSum);
    flowRate1 = 20000;
    flowRate2 = 20000;
    show(singleTankPage);
    EXPECT_EQ(textsOf("4000.0").size(), 1u);

    settings.flowMode = flowModeDiff;
    flowRate1 = 65535;
    flowRate2 = 0;
    show(singleTankPage);
    EXPECT_EQ(textsOf("6553.5").size(), 1u);
}

TEST_F(LevelPages, TwoTankDualFlowPageInBothLayouts)
{
    configure(1, 1, tankModeSender, tankModeSender);
    ASSERT_EQ(fuelConfig, 10);
    for (int q : {0, 18}) {
        EXPECT_EQ(layoutOf(twoTankDualFlowPage, q == 0), (Texts{
            expected(35, q + 15, 16, centre, white, "12.3"),
            expected(128, q + 15, 16, centre, white, "4.5"),
            expected(120, q + 43, 16, centre, white, "30"),
            expected(0, q + 50, 8, left, grey, "FL1"),
            expected(120, q + 71, 16, centre, white, "40"),
            expected(0, q + 78, 8, left, grey, "FL2"),
            expected(80, q + 17, 8, centre, grey, "L/"),
            expected(80, q + 29, 8, centre, grey, "hr"),
            expected(159, q + 50, 9, right, grey, "L"),
            expected(159, q + 78, 9, right, grey, "L"),
        }))
            << "row offset " << q;
    }
}

TEST_F(LevelPages, TwoTankPageInBothLayouts)
{
    configure(1, 0, tankModeSender, tankModeSender);
    ASSERT_EQ(fuelConfig, 11);
    for (auto [p, f] : {std::pair{0, 2}, std::pair{20, 19}}) {
        EXPECT_EQ(layoutOf(twoTankPage, p == 0), (Texts{
            expected(100, f + 12, 20, right, white, "12.3"),
            expected(120, p + 44, 16, centre, white, "30"),
            expected(0, p + 51, 8, left, grey, "FL1"),
            expected(120, p + 72, 16, centre, white, "40"),
            expected(0, p + 79, 8, left, grey, "FL2"),
            expected(125, f + 21, 9, centre, grey, "L/hr"),
            expected(159, p + 52, 9, right, grey, "L"),
            expected(159, p + 80, 9, right, grey, "L"),
        }))
            << "row offset " << p;
    }
}

TEST_F(LevelPages, TwoTankPageFlowValue)
{
    configure(0, 1, tankModeSender, tankModeSender);
    show(twoTankPage);
    EXPECT_EQ(textsOf("4.5").size(), 1u);

    configure(1, 1, tankModeSender, tankModeSender, flowModeDiff);
    ASSERT_EQ(fuelConfig, 11);
    show(twoTankPage);
    EXPECT_EQ(textsOf("7.8").size(), 1u);
    flowRate2 = 200;
    show(twoTankPage);
    EXPECT_EQ(textsOf("-7.7").size(), 1u);
}

// Contents at the low alarm: white on a red box while the blink phase is on,
// plain white while it is off. At the low caution: black on yellow, steady.
TEST_F(LevelPages, LowFuelBandsColourTheContents)
{
    configure(1, 0, tankModeSender, tankModeOff);
    tank1Level = 10; // the low alarm level
    show(singleTankPage);
    ASSERT_EQ(textsOf("10").size(), 2u);
    const std::string first = textsOf("10")[0];
    EXPECT_EQ(textsOf("10"), (Texts{first, first}));
    const int boxLeft = std::stoi(first) - 2;
    EXPECT_EQ(pixel(boxLeft, 74), red);
    EXPECT_EQ(pixel(boxLeft, 99), red);
    EXPECT_EQ(pixel(boxLeft - 1, 74), black);
    EXPECT_EQ(pixel(boxLeft, 73), black);

    blinkPhase = 0;
    show(singleTankPage);
    EXPECT_EQ(textsOf("10").size(), 1u);
    EXPECT_EQ(pixel(boxLeft, 74), black);

    tank1Level = 20; // the low caution level, above the alarm
    for (uint8_t phase : {0, 1}) {
        blinkPhase = phase;
        show(singleTankPage);
        const std::string value = expected(120, 71, 16, centre, white, "20");
        const int start = std::stoi(value);
        EXPECT_EQ(textsOf("20"), (Texts{value, describe({start, 71, 16, black, "20"})}));
        EXPECT_EQ(pixel(start - 2, 74), yellow);
    }

    tank1Level = 21;
    show(singleTankPage);
    EXPECT_EQ(textsOf("21").size(), 1u);
    EXPECT_EQ(pixel(std::stoi(textsOf("21")[0]) - 2, 74), black);
}

TEST_F(LevelPages, ThresholdsBelowZeroNeverCatchAnEmptyTank)
{
    configure(1, 0, tankModeSender, tankModeOff);
    settings.tank1LowAlarm = -1;
    settings.tank1LowCaution = -1;
    tank1Level = 0;
    show(singleTankPage);
    EXPECT_EQ(textsOf("0").size(), 1u);
}

// A failed sender: "FAIL" white on red in place of the number, only while
// the blink phase is on; the bar still shows the contents.
TEST_F(LevelPages, FailedSenderBlinksFailInPlaceOfTheNumber)
{
    configure(1, 1, tankModeSender, tankModeSender);
    level2Fail = 1;
    show(twoTankDualFlowPage);
    const std::string fail = expected(145, 75, 12, right, white, "FAIL");
    EXPECT_EQ(textsOf("FAIL"), (Texts{fail, fail}));
    EXPECT_TRUE(textsOf("40").empty());
    const int boxLeft = std::stoi(fail) - 1;
    EXPECT_EQ(pixel(boxLeft, 76), red);
    EXPECT_EQ(pixel(boxLeft, 96), red);
    EXPECT_EQ(pixel(boxLeft - 1, 76), black);
    EXPECT_EQ(pixel(30 + 40 * 61 / 45, 79 - 3), white); // the marker

    blinkPhase = 0;
    show(twoTankDualFlowPage);
    EXPECT_TRUE(textsOf("FAIL").empty());
    EXPECT_TRUE(textsOf("40").empty());
    EXPECT_EQ(pixel(boxLeft, 76), black);
    EXPECT_EQ(pixel(30 + 40 * 61 / 45, 79 - 3), white);
    EXPECT_EQ(textsOf("30").size(), 1u); // tank 1 is unaffected
}

TEST_F(LevelPages, SingleTankFailBoxEndsAtColumn145)
{
    configure(1, 0, tankModeSender, tankModeOff);
    level1Fail = 1;
    show(singleTankPage);
    ASSERT_EQ(textsOf("FAIL").size(), 2u);
    EXPECT_EQ(pixel(145, 76), red);
    EXPECT_EQ(pixel(146, 76), black);
}

TEST_F(LevelPages, CalcTagOnlyOnCalculatedTanks)
{
    configure(1, 0, tankModeCalculated, tankModeSender);
    ASSERT_EQ(fuelConfig, 14);
    show(twoTankPage);
    EXPECT_EQ(textsOf("CALC"), Texts{expected(60, 52, 8, centre, black, "CALC")});

    configure(1, 0, tankModeSender, tankModeCalculated);
    settings.pressureDisplay = 0;
    show(twoTankPage);
    EXPECT_EQ(textsOf("CALC"), Texts{expected(60, 100, 8, centre, black, "CALC")});

    configure(1, 1, tankModeCalculated, tankModeCalculated);
    settings.pressureDisplay = 1;
    show(twoTankDualFlowPage);
    EXPECT_EQ(textsOf("CALC"), (Texts{expected(60, 51, 8, centre, black, "CALC"),
            expected(60, 79, 8, centre, black, "CALC")}));

    configure(1, 0, tankModeCalculated, tankModeOff);
    show(singleTankPage);
    // Drawn after the bar, on top of it.
    EXPECT_EQ(describe(drawn.back()), expected(60, 79, 8, centre, black, "CALC"));

    configure(1, 0, tankModeSender, tankModeOff);
    show(singleTankPage);
    EXPECT_TRUE(textsOf("CALC").empty());
}

TEST_F(LevelPages, GallonUnits)
{
    settings.units = 1;
    tank1Level = 123;
    tank2Level = 45;
    configure(1, 0, tankModeSender, tankModeOff);
    show(singleTankPage);
    EXPECT_EQ(textsOf("G/").size(), 1u);
    EXPECT_EQ(textsOf("G").size(), 1u);
    EXPECT_EQ(textsOf("hr").size(), 1u);
    EXPECT_EQ(textsOf("12.3").size(), 2u); // 12.3 G/hr and 12.3 G
    EXPECT_TRUE(textsOf("L").empty());

    configure(1, 1, tankModeSender, tankModeSender);
    show(twoTankDualFlowPage);
    EXPECT_EQ(textsOf("G/").size(), 1u);
    EXPECT_EQ(textsOf("G").size(), 2u);
    EXPECT_EQ(textsOf("4.5").size(), 2u);

    configure(1, 0, tankModeSender, tankModeSender);
    show(twoTankPage);
    EXPECT_EQ(textsOf("G/hr").size(), 1u);
    EXPECT_EQ(textsOf("G").size(), 2u);

    configure(0, 0, tankModeSender, tankModeSender);
    show(twoTankLevelPage);
    EXPECT_EQ(textsOf("GALLONS").size(), 1u);
}

TEST_F(LevelPages, UnitsAboveFiveShowNoUnitTexts)
{
    settings.units = 6;
    configure(1, 1, tankModeSender, tankModeSender);
    show(twoTankDualFlowPage);
    for (const char* unit : {"L/", "G/", "hr", "L", "G"})
        EXPECT_TRUE(textsOf(unit).empty()) << unit;

    configure(1, 0, tankModeSender, tankModeOff);
    show(singleTankPage);
    EXPECT_EQ(textsOf("hr").size(), 1u); // the single-tank page always says "hr"
    EXPECT_TRUE(textsOf("L/").empty());
}

TEST_F(LevelPages, SingleTankLevelPageInBothLayouts)
{
    configure(0, 0, tankModeSender, tankModeOff);
    ASSERT_EQ(fuelConfig, 2);
    show(singleTankLevelPage);
    const Texts top = {
        expected(80, 0, 9, centre, grey, "FUEL LEVEL"),
        expected(150, 44, 16, right, grey, "L"),
        expected(120, 12, 34, right, white, "30"),
    };
    EXPECT_EQ(pageTexts(), top);

    settings.pressureDisplay = 0;
    show(singleTankLevelPage);
    Texts withScale = top;
    withScale.push_back(expected(0, 100, 10, left, grey, "0"));
    withScale.push_back(expected(159, 100, 10, right, grey, "45"));
    EXPECT_EQ(pageTexts(), withScale);
}

TEST_F(LevelPages, SingleTankLevelPageOnTankTwo)
{
    configure(0, 0, tankModeOff, tankModeSender);
    ASSERT_EQ(fuelConfig, 3);
    settings.tank2Size = 60;
    settings.tank2LowCaution = 40;
    settings.pressureDisplay = 0;
    blinkPhase = 0;
    show(singleTankLevelPage);
    const std::string value = expected(120, 12, 34, right, white, "40");
    EXPECT_EQ(textsOf("40"), (Texts{value, describe({std::stoi(value), 12, 34, black, "40"})}));
    EXPECT_EQ(pixel(std::stoi(value) - 1, 20), yellow);
    EXPECT_EQ(textsOf("60").size(), 1u);

    level2Fail = 1;
    blinkPhase = 1;
    show(singleTankLevelPage);
    EXPECT_EQ(textsOf("FAIL").size(), 2u);
    EXPECT_EQ(textsOf("FAIL")[0], expected(80, 32, 16, centre, white, "FAIL"));
}

TEST_F(LevelPages, TwoTankLevelPageMovesOnlyTankTwoAndTheUnitWord)
{
    configure(0, 0, tankModeSender, tankModeSender);
    ASSERT_EQ(fuelConfig, 4);
    for (auto [o, u] : {std::pair{0, 10}, std::pair{16, 20}}) {
        EXPECT_EQ(layoutOf(twoTankLevelPage, o == 0), (Texts{
            expected(119, 2, 24, centre, white, "30"),
            expected(0, 8, 8, left, grey, "FL1"),
            expected(119, o + 55, 24, centre, white, "40"),
            expected(0, o + 61, 8, left, grey, "FL2"),
            expected(5, u + 34, 8, left, grey, "LITRES"),
        }))
            << "row offset " << o;
        EXPECT_EQ(pixel(30 * 70 / 45, 28 - 3), white);
        EXPECT_EQ(pixel(40 * 70 / 45, o + 81 - 3), white);
    }
}

} // namespace
