// The instrument's front-panel keys and sensor sliders, each named once:
// the window, the scripted runner and the help text all read these tables.
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

struct SensorSlider {
    const char* scriptName;     // name in the runner's "slider" command
    const char* caption;        // caption label in the window
    uint16_t maximum;
    void (*write)(uint16_t position); // what the slider's change handler stores
    const char* scrollBar;      // the window's slider control
    const char* valueLabel;     // the label that shows the position
    int16_t rowTop;             // the row's top in the " Fuel Data " box
    int16_t valueLabelLeft;     // the value label's left edge in that box
};

std::span<const FrontPanelKey> frontPanelKeys();
std::span<const SensorSlider> sensorSliders();

const FrontPanelKey* findKey(const char* scriptName);
// The knob turn that one wheel notch makes (+1 away from the user, -1 towards).
const FrontPanelKey* keyForWheelNotch(int notch);
const SensorSlider* findSlider(const char* scriptName);
