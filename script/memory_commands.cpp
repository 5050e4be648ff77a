// "memory FILE": the runner's instrument memory. A player skips the line,
// as it skips the lines that write files: the window and the page keep
// their own memory, and a played script starts from the factory settings.
#include "script/script_commands.h"

namespace {

void memory(ScriptSession& session, Arguments arguments) { session.keepMemoryIn(arguments[0]); }

const ScriptCommand commands[] = {
    {"memory", "memory FILE", 1, 1, CommandKind::output, memory},
};

} // namespace

std::span<const ScriptCommand> memoryCommands() { return commands; }
