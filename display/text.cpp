#include "display/text.h"

#include <cstring>

#include "display/framebuffer.h"
#include "display/glyphs.h"

uint16_t textStartX;
uint16_t textEndX;
TextObserver textObserver;

namespace {

uint16_t textWidth(const GlyphFont& font, const char* text)
{
    uint16_t total = 0;
    Glyph glyph{};
    for (const char* p = text; *p; ++p)
        if (findGlyph(font, static_cast<uint8_t>(*p), glyph))
            total = static_cast<uint16_t>(total + glyph.width + 1);
    return total;
}

uint16_t startX(int16_t x, uint16_t total, uint8_t align)
{
    const uint16_t ux = static_cast<uint16_t>(x);
    switch (align) {
    case alignLeft: return ux;
    case alignRight: return static_cast<uint16_t>(ux - total);
    default: return static_cast<uint16_t>(ux - total / 2);
    }
}

// For each glyph byte, the eight frame bytes it covers: 0xFF where a bit
// is set (the most significant bit is the leftmost pixel), else 0.
struct InkMasks {
    uint8_t bytes[256][8];
};

constexpr InkMasks makeInkMasks()
{
    InkMasks masks{};
    for (int bits = 0; bits < 256; ++bits)
        for (int b = 0; b < 8; ++b)
            masks.bytes[bits][b] = (bits & (0x80 >> b)) ? 0xFF : 0x00;
    return masks;
}

constexpr InkMasks inkMasks = makeInkMasks();

// One glyph byte whose eight columns all lie on the display: the eight
// frame bytes are merged in one 64-bit word, ink where the mask is set (a
// blank byte writes back what was there).
void inkWholeByte(uint8_t* frame, uint8_t bits, uint64_t ink)
{
    uint64_t pixels, mask;
    std::memcpy(&pixels, frame, sizeof pixels);
    std::memcpy(&mask, inkMasks.bytes[bits], sizeof mask);
    pixels = (pixels & ~mask) | (ink & mask);
    std::memcpy(frame, &pixels, sizeof pixels);
}

// One glyph byte at column x of a display row, clipped pixel by pixel; the
// columns wrap as the 16-bit coordinates do.
void inkClippedByte(uint8_t* row, uint16_t x, uint8_t bits, uint8_t colour)
{
    for (int b = 0; b < 8; ++b) {
        const uint16_t column = static_cast<uint16_t>(x + b);
        if ((bits & (0x80 >> b)) && column < displayWidth)
            row[column] = colour;
    }
}

// A glyph's rows that show: its ink rows, less those off the display (a
// row above the display wraps round far below it, as setPixel sees it).
struct ShownRows {
    int first, end;
};

ShownRows shownRows(const Glyph& glyph, int16_t y)
{
    const int firstOnDisplay = -y;
    const int endOnDisplay = displayHeight - y;
    return {glyph.firstInkRow > firstOnDisplay ? glyph.firstInkRow : firstOnDisplay,
            glyph.endInkRow < endOnDisplay ? glyph.endInkRow : endOnDisplay};
}

// One byte column of a glyph (bits stepping by rowBytes), its eight
// columns all on the display from frame: merged a row at a time.
void inkWholeColumn(uint8_t* frame, const uint8_t* bits, int rowBytes, int rows, uint64_t ink)
{
    for (int j = 0; j < rows; ++j, frame += displayWidth, bits += rowBytes)
        inkWholeByte(frame, *bits, ink);
}

// One byte column of a glyph at column x, at or past the display's edge.
void inkClippedColumn(uint8_t* frame, uint16_t x, const uint8_t* bits, int rowBytes, int rows,
                      uint8_t colour)
{
    for (int j = 0; j < rows; ++j, frame += displayWidth, bits += rowBytes)
        inkClippedByte(frame, x, *bits, colour);
}

// Where the time goes: text is about three quarters of a pass, nearly all
// of it in the glyph bitmaps (profile of the pass benchmark). So only the
// ink rows that show are visited, the clipping is decided once per byte
// column of a glyph, and a byte of the bitmap lands as one 64-bit merge
// instead of eight clipped pixel writes.
void drawGlyph(const Glyph& glyph, uint16_t pen, int16_t y, uint8_t colour)
{
    const ShownRows rows = shownRows(glyph, y);
    if (rows.first >= rows.end)
        return;
    const uint64_t ink = colour * UINT64_C(0x0101010101010101);
    const uint8_t* bits = glyph.bitmap + rows.first * glyph.rowBytes;
    uint8_t* frame = frameBuffer + displayWidth * (y + rows.first);
    for (int k = 0; k < glyph.rowBytes; ++k) {
        const uint16_t x = static_cast<uint16_t>(pen + 8 * k);
        if (x <= displayWidth - 8)
            inkWholeColumn(frame + x, bits + k, glyph.rowBytes, rows.end - rows.first, ink);
        else
            inkClippedColumn(frame, x, bits + k, glyph.rowBytes, rows.end - rows.first, colour);
    }
}

} // namespace

uint16_t drawText(int16_t x, int16_t y, const char* text, uint8_t, uint8_t fontSize,
                  uint8_t align, uint8_t colour)
{
    const GlyphFont& font = fontFor(fontSize);
    uint16_t pen = textStartX = startX(x, textWidth(font, text), align);
    Glyph glyph{};
    // A character the font does not hold is skipped and does not move the pen.
    for (const char* p = text; *p; ++p)
        if (findGlyph(font, static_cast<uint8_t>(*p), glyph)) {
            drawGlyph(glyph, pen, y, colour);
            pen = static_cast<uint16_t>(pen + glyph.width + 1);
        }
    textEndX = pen;
    if (textObserver)
        textObserver(textStartX, y, fontSize, colour, text);
    return textEndX;
}
