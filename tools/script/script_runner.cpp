#include "tools/script/script_runner.h"

#include <charconv>
#include <algorithm>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "sim/simulator.h"
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

void runWords(ScriptSession& session, const std::vector<std::string_view>& words)
{
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

ScriptRunner::ScriptRunner(std::ostream& out, std::ostream& err) : session_(out), err_(err)
{
    qs9ProgramStart();
}

bool ScriptRunner::runLine(const std::string& line)
{
    ++lineNumber_;
    try {
        runWords(session_, splitWords(line));
        return true;
    } catch (const ScriptError& error) {
        session_.out.flush();
        err_ << "line " << lineNumber_ << ": " << error.message << '\n';
        return false;
    }
}

int ScriptRunner::run(std::istream& script)
{
    std::string line;
    while (!failed_ && std::getline(script, line))
        failed_ = !runLine(line);
    if (!failed_ && script.bad()) {
        err_ << "the script could not be read to its end\n";
        failed_ = true;
    }
    return failed_ ? scriptFailed : scriptSucceeded;
}

int runScript(std::istream& script, std::ostream& out, std::ostream& err)
{
    ScriptRunner runner(out, err);
    return runner.run(script);
}
