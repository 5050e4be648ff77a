// Set-up lists: the scrolling menus of the set-up tree, drawn and edited by
// one machinery from a table of rows per screen.
//
// A list screen describes itself as a SetupList and its handler is one call:
//
//     const SetupRow rows[] = {
//         optionRow<&Settings::units, unitNames>("UNIT: "),   // see the row makers below
//         {.label = "K-FACTOR 1: ", .value = kFactor1Text, .change = changeKFactor1,
//          .shown = flow1On, .legend = wholeSteps},   // wholeSteps returns &wholeStepLegend
//         {.label = "TANK 1 SETUP", .press = openTank1Setup},   // a text row
//     };
//     const SetupList fuelList = {"FUEL", "SETUP", rows, std::size(rows),
//                                 RowKeys::whileDrawing, StepKey::anyRow, 100, leaveFuelSetup};
//     void fuelSetupScreen() { runSetupList(fuelList); }
//
// One call of runSetupList: scroll so the cursor row is on screen, title bar,
// the shown rows numbered 0, 1, ... in table order (a hidden row takes no
// number), the step legend after the cursor row when it has one, scroll bar,
// "BACK", then the keys:
//   row keys    the cursor row's knob press (a row with `press` takes it) and,
//               while editing, its "+" / "-" (`change`). When they run is the
//               list's RowKeys: right after the row is drawn (rows drawn later
//               in the same call already follow the change, the row itself shows
//               it next call) or after the whole list is drawn.
//   left        `leave`
//   right       editStep 1, 10, ... `largestStep`, 1; on any row or only on rows
//               that show a step legend (StepKey)
//   knob press  editing on / off
//   "+" / "-"   when not editing: the cursor, wrapping at both ends
//
// Row positions: the tank set-up's fixed positions come out of the same
// numbering, with `shown` on CALIBRATE TANK and FILTER (SENDER only) and on
// LITRE RES (litres, tank in use), which then lands on 8 or 6 as it must.
// A row's `value` runs just before the row is drawn and before it acts, so a
// field that must be brought into range after its row is drawn can be
// corrected there once the text is taken.
// Screens whose rows are not one table (the main menu's pages, calibration
// point editors) use the pieces below directly: moveCursor, cycleEditStep,
// scrollToCursor, stepWrapped, nextOption, drawStepLegend.
#pragma once
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "core/settings.h"

// Texts of the step legend in the right soft-key cell for editStep 1, 10, 100
// and 1000; null where the step has no legend.
struct StepLegend {
    const char* texts[4];
};

struct SetupRow {
    const char* label;
    // The value drawn after the label; null makes a text row: the label alone,
    // red under the cursor (a sub-screen entry).
    const char* (*value)() = nullptr;
    // The edit while editing: direction +1 for knob "+", -1 for knob "-".
    void (*change)(int8_t direction) = nullptr;
    // Knob press on the row; returns true when it took the key (the press
    // then does not toggle editing). Rows without it toggle editing.
    bool (*press)() = nullptr;
    // Null: always shown.
    bool (*shown)() = nullptr;
    // The step legend while the cursor is on the row; null: none.
    const StepLegend* (*legend)() = nullptr;
};

enum class RowKeys : uint8_t {
    whileDrawing, // the cursor row acts right after it is drawn
    afterDrawing, // the cursor row acts after the whole list is drawn
};

enum class StepKey : uint8_t {
    anyRow,        // the right key cycles the step on every row
    legendRowsOnly, // only where a step legend shows; elsewhere it does nothing
};

struct SetupList {
    const char* title;
    const char* subtitle;
    const SetupRow* rows;
    std::size_t rowCount;
    RowKeys rowKeys;
    StepKey stepKey;
    uint16_t largestStep; // the right key cycles 1, 10, ... largestStep, 1
    void (*leave)();      // the left key, also while editing
};

// The whole handler of a list screen: draw, then consume pendingKey.
void runSetupList(const SetupList& list);

// The rows shown now, as the cursor counts them: how many, and the one at an
// index (null beyond the last).
uint8_t shownRowCount(const SetupList& list);
const SetupRow* shownRow(const SetupList& list, uint8_t index);

// Knob "+" gives +1, "-" gives -1, any other key 0.
int8_t knobDirection(uint8_t key);

// menuTop follows the cursor: the cursor row is the bottom row from item 5 on.
void scrollToCursor();
// One item on with wrap-around: after the last comes 0, before 0 the last.
void moveCursor(int8_t direction, uint8_t count);
// The right key's step: 1, 10, 100, ... up to largest, then 1 again.
void cycleEditStep(uint16_t largest);

// Numeric edits by editStep that wrap to the other end: "+" beyond high gives
// low, "-" below low gives high.
int32_t stepWrapped(int32_t value, int8_t direction, int32_t low, int32_t high);
// Next or previous of count options, wrapping at both ends; a value beyond
// the options goes to the first ("+") or the last ("-").
uint8_t nextOption(uint8_t value, uint8_t count, int8_t direction);
// 0 becomes 1, anything else 0.
uint8_t toggled(uint8_t value);

// The option's text; "" for an index beyond the options.
template <std::size_t N>
const char* optionText(const char* const (&options)[N], uint8_t index)
{
    return index < N ? options[index] : "";
}
// printf into the one value buffer, for a row's value text (each row's text
// is drawn before the next row formats its own).
const char* formatValue(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Step legends shared by the lists: whole units, and units of a tenth.
extern const StepLegend wholeStepLegend;  // "X1", "X10", "X100"
extern const StepLegend tenthStepLegend;  // "X0.1", "X1", "X10"
extern const StepLegend readingStepLegend; // "X1", "X10", "X100", "X1000": sender readings
// The legend's text for the current editStep, or for another step; null
// when it has none.
const char* stepLegendText(const StepLegend& legend);
const char* stepLegendText(const StepLegend& legend, uint16_t step);
// That text in the right soft-key cell; nothing when there is none.
void drawStepLegend(const StepLegend& legend);

// The option texts of an on/off setting.
inline constexpr const char* offOnNames[] = {"OFF", "ON"};

// Rows for a settings field with option texts: picked next / previous with
// wrap-around, or switched by either knob direction.
template <uint8_t Settings::*field, const auto& options>
constexpr SetupRow optionRow(const char* label, bool (*shown)() = nullptr)
{
    return {.label = label,
            .value = [] { return optionText(options, settings.*field); },
            .change = [](int8_t d) { settings.*field = nextOption(settings.*field, std::size(options), d); },
            .shown = shown};
}

template <uint8_t Settings::*field, const auto& options>
constexpr SetupRow switchRow(const char* label, bool (*shown)() = nullptr)
{
    return {.label = label,
            .value = [] { return optionText(options, settings.*field); },
            .change = [](int8_t) { settings.*field = toggled(settings.*field); },
            .shown = shown};
}
