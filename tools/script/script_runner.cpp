#include "tools/script/script_runner.h"

#include <charconv>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>

#include "host/power_cycle.h"
#include "tools/script/script_commands.h"

namespace {

// The words of one line, the comment after "#" left out.
std::vector<std::string_view> splitWords(std::string_view line)
{
    line = line.substr(0, line.find('#'));
    constexpr const char* blanks = " \t\r\f\v";
    std::vector<std::string_view> words;
    for (size_t start = line.find_first_not_of(blanks); start != std::string_view::npos;
         start = line.find_first_not_of(blanks, start)) {
        const size_t end = std::min(line.find_first_of(blanks, start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end;
    }
    return words;
}

const ScriptCommand& findCommand(std::string_view name)
{
    for (const ScriptCommand& command : scriptCommands())
        if (name == command.name)
            return command;
    throw ScriptError{"unknown command \"" + std::string(name) + "\""};
}

void runLine(ScriptSession& session, std::string_view line)
{
    const std::vector<std::string_view> words = splitWords(line);
    if (words.empty())
        return;
    const ScriptCommand& command = findCommand(words[0]);
    const Arguments arguments = Arguments(words).subspan(1);
    if (arguments.size() < command.minArguments)
        throw ScriptError{"missing argument; usage: " + std::string(command.usage)};
    if (arguments.size() > command.maxArguments)
        throw ScriptError{"too many arguments; usage: " + std::string(command.usage)};
    command.run(session, arguments);
}

} // namespace

uint32_t parseNumber(std::string_view text, const char* what)
{
    uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, value);
    if (fault == std::errc::result_out_of_range)
        throw ScriptError{std::string(what) + " \"" + std::string(text) + "\" is too large"};
    if (text.empty() || fault != std::errc() || stop != end)
        throw ScriptError{"bad " + std::string(what) + " \"" + std::string(text) +
                          "\": expected decimal digits"};
    return value;
}

int runScript(std::istream& script, std::ostream& out, std::ostream& err)
{
    resetToProgramStart();
    ScriptSession session{out};
    std::string line;
    for (unsigned lineNumber = 1; std::getline(script, line); ++lineNumber) {
        try {
            runLine(session, line);
        } catch (const ScriptError& error) {
            out.flush();
            err << "line " << lineNumber << ": " << error.message << '\n';
            return scriptFailed;
        }
    }
    if (script.bad()) {
        err << "the script could not be read to its end\n";
        return scriptFailed;
    }
    return scriptSucceeded;
}
