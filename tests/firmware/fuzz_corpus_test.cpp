// The fuzzer's seed walks replayed through the same event decoder, with the
// invariants checked after every pass, so that the ordinary test run covers
// every walk the fuzzer starts from. A walk named "screenName--what" must
// also end on that screen, which keeps the walks honest as the menus change,
// and every screen of the instrument must end some walk.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "screens/screen.h"
#include "sim/screen_names.h"
#include "tests/fuzz/firmware_events.h"
#include "tests/fuzz/walk_events.h"

TEST(FuzzCorpus, EveryWalkKeepsTheInvariantsAndEndsOnItsScreen)
{
    std::set<std::string> screensReached;
    for (const SeedWalk& walk : readSeedWalks(QS9_FUZZ_WALKS_DIR)) {
        const std::string& name = walk.name;
        const char* failure = replayEvents(walk.events.data(), walk.events.size());
        EXPECT_EQ(failure, nullptr) << name << ": " << (failure ? failure : "");
        const size_t dashes = name.find("--");
        if (dashes != std::string::npos) {
            EXPECT_EQ(screenName(currentScreen), name.substr(0, dashes)) << name;
            screensReached.insert(screenName(currentScreen));
        }
    }
    for (const NamedScreen& screen : instrumentScreens())
        EXPECT_TRUE(screensReached.count(screen.name)) << "no walk ends on " << screen.name;
}

// An event's argument names any input of the table or of "set", by its
// place; a walk names them by name, whatever their place.
TEST(FuzzCorpus, AWalksInputsAreEventsByTheirPlaceInTheTables)
{
    ASSERT_LE(eventInputCount(), 32); // all within an event's five bits
    bool row = false;
    EXPECT_STREQ(eventInputName(qs9InputCount() - 1, row), qs9InputAt(qs9InputCount() - 1)->name);
    EXPECT_TRUE(row);
    EXPECT_STREQ(eventInputName(qs9InputCount(), row), qs9HostInputName(0));
    EXPECT_FALSE(row);

    const uint8_t last = uint8_t(qs9InputCount() - 1);
    const std::vector<uint8_t> events = walkEvents(
        "on\nkey press\npass 40\ntick 2\nprint currentScreen\n"
        "slider " + std::string(qs9InputAt(last)->name) + " 300\nset " + qs9HostInputName(2) + " 258\noff\non\n");
    EXPECT_EQ(events, (std::vector<uint8_t>{uint8_t(eventKeyOnly << 5 | (QS9_KEY_PRESS - 1)), eventPasses << 5 | 31,
                                            eventPasses << 5 | 7, eventTicks << 5 | 1,
                                            uint8_t(eventInput << 5 | last), 44, 1,
                                            uint8_t(eventInput << 5 | (last + 3)), 2, 1,
                                            eventPower << 5, eventPower << 5 | 1}));
}

TEST(FuzzCorpus, AWalkLineTheEventsCannotSayIsRefusedNamingIt)
{
    const auto refusal = [](const std::string& walk) {
        try {
            walkEvents(walk);
        } catch (const std::invalid_argument& fault) {
            return std::string(fault.what());
        }
        return std::string("taken");
    };
    EXPECT_EQ(refusal("key press\n"), "line 1: a walk opens with \"on\"");
    EXPECT_EQ(refusal("on\nset settings.units 1\n"), "line 2: no input event moves settings.units");
    EXPECT_EQ(refusal("on\nslider gpsSpeed 3\n"), "line 2: no input event moves gpsSpeed");
    EXPECT_EQ(refusal("on\n\nbox vrax maybe\n"), "line 3: a check box is on or off, not maybe");
    EXPECT_EQ(refusal("on\njump\n"), "line 2: unknown command \"jump\"");
}
