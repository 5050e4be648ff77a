// The fuzzer's seed corpus replayed through the same event decoder, with the
// invariants checked after every pass, so that the ordinary test run covers
// every walk the fuzzer starts from. A file named "screenName--what" must
// also end on that screen, which keeps the walks honest as the menus change,
// and every screen of the instrument must end some walk.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "screens/screen.h"
#include "sim/screen_names.h"
#include "tests/fuzz/firmware_events.h"
#include "tests/fuzz/seed_walks.h"

TEST(FuzzCorpus, EveryWalkKeepsTheInvariantsAndEndsOnItsScreen)
{
    std::set<std::string> screensReached;
    for (const SeedWalk& walk : readSeedWalks(QS9_FUZZ_CORPUS_DIR)) {
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
