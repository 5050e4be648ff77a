// Main-loop passes and key presses as the pilot makes them, with the texts
// each pass drew.
#pragma once
#include <string>

#include "core/keys_and_time.h"
#include "drawn_texts.h"
#include "sim/power_cycle.h"

// One main-loop pass, recording what it drew.
inline void runPass(bool vrax = false)
{
    recordTexts();
    firmwarePass(vrax);
}

// A key consumed in one pass, then a pass that shows its effect.
inline void pressKey(uint8_t key, bool vrax = false)
{
    postKey(key);
    firmwarePass(vrax);
    runPass(vrax);
}

// The text drawn right after `label`: a menu row's value, a title's subtitle.
inline std::string valueAfter(const std::string& label)
{
    for (size_t i = 0; i + 1 < drawnTexts.size(); ++i)
        if (drawnTexts[i].text == label)
            return drawnTexts[i + 1].text;
    return "(no " + label + ")";
}

// x of the middle of a drawn text.
inline int middleOf(const RecordedText& drawn)
{
    return drawn.x + textWidth(drawn.text.c_str(), static_cast<uint8_t>(drawn.font)) / 2;
}
