#include "tests/support/display_reader.h"

#include "sim/simulator.h"

namespace {

std::vector<DrawnText> record;

void recordText(void*, uint16_t startX, int16_t y, uint8_t font, uint8_t colour, const char* text)
{
    record.push_back({startX, y, font, colour, text != nullptr ? text : "", textEndX});
}

// Runs a drawText that nobody sees: off the display and unrecorded.
void drawUnseen(int x, const std::string& text, int font, uint8_t align)
{
    const TextObserver observer = textObserver;
    textObserver = nullptr;
    drawText(static_cast<int16_t>(x), -500, text.c_str(), 0, static_cast<uint8_t>(font), align, 0);
    textObserver = observer;
}

} // namespace

void PrintTo(const DrawnText& drawn, std::ostream* out)
{
    *out << '"' << drawn.text << "\" at " << drawn.x << ".." << drawn.end << ", " << drawn.y << " in font "
         << drawn.font << ", colour " << drawn.colour;
}

void recordTexts()
{
    record.clear();
    qs9ObserveTexts(recordText, nullptr);
}

const std::vector<DrawnText>& drawnTexts() { return record; }

std::vector<DrawnText> drawings(const std::string& text)
{
    std::vector<DrawnText> found;
    for (const DrawnText& drawn : record)
        if (drawn.text == text)
            found.push_back(drawn);
    return found;
}

DrawnText lastDrawing(const std::string& text)
{
    for (auto it = record.rbegin(); it != record.rend(); ++it)
        if (it->text == text)
            return *it;
    return {};
}

bool wasDrawn(const std::string& text) { return !drawings(text).empty(); }

std::vector<std::string> drawnWords()
{
    std::vector<std::string> words;
    for (const DrawnText& drawn : record)
        words.push_back(drawn.text);
    return words;
}

std::string textAfter(const std::string& label)
{
    for (size_t i = 0; i + 1 < record.size(); ++i)
        if (record[i].text == label)
            return record[i + 1].text;
    return "(no " + label + ")";
}

std::string menuRow(int row)
{
    std::string joined;
    for (const DrawnText& drawn : record)
        if (drawn.y == 26 + 15 * row && drawn.font == 8)
            joined += drawn.text;
    return joined;
}

std::vector<std::string> menuRows()
{
    std::vector<std::string> rows;
    for (int row = 0; row < 5; ++row)
        if (!menuRow(row).empty())
            rows.push_back(menuRow(row));
    return rows;
}

std::string stepLegend()
{
    for (const DrawnText& drawn : record)
        if (drawn.y == 104 && drawn.text.rfind('X', 0) == 0)
            return drawn.text;
    return "";
}

std::string digitsShown(int font, int* redIndex)
{
    std::string digits;
    if (redIndex)
        *redIndex = -1;
    for (const DrawnText& drawn : record) {
        if (drawn.font != font || drawn.text.size() != 1 || drawn.text[0] < '0' || drawn.text[0] > '9')
            continue;
        if (redIndex && drawn.colour == 9)
            *redIndex = static_cast<int>(digits.size());
        digits += drawn.text;
    }
    return digits;
}

int textWidth(const std::string& text, int font)
{
    drawUnseen(0, text, font, alignLeft);
    return textEndX - textStartX;
}

DrawnText placedText(int x, int y, int font, uint8_t align, int colour, const std::string& text)
{
    drawUnseen(x, text, font, align);
    return {textStartX, y, font, colour, text, textEndX};
}

uint8_t pixelAt(int x, int y) { return frameBuffer[x + displayWidth * y]; }

std::vector<uint8_t> displayPicture() { return {frameBuffer, frameBuffer + frameBufferSize}; }

Points litPixels()
{
    Points lit;
    for (int y = 0; y < displayHeight; ++y)
        for (int x = 0; x < displayWidth; ++x)
            if (pixelAt(x, y) != 0)
                lit.insert({x, y});
    return lit;
}

int litIn(int x0, int y0, int x1, int y1)
{
    int lit = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            lit += pixelAt(x, y) != 0;
    return lit;
}
