// What a script reads back: named values, the texts of the last pass, pixels
// and screenshots.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/settings.h"
#include "display/framebuffer.h"
#include "display/text.h"
#include "screens/screen.h"
#include "screens/setup_screens.h"
#include "sim/screen_names.h"
#include "tests/script/script_test_support.h"
#include "sim/named_values.h"

namespace {

int passesDrawn;

// A screen of the test's own: numbers its passes and marks two corners.
void countingScreen()
{
    ++passesDrawn;
    const std::string label = "PASS " + std::to_string(passesDrawn);
    drawText(10, 20, label.c_str(), 0, 12, 1, 15);
    drawText(40, 100, "say \"hi\"\\\xB0", 0, 9, 1, 229);
    setPixel(0, 0, 9);
    setPixel(159, 119, 10);
}

// On, then the test's screen in place of the home screen.
class ScriptWithTestScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        passesDrawn = 0;
        ASSERT_EQ(script.run("on\n").status, scriptSucceeded);
        currentScreen = countingScreen;
    }
    ScriptInPieces script;
};

TEST(ScriptPrint, OneLinePerNameInTheOrderGiven)
{
    const ScriptResult result =
        runText("slider pressure 77\nkey minus\nprint pressureInput pendingKey menuCursor\n");
    EXPECT_EQ(result.out, "pressureInput = 77\npendingKey = 5\nmenuCursor = 0\n");
}

TEST(ScriptPrint, ScreensPrintByName)
{
    EXPECT_EQ(runText("on\nprint currentScreen messageReturnScreen\n").out,
              "currentScreen = homeScreen\nmessageReturnScreen = none\n");
}

TEST(ScriptPrint, ArrayElementsAndCurvePointsWithinBounds)
{
    ScriptInPieces script;
    script.run("on\n");
    settings.tank1Cal[5] = 4000;
    settings.pressure.userCurve.points[15] = {-12, 3901};
    EXPECT_EQ(script.run("print settings.tank1Cal[5] settings.pressure.userCurve.points[15].value "
                         "settings.pressure.userCurve.points[15].adc digitEntry[3] "
                         "injectorCounts[0]\n")
                  .out,
              "settings.tank1Cal[5] = 4000\n"
              "settings.pressure.userCurve.points[15].value = -12\n"
              "settings.pressure.userCurve.points[15].adc = 3901\n"
              "digitEntry[3] = 0\ninjectorCounts[0] = 0\n");
}

// The record that the pressure screens edit, by its name; the trig tables'
// entries for -360..360 degrees, the shortest decimal of each float.
TEST(ScriptPrint, PointersAndTablesOfTheDesign)
{
    EXPECT_EQ(runText("on\nprint pressureEdit sinTable[90] sinTable[-90] cosTable[60] cosTable[-360]\n").out,
              "pressureEdit = none\nsinTable[90] = 1\nsinTable[-90] = -1\ncosTable[60] = 0.5\n"
              "cosTable[-360] = 1\n");
    ScriptInPieces script;
    pressureEdit = &settings.pressure;
    EXPECT_EQ(script.run("print pressureEdit\n").out, "pressureEdit = settings.pressure\n");
    EXPECT_EQ(runText("print sinTable[-361]\n").err,
              "line 1: index -361 out of range -360..360 in \"sinTable[-361]\"\n");
}

TEST(ScriptPrint, BadNamesAndIndicesAreRefused)
{
    const std::pair<const char*, const char*> cases[] = {
        {"print flowRate9", "unknown name \"flowRate9\""},
        {"print settings.tank1Cal[6]", "index 6 out of range 0..5 in \"settings.tank1Cal[6]\""},
        {"print injectorCounts[4]", "index 4 out of range 0..3 in \"injectorCounts[4]\""},
        {"print settings.pressure.userCurve.points[16].adc",
         "index 16 out of range 0..15 in \"settings.pressure.userCurve.points[16].adc\""},
        {"print settings.pressure.userCurve.points[1].slope",
         "unknown name \"settings.pressure.userCurve.points[1].slope\""},
        {"print settings.tank1Cal",
         "\"settings.tank1Cal\" is an array: name an element as settings.tank1Cal[i]"},
        {"print pendingKey[0]", "unknown name \"pendingKey[0]\""},
        {"print digitEntry[x]", "bad index \"x\": expected decimal digits"},
        {"print digitEntry[1", "missing \"]\" in \"digitEntry[1\""},
    };
    for (const auto& [line, message] : cases) {
        const ScriptResult result = runText(std::string(line) + "\n");
        EXPECT_EQ(result.status, scriptFailed) << line;
        EXPECT_EQ(result.err, "line 1: " + std::string(message) + "\n") << line;
    }
}

// Rows that every subsystem appends must stay printable and unambiguous.
TEST(ScriptPrint, EveryNamedValuePrintsAndNoNameIsListedTwice)
{
    std::set<std::string> seen;
    std::string script;
    for (auto table : {displayNames(), coreNames(), screenNames(), simulatorNames(), settingsNames(), readingNames()})
        for (const NamedValue& value : table) {
            EXPECT_TRUE(seen.insert(value.name).second) << value.name;
            std::string name = value.name;
            if (value.stride == 0)
                script += "print " + name + "\n";
            else if (name.find("[]") != std::string::npos)
                script += "print " + name.replace(name.find("[]"), 2, "[0]") + "\n";
            else
                script += "print " + name + "[" + std::to_string(value.count - 1) + "]\n";
        }
    const ScriptResult result = runText("on\n" + script);
    EXPECT_EQ(result.status, scriptSucceeded) << result.err;
}

TEST(ScriptScreens, EachInstrumentScreenHasItsOwnName)
{
    std::set<std::string> names;
    for (const NamedScreen& screen : instrumentScreens()) {
        ASSERT_NE(screen.handler, nullptr);
        EXPECT_TRUE(names.insert(screen.name).second) << screen.name;
        EXPECT_STREQ(screenName(screen.handler), screen.name);
    }
    EXPECT_STREQ(screenName(homeScreen), "homeScreen");
    EXPECT_STREQ(screenName(nullptr), "none");
    EXPECT_STREQ(screenName(countingScreen), "unknown");
}

TEST_F(ScriptWithTestScreen, TextsListTheLastPassOnlyInDrawingOrder)
{
    const ScriptResult result = script.run("pass 3\ntexts\n");
    EXPECT_EQ(result.status, scriptSucceeded);
    EXPECT_EQ(passesDrawn, 3);
    EXPECT_EQ(result.out, "10 20 12 15 \"PASS 3\"\n"
                          "40 100 9 229 \"say \\\"hi\\\"\\\\\\xB0\"\n");
    EXPECT_EQ(textObserver, nullptr);
}

TEST_F(ScriptWithTestScreen, TextsAndPixelsStayAfterOff)
{
    script.run("pass\noff\n");
    EXPECT_EQ(script.run("texts\npixel 0 0\npixel 159 119\npixel 1 0\n").out,
              "10 20 12 15 \"PASS 1\"\n"
              "40 100 9 229 \"say \\\"hi\\\"\\\\\\xB0\"\n"
              "0 0 = 9\n159 119 = 10\n1 0 = 0\n");
}

TEST_F(ScriptWithTestScreen, PixelsOutsideTheDisplayAreRefused)
{
    EXPECT_EQ(script.run("pixel 160 0\n").err, "line 2: x 160 out of range 0..159\n");
    EXPECT_EQ(ScriptInPieces().run("pixel 0 120\n").err, "line 1: y 120 out of range 0..119\n");
}

std::vector<png_byte> readPng(const std::string& file, png_image& image)
{
    image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str()))
        return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr))
        return {};
    return rgb;
}

TEST_F(ScriptWithTestScreen, ShotIsTheFrameBufferThroughThePalette)
{
    const std::string file =
        (std::filesystem::temp_directory_path() / "qs9_script_shot_test.png").string();
    ASSERT_EQ(script.run("pass\nshot " + file + "\n").status, scriptSucceeded);

    png_image image;
    const std::vector<png_byte> rgb = readPng(file, image);
    std::remove(file.c_str());
    ASSERT_EQ(rgb.size(), size_t(frameBufferSize * 3));
    EXPECT_EQ(image.width, 160u);
    EXPECT_EQ(image.height, 120u);
    for (int i = 0; i < frameBufferSize; ++i) {
        const uint32_t colour = palette[frameBuffer[i]];
        const uint32_t shown = rgb[3 * i] << 16 | rgb[3 * i + 1] << 8 | rgb[3 * i + 2];
        ASSERT_EQ(shown, colour) << "pixel " << i % 160 << "," << i / 160;
    }
}

TEST(ScriptShot, AnUnwritableFileStopsTheScript)
{
    const ScriptResult result =
        runText("on\nshot /nonexistent-dir/shot.png\nprint pendingKey\n");
    EXPECT_EQ(result.status, scriptFailed);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("line 2: cannot write \"/nonexistent-dir/shot.png\": ", 0), 0u)
        << result.err;
}

} // namespace
