#include "screens/screen_state.h"

#include "screens/entry_screens.h"
#include "screens/screen.h"
#include "screens/pressure_setup.h"
#include "screens/setup_screens.h"
#include "screens/tank_setup.h"

void resetScreenState()
{
    currentScreen = nullptr;
    showTotals = 0;
    for (auto& digit : digitEntry)
        digit = 0;
    manualLevel1 = manualLevel2 = 0;
    setupReturnRow = 0;
    pressureEdit = nullptr;
    calibrationMode = calibrationBySender;
    calCurve = {};
    slopeErrorReturnScreen = nullptr;
}
