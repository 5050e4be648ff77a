#include "host/front_panel.h"

#include <cstring>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"

namespace {

// The push buttons and the knob are click areas over the photograph; the
// knob's turns are the "+" and "-" buttons below it, or the mouse wheel over
// the knob: a notch away from the user turns it "+", as a clockwise turn does.
const FrontPanelKey keys[] = {
    {keyLeft, "left", "Image2", "left push button", {52, 192, 33, 33}, nullptr, "Ctrl+Left", false, 0},
    {keyRight, "right", "Image3", "right push button", {154, 192, 33, 33}, nullptr, "Ctrl+Right", false, 0},
    {keyPress, "press", "Image8", "knob pressed", {100, 196, 41, 41}, nullptr, "Ctrl+Return", true, 0},
    {keyPlus, "plus", "Button3", "knob turned \"+\"", {64, 232, 33, 25}, "+", "Ctrl+Up", false, +1},
    {keyMinus, "minus", "Button4", "knob turned \"-\"", {144, 232, 33, 25}, "-", "Ctrl+Down", false, -1},
};

// The flow sliders feed both the instrument's own input and the VRAX copy.
// The level and pressure converters read up to 4096, not 4095.
const SensorSlider sliders[] = {
    {"flow1", "Fuel Flow1:", 65535, [](uint16_t v) { flow1Input = v; vrax.flow1 = v; },
     "ScrollBar29", "Label57", 16, 72},
    {"level1", "Fuel Level1:", 4096, [](uint16_t v) { level1Input = v; },
     "ScrollBar30", "Label60", 40, 72},
    {"flow2", "Fuel Flow2:", 65535, [](uint16_t v) { flow2Input = v; vrax.flow2 = v; },
     "ScrollBar31", "Label62", 64, 72},
    {"level2", "Fuel Level2:", 4096, [](uint16_t v) { level2Input = v; },
     "ScrollBar32", "Label61", 88, 72},
    {"pressure", "Fuel Pressure:", 4096, [](uint16_t v) { pressureInput = v; },
     "ScrollBar2", "Label6", 112, 80},
};

template <typename T, std::size_t N>
const T* findByName(const T (&table)[N], const char* name)
{
    for (const T& entry : table)
        if (std::strcmp(entry.scriptName, name) == 0)
            return &entry;
    return nullptr;
}

} // namespace

std::span<const FrontPanelKey> frontPanelKeys() { return keys; }
std::span<const SensorSlider> sensorSliders() { return sliders; }
const FrontPanelKey* findKey(const char* name) { return findByName(keys, name); }

const FrontPanelKey* keyForWheelNotch(int notch)
{
    for (const FrontPanelKey& k : keys)
        if (k.wheelNotch != 0 && k.wheelNotch == notch)
            return &k;
    return nullptr;
}
const SensorSlider* findSlider(const char* name) { return findByName(sliders, name); }
