#include "display/furniture.h"

#include "core/settings.h"
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

constexpr uint8_t white = 15;
constexpr uint8_t red = 9;
constexpr uint8_t menuFont = 8;
constexpr uint8_t alignCentre = 0;
constexpr uint8_t alignLeft = 1;
constexpr uint8_t alignRight = 2;
constexpr int16_t softKeyTextY = 104;

void drawSoftKeyFrame()
{
    drawHLine(0, 159, 102, white);
    drawVLine(102, 119, 53, white);
    drawVLine(102, 119, 106, white);
}

void drawLeftLegend(const char* word) { drawText(26, softKeyTextY, word, 0, menuFont, alignCentre, white); }

// Filled arrowhead at the arc's left end, pointing down-left.
void drawLeftArrowhead()
{
    drawLine(60, 109, 70, 114, white);
    drawLine(60, 109, 62, 118, white);
    drawLine(70, 114, 62, 118, white);
    setPixel(61, 110, white);
    setPixel(61, 111, white);
    drawVLine(111, 117, 62, white);
    drawVLine(111, 116, 63, white);
    drawVLine(112, 116, 64, white);
    drawVLine(113, 115, 65, white);
    drawVLine(113, 115, 66, white);
    drawVLine(113, 115, 67, white);
    setPixel(68, 114, white);
}

// Filled arrowhead at the arc's right end, pointing down-right.
void drawRightArrowhead()
{
    drawLine(90, 114, 100, 109, white);
    drawLine(90, 114, 98, 118, white);
    drawLine(100, 109, 98, 118, white);
    setPixel(92, 114, white);
    setPixel(93, 114, white);
    drawVLine(113, 115, 94, white);
    drawVLine(113, 115, 95, white);
    drawVLine(112, 116, 96, white);
    drawVLine(112, 116, 97, white);
    drawVLine(111, 115, 98, white);
    setPixel(99, 111, white);
}

bool isMenuRow(int8_t row) { return row >= 0 && row < menuRowCount; }

int16_t menuRowY(int8_t row) { return static_cast<int16_t>(26 + 15 * row); }

// Cursor and editing state back to the first item, single steps.
void resetMenuState(uint8_t cursor)
{
    menuEditing = 0;
    menuCursor = cursor;
    menuTop = 0;
    editStep = 1;
}

} // namespace

void drawTitleBar(const char* title, const char* subtitle)
{
    drawText(0, 0, "T", 0, 12, alignLeft, red);
    drawText(15, 0, "arvo", 0, 12, alignLeft, white);
    drawText(158, 0, title, 0, menuFont, alignRight, red);
    drawText(158, 11, subtitle, 0, menuFont, alignRight, red);
    drawHLine(0, 159, 25, white);
}

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
    drawText(134, softKeyTextY, "YES", 0, menuFont, alignCentre, white);
}

void drawKnobSymbol()
{
    drawArc(80, 124, 20, 220, 320, white);
    drawLeftArrowhead();
    drawRightArrowhead();
}

void drawMenuRow(int8_t row, const char* label, const char* value)
{
    if (!isMenuRow(row))
        return;
    const bool selected = menuTop + row == menuCursor;
    const uint8_t labelColour = selected && menuEditing == 0 ? red : white;
    const uint8_t valueColour = selected ? red : white;
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
    drawVLine(30, 98, 156, white);
    if (count == 0)
        return;
    const int32_t step = 680 / count;
    const int32_t top = (step * position + 300) / 10;
    const int32_t bottom = top + step / 10;
    fillRect(153, toCoordinate(top), 159, toCoordinate(bottom), white);
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
