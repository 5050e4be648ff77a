#pragma once

// Returns every global of the core subsystem (settings, inputs, measurements, alarms, time base) to its value at program
// start, so that a test can begin from a freshly started program.
void resetCoreState();
