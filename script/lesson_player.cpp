#include "script/lesson_player.h"

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>
#include <utility>

#include "script/host_inputs.h"
#include "sim/simulator.h"

namespace {

// The settings that differ from the factory ones, as "set NAME VALUE" lines.
std::string exportedSettings()
{
    uint32_t length = 0;
    qs9ExportSetup(nullptr, 0, &length);
    std::string text(length + 1, '\0');
    qs9ExportSetup(text.data(), length + 1, &length);
    text.resize(length);
    return text;
}

// NAME -> VALUE of exported lines.
std::map<std::string, std::string> settingValues(const std::string& exported)
{
    std::map<std::string, std::string> values;
    std::istringstream lines(exported);
    std::string set, name, value;
    while (lines >> set >> name >> value)
        values[name] = value;
    return values;
}

// The settings field an element belongs to: "settings.tank1Cal[2]" is of
// "settings.tank1Cal".
std::string fieldOf(const std::string& element)
{
    for (int i = 0; i < qs9SettingCount(); ++i)
        if (element == qs9SettingName(i))
            return qs9SettingField(i);
    return element;
}

} // namespace

Lesson readLesson(std::string_view text)
{
    try {
        return parseLesson(text);
    } catch (const ScriptError& error) {
        throw ScriptError{lessonFault(error)};
    }
}

std::string lessonFault(const ScriptError& error)
{
    return error.line == 0 ? error.message : "line " + std::to_string(error.line) + ": " + error.message;
}

LessonPlayer::LessonPlayer(HostInputs& inputs, Lesson lesson, std::function<void()> changed)
    : inputs_(inputs), lesson_(std::move(lesson)), done_(lesson_.steps.size(), Done::no),
      hintSeen_(lesson_.steps.size(), false)
{
    if (lesson_.steps.empty())
        throw ScriptError{"the lesson has no step"};
    if (inputs_.playing())
        inputs_.stopPlaying(); // the lesson takes the instrument from here
    // As a played script does, the lesson starts from the factory settings:
    // the memory writes what is due before the run below wipes the
    // instrument, and rests until the user's own next On.
    inputs_.restMemory();
    if (!lesson_.traced) {
        const std::string fault = traceLesson(lesson_);
        if (!fault.empty()) {
            // The host's controls show the program start the run left.
            inputs_.powerOff();
            for (int i = 0; i < qs9InputCount(); ++i)
                inputs_.moveInput(*qs9InputAt(i), qs9InputAt(i)->start);
            throw ScriptError{fault};
        }
    }
    for (const LessonStep& step : lesson_.steps)
        lessonSettings_.insert(step.settingsChanged.begin(), step.settingsChanged.end());
    goTo(0);
    changed_ = std::move(changed); // from here on: the host has its player
}

LessonPlayer::~LessonPlayer()
{
    changed_ = nullptr;
    stopShowMe();
}

std::string LessonPlayer::progress() const
{
    if (finished())
        return "";
    return "Step " + std::to_string(step_ + 1) + " of " + std::to_string(stepCount());
}

std::vector<std::string> LessonPlayer::controls() const
{
    std::vector<std::string> names;
    if (!finished())
        for (const LessonControl& control : current().controls)
            names.push_back(control.name);
    return names;
}

// ---- the learner's buttons ----

void LessonPlayer::openHint()
{
    if (finished() || hintOpen_)
        return;
    hintOpen_ = true;
    revealHint();
    tell();
}

bool LessonPlayer::hintShown() const { return !finished() && (hintOpen_ || offPath_); }

void LessonPlayer::revealHint()
{
    if (!current().hint.empty())
        hintSeen_[step_] = true;
}

void LessonPlayer::showMe()
{
    if (finished() || showingMe_)
        return;
    shownMe_ = showingMe_ = true;
    offPath_ = false;
    tell();
    // The host lets the ending go once it is called, or once another script
    // plays in its place: the token goes with it.
    auto token = std::make_shared<bool>();
    showMePlaying_ = token;
    inputs_.play(solutionScript(current()), [this, token](const PlayEnd&) {
        showingMe_ = false;
        tell();
    });
}

void LessonPlayer::back() { goTo(finished() ? stepCount() - 1 : step_); }

void LessonPlayer::restart()
{
    std::fill(done_.begin(), done_.end(), Done::no);
    std::fill(hintSeen_.begin(), hintSeen_.end(), false);
    goTo(0);
}

// The solution playing stops at once.
void LessonPlayer::stopShowMe()
{
    showingMe_ = false;
    if (!showMePlaying_.expired())
        inputs_.stopPlaying();
}

// The instrument as the step began: the lesson run from a fresh "On" up to
// it, at once.
void LessonPlayer::goTo(size_t step)
{
    // A script playing would have the inputs of the step's start refused.
    stopShowMe();
    if (inputs_.playing())
        inputs_.stopPlaying();
    step_ = step;
    done_[step] = Done::no;
    startLesson(lesson_, inputs_.scriptedInputs(), step);
    beginStep();
}

// Where the step begins: its screens and settings, as the path is checked.
void LessonPlayer::beginStep()
{
    hintOpen_ = shownMe_ = offPath_ = false;
    if (!finished()) {
        startScreens_ = {qs9CurrentScreenName(), current().beganOn};
        startScreens_.insert(current().screens.begin(), current().screens.end());
        startSettings_ = exportedSettings();
    }
    tell();
}

// ---- the host's passes and ticks ----

void LessonPlayer::check()
{
    if (finished())
        return;
    // A script the user played in its place ended "Show me" without a word.
    if (showingMe_ && showMePlaying_.expired())
        showingMe_ = false;
    if (showingMe_)
        return;
    if (!stepDone(current()))
        return checkPath();
    done_[step_] = shownMe_ ? Done::byShowMe : Done::byLearner;
    ++step_;
    beginStep();
}

void LessonPlayer::checkPath()
{
    const bool off = !startScreens_.contains(qs9CurrentScreenName()) || !changedSetting().empty();
    if (off == offPath_)
        return;
    offPath_ = off;
    if (off)
        revealHint();
    tell();
}

// A settings field that no step changes and that differs from the step's
// start, or "".
std::string LessonPlayer::changedSetting() const
{
    const std::string now = exportedSettings();
    if (now == startSettings_)
        return "";
    const auto before = settingValues(startSettings_), after = settingValues(now);
    for (const auto* values : {&before, &after})
        for (const auto& [name, value] : *values) {
            const auto& other = values == &before ? after : before;
            const auto there = other.find(name);
            if ((there == other.end() || there->second != value) && !lessonSettings_.contains(fieldOf(name)))
                return name;
        }
    return "";
}

// ---- the result ----

LessonResult LessonPlayer::result() const
{
    LessonResult result;
    result.byLearner = unsigned(std::count(done_.begin(), done_.end(), Done::byLearner));
    result.byShowMe = unsigned(std::count(done_.begin(), done_.end(), Done::byShowMe));
    result.hintsOpened = unsigned(std::count(hintSeen_.begin(), hintSeen_.end(), true));
    return result;
}

std::string LessonPlayer::resultText() const
{
    const LessonResult r = result();
    return "Steps done yourself: " + std::to_string(r.byLearner) + " of " + std::to_string(stepCount()) +
           "\nSteps done by \"Show me\": " + std::to_string(r.byShowMe) + "\nHints opened: " +
           std::to_string(r.hintsOpened);
}

void LessonPlayer::tell() const
{
    if (changed_)
        changed_();
}
