#include "host/front_panel.h"

#include <cstring>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"

namespace {

const FrontPanelKey keys[] = {
    {keyLeft, "left", "Image2", "left push button"},
    {keyRight, "right", "Image3", "right push button"},
    {keyPress, "press", "Image8", "knob pressed"},
    {keyPlus, "plus", "Button3", "knob turned \"+\""},
    {keyMinus, "minus", "Button4", "knob turned \"-\""},
};

// The flow sliders feed both the instrument's own input and the VRAX copy.
const SensorSlider sliders[] = {
    {"flow1", "Fuel Flow1:", 65535, [](uint16_t v) { flow1Input = v; vrax.flow1 = v; }},
    {"level1", "Fuel Level1:", 4096, [](uint16_t v) { level1Input = v; }},
    {"flow2", "Fuel Flow2:", 65535, [](uint16_t v) { flow2Input = v; vrax.flow2 = v; }},
    {"level2", "Fuel Level2:", 4096, [](uint16_t v) { level2Input = v; }},
    {"pressure", "Fuel Pressure:", 4096, [](uint16_t v) { pressureInput = v; }},
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
const SensorSlider* findSlider(const char* name) { return findByName(sliders, name); }
