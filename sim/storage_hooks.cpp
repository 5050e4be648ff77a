// The storage hooks the firmware calls (declared beside the settings): they
// count the saves, and hand them to the instrument memory when a host has
// switched it on.
#include "sim/storage_hooks.h"

#include "core/settings.h"
#include "sim/instrument_memory.h"

uint32_t storeSettingsCalls;
uint32_t storeTotalsCalls;

void resetStorageHookCounts() { storeSettingsCalls = storeTotalsCalls = 0; }

void restoreSettings() { memoryPowerOnBegins(); }

void storeSettings()
{
    ++storeSettingsCalls;
    memoryKeepsSettings();
}

void storeTotals()
{
    ++storeTotalsCalls;
    memoryKeepsTotals();
}
