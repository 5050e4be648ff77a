#include "display/text.h"

uint16_t textStartX;
uint16_t textEndX;

// Placeholder until the fonts land: measures nothing, draws nothing.
uint16_t drawText(int16_t x, int16_t, const char*, uint8_t, uint8_t, uint8_t, uint8_t)
{
    textStartX = textEndX = static_cast<uint16_t>(x);
    return textEndX;
}
