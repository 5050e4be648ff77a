#include "screens/screen_state.h"

#include "screens/screen.h"

void resetScreenState()
{
    currentScreen = nullptr;
    showTotals = 0;
    for (auto& digit : digitEntry)
        digit = 0;
}
