// Lesson drafts from recordings made by the one recorder every host uses:
// the steps they get, and that the checker takes them as they are.
#include <gtest/gtest.h>

#include "script/host_inputs.h"
#include "script/lesson.h"
#include "script/lesson_draft.h"

namespace {

struct QuietControls : HostControls {
    void showInput(const Qs9Input&, uint32_t) override {}
    void powerChanged(bool) override {}
};

// A host recording its user, its passes and ticks interleaved as a
// window's main loop and timer make them.
class RecordedHost {
public:
    RecordedHost()
    {
        qs9ProgramStart();
        inputs_.startRecording([this](const std::string& line) { text_ += line + "\n"; return true; }, [] {});
    }
    void wait(int passes)
    {
        for (int n = 1; n <= passes; ++n) {
            inputs_.pass();
            if (n % 6 == 0)
                inputs_.tick();
        }
    }
    void key(uint8_t key, int passes = 8)
    {
        inputs_.postKey(key);
        wait(passes);
    }
    HostInputs& inputs() { return inputs_; }
    std::string recording()
    {
        inputs_.stopRecording();
        return text_;
    }

private:
    QuietControls controls_;
    HostInputs inputs_{controls_};
    std::string text_;
};

// On with the low-pressure alarm, the alarm acknowledged, then the main
// menu, FUEL SETUP, two turns to K-FACTOR 1, editing and one "+".
std::string kFactorWalk(RecordedHost& host)
{
    host.inputs().tick();
    host.inputs().powerOn();
    host.wait(30);
    for (const uint8_t key : {QS9_KEY_PLUS, QS9_KEY_PRESS, QS9_KEY_PRESS, QS9_KEY_PLUS, QS9_KEY_PLUS, QS9_KEY_PRESS,
                              QS9_KEY_PLUS})
        host.key(key);
    return host.recording();
}

std::vector<std::string> instructions(const Lesson& lesson)
{
    std::vector<std::string> texts;
    for (const LessonStep& step : lesson.steps)
        texts.push_back(step.instruction);
    return texts;
}

TEST(LessonDraft, AWalkToKFactor1BecomesALessonTheCheckerPasses)
{
    RecordedHost host;
    const std::string draft = lessonDraft(kFactorWalk(host), "k-factor walk");
    Lesson lesson = parseLesson(draft);
    EXPECT_EQ(traceLesson(lesson), "");
    EXPECT_EQ(lesson.title, "k-factor walk");
    EXPECT_EQ(instructions(lesson),
              (std::vector<std::string>{"Turn the knob +.", "Press the knob.", "Press the knob.", "Turn the knob +.",
                                        "Turn the knob +.", "Press the knob.", "Turn the knob +."}));
    // The start is the recording up to "on" and the passes and ticks after it.
    EXPECT_EQ(scriptOf(lesson.start), "tick 1\non\npass 6\ntick 1\npass 6\ntick 1\npass 6\ntick 1\npass 6\ntick 1\n"
                                      "pass 6\ntick 1\n");
    const auto conditions = [&](size_t step) {
        std::string text;
        for (const LessonCondition& condition : lesson.steps[step].conditions)
            text += condition.written + "; ";
        return text;
    };
    EXPECT_EQ(conditions(0), "currentScreen homeScreen; alarmAcked 64; ");
    EXPECT_EQ(conditions(2), "currentScreen fuelSetupScreen; ");
    EXPECT_EQ(conditions(4), "currentScreen fuelSetupScreen; menuCursor 2; ");
    EXPECT_EQ(conditions(6), "currentScreen fuelSetupScreen; settings.kFactor1 7001; ");
    EXPECT_EQ(lesson.steps[0].controls[0].name, "plus");
    EXPECT_EQ(solutionScript(lesson.steps[1]), "key press\npass 6\ntick 1\npass 2\n");
}

TEST(LessonDraft, AKeyThatChangedNothingFoldsIntoTheNextStepAndASliderMoveIsAStep)
{
    RecordedHost host;
    host.inputs().moveInput("pressure", 2000);
    host.inputs().powerOn();
    host.wait(10);
    host.key(QS9_KEY_RIGHT); // nothing to do on a sender tank's page
    host.key(QS9_KEY_PRESS);
    host.inputs().moveInput("level1", 600);
    host.wait(5);
    host.inputs().moveInput("level1", 600); // where it stands already
    host.inputs().moveInput("vrax", 0);
    host.wait(3);
    host.key(QS9_KEY_MINUS); // the main menu's last page
    host.key(QS9_KEY_RIGHT); // nothing in the main menu: nothing changed after the last step
    host.inputs().powerOff();
    const std::string draft = lessonDraft(host.recording(), "folds");
    Lesson lesson = parseLesson(draft);
    EXPECT_EQ(traceLesson(lesson), "");
    EXPECT_EQ(instructions(lesson),
              (std::vector<std::string>{"Press the right push button, then press the knob.", "Move Fuel Level1 to 600.",
                                        "Clear VRAX On/Off.", "Turn the knob -."}));
    EXPECT_EQ(lesson.steps[0].controls.size(), 2u);
    EXPECT_EQ(lesson.steps[1].conditions[1].written, "input.level1 600");
    EXPECT_EQ(lesson.steps[2].conditions[1].written, "input.vrax 0");
    EXPECT_EQ(lesson.steps[2].controls[0].kind, LessonControlKind::box);
    // What followed the last step that changed anything stays, as comments.
    EXPECT_NE(draft.find("closing \"What the pilot has learnt, in a sentence or two.\"\n"
                         "# After its last step the recording went on with lines that changed nothing:\n"
                         "# key right\n"),
              std::string::npos);
    EXPECT_NE(draft.find("# off\n"), std::string::npos);
}

TEST(LessonDraft, ARecordingWithoutOnOrWithoutAStepOrWithABadLineIsRefused)
{
    const auto refusal = [](const std::string& recording) {
        try {
            lessonDraft(recording, "r");
        } catch (const ScriptError& error) {
            return "line " + std::to_string(error.line) + ": " + error.message;
        }
        return std::string("taken");
    };
    EXPECT_EQ(refusal("tick 3\nslider level1 600\n"),
              "line 2: the recording never switches the instrument on: a lesson's steps follow its \"on\"");
    EXPECT_EQ(refusal("on\npass 4\ntick 2\n"),
              "line 3: the recording has no key the instrument took and no slider or box move after its \"on\": "
              "nothing to make a step of");
    EXPECT_EQ(refusal("on\npass 4\nkey sideways\n"), "line 3: unknown key \"sideways\": left, right, press, plus, "
                                                     "minus or 1..5");
    EXPECT_EQ(refusal("lesson \"A\"\n"), "line 1: this is a lesson already: a draft is made from a recording");
    // A file name that would break the draft's lines is kept to its printable part.
    EXPECT_EQ(parseLesson(lessonDraft("on\nkey press\npass 3\n", "walk\n\"one\"")).title, "walk\"one\"");
}

} // namespace
