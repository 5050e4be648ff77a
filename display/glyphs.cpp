#include "display/glyphs.h"

#include "display/font_data.h"

namespace {

uint16_t readU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint8_t cellHeight(const uint8_t* table) { return table[7]; }

bool rowIsBlank(const Glyph& glyph, int row)
{
    for (int k = 0; k < glyph.rowBytes; ++k)
        if (glyph.bitmap[row * glyph.rowBytes + k] != 0)
            return false;
    return true;
}

InkRows findInkRows(const Glyph& glyph, uint8_t height)
{
    InkRows rows{0, height};
    while (rows.first < rows.end && rowIsBlank(glyph, rows.first))
        ++rows.first;
    while (rows.end > rows.first && rowIsBlank(glyph, rows.end - 1))
        --rows.end;
    return rows;
}

struct SizedFont {
    uint8_t size;
    const uint8_t* table;
};

// Font 8 first: it serves every size not listed.
constexpr SizedFont sizedFonts[] = {
    {8, font8Table},   {9, font9Table},   {10, font10Table}, {12, font12Table}, {16, font16Table},
    {20, font20Table}, {24, font24Table}, {30, font30Table}, {34, font34Table},
};
constexpr int fontCount = sizeof sizedFonts / sizeof sizedFonts[0];

// Each glyph's ink rows are found from the bitmaps on the font's first use:
// nearly half of a cell's rows are blank (above the capitals, below the
// descenders), and the renderer need not visit them.
InkRows inkRows[fontCount][256];
GlyphFont glyphFonts[fontCount];

const GlyphFont& prepareFont(int index)
{
    GlyphFont& font = glyphFonts[index];
    if (font.table == nullptr) {
        const uint8_t* table = sizedFonts[index].table;
        GlyphFont scanning{table, readU16(table + 2), readU16(table + 4), inkRows[index]};
        Glyph glyph{};
        for (int code = scanning.firstCode; code <= scanning.lastCode; ++code) {
            findGlyph(scanning, static_cast<uint8_t>(code), glyph);
            inkRows[index][code - scanning.firstCode] = findInkRows(glyph, cellHeight(table));
        }
        font = scanning;
    }
    return font;
}

} // namespace

const GlyphFont& fontFor(uint8_t fontSize)
{
    for (int i = 1; i < fontCount; ++i)
        if (sizedFonts[i].size == fontSize)
            return prepareFont(i);
    return prepareFont(0);
}
