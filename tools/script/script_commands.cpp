// The runner's commands: the window's controls, power cycle and main loop,
// and what a script reads back from the firmware.
#include "tools/script/script_commands.h"

#include <cstdint>
#include <string>
#include <vector>

#include "sim/simulator.h"
#include "tools/script/display_pictures.h"

namespace {

uint32_t countOrOne(Arguments arguments, const char* what)
{
    return arguments.empty() ? 1 : parseNumber(arguments[0], what);
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

void powerOn(ScriptSession& session, Arguments)
{
    qs9PowerOn();
    session.running = true;
}

void powerOffCommand(ScriptSession& session, Arguments)
{
    qs9PowerOff();
    session.running = false;
}

// Each text of the pass that is running, as drawn.
void recordText(void* texts, uint16_t startX, int16_t y, uint8_t fontSize, uint8_t colour,
                const char* text)
{
    static_cast<std::vector<DrawnText>*>(texts)->push_back(
        {startX, y, fontSize, colour, text ? text : ""});
}

void pass(ScriptSession& session, Arguments arguments)
{
    const uint32_t passes = countOrOne(arguments, "pass count");
    if (!session.running)
        throw ScriptError{"pass while the instrument is off: \"on\" first"};
    qs9ObserveTexts(recordText, &session.texts);
    for (uint32_t n = 0; n < passes; ++n) {
        session.texts.clear();
        qs9Pass();
    }
    qs9ObserveTexts(nullptr, nullptr);
}

void key(ScriptSession&, Arguments arguments)
{
    const std::string name(arguments[0]);
    for (int i = 0; i < qs9KeyCount(); ++i) {
        const Qs9Key* panelKey = qs9KeyAt(i);
        if (name == panelKey->name || name == std::to_string(panelKey->key)) {
            qs9PostKey(panelKey->key);
            return;
        }
    }
    throw ScriptError{"unknown key " + quoted(name) +
                      ": left, right, press, plus, minus or 1..5"};
}

void tick(ScriptSession&, Arguments arguments)
{
    const uint32_t ticks = countOrOne(arguments, "tick count");
    for (uint32_t n = 0; n < ticks; ++n)
        qs9Tick();
}

// "flow1, level1, ... or vraxpressure": the sliders of the window's input table.
std::string sliderNames()
{
    std::vector<std::string> names;
    for (int i = 0; i < qs9InputCount(); ++i)
        if (qs9InputAt(i)->kind == QS9_INPUT_SLIDER)
            names.push_back(qs9InputAt(i)->name);
    std::string list;
    for (size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return list;
}

void slider(ScriptSession&, Arguments arguments)
{
    const Qs9Input* sensor = qs9FindInput(std::string(arguments[0]).c_str());
    if (!sensor || sensor->kind != QS9_INPUT_SLIDER)
        throw ScriptError{"unknown slider " + quoted(arguments[0]) + ": " + sliderNames()};
    const uint32_t position = parseNumber(arguments[1], "slider value");
    if (qs9SetInput(sensor->name, position) == QS9_ERROR_RANGE)
        throw ScriptError{"slider value " + std::to_string(position) + " out of range 0.." +
                          std::to_string(sensor->maximum) + " for " + sensor->name};
}

// Ticks ("on") or clears ("off") one of the window's check boxes.
void setCheckBox(const std::string& name, std::string_view state)
{
    if (state != "on" && state != "off")
        throw ScriptError{name + " takes on or off, not " + quoted(state)};
    qs9SetInput(name.c_str(), state == "on" ? 1 : 0);
}

void vraxBox(ScriptSession&, Arguments arguments) { setCheckBox("vrax", arguments[0]); }

void checkBox(ScriptSession&, Arguments arguments)
{
    const std::string name(arguments[0]);
    const Qs9Input* box = qs9FindInput(name.c_str());
    if (!box || box->kind != QS9_INPUT_CHECK_BOX)
        throw ScriptError{"unknown check box " + quoted(name) + ": vrax or gpsvalid"};
    setCheckBox(name, arguments[1]);
}

// "NAME = VALUE", NAME as the script wrote it (with an index for an array
// element). The lookup reads a name up to its first NUL byte, so a name
// holding one is no name.
std::string printedValue(std::string_view name)
{
    if (name.find('\0') != std::string_view::npos)
        throw ScriptError{"unknown name " + quoted(name)};
    char value[64];
    if (qs9FormatValue(std::string(name).c_str(), value, sizeof value) != QS9_OK)
        throw ScriptError{qs9LastError()};
    return std::string(name) + " = " + value;
}

void print(ScriptSession& session, Arguments arguments)
{
    std::string lines;
    for (std::string_view name : arguments)
        lines += printedValue(name) + '\n';
    session.out << lines;
}

// Quotes and backslashes escaped, bytes outside printable ASCII as \xNN.
std::string escapedText(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string escaped;
    for (unsigned char c : text) {
        if (c == '"' || c == '\\')
            escaped += {'\\', static_cast<char>(c)};
        else if (c < 0x20 || c > 0x7e)
            escaped += {'\\', 'x', hex[c >> 4], hex[c & 15]};
        else
            escaped += static_cast<char>(c);
    }
    return escaped;
}

void texts(ScriptSession& session, Arguments)
{
    for (const DrawnText& t : session.texts)
        session.out << t.startX << ' ' << t.y << ' ' << unsigned(t.fontSize) << ' '
                    << unsigned(t.colour) << " \"" << escapedText(t.text) << "\"\n";
}

uint32_t coordinate(std::string_view text, const char* what, int size)
{
    const uint32_t value = parseNumber(text, what);
    if (value >= uint32_t(size))
        throw ScriptError{std::string(what) + " " + std::to_string(value) + " out of range 0.." +
                          std::to_string(size - 1)};
    return value;
}

void pixel(ScriptSession& session, Arguments arguments)
{
    const uint32_t x = coordinate(arguments[0], "x", QS9_DISPLAY_WIDTH);
    const uint32_t y = coordinate(arguments[1], "y", QS9_DISPLAY_HEIGHT);
    session.out << x << ' ' << y << " = " << unsigned(qs9FrameBuffer()[x + QS9_DISPLAY_WIDTH * y])
                << '\n';
}

void shot(ScriptSession&, Arguments arguments)
{
    const std::string file(arguments[0]);
    const std::string fault = writeDisplayPng(file, qs9FrameBuffer(), qs9Palette());
    if (!fault.empty())
        throw ScriptError{"cannot write " + quoted(file) + ": " + fault};
}

const ScriptCommand commands[] = {
    {"on", "on", 0, 0, powerOn},
    {"off", "off", 0, 0, powerOffCommand},
    {"pass", "pass [N]", 0, 1, pass},
    {"key", "key left|right|press|plus|minus|1..5", 1, 1, key},
    {"tick", "tick [N]", 0, 1, tick},
    {"slider", "slider NAME VALUE", 2, 2, slider},
    {"vrax", "vrax on|off", 1, 1, vraxBox},
    {"box", "box NAME on|off", 2, 2, checkBox},
    {"print", "print NAME...", 1, SIZE_MAX, print},
    {"texts", "texts", 0, 0, texts},
    {"pixel", "pixel X Y", 2, 2, pixel},
    {"shot", "shot FILE", 1, 1, shot},
};

} // namespace

std::span<const ScriptCommand> scriptCommands() { return commands; }
