#include "script/script_player.h"

#include "script/script_lines.h"
#include "sim/user_text.h"

namespace {

std::vector<std::string> scriptLines(std::string_view script)
{
    LineSplitter splitter;
    std::vector<std::string> lines = splitter.feed(script);
    if (auto last = splitter.finish())
        lines.push_back(std::move(*last));
    return lines;
}

ScriptOptions playingIn(InputSink& host)
{
    ScriptOptions options;
    options.inputs = &host;
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
    if (passesToWait_ > 0 && --passesToWait_ == 0)
        runUntilWait();
}

void ScriptPlayer::ticked()
{
    if (passesToWait_ > 0 && !host_.poweredOn())
        stop("the instrument went off while the script waited for passes");
    else if (ticksToWait_ > 0 && --ticksToWait_ == 0)
        runUntilWait();
}

void ScriptPlayer::runUntilWait()
{
    while (!ended_ && passesToWait_ == 0 && ticksToWait_ == 0) {
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

void ScriptPlayer::runLine(const std::string& line)
{
    const ScriptLine parsed = parseLine(line);
    if (!parsed.command || !parsed.command->isInput())
        return;
    const std::string_view name = parsed.command->name;
    if (name == "pass")
        passesToWait_ = passesAsked(session_, parsed.arguments);
    else if (name == "tick")
        ticksToWait_ = ticksAsked(parsed.arguments);
    else
        parsed.command->run(session_, parsed.arguments);
}

void ScriptPlayer::stop(const std::string& why)
{
    ended_ = true;
    fault_ = "line " + std::to_string(next_) + ": " + quotedText(lines_[next_ - 1]) + ": " + why;
}
