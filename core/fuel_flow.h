// Fuel flow rates, fuel-used totals and the contents of calculated tanks.
#pragma once
#include <cstdint>

extern uint32_t used1Pulses, used2Pulses;
extern uint32_t tank1Pulses, tank2Pulses;

void measureFuelFlow();
