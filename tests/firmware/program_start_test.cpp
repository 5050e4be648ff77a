// Program start must bring every global of the firmware and of sim/ back to
// its starting value: every host relies on it, and so does every test that
// starts with it. The globals are not listed by hand: the build lists the
// data symbols of the library (nm), and every writable one must be
// reachable here, through the named values or the short list below, or be
// excused with a reason. A global added without its reset therefore fails
// here, as unreachable or as keeping its value.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/firmware_regions.h"
#include "tests/support/pilot.h"

namespace {

// Writable globals that are no state of the instrument.
const std::map<std::string, std::string> excused = {
    {"(anonymous namespace)::valueBuffer", "the text of one formatted value, written before each read"},
    {"(anonymous namespace)::hostObserver", "the host's text observer: program start unhooks textObserver"},
    {"(anonymous namespace)::hostContext", "the host's context for that observer"},
    {"(anonymous namespace)::lastError", "the host's message of its last failed named-value call"},
    {"(anonymous namespace)::passedOn", "the observer a pass hands its texts on to, set only while a screen draws"},
    {"(anonymous namespace)::keyLines", "the texts handed to the host, made anew at each call"},
    {"(anonymous namespace)::helpText", "the texts handed to the host, made anew at each call"},
    {"(anonymous namespace)::displayText", "the texts handed to the host, made anew at each call"},
    {"(anonymous namespace)::steadyText", "the texts handed to the host, made anew at each call"},
    {"(anonymous namespace)::activeText", "the texts handed to the host, made anew at each call"},
    {"(anonymous namespace)::acknowledgedText", "the texts handed to the host, made anew at each call"},
    {"(anonymous namespace)::startedText", "the texts handed to the host, made anew at each call"},
    {"displayNames()::names", "a constant table of names, filled on first use"},
    {"coreNames()::names", "a constant table of names, filled on first use"},
    {"screenNames()::names", "a constant table of names, filled on first use"},
    {"simulatorNames()::names", "a constant table of names, filled on first use"},
    {"settingsNames()::names", "a constant table of names, filled on first use"},
    {"readingNames()::names", "a constant table of names, filled on first use"},
    {"inputNames()::names", "a constant table of names, filled on first use"},
    {"inputNames()::values", "a constant table of names, filled on first use"},
    {"qs9SettingName::names", "a constant list of the settings' names, filled on first use"},
    {"settingsFields()::fields", "a constant list of the settings fields, filled on first use"},
    {"(anonymous namespace)::glyphFonts", "the fonts as the renderer reads them, filled from the font tables"},
    {"(anonymous namespace)::inkRows", "each glyph's ink rows, found from the font tables on first use"},
};

// A symbol of `nm -f sysv -C` is a writable global when it is an object in a
// .bss or .data section other than the relocated read-only .data.rel.ro, and
// the compiler did not make it for itself: no C++ name holds a "." or starts
// with "_", and the guard of a static local stands beside the local's own.
bool isWritableGlobal(const std::string& name, const std::string& type, const std::string& section)
{
    const bool writableSection = (section.rfind(".bss", 0) == 0 || section.rfind(".data", 0) == 0) &&
                                 section.rfind(".data.rel.ro", 0) != 0;
    const bool compilers = name.empty() || name[0] == '_' || name.find('.') != std::string::npos ||
                           name.rfind("guard variable for ", 0) == 0;
    return type == "OBJECT" && writableSection && !compilers;
}

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The name without the ABI tags that some demanglers add ("x[abi:cxx11]").
std::string withoutAbiTags(std::string name)
{
    for (size_t at; (at = name.find("[abi:")) != std::string::npos;)
        name.erase(at, name.find(']', at) + 1 - at);
    return name;
}

std::set<std::string> writableFirmwareGlobals()
{
    std::set<std::string> globals;
    std::ifstream symbols(QS9_FIRMWARE_SYMBOLS);
    std::string line;
    while (std::getline(symbols, line)) {
        std::vector<std::string> fields;
        std::istringstream columns(line);
        for (std::string field; std::getline(columns, field, '|');)
            fields.push_back(trimmed(field));
        if (fields.size() == 7 && isWritableGlobal(fields[0], fields[3], fields[6]))
            globals.insert(withoutAbiTags(fields[0]));
    }
    return globals;
}

class ProgramStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(globals.count("settings") && globals.count("powerOff"))
            << "no symbol list at " << QS9_FIRMWARE_SYMBOLS << ", or one this test cannot read";
    }
    const std::set<std::string> globals = writableFirmwareGlobals();
};

} // namespace

TEST_F(ProgramStart, EveryWritableGlobalIsReachableOrExcused)
{
    std::set<std::string> reachable;
    for (const Region& region : writableRegions())
        reachable.insert(region.global);
    for (const std::string& global : globals)
        EXPECT_TRUE(reachable.count(global) || excused.count(global))
            << global << " is a global this test cannot reach: give it a name in sim/names_*.cpp, or add it "
            << "to unnamedGlobals() here";
}

TEST_F(ProgramStart, ReturnsEveryGlobalToItsStartingValue)
{
    std::vector<Region> regions = writableRegions();
    std::erase_if(regions, [&](const Region& region) { return !globals.count(region.global); });

    programStart();
    std::vector<std::vector<uint8_t>> starting;
    for (const Region& region : regions)
        starting.emplace_back(region.bytes, region.bytes + region.size);
    for (const Region& region : regions)
        for (size_t i = 0; i < region.size; ++i)
            region.bytes[i] = static_cast<uint8_t>(~region.bytes[i]);

    programStart();
    for (size_t r = 0; r < regions.size(); ++r)
        EXPECT_EQ(std::vector<uint8_t>(regions[r].bytes, regions[r].bytes + regions[r].size), starting[r])
            << regions[r].global << " keeps what it held before program start";
}
