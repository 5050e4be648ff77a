// The miscellaneous set-up menu and the screens reached from it and from the
// main menu's ADC VALUES page. The main menu itself is in screens/screen.h.
#pragma once

void miscSetupScreen();
// The list miscSetupScreen runs (screens/setup_list.h).
struct SetupList;
const SetupList& miscSetupList();
void backlightScreen();
void securitySetupScreen();
void infoScreen();
void defaultSettingsScreen();
void valuesScreen();
