#include "screens/run_time_pages.h"

// Placeholders until the pressure displays land.
void drawPressureStrip(int16_t, int16_t, int16_t, int16_t, uint8_t) {}
void pressurePage() {}
