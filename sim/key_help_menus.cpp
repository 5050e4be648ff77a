// The keys of the main menu's pages, the backlight, the security set-up, the
// read-only screens and the messages that any key leaves.
#include <iterator>

#include "core/settings.h"
#include "display/furniture.h"
#include "screens/menu_screens.h"
#include "screens/pressure_setup.h"
#include "screens/security_screens.h"
#include "screens/setup_list.h"
#include "sim/key_help.h"

namespace {

std::string nothing() { return ""; }

// ---- main menu: three pages turned by the knob ----

const char* const pageNames[] = {"FUEL SETUP", "MISC SETUP", "ADC VALUES"};
constexpr uint8_t pageCount = std::size(pageNames);

std::string openPage() { return menuCursor < pageCount ? std::string("open ") + pageNames[menuCursor] : ""; }

std::string turnPage(int8_t direction)
{
    return std::string("page ") + pageNames[nextOption(menuCursor, pageCount, direction)];
}

// ---- backlight: MANUAL sets the level with the knob, AUTO has four rows ----

const char* const backlightRows[] = {"BACKLIGHT", "THRESHOLD", "DIM", "BRIGHT"};
constexpr uint8_t thresholdRow = 1;
constexpr uint8_t levelHigh = 100;
constexpr uint8_t levelLow = 10;

bool manualBacklight() { return settings.backlightMode == 0; }

std::string backlightStep()
{
    if (menuCursor != thresholdRow)
        return "";
    return stepTo(editStep == 100 ? "X1000" : "X100");
}

std::string backlightPress()
{
    return editing(menuCursor < std::size(backlightRows) ? backlightRows[menuCursor] : "");
}

// A percentage stops at 10 and 100: turning on past them does nothing.
std::string percentTurn(uint8_t percent, int8_t direction, const char* up, const char* down)
{
    if (direction > 0)
        return percent < levelHigh ? up : "";
    return percent > levelLow ? down : "";
}

std::string editBacklightRow(int8_t direction)
{
    switch (menuCursor) {
    case 0: return manualBacklight() ? "switch to AUTO" : "switch to MANUAL";
    case thresholdRow: return turnedBy(direction, ("X" + std::to_string(editStep)).c_str());
    case 2: return percentTurn(settings.backlightDim, direction, "up by 10%", "down by 10%");
    case 3: return percentTurn(settings.backlightBright, direction, "up by 10%", "down by 10%");
    default: return "";
    }
}

std::string backlightTurn(int8_t direction)
{
    if (menuEditing != 0)
        return editBacklightRow(direction);
    if (manualBacklight())
        return percentTurn(settings.backlightLevel, direction, "brighter", "dimmer");
    return cursorTo(backlightRows[nextOption(menuCursor, std::size(backlightRows), direction)]);
}

// ---- security set-up: the lock, and CHANGE CODE while it is on ----

constexpr uint8_t lockRow = 0;

bool lockOn() { return settings.securityEnabled != 0; }

std::string securityPress() { return menuCursor == lockRow ? editing("SECURITY") : "change the code"; }

std::string securityTurn(int8_t direction)
{
    if (menuEditing != 0) {
        if (menuCursor != lockRow)
            return "";
        const bool offNext = direction > 0 ? lockOn() : settings.securityEnabled == 1;
        return offNext ? "switch the lock off" : "switch the lock on";
    }
    if (settings.securityEnabled != 1)
        return "";
    return cursorTo(menuCursor == lockRow ? "CHANGE CODE" : "SECURITY");
}

constexpr char backToMisc[] = "back to MISC SETUP";
constexpr char backToMainMenu[] = "back to the main menu";
constexpr char carryOn[] = "continue";

template <const char* words>
std::string say()
{
    return words;
}

// A screen whose only key is the left one.
constexpr ScreenKeyHelp leftOnly(ScreenHandler screen, KeyAction left)
{
    return {screen, {left, nothing, nothing, nothing, nothing}};
}

// A message: any key goes on.
constexpr ScreenKeyHelp anyKey(ScreenHandler screen)
{
    return {screen, {say<carryOn>, say<carryOn>, say<carryOn>, say<carryOn>, say<carryOn>}};
}

const ScreenKeyHelp help[] = {
    {mainMenuScreen,
     {[] { return std::string("exit to the home screen"); }, nothing, openPage, [] { return turnPage(1); },
      [] { return turnPage(-1); }}},
    {backlightScreen,
     {say<backToMisc>, backlightStep, backlightPress, [] { return backlightTurn(1); },
      [] { return backlightTurn(-1); }}},
    {securitySetupScreen,
     {say<backToMisc>, nothing, securityPress, [] { return securityTurn(1); }, [] { return securityTurn(-1); }}},
    leftOnly(infoScreen, say<backToMisc>),
    leftOnly(valuesScreen, say<backToMainMenu>),
    {defaultSettingsScreen,
     {[] { return std::string("no, back to MISC SETUP"); }, [] { return std::string("yes, load the factory settings"); },
      nothing, nothing, nothing}},
    anyKey(messageScreen),
    anyKey(codeMessageScreen),
    anyKey(slopeErrorScreen),
};

} // namespace

std::span<const ScreenKeyHelp> menuKeyHelp() { return help; }
