// Lessons run: by the runner and its checks, once to trace a lesson's path
// for a player, and for a player's start of a step.
#include "script/lesson_run.h"

#include <algorithm>
#include <cstring>
#include <ostream>
#include <sstream>

#include "script/expectations.h"
#include "script/script_arguments.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

// A step may take this many passes after its solution to be done: the
// screen a key opens draws in the pass after the one that took the key,
// and a value a key changes shows in the pass after that.
constexpr uint32_t settlingLimit = 10;

void addOnce(std::vector<std::string>& names, const std::string& name)
{
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}

// The settings as they were at the last look, element by element.
class SettingsWatch {
public:
    SettingsWatch() : values_(current()) {}

    // Adds the fields whose elements changed since the last look.
    void look(std::vector<std::string>& changed)
    {
        std::vector<std::string> now = current();
        for (size_t i = 0; i < now.size(); ++i)
            if (now[i] != values_[i])
                addOnce(changed, qs9SettingField(int(i)));
        values_ = std::move(now);
    }
    // What "on" gives is no change a step makes: the factory settings.
    void rebase() { values_ = current(); }

private:
    static std::vector<std::string> current()
    {
        std::vector<std::string> values;
        for (int i = 0; i < qs9SettingCount(); ++i)
            values.push_back(formattedValue(qs9SettingName(i)));
        return values;
    }

    std::vector<std::string> values_;
};

// The step's first condition that does not hold, or nullptr; its fault.
const LessonCondition* firstUnmet(const LessonStep& step, std::string& fault)
{
    const std::vector<DrawnText> texts = lastPassTexts();
    for (const LessonCondition& condition : step.conditions)
        if (fault = expectationFault(condition.arguments, texts); !fault.empty())
            return &condition;
    return nullptr;
}

std::string stepName(const Lesson& lesson, const LessonStep& step)
{
    return "step " + std::to_string(&step - lesson.steps.data() + 1) + " " + quotedText(step.instruction);
}

void runLine(const LessonLine& line, ScriptSession& session)
{
    session.lineNumber = line.number;
    if (line.parsed.command)
        line.parsed.command->run(session, line.parsed.arguments);
}

void runPass(ScriptSession& session) { findCommand("pass")->run(session, {}); }

void reportDoneBefore(const Lesson& lesson, const LessonStep& step, ScriptSession& session)
{
    std::string conditions;
    for (const LessonCondition& condition : step.conditions)
        conditions += (conditions.empty() ? "" : "; ") + condition.written;
    session.lineNumber = step.line;
    session.expectationFailed(stepName(lesson, step) + " is done before its solution: " + conditions);
}

// Passes after the solution until the step is done, at most settlingLimit.
void settle(const Lesson& lesson, LessonStep& step, ScriptSession& session, SettingsWatch& settings)
{
    std::string fault;
    for (step.settlingPasses = 0;; ++step.settlingPasses) {
        const LessonCondition* unmet = firstUnmet(step, fault);
        if (!unmet)
            return;
        const bool off = !session.inputs.poweredOn();
        if (off || step.settlingPasses == settlingLimit) {
            session.lineNumber = unmet->line;
            session.expectationFailed(stepName(lesson, step) + " is not done " +
                                      (off ? "after its solution, with the instrument off"
                                           : std::to_string(settlingLimit) + " passes after its solution") +
                                      ": " + fault);
            return;
        }
        runPass(session);
        settings.look(step.settingsChanged);
    }
}

void runStep(const Lesson& lesson, LessonStep& step, ScriptSession& session)
{
    step.beganOn = qs9CurrentScreenName();
    step.screens.clear();
    step.settingsChanged.clear();
    if (session.options.checkingLessons && stepDone(step))
        reportDoneBefore(lesson, step, session);
    const auto shown = [&step] { addOnce(step.screens, qs9CurrentScreenName()); };
    session.passObserver = shown;
    SettingsWatch settings;
    for (const LessonLine& line : step.solution) {
        runLine(line, session);
        if (line.parsed.command && std::strcmp(line.parsed.command->name, "on") == 0)
            settings.rebase();
        else
            settings.look(step.settingsChanged);
        shown();
    }
    settle(lesson, step, session, settings);
    session.passObserver = nullptr;
}

// Stops observing passes however the run ends.
struct ObservedPasses {
    explicit ObservedPasses(ScriptSession& session) : session_(session) {}
    ~ObservedPasses() { session_.passObserver = nullptr; }
    ScriptSession& session_;
};

} // namespace

void runLesson(Lesson& lesson, ScriptSession& session)
{
    const ObservedPasses observed(session);
    lesson.traced = false;
    for (const LessonLine& line : lesson.start)
        runLine(line, session);
    for (LessonStep& step : lesson.steps)
        runStep(lesson, step, session);
    lesson.traced = true;
}

std::string conditionFault(const LessonCondition& condition)
{
    return expectationFault(condition.arguments, lastPassTexts());
}

std::string unmetCondition(const LessonStep& step)
{
    std::string fault;
    const LessonCondition* unmet = firstUnmet(step, fault);
    return unmet ? unmet->written + ": " + fault : "";
}

bool stepDone(const LessonStep& step)
{
    std::string fault;
    return firstUnmet(step, fault) == nullptr;
}

std::string traceLesson(Lesson& lesson)
{
    qs9ProgramStart();
    std::ostream ignored(nullptr);
    ScriptOptions options;
    options.checkingLessons = true;
    std::ostringstream errors;
    ScriptSession session(ignored, errors, options);
    std::string fault;
    try {
        runLesson(lesson, session);
        fault = session.firstFailure();
    } catch (const ScriptError& error) {
        fault = "line " + std::to_string(error.line ? error.line : session.lineNumber) + ": " + error.message;
    }
    qs9ProgramStart();
    return fault;
}

void startLesson(const Lesson& lesson, InputSink& inputs, size_t step)
{
    inputs.powerOff();
    for (int i = 0; i < qs9InputCount(); ++i)
        inputs.moveInput(*qs9InputAt(i), qs9InputAt(i)->start);
    std::ostream ignored(nullptr);
    ScriptOptions options;
    options.inputs = &inputs;
    ScriptSession session(ignored, ignored, options);
    const auto runInputs = [&](const std::vector<LessonLine>& lines) {
        for (const LessonLine& line : lines)
            if (line.parsed.command && line.parsed.command->isInput())
                runLine(line, session);
    };
    runInputs(lesson.start);
    for (size_t i = 0; i < step && i < lesson.steps.size(); ++i) {
        runInputs(lesson.steps[i].solution);
        for (uint32_t n = 0; n < lesson.steps[i].settlingPasses && inputs.poweredOn(); ++n)
            runPass(session);
    }
}
