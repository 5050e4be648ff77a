// The runner prints what sim/ says for the learner: the key help and the
// display as text, the same texts every host shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "sim/simulator.h"
#include "tests/script/script_test_support.h"

namespace {

// The quoted texts of a "texts" listing, in drawing order.
std::vector<std::string> listedTexts(const std::string& listing)
{
    std::vector<std::string> texts;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        const size_t open = line.find('"');
        const std::string text = line.substr(open + 1, line.rfind('"') - open - 1);
        if (!text.empty())
            texts.push_back(text);
    }
    return texts;
}

std::string withoutBlanks(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    return text;
}

TEST(ScriptHelpTexts, AfterOnTheDisplayTextListsWhatTextsListsInReadingOrder)
{
    const ScriptResult result = runText("on\npass\ntexts\nprint displayText\n");
    ASSERT_EQ(result.status, scriptSucceeded) << result.err;
    const size_t printed = result.out.find("displayText = ");
    ASSERT_NE(printed, std::string::npos) << result.out;
    std::vector<std::string> drawn = listedTexts(result.out.substr(0, printed));
    const std::string text = result.out.substr(printed + 14);

    // The factory page top to bottom: status line, flow, tank, pressure
    // strip, each row left to right; then the alarm the strip shows in red.
    std::vector<std::string> readingOrder = {"R: ", "?",  "sm", "T:", "?:??", "FF", "0.0", "L/",
                                             "hr",  "FL", "45", "L",  "FP",   "0.0", "psi"};
    std::string expected;
    for (const std::string& piece : readingOrder)
        expected += piece;
    EXPECT_EQ(withoutBlanks(text), withoutBlanks(expected + "Alarm: Fuel pressure, not acknowledged")) << text;
    std::sort(drawn.begin(), drawn.end());
    std::sort(readingOrder.begin(), readingOrder.end());
    EXPECT_EQ(drawn, readingOrder) << "every text drawn is read, once";
}

TEST(ScriptHelpTexts, KeyHelpPrintsAsSimGivesItAndIsNoNumber)
{
    const ScriptResult result = runText("print keyHelp\non\npass\nprint keyHelp\n");
    EXPECT_EQ(result.out, "keyHelp = Press On to switch the instrument on\n"
                          "keyHelp = Any key first acknowledges the active alarm\n"
                          "Knob: main menu\n+: fuel totals\nLeft: cruising speed\n");
    const ScriptResult set = runText("on\nset keyHelp 1\n");
    EXPECT_EQ(set.status, scriptFailed);
    EXPECT_NE(set.err.find("keyHelp"), std::string::npos) << set.err;
}

} // namespace
