#include "script/script_player.h"

#include "script/instrument_time.h"
#include "script/script_lines.h"
#include "sim/user_text.h"

namespace {

ScriptOptions playingIn(InputSink& host)
{
    ScriptOptions options;
    options.inputs = &host;
    options.liveLinks = false;
    return options;
}

} // namespace

ScriptPlayer::ScriptPlayer(std::string_view script, InputSink& host)
    : host_(host), lines_(scriptLines(script)), session_(out_, err_, playingIn(host))
{
}

void ScriptPlayer::start() { runUntilWait(); }

// Passes cannot run while the instrument is off: a wait for them that the
// user's "Off" cut short stops the script.
void ScriptPlayer::passed()
{
    if (waiting_.kind == WaitKind::periods)
        session_.time().periodPlayed();
    if (waiting_.kind == WaitKind::passes || waiting_.kind == WaitKind::periods)
        counted();
}

void ScriptPlayer::ticked()
{
    if ((waiting_.kind == WaitKind::passes || waiting_.kind == WaitKind::periods) && !host_.poweredOn())
        stop("the instrument went off while the script waited for passes");
    else if (waiting_.kind == WaitKind::ticks)
        counted();
}

void ScriptPlayer::counted()
{
    if (--waiting_.count == 0) {
        waiting_ = {};
        runUntilWait();
    }
}

void ScriptPlayer::runUntilWait()
{
    while (!ended_ && waiting_.kind == WaitKind::nothing) {
        if (next_ == lines_.size()) {
            ended_ = true;
            return;
        }
        session_.lineNumber = unsigned(++next_);
        try {
            runLine(lines_[next_ - 1]);
        } catch (const ScriptError& error) {
            stop(error.message);
        }
    }
}

// The command says whether the line is played, skipped or waited for.
void ScriptPlayer::runLine(const std::string& line)
{
    const ScriptLine parsed = parseLine(line);
    if (!parsed.command || !parsed.command->isInput())
        return;
    if (!parsed.command->wait)
        return parsed.command->run(session_, parsed.arguments);
    waiting_ = parsed.command->wait(session_, parsed.arguments);
    if (waiting_.count == 0)
        waiting_ = {};
}

void ScriptPlayer::stop(const std::string& why)
{
    ended_ = true;
    fault_ = "line " + std::to_string(next_) + ": " + quotedText(lines_[next_ - 1]) + ": " + why;
}
