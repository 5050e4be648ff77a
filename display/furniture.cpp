#include "display/furniture.h"

uint8_t menuCursor;
uint8_t menuTop;
uint8_t menuEditing;
uint16_t editStep;
uint16_t codeScratch;
ScreenHandler messageReturnScreen;
