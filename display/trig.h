// Sine and cosine tables for whole degrees, and dotted arcs.
#pragma once
#include <cstdint>

void buildTrigTables();
