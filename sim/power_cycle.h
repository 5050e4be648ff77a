// The instrument's power cycle and one pass of its main loop. The C calls
// of sim/simulator.h wrap these; tests call them directly.
#pragma once
#include <cstdint>

extern uint8_t powerOff;       // the main loop runs while this is 0
extern uint8_t vraxBoxChecked; // the "VRAX On/Off" box, which each pass samples

// Program start as the window creates it: every firmware global at its
// starting value, the home screen installed, the VRAX box checked, the
// display black.
void resetToProgramStart();

// "On": settings back to factory defaults, totals and alarms cleared; with
// the instrument memory on, a valid stored record then replaces the settings
// and the totals.
void powerOnSequence();

// The measuring steps of a pass: sample the VRAX box, measure the tanks,
// the flow and the pressure, and drop the pressure alarm when its display
// is off.
void measurementSteps(bool vraxChecked);

// The firmware part of one main-loop pass: the measuring steps, then the
// frame buffer cleared and the current screen run once.
void firmwarePass(bool vraxChecked);
