// Settings of the font generator: for each of the display's nine fonts the
// outline face it is rasterised from and the metrics the screens' layouts
// rely on. Change a value here and regenerate; never edit font_data.cpp.
#pragma once
#include <cstdint>

struct FontSettings {
    uint8_t fontSize;        // the number screens pass to drawText
    const char* face;        // file name under faceDirectory
    uint16_t firstCode, lastCode;
    uint8_t headerByte6;     // table byte 6; the renderer ignores it
    uint8_t cellHeight;      // rows of every glyph
    uint8_t pixelSize;       // vertical pixel size the face is hinted at
    uint8_t zeroTop, zeroBottom;  // rows with ink in "0": they set the baseline
    uint8_t minWidth, maxWidth;   // every glyph width lies in this range
    uint8_t digitMin, digitMax;   // digit widths (equal where numbers must keep their width)
    uint8_t spaceWidth;      // also the width of the blank control-code glyphs
    uint8_t condensePercent; // horizontal pixel size as a share of the vertical one
    int8_t tracking;         // added to every natural glyph width
};

// A glyph whose width is set by hand rather than taken from the face.
struct WidthOverride {
    uint8_t fontSize;
    uint8_t code;
    uint8_t width;
};

inline constexpr const char* faceDirectory = "/usr/share/fonts/truetype/dejavu/";

inline constexpr FontSettings fontSettings[] = {
    // size face                           codes      b6   h  px  "0"    widths  digits sp  cond trk
    {8,  "DejaVuSansCondensed-Bold.ttf", 0x00, 0xFF,   0, 16, 14,  3, 12,  3, 14,  7,  8,  4,  90, 0},
    {9,  "DejaVuSansCondensed-Bold.ttf", 0x20, 0x7F,  62, 19, 16,  3, 14,  4, 16,  9,  9,  4, 100, 0},
    {10, "DejaVuSansCondensed-Bold.ttf", 0x00, 0xFF,   0, 21, 19,  4, 17,  4, 21, 11, 11,  5, 100, 0},
    {12, "DejaVuSansCondensed-Bold.ttf", 0x20, 0x7F,  67, 24, 20,  4, 18,  5, 21, 12, 12,  6, 100, 0},
    {16, "DejaVuSansCondensed-Bold.ttf", 0x20, 0x7F,  64, 33, 27,  6, 25,  7, 27, 16, 16,  8, 100, 0},
    {20, "DejaVuSansCondensed-Bold.ttf", 0x20, 0x39, 115, 41, 34,  7, 31,  8, 31, 19, 19, 10,  97, 0},
    {24, "DejaVuSansCondensed-Bold.ttf", 0x20, 0x39, 127, 51, 40,  9, 39, 10, 39, 24, 24, 12, 100, 0},
    {30, "DejaVuSansCondensed-Bold.ttf", 0x20, 0x39,  96, 62, 50, 11, 48, 13, 47, 29, 29, 15,  96, 0},
    {34, "DejaVuSansCondensed-Bold.ttf", 0x20, 0x39,  96, 70, 58, 13, 56, 14, 51, 33, 33, 17,  94, 0},
};

inline constexpr WidthOverride widthOverrides[] = {
    {8, 'A', 9},
    {8, 'B', 10},
};

// Glyphs drawn wider than the face draws them, codes first..last: a glyph
// with ink at the horizontal scale that fills the width, a blank one as a
// wider blank.
struct WideGlyphs {
    uint8_t fontSize;
    uint8_t firstCode, lastCode;
    uint8_t width;
};

// The widest glyph of every font is the face's widest, drawn at the font's
// largest width: "W" in the text fonts, "%" in the numeric ones (no screen
// draws "%" in those). The tables come to the sizes the fonts have always
// had through glyphs no screen draws: blank control codes in fonts 8 and
// 10, DEL in fonts 9 and 16, and the wide letters and signs of font 16
// other than "W".
inline constexpr WideGlyphs wideGlyphs[] = {
    {8, 'W', 'W', 14},   {8, 0x00, 0x1F, 14},  {8, 0x7F, 0x8A, 14},
    {9, 'W', 'W', 16},   {9, 0x7F, 0x7F, 16},
    {10, 'W', 'W', 21},  {10, 0x00, 0x1B, 21},
    {12, 'W', 'W', 21},
    {16, 'W', 'W', 27},  {16, 'M', 'M', 25},   {16, 'm', 'm', 25},  {16, 'w', 'w', 25},
    {16, '%', '%', 25},  {16, '@', '@', 25},   {16, 0x7F, 0x7F, 27},
    {20, '%', '%', 31},
    {24, '%', '%', 39},
    {30, '%', '%', 47},
    {34, '%', '%', 51},
};
