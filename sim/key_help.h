// What each front-panel key does on the screen shown, in the learner's words
// and from the state that decides it. Each screen family lists its screens
// in a sim/key_help_*.cpp table; sim/key_help.cpp puts the lines together.
#pragma once
#include <span>
#include <string>

#include "screens/screen.h"

// What a key does now, without the key's name: "main menu"; "" when the
// screen does nothing with it.
using KeyAction = std::string (*)();

struct ScreenKeyHelp {
    ScreenHandler screen;
    // Left, right, knob press, knob "+", knob "-": the key events 1 to 5.
    KeyAction actions[5];
    // True while every key is spent first on acknowledging an alarm.
    bool (*alarmFirst)() = nullptr;
};

std::span<const ScreenKeyHelp> homeKeyHelp();
std::span<const ScreenKeyHelp> menuKeyHelp();
std::span<const ScreenKeyHelp> setupListKeyHelp();
std::span<const ScreenKeyHelp> entryKeyHelp();
std::span<const ScreenKeyHelp> calibrationKeyHelp();

// Shared words.
std::string cursorTo(const std::string& row);        // "cursor to FLOW 1"
std::string editing(const std::string& row);         // "edit UNIT" or, while editing, "stop editing UNIT"
std::string stepTo(const char* legend);             // "edit step X10"
std::string turnedBy(int8_t direction, const char* legend); // "up by 10" from "X10", "down"

// The whole help as the named value keyHelp reads it.
const char* keyHelpText();
