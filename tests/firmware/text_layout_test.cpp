// Every screen of the set-up tree and every run-time page, walked row by row
// and edited, with each text's ink placed by the font tables: no text runs
// past the display's edge, into the scroll bar or into another text, beyond
// the crowding that the screens have always had (listed below). A change of
// glyph widths that pushes a text somewhere new shows up here by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "bench/screen_walks.h"
#include "display/colours.h"
#include "display/framebuffer.h"
#include "display/glyphs.h"
#include "sim/simulator.h"

namespace {

using namespace screen_walks;

// Crowding the screens show with the fonts as they have always been: a text
// that runs into another, into the scroll bar or off the display. All of it
// comes from flows of 100 or more an hour (the walks' large flows), which
// the large flow figure has no room for.
const std::set<std::string> knownCrowding = {
    "entries/fuelLevel2: \"128.5\" runs off the display",
    "entries/fuelLevel2: \"385.7\" runs off the display",
    "entries/fuelLevel: \"385.7\" runs off the display",
    "entries/fuelLevel: \"FF\" and \"385.7\" run together",
    "home/config0: \"101.8\" runs off the display",
    "home/config0: \"385.7\" runs off the display",
    "home/config0: \"FF\" and \"101.8\" run together",
    "home/config0: \"FF\" and \"385.7\" run together",
    "home/config10: \"101.8\" runs off the display",
    "home/config10: \"128.5\" runs off the display",
    "home/config10: \"385.7\" runs off the display",
    "home/config12: \"257.2\" runs off the display",
    "home/config12: \"FF\" and \"257.2\" run together",
    "home/config13: \"257.2\" runs off the display",
    "home/config13: \"FF\" and \"257.2\" run together",
    "home/config1: \"128.5\" runs off the display",
    "home/config1: \"FF\" and \"128.5\" run together",
    "home/config7: \"101.8\" and \"G/hr\" run together",
    "home/config7: \"385.7\" and \"L/hr\" run together",
    "home/config7: \"FF1\" and \"101.8\" run together",
    "home/config7: \"FF1\" and \"385.7\" run together",
    "home/config7: \"FF2\" and \"128.5\" run together",
    "messages/codeError: \"385.7\" runs off the display",
    "messages/codeError: \"FF\" and \"385.7\" run together",
};

// The rectangle that holds a text's ink, in display coordinates (it may lie
// beyond the display); empty for a text without ink.
struct InkBox {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool empty() const { return right < left; }
    bool meets(const InkBox& o) const
    {
        return !empty() && !o.empty() && left <= o.right && o.left <= right && top <= o.bottom &&
               o.top <= bottom;
    }
};

struct PlacedText {
    std::string text;
    int x, y, font;
    InkBox ink;
};

bool inkAt(const Glyph& g, int row, int column)
{
    return (g.bitmap[row * g.rowBytes + column / 8] >> (7 - column % 8) & 1) != 0;
}

// The ink of a text drawn from startX (the renderer's 16-bit x, read as
// signed so that a text pushed off the left edge lies left of 0).
InkBox inkOf(const std::string& text, int startX, int y, uint8_t fontSize)
{
    const GlyphFont& font = fontFor(fontSize);
    InkBox box{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
    int pen = static_cast<int16_t>(startX);
    Glyph g{};
    for (unsigned char ch : text) {
        if (!findGlyph(font, ch, g))
            continue;
        for (int r = g.firstInkRow; r < g.endInkRow; ++r)
            for (int c = 0; c < g.width; ++c)
                if (inkAt(g, r, c)) {
                    box.left = std::min(box.left, pen + c);
                    box.right = std::max(box.right, pen + c);
                    box.top = std::min(box.top, y + r);
                    box.bottom = std::max(box.bottom, y + r);
                }
        pen += g.width + 1;
    }
    return box.right < box.left ? InkBox{} : box;
}

std::vector<PlacedText> drawn;

void recordText(void*, uint16_t startX, int16_t y, uint8_t font, uint8_t, const char* text)
{
    drawn.push_back({text, startX, y, font, inkOf(text, startX, y, font)});
}

// The set-up lists' scroll bar: its track, a white line at x 156 from y 30 to 98.
bool scrollBarShown()
{
    for (int y = 30; y <= 98; ++y)
        if (frameBuffer[y * displayWidth + 156] != colourWhite)
            return false;
    return true;
}

constexpr int scrollBarLeft = 153;
constexpr int menuTopRow = 26, menuBottomRow = 101;

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// What crowds the display after the last pass, each named with the walk.
void lookForCrowding(const std::string& walk, std::set<std::string>& found)
{
    const bool scrollBar = scrollBarShown();
    for (size_t i = 0; i < drawn.size(); ++i) {
        const PlacedText& t = drawn[i];
        const InkBox& ink = t.ink;
        if (ink.empty())
            continue;
        if (ink.left < 0 || ink.right >= displayWidth || ink.top < 0 || ink.bottom >= displayHeight)
            found.insert(walk + ": " + quoted(t.text) + " runs off the display");
        if (scrollBar && ink.right >= scrollBarLeft && ink.bottom >= menuTopRow && ink.top <= menuBottomRow)
            found.insert(walk + ": " + quoted(t.text) + " runs into the scroll bar");
        for (size_t j = 0; j < i; ++j) {
            const PlacedText& o = drawn[j];
            const bool redrawn = o.text == t.text && o.x == t.x && o.y == t.y && o.font == t.font;
            if (!redrawn && ink.meets(o.ink))
                found.insert(walk + ": " + quoted(o.text) + " and " + quoted(t.text) + " run together");
        }
    }
}

// One pass, with the key clicked before it, and a look at the result.
void passAndLook(const std::string& walk, uint8_t key, std::set<std::string>& found)
{
    drawn.clear();
    pass(key);
    lookForCrowding(walk, found);
}

void arriveAndLook(const Walk& w, std::set<std::string>& found)
{
    ASSERT_EQ(arrive(w), "") << w.name;
    qs9ObserveTexts(recordText, nullptr);
    passAndLook(w.name, QS9_KEY_NONE, found);
}

// The keys tried on each row of a screen: open or edit it, turn both ways,
// with every edit step, so that values reach their ends and wrap.
constexpr const char* rowKeys = "P---R+++R+++R+++RR-------L";
constexpr int rowsTried = 16;

void walkRows(const Walk& w, std::set<std::string>& found)
{
    for (int row = 0; row < rowsTried; ++row) {
        arriveAndLook(w, found);
        for (int turn = 0; turn < row; ++turn)
            passAndLook(w.name, QS9_KEY_PLUS, found);
        for (const char* k = rowKeys; *k != '\0'; ++k)
            passAndLook(w.name, keyFor(*k), found);
    }
}

// Sender readings put in after a walk: -1 keeps the walk's.
struct Senders {
    int64_t flow1, flow2, level, pressure;
};

const Senders pageSenders[] = {
    {-1, -1, -1, -1},        // the walk's: a large flow on both channels
    {300, 100, -1, -1},      // a cruising flow
    {300, 100, 4000, 4000},  // level and pressure senders failed
    {0, 0, 0, 0},            // everything at zero: the alarms
};

void putSenders(const Senders& s)
{
    const std::pair<const char*, int64_t> readings[] = {
        {"flow1Input", s.flow1}, {"flow2Input", s.flow2}, {"level1Input", s.level},
        {"level2Input", s.level}, {"pressureInput", s.pressure}};
    for (const auto& [name, value] : readings)
        if (value >= 0)
            qs9WriteValue(name, value);
}

// A page through its status line's eight steps: in every volume unit (and a
// pressure unit with each), with a valid ground speed in every other one,
// under each set of sender readings.
void walkPage(const Walk& w, std::set<std::string>& found)
{
    for (int units = 0; units < 6; ++units)
        for (const Senders& senders : pageSenders) {
            arriveAndLook(w, found);
            qs9WriteValue("settings.units", units);
            qs9WriteValue("settings.pressure.unit", units % 3);
            qs9WriteValue("gpsSpeed", 999);
            qs9WriteValue("gpsSpeedValid", units % 2);
            putSenders(senders);
            for (int step = 0; step < 8; ++step) {
                for (int tick = 0; tick < 20; ++tick)
                    qs9Tick();
                passAndLook(w.name, QS9_KEY_NONE, found);
            }
        }
}

// The screens that the benchmarks' walks leave out: the second tank's, and
// the code screens that follow the current code (8052 from the factory).
std::vector<Walk> everyWalk()
{
    std::vector<Walk> all = walks();
    const FuelSystem factory = fuelSystems[0];
    const FuelSystem twoSenders = {1, 0, S, S, flowModeDual};
    // SECURITY SETUP, lock on, CHANGE CODE, then the code's digits.
    const char* newCode = "P+P+PP+P+P++++++++PP+++++P++P";
    const char* confirmCode = "P+P+PP+P+P++++++++PP+++++P++PPPPP";
    const char* codeChanged = "P+P+PP+P+P++++++++PP+++++P++PPPPPPPPP";
    all.push_back({"setup/tank2", factory, false, "PP++++++P", "tank2SetupScreen", -1, false});
    all.push_back({"setup/tank2Calibration", twoSenders, false, "PP++++++P++++++P", "tank2CalibrationScreen", -1,
                   false});
    all.push_back({"entries/fuelLevel2", {1, 1, S, C, flowModeDual}, false, "R", "fuelLevel2Screen", -1, false});
    all.push_back({"entries/newCode", factory, false, newCode, "newCodeScreen", -1, false});
    all.push_back({"entries/confirmCode", factory, false, confirmCode, "confirmCodeScreen", -1,
                   false});
    all.push_back({"messages/codeChanged", factory, false, codeChanged, "codeMessageScreen",
                   -1, false});
    return all;
}

std::string listed(const std::set<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "    \"" + line + "\",\n";
    return text;
}

TEST(TextLayout, NoScreenCrowdsItsTextsMoreThanItAlwaysHas)
{
    std::set<std::string> found;
    for (const Walk& w : everyWalk()) {
        if (w.screen == std::string("homeScreen"))
            walkPage(w, found);
        else
            walkRows(w, found);
    }
    std::set<std::string> added, gone;
    std::set_difference(found.begin(), found.end(), knownCrowding.begin(), knownCrowding.end(),
                        std::inserter(added, added.end()));
    std::set_difference(knownCrowding.begin(), knownCrowding.end(), found.begin(), found.end(),
                        std::inserter(gone, gone.end()));
    EXPECT_TRUE(added.empty()) << "texts crowded where they were not before:\n" << listed(added);
    EXPECT_TRUE(gone.empty()) << "crowding that no longer happens (strike it from the list):\n" << listed(gone);
}

} // namespace
