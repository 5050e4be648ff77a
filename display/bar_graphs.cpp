#include "display/bar_graphs.h"

// Placeholder until the bar graphs land: the record only, nothing drawn.
BarGraph barGraph;

void drawZoneBar3() {}
void drawZoneBar5() {}
void formatFuelQuantity(char*, int32_t) {}
