#include "screens/setup_list.h"

#include <cstdarg>
#include <cstdio>

#include "core/keys_and_time.h"
#include "display/colours.h"
#include "display/furniture.h"
#include "display/text.h"

const StepLegend wholeStepLegend = {{"X1", "X10", "X100", nullptr}};
const StepLegend tenthStepLegend = {{"X0.1", "X1", "X10", nullptr}};
const StepLegend readingStepLegend = {{"X1", "X10", "X100", "X1000"}};

namespace {

constexpr uint8_t lastItemOnFirstPage = 4;

char valueBuffer[32];

bool rowShown(const SetupRow& row) { return row.shown == nullptr || row.shown(); }

bool hasLegend(const SetupRow* row) { return row != nullptr && row->legend != nullptr; }

void drawRow(const SetupRow& row, uint8_t item)
{
    const int8_t screenRow = static_cast<int8_t>(item - menuTop);
    if (row.value == nullptr)
        drawMenuText(screenRow, row.label, item == menuCursor ? colourRed : colourWhite);
    else
        drawMenuRow(screenRow, row.label, row.value());
}

// The cursor row's own keys: its knob press, and its edit while editing. An
// edit leaves the key pending; the list's keys then ignore it while editing.
void applyRowKey(const SetupRow& row)
{
    if (pendingKey == keyPress) {
        if (row.press != nullptr && row.press())
            pendingKey = keyNone;
        return;
    }
    const int8_t direction = knobDirection(pendingKey);
    if (direction != 0 && menuEditing != 0 && row.change != nullptr)
        row.change(direction);
}

void applyListKey(const SetupList& list, uint8_t count, const SetupRow* cursorRow)
{
    switch (pendingKey) {
    case keyLeft:
        if (list.leave != nullptr)
            list.leave();
        break;
    case keyRight:
        if (list.stepKey == StepKey::anyRow || hasLegend(cursorRow))
            cycleEditStep(list.largestStep);
        break;
    case keyPress:
        menuEditing = toggled(menuEditing);
        break;
    case keyPlus:
    case keyMinus:
        if (menuEditing == 0)
            moveCursor(knobDirection(pendingKey), count);
        break;
    default:
        break;
    }
    pendingKey = keyNone;
}

} // namespace

void runSetupList(const SetupList& list)
{
    scrollToCursor();
    drawTitleBar(list.title, list.subtitle);
    uint8_t count = 0;
    const SetupRow* cursorRow = nullptr;
    for (std::size_t i = 0; i < list.rowCount; ++i) {
        const SetupRow& row = list.rows[i];
        if (!rowShown(row))
            continue;
        drawRow(row, count);
        if (count == menuCursor) {
            cursorRow = &row;
            if (hasLegend(cursorRow))
                drawStepLegend(*row.legend());
            if (pendingKey != keyNone && list.rowKeys == RowKeys::whileDrawing)
                applyRowKey(row);
        }
        ++count;
    }
    if (cursorRow != nullptr && pendingKey != keyNone && list.rowKeys == RowKeys::afterDrawing)
        applyRowKey(*cursorRow);
    drawMenuScrollBar(menuCursor, count);
    drawSoftKeys(softKeyBack);
    applyListKey(list, count, cursorRow);
}

uint8_t shownRowCount(const SetupList& list)
{
    uint8_t count = 0;
    for (std::size_t i = 0; i < list.rowCount; ++i)
        count += rowShown(list.rows[i]) ? 1 : 0;
    return count;
}

const SetupRow* shownRow(const SetupList& list, uint8_t index)
{
    for (std::size_t i = 0; i < list.rowCount; ++i)
        if (rowShown(list.rows[i]) && index-- == 0)
            return &list.rows[i];
    return nullptr;
}

int8_t knobDirection(uint8_t key)
{
    if (key == keyPlus)
        return 1;
    if (key == keyMinus)
        return -1;
    return 0;
}

void scrollToCursor()
{
    menuTop = menuCursor > lastItemOnFirstPage ? static_cast<uint8_t>(menuCursor - lastItemOnFirstPage) : 0;
}

void moveCursor(int8_t direction, uint8_t count) { menuCursor = nextOption(menuCursor, count, direction); }

void cycleEditStep(uint16_t largest)
{
    editStep = editStep >= largest ? 1 : static_cast<uint16_t>(editStep * 10);
}

int32_t stepWrapped(int32_t value, int8_t direction, int32_t low, int32_t high)
{
    if (direction > 0) {
        const int32_t sum = value + editStep;
        return sum > high ? low : sum;
    }
    if (direction < 0) {
        const int32_t difference = value - editStep;
        return difference < low ? high : difference;
    }
    return value;
}

uint8_t nextOption(uint8_t value, uint8_t count, int8_t direction)
{
    if (count == 0 || direction == 0)
        return value;
    const uint8_t last = static_cast<uint8_t>(count - 1);
    if (direction > 0)
        return value >= last ? 0 : static_cast<uint8_t>(value + 1);
    return value == 0 || value > last ? last : static_cast<uint8_t>(value - 1);
}

uint8_t toggled(uint8_t value) { return value == 0 ? 1 : 0; }

const char* formatValue(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(valueBuffer, sizeof valueBuffer, format, arguments);
    va_end(arguments);
    return valueBuffer;
}

const char* stepLegendText(const StepLegend& legend) { return stepLegendText(legend, editStep); }

const char* stepLegendText(const StepLegend& legend, uint16_t step)
{
    switch (step) {
    case 1: return legend.texts[0];
    case 10: return legend.texts[1];
    case 100: return legend.texts[2];
    case 1000: return legend.texts[3];
    default: return nullptr;
    }
}

void drawStepLegend(const StepLegend& legend)
{
    const char* text = stepLegendText(legend);
    if (text != nullptr)
        drawRightLegend(text);
}
