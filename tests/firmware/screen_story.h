// Driving a powered instrument key by key, as the pilot does, and reading
// back the texts each pass drew.
#pragma once
#include <string>
#include <vector>

#include "core/keys_and_time.h"
#include "display/text.h"
#include "host/power_cycle.h"
#include "screens/screen.h"

// Kept apart from other tests' text records: all test files link into one program.
namespace story {

struct DrawnText {
    int startX;
    int endX;
    int y;
    int font;
    int colour;
    std::string text;
};

// The texts of the last pass, in drawing order.
inline std::vector<DrawnText> drawnTexts;

inline void recordDrawnText(uint16_t startX, int16_t y, uint8_t fontSize, uint8_t colour, const char* text)
{
    drawnTexts.push_back({startX, textEndX, y, fontSize, colour, text});
}

// Program start, "On", and texts recorded from then on.
inline void powerOnAndWatch()
{
    resetToProgramStart();
    powerOnSequence();
    textObserver = recordDrawnText;
}

// One main-loop pass, with a key clicked before it when one is given.
inline void pass(uint8_t key = keyNone)
{
    if (key != keyNone)
        postKey(key);
    drawnTexts.clear();
    firmwarePass(true);
}

// The first text of the last pass that reads `text`; an empty record if none did.
inline DrawnText shown(const std::string& text)
{
    for (const DrawnText& drawn : drawnTexts)
        if (drawn.text == text)
            return drawn;
    return {};
}

// The digits drawn in `font`, left to right as drawn, and the index of the red one (-1 if none).
inline std::string digitsShown(int font, int* redIndex = nullptr)
{
    std::string digits;
    if (redIndex)
        *redIndex = -1;
    for (const DrawnText& drawn : drawnTexts) {
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

} // namespace story
