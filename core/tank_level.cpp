#include "core/tank_level.h"

void measureTankLevel(uint8_t) {}
