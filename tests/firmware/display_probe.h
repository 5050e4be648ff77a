// Looking at the frame buffer from the tests: single pixels, lit areas.
#pragma once
#include <set>
#include <utility>

#include "display/framebuffer.h"

using Points = std::set<std::pair<int, int>>;

inline uint8_t pixelAt(int x, int y) { return frameBuffer[x + displayWidth * y]; }

// Every pixel that is not black.
inline Points litPixels()
{
    Points lit;
    for (int y = 0; y < displayHeight; ++y)
        for (int x = 0; x < displayWidth; ++x)
            if (pixelAt(x, y) != 0)
                lit.insert({x, y});
    return lit;
}

// How many pixels of the rectangle x0..x1, y0..y1 are not black.
inline int litIn(int x0, int y0, int x1, int y1)
{
    int lit = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            lit += pixelAt(x, y) != 0;
    return lit;
}
