#include "script/script_player.h"

#include <algorithm>

#include "script/instrument_time.h"
#include "script/script_lines.h"
#include "sim/user_text.h"

namespace {

constexpr uint32_t whole = 2; // one pass or tick, in halves

constexpr PlaySpeed speeds[] = {{"\u00bdx", 1}, {"1x", 2}, {"2x", 4}, {"4x", 8}};

ScriptOptions playingIn(InputSink& host)
{
    ScriptOptions options;
    options.inputs = &host;
    options.liveLinks = false;
    return options;
}

// A line a learner sees happen: an input that is not the passing of time.
bool isAction(const ScriptLine& line) { return line.command && line.command->isInput() && !line.command->wait; }

} // namespace

std::span<const PlaySpeed> playSpeeds() { return speeds; }

ScriptPlayer::ScriptPlayer(std::string_view script, InputSink& host, PlayerClock& clock)
    : host_(host), clock_(clock), lines_(scriptLines(script)), session_(out_, err_, playingIn(host))
{
}

void ScriptPlayer::start() { runUntilWait(); }

// Passes do not bank: what the host ran while the script waited for ticks
// is gone.
void ScriptPlayer::hostPassed()
{
    if (paused_ || ended_ || !waitsForPasses())
        return;
    passCredit_ += speedHalves_;
    advance();
    if (!waitsForPasses())
        passCredit_ = 0;
}

// Passes cannot run while the instrument is off: a wait for them that the
// instrument's going off cut short stops the script. A tick that falls due
// while the script waits for passes lets its next tick line go at once,
// so that a recording keeps its pace; more are not saved up.
void ScriptPlayer::hostTicked()
{
    if (paused_ || ended_)
        return;
    if (waitsForPasses() && !host_.poweredOn())
        return stopAt("the instrument went off while the script waited for passes");
    tickCredit_ += speedHalves_;
    advance();
    if (waiting_.kind != WaitKind::ticks)
        tickCredit_ = std::min(tickCredit_, whole);
}

// Runs the passes and ticks that the credits pay for, in the script's order.
// A pass of the host's pays for a whole measurement period of "run".
void ScriptPlayer::advance()
{
    while (!ended_ && !paused_) {
        if (waitsForPasses() && passCredit_ >= whole) {
            passCredit_ -= whole;
            if (waiting_.kind == WaitKind::frames)
                clock_.runFrame();
            else if (waiting_.kind == WaitKind::periods)
                playPeriod();
            else
                clock_.runPass();
        } else if (waiting_.kind == WaitKind::ticks && tickCredit_ >= whole) {
            tickCredit_ -= whole;
            clock_.runTick();
        } else {
            return;
        }
        counted();
    }
}

// As the runner makes a period of "run": its timer ticks, the senders
// moved, the full pass; after the run's last period, the ticks left of it.
void ScriptPlayer::playPeriod()
{
    InstrumentTime& time = session_.time();
    playTicks();
    time.beforePass(time.clock.seconds());
    clock_.runPass();
    if (waiting_.count == 1)
        playTicks();
}

// The ticks up to the next period's end or to the end of "run".
void ScriptPlayer::playTicks()
{
    InstrumentTime& time = session_.time();
    for (uint64_t n = time.ticksToPlay(); n > 0; --n) {
        clock_.runTick();
        ++time.clock.ticks;
    }
}

void ScriptPlayer::counted()
{
    if (--waiting_.count == 0) {
        waiting_ = {};
        runUntilWait();
    }
}

void ScriptPlayer::pause()
{
    if (!ended_)
        paused_ = true;
    stepping_ = false;
}

void ScriptPlayer::resume()
{
    if (paused_)
        goOn(false);
}

void ScriptPlayer::step() { goOn(true); }

void ScriptPlayer::goOn(bool stepping)
{
    if (ended_)
        return;
    paused_ = false;
    stepping_ = stepping;
    stepActed_ = false;
    runUntilWait();
}

void ScriptPlayer::stop()
{
    if (ended_)
        return;
    ended_ = true;
    stopped_ = true;
    paused_ = false;
}

void ScriptPlayer::setSpeed(size_t index)
{
    if (index < std::size(speeds))
        speedHalves_ = speeds[index].halves;
}

void ScriptPlayer::runUntilWait()
{
    while (!ended_ && !paused_ && waiting_.kind == WaitKind::nothing) {
        if (next_ == lines_.size()) {
            ended_ = true;
            return;
        }
        ScriptLine parsed;
        try {
            parsed = parseLine(lines_[next_]);
        } catch (const ScriptError& error) {
            ++next_;
            return stopAt(error.message);
        }
        if (holdsBefore(parsed))
            return;
        session_.lineNumber = unsigned(++next_);
        try {
            runLine(parsed);
        } catch (const ScriptError& error) {
            stopAt(error.message);
        }
    }
}

// A step ends before the action after its own.
bool ScriptPlayer::holdsBefore(const ScriptLine& line)
{
    if (!stepping_ || !isAction(line))
        return false;
    if (!stepActed_) {
        stepActed_ = true;
        return false;
    }
    stepping_ = false;
    paused_ = true;
    return true;
}

// The command says whether the line is played, skipped or waited for.
void ScriptPlayer::runLine(const ScriptLine& line)
{
    if (!line.command || !line.command->isInput())
        return;
    if (!line.command->wait)
        return line.command->run(session_, line.arguments);
    waiting_ = line.command->wait(session_, line.arguments);
    if (waiting_.kind == WaitKind::periods && waiting_.count == 0)
        playTicks(); // a "run" within one period: its ticks alone, at once
    if (waiting_.count == 0)
        waiting_ = {};
}

void ScriptPlayer::stopAt(const std::string& why)
{
    ended_ = true;
    fault_ = "line " + std::to_string(next_) + ": " + quotedText(lines_[next_ - 1]) + ": " + why;
}
