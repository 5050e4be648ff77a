// Screens not built yet: each shows a blank display. The run-time entries go
// home on any key; the set-up screens go back on the left key to the menu row
// that opened them and ignore the other keys.
#include "core/keys_and_time.h"
#include "display/furniture.h"
#include "screens/menu_screens.h"
#include "screens/screen.h"

namespace {
void blankUntilKey()
{
    if (pendingKey == 0)
        return;
    currentScreen = homeScreen;
    pendingKey = 0;
}

// Left key: back to the menu with the cursor on the opener's row.
void blankUntilBack(ScreenHandler menu, uint8_t openerRow)
{
    if (pendingKey == keyLeft) {
        currentScreen = menu;
        enterMenu(openerRow);
    }
    pendingKey = 0;
}
} // namespace

void securityCodeScreen() { blankUntilKey(); }
void cruiseSpeedScreen() { blankUntilKey(); }
void fuelLevel1Screen() { blankUntilKey(); }
void fuelLevel2Screen() { blankUntilKey(); }

void backlightScreen() { blankUntilBack(miscSetupScreen, 0); }
void securitySetupScreen() { blankUntilBack(miscSetupScreen, 1); }
void infoScreen() { blankUntilBack(miscSetupScreen, 2); }
void defaultSettingsScreen() { blankUntilBack(miscSetupScreen, 3); }
void valuesScreen() { blankUntilBack(mainMenuScreen, 2); }

