#include "script/script_runner.h"

#include <cstring>
#include <istream>
#include <iterator>
#include <ostream>

#include "script/instrument_time.h"
#include "script/lesson_run.h"
#include "sim/simulator.h"

ScriptRunner::ScriptRunner(std::ostream& out, std::ostream& err, ScriptOptions options)
    : session_(out, err, std::move(options))
{
    qs9ProgramStart();
}

void ScriptRunner::fail(const std::string& message)
{
    stopped_ = true;
    badLine_ = message;
    session_.out.flush();
    session_.err << message << '\n';
}

void ScriptRunner::runLine(const std::string& line)
{
    if (stopped_)
        return;
    ++session_.lineNumber;
    if (lesson_)
        return lesson_->push_back(line);
    try {
        const ScriptLine parsed = parseLine(line);
        if (parsed.command && !commandSeen_ && std::strcmp(parsed.command->name, "lesson") == 0) {
            lesson_.emplace(session_.lineNumber - 1);
            return lesson_->push_back(line);
        }
        commandSeen_ = commandSeen_ || parsed.command;
        if (parsed.command)
            parsed.command->run(session_, parsed.arguments);
    } catch (const ScriptError& error) {
        fail("line " + std::to_string(session_.lineNumber) + ": " + error.message);
    }
}

void ScriptRunner::runLesson()
{
    try {
        Lesson lesson = parseLessonLines(*lesson_);
        ::runLesson(lesson, session_);
        if (session_.options.lessonRan)
            session_.options.lessonRan(lesson);
    } catch (const ScriptError& error) {
        fail("line " + std::to_string(error.line ? error.line : session_.lineNumber) + ": " + error.message);
    }
}

void ScriptRunner::feed(std::string_view bytes)
{
    for (const std::string& line : lines_.feed(bytes))
        runLine(line);
}

int ScriptRunner::run(std::istream& piece)
{
    const std::string bytes{std::istreambuf_iterator<char>(piece), std::istreambuf_iterator<char>()};
    feed(bytes);
    if (const auto last = lines_.finish())
        runLine(*last);
    if (piece.bad())
        readFailed("the script could not be read to its end");
    return status();
}

int ScriptRunner::finish()
{
    if (const auto last = lines_.finish())
        runLine(*last);
    if (!stopped_ && lesson_)
        runLesson();
    try {
        if (!stopped_ && session_.recordingMovie())
            session_.endMovie();
        if (!stopped_ && session_.time().logging())
            session_.endLog();
    } catch (const ScriptError& error) {
        fail("end of the script: " + error.message);
    }
    session_.closeMemory();
    return status();
}

void ScriptRunner::readFailed(const std::string& why)
{
    if (!stopped_)
        fail(why);
}

int ScriptRunner::status() const
{
    if (stopped_)
        return scriptFailed;
    return session_.failedExpectations() > 0 ? scriptExpectationFailed : scriptSucceeded;
}

std::string ScriptRunner::firstFailure() const
{
    return session_.firstFailure().empty() ? badLine_ : session_.firstFailure();
}

int runScript(std::istream& script, std::ostream& out, std::ostream& err, ScriptOptions options)
{
    ScriptRunner runner(out, err, std::move(options));
    runner.run(script);
    return runner.finish();
}
