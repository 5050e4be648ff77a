// The fuzzer's seed corpus replayed through the same event decoder, with the
// invariants checked after every pass, so that the ordinary test run covers
// every walk the fuzzer starts from. A file named "screenName--what" must
// also end on that screen, which keeps the walks honest as the menus change,
// and every screen of the instrument must end some walk.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "screens/screen.h"
#include "sim/screen_names.h"
#include "tests/fuzz/firmware_events.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(FuzzCorpus, EveryWalkKeepsTheInvariantsAndEndsOnItsScreen)
{
    std::set<std::string> screensReached;
    for (const fs::directory_entry& entry : fs::directory_iterator(QS9_FUZZ_CORPUS_DIR)) {
        const std::string name = entry.path().filename().string();
        const std::vector<uint8_t> bytes = readBytes(entry.path());
        const char* failure = replayEvents(bytes.data(), bytes.size());
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
