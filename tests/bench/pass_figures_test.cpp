// The pass benchmark's figures files: what one run saves, a later run reads
// back and sets beside its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "pass_figures.h"

namespace {

const PassFigures saved{"d0cd580 on the 2-core machine", {{"home/config0", 3.11}, {"menus/main", 2.84}}};

std::string parseError(const std::string& text)
{
    PassFigures figures;
    std::string error;
    EXPECT_FALSE(parseFigures(text, figures, error)) << text;
    return error;
}

std::string scratchFile(const char* name)
{
    return ::testing::TempDir() + name;
}

} // namespace

TEST(PassFigures, SavedTextReadsBackAsSaved)
{
    PassFigures back;
    std::string error;
    ASSERT_TRUE(parseFigures(figuresText(saved), back, error)) << error;
    EXPECT_EQ(back.label, saved.label);
    ASSERT_EQ(back.families.size(), 2u);
    EXPECT_EQ(back.families[1].family, "menus/main");
    EXPECT_DOUBLE_EQ(back.families[1].microseconds, 2.84);
}

TEST(PassFigures, BadLinesAreNamedByNumber)
{
    EXPECT_EQ(parseError("# figures\nhome/config0 3.1\nmenus/main\n"),
              "line 3: not a screen family and its microseconds per pass: \"menus/main\"");
    EXPECT_EQ(parseError("home/config0 fast\n"),
              "line 1: not a screen family and its microseconds per pass: \"home/config0 fast\"");
    EXPECT_EQ(parseError("home/config0 3.1 us\n"),
              "line 1: not a screen family and its microseconds per pass: \"home/config0 3.1 us\"");
    EXPECT_EQ(parseError("home/config0 -3.1\n"),
              "line 1: not a screen family and its microseconds per pass: \"home/config0 -3.1\"");
    EXPECT_EQ(parseError("home/config0 3.1\nhome/config0 3.2\n"), "line 2: home/config0 is there twice");
    EXPECT_EQ(parseError("# only comments\n\n"), "no figures in it");
}

TEST(PassFigures, FilesRoundTripAndFailuresNameTheFile)
{
    const std::string path = scratchFile("pass-figures.txt");
    std::string error;
    ASSERT_TRUE(writeFigures(path, saved, error)) << error;
    PassFigures back;
    ASSERT_TRUE(readFigures(path, back, error)) << error;
    EXPECT_EQ(back.families.size(), 2u);

    EXPECT_FALSE(readFigures(scratchFile("no-such-figures.txt"), back, error));
    EXPECT_EQ(error, scratchFile("no-such-figures.txt") + ": No such file or directory");

    EXPECT_FALSE(writeFigures(scratchFile("no-such-folder/figures.txt"), saved, error));
    EXPECT_EQ(error, scratchFile("no-such-folder/figures.txt") + ": No such file or directory");

    // A write that fails leaves the figures saved before whole.
    const std::string part = path + ".part";
    ASSERT_TRUE(std::filesystem::create_directory(part));
    EXPECT_FALSE(writeFigures(path, PassFigures{"", {{"home/totals", 1.0}}}, error));
    EXPECT_TRUE(readFigures(path, back, error)) << error;
    EXPECT_EQ(back.families.size(), 2u);
    std::filesystem::remove(part);
    std::filesystem::remove(path);
}

TEST(PassFigures, ComparisonSetsEachFamilyBesideItsSavedTime)
{
    const PassFigures now{"", {{"home/config0", 1.5}, {"setup/fuel", 2.5}}};
    const std::string table = comparisonTable(saved, now);
    EXPECT_NE(table.find("saved (d0cd580 on the 2-core machine) against now"), std::string::npos) << table;
    EXPECT_NE(table.find("pass/home/config0                 saved     3.11 us  now     1.50 us   2.07\n"),
              std::string::npos)
        << table;
    EXPECT_NE(table.find("pass/setup/fuel                   saved        -  now     2.50 us  not in the saved figures\n"),
              std::string::npos)
        << table;
    EXPECT_NE(table.find("pass/menus/main                   saved     2.84 us  not measured now\n"), std::string::npos)
        << table;
    EXPECT_EQ(figuresTable(now),
              "CPU time per pass (the median with repetitions):\n"
              "pass/home/config0                     1.50 us\n"
              "pass/setup/fuel                       2.50 us\n");
}
