// The display as text, for screen readers: the texts the last pass drew, in
// reading order, joined into lines, with the selected row and a value being
// edited named, and the active alarms in words.
#include <cstring>
#include <iterator>

#include "display/colours.h"
#include "display/glyphs.h"
#include "sim/alarm_words.h"
#include "sim/last_pass.h"
#include "sim/simulator.h"
#include "sim/text_out.h"

namespace {

constexpr int16_t bodyTop = 26;    // the first menu row: above it the title bar draws in red
constexpr int16_t statusRow = 0;   // the home screen's status line
constexpr uint8_t statusFont = 9;

// A text to read with the rows its glyphs ink.
struct Piece {
    const PassText* text;
    int16_t top;
    int16_t bottom; // one past the last inked row
    int16_t column; // x of the first text of its column: texts stacked one over another read together
    uint8_t line;
};

// The pieces of the last pass in reading order; a pass keeps few texts, so
// plain arrays and insertion sorts do (and keep the browser page light).
struct Reading {
    Piece pieces[std::size(LastPass{}.texts)];
    uint16_t count = 0;
};

// The rows the text's glyphs ink; false when it inks none (empty or blanks).
bool inkedRows(const PassText& text, Piece& piece)
{
    const GlyphFont& font = fontFor(text.fontSize);
    int first = 256, end = 0;
    Glyph glyph{};
    for (const char* c = text.text; *c; ++c)
        if (findGlyph(font, static_cast<uint8_t>(*c), glyph) && glyph.firstInkRow < glyph.endInkRow) {
            first = first < glyph.firstInkRow ? first : glyph.firstInkRow;
            end = end > glyph.endInkRow ? end : glyph.endInkRow;
        }
    piece.top = static_cast<int16_t>(text.y + first);
    piece.bottom = static_cast<int16_t>(text.y + end);
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

// Where the text starts: one that starts left of the display (a wide value)
// has a start x that reads as a large unsigned number.
int leftOf(const PassText& text) { return static_cast<int16_t>(text.startX); }

bool sideBySide(const Piece& a, const Piece& b)
{
    return leftOf(*a.text) >= b.text->endX || leftOf(*b.text) >= a.text->endX;
}

// Stable: pieces that compare equal keep their drawing order.
template <typename Before>
void insertionSort(Reading& reading, Before before)
{
    for (uint16_t i = 1; i < reading.count; ++i) {
        const Piece piece = reading.pieces[i];
        uint16_t j = i;
        for (; j > 0 && before(piece, reading.pieces[j - 1]); --j)
            reading.pieces[j] = reading.pieces[j - 1];
        reading.pieces[j] = piece;
    }
}

// Top to bottom; a text whose ink overlaps the rows of the line so far
// belongs to it, beside the texts there or stacked under one of them (a
// title over its subtitle, "L/" over "hr" beside a large figure). Each line
// then reads left to right, a column top to bottom.
void readLines(Reading& reading)
{
    insertionSort(reading, [](const Piece& a, const Piece& b) { return a.top < b.top; });
    uint8_t line = 0;
    uint16_t lineStart = 0;
    int bottom = 0;
    for (uint16_t i = 0; i < reading.count; ++i) {
        Piece& piece = reading.pieces[i];
        if (i > 0 && piece.top >= bottom) {
            ++line;
            lineStart = i;
        }
        if (i == lineStart)
            bottom = piece.bottom;
        piece.line = line;
        piece.column = static_cast<int16_t>(leftOf(*piece.text));
        for (uint16_t j = lineStart; j < i; ++j)
            if (!sideBySide(piece, reading.pieces[j]))
                piece.column = reading.pieces[j].column;
        bottom = bottom > piece.bottom ? bottom : piece.bottom;
    }
    insertionSort(reading, [](const Piece& a, const Piece& b) {
        return a.line < b.line || (a.line == b.line && a.column < b.column);
    });
}

Reading piecesToRead(bool steady)
{
    Reading reading;
    for (uint16_t i = 0; i < lastPass.textCount; ++i) {
        const PassText& text = lastPass.texts[i];
        Piece& piece = reading.pieces[reading.count];
        piece = {&text, 0, 0, 0, 0};
        if (!inkedRows(text, piece) || drawnBefore(text))
            continue;
        if (steady && (blinks(text) || onStatusLine(text)))
            continue;
        ++reading.count;
    }
    readLines(reading);
    return reading;
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

bool isDigit(const PassText& text) { return text.text[0] >= '0' && text.text[0] <= '9' && text.text[1] == '\0'; }

// What the red of a line says: a whole red row is selected; a red value
// after its white label, while the screen edits, is being edited; a red
// digit among the digits of an entry is the one the knob turns.
void addHighlight(TextOut& out, const Piece* line, uint16_t count)
{
    uint16_t first = count, last = 0, digits = 0, digitIndex = 0;
    for (uint16_t i = 0; i < count; ++i) {
        if (isDigit(*line[i].text))
            ++digits;
        if (!highlighted(*line[i].text))
            continue;
        if (first == count) {
            first = i;
            digitIndex = digits;
        }
        last = i;
    }
    if (first == count)
        return;
    if (first == last && isDigit(*line[first].text) && digits > 1 && digitIndex < 10)
        out << " (digit " << static_cast<char>('0' + digitIndex) << " selected)";
    else
        out << (first > 0 && lastPass.menuEditing != 0 ? " (editing)" : " (selected)");
}

// Firmware texts are plain ASCII; anything else is read as "?".
void addReadable(TextOut& out, const char* text)
{
    for (const char* c = text; *c; ++c)
        out << (*c >= 0x20 && *c <= 0x7e ? *c : '?');
}

// The pieces run on where they touch and are spaced where they do not; a
// label's trailing blank does not stand before the mark.
void addLine(TextOut& out, const Piece* line, uint16_t count)
{
    const size_t start = out.size();
    for (uint16_t i = 0; i < count; ++i) {
        if (i > 0 && !runOn(line[i - 1], line[i]))
            out << ' ';
        addReadable(out, line[i].text->text);
    }
    while (out.size() > start && out.last() == ' ')
        out.cut(out.size() - 1);
    addHighlight(out, line, count);
    out << '\n';
}

// Room for every text a pass keeps, a blank between each and a mark per line,
// and the alarms.
char displayText[std::size(LastPass{}.texts) * (sizeof(PassText{}.text) + 20) + 256];
char steadyText[sizeof displayText];

template <std::size_t N>
const char* readingText(char (&buffer)[N], bool steady)
{
    const Reading reading = piecesToRead(steady);
    TextOut text(buffer);
    for (uint16_t start = 0, end = 0; start < reading.count; start = end) {
        while (end < reading.count && reading.pieces[end].line == reading.pieces[start].line)
            ++end;
        addLine(text, reading.pieces + start, static_cast<uint16_t>(end - start));
    }
    if (!steady)
        addActiveAlarmLines(text);
    if (text.last() == '\n')
        text.cut(text.size() - 1);
    return buffer;
}

} // namespace

extern "C" {

const char* qs9DisplayText(void) { return readingText(displayText, false); }

const char* qs9DisplayTextSteady(void) { return readingText(steadyText, true); }

} // extern "C"
