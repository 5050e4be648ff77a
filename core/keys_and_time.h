// The front-panel key slot and the 100 ms time base.
#pragma once
#include <cstdint>

enum KeyEvent : uint8_t {
    keyNone = 0,
    keyLeft = 1,      // left push button
    keyRight = 2,     // right push button
    keyPress = 3,     // knob pressed
    keyPlus = 4,      // knob turned "+"
    keyMinus = 5,     // knob turned "-"
};

// One-slot key buffer: a key is accepted only while the slot is empty;
// the current screen empties it after handling.
extern uint8_t pendingKey;
void postKey(uint8_t key);

extern uint8_t blinkTicks;   // 0..10
extern uint8_t blinkPhase;   // 0 or 1, toggled every 11 ticks
extern uint8_t slowTicks;    // 0..19
extern uint8_t alarmHoldOff; // two-second countdown gating the alarm updates
extern uint8_t headerCycle;  // 0..7, advanced every 2 s

// One 100 ms tick of the instrument's timer.
void timeBaseTick();
