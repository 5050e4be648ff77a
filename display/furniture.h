// Furniture shared by the set-up screens: title bar, soft-key bar with the
// knob symbol, menu rows and scroll bar; the menu state they edit; and the
// message screen that confirms an action.
#pragma once
#include <cstdint>

#include "screens/screen.h"

extern uint8_t menuCursor;   // index of the selected item
extern uint8_t menuTop;      // item shown on row 0
extern uint8_t menuEditing;  // 1 while the selected value is being changed
extern uint16_t editStep;    // step of numeric edits
extern uint16_t codeScratch; // working value of the security-code screens
extern ScreenHandler messageReturnScreen;

// Menu rows on screen, 0..4, from y 26 in steps of 15.
constexpr int8_t menuRowCount = 5;

// Left soft-key legends of drawSoftKeys.
constexpr uint8_t softKeyNone = 0;
constexpr uint8_t softKeyExit = 1;
constexpr uint8_t softKeyBack = 2;
constexpr uint8_t softKeyDone = 3;

// Brand mark left, title and subtitle right-aligned in red, rule at y 25.
void drawTitleBar(const char* title, const char* subtitle);
// Rule at y 102, cell dividers, the left legend (softKey*), the knob symbol.
void drawSoftKeys(uint8_t leftWord);
// The same bar with "NO" left and "YES" right, no knob symbol.
void drawYesNoKeys();
// The soft-key bar's rule at y 102 and its cell dividers.
void drawSoftKeyFrame();
// A word centred in the soft-key bar's left or right cell, white.
void drawLeftLegend(const char* word);
void drawRightLegend(const char* word);
// A dotted arc with an arrowhead at each end, in the middle cell.
void drawKnobSymbol();

// Label, then value right after it, on a row on screen (not an item index).
// The cursor row is red; while it is edited only its value stays red.
void drawMenuRow(int8_t row, const char* label, const char* value);
void drawMenuText(int8_t row, const char* text, uint8_t colour);
// Track at x 156, thumb at x 153..159 sized for count items. No thumb for 0 items.
void drawMenuScrollBar(uint16_t position, uint16_t count);

// Cursor on the given item at the top of the list, not editing, single steps.
void resetMenuState(uint8_t cursor);
// Leaves the menus for the home screen and saves the settings.
void returnToHome();
// Menu state for a screen about to be opened, the security codes' working
// value cleared too; the caller installs the screen.
void enterMenu(uint8_t cursor);

// "DONE" with the warning icon; any key goes on to messageReturnScreen.
void messageScreen();
// The key step of every message: any key, the knob's turns included, goes on
// to `next`, or home when there is none.
void leaveOnAnyKey(ScreenHandler next);
