// Lessons: runner scripts that teach one procedure of the instrument step by
// step (lessons/README.md describes the language). A lesson has a title, an
// introduction, a start (script lines that set the instrument up, run
// without being shown), steps and a closing text. Each step has an
// instruction, an optional hint, the controls to highlight, the conditions
// that complete it (in the forms "expect" takes; all must hold) and its
// solution: the input lines that perform it.
//
// For a lesson player (the page, the window):
//   parseLesson     the lesson from its text, or ScriptError naming the line
//   traceLesson     runs it once as the checker does and fills in each
//                   step's path: the screen it begins on, the screens its
//                   solution passes through, the settings it changes and
//                   the passes it takes to settle; the firmware is then back
//                   at program start
//   startLesson     takes the instrument to the beginning of a step (the
//                   start, then the solutions of the steps before it)
//   stepDone        after each of the host's passes: the learner's own
//                   actions, by whatever path, completed the step
// A step's solution (solutionScript) plays through the host's player for
// "Show me". Hosts switch the instrument memory off while a lesson runs, so
// that the start's "on" gives the factory settings as it does in the runner.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "script/input_sink.h"
#include "script/script_lines.h"

// One line of the lesson file.
struct LessonLine {
    unsigned number = 0; // from 1
    std::string text;    // as written
    ScriptLine parsed;
};

enum class LessonControlKind : uint8_t { key, slider, box, power };

// A control a step highlights: a key by the key table's name ("press"), a
// slider or a box by the input table's ("level1", "vrax"), or the power
// buttons "on" and "off".
struct LessonControl {
    LessonControlKind kind;
    std::string name;
};

// One condition of a step, with the arguments "expect" takes:
// NAME VALUE, text "TEXT" [X Y [FONT [COLOUR]]], or pixel X Y INDEX.
struct LessonCondition {
    unsigned line = 0;
    std::vector<std::string> arguments;
    std::string written; // as written after "done"
};

struct LessonStep {
    unsigned line = 0; // of its "step" line
    std::string instruction;
    std::string hint; // "" without one; paragraphs separated by '\n'
    std::vector<LessonControl> controls;
    std::vector<LessonCondition> conditions;
    std::vector<LessonLine> solution;

    // The step's path, from traceLesson.
    std::string beganOn;                       // the current screen as the step begins
    std::vector<std::string> screens;          // the current screens its solution passes through, in order
    std::vector<std::string> settingsChanged;  // settings fields it changes ("settings.kFactor1")
    uint32_t settlingPasses = 0;               // passes after the solution until its conditions held
};

struct Lesson {
    std::string title;
    std::string introduction; // paragraphs separated by '\n'
    std::vector<LessonLine> start;
    std::vector<LessonStep> steps;
    std::string closing; // paragraphs separated by '\n'
    bool traced = false; // the steps' paths are filled in
};

// The script's first command is "lesson".
bool isLesson(std::string_view script);

// The lesson in a script's text, or its lines as the runner cut them. A
// syntax fault, a text that is no UTF-8 or holds control characters, an
// unknown name or control, a command out of place, a step without a
// condition or without a solution, a lesson without its introduction, start
// or closing: ScriptError, with the line in its `line`.
Lesson parseLesson(std::string_view script);
Lesson parseLessonLines(const std::vector<std::string>& lines);

// "" when the condition holds for the firmware as it is now (the named
// values, the last pass's texts, the frame buffer); else what differs, as a
// failed "expect" says it.
std::string conditionFault(const LessonCondition& condition);
// The first condition of the step that does not hold, with its fault; ""
// when every one holds.
std::string unmetCondition(const LessonStep& step);
bool stepDone(const LessonStep& step);

// The lines as a script, one a line: a step's solution for "Show me".
std::string scriptOf(const std::vector<LessonLine>& lines);
inline std::string solutionScript(const LessonStep& step) { return scriptOf(step.solution); }

// Runs the lesson from program start as `qs9-script --check` does and fills
// in each step's path. "" when every step passed, else the first fault,
// "line N: step 2 \"...\": ...". Leaves the firmware at program start.
std::string traceLesson(Lesson& lesson);

// The instrument at the beginning of step `step` (0: the first step), all
// at once: "Off", every input of the table at its program-start position,
// the start's lines, then for each step before it its solution and its
// settling passes (which need the lesson traced). The lines go to the
// host's inputs, so its controls show them; passes and ticks run on the
// firmware directly, unseen. Throws ScriptError for a line that cannot run.
void startLesson(const Lesson& lesson, InputSink& inputs, size_t step = 0);
