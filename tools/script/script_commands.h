// The runner's commands and the state a script carries from line to line.
#pragma once
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A bad line: what is wrong with it. The runner adds the line number.
struct ScriptError {
    std::string message;
};

// One drawText call as the display recorded it.
struct DrawnText {
    uint16_t startX;
    int16_t y;
    uint8_t fontSize;
    uint8_t colour;
    std::string text;
};

struct ScriptSession {
    explicit ScriptSession(std::ostream& output) : out(output) {}
    std::ostream& out;
    bool running = false;          // powered on, the main loop would run
    std::vector<DrawnText> texts;  // drawn by the last pass
};

using Arguments = std::span<const std::string_view>;

struct ScriptCommand {
    const char* name;
    const char* usage;
    size_t minArguments;
    size_t maxArguments;
    void (*run)(ScriptSession& session, Arguments arguments);
};

std::span<const ScriptCommand> scriptCommands();

// Decimal digits only; `what` names the number in the error.
uint32_t parseNumber(std::string_view text, const char* what);
