#include "screens/run_time_pages.h"
#include "screens/screen.h"

ScreenHandler currentScreen;
uint8_t showTotals;
uint8_t digitEntry[4];

// Placeholders until the home screen lands: a blank display.
void homeScreen() {}
void acknowledgeAlarm() {}
void openCruiseSpeedEntry() {}
void openFuelLevel1Entry() {}
void openFuelLevel2Entry() {}
void drawSpeedLine(int16_t) {}
