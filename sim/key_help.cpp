#include "sim/key_help.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "display/furniture.h"
#include "sim/power_cycle.h"
#include "sim/simulator.h"

namespace {

constexpr uint8_t keyCount = 5;
// In the order the lines are read: the knob first, then the push buttons.
constexpr uint8_t readingOrder[keyCount] = {QS9_KEY_PRESS, QS9_KEY_PLUS, QS9_KEY_MINUS, QS9_KEY_LEFT,
                                            QS9_KEY_RIGHT};

const char* keyWord(uint8_t key)
{
    static const char* const words[keyCount] = {"Left", "Right", "Knob", "+", "-"};
    return words[key - 1];
}

const ScreenKeyHelp* helpOfCurrentScreen()
{
    for (auto family : {homeKeyHelp(), menuKeyHelp(), setupListKeyHelp(), entryKeyHelp(), calibrationKeyHelp()})
        for (const ScreenKeyHelp& help : family)
            if (help.screen == currentScreen)
                return &help;
    return nullptr;
}

bool alarmFirst(const ScreenKeyHelp& help) { return help.alarmFirst != nullptr && help.alarmFirst(); }

// What the key does, "" for nothing: keys wait unseen while the instrument
// is off, and "On" clears them.
std::string actionOf(uint8_t key)
{
    const ScreenKeyHelp* help = helpOfCurrentScreen();
    if (switchedOn == 0 || help == nullptr)
        return "";
    return help->actions[key - 1]();
}

std::string keyLine(uint8_t key)
{
    const ScreenKeyHelp* help = helpOfCurrentScreen();
    const std::string action = actionOf(key);
    if (help != nullptr && switchedOn != 0 && alarmFirst(*help))
        return std::string(keyWord(key)) + ": acknowledge the alarm" + (action.empty() ? "" : ", then " + action);
    return action.empty() ? "" : std::string(keyWord(key)) + ": " + action;
}

// The keys' lines without the alarm's step, one key after another; when
// every key does the same, one line for them all: "Any key: continue".
std::string wholeText()
{
    if (switchedOn == 0)
        return "Press On to switch the instrument on";
    std::array<std::string, keyCount> actions;
    for (uint8_t i = 0; i < keyCount; ++i)
        actions[i] = actionOf(readingOrder[i]);
    std::string text;
    const ScreenKeyHelp* help = helpOfCurrentScreen();
    if (help != nullptr && alarmFirst(*help))
        text += "Any key first acknowledges the active alarm\n";
    if (!actions[0].empty() && std::all_of(actions.begin(), actions.end(), [&](auto& a) { return a == actions[0]; }))
        return text + "Any key: " + actions[0];
    for (uint8_t i = 0; i < keyCount; ++i)
        if (!actions[i].empty())
            text += std::string(keyWord(readingOrder[i])) + ": " + actions[i] + '\n';
    if (!text.empty())
        text.pop_back();
    return text;
}

std::array<std::string, keyCount> keyLines;
std::string helpText;

} // namespace

std::string cursorTo(const std::string& row) { return "cursor to " + row; }

std::string editing(const std::string& row)
{
    const std::string named = row.empty() ? "" : " " + row;
    return menuEditing != 0 ? "stop editing" + named : "edit" + named;
}

std::string stepTo(const char* legend) { return std::string("edit step ") + (legend ? legend : ""); }

std::string turnedBy(int8_t direction, const char* legend)
{
    std::string words = direction > 0 ? "up" : "down";
    if (legend != nullptr && legend[0] == 'X')
        words += std::string(" by ") + (legend + 1);
    return words;
}

const char* keyHelpText()
{
    helpText = wholeText();
    return helpText.c_str();
}

extern "C" {

const char* qs9KeyHelp(uint8_t key)
{
    if (key < QS9_KEY_LEFT || key > QS9_KEY_MINUS)
        return nullptr;
    keyLines[key - 1] = keyLine(key);
    return keyLines[key - 1].c_str();
}

const char* qs9KeyHelpText(void) { return keyHelpText(); }

} // extern "C"
