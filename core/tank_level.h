// Tank contents from the level senders.
#pragma once
#include <cstdint>

void measureTankLevel(uint8_t tank);
