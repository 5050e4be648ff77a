#include "tests/fuzz/walk_events.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "script/script_arguments.h"
#include "script/script_lines.h"
#include "tests/fuzz/firmware_events.h"

namespace {

constexpr uint32_t mostPerEvent = 32; // the five bits of an event's argument

struct Encoder {
    std::vector<uint8_t> events;
    bool opened = false; // the first input line, "on", is the run's start

    void event(FuzzEventKind kind, uint32_t arg) { events.push_back(uint8_t(kind << 5 | arg)); }

    // Passes or ticks, as many events as the count needs.
    void counted(FuzzEventKind kind, const std::vector<std::string>& arguments, const char* what)
    {
        for (uint32_t count = arguments.empty() ? 1 : parseNumber(arguments[0], what); count > 0;) {
            const uint32_t now = std::min(count, mostPerEvent);
            event(kind, now - 1);
            count -= now;
        }
    }

    void input(const std::string& name, bool row, uint32_t value)
    {
        bool isRow = false;
        int index = 0;
        while (index < eventInputCount() && (eventInputName(index, isRow) != name || isRow != row))
            ++index;
        if (index == eventInputCount())
            throw ScriptError{"no input event moves " + name};
        if (uint32_t(index) >= mostPerEvent || value > 0xFFFF)
            throw ScriptError{"an input event cannot say " + name + " " + std::to_string(value)};
        event(eventInput, uint32_t(index));
        events.push_back(uint8_t(value & 0xFF));
        events.push_back(uint8_t(value >> 8));
    }

    static uint32_t boxState(const std::string& state)
    {
        if (state != "on" && state != "off")
            throw ScriptError{"a check box is on or off, not " + state};
        return state == "on" ? 1 : 0;
    }

    void key(const std::string& name)
    {
        for (int i = 0; i < qs9KeyCount(); ++i)
            if (name == qs9KeyAt(i)->name || name == std::to_string(qs9KeyAt(i)->key))
                return event(eventKeyOnly, qs9KeyAt(i)->key - 1u);
        throw ScriptError{"unknown key " + name};
    }

    void line(const ScriptLine& parsed)
    {
        if (!parsed.command || !parsed.command->isInput())
            return;
        const std::string name = parsed.command->name;
        const std::vector<std::string>& arguments = parsed.arguments;
        const bool first = !opened;
        opened = true;
        if (name == "on" && !first)
            event(eventPower, 1);
        else if (name == "off")
            event(eventPower, 0);
        else if (name == "pass")
            counted(eventPasses, arguments, "pass count");
        else if (name == "tick")
            counted(eventTicks, arguments, "tick count");
        else if (name == "key")
            key(arguments[0]);
        else if (name == "slider")
            input(arguments[0], true, parseNumber(arguments[1], "slider value"));
        else if (name == "vrax" || name == "box")
            input(name == "vrax" ? name : arguments[0], true, boxState(arguments.back()));
        else if (name == "set")
            input(arguments[0], false, parseNumber(arguments[1], "value"));
        if (first && name != "on")
            throw ScriptError{"a walk opens with \"on\""};
    }
};

} // namespace

std::vector<uint8_t> walkEvents(std::string_view walk)
{
    Encoder encoder;
    const std::vector<std::string> lines = scriptLines(walk);
    for (size_t n = 0; n < lines.size(); ++n) {
        try {
            encoder.line(parseLine(lines[n]));
        } catch (const ScriptError& error) {
            throw std::invalid_argument("line " + std::to_string(n + 1) + ": " + error.message);
        }
    }
    return encoder.events;
}

std::vector<SeedWalk> readSeedWalks(const char* directory)
{
    std::vector<SeedWalk> walks;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(directory)) {
        if (entry.path().extension() != ".qs9")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        try {
            walks.push_back({entry.path().stem().string(), walkEvents(text)});
        } catch (const std::invalid_argument& fault) {
            throw std::invalid_argument(entry.path().string() + ": " + fault.what());
        }
    }
    std::sort(walks.begin(), walks.end(), [](const SeedWalk& a, const SeedWalk& b) { return a.name < b.name; });
    return walks;
}
