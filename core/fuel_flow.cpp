#include "core/fuel_flow.h"

uint32_t used1Pulses, used2Pulses;
uint32_t tank1Pulses, tank2Pulses;

void measureFuelFlow() {}
