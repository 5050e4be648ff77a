// Looking at a run-time page's texts: all drawings of a text in order (a
// boxed value is drawn twice), and where each one starts and ends.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/framebuffer.h"
#include "tests/firmware/drawn_texts.h"

// Clears the display and the record, and records from now on.
inline void startRecording()
{
    clearFrameBuffer();
    recordTexts();
}

// The drawings of `text`, in drawing order.
inline std::vector<RecordedText> drawn(const std::string& text)
{
    std::vector<RecordedText> found;
    for (const RecordedText& d : drawnTexts)
        if (d.text == text)
            found.push_back(d);
    return found;
}

inline std::vector<std::string> drawnWords()
{
    std::vector<std::string> words;
    for (const RecordedText& d : drawnTexts)
        words.push_back(d.text);
    return words;
}

// The pen x after the text: its right edge as boxes use it.
inline int endOf(const RecordedText& d) { return d.x + textWidth(d.text.c_str(), static_cast<uint8_t>(d.font)); }

// Placement checks: left-aligned texts start at x, right-aligned ones end at
// x, centred ones start half their width left of x.
enum class Aligned { left, centre, right };

inline void expectText(const RecordedText& d, Aligned aligned, int x, int y, int fontSize, int colour)
{
    const int width = endOf(d) - d.x;
    const int start = aligned == Aligned::left ? x : aligned == Aligned::right ? x - width : x - width / 2;
    EXPECT_EQ(d.x, start) << d.text;
    EXPECT_EQ(d.y, y) << d.text;
    EXPECT_EQ(d.font, fontSize) << d.text;
    EXPECT_EQ(d.colour, colour) << d.text;
}

inline void expectLeftAt(const RecordedText& d, int x, int y, int fontSize, int colour)
{
    expectText(d, Aligned::left, x, y, fontSize, colour);
}

inline void expectRightAt(const RecordedText& d, int x, int y, int fontSize, int colour)
{
    expectText(d, Aligned::right, x, y, fontSize, colour);
}

inline void expectCentredAt(const RecordedText& d, int x, int y, int fontSize, int colour)
{
    expectText(d, Aligned::centre, x, y, fontSize, colour);
}
