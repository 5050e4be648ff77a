#include "display/furniture.h"

#include "core/settings.h"
#include "display/colours.h"
#include "display/coordinates.h"
#include "display/framebuffer.h"
#include "display/text.h"
#include "display/trig.h"

uint8_t menuCursor;
uint8_t menuTop;
uint8_t menuEditing;
uint16_t editStep;
uint16_t codeScratch;
ScreenHandler messageReturnScreen;

namespace {

constexpr uint8_t menuFont = 8;
constexpr int16_t softKeyTextY = 104;

// A filled arrowhead: its three edges, then the dots and columns that fill
// it, in the order the instrument draws them.
struct Arrowhead {
    int16_t edges[3][4];   // x0, y0, x1, y1
    int16_t dots[3][2];    // x, y: two before the columns, one after
    int16_t columns[6][3]; // y0, y1, x
    int columnCount;
};

// At the arc's left end, pointing down-left, and at its right end, pointing down-right.
constexpr Arrowhead leftArrowhead = {
    {{60, 109, 70, 114}, {60, 109, 62, 118}, {70, 114, 62, 118}},
    {{61, 110}, {61, 111}, {68, 114}},
    {{111, 117, 62}, {111, 116, 63}, {112, 116, 64}, {113, 115, 65}, {113, 115, 66}, {113, 115, 67}},
    6,
};
constexpr Arrowhead rightArrowhead = {
    {{90, 114, 100, 109}, {90, 114, 98, 118}, {100, 109, 98, 118}},
    {{92, 114}, {93, 114}, {99, 111}},
    {{113, 115, 94}, {113, 115, 95}, {112, 116, 96}, {112, 116, 97}, {111, 115, 98}},
    5,
};

void drawArrowhead(const Arrowhead& head)
{
    for (const auto& e : head.edges)
        drawLine(e[0], e[1], e[2], e[3], colourWhite);
    setPixel(head.dots[0][0], head.dots[0][1], colourWhite);
    setPixel(head.dots[1][0], head.dots[1][1], colourWhite);
    for (int i = 0; i < head.columnCount; ++i)
        drawVLine(head.columns[i][0], head.columns[i][1], head.columns[i][2], colourWhite);
    setPixel(head.dots[2][0], head.dots[2][1], colourWhite);
}

bool isMenuRow(int8_t row) { return row >= 0 && row < menuRowCount; }

int16_t menuRowY(int8_t row) { return static_cast<int16_t>(26 + 15 * row); }

} // namespace

void drawTitleBar(const char* title, const char* subtitle)
{
    drawText(0, 0, "T", 0, 12, alignLeft, colourRed);
    drawText(15, 0, "arvo", 0, 12, alignLeft, colourWhite);
    drawText(158, 0, title, 0, menuFont, alignRight, colourRed);
    drawText(158, 11, subtitle, 0, menuFont, alignRight, colourRed);
    drawHLine(0, 159, 25, colourWhite);
}

void drawSoftKeyFrame()
{
    drawHLine(0, 159, 102, colourWhite);
    drawVLine(102, 119, 53, colourWhite);
    drawVLine(102, 119, 106, colourWhite);
}

void drawLeftLegend(const char* word) { drawText(26, softKeyTextY, word, 0, menuFont, alignCentre, colourWhite); }
void drawRightLegend(const char* word) { drawText(134, softKeyTextY, word, 0, menuFont, alignCentre, colourWhite); }

void drawSoftKeys(uint8_t leftWord)
{
    static const char* const legends[] = {nullptr, "EXIT", "BACK", "DONE"};
    drawSoftKeyFrame();
    if (leftWord >= softKeyExit && leftWord <= softKeyDone)
        drawLeftLegend(legends[leftWord]);
    drawKnobSymbol();
}

void drawYesNoKeys()
{
    drawSoftKeyFrame();
    drawLeftLegend("NO");
    drawRightLegend("YES");
}

void drawKnobSymbol()
{
    drawArc(80, 124, 20, 220, 320, colourWhite);
    drawArrowhead(leftArrowhead);
    drawArrowhead(rightArrowhead);
}

void drawMenuRow(int8_t row, const char* label, const char* value)
{
    if (!isMenuRow(row))
        return;
    const bool selected = menuTop + row == menuCursor;
    const uint8_t labelColour = selected && menuEditing == 0 ? colourRed : colourWhite;
    const uint8_t valueColour = selected ? colourRed : colourWhite;
    const int16_t y = menuRowY(row);
    drawText(0, y, label, 0, menuFont, alignLeft, labelColour);
    drawText(static_cast<int16_t>(textEndX), y, value, 0, menuFont, alignLeft, valueColour);
}

void drawMenuText(int8_t row, const char* text, uint8_t colour)
{
    if (isMenuRow(row))
        drawText(0, menuRowY(row), text, 0, menuFont, alignLeft, colour);
}

// The thumb's height is 680 / count tenths of a pixel; its top lies that many
// tenths per item below the track's top.
void drawMenuScrollBar(uint16_t position, uint16_t count)
{
    drawVLine(30, 98, 156, colourWhite);
    if (count == 0)
        return;
    const int32_t step = 680 / count;
    const int32_t top = (step * position + 300) / 10;
    const int32_t bottom = top + step / 10;
    fillRect(153, toCoordinate(top), 159, toCoordinate(bottom), colourWhite);
}

void resetMenuState(uint8_t cursor)
{
    menuEditing = 0;
    menuCursor = cursor;
    menuTop = 0;
    editStep = 1;
}

void returnToHome()
{
    currentScreen = homeScreen;
    resetMenuState(0);
    storeSettings();
}

void enterMenu(uint8_t cursor)
{
    codeScratch = 0;
    resetMenuState(cursor);
}
