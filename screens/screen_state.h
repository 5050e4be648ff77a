#pragma once

// Returns every global of the screens subsystem (current screen and screen-owned globals) to its value at program
// start, so that a test can begin from a freshly started program.
void resetScreenState();
