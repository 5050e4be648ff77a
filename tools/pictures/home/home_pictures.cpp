// Pictures of the home screen and the fuel totals page, made with the
// scripted runner's own commands. Settings that only the set-up menus could
// change are set between the pieces of a script.
// Usage: qs9_home_pictures (writes the PNGs into the current directory)
#include <iostream>
#include <sstream>

#include "core/settings.h"
#include "tools/script/script_runner.h"

namespace {

// Sliders for a normal flight: tanks well above their low levels, pressure in its green band.
constexpr const char* inFlight = "slider level1 400\nslider level2 450\nslider pressure 2000\n"
                                 "slider flow1 2100\nslider flow2 1400\n";

bool run(ScriptRunner& runner, const std::string& piece)
{
    std::istringstream script(piece);
    return runner.run(script) == scriptSucceeded;
}

// Power on, let the settings be changed as the set-up would, fly, then photograph.
bool picture(const char* file, void (*setUp)(), const std::string& flight)
{
    ScriptRunner runner(std::cout, std::cerr);
    if (!run(runner, "on\n"))
        return false;
    setUp();
    deriveFuelConfig();
    return run(runner, std::string(inFlight) + flight + "print fuelConfig alarmFlags currentScreen\nshot " + file + "\n");
}

void factorySettings() {}

// Two flows shown apart and both tanks on senders.
void twoFlowsTwoTanks()
{
    settings.flow2Enabled = 1;
    settings.flowMode = flowModeDual;
    settings.tank2Mode = tankModeSender;
}

void twoFlowsTwoTanksInGallons()
{
    twoFlowsTwoTanks();
    settings.units = 1;
}

void twoFlowsTwoTanksInTenthLitres()
{
    twoFlowsTwoTanks();
    settings.litreResolution = 1;
}

// Supply and return senders on one tank, reading more return than supply.
void moreReturnedThanSupplied()
{
    settings.units = 3;
    settings.flow2Enabled = 1;
    settings.flowMode = flowModeDiff;
}

// Two flows shown apart cannot go with one tank: no page fits.
void noPageFits() { settings.flow2Enabled = 1; }

} // namespace

int main()
{
    const std::string flyThenTotals = "pass 60\nslider flow1 0\nslider flow2 0\npass\nkey plus\npass 2\n";
    bool made = picture("home-factory.png", factorySettings, "pass 20\n") &&
                picture("home-select-fuel.png", noPageFits, "pass 2\n") &&
                picture("totals-litres.png", twoFlowsTwoTanks, flyThenTotals) &&
                picture("totals-tenth-litres.png", twoFlowsTwoTanksInTenthLitres, flyThenTotals) &&
                picture("totals-gallons.png", twoFlowsTwoTanksInGallons, flyThenTotals) &&
                picture("totals-gallons-return.png", moreReturnedThanSupplied,
                        "slider flow1 1000\nslider flow2 1600\n" + flyThenTotals);
    return made ? 0 : 1;
}
