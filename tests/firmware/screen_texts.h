// The texts a screen drew in its last pass, recorded through textObserver,
// and key presses as the pilot makes them.
#pragma once
#include <string>
#include <vector>

#include "core/keys_and_time.h"
#include "display/text.h"
#include "host/power_cycle.h"

struct DrawnText {
    int startX;
    int y;
    int font;
    int colour;
    std::string text;
    int endX; // textEndX as the call left it
    int middle() const { return (startX + endX) / 2; }
};

inline std::vector<DrawnText> drawnTexts;

inline void recordDrawnText(uint16_t startX, int16_t y, uint8_t fontSize, uint8_t colour, const char* text)
{
    drawnTexts.push_back({startX, y, fontSize, colour, text, textEndX});
}

// One main-loop pass, recording what it drew.
inline void runPass(bool vrax = false)
{
    drawnTexts.clear();
    textObserver = recordDrawnText;
    firmwarePass(vrax);
}

// A key consumed in one pass, then a pass that shows its effect.
inline void pressKey(uint8_t key, bool vrax = false)
{
    postKey(key);
    firmwarePass(vrax);
    runPass(vrax);
}

// The first text drawn with exactly these characters, or null.
inline const DrawnText* drawn(const std::string& text)
{
    for (const DrawnText& t : drawnTexts)
        if (t.text == text)
            return &t;
    return nullptr;
}

// The text drawn right after `label`: a menu row's value.
inline std::string valueAfter(const std::string& label)
{
    for (size_t i = 0; i + 1 < drawnTexts.size(); ++i)
        if (drawnTexts[i].text == label)
            return drawnTexts[i + 1].text;
    return "(no " + label + ")";
}
