// The instrument saves its settings and totals to non-volatile memory; the
// simulator counts the saves, so that checks can see where the instrument
// writes, and keeps them in the instrument memory (sim/instrument_memory.h)
// when a host has switched it on.
#pragma once
#include <cstdint>

extern uint32_t storeSettingsCalls;
extern uint32_t storeTotalsCalls;

void resetStorageHookCounts();
