// The drawing routines as they stood before they were made faster, kept
// unchanged as the pass benchmark's baseline (see bench/baseline/CMakeLists.txt).

#include "display/framebuffer.h"

#include <cstring>

FrameBuffer frameBuffer;

void clearFrameBuffer() { std::memset(frameBuffer, 0, sizeof frameBuffer); }

// Negative coordinates become large unsigned values and fall off the display.
void setPixel(int16_t x, int16_t y, uint8_t colour)
{
    const uint16_t ux = static_cast<uint16_t>(x);
    const uint16_t uy = static_cast<uint16_t>(y);
    if (ux < displayWidth && uy < displayHeight)
        frameBuffer[ux + displayWidth * uy] = colour;
}

namespace {

using Plot = void (*)(int16_t x, int16_t y, uint8_t colour);

void plotThick(int16_t x, int16_t y, uint8_t colour)
{
    setPixel(x, y, colour);
    setPixel(x - 1, y, colour);
    setPixel(x + 1, y, colour);
    setPixel(x, y - 1, colour);
    setPixel(x, y + 1, colour);
}

// Integer Bresenham, one plot per step along the major axis, both ends
// included. The ends are taken as signed, so a line that starts left of or
// above the display enters it where it should instead of wrapping round.
void bresenham(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour, Plot plot)
{
    const int32_t ux0 = x0, uy0 = y0, ux1 = x1, uy1 = y1;
    const int32_t dx = ux1 > ux0 ? ux1 - ux0 : ux0 - ux1;
    const int32_t dy = uy1 > uy0 ? uy1 - uy0 : uy0 - uy1;
    const int32_t sx = ux0 > ux1 ? -1 : 1;
    const int32_t sy = uy0 > uy1 ? -1 : 1;
    int32_t x = ux0, y = uy0;
    if (dx >= dy) {
        int32_t e = 2 * dy - dx;
        for (int32_t i = 0; i <= dx; ++i) {
            plot(static_cast<int16_t>(x), static_cast<int16_t>(y), colour);
            if (e > 0) { y += sy; e += 2 * dy - 2 * dx; } else { e += 2 * dy; }
            x += sx;
        }
    } else {
        int32_t e = 2 * dx - dy;
        for (int32_t i = 0; i <= dy; ++i) {
            plot(static_cast<int16_t>(x), static_cast<int16_t>(y), colour);
            if (e > 0) { x += sx; e += 2 * dx - 2 * dy; } else { e += 2 * dx; }
            y += sy;
        }
    }
}

} // namespace

void drawLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour)
{
    bresenham(x0, y0, x1, y1, colour, setPixel);
}

void drawThickLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour)
{
    bresenham(x0, y0, x1, y1, colour, plotThick);
}

// The bounds compare as unsigned 16-bit values. The counter is wider than
// 16 bits so that an end of 65535 still terminates.
void drawHLine(int16_t x0, int16_t x1, int16_t y, uint8_t colour)
{
    for (uint32_t x = static_cast<uint16_t>(x0); x <= static_cast<uint16_t>(x1); ++x)
        setPixel(static_cast<int16_t>(x), y, colour);
}

void drawVLine(int16_t y0, int16_t y1, int16_t x, uint8_t colour)
{
    for (uint32_t y = static_cast<uint16_t>(y0); y <= static_cast<uint16_t>(y1); ++y)
        setPixel(x, static_cast<int16_t>(y), colour);
}

void drawRect(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour)
{
    if (y0 == y1)
        return;
    drawVLine(y0, y1, x0, colour);
    drawHLine(x0, x1, y0, colour);
    drawVLine(y0, y1, x1, colour);
    drawHLine(x0, x1, y1, colour);
}

void fillRect(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour)
{
    if (y0 == y1)
        return;
    for (uint32_t y = static_cast<uint16_t>(y0); y <= static_cast<uint16_t>(y1); ++y)
        drawHLine(x0, x1, static_cast<int16_t>(y), colour);
}

// Rows top to bottom; a control byte with bit 7 set is a run of one index,
// otherwise a literal of that many indices. Index 0 is drawn too: icons are opaque.
void drawRleBitmap(int16_t x, int16_t y, RleImage image)
{
    const uint16_t width = static_cast<uint16_t>(image[0] | image[1] << 8);
    const uint16_t height = static_cast<uint16_t>(image[2] | image[3] << 8);
    const uint8_t* p = image + 4;
    for (uint16_t r = 0; r < height; ++r) {
        const int16_t py = static_cast<int16_t>(y + r);
        uint16_t j = 0;
        while (j < width) {
            const uint8_t n = *p++;
            if (n & 0x80) {
                const uint8_t colour = *p++;
                for (int i = 0; i < (n & 0x7F); ++i, ++j)
                    setPixel(static_cast<int16_t>(x + j), py, colour);
            } else {
                for (int i = 0; i < n; ++i, ++j)
                    setPixel(static_cast<int16_t>(x + j), py, *p++);
            }
        }
    }
}
