// The runner's inputs: the window's power buttons, main loop, keys, timer
// and controls, and the settings and inputs that "set" writes by name.
#include <iterator>
#include <string>
#include <vector>

#include "script/script_arguments.h"
#include "script/script_commands.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

uint32_t countOrOne(Arguments arguments, const char* what)
{
    return arguments.empty() ? 1 : parseNumber(arguments[0], what);
}

// The passes a "pass [N]" or "frame [N]" line asks for; a bad line while the
// instrument is off.
uint32_t passesAsked(ScriptSession& session, Arguments arguments, const std::string& command = "pass")
{
    const uint32_t passes = countOrOne(arguments, (command + " count").c_str());
    if (!session.inputs.poweredOn())
        throw ScriptError{command + " while the instrument is off: \"on\" first"};
    return passes;
}

uint32_t ticksAsked(Arguments arguments) { return countOrOne(arguments, "tick count"); }

// What a player waits for in place of a "pass" or "tick" line.
PlayerWait passWait(ScriptSession& session, Arguments arguments)
{
    return {WaitKind::passes, passesAsked(session, arguments)};
}

PlayerWait frameWait(ScriptSession& session, Arguments arguments)
{
    return {WaitKind::frames, passesAsked(session, arguments, "frame")};
}

PlayerWait tickWait(ScriptSession&, Arguments arguments) { return {WaitKind::ticks, ticksAsked(arguments)}; }

void powerOn(ScriptSession& session, Arguments) { session.inputs.powerOn(); }

void powerOffCommand(ScriptSession& session, Arguments) { session.inputs.powerOff(); }

// Each text of the pass that is running, as drawn.
void recordText(void* texts, uint16_t startX, int16_t y, uint8_t fontSize, uint8_t colour,
                const char* text)
{
    static_cast<std::vector<DrawnText>*>(texts)->push_back(
        {startX, y, fontSize, colour, text ? text : ""});
}

// Stops observing however the passes end.
struct TextsObserved {
    explicit TextsObserved(std::vector<DrawnText>& texts) { qs9ObserveTexts(recordText, &texts); }
    ~TextsObserved() { qs9ObserveTexts(nullptr, nullptr); }
};

void pass(ScriptSession& session, Arguments arguments)
{
    const uint32_t passes = passesAsked(session, arguments);
    for (uint32_t n = 0; n < passes; ++n)
        runFullPass(session, n + 1 == passes);
}

// A paced host's frames between its measurement periods.
void frame(ScriptSession& session, Arguments arguments)
{
    const uint32_t frames = passesAsked(session, arguments, "frame");
    for (uint32_t n = 0; n < frames; ++n)
        runPassWithoutFlow(session, n + 1 == frames);
}

void key(ScriptSession& session, Arguments arguments)
{
    const std::string& name = arguments[0];
    for (int i = 0; i < qs9KeyCount(); ++i) {
        const Qs9Key* panelKey = qs9KeyAt(i);
        if (name == panelKey->name || name == std::to_string(panelKey->key)) {
            session.inputs.postKey(panelKey->key);
            return;
        }
    }
    throw ScriptError{"unknown key " + quotedText(name) +
                      ": left, right, press, plus, minus or 1..5"};
}

void tick(ScriptSession& session, Arguments arguments)
{
    const uint32_t ticks = ticksAsked(arguments);
    for (uint32_t n = 0; n < ticks; ++n) {
        session.countStep();
        qs9Tick();
        session.ticked();
    }
}

// "flow1, level1, ... or vraxpressure": the sliders (or the check boxes) of
// the window's input table.
std::string inputNames(uint8_t kind)
{
    std::vector<std::string> names;
    for (int i = 0; i < qs9InputCount(); ++i)
        if (qs9InputAt(i)->kind == kind)
            names.push_back(qs9InputAt(i)->name);
    std::string list;
    for (size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return list;
}

void slider(ScriptSession& session, Arguments arguments)
{
    const Qs9Input* sensor = qs9FindInput(arguments[0].c_str());
    if (!sensor || sensor->kind != QS9_INPUT_SLIDER)
        throw ScriptError{"unknown slider " + quotedText(arguments[0]) + ": " + inputNames(QS9_INPUT_SLIDER)};
    const uint32_t position = parseNumber(arguments[1], "slider value");
    if (position > sensor->maximum)
        throw ScriptError{"slider value " + std::to_string(position) + " out of range 0.." +
                          std::to_string(sensor->maximum) + " for " + sensor->name};
    session.inputs.moveInput(*sensor, position);
}

// Ticks ("on") or clears ("off") one of the window's check boxes.
void setCheckBox(ScriptSession& session, const Qs9Input& box, const std::string& state)
{
    if (state != "on" && state != "off")
        throw ScriptError{std::string(box.name) + " takes on or off, not " + quotedText(state)};
    session.inputs.moveInput(box, state == "on" ? 1 : 0);
}

void vraxBox(ScriptSession& session, Arguments arguments) { setCheckBox(session, *qs9FindInput("vrax"), arguments[0]); }

void checkBox(ScriptSession& session, Arguments arguments)
{
    const std::string& name = arguments[0];
    const Qs9Input* box = qs9FindInput(name.c_str());
    if (!box || box->kind != QS9_INPUT_CHECK_BOX)
        throw ScriptError{"unknown check box " + quotedText(name) + ": " + inputNames(QS9_INPUT_CHECK_BOX)};
    setCheckBox(session, *box, arguments[1]);
}

void set(ScriptSession& session, Arguments arguments)
{
    const std::string& name = arguments[0];
    if (name.find('\0') != std::string::npos)
        throw ScriptError{"unknown name " + quotedText(name)};
    const int64_t value = parseSignedNumber(arguments[1], "value");
    if (session.inputs.setValue(name.c_str(), value) != QS9_OK)
        throw ScriptError{qs9LastError()};
}

constexpr CommandKind input = CommandKind::input;

const ScriptCommand commands[] = {
    {"on", "on", 0, 0, input, powerOn},
    {"off", "off", 0, 0, input, powerOffCommand},
    {"pass", "pass [N]", 0, 1, input, pass, false, passWait},
    {"frame", "frame [N]", 0, 1, input, frame, false, frameWait},
    {"key", "key left|right|press|plus|minus|1..5", 1, 1, input, key},
    {"tick", "tick [N]", 0, 1, input, tick, false, tickWait},
    {"slider", "slider NAME VALUE", 2, 2, input, slider},
    {"vrax", "vrax on|off", 1, 1, input, vraxBox},
    {"box", "box NAME on|off", 2, 2, input, checkBox},
    {"set", "set NAME VALUE", 2, 2, input, set},
};

} // namespace

namespace {

void runPassOf(ScriptSession& session, bool keepTexts, void (*firmwarePass)())
{
    session.countStep();
    if (keepTexts) {
        const TextsObserved observed(session.texts);
        session.texts.clear();
        firmwarePass();
    } else {
        firmwarePass();
    }
    session.passDrawn();
}

} // namespace

void runFullPass(ScriptSession& session, bool keepTexts) { runPassOf(session, keepTexts, qs9Pass); }

void runPassWithoutFlow(ScriptSession& session, bool keepTexts) { runPassOf(session, keepTexts, qs9PassWithoutFlow); }

std::span<const ScriptCommand> inputCommands() { return commands; }
