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
//   kind 4  input        event input arg % eventInputCount() to the next two
//                        bytes, little-endian: a row of the input table
//                        modulo its maximum + 1, as its control moves it; an
//                        input that "set" reaches within its type (modulo
//                        256 where the type is a byte)
//   kind 5  VRAX box     checked when arg is odd
//   kind 6  power        arg odd: "On" (power-on sequence); even: "Off"
//   kind 7  key only     post key arg % 5 + 1 without a pass (the slot may be full)
//
// Keys: 1 left, 2 right, 3 knob press, 4 knob "+", 5 knob "-". The run starts
// as the window does after "On": factory settings, sliders at 0, VRAX box
// checked. Passes run only while the instrument is on; keys, ticks and
// sliders act while it is off too, as in the window.
//
// What an input event's argument means follows the tables of sim/, so the
// committed seeds are runner scripts (tests/fuzz/walks, walk_events.h),
// made into events when the fuzzer starts.
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

// The inputs that input events move, in the order of their argument: the
// rows of the input table, then the inputs a host sets by name
// (qs9HostInputName). The names come from the linked simulator's tables,
// which a copy loaded at run time shares.
int eventInputCount();
// Event input 0..count-1 by name; row says whether it is a row of the input table.
const char* eventInputName(int index, bool& row);

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
