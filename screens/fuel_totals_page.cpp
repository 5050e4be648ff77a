#include "screens/run_time_pages.h"

// Placeholder until the totals page lands.
void fuelTotalsPage() {}
