// A powered instrument with its senders in their normal bands: flow on both
// channels, both tanks part full, the pressure raising no alarm.
#pragma once
#include <cstdint>

#include "sim/simulator.h"

struct InputValue {
    const char* name;
    int64_t value;
};

inline constexpr InputValue normalSenders[] = {
    {"flow1Input", 3000}, {"flow2Input", 1000}, {"level1Input", 600}, {"level2Input", 500}, {"pressureInput", 2000},
};

inline void powerOnWithSenders()
{
    qs9ProgramStart();
    qs9PowerOn();
    for (const InputValue& sender : normalSenders)
        qs9WriteValue(sender.name, sender.value);
}
