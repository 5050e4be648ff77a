// The runner's commands. Each says whether it is an input (what the window's
// controls, power buttons and timer do: a player runs these) or an output
// (what reads the firmware back: a player skips these), and what a player
// waits for in its place when the command is the passing of time.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "script/script_session.h"

using Arguments = std::span<const std::string>;

// lesson: a line of a lesson's own (its title, steps, conditions, ...),
// which a player skips as it skips an output.
enum class CommandKind : uint8_t { input, output, lesson };

// What a host plays in place of a line that lets time pass: a wait for so
// many of the host's own main-loop passes or timer ticks.
// frames: host frames that each make a pass without the flow step.
// periods: the full passes of the measurement periods that a line's
// instrument time completes (one per 4 s), as "run" counts them.
enum class WaitKind : uint8_t { nothing, passes, frames, ticks, periods };
struct PlayerWait {
    WaitKind kind = WaitKind::nothing;
    uint32_t count = 0;
};

struct ScriptCommand {
    const char* name;
    const char* usage;
    size_t minArguments;
    size_t maxArguments;
    CommandKind kind;
    void (*run)(ScriptSession& session, Arguments arguments);
    bool quotedWords = false; // its arguments may be "quoted texts"
    // For a player: what to wait for instead of running the line (a bad line
    // throws ScriptError); nullptr: the player runs it.
    PlayerWait (*wait)(ScriptSession& session, Arguments arguments) = nullptr;

    bool isInput() const { return kind == CommandKind::input; }
};

// on, off, pass, frame, key, tick, slider, vrax, set
std::span<const ScriptCommand> inputCommands();
// run, track, live, log: instrument time, what moves the senders over it
// and the flight log
std::span<const ScriptCommand> timeCommands();
// print, texts, pixel, shot
std::span<const ScriptCommand> readingCommands();
// expect, compare, movie
std::span<const ScriptCommand> checkingCommands();
// memory
std::span<const ScriptCommand> memoryCommands();
// lesson, introduction, start, step, hint, highlight, done, closing
std::span<const ScriptCommand> lessonCommands();

// One main-loop pass with its step counted and the movie's frame; the
// texts it draws are kept for "texts" and "expect text" when asked.
void runFullPass(ScriptSession& session, bool keepTexts);
// The same for a pass without the flow step.
void runPassWithoutFlow(ScriptSession& session, bool keepTexts);

// The command of that name, or nullptr.
const ScriptCommand* findCommand(std::string_view name);
