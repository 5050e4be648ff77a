// Pictures of the backlight, ADC values, information and default-settings
// screens, made with the scripted runner's own commands. Each screen is opened
// as its menu opens it; keys and sliders then come from the script.
// Usage: qs9_misc_pictures (writes the PNGs into the current directory)
#include <iostream>
#include <sstream>

#include "display/furniture.h"
#include "screens/menu_screens.h"
#include "tools/script/script_runner.h"

namespace {

bool run(ScriptRunner& runner, const std::string& piece)
{
    std::istringstream script(piece);
    return runner.run(script) == scriptSucceeded;
}

// Power on, open the screen with the menu state its opener leaves, run the
// script, then photograph what the screen shows after its last key.
bool picture(const char* file, ScreenHandler screen, const std::string& script)
{
    ScriptRunner runner(std::cout, std::cerr);
    if (!run(runner, "on\n"))
        return false;
    enterMenu(0);
    currentScreen = screen;
    return run(runner, script + "pass 2\nprint currentScreen\ntexts\nshot " + file + "\n");
}

} // namespace

int main()
{
    // MANUAL, three turns down to 70 %; AUTO by editing the mode row, then the
    // cursor on THRESHOLD with the coarse step.
    const std::string manualAt70 = "key minus\npass\nkey minus\npass\nkey minus\n";
    const std::string autoOnThreshold = "key press\npass\nkey plus\npass\nkey press\npass\n"
                                        "key plus\npass\nkey right\n";
    const std::string sendersWired = "slider level1 600\nslider level2 4000\nslider pressure 2000\n";
    bool made = picture("backlight-manual.png", backlightScreen, manualAt70) &&
                picture("backlight-auto.png", backlightScreen, autoOnThreshold) &&
                picture("adc-values.png", valuesScreen, sendersWired) &&
                picture("info-vrax.png", infoScreen, "vrax on\n") &&
                picture("info-no-vrax.png", infoScreen, "vrax off\n") &&
                picture("default-settings.png", defaultSettingsScreen, "");
    return made ? 0 : 1;
}
