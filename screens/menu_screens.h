// The miscellaneous set-up menu and the screens reached from it and from the
// main menu's ADC VALUES page. The main menu itself is in screens/screen.h.
#pragma once

void miscSetupScreen();
void backlightScreen();
void securitySetupScreen();
void infoScreen();
void defaultSettingsScreen();
void valuesScreen();
