// A lesson played on a running host, the same for the window and the page:
// the learner works the host's own controls, and after each of the host's
// passes the player checks whether the step's conditions hold. The step is
// done when they do, by whatever path the learner took. "Show me" plays the
// step's solution through the host's one player at the instrument's pace,
// so that each key shows as it goes. Back returns to the step's start by
// running, from a fresh "On", the lesson's start and the solutions of the
// steps before it, as the runner plays the lesson: the state is the one the
// step began with.
#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "script/lesson.h"

class HostInputs;

// The lesson in a text, as a host opens it: a lesson refused (a syntax
// fault, an unknown name in a condition, a step without a condition, ...)
// throws ScriptError whose message names the line, "line 12: ...".
Lesson readLesson(std::string_view text);
// A lesson's fault in words, its line first when it has one: "line 12: ...".
std::string lessonFault(const ScriptError& error);

// What the learner did, told after the last step.
struct LessonResult {
    unsigned byLearner = 0;   // steps done by the learner's own actions
    unsigned byShowMe = 0;    // steps done by "Show me"
    unsigned hintsOpened = 0; // steps whose hint was shown
};

class LessonPlayer {
public:
    // Opens the lesson on the host: it runs once as the runner checks it
    // (to learn each step's path), then the instrument starts afresh from
    // the factory settings, the lesson's start runs and the first step
    // shows. The instrument memory rests meanwhile, as for a played script:
    // the lesson neither reads it nor writes it, until the user's own On. A lesson whose run fails is refused: ScriptError naming the
    // line and the step, the instrument left off at program start. Once
    // made, changed is called whenever what a host shows of the lesson
    // changes.
    LessonPlayer(HostInputs& inputs, Lesson lesson, std::function<void()> changed);
    // Leaving: a "Show me" still playing stops; the instrument stays as it is.
    ~LessonPlayer();
    LessonPlayer(const LessonPlayer&) = delete;
    LessonPlayer& operator=(const LessonPlayer&) = delete;

    const Lesson& lesson() const { return lesson_; }
    // The step shown, from 0; stepCount() once the last is done.
    size_t step() const { return step_; }
    size_t stepCount() const { return lesson_.steps.size(); }
    bool finished() const { return step_ == stepCount(); }
    // "Step 3 of 9"; "" once finished.
    std::string progress() const;
    // The step shown; only while not finished.
    const LessonStep& current() const { return lesson_.steps.at(step_); }
    // The names of the controls the step shown highlights; none once finished.
    std::vector<std::string> controls() const;

    // The hint of the step shown, opened by the learner.
    void openHint();
    // Shown: opened, or shown because the learner left the lesson's path.
    bool hintShown() const;
    // The screen shown is neither one the step began on nor one its solution
    // passes through, or a setting that no step of the lesson changes differs
    // from the step's start. Back is the way back.
    bool offPath() const { return offPath_; }

    // Plays the step's solution at the instrument's pace; the step is then
    // done by "Show me" once its conditions hold.
    void showMe();
    bool showingMe() const { return showingMe_; }
    // Back to the start of the step shown (once finished: of the last step).
    void back();
    // Back to the first step, the result counted afresh.
    void restart();

    // After each of the host's main-loop passes and each of its timer ticks
    // (which go on while the instrument is off, as after a step's "Off").
    void check();

    LessonResult result() const;
    // The result in words, one line each: "Steps done yourself: 5 of 7",
    // "Steps done by "Show me": 2", "Hints opened: 1".
    std::string resultText() const;

private:
    enum class Done : uint8_t { no, byLearner, byShowMe };

    void goTo(size_t step);
    void beginStep();
    void stopShowMe();
    void checkPath();
    std::string changedSetting() const;
    void revealHint();
    void tell() const;

    HostInputs& inputs_;
    Lesson lesson_;
    std::function<void()> changed_;
    size_t step_ = 0;
    std::vector<Done> done_;       // by step
    std::vector<bool> hintSeen_;   // by step
    bool hintOpen_ = false;        // for the step shown
    bool shownMe_ = false;         // "Show me" played on the step shown
    bool showingMe_ = false;
    std::weak_ptr<bool> showMePlaying_;   // alive while the host plays the solution
    bool offPath_ = false;
    std::set<std::string> startScreens_;  // the step's own and those its solution passes through
    std::string startSettings_;           // the settings that differ from the factory ones, as the step began
    std::set<std::string> lessonSettings_; // the settings fields some step changes
};
