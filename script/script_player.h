// A script played in a running host at the pace of its passes and timer
// ticks, so that a dealer can show a recorded procedure and a learner can
// follow it: the input lines go to the host's inputs, a line that lets time
// pass waits for what its command says ("pass N" for N of the host's
// passes, "frame N" for N of them, each made a pass without the flow step,
// "tick N" for N of its timer ticks, "run 1h" for the 900 measurement
// periods it holds, each its 40 ticks and full pass), and the output lines
// (print, shot, expect, ...) are skipped. The first bad line stops playing.
//
// While a script plays, the firmware's passes and ticks are the script's:
// the host's clock paces them, and the player runs them through the host's
// PlayerClock only where the script lets time pass, so the instrument goes
// through what the runner would make of the same lines. A speed other than
// 1x makes the host's clock count for more or less script time; paused, the
// instrument's time stands still.
#pragma once
#include <cstdint>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "script/input_sink.h"
#include "script/script_commands.h"
#include "script/script_session.h"

struct ScriptLine;

// The firmware's clock, as the host lends it to a played script: one
// main-loop pass, one pass without the flow step, one 100 ms tick, with
// whatever the host does with them.
class PlayerClock {
public:
    virtual ~PlayerClock() = default;
    virtual void runPass() = 0;
    virtual void runFrame() = 0;
    virtual void runTick() = 0;
};

// How fast a script plays: the script time one pass or tick of the host's
// clock makes, in halves (1: half speed).
struct PlaySpeed {
    const char* label; // as the hosts offer it, "2x"
    uint8_t halves;
};
// ½x, 1x, 2x, 4x.
std::span<const PlaySpeed> playSpeeds();
constexpr size_t normalPlaySpeed = 1; // 1x, in playSpeeds()

class ScriptPlayer {
public:
    ScriptPlayer(std::string_view script, InputSink& host, PlayerClock& clock);

    // Runs the lines up to the first wait. Call once, between passes.
    void start();
    // After each pass (or frame) and each tick of the host's own clock
    // (which the player has not run on the firmware): the script's passes
    // and ticks that fall due run through the PlayerClock, each frame of
    // the kind the script says.
    void hostPassed();
    void hostTicked();

    // The learner's controls, between passes. Pause holds the script where
    // it is, within a wait too. Step plays on until one action (a key, a
    // slider, a box, On, Off, a setting) and the waits after it have
    // played, and holds before the next action. Stop ends playing, not as a
    // fault.
    void pause();
    void resume();
    void step();
    void stop();
    void setSpeed(size_t index); // into playSpeeds(); another index is ignored

    bool paused() const { return paused_; }
    bool stopped() const { return stopped_; }
    // Every line ran, a bad one stopped the script, or Stop did.
    bool ended() const { return ended_; }
    // "line N: why", with the line's text; empty unless a line failed.
    const std::string& fault() const { return fault_; }
    // The line last started (1 is the first; 0 before any) and how many
    // the script has.
    size_t line() const { return next_; }
    size_t lineCount() const { return lines_.size(); }

private:
    void goOn(bool stepping);
    void runUntilWait();
    bool holdsBefore(const ScriptLine& line);
    // For passes of either kind, or for the full passes of "run"'s periods.
    bool waitsForPasses() const
    {
        return waiting_.kind == WaitKind::passes || waiting_.kind == WaitKind::frames ||
               waiting_.kind == WaitKind::periods;
    }
    void runLine(const ScriptLine& line);
    void advance();
    void playPeriod();
    void playTicks();
    void counted(); // one of what the player waits for
    void stopAt(const std::string& why);

    InputSink& host_;
    PlayerClock& clock_;
    std::vector<std::string> lines_;
    size_t next_ = 0;
    PlayerWait waiting_;
    bool ended_ = false;
    bool stopped_ = false;
    bool paused_ = false;
    bool stepping_ = false;
    bool stepActed_ = false; // the step has played its action
    uint8_t speedHalves_ = 2;
    uint32_t passCredit_ = 0; // in halves of a pass, of a tick
    uint32_t tickCredit_ = 0;
    std::string fault_;
    std::ostringstream out_, err_; // where skipped lines would have written
    ScriptSession session_;
};
