// Driving a powered instrument key by key, as the pilot does, and reading
// back the texts each pass drew.
#pragma once
#include <string>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "drawn_texts.h"
#include "sim/power_cycle.h"
#include "screens/screen.h"

// Program start, "On", the pressure sender in its normal band (so that no
// alarm takes the first key), and texts recorded from then on.
inline void powerOnAndWatch()
{
    resetToProgramStart();
    powerOnSequence();
    pressureInput = 2000;
    recordTexts();
}

// One main-loop pass, with a key clicked before it when one is given.
inline void pass(uint8_t key = keyNone)
{
    if (key != keyNone)
        postKey(key);
    drawnTexts.clear();
    firmwarePass(true);
}

// A key on the home screen's page.
inline void pressOnHome(uint8_t key)
{
    currentScreen = homeScreen;
    pass(key);
}

// The last drawing of `text` in the last pass; an empty record if it was not drawn.
inline RecordedText shown(const std::string& text)
{
    const RecordedText* found = findText(text);
    return found != nullptr ? *found : RecordedText{};
}

// The digits drawn in `font`, left to right as drawn, and the index of the red one (-1 if none).
inline std::string digitsShown(int font, int* redIndex = nullptr)
{
    std::string digits;
    if (redIndex)
        *redIndex = -1;
    for (const RecordedText& drawn : drawnTexts) {
        if (drawn.font != font || drawn.text.size() != 1 || drawn.text[0] < '0' || drawn.text[0] > '9')
            continue;
        if (redIndex && drawn.colour == 9)
            *redIndex = static_cast<int>(digits.size());
        digits += drawn.text;
    }
    return digits;
}

// Turns each entry digit up with "+" until it reads as `target`, pressing
// the knob after each to move on to the next.
inline void enterDigits(const std::string& target)
{
    for (size_t i = 0; i < target.size(); ++i) {
        for (int turns = (target[i] - '0' - digitEntry[i] + 10) % 10; turns > 0; --turns)
            pass(keyPlus);
        pass(keyPress);
    }
}
