// The keys of the entry screens: the four security-code screens and the
// cruising-speed and fuel-level entries. The knob press moves to the next
// digit, "+" and "-" turn the digit under the cursor.
#include "core/settings.h"
#include "display/furniture.h"
#include "screens/screen.h"
#include "screens/security_screens.h"
#include "sim/key_help.h"

namespace {

// What a screen's digits read as its row's context.
struct Digits {
    uint8_t count;
    const char* completion; // the knob press on the last digit of a code; null: back to the first
};

const Digits& digitsOf(const void* context) { return *static_cast<const Digits*>(context); }

void turnDigit(TextOut& out, const void* context, const char* way)
{
    if (menuCursor < digitsOf(context).count)
        out << "digit " << unsigned{menuCursor + 1u} << way;
}

void digitUp(TextOut& out, const void* context) { turnDigit(out, context, " up"); }
void digitDown(TextOut& out, const void* context) { turnDigit(out, context, " down"); }

void nextDigit(TextOut& out, const void* context)
{
    const Digits& digits = digitsOf(context);
    if (menuCursor + 1 < digits.count)
        out << "next digit";
    else
        out << (digits.completion != nullptr ? digits.completion : "first digit");
}

unsigned tankOf() { return currentScreen == fuelLevel2Screen ? 2 : 1; }

// A fuel level entered for tank 1 is followed by tank 2's when it is calculated too.
void thenTank2(TextOut& out)
{
    if (tankOf() == 1 && settings.tank2Mode == tankModeCalculated)
        out << ", then tank 2";
}

void levelDone(TextOut& out, const void*)
{
    out << "set tank " << tankOf() << " to the level shown";
    thenTank2(out);
}

void levelFull(TextOut& out, const void*)
{
    out << "tank " << tankOf() << " full";
    thenTank2(out);
}

constexpr Digits unlockCode{4, "check the code"}, currentCode{4, "check the current code"},
    newCode{4, "take the new code"}, confirmedCode{4, "confirm the new code"}, entry{3, nullptr};

constexpr ScreenKeyHelp digitHelp(ScreenHandler screen, KeyHelp left, KeyHelp right, const Digits& digits)
{
    return {screen, {left, right, worded(nextDigit), worded(digitUp), worded(digitDown)}, &digits};
}

constexpr KeyHelp backToSecurity = says("back to SECURITY SETUP");
constexpr KeyHelp exitHome = says("exit to the home screen");

const ScreenKeyHelp help[] = {
    digitHelp(securityCodeScreen, exitHome, {}, unlockCode),
    digitHelp(currentCodeScreen, backToSecurity, {}, currentCode),
    digitHelp(newCodeScreen, backToSecurity, {}, newCode),
    digitHelp(confirmCodeScreen, backToSecurity, {}, confirmedCode),
    digitHelp(cruiseSpeedScreen, exitHome, {}, entry),
    digitHelp(fuelLevel1Screen, worded(levelDone), worded(levelFull), entry),
    digitHelp(fuelLevel2Screen, worded(levelDone), worded(levelFull), entry),
};

} // namespace

std::span<const ScreenKeyHelp> entryKeyHelp() { return help; }
