#include "tests/fuzz/firmware_events.h"

#include <cstdio>
#include <cstring>

#include "sim/simulator.h"
#include "sim/settings_ranges.h"

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
    const EventTarget& sim;
    ByteReader input;
    PassCheck check;
    void* context;
    uint32_t passes = 0;
    const char* failure = nullptr;

    bool over() const { return failure != nullptr || passes >= passBudget; }

    void pass()
    {
        if (!sim.mainLoopRuns() || over())
            return;
        sim.pass();
        ++passes;
        if (const char* broken = check(context)) {
            std::snprintf(message, sizeof message, "after pass %u: %s", static_cast<unsigned>(passes),
                          broken);
            failure = message;
        }
    }

    void keyThenPass(uint8_t arg)
    {
        sim.postKey(static_cast<uint8_t>(arg % 5 + 1));
        pass();
    }

    void moveInput(uint8_t arg)
    {
        const int index = arg % eventInputCount();
        const uint16_t low = input.next();
        const uint32_t raw = low | static_cast<uint16_t>(input.next() << 8);
        if (const Qs9Input* row = qs9InputAt(index))
            sim.setInput(row->name, raw % (row->maximum + 1u));
        else if (const char* name = qs9HostInputName(index - qs9InputCount());
                 sim.setValue(name, raw) == QS9_ERROR_RANGE)
            sim.setValue(name, raw % 256);
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
                sim.tick();
            break;
        case eventInput:
            moveInput(arg);
            break;
        case eventVrax:
            sim.setInput("vrax", arg & 1);
            break;
        case eventPower:
            if (arg & 1)
                sim.powerOn();
            else
                sim.powerOff();
            break;
        case eventKeyOnly:
            sim.postKey(static_cast<uint8_t>(arg % 5 + 1));
            break;
        }
    }
};

bool onInstrumentScreen()
{
    const char* current = qs9CurrentScreenName();
    for (int i = 0; i < qs9ScreenCount(); ++i)
        if (std::strcmp(qs9ScreenName(i), current) == 0)
            return true;
    return false;
}

int64_t pendingKey()
{
    int64_t key = 0;
    qs9ReadValue("pendingKey", &key);
    return key;
}

} // namespace

int eventInputCount()
{
    int hostInputs = 0;
    while (qs9HostInputName(hostInputs))
        ++hostInputs;
    return qs9InputCount() + hostInputs;
}

const char* eventInputName(int index, bool& row)
{
    row = index >= 0 && index < qs9InputCount();
    return row ? qs9InputAt(index)->name : qs9HostInputName(index - qs9InputCount());
}

const char* brokenInvariant()
{
    static char text[128];
    if (const int64_t key = pendingKey(); key != 0) {
        std::snprintf(text, sizeof text, "pendingKey = %u (on %s)", static_cast<unsigned>(key),
                      qs9CurrentScreenName());
        return text;
    }
    if (!onInstrumentScreen())
        return "currentScreen is not one of the instrument's screens";
    uint8_t index = 0;
    if (const SettingRange* range = firstSettingOutOfRange(&index)) {
        char element[8] = "";
        if (range->count > 1)
            std::snprintf(element, sizeof element, "[%u]", index);
        std::snprintf(text, sizeof text, "settings.%s%s = %d outside %d..%d (on %s)", range->name, element,
                      static_cast<int>(range->read(settings, index)), static_cast<int>(range->min),
                      static_cast<int>(settingMax(*range)), qs9CurrentScreenName());
        return text;
    }
    return nullptr;
}

const EventTarget linkedSimulator = {
    qs9ProgramStart, qs9PowerOn, qs9PowerOff, qs9MainLoopRuns, qs9Pass,
    qs9Tick,         qs9PostKey, qs9FindInput, qs9SetInput,     qs9SetValue,
};

const char* driveEvents(const EventTarget& target, const uint8_t* data, size_t size, PassCheck check,
                        void* context)
{
    target.programStart();
    target.powerOn();
    Run run{target, {data, size}, check, context};
    while (!run.input.done() && !run.over())
        run.event();
    return run.failure;
}

const char* replayEvents(const uint8_t* data, size_t size)
{
    return driveEvents(linkedSimulator, data, size, [](void*) { return brokenInvariant(); }, nullptr);
}
