// The instrument's power cycle and one pass of its main loop. The C calls
// of sim/simulator.h wrap these; tests call them directly.
#pragma once
#include <cstdint>

extern uint8_t powerOff;       // the main loop runs while this is 0
extern uint8_t switchedOn;     // 1 from "On" until "Off"; 0 before the first "On"
extern uint8_t vraxBoxChecked; // the "VRAX On/Off" box, which each pass samples

// Program start as the window creates it: every firmware global at its
// starting value, the home screen installed, the VRAX box checked, the
// display black.
void resetToProgramStart();

// "On": settings back to factory defaults, totals and alarms cleared.
void powerOnSequence();

// Whether a pass runs the flow step, which counts one 4-second measurement
// period (rates, fuel used, calculated tanks, range and endurance). A host
// that keeps instrument time runs it once per period and skips it between.
enum class FlowStep : uint8_t { run, skip };

// The measuring steps of a pass: sample the VRAX box, measure the tanks,
// the flow and the pressure, and drop the pressure alarm when its display
// is off.
void measurementSteps(bool vraxChecked, FlowStep flow = FlowStep::run);

// The firmware part of one main-loop pass: the measuring steps, then the
// frame buffer cleared and the current screen run once, what it draws and
// does to the alarms recorded (sim/last_pass.h).
void firmwarePass(bool vraxChecked, FlowStep flow = FlowStep::run);
