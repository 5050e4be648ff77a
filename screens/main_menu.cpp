// The main menu, three full-screen pages turned by the knob (FUEL SETUP,
// MISC SETUP, ADC VALUES), and the miscellaneous set-up list under MISC SETUP.
// Every screen they open comes back with the cursor on its page or row.
#include <iterator>

#include "core/keys_and_time.h"
#include "display/colours.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/icons.h"
#include "display/text.h"
#include "screens/menu_screens.h"
#include "screens/screen.h"
#include "screens/setup_list.h"
#include "screens/setup_screens.h"

namespace {

struct MenuPage {
    const char* caption[2];
    RleImage icon;
    ScreenHandler screen;
};

const MenuPage mainMenuPages[] = {
    {{"FUEL", "SETUP"}, fuelPumpIcon, fuelSetupScreen},
    {{"MISC", "SETUP"}, miscIcon, miscSetupScreen},
    {{"ADC", "VALUES"}, adcIcon, valuesScreen},
};
constexpr uint8_t pageCount = std::size(mainMenuPages);

void drawMenuPage(const MenuPage& page)
{
    drawText(110, 46, page.caption[0], 0, 10, 0, colourWhite);
    drawText(110, 64, page.caption[1], 0, 10, 0, colourWhite);
    drawRleBitmap(10, 41, page.icon);
}

// A knob press opens the page's screen, which starts at its first row.
void openMenuPage()
{
    if (menuCursor < pageCount)
        currentScreen = mainMenuPages[menuCursor].screen;
    resetMenuState(0);
}

void applyMainMenuKey()
{
    switch (pendingKey) {
    case keyLeft:
        returnToHome();
        break;
    case keyPress:
        openMenuPage();
        break;
    case keyPlus:
    case keyMinus:
        moveCursor(knobDirection(pendingKey), pageCount);
        break;
    default:
        break;
    }
    pendingKey = keyNone;
}

// Misc rows open their screens; the backlight keeps the menu state as it is.
bool openBacklight()
{
    currentScreen = backlightScreen;
    return true;
}

bool openMiscScreen(ScreenHandler screen)
{
    currentScreen = screen;
    enterMenu(0);
    return true;
}

void leaveMiscSetup()
{
    currentScreen = mainMenuScreen;
    enterMenu(1);
}

const SetupRow miscRows[] = {
    {.label = "BACKLIGHT", .press = openBacklight},
    {.label = "SECURITY SETUP", .press = [] { return openMiscScreen(securitySetupScreen); }},
    {.label = "INFORMATION", .press = [] { return openMiscScreen(infoScreen); }},
    {.label = "DEFAULT SETTINGS", .press = [] { return openMiscScreen(defaultSettingsScreen); }},
};

// Text rows only: no step legends, so the right key does nothing.
const SetupList miscList = {"MISC SETUP", "", miscRows, std::size(miscRows),
                            RowKeys::afterDrawing, StepKey::legendRowsOnly, 100, leaveMiscSetup};

} // namespace

void mainMenuScreen()
{
    drawTitleBar("MAIN MENU", "");
    drawMenuScrollBar(menuCursor, pageCount);
    drawMenuPage(mainMenuPages[menuCursor < pageCount ? menuCursor : 0]);
    drawSoftKeys(softKeyExit);
    applyMainMenuKey();
}

const SetupList& miscSetupList() { return miscList; }

void miscSetupScreen() { runSetupList(miscList); }
