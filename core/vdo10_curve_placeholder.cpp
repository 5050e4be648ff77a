// Stand-in for the VDO "10 bar" curve until the sender curve table lands.
#include "core/sender_curves.h"

const PressureCurve vdoCurve10Bar = {
    6, {{0, 20}, {20, 128}, {40, 216}, {60, 304}, {80, 372}, {100, 433}}};
