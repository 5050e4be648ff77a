// Every screen is a handler that draws its whole screen from a cleared frame
// buffer, then consumes pendingKey. Exactly one is current.
#pragma once
#include <cstdint>

using ScreenHandler = void (*)();

extern ScreenHandler currentScreen;
extern uint8_t showTotals;     // 1 while the home screen shows the fuel totals page
extern uint8_t digitEntry[4];  // digits of an entry screen, most significant first

void homeScreen();
