#include "screens/run_time_pages.h"

// Placeholders until the flow pages land.
void singleFlowPage() {}
void dualFlowPage() {}
void combinedFlowPage() {}
