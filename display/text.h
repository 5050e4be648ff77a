// Proportional bitmap fonts and the one text renderer.
#pragma once
#include <cstdint>

extern uint16_t textStartX; // x of the first glyph of the last drawText
extern uint16_t textEndX;   // pen x after the last glyph of that call

// Text alignment: centred on x, starting at x, ending at x (3 and above as centred).
constexpr uint8_t alignCentre = 0;
constexpr uint8_t alignLeft = 1;
constexpr uint8_t alignRight = 2;

// align: 0 centred on x, 1 starts at x, 2 ends at x (3 and above as 0).
// fontSize 9, 10, 12, 16, 20, 24, 30, 34 select that font; anything else font 8.
// Returns the pen x after the text.
uint16_t drawText(int16_t x, int16_t y, const char* text, uint8_t reserved,
                  uint8_t fontSize, uint8_t align, uint8_t colour);

// Called at the end of every drawText when set (the scripted runner and the
// tests record what a screen wrote); null on the instrument.
using TextObserver = void (*)(uint16_t startX, int16_t y, uint8_t fontSize,
                              uint8_t colour, const char* text);
extern TextObserver textObserver;
