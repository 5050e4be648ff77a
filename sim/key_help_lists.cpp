// The keys of the set-up lists (fuel, tanks, fuel pressure, MISC SETUP),
// read off the lists' own row tables: the cursor row, whether it is edited,
// its step legend, the rows the knob moves to.
#include <iterator>

#include "display/furniture.h"
#include "screens/menu_screens.h"
#include "screens/setup_list.h"
#include "screens/setup_screens.h"
#include "sim/key_help.h"

namespace {

// "UNIT: " is read as UNIT.
std::string rowName(const SetupRow* row)
{
    if (row == nullptr)
        return "";
    std::string name = row->label;
    while (!name.empty() && (name.back() == ' ' || name.back() == ':'))
        name.pop_back();
    return name;
}

const SetupRow* cursorRow(const SetupList& list) { return shownRow(list, menuCursor); }

uint16_t nextStep(const SetupList& list)
{
    return editStep >= list.largestStep ? 1 : static_cast<uint16_t>(editStep * 10);
}

std::string step(const SetupList& list)
{
    const SetupRow* row = cursorRow(list);
    const bool legend = row != nullptr && row->legend != nullptr;
    if (list.stepKey == StepKey::legendRowsOnly && !legend)
        return "";
    const uint16_t next = nextStep(list);
    if (legend)
        return stepTo(stepLegendText(*row->legend(), next));
    return stepTo(std::to_string(next).c_str());
}

// A row with its own knob press opens a screen; the others start and end
// editing their value.
std::string press(const SetupList& list)
{
    const SetupRow* row = cursorRow(list);
    if (row != nullptr && row->press != nullptr)
        return "open " + rowName(row);
    return editing(rowName(row));
}

std::string turn(const SetupList& list, int8_t direction)
{
    const SetupRow* row = cursorRow(list);
    if (menuEditing != 0) {
        if (row == nullptr || row->change == nullptr)
            return "";
        if (row->legend != nullptr)
            return turnedBy(direction, stepLegendText(*row->legend()));
        return direction > 0 ? "next option" : "previous option";
    }
    const uint8_t count = shownRowCount(list);
    if (count <= 1)
        return "";
    return cursorTo(rowName(shownRow(list, nextOption(menuCursor, count, direction))));
}

constexpr char backToMainMenu[] = "back to the main menu";
constexpr char backToFuelSetup[] = "back to the fuel setup";

template <const SetupList& (*list)(), const char* leaving>
constexpr ScreenKeyHelp listHelp(ScreenHandler screen)
{
    return {screen,
            {[] { return std::string(leaving); }, [] { return step(list()); }, [] { return press(list()); },
             [] { return turn(list(), 1); }, [] { return turn(list(), -1); }}};
}

const SetupList& tank1List() { return tankSetupList(1); }
const SetupList& tank2List() { return tankSetupList(2); }

const ScreenKeyHelp help[] = {
    listHelp<fuelSetupList, backToMainMenu>(fuelSetupScreen),
    listHelp<tank1List, backToFuelSetup>(tank1SetupScreen),
    listHelp<tank2List, backToFuelSetup>(tank2SetupScreen),
    listHelp<pressureSetupList, backToFuelSetup>(pressureSetupScreen),
    listHelp<miscSetupList, backToMainMenu>(miscSetupScreen),
};

} // namespace

std::span<const ScreenKeyHelp> setupListKeyHelp() { return help; }
