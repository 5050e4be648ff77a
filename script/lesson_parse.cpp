// A lesson's text read into its parts, every line checked before anything
// runs: the order of the parts, the texts, the controls and the conditions.
#include <cstring>
#include <utility>

#include "script/expectations.h"
#include "script/lesson.h"
#include "script/script_arguments.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

// Where the reader is in the lesson: before its "lesson" line, in its
// title and introduction, its start, its steps, its closing text.
enum class Part : uint8_t { before, top, start, steps, closing };

// A text a learner reads: not empty, and every character shows as written.
const std::string& checkedText(const std::string& text, const char* what)
{
    if (text.empty())
        throw ScriptError{std::string("the ") + what + " is empty"};
    if (!showsAsWritten(text))
        throw ScriptError{std::string("the ") + what + " " + quotedText(text) +
                          " holds a control character, an invisible one or bytes that are no UTF-8 text"};
    return text;
}

void addParagraph(std::string& text, const std::string& paragraph, const char* what)
{
    text += (text.empty() ? "" : "\n") + checkedText(paragraph, what);
}

std::string commandName(const ScriptLine& line) { return line.command ? line.command->name : ""; }

bool isScreenName(const std::string& name)
{
    for (int i = 0; i < qs9ScreenCount(); ++i)
        if (name == qs9ScreenName(i))
            return true;
    return false;
}

// The expected value of "done NAME VALUE" in the form print shows: a
// number in decimal, a screen by its name.
void checkValueForm(const std::string& name, const std::string& value)
{
    int64_t number = 0;
    const int status = qs9ReadValue(name.c_str(), &number);
    if (status == QS9_OK) {
        bool decimal = true;
        try {
            decimal = std::to_string(parseSignedNumber(value, "value")) == value;
        } catch (const ScriptError&) {
            decimal = false;
        }
        if (!decimal)
            throw ScriptError{name + " is a number: write it in decimal, as print shows it, not " +
                              quotedText(value)};
        return;
    }
    // sim/ says what a value that is no number holds.
    const bool screen =
        status == QS9_ERROR_NOT_NUMBER && std::string_view(qs9LastError()).ends_with("a screen, not a number");
    if (screen && value != "none" && !isScreenName(value))
        throw ScriptError{"unknown screen " + quotedText(value) + " for " + name +
                          ": a screen's name as print shows it, such as homeScreen"};
}

// The condition as a "done" line would write it.
std::string writtenCondition(const std::vector<std::string>& arguments)
{
    std::string written;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        const bool quoted = (i == 1 && arguments[0] == "text") || word.empty() ||
                            word.find_first_of(" \t#\"\\") != std::string::npos;
        written += (i == 0 ? "" : " ") + (quoted ? "\"" + escapedText(word) + "\"" : word);
    }
    return written;
}

// The messages of "expect" about its forms, in the words of "done".
ScriptError asDone(ScriptError error)
{
    for (const char* form : {"usage: expect", "expect text takes"})
        if (const size_t at = error.message.find(form); at != std::string::npos)
            error.message.replace(error.message.find("expect", at), 6, "done");
    return error;
}

LessonCondition readCondition(const LessonLine& line)
{
    const std::vector<std::string>& arguments = line.parsed.arguments;
    // Evaluated once here, so that a bad form or an unknown name is
    // refused before the lesson runs.
    try {
        expectationFault(arguments, {});
    } catch (const ScriptError& error) {
        throw asDone(error);
    }
    if (arguments.size() == 2 && arguments[0] != "text")
        checkValueForm(arguments[0], arguments[1]);
    return {line.number, arguments, writtenCondition(arguments)};
}

bool isKeyName(const std::string& name)
{
    for (int i = 0; i < qs9KeyCount(); ++i)
        if (name == qs9KeyAt(i)->name)
            return true;
    return false;
}

bool isInput(const std::string& name, uint8_t kind)
{
    const Qs9Input* input = qs9FindInput(name.c_str());
    return input && input->kind == kind;
}

std::vector<LessonControl> readControls(Arguments arguments)
{
    const std::string& kind = arguments[0];
    std::vector<LessonControl> controls;
    for (const std::string& name : arguments.subspan(1)) {
        if (kind == "key" && isKeyName(name))
            controls.push_back({LessonControlKind::key, name});
        else if (kind == "slider" && isInput(name, QS9_INPUT_SLIDER))
            controls.push_back({LessonControlKind::slider, name});
        else if (kind == "box" && isInput(name, QS9_INPUT_CHECK_BOX))
            controls.push_back({LessonControlKind::box, name});
        else if (kind == "power" && (name == "on" || name == "off"))
            controls.push_back({LessonControlKind::power, name});
        else if (kind == "key" || kind == "slider" || kind == "box" || kind == "power")
            throw ScriptError{"unknown " + kind + " " + quotedText(name) + " to highlight"};
        else
            throw ScriptError{"highlight takes key, slider, box or power, not " + quotedText(kind)};
    }
    return controls;
}

bool hasInput(const std::vector<LessonLine>& lines)
{
    for (const LessonLine& line : lines)
        if (line.parsed.command->isInput())
            return true;
    return false;
}

std::string stepName(size_t index) { return "step " + std::to_string(index + 1); }

class LessonReader {
public:
    void read(LessonLine line);
    Lesson finish(unsigned lastLine);

private:
    void lessonLine(const LessonLine& line);
    void stepLine(const LessonLine& line);
    void scriptLine(LessonLine line);
    void endStep();
    LessonStep& step() { return lesson_.steps.back(); }
    static ScriptError at(unsigned line, std::string message) { return ScriptError{std::move(message), line}; }

    Lesson lesson_;
    Part part_ = Part::before;
};

void LessonReader::read(LessonLine line)
{
    const ScriptCommand* command = line.parsed.command;
    if (!command)
        return;
    if (part_ == Part::before && std::strcmp(command->name, "lesson") != 0)
        throw ScriptError{"a lesson's first command is lesson \"TITLE\", not " + quotedText(command->name)};
    if (command->kind == CommandKind::lesson)
        lessonLine(line);
    else
        scriptLine(std::move(line));
}

void LessonReader::lessonLine(const LessonLine& line)
{
    const std::string name = commandName(line.parsed);
    const std::string text = line.parsed.arguments.empty() ? "" : line.parsed.arguments[0];
    if (name == "lesson") {
        if (part_ != Part::before)
            throw ScriptError{"a lesson has one \"lesson\" line, its first"};
        lesson_.title = checkedText(text, "title");
        part_ = Part::top;
    } else if (name == "introduction") {
        if (part_ != Part::top)
            throw ScriptError{"the introduction comes before \"start\""};
        addParagraph(lesson_.introduction, text, "introduction");
    } else if (name == "start") {
        if (part_ != Part::top)
            throw ScriptError{"a lesson has one \"start\", after its introduction"};
        if (lesson_.introduction.empty())
            throw ScriptError{"the introduction comes before \"start\": introduction \"TEXT\""};
        part_ = Part::start;
    } else if (name == "step") {
        if (part_ == Part::top)
            throw ScriptError{"the steps come after \"start\""};
        if (part_ == Part::closing)
            throw ScriptError{"no step after the closing text"};
        if (part_ == Part::steps)
            endStep();
        part_ = Part::steps;
        lesson_.steps.push_back({});
        step().line = line.number;
        step().instruction = checkedText(text, "instruction");
    } else if (name == "closing") {
        if (part_ == Part::steps)
            endStep();
        else if (part_ != Part::closing)
            throw ScriptError{"the closing text comes after the steps"};
        part_ = Part::closing;
        addParagraph(lesson_.closing, text, "closing text");
    } else {
        stepLine(line);
    }
}

// hint, highlight, done: a step's own lines, before its solution.
void LessonReader::stepLine(const LessonLine& line)
{
    const std::string name = commandName(line.parsed);
    if (part_ != Part::steps)
        throw ScriptError{quotedText(name) + " belongs to a step: after its \"step\" line"};
    if (!step().solution.empty())
        throw ScriptError{quotedText(name) + " comes before the step's solution, which begins at line " +
                          std::to_string(step().solution.front().number)};
    if (name == "hint")
        addParagraph(step().hint, line.parsed.arguments[0], "hint");
    else if (name == "highlight")
        for (LessonControl& control : readControls(line.parsed.arguments))
            step().controls.push_back(std::move(control));
    else
        step().conditions.push_back(readCondition(line));
}

void LessonReader::scriptLine(LessonLine line)
{
    // Each lesson begins from the factory settings, in the runner and in every host.
    if (commandName(line.parsed) == "memory")
        throw ScriptError{"a lesson starts from the factory settings: it keeps no instrument memory"};
    if (part_ == Part::top)
        throw ScriptError{"the lesson's script lines begin after \"start\""};
    if (part_ == Part::closing)
        throw ScriptError{"nothing but closing text after \"closing\""};
    (part_ == Part::start ? lesson_.start : step().solution).push_back(std::move(line));
}

void LessonReader::endStep()
{
    const std::string name = stepName(lesson_.steps.size() - 1);
    if (step().conditions.empty())
        throw at(step().line, name + " has no condition: a \"done\" line says what completes it");
    if (!hasInput(step().solution))
        throw at(step().line, name + " has no solution: the input lines that perform it follow its \"done\" lines");
}

Lesson LessonReader::finish(unsigned lastLine)
{
    if (part_ == Part::before)
        throw at(lastLine, "no lesson here: a lesson's first command is lesson \"TITLE\"");
    if (part_ == Part::top || part_ == Part::start)
        throw at(lastLine, lesson_.steps.empty() && part_ == Part::start
                               ? "the lesson has no step: step \"INSTRUCTION\" after its start"
                               : "the lesson has no start and no step: \"start\", then its steps");
    if (part_ == Part::steps) {
        endStep();
        throw at(lastLine, "the lesson ends without its closing text: closing \"TEXT\"");
    }
    return std::move(lesson_);
}

} // namespace

bool isLesson(std::string_view script)
{
    for (const std::string& line : scriptLines(script)) {
        try {
            if (const ScriptLine parsed = parseLine(line); parsed.command)
                return std::strcmp(parsed.command->name, "lesson") == 0;
        } catch (const ScriptError&) {
            return false;
        }
    }
    return false;
}

Lesson parseLessonLines(const std::vector<std::string>& lines)
{
    LessonReader reader;
    unsigned number = 0;
    for (const std::string& text : lines) {
        ++number;
        try {
            reader.read({number, text, parseLine(text)});
        } catch (ScriptError& error) {
            if (error.line == 0)
                error.line = number;
            throw;
        }
    }
    return reader.finish(number == 0 ? 1 : number);
}

Lesson parseLesson(std::string_view script) { return parseLessonLines(scriptLines(script)); }

std::string scriptOf(const std::vector<LessonLine>& lines)
{
    std::string script;
    for (const LessonLine& line : lines)
        script += line.text + '\n';
    return script;
}
