// The scripted runner: the instrument's firmware without a window, driven by
// a script of commands, one a line (tools/script/README.md).
#pragma once
#include <iosfwd>

constexpr int scriptSucceeded = 0;
constexpr int scriptFailed = 2;

// Runs the script from program start, as the window's power cycle and main
// loop would. Command output goes to `out`. The first bad line stops the
// script: its line number and fault go to `err` and nothing after it runs.
// Returns scriptSucceeded or scriptFailed.
int runScript(std::istream& script, std::ostream& out, std::ostream& err);
