#pragma once

// Returns every global of the display subsystem (frame buffer, text globals, menu state) to its value at program
// start, so that a test can begin from a freshly started program.
void resetDisplayState();
