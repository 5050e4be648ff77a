#include "display/trig.h"

void buildTrigTables() {}
