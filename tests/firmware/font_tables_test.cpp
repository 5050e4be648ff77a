// The nine font tables: well formed, and holding the metrics that the
// screens' layouts are built on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

#include "display/font_data.h"

namespace {

struct FontMetrics {
    uint8_t fontSize;
    const uint8_t* table;
    size_t tableSize;
    int firstCode, lastCode;
    int cellHeight;
    int minWidth, maxWidth;
    int digitMin, digitMax;
    int spaceWidth;
    int zeroTop, zeroBottom;
    size_t inventoryBytes;
    int headerByte6;
    int lastDrawnCode; // screens draw 0x20 up to here: printable ASCII, or space to the digits
};

#define FONT(n) n, font##n##Table, sizeof font##n##Table
const FontMetrics inventory[] = {
    {FONT(8), 0x00, 0xFF, 16, 3, 14, 7, 8, 4, 3, 12, 6712, 0, 0x7E},
    {FONT(9), 0x20, 0x7F, 19, 4, 16, 9, 9, 4, 3, 14, 3527, 62, 0x7E},
    {FONT(10), 0x00, 0xFF, 21, 4, 21, 11, 11, 5, 4, 17, 10776, 0, 0x7E},
    {FONT(12), 0x20, 0x7F, 24, 5, 21, 12, 12, 6, 4, 18, 4496, 67, 0x7E},
    {FONT(16), 0x20, 0x7F, 33, 7, 27, 16, 16, 8, 6, 25, 7817, 64, 0x7E},
    {FONT(20), 0x20, 0x39, 41, 8, 31, 19, 19, 10, 7, 31, 2941, 115, 0x39},
    {FONT(24), 0x20, 0x39, 51, 10, 39, 24, 24, 12, 9, 39, 3835, 127, 0x39},
    {FONT(30), 0x20, 0x39, 62, 13, 47, 29, 29, 15, 11, 48, 5816, 96, 0x39},
    {FONT(34), 0x20, 0x39, 70, 14, 51, 33, 33, 17, 13, 56, 7882, 96, 0x39},
};
#undef FONT

// A glyph read straight from the table bytes.
struct Glyph {
    int width;
    int rowBytes;
    uint32_t offset;
};

int u16(const uint8_t* p) { return p[0] | p[1] << 8; }

Glyph glyph(const FontMetrics& f, int code)
{
    const uint8_t* e = f.table + 8 + 4 * (code - f.firstCode);
    return {e[1], (e[1] + 7) / 8, static_cast<uint32_t>(e[0] << 16 | e[3] << 8 | e[2])};
}

bool ink(const FontMetrics& f, int code, int row, int column)
{
    const Glyph g = glyph(f, code);
    return (f.table[g.offset + row * g.rowBytes + column / 8] >> (7 - column % 8) & 1) != 0;
}

bool rowHasInk(const FontMetrics& f, int code, int row)
{
    for (int c = 0; c < glyph(f, code).width; ++c)
        if (ink(f, code, row, c))
            return true;
    return false;
}

int firstInkRow(const FontMetrics& f, int code)
{
    for (int r = 0; r < f.cellHeight; ++r)
        if (rowHasInk(f, code, r))
            return r;
    return -1;
}

int lastInkRow(const FontMetrics& f, int code)
{
    for (int r = f.cellHeight - 1; r >= 0; --r)
        if (rowHasInk(f, code, r))
            return r;
    return -1;
}

void PrintTo(const FontMetrics& f, std::ostream* os) { *os << "font " << int{f.fontSize}; }

bool holds(const FontMetrics& f, int code) { return code >= f.firstCode && code <= f.lastCode; }

class FontTables : public ::testing::TestWithParam<FontMetrics> {};

// The header names the codes and cell height; bitmaps follow the index and
// each other without gaps up to the table's end, and no bit beyond a glyph's
// width is set (the renderer draws those).
TEST_P(FontTables, TableIsWellFormed)
{
    const FontMetrics& f = GetParam();
    EXPECT_EQ(u16(f.table), 0);
    EXPECT_EQ(u16(f.table + 2), f.firstCode);
    EXPECT_EQ(u16(f.table + 4), f.lastCode);
    EXPECT_EQ(f.table[6], f.headerByte6);
    EXPECT_EQ(f.table[7], f.cellHeight);
    uint32_t expected = 8 + 4 * (f.lastCode - f.firstCode + 1);
    ASSERT_GE(f.tableSize, expected);
    for (int code = f.firstCode; code <= f.lastCode; ++code) {
        const Glyph g = glyph(f, code);
        ASSERT_EQ(g.offset, expected) << "code " << code;
        for (int r = 0; r < f.cellHeight; ++r)
            for (int c = g.width; c < 8 * g.rowBytes; ++c)
                EXPECT_FALSE(ink(f, code, r, c)) << "code " << code << " row " << r;
        expected += f.cellHeight * g.rowBytes;
    }
    EXPECT_EQ(expected, f.tableSize);
}

// The widths span the font's whole range, and both ends are reached by
// glyphs the screens draw, so that texts take the room they take on the
// instrument. Digits have their widths, all ten alike but in font 8.
TEST_P(FontTables, WidthsSpanTheFontsRangeAtGlyphsTheScreensDraw)
{
    const FontMetrics& f = GetParam();
    int narrowest = 255, widest = 0, narrowestDrawn = 255, widestDrawn = 0;
    for (int code = f.firstCode; code <= f.lastCode; ++code) {
        const int width = glyph(f, code).width;
        narrowest = std::min(narrowest, width);
        widest = std::max(widest, width);
        if (code >= 0x20 && code <= f.lastDrawnCode) {
            narrowestDrawn = std::min(narrowestDrawn, width);
            widestDrawn = std::max(widestDrawn, width);
        }
    }
    EXPECT_EQ(narrowest, f.minWidth);
    EXPECT_EQ(widest, f.maxWidth);
    EXPECT_EQ(narrowestDrawn, f.minWidth);
    EXPECT_EQ(widestDrawn, f.maxWidth);
    int narrowestDigit = 255, widestDigit = 0;
    for (int code = '0'; code <= '9'; ++code) {
        narrowestDigit = std::min(narrowestDigit, int{glyph(f, code).width});
        widestDigit = std::max(widestDigit, int{glyph(f, code).width});
    }
    EXPECT_EQ(narrowestDigit, f.digitMin);
    EXPECT_EQ(widestDigit, f.digitMax);
    EXPECT_EQ(glyph(f, ' ').width, f.spaceWidth);
}

// Each table within 3 % of the size the instrument's own table has.
TEST_P(FontTables, TableHoldsAboutAsManyBytesAsTheInventorys)
{
    const FontMetrics& f = GetParam();
    EXPECT_NEAR(static_cast<double>(f.tableSize), static_cast<double>(f.inventoryBytes), 0.03 * f.inventoryBytes);
}

TEST_P(FontTables, ZeroSitsOnItsRowsAndDigitsAndCapsShareOneBaseline)
{
    const FontMetrics& f = GetParam();
    EXPECT_EQ(firstInkRow(f, '0'), f.zeroTop);
    EXPECT_EQ(lastInkRow(f, '0'), f.zeroBottom);
    const int baseline = lastInkRow(f, '1');
    EXPECT_GE(baseline, f.zeroBottom - 1);
    for (const char c : std::string("1247EFHILTZ")) {
        if (holds(f, c)) {
            EXPECT_EQ(lastInkRow(f, c), baseline) << "'" << c << "'";
        }
    }
    for (const char c : std::string("0123456789EFHILTZ")) {
        if (holds(f, c)) {
            EXPECT_NEAR(firstInkRow(f, c), f.zeroTop, 1) << "'" << c << "'";
        }
    }
}

// Space and the control codes are blank; every printable character shows ink.
TEST_P(FontTables, PrintableCharactersHaveInkAndControlCodesAreBlank)
{
    const FontMetrics& f = GetParam();
    for (int code = f.firstCode; code <= f.lastCode; ++code) {
        const bool printable = (code > 0x20 && code < 0x7F) || code > 0xA0;
        EXPECT_EQ(firstInkRow(f, code) >= 0, printable) << "code " << code;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFont, FontTables, ::testing::ValuesIn(inventory),
                         [](const auto& info) { return "Font" + std::to_string(info.param.fontSize); });

TEST(FontTables, SmallFontCapitalsAHaveTheLayoutsWidths)
{
    const FontMetrics& f = inventory[0];
    EXPECT_EQ(glyph(f, 'A').width, 9);
    EXPECT_EQ(firstInkRow(f, 'A'), 3);
    EXPECT_EQ(lastInkRow(f, 'A'), 12);
    EXPECT_EQ(glyph(f, 'B').width, 10);
}

} // namespace
