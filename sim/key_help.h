// What each front-panel key does on the screen shown, in the learner's words
// and from the state that decides it. Each screen family lists its screens
// in a sim/key_help_*.cpp table; sim/key_help.cpp puts the lines together.
#pragma once
#include <cstdint>
#include <span>

#include "screens/screen.h"
#include "sim/text_out.h"

// Writes what a key does now, without the key's name ("main menu"); nothing
// when the screen does nothing with it. The context is that of the screen's row.
using KeyAction = void (*)(TextOut& out, const void* context);

// One key of a screen: the same words whatever the state, or an action that
// words it from the state; neither for a key the screen does nothing with.
struct KeyHelp {
    const char* words = nullptr;
    KeyAction action = nullptr;
};
constexpr KeyHelp says(const char* words) { return {words, nullptr}; }
constexpr KeyHelp worded(KeyAction action) { return {nullptr, action}; }

struct ScreenKeyHelp {
    ScreenHandler screen;
    // Left, right, knob press, knob "+", knob "-": the key events 1 to 5.
    KeyHelp keys[5];
    // What the actions read: the screen's list, its tank, its words.
    const void* context = nullptr;
    // True while every key is spent first on acknowledging an alarm.
    bool (*alarmFirst)() = nullptr;
};

std::span<const ScreenKeyHelp> homeKeyHelp();
std::span<const ScreenKeyHelp> menuKeyHelp();
std::span<const ScreenKeyHelp> setupListKeyHelp();
std::span<const ScreenKeyHelp> entryKeyHelp();
std::span<const ScreenKeyHelp> calibrationKeyHelp();

// Shared words.
void cursorTo(TextOut& out, const char* row);          // "cursor to FLOW 1"
void editing(TextOut& out, const char* row);           // "edit UNIT" or, while editing, "stop editing UNIT"
void stepTo(TextOut& out, const char* legend);         // "edit step X10"
void turnedBy(TextOut& out, int8_t direction, const char* legend); // "up by 10" from "X10", "down"
void turnedBy(TextOut& out, int8_t direction, uint16_t step);      // "up by 100"

// The whole help as the named value keyHelp reads it.
const char* keyHelpText();
