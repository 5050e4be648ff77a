// Font generator: rasterises the outline faces named in font_settings.h with
// FreeType's hinted monochrome renderer and writes the display's nine font
// tables as constant data (display/font_data.cpp and display/font_data.h).
//
// Usage: qs9_fontgen <output directory>   (normally the source tree's display/)
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "font_settings.h"

namespace {

// One glyph as the table stores it: width and cell-height rows of bits.
struct Glyph {
    int code = 0;
    int width = 0;
    std::vector<std::vector<bool>> rows; // [row][column], columns == width
};

struct Ink {
    int left = 0, top = 0;          // placement of bits[0][0] in the pen's frame
    std::vector<std::vector<bool>> bits; // trimmed to the ink's columns
    int advance = 0;                // hinted advance in pixels
    int width() const { return bits.empty() ? 0 : static_cast<int>(bits[0].size()); }
};

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "qs9_fontgen: %s\n", what.c_str());
    std::exit(1);
}

void setPixelSize(FT_Face face, int ppemY, int condensePercent)
{
    const int ppemX = (ppemY * condensePercent + 50) / 100;
    if (FT_Set_Pixel_Sizes(face, ppemX, ppemY) != 0)
        fail("cannot set pixel size " + std::to_string(ppemY));
}

// Hinted monochrome bitmap of one character, trimmed to its ink.
Ink rasterise(FT_Face face, int code)
{
    if (FT_Load_Char(face, code, FT_LOAD_TARGET_MONO) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0)
        fail("cannot render code " + std::to_string(code));
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    Ink ink;
    ink.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    ink.top = slot->bitmap_top;
    int first = static_cast<int>(bm.width), last = -1;
    auto bit = [&](unsigned r, unsigned c) {
        return (bm.buffer[r * bm.pitch + c / 8] >> (7 - c % 8) & 1) != 0;
    };
    for (unsigned r = 0; r < bm.rows; ++r)
        for (unsigned c = 0; c < bm.width; ++c)
            if (bit(r, c)) {
                first = std::min(first, static_cast<int>(c));
                last = std::max(last, static_cast<int>(c));
            }
    if (last < 0)
        return ink;
    ink.left = slot->bitmap_left + first;
    for (unsigned r = 0; r < bm.rows; ++r) {
        std::vector<bool> row;
        for (int c = first; c <= last; ++c)
            row.push_back(bit(r, static_cast<unsigned>(c)));
        ink.bits.push_back(row);
    }
    auto blank = [](const std::vector<bool>& row) {
        return std::find(row.begin(), row.end(), true) == row.end();
    };
    while (blank(ink.bits.back()))
        ink.bits.pop_back();
    while (blank(ink.bits.front())) {
        ink.bits.erase(ink.bits.begin());
        --ink.top;
    }
    return ink;
}

// Sets the font's pixel size and checks that "0" then has exactly the ink
// rows the layouts expect.
void setFontSize(FT_Face face, const FontSettings& s)
{
    setPixelSize(face, s.pixelSize, s.condensePercent);
    const int rows = static_cast<int>(rasterise(face, '0').bits.size());
    if (rows != s.zeroBottom - s.zeroTop + 1)
        fail("font " + std::to_string(s.fontSize) + ": \"0\" has " + std::to_string(rows) +
             " rows at " + std::to_string(s.pixelSize) + " px");
}

bool isBlank(int code) { return code < 0x21 || (code >= 0x7F && code <= 0xA0); }

bool isDigit(int code) { return code >= '0' && code <= '9'; }

int wideWidth(const FontSettings& s, int code)
{
    for (const WideGlyphs& w : wideGlyphs)
        if (w.fontSize == s.fontSize && code >= w.firstCode && code <= w.lastCode)
            return w.width;
    return 0;
}

// The width set in the settings, by hand or for a wide glyph; 0 for none.
int setWidth(const FontSettings& s, int code)
{
    for (const WidthOverride& o : widthOverrides)
        if (o.fontSize == s.fontSize && o.code == code)
            return o.width;
    return wideWidth(s, code);
}

// A wide glyph's ink: the character rasterised at the least horizontal size
// (in 1/16 pixel steps) whose advance, less the renderer's blank column,
// fills the width. The font's own size is set again afterwards.
Ink rasteriseWide(FT_Face face, const FontSettings& s, int code, int width)
{
    const FT_F26Dot6 height = FT_F26Dot6{s.pixelSize} * 64;
    const FT_F26Dot6 base = height * s.condensePercent / 100;
    Ink ink;
    for (FT_F26Dot6 across = base; across <= 3 * base; across += 4) {
        if (FT_Set_Char_Size(face, across, height, 72, 72) != 0)
            fail("cannot set a wide size for code " + std::to_string(code));
        ink = rasterise(face, code);
        if (ink.advance - 1 + s.tracking >= width)
            break;
    }
    setPixelSize(face, s.pixelSize, s.condensePercent);
    return ink;
}

// A descender that reaches below the cell is shortened by dropping rows
// just under its first row, so its foot stays in the cell; a mark wholly
// below the baseline (the underscore) is raised instead.
void fitDescender(Ink& ink, int baselineRow, int cellHeight)
{
    const int firstRow = baselineRow - ink.top;
    const int overflow = firstRow + static_cast<int>(ink.bits.size()) - cellHeight;
    const int drop = baselineRow + 1 - firstRow;
    if (overflow <= 0)
        return;
    if (drop <= 0)
        ink.top += overflow;
    else if (drop + overflow < static_cast<int>(ink.bits.size()))
        ink.bits.erase(ink.bits.begin() + drop, ink.bits.begin() + drop + overflow);
}

// The glyph's width: its advance less the blank column the renderer adds,
// held to the font's ranges; the ink is then centred when the width had to
// change, or kept at its side bearing.
Glyph placeGlyph(const FontSettings& s, int code, Ink ink, int baselineRow)
{
    fitDescender(ink, baselineRow, s.cellHeight);
    Glyph g;
    g.code = code;
    const int natural = std::max(ink.advance - 1 + s.tracking, std::max(0, ink.left) + ink.width());
    int width = setWidth(s, code);
    if (width == 0)
        width = isDigit(code) ? std::clamp(natural, int{s.digitMin}, int{s.digitMax})
                              : std::clamp(natural, int{s.minWidth}, int{s.maxWidth});
    if (ink.width() > width)
        std::fprintf(stderr, "font %d code 0x%02X: ink %d wider than %d, cropped\n",
                     s.fontSize, code, ink.width(), width);
    int left = std::clamp(ink.left, 0, std::max(0, width - ink.width()));
    if (isDigit(code) || width != natural)
        left = std::max(0, (width + 1 - ink.width()) / 2);
    g.width = width;
    g.rows.assign(s.cellHeight, std::vector<bool>(width, false));
    for (int r = 0; r < static_cast<int>(ink.bits.size()); ++r) {
        const int row = baselineRow - ink.top + r;
        if (row < 0 || row >= s.cellHeight) {
            std::fprintf(stderr, "font %d code 0x%02X: row %d outside the cell, clipped\n",
                         s.fontSize, code, row);
            continue;
        }
        for (int c = 0; c < ink.width() && left + c < width; ++c)
            g.rows[row][left + c] = ink.bits[r][c];
    }
    return g;
}

Glyph blankGlyph(const FontSettings& s, int code)
{
    Glyph g;
    g.code = code;
    g.width = wideWidth(s, code) != 0 ? wideWidth(s, code) : s.spaceWidth;
    g.rows.assign(s.cellHeight, std::vector<bool>(g.width, false));
    return g;
}

std::vector<Glyph> buildFont(FT_Library library, const FontSettings& s)
{
    FT_Face face;
    const std::string path = std::string(faceDirectory) + s.face;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0)
        fail("cannot open " + path);
    setFontSize(face, s);
    const Ink zero = rasterise(face, '0');
    const int baselineRow = s.zeroTop + zero.top;
    std::vector<Glyph> glyphs;
    for (int code = s.firstCode; code <= s.lastCode; ++code) {
        const int wide = wideWidth(s, code);
        if (isBlank(code))
            glyphs.push_back(blankGlyph(s, code));
        else
            glyphs.push_back(placeGlyph(s, code, wide != 0 ? rasteriseWide(face, s, code, wide) : rasterise(face, code),
                                        baselineRow));
    }
    FT_Done_Face(face);
    return glyphs;
}

// The table layout: header, 4-byte index entries, then the bitmaps.
std::vector<uint8_t> tableBytes(const FontSettings& s, const std::vector<Glyph>& glyphs)
{
    std::vector<uint8_t> t = {0, 0,
                              static_cast<uint8_t>(s.firstCode), static_cast<uint8_t>(s.firstCode >> 8),
                              static_cast<uint8_t>(s.lastCode), static_cast<uint8_t>(s.lastCode >> 8),
                              s.headerByte6, s.cellHeight};
    uint32_t offset = 8 + 4 * static_cast<uint32_t>(glyphs.size());
    for (const Glyph& g : glyphs) {
        t.push_back(static_cast<uint8_t>(offset >> 16));
        t.push_back(static_cast<uint8_t>(g.width));
        t.push_back(static_cast<uint8_t>(offset));
        t.push_back(static_cast<uint8_t>(offset >> 8));
        offset += s.cellHeight * ((g.width + 7) / 8);
    }
    for (const Glyph& g : glyphs)
        for (const auto& row : g.rows)
            for (int k = 0; k < (g.width + 7) / 8; ++k) {
                uint8_t byte = 0;
                for (int b = 0; b < 8 && 8 * k + b < g.width; ++b)
                    byte |= static_cast<uint8_t>(row[8 * k + b] << (7 - b));
                t.push_back(byte);
            }
    return t;
}

std::string glyphName(int code)
{
    if (code > 0x20 && code < 0x7F && code != '\\')
        return std::string("'") + static_cast<char>(code) + "'";
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", code);
    return buf;
}

// The glyph's picture as a comment line per row keeps the tables reviewable.
void writeGlyphPicture(FILE* out, const Glyph& g)
{
    for (const auto& row : g.rows) {
        std::string line;
        for (bool ink : row)
            line += ink ? '#' : '.';
        std::fprintf(out, "    // %s\n", line.c_str());
    }
}

void writeBytes(FILE* out, const std::vector<uint8_t>& t, size_t from, size_t to)
{
    for (size_t i = from; i < to; i += 16) {
        std::fprintf(out, "   ");
        for (size_t j = i; j < std::min(to, i + 16); ++j)
            std::fprintf(out, " 0x%02X,", t[j]);
        std::fprintf(out, "\n");
    }
}

void writeTable(FILE* out, const FontSettings& s, const std::vector<Glyph>& glyphs,
                const std::vector<uint8_t>& t)
{
    std::fprintf(out, "\nconst uint8_t font%dTable[%zu] = {\n", s.fontSize, t.size());
    std::fprintf(out, "    // header: codes 0x%02X..0x%02X, cell height %d\n", s.firstCode,
                 s.lastCode, s.cellHeight);
    writeBytes(out, t, 0, 8);
    std::fprintf(out, "    // index: offset bits 16..23, width, offset bits 0..7, bits 8..15\n");
    const size_t bitmapStart = 8 + 4 * glyphs.size();
    writeBytes(out, t, 8, bitmapStart);
    size_t at = bitmapStart;
    for (const Glyph& g : glyphs) {
        const size_t size = s.cellHeight * ((g.width + 7) / 8);
        std::fprintf(out, "    // %s, width %d\n", glyphName(g.code).c_str(), g.width);
        if (g.code > 0x20 && !isBlank(g.code) && s.fontSize <= 12)
            writeGlyphPicture(out, g);
        writeBytes(out, t, at, at + size);
        at += size;
    }
    std::fprintf(out, "};\n");
}

// The note at the top of both generated files, naming the faces used.
std::string banner()
{
    std::string faces;
    for (const FontSettings& s : fontSettings)
        if (faces.find(s.face) == std::string::npos)
            faces += std::string(faces.empty() ? "" : ", ") + s.face;
    return "// Generated by tools/fonts/qs9_fontgen from " + faces + "\n"
           "// (fonts-dejavu-core) with the settings in tools/fonts/font_settings.h.\n"
           "// Do not edit: regenerate with tools/fonts/regenerate.sh.\n";
}

FILE* openOutput(const std::string& path)
{
    FILE* out = std::fopen(path.c_str(), "w");
    if (!out)
        fail("cannot write " + path);
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        fail("usage: qs9_fontgen <output directory>");
    const std::string dir = argv[1];
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0)
        fail("cannot start FreeType");
    FILE* data = openOutput(dir + "/font_data.cpp");
    FILE* header = openOutput(dir + "/font_data.h");
    std::fprintf(data, "%s#include \"display/font_data.h\"\n", banner().c_str());
    std::fprintf(header, "%s// The display's nine font tables, one per fontSize.\n"
                         "#pragma once\n#include <cstdint>\n\n", banner().c_str());
    for (const FontSettings& s : fontSettings) {
        const std::vector<Glyph> glyphs = buildFont(library, s);
        const std::vector<uint8_t> t = tableBytes(s, glyphs);
        writeTable(data, s, glyphs, t);
        std::fprintf(header, "extern const uint8_t font%dTable[%zu];\n", s.fontSize, t.size());
    }
    std::fclose(data);
    std::fclose(header);
    FT_Done_FreeType(library);
    return 0;
}
