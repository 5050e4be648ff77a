// The display as text, for screen readers: the texts the last pass drew, in
// reading order, joined into lines, with the selected row and a value being
// edited named, and the active alarms in words.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "display/colours.h"
#include "display/glyphs.h"
#include "sim/alarm_words.h"
#include "sim/last_pass.h"
#include "sim/simulator.h"

namespace {

constexpr int16_t bodyTop = 26;    // the first menu row: above it the title bar draws in red
constexpr int16_t statusRow = 0;   // the home screen's status line
constexpr uint8_t statusFont = 9;

// A text to read with the rows its glyphs ink.
struct Piece {
    const PassText* text;
    int top;
    int bottom; // one past the last inked row
    int column; // x of the first text of its column: texts stacked one over another read together
};

// The rows the text's glyphs ink; false when it inks none (empty or blanks).
bool inkedRows(const PassText& text, int& top, int& bottom)
{
    const GlyphFont& font = fontFor(text.fontSize);
    int first = 256, end = 0;
    Glyph glyph{};
    for (const char* c = text.text; *c; ++c)
        if (findGlyph(font, static_cast<uint8_t>(*c), glyph) && glyph.firstInkRow < glyph.endInkRow) {
            first = std::min<int>(first, glyph.firstInkRow);
            end = std::max<int>(end, glyph.endInkRow);
        }
    top = text.y + first;
    bottom = text.y + end;
    return first < end;
}

// A failed sender's "FAIL" is drawn in one blink phase only.
bool blinks(const PassText& text) { return std::strcmp(text.text, "FAIL") == 0; }

bool onStatusLine(const PassText& text)
{
    return lastPass.statusLine && text.y == statusRow && text.fontSize == statusFont;
}

// A boxed value is drawn twice, plain and again on its box: it is read once.
bool drawnBefore(const PassText& text)
{
    for (const PassText* other = lastPass.texts; other != &text; ++other)
        if (other->startX == text.startX && other->y == text.y && std::strcmp(other->text, text.text) == 0)
            return true;
    return false;
}

std::vector<Piece> piecesToRead(bool steady)
{
    std::vector<Piece> pieces;
    for (uint16_t i = 0; i < lastPass.textCount; ++i) {
        const PassText& text = lastPass.texts[i];
        Piece piece{&text, 0, 0, 0};
        if (!inkedRows(text, piece.top, piece.bottom) || drawnBefore(text))
            continue;
        if (steady && (blinks(text) || onStatusLine(text)))
            continue;
        pieces.push_back(piece);
    }
    return pieces;
}

// Where the text starts: one that starts left of the display (a wide value)
// has a start x that reads as a large unsigned number.
int leftOf(const PassText& text) { return static_cast<int16_t>(text.startX); }

bool sideBySide(const Piece& a, const Piece& b)
{
    return leftOf(*a.text) >= b.text->endX || leftOf(*b.text) >= a.text->endX;
}

// Top to bottom; a text whose ink overlaps the rows of the line so far
// belongs to it, beside the texts there or stacked under one of them (a
// title over its subtitle, "L/" over "hr" beside a large figure). Each line
// then reads left to right, a column top to bottom.
std::vector<std::vector<Piece>> linesOf(std::vector<Piece> pieces)
{
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.top < b.top; });
    std::vector<std::vector<Piece>> lines;
    int bottom = 0;
    for (Piece piece : pieces) {
        if (lines.empty() || piece.top >= bottom) {
            lines.emplace_back();
            bottom = piece.bottom;
        }
        piece.column = leftOf(*piece.text);
        for (const Piece& above : lines.back())
            if (!sideBySide(piece, above))
                piece.column = above.column;
        lines.back().push_back(piece);
        bottom = std::max(bottom, piece.bottom);
    }
    for (auto& line : lines)
        std::stable_sort(line.begin(), line.end(), [](const Piece& a, const Piece& b) { return a.column < b.column; });
    return lines;
}

// Texts that touch run on ("UNIT: " "LITRE/SM", the brand's "T" "arvo"):
// closer than half a blank of the font.
bool runOn(const Piece& before, const Piece& after)
{
    if (before.column == after.column)
        return false;
    Glyph blank{};
    const int blankWidth = findGlyph(fontFor(after.text->fontSize), ' ', blank) ? blank.width : 4;
    return leftOf(*after.text) - before.text->endX < blankWidth / 2;
}

// Below the title bar red marks the cursor: a menu row, a digit.
bool highlighted(const PassText& text) { return text.colour == colourRed && text.y >= bodyTop; }

// Firmware texts are plain ASCII; anything else is read as "?".
void appendReadable(std::string& out, const char* text)
{
    for (const char* c = text; *c; ++c)
        out += *c >= 0x20 && *c <= 0x7e ? *c : '?';
}

bool isDigit(const PassText& text) { return text.text[0] >= '0' && text.text[0] <= '9' && text.text[1] == '\0'; }

// What the red of a line says: a whole red row is selected; a red value
// after its white label, while the screen edits, is being edited; a red
// digit among the digits of an entry is the one the knob turns.
std::string highlightMark(const std::vector<Piece>& line)
{
    size_t first = line.size(), last = 0, digits = 0, digitIndex = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (isDigit(*line[i].text))
            ++digits;
        if (!highlighted(*line[i].text))
            continue;
        if (first == line.size()) {
            first = i;
            digitIndex = digits;
        }
        last = i;
    }
    if (first == line.size())
        return "";
    if (first == last && isDigit(*line[first].text) && digits > 1)
        return " (digit " + std::to_string(digitIndex) + " selected)";
    if (first > 0 && lastPass.menuEditing != 0)
        return " (editing)";
    return " (selected)";
}

// The pieces run on where they touch and are spaced where they do not.
std::string lineText(const std::vector<Piece>& line)
{
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (i > 0 && !runOn(line[i - 1], line[i]))
            out += ' ';
        appendReadable(out, line[i].text->text);
    }
    // A label's trailing blank does not stand before the mark.
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out + highlightMark(line);
}

std::string readingText(bool steady)
{
    std::string text;
    for (const auto& line : linesOf(piecesToRead(steady)))
        text += lineText(line) + '\n';
    if (!steady)
        text += activeAlarmLines();
    if (!text.empty())
        text.pop_back();
    return text;
}

std::string displayText;
std::string steadyText;

} // namespace

extern "C" {

const char* qs9DisplayText(void)
{
    displayText = readingText(false);
    return displayText.c_str();
}

const char* qs9DisplayTextSteady(void)
{
    steadyText = readingText(true);
    return steadyText.c_str();
}

} // extern "C"
