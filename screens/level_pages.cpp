#include "screens/run_time_pages.h"

// Placeholders until the level pages land.
void singleTankPage() {}
void twoTankDualFlowPage() {}
void twoTankPage() {}
void singleTankLevelPage() {}
void twoTankLevelPage() {}
