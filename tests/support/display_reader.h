// Reading the display as the pilot sees it: the texts drawn since the last
// pass began (or the last drawAlone), each with its place, font and colour,
// and the pixels of the frame buffer.
#pragma once
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "display/framebuffer.h"
#include "display/text.h"

// One drawText call as the renderer placed it: x of its first glyph, its
// row, font and colour, and the pen x after its last glyph. A text that was
// not drawn reads as -1 everywhere with no text.
struct DrawnText {
    int x = -1;
    int y = -1;
    int font = -1;
    int colour = -1;
    std::string text;
    int end = -1;

    bool operator==(const DrawnText&) const = default;
};
void PrintTo(const DrawnText& drawn, std::ostream* out);

// Clears the record and records every drawText from now on. Program start
// unhooks the recorder; the pilot's passes hook it again.
void recordTexts();
const std::vector<DrawnText>& drawnTexts();

// Clears the display and the record, then runs one drawing on its own: a
// page, the pressure strip, a piece of screen furniture.
template <typename Drawing>
void drawAlone(Drawing drawing)
{
    recordTexts();
    clearFrameBuffer();
    drawing();
}

// Every drawing of the text, in drawing order (a boxed value is drawn twice:
// plain, then again on its box).
std::vector<DrawnText> drawings(const std::string& text);
// The last drawing of the text, the one on top; the empty record if not drawn.
DrawnText lastDrawing(const std::string& text);
bool wasDrawn(const std::string& text);
std::vector<std::string> drawnWords();
// The text drawn right after the first drawing of `label`: a value after its
// label, a subtitle after its title; "(no label)" when the label is missing.
std::string textAfter(const std::string& label);

// Menu row 0..4 (y 26 + 15 row, font 8), label and value joined; "" if empty.
std::string menuRow(int row);
// The non-empty menu rows, top to bottom.
std::vector<std::string> menuRows();
// The step legend in the right soft-key cell ("X10"), "" when there is none.
std::string stepLegend();
// The single digits drawn in `font`, left to right as drawn, and the index of
// the red one (-1 if none): an entry screen's digits and its cursor.
std::string digitsShown(int font, int* redIndex = nullptr);

// Width of a text in a font, measured off the display.
int textWidth(const std::string& text, int font);
// Where the renderer puts a text anchored at x with the given alignment
// (alignLeft, alignCentre, alignRight), as the record would hold it.
DrawnText placedText(int x, int y, int font, uint8_t align, int colour, const std::string& text);
// x of the middle of a drawn text.
inline int middleOf(const DrawnText& drawn) { return drawn.x + (drawn.end - drawn.x) / 2; }

uint8_t pixelAt(int x, int y);
// A copy of the whole display, row by row.
std::vector<uint8_t> displayPicture();
using Points = std::set<std::pair<int, int>>;
// Every pixel that is not black.
Points litPixels();
// How many pixels of the rectangle x0..x1, y0..y1 are not black.
int litIn(int x0, int y0, int x1, int y1);
