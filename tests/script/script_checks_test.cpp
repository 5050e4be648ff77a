// Scripts as checks: set, expect, compare and movie with the statuses they
// give, --check over many scripts, and files written without harm.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "script/check_mode.h"
#include "script/display_pictures.h"
#include "script/movie_frames.h"
#include "sim/simulator.h"
#include "tests/script/script_test_support.h"

namespace fs = std::filesystem;

namespace {

TEST(ScriptSet, ReachesAConfigurationWithSetLinesAloneAndRefusesOtherNames)
{
    const ScriptResult result = runText("on\nset settings.flow2Enabled 1\nset settings.flowMode 0\n"
                                        "set settings.tank2Mode 0\nset settings.tank1Cal[2] -300\n"
                                        "set gpsSpeed 65535\nprint fuelConfig settings.tank1Cal[2] gpsSpeed\n"
                                        "set settings.units 256\nprint fuelConfig\n");
    EXPECT_EQ(result.status, scriptFailed);
    EXPECT_EQ(result.out, "fuelConfig = 10\nsettings.tank1Cal[2] = -300\ngpsSpeed = 65535\n");
    EXPECT_EQ(result.err, "line 8: value 256 out of range 0..255 for \"settings.units\"\n");
    EXPECT_EQ(runText("set flow1Input 1\n").err.find("line 1: \"flow1Input\" cannot be set"), 0u);
}

TEST(ScriptExpect, AFailedExpectationIsReportedAndTheScriptGoesOn)
{
    const ScriptResult result = runText("on\nslider pressure 2000\npass\n"
                                        "expect fuelConfig 0\nexpect fuelConfig 7\n"
                                        "expect text \"FP\" 0 102 8 229\nexpect text \"FP\" 0 103\n"
                                        "expect text \"NO # TEXT\"\nexpect pixel 0 0 0\nexpect pixel 0 0 9\n"
                                        "print pendingKey\n");
    EXPECT_EQ(result.status, scriptExpectationFailed);
    EXPECT_EQ(result.out, "pendingKey = 0\n");
    EXPECT_EQ(result.err, "line 5: fuelConfig = 0, expected 7\n"
                          "line 7: text \"FP\" drawn at 0 102 8 229, expected 0 103\n"
                          "line 8: text \"NO # TEXT\" not drawn by the last pass\n"
                          "line 10: pixel 0 0 = 0, expected 9\n");
    // A bad line still stops the script, whatever failed before it.
    EXPECT_EQ(runText("expect fuelConfig 1\nexpect nothing 1\n").status, scriptFailed);
}

TEST(ScriptMovie, EachDistinctFrameLastsTheTicksThatSawIt)
{
    const std::vector<uint8_t> a(160 * 120, 1), b(160 * 120, 2), c(160 * 120, 3);
    MovieRecording movie;
    movie.addTick(); // before any frame: nothing showed
    movie.addPass(a.data());
    movie.addTick();
    movie.addTick();
    movie.addPass(b.data()); // no tick saw it
    movie.addPass(a.data());
    movie.addTick();
    movie.addPass(c.data());
    movie.addTick();
    movie.addPass(b.data()); // the last, shown at least one tick
    const std::vector<DisplayMovieFrame> frames = movie.timedFrames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].frame, a);
    EXPECT_EQ(frames[0].hundredths, 30u);
    EXPECT_EQ(frames[1].frame, c);
    EXPECT_EQ(frames[1].hundredths, 10u);
    EXPECT_EQ(frames[2].frame, b);
    EXPECT_EQ(frames[2].hundredths, 10u);
}

class ScriptFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/qs9-script-files-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
    }
    void TearDown() override { fs::remove_all(folder); }

    ScriptResult run(const std::string& text, bool update = false)
    {
        ScriptOptions options;
        options.folder = folder;
        options.update = update;
        options.confineFiles = true;
        return runText(text, options);
    }
    void write(const fs::path& file, const std::string& text) { std::ofstream(folder / file) << text; }

    fs::path folder;
};

TEST_F(ScriptFiles, CompareAgainstAMissingUpdatedAndDifferentPicture)
{
    const std::string shown = "on\nslider pressure 2000\npass\ncompare ref.png\n";
    EXPECT_EQ(run(shown).err, "line 4: cannot compare with \"ref.png\": not found; wrote \"" +
                                  (folder / "ref.actual.png").string() + "\"\n");
    EXPECT_EQ(run(shown, true).status, scriptSucceeded);
    EXPECT_EQ(run(shown).status, scriptSucceeded);

    const ScriptResult changed = run("on\nslider pressure 2100\npass\ncompare ref.png\n");
    EXPECT_EQ(changed.status, scriptExpectationFailed);
    std::vector<uint32_t> reference, actual, diff;
    ASSERT_EQ(readDisplayPng((folder / "ref.png").string(), reference), "");
    ASSERT_EQ(readDisplayPng((folder / "ref.actual.png").string(), actual), "");
    ASSERT_EQ(readDisplayPng((folder / "ref.diff.png").string(), diff), "");
    size_t differing = 0;
    for (size_t i = 0; i < diff.size(); ++i) {
        EXPECT_EQ(actual[i], qs9Palette()[qs9FrameBuffer()[i]]);
        EXPECT_EQ(diff[i] == 0xFF0000, actual[i] != reference[i]);
        differing += actual[i] != reference[i];
    }
    EXPECT_NE(changed.err.find("differs from \"ref.png\" in " + std::to_string(differing) + " pixels"),
              std::string::npos);
}

// The alarm box on and off, 1.1 s each, as giflib reads the movie back.
TEST_F(ScriptFiles, MovieIsAnAnimatedGifTimedByTheTicks)
{
    ASSERT_EQ(run("on\npass\nmovie blink.gif\npass\ntick 11\npass\ntick 11\n").status, scriptSucceeded);
    int error = 0;
    GifFileType* gif = DGifOpenFileName((folder / "blink.gif").c_str(), &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    ASSERT_EQ(gif->ImageCount, 2);
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock timing;
        DGifSavedExtensionToGCB(gif, i, &timing);
        EXPECT_EQ(timing.DelayTime, 110);
    }
    EXPECT_EQ(gif->SWidth * gif->SHeight, 160 * 120);
    DGifCloseFile(gif, &error);
}

// A failed picture never removes what it was written to: on a full device
// the device stays; a file is replaced whole, keeping its permissions.
TEST_F(ScriptFiles, WritingFailsWithoutHarmAndStaysInTheFolder)
{
    if (mknod((folder / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "making a device needs root";
    const ScriptResult full = run("on\npass\nshot full\n");
    EXPECT_EQ(full.status, scriptFailed);
    EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;
    EXPECT_TRUE(fs::is_character_file(folder / "full"));

    write("kept.png", "old");
    fs::permissions(folder / "kept.png", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(run("shot kept.png\n").status, scriptSucceeded);
    EXPECT_GT(fs::file_size(folder / "kept.png"), 3u);
    EXPECT_EQ(fs::status(folder / "kept.png").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    for (const char* outside : {"../out.png", "/tmp/out.png", ".", "sub/.."})
        EXPECT_EQ(run(std::string("shot ") + outside + "\n").err,
                  "line 1: file \"" + std::string(outside) + "\" is outside the script's folder\n");
}

// Each script from program start: a key left in the slot by one script is
// gone in the next.
TEST_F(ScriptFiles, CheckModeReportsEachFailedScriptThenTheCounts)
{
    write("failing.qs9", "on\npass\nexpect fuelConfig 3\nexpect fuelConfig 4\nkey left\n");
    write("good.qs9", "expect pendingKey 0\n");
    fs::create_directory(folder / "sub");
    write("sub/bad.qs9", "on\njump\n");
    write("sub/notes.txt", "jump\n");
    std::ostringstream report;
    EXPECT_EQ(runChecks({folder.string(), (folder / "none.qs9").string()}, false, report), 1);
    const std::string at = folder.string() + "/";
    EXPECT_EQ(report.str(), at + "failing.qs9: line 3: fuelConfig = 0, expected 3\n" + at +
                                "sub/bad.qs9: line 2: unknown command \"jump\"\n" + at +
                                "none.qs9: cannot read the script: not found\n1 passed, 3 failed\n");
}

} // namespace
