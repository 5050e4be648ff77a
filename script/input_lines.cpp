#include "script/input_lines.h"

#include "sim/simulator.h"

std::string powerLine(bool on) { return on ? "on" : "off"; }

std::string passLine(uint32_t passes) { return "pass " + std::to_string(passes); }

std::string frameLine(uint32_t frames) { return "frame " + std::to_string(frames); }

std::string tickLine(uint32_t ticks) { return "tick " + std::to_string(ticks); }

std::string keyLine(uint8_t key)
{
    for (int i = 0; i < qs9KeyCount(); ++i)
        if (qs9KeyAt(i)->key == key)
            return std::string("key ") + qs9KeyAt(i)->name;
    return "key " + std::to_string(key);
}

std::string inputLine(const char* input, uint32_t position)
{
    const Qs9Input* control = qs9FindInput(input);
    if (control && control->kind == QS9_INPUT_CHECK_BOX) {
        const std::string state = position != 0 ? " on" : " off";
        const std::string name = control->name;
        return (name == "vrax" ? name : "box " + name) + state;
    }
    return std::string("slider ") + input + " " + std::to_string(position);
}

std::string setLine(const char* name, int64_t value) { return std::string("set ") + name + " " + std::to_string(value); }
