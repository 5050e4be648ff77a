// The drawing routines as they stood before they were made faster, kept
// unchanged as the pass benchmark's baseline (see bench/baseline/CMakeLists.txt).

#include "display/text.h"

#include "display/font_data.h"
#include "display/framebuffer.h"

uint16_t textStartX;
uint16_t textEndX;
TextObserver textObserver;

namespace {

// Table header: u16 0, u16 first code, u16 last code, u8 unused, u8 cell
// height; then one 4-byte index entry per code, then the glyph bitmaps.
constexpr int firstCodeAt = 2;
constexpr int lastCodeAt = 4;
constexpr int cellHeightAt = 7;
constexpr int indexAt = 8;

const uint8_t* fontTable(uint8_t fontSize)
{
    switch (fontSize) {
    case 9: return font9Table;
    case 10: return font10Table;
    case 12: return font12Table;
    case 16: return font16Table;
    case 20: return font20Table;
    case 24: return font24Table;
    case 30: return font30Table;
    case 34: return font34Table;
    default: return font8Table;
    }
}

uint16_t readU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// Index entry of a character, or null when the font does not hold it: such
// a character is skipped and does not move the pen.
const uint8_t* glyphEntry(const uint8_t* font, uint8_t ch)
{
    if (ch < readU16(font + firstCodeAt) || ch > readU16(font + lastCodeAt))
        return nullptr;
    return font + indexAt + 4 * (ch - readU16(font + firstCodeAt));
}

uint8_t glyphWidth(const uint8_t* entry) { return entry[1]; }

const uint8_t* glyphBitmap(const uint8_t* font, const uint8_t* entry)
{
    return font + (entry[0] << 16 | entry[3] << 8 | entry[2]);
}

uint16_t textWidth(const uint8_t* font, const char* text)
{
    uint16_t total = 0;
    for (const char* p = text; *p; ++p)
        if (const uint8_t* entry = glyphEntry(font, static_cast<uint8_t>(*p)))
            total = static_cast<uint16_t>(total + glyphWidth(entry) + 1);
    return total;
}

uint16_t startX(int16_t x, uint16_t total, uint8_t align)
{
    const uint16_t ux = static_cast<uint16_t>(x);
    switch (align) {
    case 1: return ux;
    case 2: return static_cast<uint16_t>(ux - total);
    default: return static_cast<uint16_t>(ux - total / 2);
    }
}

// Every bit of every row byte is drawn, so the pen arithmetic wraps exactly
// as the 16-bit coordinates do and setPixel clips what falls off.
void drawGlyph(const uint8_t* font, const uint8_t* entry, uint16_t pen, int16_t y, uint8_t colour)
{
    const uint8_t height = font[cellHeightAt];
    const int rowBytes = (glyphWidth(entry) + 7) / 8;
    const uint8_t* bits = glyphBitmap(font, entry);
    for (int j = 0; j < height; ++j)
        for (int k = 0; k < rowBytes; ++k, ++bits)
            for (int b = 0; b < 8; ++b)
                if (*bits & (0x80 >> b))
                    setPixel(static_cast<int16_t>(pen + 8 * k + b), static_cast<int16_t>(y + j), colour);
}

} // namespace

uint16_t drawText(int16_t x, int16_t y, const char* text, uint8_t, uint8_t fontSize,
                  uint8_t align, uint8_t colour)
{
    const uint8_t* font = fontTable(fontSize);
    uint16_t pen = textStartX = startX(x, textWidth(font, text), align);
    for (const char* p = text; *p; ++p)
        if (const uint8_t* entry = glyphEntry(font, static_cast<uint8_t>(*p))) {
            drawGlyph(font, entry, pen, y, colour);
            pen = static_cast<uint16_t>(pen + glyphWidth(entry) + 1);
        }
    textEndX = pen;
    if (textObserver)
        textObserver(textStartX, y, fontSize, colour, text);
    return textEndX;
}
