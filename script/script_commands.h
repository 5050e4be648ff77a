// The runner's commands. Each says whether it is an input (what the window's
// controls, power buttons and timer do: a player runs these) or an output
// (what reads the firmware back: a player skips these).
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "script/script_session.h"

using Arguments = std::span<const std::string>;

enum class CommandKind : uint8_t { input, output };

struct ScriptCommand {
    const char* name;
    const char* usage;
    size_t minArguments;
    size_t maxArguments;
    CommandKind kind;
    void (*run)(ScriptSession& session, Arguments arguments);
    bool quotedWords = false; // its arguments may be "quoted texts"

    bool isInput() const { return kind == CommandKind::input; }
};

// on, off, pass, key, tick, slider, vrax, set
std::span<const ScriptCommand> inputCommands();
// print, texts, pixel, shot
std::span<const ScriptCommand> readingCommands();
// expect, compare, movie
std::span<const ScriptCommand> checkingCommands();

// The passes a "pass [N]" line asks for; a bad line while the instrument is off.
uint32_t passesAsked(ScriptSession& session, Arguments arguments);
// The ticks a "tick [N]" line asks for.
uint32_t ticksAsked(Arguments arguments);

// The command of that name, or nullptr.
const ScriptCommand* findCommand(std::string_view name);
