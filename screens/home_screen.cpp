#include "screens/screen.h"

ScreenHandler currentScreen;
uint8_t showTotals;
uint8_t digitEntry[4];

// Placeholder until the run-time pages land: a blank display.
void homeScreen() {}
