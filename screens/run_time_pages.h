// The run-time pages that the home screen draws, chosen by the fuel-system
// configuration. Pages only draw; the home screen handles the keys.
#pragma once
#include <cstdint>

// Fuel pressure: the one-line strip under the fuel pages, and the full page
// shown when the instrument serves as a pressure gauge only.
void drawPressureStrip(int16_t x, int16_t y, int16_t width, int16_t height, uint8_t showLabel);
void pressurePage();

// Flow without tanks.
void singleFlowPage();
void dualFlowPage();
void combinedFlowPage();

// Fuel used since the last reset.
void fuelTotalsPage();

// Tanks with flow.
void singleTankPage();
void twoTankDualFlowPage();
void twoTankPage();

// Tanks without flow.
void singleTankLevelPage();
void twoTankLevelPage();

// The speed line: "S: ", the cruising or ground speed and its unit, at row y.
void drawSpeedLine(int16_t y);
