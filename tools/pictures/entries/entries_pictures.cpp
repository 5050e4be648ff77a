// Pictures of the set-up lock's screens and of the cruising-speed and manual
// fuel-level entries, photographed with the scripted runner's own commands.
// Each screen is opened as its opener does (digits, cursor, current screen),
// and settings that only the set-up menus could change are set directly.
// Usage: qs9_entries_pictures (writes the PNGs into the current directory)
#include <iostream>
#include <sstream>

#include "core/settings.h"
#include "display/furniture.h"
#include "screens/screen.h"
#include "screens/security_screens.h"
#include "tools/script/script_runner.h"

namespace {

bool run(ScriptRunner& runner, const std::string& piece)
{
    std::istringstream script(piece);
    return runner.run(script) == scriptSucceeded;
}

// Power on, open the screen as its opener would, then one pass and a photograph.
bool picture(const char* file, void (*open)())
{
    ScriptRunner runner(std::cout, std::cerr);
    if (!run(runner, "on\nslider pressure 2000\npass\n"))
        return false;
    open();
    deriveFuelConfig();
    return run(runner, std::string("pass\nprint currentScreen digitEntry[0] digitEntry[1] digitEntry[2] digitEntry[3]\n"
                                   "shot ") + file + "\n");
}

// Digits part-way through an entry, the cursor on the third.
void codeScreen(ScreenHandler screen, uint8_t first, uint8_t second)
{
    settings.securityEnabled = 1;
    digitEntry[0] = first;
    digitEntry[1] = second;
    digitEntry[2] = digitEntry[3] = 0;
    menuCursor = 2;
    currentScreen = screen;
}

void lockedSetup() { codeScreen(securityCodeScreen, 8, 0); }
void currentCode() { codeScreen(currentCodeScreen, 7, 3); }
void newCode() { codeScreen(newCodeScreen, 4, 2); }
void confirmCode() { codeScreen(confirmCodeScreen, 4, 2); }

void codeMessage(uint16_t outcome)
{
    codeScratch = outcome;
    messageReturnScreen = securitySetupScreen;
    currentScreen = codeMessageScreen;
}
void codeChanged() { codeMessage(1); }
void codeError() { codeMessage(0); }

void securitySetup(uint8_t lock, uint8_t cursor)
{
    settings.securityEnabled = lock;
    enterMenu(cursor);
    currentScreen = securitySetupScreen;
}
void securitySetupOff() { securitySetup(0, 0); }
void securitySetupOnChangeCode() { securitySetup(1, 1); }

void threeDigits(ScreenHandler screen, uint8_t hundreds, uint8_t tens, uint8_t units, uint8_t cursor)
{
    digitEntry[0] = hundreds;
    digitEntry[1] = tens;
    digitEntry[2] = units;
    menuCursor = cursor;
    currentScreen = screen;
}

void cruisingSpeed() { threeDigits(cruiseSpeedScreen, 1, 5, 0, 0); }

void levelInLitres()
{
    settings.tank1Mode = tankModeCalculated;
    threeDigits(fuelLevel1Screen, 0, 3, 1, 1);
}

void levelInGallons()
{
    settings.units = 1;
    settings.tank1Mode = tankModeCalculated;
    settings.tank2Mode = tankModeCalculated;
    settings.tank2Size = 200;
    threeDigits(fuelLevel2Screen, 1, 2, 5, 2);
}

void levelInTenthLitres()
{
    settings.litreResolution = 1;
    settings.tank1Mode = tankModeCalculated;
    threeDigits(fuelLevel1Screen, 0, 4, 5, 0);
}

} // namespace

int main()
{
    bool made = picture("security-code.png", lockedSetup) && picture("current-code.png", currentCode) &&
                picture("new-code.png", newCode) && picture("confirm-code.png", confirmCode) &&
                picture("code-changed.png", codeChanged) && picture("code-error.png", codeError) &&
                picture("security-setup-off.png", securitySetupOff) &&
                picture("security-setup-on.png", securitySetupOnChangeCode) &&
                picture("cruise-speed.png", cruisingSpeed) && picture("fuel-level-litres.png", levelInLitres) &&
                picture("fuel-level-gallons.png", levelInGallons) &&
                picture("fuel-level-tenth-litres.png", levelInTenthLitres);
    return made ? 0 : 1;
}
