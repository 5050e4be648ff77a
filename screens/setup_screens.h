// The fuel set-up list and the set-up screens it opens: tank 1, tank 2 and
// fuel pressure.
#pragma once
#include <cstdint>

#include "core/settings.h"

void fuelSetupScreen();
void tank1SetupScreen();
void tank2SetupScreen();
void pressureSetupScreen();

// The lists these screens run (screens/setup_list.h); tank 1 or 2.
struct SetupList;
const SetupList& fuelSetupList();
const SetupList& tankSetupList(uint8_t tank);
const SetupList& pressureSetupList();

// The fuel set-up row that opened a sub-screen; the sub-screen puts the
// cursor back on it when it returns.
extern uint8_t setupReturnRow;
// The pressure settings that the pressure set-up screens edit.
extern PressureSettings* pressureEdit;
