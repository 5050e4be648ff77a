// A script played in a running host at the pace of its passes and timer
// ticks, so that a dealer can show a recorded procedure: the input lines go
// to the host's inputs, a line that lets time pass waits for what its
// command says ("pass N" for N of the host's passes, "tick N" for N of its
// timer ticks, "run 1h" for the full passes of the 900 measurement periods
// it holds), and the output lines (print, shot, expect, ...) are skipped. The first bad line stops playing.
#pragma once
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "script/input_sink.h"
#include "script/script_commands.h"
#include "script/script_session.h"

class ScriptPlayer {
public:
    ScriptPlayer(std::string_view script, InputSink& host);

    // Runs the lines up to the first wait. Call once, between passes.
    void start();
    // After each of the host's passes and each of its timer ticks.
    void passed();
    void ticked();

    // Every line ran, or a bad one stopped the script.
    bool ended() const { return ended_; }
    // "line N: why", with the line's text; empty unless a line failed.
    const std::string& fault() const { return fault_; }

private:
    void runUntilWait();
    void runLine(const std::string& line);
    void counted(); // one of what the player waits for
    void stop(const std::string& why);

    InputSink& host_;
    std::vector<std::string> lines_;
    size_t next_ = 0;
    PlayerWait waiting_;
    bool ended_ = false;
    std::string fault_;
    std::ostringstream out_, err_; // where skipped lines would have written
    ScriptSession session_;
};
