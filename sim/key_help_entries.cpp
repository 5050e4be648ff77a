// The keys of the entry screens: the four security-code screens and the
// cruising-speed and fuel-level entries. The knob press moves to the next
// digit, "+" and "-" turn the digit under the cursor.
#include "core/settings.h"
#include "display/furniture.h"
#include "screens/screen.h"
#include "screens/security_screens.h"
#include "sim/key_help.h"

namespace {

constexpr uint8_t codeDigits = 4;
constexpr uint8_t entryDigits = 3;

std::string nothing() { return ""; }

template <uint8_t digits>
std::string turnDigit(int8_t direction)
{
    if (menuCursor >= digits)
        return "";
    return "digit " + std::to_string(menuCursor + 1) + (direction > 0 ? " up" : " down");
}

// The code screens: the knob press on the last digit hands the code on.
template <const char* completion>
std::string codePress()
{
    return menuCursor < codeDigits - 1 ? "next digit" : completion;
}

// The three-digit entries go round from the last digit to the first.
std::string entryPress() { return menuCursor < entryDigits - 1 ? "next digit" : "first digit"; }

// A fuel level entered for tank 1 is followed by tank 2's when it is calculated too.
template <int tank>
std::string thenTank2()
{
    return tank == 1 && settings.tank2Mode == tankModeCalculated ? ", then tank 2" : "";
}

template <int tank>
std::string levelDone()
{
    return "set tank " + std::to_string(tank) + " to the level shown" + thenTank2<tank>();
}

template <int tank>
std::string levelFull()
{
    return "tank " + std::to_string(tank) + " full" + thenTank2<tank>();
}

constexpr char checkCode[] = "check the code";
constexpr char checkCurrentCode[] = "check the current code";
constexpr char takeNewCode[] = "take the new code";
constexpr char confirmNewCode[] = "confirm the new code";

std::string exitHome() { return "exit to the home screen"; }
std::string backToSecurity() { return "back to SECURITY SETUP"; }

template <const char* completion>
constexpr ScreenKeyHelp codeHelp(ScreenHandler screen, KeyAction left)
{
    return {screen,
            {left, nothing, codePress<completion>, [] { return turnDigit<codeDigits>(1); },
             [] { return turnDigit<codeDigits>(-1); }}};
}

template <int tank>
constexpr ScreenKeyHelp levelHelp(ScreenHandler screen)
{
    return {screen,
            {levelDone<tank>, levelFull<tank>, entryPress, [] { return turnDigit<entryDigits>(1); },
             [] { return turnDigit<entryDigits>(-1); }}};
}

const ScreenKeyHelp help[] = {
    codeHelp<checkCode>(securityCodeScreen, exitHome),
    codeHelp<checkCurrentCode>(currentCodeScreen, backToSecurity),
    codeHelp<takeNewCode>(newCodeScreen, backToSecurity),
    codeHelp<confirmNewCode>(confirmCodeScreen, backToSecurity),
    {cruiseSpeedScreen,
     {exitHome, nothing, entryPress, [] { return turnDigit<entryDigits>(1); },
      [] { return turnDigit<entryDigits>(-1); }}},
    levelHelp<1>(fuelLevel1Screen),
    levelHelp<2>(fuelLevel2Screen),
};

} // namespace

std::span<const ScreenKeyHelp> entryKeyHelp() { return help; }
