#include "display/text.h"

uint16_t textStartX;
uint16_t textEndX;
TextObserver textObserver;

// Placeholder until the fonts land: measures nothing, draws nothing.
uint16_t drawText(int16_t x, int16_t y, const char* text, uint8_t, uint8_t fontSize,
                  uint8_t, uint8_t colour)
{
    textStartX = textEndX = static_cast<uint16_t>(x);
    if (textObserver)
        textObserver(textStartX, y, fontSize, colour, text);
    return textEndX;
}
