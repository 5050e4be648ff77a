// The instrument saves its settings and totals to non-volatile memory; the
// simulator keeps both in memory and only counts the saves, so that checks
// can see where the instrument would have written.
#pragma once
#include <cstdint>

extern uint32_t storeSettingsCalls;
extern uint32_t storeTotalsCalls;

void resetStorageHookCounts();
