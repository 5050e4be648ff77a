#include "tests/fuzz/firmware_events.h"

#include <cstdio>

#include "core/keys_and_time.h"
#include "core/settings_ranges.h"
#include "host/front_panel.h"
#include "host/power_cycle.h"
#include "screens/screen_names.h"

namespace {

constexpr uint32_t passBudget = 1000;

char message[160];

// Reads the input front to back; past the end every byte is 0.
struct ByteReader {
    const uint8_t* data;
    size_t size;
    size_t at = 0;

    bool done() const { return at >= size; }
    uint8_t next() { return at < size ? data[at++] : 0; }
};

struct Run {
    ByteReader input;
    bool vraxChecked = true;
    uint32_t passes = 0;
    const char* failure = nullptr;

    bool over() const { return failure != nullptr || passes >= passBudget; }

    void pass()
    {
        if (powerOff != 0 || over())
            return;
        firmwarePass(vraxChecked);
        ++passes;
        if (const char* broken = brokenInvariant()) {
            std::snprintf(message, sizeof message, "after pass %u: %s", static_cast<unsigned>(passes),
                          broken);
            failure = message;
        }
    }

    void keyThenPass(uint8_t arg)
    {
        postKey(static_cast<uint8_t>(arg % 5 + 1));
        pass();
    }

    void moveSlider(uint8_t arg)
    {
        const SensorSlider& slider = sensorSliders()[arg % sensorSliders().size()];
        const uint16_t low = input.next();
        const uint32_t raw = low | static_cast<uint16_t>(input.next() << 8);
        slider.write(static_cast<uint16_t>(raw % (slider.maximum + 1u)));
    }

    void event()
    {
        const uint8_t opcode = input.next();
        const uint8_t arg = opcode & 0x1f;
        switch (opcode >> 5) {
        case eventKeyPass:
            keyThenPass(arg);
            break;
        case eventKeyRepeat:
            for (int n = input.next() % 64 + 1; n > 0 && !over(); --n)
                keyThenPass(arg);
            break;
        case eventPasses:
            for (int n = arg + 1; n > 0; --n)
                pass();
            break;
        case eventTicks:
            for (int n = arg + 1; n > 0; --n)
                timeBaseTick();
            break;
        case eventSlider:
            moveSlider(arg);
            break;
        case eventVrax:
            vraxChecked = (arg & 1) != 0;
            break;
        case eventPower:
            if (arg & 1)
                powerOnSequence();
            else
                powerOff = 1;
            break;
        case eventKeyOnly:
            postKey(static_cast<uint8_t>(arg % 5 + 1));
            break;
        }
    }
};

bool isInstrumentScreen(ScreenHandler handler)
{
    for (const NamedScreen& screen : instrumentScreens())
        if (screen.handler == handler)
            return true;
    return false;
}

} // namespace

const char* brokenInvariant()
{
    static char text[128];
    if (pendingKey != 0) {
        std::snprintf(text, sizeof text, "pendingKey = %u (on %s)", pendingKey, screenName(currentScreen));
        return text;
    }
    if (!isInstrumentScreen(currentScreen))
        return "currentScreen is not one of the instrument's screens";
    uint8_t index = 0;
    if (const SettingRange* range = firstSettingOutOfRange(&index)) {
        char element[8] = "";
        if (range->count > 1)
            std::snprintf(element, sizeof element, "[%u]", index);
        std::snprintf(text, sizeof text, "settings.%s%s = %d outside %d..%d (on %s)", range->name, element,
                      static_cast<int>(range->read(index)), static_cast<int>(range->min),
                      static_cast<int>(settingMax(*range)), screenName(currentScreen));
        return text;
    }
    return nullptr;
}

const char* replayEvents(const uint8_t* data, size_t size)
{
    resetToProgramStart();
    powerOnSequence();
    Run run{{data, size}};
    while (!run.input.done() && !run.over())
        run.event();
    return run.failure;
}
