// The instrument's front-panel keys and sensor sliders, each named once:
// the window, the scripted runner and the help text all read these tables.
#pragma once
#include <cstdint>
#include <span>

struct FrontPanelKey {
    uint8_t key;            // KeyEvent written into pendingKey
    const char* scriptName; // name in the runner's "key" command
    const char* control;    // the window control that makes it
    const char* help;       // what it is on the instrument
};

struct SensorSlider {
    const char* scriptName;     // name in the runner's "slider" command
    const char* caption;        // caption label in the window
    uint16_t maximum;
    void (*write)(uint16_t position); // what the slider's change handler stores
};

std::span<const FrontPanelKey> frontPanelKeys();
std::span<const SensorSlider> sensorSliders();

const FrontPanelKey* findKey(const char* scriptName);
const SensorSlider* findSlider(const char* scriptName);
