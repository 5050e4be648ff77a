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

// Columns x0..x1 of row y, clipped to the display as setPixel clips each
// pixel, written as one run of bytes. The bounds are taken unsigned, so an
// end of 65535 is simply cut at the display's edge.
void fillRow(uint16_t x0, uint16_t x1, uint16_t y, uint8_t colour)
{
    if (y >= displayHeight || x0 >= displayWidth || x0 > x1)
        return;
    const uint16_t last = x1 < displayWidth ? x1 : displayWidth - 1;
    std::memset(frameBuffer + displayWidth * y + x0, colour, last - x0 + 1u);
}

// count pixels of one colour from column x of row y rightwards. Columns
// past 65535 wrap round to 0, as the 16-bit coordinates do; a run that wraps
// starts far right of the display, so only its wrapped part can show.
void fillRun(uint16_t x, uint16_t y, uint16_t count, uint8_t colour)
{
    if (count == 0)
        return;
    const uint32_t end = x + count - 1u;
    if (end > UINT16_MAX)
        fillRow(0, static_cast<uint16_t>(end - UINT16_MAX - 1), y, colour);
    else
        fillRow(x, static_cast<uint16_t>(end), y, colour);
}

// count pixels copied from pixels to column x of row y rightwards, each
// clipped as setPixel clips it; columns wrap as the 16-bit coordinates do.
void copyRun(uint16_t x, uint16_t y, const uint8_t* pixels, uint16_t count)
{
    if (y >= displayHeight)
        return;
    uint8_t* row = frameBuffer + displayWidth * y;
    if (x + count <= displayWidth) {
        std::memcpy(row + x, pixels, count);
        return;
    }
    for (uint16_t i = 0; i < count; ++i) {
        const uint16_t column = static_cast<uint16_t>(x + i);
        if (column < displayWidth)
            row[column] = pixels[i];
    }
}

// The last row a range ending at y1 can reach on the display.
uint16_t lastVisibleRow(uint16_t y1) { return y1 < displayHeight ? y1 : displayHeight - 1; }

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

void drawHLine(int16_t x0, int16_t x1, int16_t y, uint8_t colour)
{
    fillRow(static_cast<uint16_t>(x0), static_cast<uint16_t>(x1), static_cast<uint16_t>(y), colour);
}

void drawVLine(int16_t y0, int16_t y1, int16_t x, uint8_t colour)
{
    const uint16_t ux = static_cast<uint16_t>(x);
    if (ux >= displayWidth)
        return;
    const uint16_t last = lastVisibleRow(static_cast<uint16_t>(y1));
    for (uint32_t y = static_cast<uint16_t>(y0); y <= last; ++y)
        frameBuffer[ux + displayWidth * y] = colour;
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
    const uint16_t last = lastVisibleRow(static_cast<uint16_t>(y1));
    for (uint32_t y = static_cast<uint16_t>(y0); y <= last; ++y)
        fillRow(static_cast<uint16_t>(x0), static_cast<uint16_t>(x1), static_cast<uint16_t>(y), colour);
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
                const uint8_t count = n & 0x7F;
                fillRun(static_cast<uint16_t>(x + j), static_cast<uint16_t>(py), count, *p++);
                j = static_cast<uint16_t>(j + count);
            } else {
                copyRun(static_cast<uint16_t>(x + j), static_cast<uint16_t>(py), p, n);
                p += n;
                j = static_cast<uint16_t>(j + n);
            }
        }
    }
}
