// Draws each level page with the contents normal, at the low caution, at the
// low alarm and with the sender failed, with and without the pressure strip,
// in litres and gallons, and saves every frame with the runner's "shot".
// Usage: qs9_level_frames OUTPUT_DIRECTORY
// Frames are named PAGE-strip|nostrip-L|G-BAND.png, plus PAGE-extra-N.png for
// the calculated tanks and a combined flow below zero.
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "core/fuel_flow.h"
#include "core/keys_and_time.h"
#include "core/settings.h"
#include "core/tank_level.h"
#include "display/framebuffer.h"
#include "host/power_cycle.h"
#include "screens/run_time_pages.h"
#include "tools/script/script_commands.h"

namespace {

enum class Band { normal, caution, alarm, failed };
constexpr Band allBands[] = {Band::normal, Band::caution, Band::alarm, Band::failed};
constexpr const char* bandNames[] = {"normal", "caution", "alarm", "failed"};

struct Page {
    const char* name;
    void (*draw)();
    uint8_t flow1, flow2, tank1Mode, tank2Mode;
};

constexpr Page pages[] = {
    {"single-tank", singleTankPage, 1, 0, tankModeSender, tankModeOff},
    {"two-tank-dual-flow", twoTankDualFlowPage, 1, 1, tankModeSender, tankModeSender},
    {"two-tank", twoTankPage, 1, 0, tankModeSender, tankModeSender},
    {"single-tank-level", singleTankLevelPage, 0, 0, tankModeSender, tankModeOff},
    {"two-tank-level", twoTankLevelPage, 0, 0, tankModeSender, tankModeSender},
};

// Factory settings (tank 45, low alarm 10, low caution 20) with the page's
// fuel system; in gallons every quantity is in tenths, so ten times as many.
void configure(const Page& page, bool strip, bool gallons)
{
    resetToProgramStart();
    powerOnSequence();
    settings.flow1Enabled = page.flow1;
    settings.flow2Enabled = page.flow2;
    settings.tank1Mode = page.tank1Mode;
    settings.tank2Mode = page.tank2Mode;
    settings.pressureDisplay = strip ? 1 : 0;
    settings.units = gallons ? 1 : 0;
    const int16_t scale = gallons ? 10 : 1;
    settings.tank1Size = settings.tank2Size = static_cast<int16_t>(45 * scale);
    settings.tank1LowAlarm = settings.tank2LowAlarm = static_cast<int16_t>(10 * scale);
    settings.tank1LowCaution = settings.tank2LowCaution = static_cast<int16_t>(20 * scale);
    deriveFuelConfig();
    flowRate1 = 123;
    flowRate2 = 87;
    blinkPhase = 1;
}

// Tank 1 and tank 2 both in the band, at different contents.
void setBand(Band band, bool gallons)
{
    const uint16_t scale = gallons ? 10 : 1;
    const uint16_t tank1[] = {30, 20, 10, 30};
    const uint16_t tank2[] = {40, 15, 5, 40};
    const int i = static_cast<int>(band);
    tank1Level = static_cast<uint16_t>(tank1[i] * scale);
    tank2Level = static_cast<uint16_t>(tank2[i] * scale);
    level1Fail = level2Fail = band == Band::failed;
}

bool shot(const std::string& path)
{
    for (const ScriptCommand& command : scriptCommands())
        if (std::string_view(command.name) == "shot") {
            std::ostringstream ignored;
            ScriptSession session(ignored);
            const std::string_view argument[] = {path};
            try {
                command.run(session, Arguments(argument, 1));
            } catch (const ScriptError& error) {
                std::cerr << error.message << "\n";
                return false;
            }
            return true;
        }
    return false;
}

bool drawAndSave(const Page& page, const std::string& path)
{
    clearFrameBuffer();
    page.draw();
    return shot(path);
}

// The calculated tanks that show "CALC", and both flows as one below zero.
bool saveExtras(const Page& page, const std::string& dir)
{
    const bool withFlow = page.flow1 == 1;
    if (!withFlow)
        return true;
    configure(page, true, false);
    setBand(Band::normal, false);
    settings.tank1Mode = tankModeCalculated;
    if (page.tank2Mode != tankModeOff)
        settings.tank2Mode = tankModeCalculated;
    deriveFuelConfig();
    if (!drawAndSave(page, dir + "/" + page.name + "-extra-1.png"))
        return false;
    configure(page, false, false);
    setBand(Band::normal, false);
    settings.flow2Enabled = 1;
    settings.flowMode = flowModeDiff;
    deriveFuelConfig();
    flowRate2 = 150;
    return drawAndSave(page, dir + "/" + page.name + "-extra-2.png");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: qs9_level_frames OUTPUT_DIRECTORY\n";
        return 2;
    }
    const std::string dir = argv[1];
    for (const Page& page : pages) {
        for (bool strip : {true, false})
            for (bool gallons : {false, true})
                for (Band band : allBands) {
                    configure(page, strip, gallons);
                    setBand(band, gallons);
                    const std::string path = dir + "/" + page.name + (strip ? "-strip-" : "-nostrip-") +
                                             (gallons ? "G-" : "L-") + bandNames[static_cast<int>(band)] + ".png";
                    if (!drawAndSave(page, path))
                        return 2;
                }
        if (!saveExtras(page, dir))
            return 2;
    }
    return 0;
}
