// A powered instrument with its senders in their normal bands: flow on both
// channels, both tanks part full, the pressure raising no alarm.
#pragma once
#include "sim/simulator.h"

inline void powerOnWithSenders()
{
    qs9ProgramStart();
    qs9PowerOn();
    qs9WriteValue("flow1Input", 3000);
    qs9WriteValue("flow2Input", 1000);
    qs9WriteValue("level1Input", 600);
    qs9WriteValue("level2Input", 500);
    qs9WriteValue("pressureInput", 2000);
}
