// Alarm words: bit 0x10 tank 1 low fuel, 0x20 tank 2 low fuel, 0x40 fuel pressure.
#pragma once
#include <cstdint>

constexpr uint32_t alarmTank1Low = 0x10;
constexpr uint32_t alarmTank2Low = 0x20;
constexpr uint32_t alarmPressure = 0x40;

extern uint32_t alarmFlags; // active alarms
extern uint32_t alarmAcked; // acknowledged alarms

// Three-state alarm model: the bit is set in alarmFlags while the condition
// holds; when it ends the bit is cleared in both words, so the next time the
// alarm is unacknowledged again. Nothing changes while alarmHoldOff runs.
void updateAlarm(uint32_t bit, bool condition);
