// The storage hooks the firmware calls (declared beside the settings).
#include "sim/storage_hooks.h"

#include "core/settings.h"

uint32_t storeSettingsCalls;
uint32_t storeTotalsCalls;

void resetStorageHookCounts() { storeSettingsCalls = storeTotalsCalls = 0; }

void restoreSettings() {}
void storeSettings() { ++storeSettingsCalls; }
void storeTotals() { ++storeTotalsCalls; }
