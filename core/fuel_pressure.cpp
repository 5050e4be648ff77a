#include "core/fuel_pressure.h"

void measurePressure() {}
