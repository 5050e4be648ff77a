// The instrument's front-panel keys and the window's input controls, each
// named once: the window, the scripted runner and the help text all read
// these tables.
#include <cstring>
#include <iterator>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "sim/power_cycle.h"
#include "sim/simulator.h"

// The interface's key numbers are the firmware's key events.
static_assert(int(QS9_KEY_NONE) == keyNone && int(QS9_KEY_LEFT) == keyLeft &&
              int(QS9_KEY_RIGHT) == keyRight && int(QS9_KEY_PRESS) == keyPress &&
              int(QS9_KEY_PLUS) == keyPlus && int(QS9_KEY_MINUS) == keyMinus);

namespace {

// The push buttons and the knob are click areas over the photograph; the
// knob's turns are the "+" and "-" buttons below it, or the mouse wheel over
// the knob: a notch away from the user turns it "+", as a clockwise turn does.
const Qs9Key keys[] = {
    {keyLeft, "left", "Image2", "left push button", {52, 192, 33, 33}, nullptr, "Ctrl+Left", 0, 0},
    {keyRight, "right", "Image3", "right push button", {154, 192, 33, 33}, nullptr, "Ctrl+Right", 0, 0},
    {keyPress, "press", "Image8", "knob pressed", {100, 196, 41, 41}, nullptr, "Ctrl+Return", 1, 0},
    {keyPlus, "plus", "Button3", "knob turned \"+\"", {64, 232, 33, 25}, "+", "Ctrl+Up", 0, +1},
    {keyMinus, "minus", "Button4", "knob turned \"-\"", {144, 232, 33, 25}, "-", "Ctrl+Down", 0, -1},
};

struct InputRow {
    Qs9Input control;
    void (*write)(uint16_t position); // what the control's change stores
    uint16_t (*read)();               // where the control stands, from what it stored
};

constexpr const char* fuelData = "Fuel Data";
constexpr const char* moreInputs = "More Inputs";

// A slider row of the " Fuel Data " box: caption at x 8, its value label,
// the scroll bar at x 112.
constexpr Qs9Input slider(const char* name, const char* caption, uint16_t maximum,
                          const char* control, const char* valueLabel, int16_t top,
                          int16_t valueLabelLeft)
{
    return {name, QS9_INPUT_SLIDER, maximum, 0, fuelData, caption, control, valueLabel,
            {112, top, 121, 17}, valueLabelLeft};
}

// A slider row of the " More Inputs " box: its captions are longer, so the
// value label is at x 88 and the scroll bar at x 120, ending as above.
constexpr Qs9Input moreInput(const char* name, const char* caption, uint16_t maximum,
                             const char* control, const char* valueLabel, int16_t top)
{
    return {name, QS9_INPUT_SLIDER, maximum, 0, moreInputs, caption, control, valueLabel,
            {120, top, 113, 17}, 88};
}

// The flow sliders feed both the instrument's own input and the VRAX copy.
// The level and pressure converters read up to 4096, not 4095. The VRAX box
// is read by each pass rather than written into the firmware.
const InputRow inputs[] = {
    {slider("flow1", "Fuel Flow1:", 65535, "ScrollBar29", "Label57", 16, 72),
     [](uint16_t v) { flow1Input = v; vrax.flow1 = v; }, [] { return flow1Input; }},
    {slider("level1", "Fuel Level1:", 4096, "ScrollBar30", "Label60", 40, 72),
     [](uint16_t v) { level1Input = v; }, [] { return level1Input; }},
    {slider("flow2", "Fuel Flow2:", 65535, "ScrollBar31", "Label62", 64, 72),
     [](uint16_t v) { flow2Input = v; vrax.flow2 = v; }, [] { return flow2Input; }},
    {slider("level2", "Fuel Level2:", 4096, "ScrollBar32", "Label61", 88, 72),
     [](uint16_t v) { level2Input = v; }, [] { return level2Input; }},
    {slider("pressure", "Fuel Pressure:", 4096, "ScrollBar2", "Label6", 112, 80),
     [](uint16_t v) { pressureInput = v; }, [] { return pressureInput; }},
    {{"vrax", QS9_INPUT_CHECK_BOX, 1, 1, fuelData, "VRAX On/Off", "CheckBox4", nullptr,
      {8, 160, 97, 17}, 0},
     [](uint16_t v) { vraxBoxChecked = uint8_t(v); }, [] { return uint16_t(vraxBoxChecked); }},

    // Inputs the firmware reads that the instrument's window has no control
    // for: the ground speed from the navigation input (in the speed unit of
    // the settings) and whether it is valid, the ambient light sensor, the
    // 4-20 mA loop sender, and the remote unit's level and pressure converters.
    {moreInput("gps", "GPS Speed:", 999, "ScrollBarGpsSpeed", "LabelGpsSpeed", 16),
     [](uint16_t v) { gpsSpeed = v; }, [] { return gpsSpeed; }},
    {{"gpsvalid", QS9_INPUT_CHECK_BOX, 1, 0, moreInputs, "GPS valid", "CheckBoxGpsValid", nullptr,
      {16, 48, 97, 17}, 0},
     [](uint16_t v) { gpsSpeedValid = uint8_t(v); }, [] { return uint16_t(gpsSpeedValid); }},
    {moreInput("light", "Light Sensor:", 4096, "ScrollBarLight", "LabelLight", 64),
     [](uint16_t v) { lightSensorInput = v; }, [] { return lightSensorInput; }},
    {moreInput("loop", "4-20 mA Loop:", 4096, "ScrollBarLoop", "LabelLoop", 88),
     [](uint16_t v) { pressureLoopInput = v; }, [] { return pressureLoopInput; }},
    {moreInput("vraxlevel1", "VRAX Level1:", 4096, "ScrollBarVraxLevel1", "LabelVraxLevel1", 112),
     [](uint16_t v) { vrax.level1 = v; }, [] { return vrax.level1; }},
    {moreInput("vraxlevel2", "VRAX Level2:", 4096, "ScrollBarVraxLevel2", "LabelVraxLevel2", 136),
     [](uint16_t v) { vrax.level2 = v; }, [] { return vrax.level2; }},
    {moreInput("vraxpressure", "VRAX Pressure:", 4096, "ScrollBarVraxPressure", "LabelVraxPressure", 160),
     [](uint16_t v) { vrax.pressure = v; }, [] { return vrax.pressure; }},
};

template <typename Row, std::size_t N>
const Row* rowAt(const Row (&table)[N], int index)
{
    return index >= 0 && index < int(N) ? &table[index] : nullptr;
}

const InputRow* findInputRow(const char* name)
{
    for (const InputRow& row : inputs)
        if (name != nullptr && std::strcmp(row.control.name, name) == 0)
            return &row;
    return nullptr;
}

} // namespace

extern "C" {

int qs9KeyCount(void) { return int(std::size(keys)); }
const Qs9Key* qs9KeyAt(int index) { return rowAt(keys, index); }

const Qs9Key* qs9KeyForWheelNotch(int notch)
{
    for (const Qs9Key& k : keys)
        if (k.wheelNotch != 0 && k.wheelNotch == notch)
            return &k;
    return nullptr;
}

int qs9PostKey(uint8_t key)
{
    if (key < keyLeft || key > keyMinus)
        return QS9_ERROR_RANGE;
    if (pendingKey != keyNone)
        return QS9_KEY_DROPPED;
    postKey(key);
    return QS9_OK;
}

int qs9InputCount(void) { return int(std::size(inputs)); }

const Qs9Input* qs9InputAt(int index)
{
    const InputRow* row = rowAt(inputs, index);
    return row ? &row->control : nullptr;
}

const Qs9Input* qs9FindInput(const char* name)
{
    const InputRow* row = findInputRow(name);
    return row ? &row->control : nullptr;
}

int qs9SetInput(const char* name, uint32_t value)
{
    const InputRow* row = findInputRow(name);
    if (!row)
        return QS9_ERROR_UNKNOWN;
    if (value > row->control.maximum)
        return QS9_ERROR_RANGE;
    row->write(uint16_t(value));
    return QS9_OK;
}

int qs9InputPosition(const char* name, uint32_t* position)
{
    const InputRow* row = findInputRow(name);
    if (!row || position == nullptr)
        return QS9_ERROR_UNKNOWN;
    *position = row->read();
    return QS9_OK;
}

} // extern "C"
