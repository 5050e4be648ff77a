// Every screen is a handler that draws its whole screen from a cleared frame
// buffer, then consumes pendingKey. Exactly one is current.
#pragma once
#include <cstdint>

using ScreenHandler = void (*)();

extern ScreenHandler currentScreen;
extern uint8_t showTotals;     // 1 while the home screen shows the fuel totals page
extern uint8_t digitEntry[4];  // digits of an entry screen, most significant first

void homeScreen();

// Spends a key on the first active, unacknowledged alarm (tank 1, tank 2, pressure).
void acknowledgeAlarm();

// The home screen's push buttons open these entries with their digits filled in.
void openCruiseSpeedEntry();
void openFuelLevel1Entry();
void openFuelLevel2Entry();

// Screens reached from the home screen.
void mainMenuScreen();
void securityCodeScreen();
void cruiseSpeedScreen();
void fuelLevel1Screen();
void fuelLevel2Screen();
