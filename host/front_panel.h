// The instrument's front-panel keys and the controls that drive its sensor
// inputs, each named once: the window, the scripted runner, the fuzzer and
// the help text all read these tables.
#pragma once
#include <cstdint>
#include <span>

// A control's place in the window's client area (or in its parent box), pixels.
struct ControlRect {
    int16_t left, top, width, height;
};

struct FrontPanelKey {
    uint8_t key;            // KeyEvent written into pendingKey
    const char* scriptName; // name in the runner's "key" command
    const char* control;    // the window control that makes it
    const char* help;       // what it is on the instrument
    ControlRect area;       // where the control lies in the client area
    const char* caption;    // button caption; nullptr for a click area on the photograph
    const char* shortcut;   // keyboard shortcut, in portable key-sequence text
    bool wheelTurnsKnob;    // the mouse wheel over this click area turns the knob
    int8_t wheelNotch;      // the wheel notch that makes this key: +1 away from the user, -1 towards
};

// The tab pages that hold the sensor controls.
enum class SensorPage : uint8_t {
    fuelData,   // the instrument's own senders
    moreInputs, // inputs the firmware reads that the instrument's window has no control for
};

// A slider with a label that shows its position, or a check box (0 or 1).
enum class SensorControlKind : uint8_t { slider, checkBox };

// A window control that drives a firmware input; its change handler stores
// the new position (or 1 for a ticked box) at once, between main-loop passes.
struct SensorSlider {
    const char* scriptName;     // name in the runner's "slider" command
    const char* caption;        // caption label, or the check box's own text
    uint16_t maximum;           // the range is 0..maximum
    void (*write)(uint16_t position); // what the control's change handler stores
    const char* control;        // the window's slider or check box
    const char* valueLabel;     // the label that shows a slider's position; nullptr for a check box
    SensorPage page;
    SensorControlKind kind;
    int16_t rowTop;             // the row's top in its page's group box
    int16_t valueLabelLeft;     // the value label's left edge in that box
    int16_t sliderLeft;         // the slider's left edge; every slider ends at 233
};

std::span<const FrontPanelKey> frontPanelKeys();
std::span<const SensorSlider> sensorSliders();

const FrontPanelKey* findKey(const char* scriptName);
// The knob turn that one wheel notch makes (+1 away from the user, -1 towards).
const FrontPanelKey* keyForWheelNotch(int notch);
const SensorSlider* findSlider(const char* scriptName);
