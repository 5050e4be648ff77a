// The scripted runner: the instrument's firmware without a window, driven by
// a script of commands, one a line (tools/script/README.md).
#pragma once
#include <iosfwd>

#include "tools/script/script_commands.h"

constexpr int scriptSucceeded = 0;
constexpr int scriptFailed = 2;

// One script, possibly fed in pieces. Creating it returns the firmware to
// program start, as the window's creation does; the power cycle and passes
// are the window's own. The first bad line stops the script: its line
// number and fault go to `err`, and nothing after it runs, in this piece or
// any later one.
class ScriptRunner {
public:
    ScriptRunner(std::ostream& out, std::ostream& err);
    int run(std::istream& script); // scriptSucceeded or scriptFailed

private:
    bool runLine(const std::string& line);

    ScriptSession session_;
    std::ostream& err_;
    unsigned lineNumber_ = 0;
    bool failed_ = false;
};

// A whole script from program start.
int runScript(std::istream& script, std::ostream& out, std::ostream& err);
