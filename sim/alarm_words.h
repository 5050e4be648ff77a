// The instrument's alarms in words, for hosts that say them rather than
// show them in red: which are active, which a key acknowledged, which began.
#pragma once
#include "sim/text_out.h"

// One line per active alarm, tank 1, tank 2, pressure: "Alarm: Low fuel,
// tank 1, not acknowledged"; each line ends in '\n'.
void addActiveAlarmLines(TextOut& out);
