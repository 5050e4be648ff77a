#include "core/settings.h"

Settings settings;
uint8_t fuelConfig;

void loadFactoryDefaults() {}
void deriveFuelConfig() {}
void restoreSettings() {}
void storeSettings() {}
void storeTotals() {}
