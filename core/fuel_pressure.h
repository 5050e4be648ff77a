// Fuel pressure from the pressure sender.
#pragma once
#include <cstdint>

void measurePressure();
