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
void drawTitleBar(const char* title, const char* subtitle);
void drawSoftKeys(uint8_t leftWord);
void drawMenuRow(int8_t row, const char* label, const char* value);
void drawMenuText(int8_t row, const char* text, uint8_t colour);
void drawMenuScrollBar(uint16_t position, uint16_t count);
void returnToHome();
void enterMenu(uint8_t cursor);
