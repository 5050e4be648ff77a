// Screens not built yet: each shows a blank display and goes back on the
// left key to the menu row that opened it, ignoring the other keys.
#include "core/keys_and_time.h"
#include "display/furniture.h"
#include "screens/screen.h"
#include "screens/setup_screens.h"

namespace {
// Left key: back to the fuel set-up on the row that opened the screen.
void blankUntilBackToFuelSetup()
{
    if (pendingKey == keyLeft) {
        menuCursor = setupReturnRow;
        menuEditing = 0;
        currentScreen = fuelSetupScreen;
    }
    pendingKey = 0;
}
} // namespace

void tank1SetupScreen() { blankUntilBackToFuelSetup(); }
void tank2SetupScreen() { blankUntilBackToFuelSetup(); }
void pressureSetupScreen() { blankUntilBackToFuelSetup(); }
