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

// ---- main menu: three pages turned by the knob ----

const char* const pageNames[] = {"FUEL SETUP", "MISC SETUP", "ADC VALUES"};
constexpr uint8_t pageCount = std::size(pageNames);

void openPage(TextOut& out, const void*)
{
    if (menuCursor < pageCount)
        out << "open " << pageNames[menuCursor];
}

void turnPage(TextOut& out, int8_t direction) { out << "page " << pageNames[nextOption(menuCursor, pageCount, direction)]; }

// ---- backlight: MANUAL sets the level with the knob, AUTO has four rows ----

const char* const backlightRows[] = {"BACKLIGHT", "THRESHOLD", "DIM", "BRIGHT"};
constexpr uint8_t thresholdRow = 1;
constexpr uint8_t levelHigh = 100;
constexpr uint8_t levelLow = 10;

bool manualBacklight() { return settings.backlightMode == 0; }

void backlightStep(TextOut& out, const void*)
{
    if (menuCursor == thresholdRow)
        stepTo(out, editStep == 100 ? "X1000" : "X100");
}

void backlightPress(TextOut& out, const void*)
{
    editing(out, menuCursor < std::size(backlightRows) ? backlightRows[menuCursor] : "");
}

// A percentage stops at 10 and 100: turning on past them does nothing.
void percentTurn(TextOut& out, uint8_t percent, int8_t direction, const char* up, const char* down)
{
    if (direction > 0 && percent < levelHigh)
        out << up;
    else if (direction < 0 && percent > levelLow)
        out << down;
}

void editBacklightRow(TextOut& out, int8_t direction)
{
    switch (menuCursor) {
    case 0: out << (manualBacklight() ? "switch to AUTO" : "switch to MANUAL"); break;
    case thresholdRow: turnedBy(out, direction, editStep); break;
    case 2: percentTurn(out, settings.backlightDim, direction, "up by 10%", "down by 10%"); break;
    case 3: percentTurn(out, settings.backlightBright, direction, "up by 10%", "down by 10%"); break;
    default: break;
    }
}

void backlightTurn(TextOut& out, int8_t direction)
{
    if (menuEditing != 0)
        editBacklightRow(out, direction);
    else if (manualBacklight())
        percentTurn(out, settings.backlightLevel, direction, "brighter", "dimmer");
    else
        cursorTo(out, backlightRows[nextOption(menuCursor, std::size(backlightRows), direction)]);
}

// ---- security set-up: the lock, and CHANGE CODE while it is on ----

constexpr uint8_t lockRow = 0;

void securityPress(TextOut& out, const void*)
{
    if (menuCursor == lockRow)
        editing(out, "SECURITY");
    else
        out << "change the code";
}

void securityTurn(TextOut& out, int8_t direction)
{
    if (menuEditing != 0) {
        if (menuCursor != lockRow)
            return;
        const bool offNext = direction > 0 ? settings.securityEnabled != 0 : settings.securityEnabled == 1;
        out << (offNext ? "switch the lock off" : "switch the lock on");
    } else if (settings.securityEnabled == 1) {
        cursorTo(out, menuCursor == lockRow ? "CHANGE CODE" : "SECURITY");
    }
}

// Each screen's "+" and "-": the same turn, one way or the other.
template <void (*turn)(TextOut&, int8_t)>
constexpr KeyHelp plus()
{
    return worded([](TextOut& out, const void*) { turn(out, 1); });
}
template <void (*turn)(TextOut&, int8_t)>
constexpr KeyHelp minus()
{
    return worded([](TextOut& out, const void*) { turn(out, -1); });
}

constexpr const char* carryOn = "continue";

// A message: any key goes on.
constexpr ScreenKeyHelp anyKey(ScreenHandler screen)
{
    return {screen, {says(carryOn), says(carryOn), says(carryOn), says(carryOn), says(carryOn)}};
}

const ScreenKeyHelp help[] = {
    {mainMenuScreen,
     {says("exit to the home screen"), {}, worded(openPage), plus<turnPage>(), minus<turnPage>()}},
    {backlightScreen,
     {says("back to MISC SETUP"), worded(backlightStep), worded(backlightPress), plus<backlightTurn>(),
      minus<backlightTurn>()}},
    {securitySetupScreen,
     {says("back to MISC SETUP"), {}, worded(securityPress), plus<securityTurn>(), minus<securityTurn>()}},
    {infoScreen, {says("back to MISC SETUP")}},
    {valuesScreen, {says("back to the main menu")}},
    {defaultSettingsScreen, {says("no, back to MISC SETUP"), says("yes, load the factory settings")}},
    anyKey(messageScreen),
    anyKey(codeMessageScreen),
    anyKey(slopeErrorScreen),
};

} // namespace

std::span<const ScreenKeyHelp> menuKeyHelp() { return help; }
