// A script's lines, and each line as a command with its arguments. Parsing
// a line is apart from running it, so a host can look at a command before
// it runs (the window's player runs the inputs and skips the rest).
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/script_commands.h"

struct ScriptLine {
    const ScriptCommand* command = nullptr; // nullptr: a blank or comment line
    std::vector<std::string> arguments;
};

// One line's command and arguments. Words are separated by blanks, "#"
// starts a comment; where the command takes texts, a word in double quotes
// may hold blanks and "#", with \" \\ and \xNN inside. A bad line (unknown
// command, arguments missing or too many, broken quotes) throws ScriptError.
ScriptLine parseLine(std::string_view text);

// Cuts a script's bytes into lines at LF, CR LF or a lone CR, and drops a
// UTF-8 byte-order mark at its start. The bytes may come in pieces.
class LineSplitter {
public:
    // The lines these bytes complete, in order.
    std::vector<std::string> feed(std::string_view bytes);
    // The last line when the script does not end with a line end.
    std::optional<std::string> finish();

private:
    std::string line_;
    bool afterCarriageReturn_ = false;
    bool startChecked_ = false;
};

// A whole script's lines, as LineSplitter cuts them.
std::vector<std::string> scriptLines(std::string_view script);
