// The glyphs of the display's nine fonts, as the text renderer reads them
// from the font tables: a header (u16 0, u16 first code, u16 last code, u8
// unused, u8 cell height), one 4-byte index entry per code, the bitmaps.
#pragma once
#include <cstdint>

struct Glyph {
    const uint8_t* bitmap; // cell-height rows of rowBytes bytes; the top bit is the leftmost pixel
    uint8_t width;         // pixels
    uint8_t rowBytes;
    uint8_t firstInkRow;   // the rows firstInkRow..endInkRow - 1 hold all of its ink
    uint8_t endInkRow;
};

// The rows of a glyph from its first to its last ink row (none when blank).
struct InkRows {
    uint8_t first, end;
};

struct GlyphFont {
    const uint8_t* table;
    uint16_t firstCode, lastCode;
    const InkRows* inkRows; // per code from firstCode
};

// The font that a fontSize selects: 9, 10, 12, 16, 20, 24, 30 and 34 their
// own, any other size font 8.
const GlyphFont& fontFor(uint8_t fontSize);

// The glyph of character ch, or false when the font does not hold it.
inline bool findGlyph(const GlyphFont& font, uint8_t ch, Glyph& glyph)
{
    if (ch < font.firstCode || ch > font.lastCode)
        return false;
    // Index entry: offset bits 16..23, width, offset bits 0..7, bits 8..15;
    // the offset counts from the table's first byte.
    const uint8_t* entry = font.table + 8 + 4 * (ch - font.firstCode);
    const InkRows ink = font.inkRows[ch - font.firstCode];
    glyph = {font.table + (entry[0] << 16 | entry[3] << 8 | entry[2]), entry[1],
             static_cast<uint8_t>((entry[1] + 7) / 8), ink.first, ink.end};
    return true;
}
