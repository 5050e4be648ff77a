// The keys of the set-up lists (fuel, tanks, fuel pressure, MISC SETUP),
// read off the lists' own row tables: the cursor row, whether it is edited,
// its step legend, the rows the knob moves to.
#include "display/furniture.h"
#include "screens/menu_screens.h"
#include "screens/setup_list.h"
#include "screens/setup_screens.h"
#include "sim/key_help.h"

namespace {

// "UNIT: " is read as UNIT.
void addRowName(TextOut& out, const SetupRow* row)
{
    if (row == nullptr)
        return;
    const char* label = row->label;
    const char* end = label;
    for (const char* c = label; *c; ++c)
        if (*c != ' ' && *c != ':')
            end = c + 1;
    while (label != end)
        out << *label++;
}

// The list a screen's keys read, as its row's context.
struct ListOf {
    const SetupList& (*list)();
};

const SetupList& listOf(const void* context) { return static_cast<const ListOf*>(context)->list(); }

const SetupRow* cursorRow(const SetupList& list) { return shownRow(list, menuCursor); }

void step(TextOut& out, const void* context)
{
    const SetupList& list = listOf(context);
    const SetupRow* row = cursorRow(list);
    const bool legend = row != nullptr && row->legend != nullptr;
    if (list.stepKey == StepKey::legendRowsOnly && !legend)
        return;
    const uint16_t next = editStep >= list.largestStep ? 1 : static_cast<uint16_t>(editStep * 10);
    if (legend)
        stepTo(out, stepLegendText(*row->legend(), next));
    else
        out << "edit step " << unsigned{next};
}

// A row with its own knob press opens a screen; the others start and end
// editing their value.
void press(TextOut& out, const void* context)
{
    const SetupRow* row = cursorRow(listOf(context));
    if (row != nullptr && row->press != nullptr)
        out << "open ";
    else
        out << (menuEditing != 0 ? "stop editing" : "edit") << (row != nullptr ? " " : "");
    addRowName(out, row);
}

void turn(TextOut& out, const void* context, int8_t direction)
{
    const SetupList& list = listOf(context);
    const SetupRow* row = cursorRow(list);
    if (menuEditing != 0) {
        if (row == nullptr || row->change == nullptr)
            return;
        if (row->legend != nullptr)
            turnedBy(out, direction, stepLegendText(*row->legend()));
        else
            out << (direction > 0 ? "next option" : "previous option");
        return;
    }
    const uint8_t count = shownRowCount(list);
    if (count <= 1)
        return;
    out << "cursor to ";
    addRowName(out, shownRow(list, nextOption(menuCursor, count, direction)));
}

void plus(TextOut& out, const void* context) { turn(out, context, 1); }
void minus(TextOut& out, const void* context) { turn(out, context, -1); }

const SetupList& tank1List() { return tankSetupList(1); }
const SetupList& tank2List() { return tankSetupList(2); }

constexpr ListOf fuelList{fuelSetupList}, tank1Lists{tank1List}, tank2Lists{tank2List},
    pressureList{pressureSetupList}, miscList{miscSetupList};

constexpr ScreenKeyHelp listHelp(ScreenHandler screen, const ListOf& list, const char* leaving)
{
    return {screen, {says(leaving), worded(step), worded(press), worded(plus), worded(minus)}, &list};
}

const ScreenKeyHelp help[] = {
    listHelp(fuelSetupScreen, fuelList, "back to the main menu"),
    listHelp(tank1SetupScreen, tank1Lists, "back to the fuel setup"),
    listHelp(tank2SetupScreen, tank2Lists, "back to the fuel setup"),
    listHelp(pressureSetupScreen, pressureList, "back to the fuel setup"),
    listHelp(miscSetupScreen, miscList, "back to the main menu"),
};

} // namespace

std::span<const ScreenKeyHelp> setupListKeyHelp() { return help; }
