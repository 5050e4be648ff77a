// The backlight, information, factory-default and raw sender reading screens,
// reached from MISC SETUP and from the main menu's ADC VALUES page.
#pragma once
#include <cstdint>

#include "screens/screen.h"

// MANUAL: a fixed level set with the knob. AUTO: DIM or BRIGHT by the ambient
// light sensor's reading against a threshold.
void backlightScreen();
// The tank-level and pressure sender readings of this pass, unconverted.
void valuesScreen();
// Model, firmware version and the devices present on the CAN bus.
void infoScreen();
// Asks whether to load the factory settings; YES loads them.
void defaultSettingsScreen();

// Installs a menu with its cursor on the row (or page) that opened a screen.
void backToMenu(ScreenHandler menu, uint8_t openerRow);
