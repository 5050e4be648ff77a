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
constexpr auto fuelData = SensorPage::fuelData;
constexpr auto moreInputs = SensorPage::moreInputs;
constexpr auto slider = SensorControlKind::slider;
constexpr auto checkBox = SensorControlKind::checkBox;
const SensorSlider sliders[] = {
    {"flow1", "Fuel Flow1:", 65535, [](uint16_t v) { flow1Input = v; vrax.flow1 = v; },
     "ScrollBar29", "Label57", fuelData, slider, 16, 72, 112},
    {"level1", "Fuel Level1:", 4096, [](uint16_t v) { level1Input = v; },
     "ScrollBar30", "Label60", fuelData, slider, 40, 72, 112},
    {"flow2", "Fuel Flow2:", 65535, [](uint16_t v) { flow2Input = v; vrax.flow2 = v; },
     "ScrollBar31", "Label62", fuelData, slider, 64, 72, 112},
    {"level2", "Fuel Level2:", 4096, [](uint16_t v) { level2Input = v; },
     "ScrollBar32", "Label61", fuelData, slider, 88, 72, 112},
    {"pressure", "Fuel Pressure:", 4096, [](uint16_t v) { pressureInput = v; },
     "ScrollBar2", "Label6", fuelData, slider, 112, 80, 112},

    // The ground speed from the navigation input, in the speed unit of the
    // settings, and whether it is valid; the ambient light sensor; the 4-20 mA
    // loop sender; the remote unit's level and pressure converters.
    {"gps", "GPS Speed:", 999, [](uint16_t v) { gpsSpeed = v; },
     "ScrollBarGpsSpeed", "LabelGpsSpeed", moreInputs, slider, 16, 88, 120},
    {"gpsvalid", "GPS valid", 1, [](uint16_t v) { gpsSpeedValid = static_cast<uint8_t>(v); },
     "CheckBoxGpsValid", nullptr, moreInputs, checkBox, 40, 0, 0},
    {"light", "Light Sensor:", 4096, [](uint16_t v) { lightSensorInput = v; },
     "ScrollBarLight", "LabelLight", moreInputs, slider, 64, 88, 120},
    {"loop", "4-20 mA Loop:", 4096, [](uint16_t v) { pressureLoopInput = v; },
     "ScrollBarLoop", "LabelLoop", moreInputs, slider, 88, 88, 120},
    {"vraxlevel1", "VRAX Level1:", 4096, [](uint16_t v) { vrax.level1 = v; },
     "ScrollBarVraxLevel1", "LabelVraxLevel1", moreInputs, slider, 112, 88, 120},
    {"vraxlevel2", "VRAX Level2:", 4096, [](uint16_t v) { vrax.level2 = v; },
     "ScrollBarVraxLevel2", "LabelVraxLevel2", moreInputs, slider, 136, 88, 120},
    {"vraxpressure", "VRAX Pressure:", 4096, [](uint16_t v) { vrax.pressure = v; },
     "ScrollBarVraxPressure", "LabelVraxPressure", moreInputs, slider, 160, 88, 120},
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
