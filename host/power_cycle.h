// The instrument's power cycle and one pass of its main loop, free of any
// window toolkit so that the window and the scripted runner share them.
#pragma once
#include <cstdint>

extern uint8_t powerOff; // the main loop runs while this is 0

// Program start as the window creates it: every firmware global at its
// starting value, the home screen installed, the display black.
void resetToProgramStart();

// "On": settings back to factory defaults, totals and alarms cleared.
void powerOnSequence();

// The firmware part of one main-loop pass: sample the VRAX box, measure,
// clear the frame buffer and run the current screen once.
void firmwarePass(bool vraxChecked);
