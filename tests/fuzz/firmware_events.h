// Bytes to instrument events, and the checks that must hold after every pass.
// The fuzzer and the corpus replay test drive the firmware through this one
// decoder, so a finding replays the same way under both compilers.
//
// Input format: a sequence of events, each one opcode byte b with
// kind = b >> 5 and arg = b & 0x1f, some followed by operand bytes. A missing
// operand byte at the end of the input reads as 0.
//
//   kind 0  key + pass   post key arg % 5 + 1, then one pass
//   kind 1  key repeat   n = next byte % 64 + 1; n times: post key arg % 5 + 1, one pass
//   kind 2  passes       arg + 1 passes
//   kind 3  ticks        arg + 1 timer ticks of 100 ms
//   kind 4  input        input arg % 14 to the next two bytes, little-endian,
//                        modulo its maximum + 1: 0..4 the sliders flow1, level1,
//                        flow2, level2, pressure; 5..13 the inputs that "set" and
//                        the window's "More Inputs" page reach, within their type:
//                        gpsSpeed, gpsSpeedValid, lightSensorInput,
//                        pressureLoopInput, vrax.level1, vrax.level2,
//                        vrax.pressure, canDeviceC, canDeviceA
//   kind 5  VRAX box     checked when arg is odd
//   kind 6  power        arg odd: "On" (power-on sequence); even: "Off"
//   kind 7  key only     post key arg % 5 + 1 without a pass (the slot may be full)
//
// Keys: 1 left, 2 right, 3 knob press, 4 knob "+", 5 knob "-". The run starts
// as the window does after "On": factory settings, sliders at 0, VRAX box
// checked. Passes run only while the instrument is on; keys, ticks and
// sliders act while it is off too, as in the window.
#pragma once
#include <cstddef>
#include <cstdint>

#include "sim/simulator.h"

// Event kinds, for writing inputs by hand.
enum FuzzEventKind : uint8_t {
    eventKeyPass = 0,
    eventKeyRepeat = 1,
    eventPasses = 2,
    eventTicks = 3,
    eventInput = 4,
    eventVrax = 5,
    eventPower = 6,
    eventKeyOnly = 7,
};

// The first broken invariant, as a message, or nullptr when all hold:
// the key slot is empty, the current screen is one of the instrument's, and
// every setting lies within its range.
const char* brokenInvariant();

// The simulator calls the decoder makes: the linked simulator's, or those of
// a copy loaded at run time (the test that compares two copies' frames).
struct EventTarget {
    decltype(&qs9ProgramStart) programStart;
    decltype(&qs9PowerOn) powerOn;
    decltype(&qs9PowerOff) powerOff;
    decltype(&qs9MainLoopRuns) mainLoopRuns;
    decltype(&qs9Pass) pass;
    decltype(&qs9Tick) tick;
    decltype(&qs9PostKey) postKey;
    decltype(&qs9FindInput) findInput;
    decltype(&qs9SetInput) setInput;
    decltype(&qs9SetValue) setValue;
};
extern const EventTarget linkedSimulator;

// Called after every pass; a message ends the run as its failure.
using PassCheck = const char* (*)(void* context);

// Runs the events on target from a freshly powered instrument and calls
// check after every pass. Returns the first failure (naming the pass), or
// nullptr. The run stops quietly after a budget of passes, so that no input
// runs long.
const char* driveEvents(const EventTarget& target, const uint8_t* data, size_t size, PassCheck check,
                        void* context);

// driveEvents on the linked simulator, with the invariants as the check.
const char* replayEvents(const uint8_t* data, size_t size);
