// A powered instrument with its senders in their normal bands: flow on both
// channels, both tanks part full, the pressure raising no alarm.
#pragma once
#include "core/sensor_inputs.h"
#include "host/power_cycle.h"

inline void powerOnWithSenders()
{
    resetToProgramStart();
    powerOnSequence();
    flow1Input = 3000;
    flow2Input = 1000;
    level1Input = 600;
    level2Input = 500;
    pressureInput = 2000;
}
