// Screens not built yet: each shows a blank display and goes home on any key.
#include "core/keys_and_time.h"
#include "screens/screen.h"

namespace {
void blankUntilKey()
{
    if (pendingKey == 0)
        return;
    currentScreen = homeScreen;
    pendingKey = 0;
}
} // namespace

void mainMenuScreen() { blankUntilKey(); }
void miscSetupScreen() { blankUntilKey(); }
void securityCodeScreen() { blankUntilKey(); }
void cruiseSpeedScreen() { blankUntilKey(); }
void fuelLevel1Screen() { blankUntilKey(); }
void fuelLevel2Screen() { blankUntilKey(); }
