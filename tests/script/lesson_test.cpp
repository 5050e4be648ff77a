// Lessons: what the reader takes and refuses, a lesson run plainly and as a
// check, the path a trace finds, the start of a step in a host, and the
// conditions against the firmware as a host's own passes leave it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "script/check_mode.h"
#include "script/host_inputs.h"
#include "script/lesson.h"
#include "script/lesson_coverage.h"
#include "tests/script/script_test_support.h"

namespace {

// Two steps to the fuel set-up, then a K-factor changed.
const std::string kFactorLesson = R"(# the walk to K-FACTOR 1
lesson "Set the K-factor"
introduction "The K-factor says how many pulses the flow sender gives per litre."
introduction "It is on the FUEL SETUP list."
start
slider pressure 2000
on
pass 10
step "Press the knob: the main menu opens."
hint "Any page of the home screen takes the knob's press."
highlight key press
done currentScreen mainMenuScreen
key press
pass
step "Press the knob again: FUEL SETUP opens."
done currentScreen fuelSetupScreen
done text "UNIT: "
key press
step "Turn to K-FACTOR 1, press the knob and turn \"+\" once."
highlight key plus press
highlight slider flow1
done settings.kFactor1 7001
key plus
pass
key plus
pass
key press
pass
key plus
pass 3
closing "The K-factor is set."
)";

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

// The line and message a lesson is refused with.
std::string refusal(const std::string& text)
{
    try {
        parseLesson(text);
    } catch (const ScriptError& error) {
        return "line " + std::to_string(error.line) + ": " + error.message;
    }
    return "taken";
}

TEST(Lesson, ReadsTitleIntroductionStartStepsAndClosing)
{
    const Lesson lesson = parseLesson(kFactorLesson);
    EXPECT_EQ(lesson.title, "Set the K-factor");
    EXPECT_EQ(lesson.introduction,
              "The K-factor says how many pulses the flow sender gives per litre.\nIt is on the FUEL SETUP list.");
    ASSERT_EQ(lesson.start.size(), 3u);
    EXPECT_EQ(lesson.start[1].number, 7u);
    EXPECT_EQ(lesson.start[1].text, "on");
    ASSERT_EQ(lesson.steps.size(), 3u);
    const LessonStep& first = lesson.steps[0];
    EXPECT_EQ(first.line, 9u);
    EXPECT_EQ(first.hint, "Any page of the home screen takes the knob's press.");
    ASSERT_EQ(first.conditions.size(), 1u);
    EXPECT_EQ(first.conditions[0].written, "currentScreen mainMenuScreen");
    EXPECT_EQ(solutionScript(first), "key press\npass\n");
    EXPECT_EQ(lesson.steps[1].conditions[1].written, "text \"UNIT: \"");
    const LessonStep& third = lesson.steps[2];
    EXPECT_EQ(third.instruction, "Turn to K-FACTOR 1, press the knob and turn \"+\" once.");
    ASSERT_EQ(third.controls.size(), 3u);
    EXPECT_EQ(third.controls[1].name, "press");
    EXPECT_EQ(third.controls[2].kind, LessonControlKind::slider);
    EXPECT_EQ(third.solution.size(), 8u);
    EXPECT_EQ(lesson.closing, "The K-factor is set.");
    EXPECT_TRUE(isLesson(kFactorLesson));
    EXPECT_FALSE(isLesson("on\npass\n"));
}

TEST(Lesson, TextsAreKeptAsWrittenInUtf8)
{
    const Lesson lesson = parseLesson(replaced(kFactorLesson, "\"Set the K-factor\"", "\"Réglage du facteur K — 7000 ≈ 1 L\""));
    EXPECT_EQ(lesson.title, "Réglage du facteur K — 7000 ≈ 1 L");
}

TEST(Lesson, IsRefusedWithTheLineAtFault)
{
    const std::pair<std::string, std::string> faults[] = {
        {replaced(kFactorLesson, "hint \"Any", "hint \"Any\"page"),
         "line 10: a blank must follow the closing quote of \"Any\""},
        {replaced(kFactorLesson, "done text \"UNIT: \"", "done txet \"UNIT: \""), "line 17: unknown name \"txet\""},
        {replaced(kFactorLesson, "done settings.kFactor1", "done settings.kFactor9"),
         "line 22: unknown name \"settings.kFactor9\""},
        {replaced(kFactorLesson, "mainMenuScreen", "mainMenuScren"),
         "line 12: unknown screen \"mainMenuScren\" for currentScreen: a screen's name as print shows it, such as "
         "homeScreen"},
        {replaced(kFactorLesson, "7001", "07001"),
         "line 22: settings.kFactor1 is a number: write it in decimal, as print shows it, not \"07001\""},
        {replaced(kFactorLesson, "done text \"UNIT: \"", "done pixel 160 0 9"), "line 17: x 160 out of range 0..159"},
        {replaced(kFactorLesson, "done currentScreen mainMenuScreen\n", ""),
         "line 9: step 1 has no condition: a \"done\" line says what completes it"},
        {replaced(kFactorLesson, "key press\nstep \"Turn", "step \"Turn"),
         "line 15: step 2 has no solution: the input lines that perform it follow its \"done\" lines"},
        {replaced(kFactorLesson, "pass 3\nclosing", "pass 3\ndone settings.kFactor1 7002\nclosing"),
         "line 31: \"done\" comes before the step's solution, which begins at line 23"},
        {replaced(kFactorLesson, "highlight key plus press", "highlight key plus knob"),
         "line 20: unknown key \"knob\" to highlight"},
        {replaced(kFactorLesson, "highlight slider flow1", "highlight lamp flow1"),
         "line 21: highlight takes key, slider, box or power, not \"lamp\""},
        {replaced(kFactorLesson, "\"It is on", "\"It is\\x07 on"),
         "line 4: the introduction \"It is\\x07 on the FUEL SETUP list.\" holds a control character, an invisible "
         "one or bytes that are no UTF-8 text"},
        {replaced(kFactorLesson, "\"It is on", "\"It is\\xC3 on"),
         "line 4: the introduction \"It is\\xC3 on the FUEL SETUP list.\" holds a control character, an invisible "
         "one or bytes that are no UTF-8 text"},
        {replaced(kFactorLesson, "\"It is on", "\"It is\xE2\x80\xAE on"), // a right-to-left override
         "line 4: the introduction \"It is\\xE2\\x80\\xAE on the FUEL SETUP list.\" holds a control character, an "
         "invisible one or bytes that are no UTF-8 text"},
        {replaced(kFactorLesson, "closing \"The K-factor is set.\"\n", ""),
         "line 30: the lesson ends without its closing text: closing \"TEXT\""},
        {"on\n" + kFactorLesson, "line 1: a lesson's first command is lesson \"TITLE\", not \"on\""},
        {replaced(kFactorLesson, "start\n", "start\nmemory kept.mem\n"),
         "line 6: a lesson starts from the factory settings: it keeps no instrument memory"},
        {replaced(kFactorLesson, "start\nslider", "slider"),
         "line 5: the lesson's script lines begin after \"start\""},
        {replaced(kFactorLesson, "closing \"The", "pass\nclosing \"The K\"\npass\nclosing \"The"),
         "line 33: nothing but closing text after \"closing\""},
        {"lesson \"Nothing\"\nintroduction \"Nothing to do.\"\nstart\non\n",
         "line 4: the lesson has no step: step \"INSTRUCTION\" after its start"},
        {"", "line 1: no lesson here: a lesson's first command is lesson \"TITLE\""},
    };
    for (const auto& [text, message] : faults)
        EXPECT_EQ(refusal(text), message);
}

TEST(Lesson, RunPlainlyItPlaysEveryStepAndReportsAStepNotDone)
{
    EXPECT_EQ(runText(kFactorLesson).status, scriptSucceeded);
    const ScriptResult undone = runText(replaced(kFactorLesson, "key plus\npass 3\n", "pass 3\n"));
    EXPECT_EQ(undone.status, scriptExpectationFailed);
    EXPECT_EQ(undone.err, "line 22: step 3 \"Turn to K-FACTOR 1, press the knob and turn \\\"+\\\" once.\" is not "
                          "done 10 passes after its solution: settings.kFactor1 = 7000, expected 7001\n");
    // A lesson that is refused runs nothing: the picture of its start is never made.
    const ScriptResult refused = runText(replaced(kFactorLesson, "pass 10\n", "pass 10\nshot never.png\n") +
                                         "key press\n");
    EXPECT_EQ(refused.status, scriptFailed);
    EXPECT_EQ(refused.err, "line 33: nothing but closing text after \"closing\"\n");
    EXPECT_FALSE(std::filesystem::exists("never.png"));
    // Lesson commands in a plain script, or a lesson line that is not first.
    EXPECT_EQ(runText("on\nstep \"Press\"\n").err,
              "line 2: a lesson command outside a lesson: a lesson's first command is lesson \"TITLE\"\n");
    EXPECT_EQ(runText("on\nlesson \"Late\"\n").err,
              "line 2: \"lesson\" comes first in a lesson, before any other command\n");
}

TEST(Lesson, ACheckRefusesAStepDoneBeforeItsSolution)
{
    // Step 2 asks for the screen that step 1 already opened.
    const std::string early = replaced(kFactorLesson, "done currentScreen mainMenuScreen",
                                       "done currentScreen fuelSetupScreen");
    const std::string planted = replaced(early, "key press\npass\nstep \"Press the knob again", "key press\npass\n"
                                         "key press\npass 2\nstep \"Press the knob again");
    ScriptOptions checking;
    checking.checkingLessons = true;
    const ScriptResult checked = runText(planted, checking);
    EXPECT_EQ(checked.status, scriptExpectationFailed);
    EXPECT_EQ(checked.err.substr(0, checked.err.find('\n')),
              "line 17: step 2 \"Press the knob again: FUEL SETUP opens.\" is done before its solution: "
              "currentScreen fuelSetupScreen; text \"UNIT: \"");
    // Run plainly, the same lesson does not look back.
    EXPECT_EQ(runText(planted).err.find("done before"), std::string::npos);
}

TEST(Lesson, TheTraceFindsEachStepsScreensSettingsAndSettlingPasses)
{
    Lesson lesson = parseLesson(kFactorLesson);
    EXPECT_EQ(traceLesson(lesson), "");
    EXPECT_TRUE(lesson.traced);
    EXPECT_EQ(lesson.steps[0].beganOn, "homeScreen");
    EXPECT_EQ(lesson.steps[0].screens, (std::vector<std::string>{"homeScreen", "mainMenuScreen"}));
    EXPECT_EQ(lesson.steps[0].settlingPasses, 0u);
    // The knob's press alone: the fuel set-up becomes current in the next pass,
    // and its rows are drawn in the one after.
    EXPECT_EQ(lesson.steps[1].screens, (std::vector<std::string>{"mainMenuScreen", "fuelSetupScreen"}));
    EXPECT_EQ(lesson.steps[1].settlingPasses, 2u);
    EXPECT_TRUE(lesson.steps[1].settingsChanged.empty());
    EXPECT_EQ(lesson.steps[2].settingsChanged, std::vector<std::string>{"settings.kFactor1"});
    EXPECT_EQ(std::string(qs9CurrentScreenName()), "homeScreen"); // back at program start
    EXPECT_EQ(qs9MainLoopRuns(), 1);

    LessonCoverage coverage;
    coverage.add(lesson);
    const std::vector<std::string> screens = coverage.screensNotShown();
    EXPECT_EQ(screens.size(), size_t(qs9ScreenCount() - 3));
    EXPECT_EQ(std::count(screens.begin(), screens.end(), "fuelSetupScreen"), 0);
    const std::vector<std::string> settings = coverage.settingsNotChanged();
    EXPECT_EQ(std::count(settings.begin(), settings.end(), "settings.kFactor1"), 0);
    EXPECT_EQ(std::count(settings.begin(), settings.end(), "settings.tank1Cal"), 1);
    EXPECT_EQ(coverage.report().substr(0, 30), "screens no lesson step shows: ");
}

TEST(Lesson, OnGivesTheFactorySettingsWhichNoStepCountsAsChanged)
{
    Lesson lesson = parseLesson(replaced(kFactorLesson, "slider pressure 2000\non\npass 10\nstep \"Press the knob:",
                                         "slider pressure 2000\nstep \"Press On.\"\ndone switchedOn 1\non\npass 10\n"
                                         "step \"Press the knob:"));
    EXPECT_EQ(traceLesson(lesson), "");
    EXPECT_TRUE(lesson.steps[0].settingsChanged.empty());
}

// A host without a window, whose controls hear what a lesson's start does.
struct StandInControls : HostControls {
    std::vector<std::string> shown;
    void showInput(const Qs9Input& input, uint32_t position) override
    {
        shown.push_back(std::string(input.name) + " " + std::to_string(position));
    }
    void powerChanged(bool on) override { shown.push_back(on ? "on" : "off"); }
};

TEST(Lesson, AHostStartsEachStepWhereTheTraceFoundItAndSeesItDoneByItsOwnPasses)
{
    Lesson lesson = parseLesson(kFactorLesson);
    ASSERT_EQ(traceLesson(lesson), "");
    StandInControls controls;
    HostInputs host(controls);
    host.moveInput("level1", 900); // left over from before the lesson
    host.powerOn();
    startLesson(lesson, host, 2);
    EXPECT_EQ(std::string(qs9CurrentScreenName()), lesson.steps[2].beganOn);
    EXPECT_EQ(controls.shown[2], "off");
    EXPECT_EQ(std::count(controls.shown.begin(), controls.shown.end(), "level1 0"), 1);
    EXPECT_EQ(std::count(controls.shown.begin(), controls.shown.end(), "pressure 2000"), 1);
    // The learner's own way: "+" twice, the knob, "+" once, each key in a pass of the host.
    EXPECT_FALSE(stepDone(lesson.steps[2]));
    EXPECT_EQ(unmetCondition(lesson.steps[2]), "settings.kFactor1 7001: settings.kFactor1 = 7000, expected 7001");
    for (const uint8_t key : {QS9_KEY_PLUS, QS9_KEY_PLUS, QS9_KEY_PRESS, QS9_KEY_PLUS}) {
        host.postKey(key);
        host.pass();
    }
    EXPECT_TRUE(stepDone(lesson.steps[2]));

    // Step 2's text condition reads what the host's last pass drew.
    startLesson(lesson, host, 1);
    host.postKey(QS9_KEY_PRESS);
    host.pass();
    EXPECT_EQ(conditionFault(lesson.steps[1].conditions[1]), "text \"UNIT: \" not drawn by the last pass");
    host.pass();
    EXPECT_EQ(conditionFault(lesson.steps[1].conditions[1]), "");
}

TEST(LessonCheck, ChecksLessonsAsLessonsAndEndsWithWhatTheyLeaveOut)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "qs9-lesson-check";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto write = [&](const char* name, const std::string& text) {
        std::ofstream(folder / name) << text;
    };
    write("a-k-factor.qs9", kFactorLesson);
    write("b-unreached.qs9", replaced(kFactorLesson, "7001", "7002"));
    write("c-plain.qs9", "on\npass\nexpect currentScreen homeScreen\n");
    std::ostringstream report;
    EXPECT_EQ(runChecks({folder.string()}, false, report), 1);
    const std::string text = report.str();
    const std::string unreached = (folder / "b-unreached.qs9").string() + ": line 22: step 3 ";
    EXPECT_EQ(text.substr(0, unreached.size()), unreached);
    EXPECT_NE(text.find("is not done 10 passes after its solution: settings.kFactor1 = 7001, expected 7002\n"
                        "2 passed, 1 failed\nscreens no lesson step shows: messageScreen, securityCodeScreen,"),
              std::string::npos);
    EXPECT_NE(text.find("\nsettings no lesson step changes: settings.backlightMode,"), std::string::npos);
    EXPECT_EQ(text.find("settings.kFactor1,"), std::string::npos);
    std::filesystem::remove_all(folder);
}

} // namespace
