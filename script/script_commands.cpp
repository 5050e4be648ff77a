#include "script/script_commands.h"

const ScriptCommand* findCommand(std::string_view name)
{
    for (auto commands :
         {inputCommands(), timeCommands(), readingCommands(), checkingCommands(), memoryCommands(), lessonCommands()})
        for (const ScriptCommand& command : commands)
            if (name == command.name)
                return &command;
    return nullptr;
}
