// The scripted runner: the instrument's firmware without a window, driven by
// a script of commands, one a line (script/README.md).
#pragma once
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/script_lines.h"
#include "script/script_session.h"

constexpr int scriptSucceeded = 0;
constexpr int scriptExpectationFailed = 1; // the script ran to its end, an expectation did not hold
constexpr int scriptFailed = 2;            // a bad line, or the script could not be read

// One script, possibly fed in pieces. Creating it returns the firmware to
// program start, as the window's creation does; the power cycle and passes
// are the window's own. A failed expectation goes to `err` and the script
// goes on. The first bad line stops the script: its line number and fault go
// to `err`, and nothing after it runs, in this piece or any later one. A
// script whose first command is "lesson" is a lesson: its lines are read to
// its end and checked as a whole, then it runs (script/lesson_run.h).
class ScriptRunner {
public:
    ScriptRunner(std::ostream& out, std::ostream& err, ScriptOptions options = {});

    // Runs every line that these bytes complete.
    void feed(std::string_view bytes);
    // A piece read to its end, its last line with it; the status so far.
    int run(std::istream& piece);
    // The end of the script: a last line without a line end runs, a movie
    // still being recorded is written, and so is the memory's due record.
    // The script's status.
    int finish();
    // The script could not be read on: why, and the script fails.
    void readFailed(const std::string& why);

    bool stopped() const { return stopped_; }
    int status() const;
    // "line N: ...": what went wrong first, a failed expectation or the bad line.
    std::string firstFailure() const;

private:
    void runLine(const std::string& line);
    void runLesson();
    void fail(const std::string& message);

    ScriptSession session_;
    LineSplitter lines_;
    bool stopped_ = false;
    std::string badLine_;
    bool commandSeen_ = false;
    std::optional<std::vector<std::string>> lesson_; // a lesson's lines, read to its end
};

// A whole script from program start.
int runScript(std::istream& script, std::ostream& out, std::ostream& err, ScriptOptions options = {});
