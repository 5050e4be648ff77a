#include "sim/key_help.h"

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

// The help of the current screen; none while the instrument is off: keys
// wait unseen then, and "On" clears them.
const ScreenKeyHelp* helpOfCurrentScreen()
{
    if (switchedOn == 0)
        return nullptr;
    for (auto family : {homeKeyHelp(), menuKeyHelp(), setupListKeyHelp(), entryKeyHelp(), calibrationKeyHelp()})
        for (const ScreenKeyHelp& help : family)
            if (help.screen == currentScreen)
                return &help;
    return nullptr;
}

bool alarmFirst(const ScreenKeyHelp* help) { return help != nullptr && help->alarmFirst && help->alarmFirst(); }

// A key's action as short text; "" for none.
using Action = char[96];

void actionOf(Action& action, const ScreenKeyHelp* help, uint8_t key)
{
    TextOut out(action);
    if (help == nullptr)
        return;
    const KeyHelp& keyHelp = help->keys[key - 1];
    if (keyHelp.action != nullptr)
        keyHelp.action(out, help->context);
    else if (keyHelp.words != nullptr)
        out << keyHelp.words;
}

char keyLines[keyCount][sizeof(Action) + 48];
char helpText[keyCount * sizeof(keyLines[0]) + 64];

const char* keyLine(uint8_t key)
{
    const ScreenKeyHelp* help = helpOfCurrentScreen();
    Action action;
    actionOf(action, help, key);
    TextOut line(keyLines[key - 1]);
    if (alarmFirst(help)) {
        line << keyWord(key) << ": acknowledge the alarm";
        if (action[0] != '\0')
            line << ", then " << action;
    } else if (action[0] != '\0') {
        line << keyWord(key) << ": " << action;
    }
    return keyLines[key - 1];
}

bool allAlike(const Action (&actions)[keyCount])
{
    for (const Action& action : actions)
        if (action[0] == '\0' || std::strcmp(action, actions[0]) != 0)
            return false;
    return true;
}

// The keys' lines without the alarm's step, one key after another; when
// every key does the same, one line for them all: "Any key: continue".
const char* wholeText()
{
    TextOut text(helpText);
    const ScreenKeyHelp* help = helpOfCurrentScreen();
    if (switchedOn == 0) {
        text << "Press On to switch the instrument on";
        return helpText;
    }
    Action actions[keyCount];
    for (uint8_t i = 0; i < keyCount; ++i)
        actionOf(actions[i], help, readingOrder[i]);
    if (alarmFirst(help))
        text << "Any key first acknowledges the active alarm\n";
    if (allAlike(actions)) {
        text << "Any key: " << actions[0];
        return helpText;
    }
    for (uint8_t i = 0; i < keyCount; ++i)
        if (actions[i][0] != '\0')
            text << keyWord(readingOrder[i]) << ": " << actions[i] << '\n';
    if (text.last() == '\n')
        text.cut(text.size() - 1);
    return helpText;
}

} // namespace

void cursorTo(TextOut& out, const char* row) { out << "cursor to " << row; }

void editing(TextOut& out, const char* row)
{
    out << (menuEditing != 0 ? "stop editing" : "edit");
    if (row[0] != '\0')
        out << ' ' << row;
}

void stepTo(TextOut& out, const char* legend) { out << "edit step " << (legend ? legend : ""); }

void turnedBy(TextOut& out, int8_t direction, const char* legend)
{
    out << (direction > 0 ? "up" : "down");
    if (legend != nullptr && legend[0] == 'X')
        out << " by " << legend + 1;
}

void turnedBy(TextOut& out, int8_t direction, uint16_t step)
{
    out << (direction > 0 ? "up by " : "down by ") << unsigned{step};
}

const char* keyHelpText() { return wholeText(); }

extern "C" {

const char* qs9KeyHelp(uint8_t key)
{
    if (key < QS9_KEY_LEFT || key > QS9_KEY_MINUS)
        return nullptr;
    return keyLine(key);
}

const char* qs9KeyHelpText(void) { return keyHelpText(); }

} // extern "C"
