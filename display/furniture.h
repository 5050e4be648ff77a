// Furniture shared by the set-up screens, and the menu state they edit.
#pragma once
#include <cstdint>

#include "screens/screen.h"

extern uint8_t menuCursor;   // index of the selected item
extern uint8_t menuTop;      // item shown on row 0
extern uint8_t menuEditing;  // 1 while the selected value is being changed
extern uint16_t editStep;    // step of numeric edits
extern uint16_t codeScratch; // working value of the security-code screens
extern ScreenHandler messageReturnScreen;
