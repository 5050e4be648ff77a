// What a page wrote and where: every drawText call recorded through the
// display's text observer, with the pen position after it.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "display/framebuffer.h"
#include "display/text.h"

struct PageText {
    uint16_t startX;
    uint16_t endX;
    int16_t y;
    uint8_t fontSize;
    uint8_t colour;
    std::string text;
};

inline std::vector<PageText> pageTexts;

inline void recordPageText(uint16_t startX, int16_t y, uint8_t fontSize, uint8_t colour, const char* text)
{
    pageTexts.push_back({startX, textEndX, y, fontSize, colour, text});
}

// Clears the display and the record, and records from now on.
inline void startRecording()
{
    clearFrameBuffer();
    pageTexts.clear();
    textObserver = recordPageText;
}

// The texts drawn as `text`, in drawing order.
inline std::vector<PageText> drawn(const std::string& text)
{
    std::vector<PageText> found;
    for (const PageText& d : pageTexts)
        if (d.text == text)
            found.push_back(d);
    return found;
}

inline std::vector<std::string> drawnWords()
{
    std::vector<std::string> words;
    for (const PageText& d : pageTexts)
        words.push_back(d.text);
    return words;
}

// Placement checks: left-aligned texts start at x, right-aligned ones end at
// x, centred ones have x in their middle (to the pixel).
enum class Aligned { left, centre, right };

inline void expectText(const PageText& d, Aligned aligned, int x, int y, int fontSize, int colour)
{
    const int twiceAnchor = aligned == Aligned::left    ? 2 * d.startX
                            : aligned == Aligned::right ? 2 * d.endX
                                                        : d.startX + d.endX;
    EXPECT_LE(std::abs(twiceAnchor - 2 * x), aligned == Aligned::centre ? 1 : 0) << d.text;
    EXPECT_EQ(d.y, y) << d.text;
    EXPECT_EQ(d.fontSize, fontSize) << d.text;
    EXPECT_EQ(d.colour, colour) << d.text;
}

inline void expectLeftAt(const PageText& d, int x, int y, int fontSize, int colour)
{
    expectText(d, Aligned::left, x, y, fontSize, colour);
}

inline void expectRightAt(const PageText& d, int x, int y, int fontSize, int colour)
{
    expectText(d, Aligned::right, x, y, fontSize, colour);
}

inline void expectCentredAt(const PageText& d, int x, int y, int fontSize, int colour)
{
    expectText(d, Aligned::centre, x, y, fontSize, colour);
}
