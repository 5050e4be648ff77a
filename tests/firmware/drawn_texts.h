// What the screens wrote through drawText in the last call, as a pilot would
// read it: text, start x, row, font and colour.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "display/text.h"

struct RecordedText {
    int x;
    int y;
    int font;
    int colour;
    std::string text;
};

inline std::vector<RecordedText> drawnTexts;

inline void recordDrawnText(uint16_t startX, int16_t y, uint8_t font, uint8_t colour, const char* text)
{
    drawnTexts.push_back({startX, y, font, colour, text != nullptr ? text : ""});
}

// Records from now on; call after resetToProgramStart, which unhooks the observer.
inline void recordTexts()
{
    drawnTexts.clear();
    textObserver = recordDrawnText;
}

// The last drawing of the text (a blinking or boxed value is drawn twice); null when not drawn.
inline const RecordedText* findText(const std::string& text)
{
    for (auto it = drawnTexts.rbegin(); it != drawnTexts.rend(); ++it)
        if (it->text == text)
            return &*it;
    return nullptr;
}

inline bool wasDrawn(const std::string& text) { return findText(text) != nullptr; }

// Width of a text in a font, measured off screen.
inline int textWidth(const char* text, uint8_t font)
{
    TextObserver observer = textObserver;
    textObserver = nullptr;
    uint16_t end = drawText(0, -200, text, 0, font, 1, 0);
    textObserver = observer;
    return end - textStartX;
}
