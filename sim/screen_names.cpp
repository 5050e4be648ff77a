#include "sim/screen_names.h"

#include <iterator>

#include "display/furniture.h"
#include "screens/menu_screens.h"
#include "screens/pressure_setup.h"
#include "screens/security_screens.h"
#include "screens/setup_screens.h"
#include "screens/tank_setup.h"
#include "sim/simulator.h"

// One row per screen handler; each screen family appends its rows.
#define SCREEN(handler) {handler, #handler}

namespace {

const NamedScreen screens[] = {
    SCREEN(homeScreen),
    SCREEN(messageScreen),
    SCREEN(mainMenuScreen),
    SCREEN(securityCodeScreen),
    SCREEN(cruiseSpeedScreen),
    SCREEN(fuelLevel1Screen),
    SCREEN(fuelLevel2Screen),
    SCREEN(miscSetupScreen),
    SCREEN(backlightScreen),
    SCREEN(securitySetupScreen),
    SCREEN(infoScreen),
    SCREEN(defaultSettingsScreen),
    SCREEN(valuesScreen),
    SCREEN(fuelSetupScreen),
    SCREEN(tank1SetupScreen),
    SCREEN(tank2SetupScreen),
    SCREEN(pressureSetupScreen),
    SCREEN(currentCodeScreen),
    SCREEN(newCodeScreen),
    SCREEN(confirmCodeScreen),
    SCREEN(codeMessageScreen),
    SCREEN(tank1CalibrationScreen),
    SCREEN(tank2CalibrationScreen),
    SCREEN(senderCalibrationScreen),
    SCREEN(slopeErrorScreen),
};

} // namespace

std::span<const NamedScreen> instrumentScreens() { return screens; }

const char* screenName(ScreenHandler handler)
{
    if (handler == nullptr)
        return "none";
    for (const NamedScreen& screen : screens)
        if (screen.handler == handler)
            return screen.name;
    return "unknown";
}

extern "C" {

int qs9ScreenCount(void) { return int(std::size(screens)); }

const char* qs9ScreenName(int index)
{
    return index >= 0 && index < qs9ScreenCount() ? screens[index].name : nullptr;
}

const char* qs9CurrentScreenName(void) { return screenName(currentScreen); }

} // extern "C"
