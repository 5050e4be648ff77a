// Frames of the level pages as the home screen shows them, made with the
// scripted runner's own commands: each page with the contents normal, at the
// low caution, at the low alarm and with the senders failed, with and without
// the pressure strip, in litres and gallons, blink phase on. Settings that
// only the set-up menus could change are set between the pieces of a script.
// Usage: qs9_level_frames OUTPUT_DIRECTORY
// Frames are named PAGE-strip|nostrip-L|G-BAND.png, plus PAGE-calc.png (the
// calculated tanks) and, on the pages with one flow value, PAGE-diff.png
// (both flows as one, below zero).
#include <iostream>
#include <sstream>
#include <string>

#include "core/fuel_flow.h"
#include "core/settings.h"
#include "tools/script/script_runner.h"

namespace {

struct Page {
    const char* name;
    uint8_t flow1, flow2, tank1Mode, tank2Mode;
};

constexpr Page pages[] = {
    {"single-tank", 1, 0, tankModeSender, tankModeOff},
    {"two-tank-dual-flow", 1, 1, tankModeSender, tankModeSender},
    {"two-tank", 1, 0, tankModeSender, tankModeSender},
    {"single-tank-level", 0, 0, tankModeSender, tankModeOff},
    {"two-tank-level", 0, 0, tankModeSender, tankModeSender},
};

// Sender readings on the factory calibration (0, 9, 18, 27, 36, 45 of the
// tank size 45 at 809, 680, 520, 427, 356, 251): tank 1 36 and tank 2 27,
// both 18 (low caution 20), 9 and 0 (low alarm 10), both failed.
struct Band {
    const char* name;
    const char* sliders;
};
constexpr Band bands[] = {
    {"normal", "slider level1 356\nslider level2 427\n"},
    {"caution", "slider level1 520\nslider level2 520\n"},
    {"alarm", "slider level1 680\nslider level2 809\n"},
    {"failed", "slider level1 4000\nslider level2 4000\n"},
};

struct Layout {
    uint8_t strip;
    uint8_t units;
    const char* name;
};
constexpr Layout layouts[] = {
    {1, 0, "strip-L"}, {1, 1, "strip-G"}, {0, 0, "nostrip-L"}, {0, 1, "nostrip-G"}};

bool run(ScriptRunner& runner, const std::string& piece)
{
    std::istringstream script(piece);
    return runner.run(script) == scriptSucceeded;
}

// The page's fuel system on the factory settings, filters off so that one
// pass shows the sender's contents. In gallons the tank holds 45.0 and its
// low levels are 10.0 and 20.0, in tenths.
void configure(const Page& page, const Layout& layout)
{
    settings.flow1Enabled = page.flow1;
    settings.flow2Enabled = page.flow2;
    settings.tank1Mode = page.tank1Mode;
    settings.tank2Mode = page.tank2Mode;
    settings.tank1Filter = settings.tank2Filter = 0;
    settings.pressureDisplay = layout.strip;
    settings.units = layout.units;
    const int16_t tenths = layout.units == 1 ? 10 : 1;
    settings.tank1Size = settings.tank2Size = static_cast<int16_t>(45 * tenths);
    settings.tank1LowAlarm = settings.tank2LowAlarm = static_cast<int16_t>(10 * tenths);
    settings.tank1LowCaution = settings.tank2LowCaution = static_cast<int16_t>(20 * tenths);
    deriveFuelConfig();
}

// Power on, set the page up, fly with the given sliders, photograph with the
// blink phase on (it turns after 11 ticks).
bool frame(const std::string& file, const Page& page, const Layout& layout, const std::string& sliders,
           void (*adjust)() = nullptr)
{
    ScriptRunner runner(std::cout, std::cerr);
    if (!run(runner, "on\n"))
        return false;
    configure(page, layout);
    if (adjust != nullptr)
        adjust();
    return run(runner, "slider flow1 300\nslider flow2 200\nslider pressure 2000\n" + sliders +
                           "tick 11\npass 2\nshot " + file + "\n");
}

// Every tank in use is calculated, holding 30.
void calculatedTanks()
{
    if (settings.tank1Mode != tankModeOff) {
        settings.tank1Mode = tankModeCalculated;
        tank1Pulses = tankPulsesForLevel(30, settings.kFactor1);
    }
    if (settings.tank2Mode != tankModeOff) {
        settings.tank2Mode = tankModeCalculated;
        tank2Pulses = tankPulsesForLevel(30, settings.kFactor2);
    }
    deriveFuelConfig();
}

// Both flows as one, the return above the supply.
void returnAboveSupply()
{
    settings.flow2Enabled = 1;
    settings.flowMode = flowModeDiff;
    deriveFuelConfig();
}

bool pageFrames(const Page& page, const std::string& dir)
{
    const std::string stem = dir + "/" + page.name;
    for (const Layout& layout : layouts)
        for (const Band& band : bands)
            if (!frame(stem + "-" + layout.name + "-" + band.name + ".png", page, layout, band.sliders))
                return false;
    if (page.flow1 == 0)
        return true;
    if (!frame(stem + "-calc.png", page, layouts[0], bands[0].sliders, calculatedTanks))
        return false;
    // Two flows shown apart stay apart; the other flow pages take a combined flow.
    if (page.flow2 == 1)
        return true;
    return frame(stem + "-diff.png", page, layouts[2], std::string(bands[0].sliders) + "slider flow2 400\n",
                 returnAboveSupply);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: qs9_level_frames OUTPUT_DIRECTORY\n";
        return 2;
    }
    for (const Page& page : pages)
        if (!pageFrames(page, argv[1]))
            return 1;
    return 0;
}
