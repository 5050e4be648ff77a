// The lesson player of every host, driven through a stand-in for a host's
// controls: steps done by the learner's own keys by whatever path, "Show
// me" at the host's pace, Back to the exact state a step began with, the
// lesson's path left by a screen or a setting, the result, and lessons
// refused.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "script/host_inputs.h"
#include "script/lesson_player.h"
#include "tests/script/script_test_support.h"

namespace {

const char* const kFactorLesson = R"(lesson "Finding K-FACTOR 1"
introduction "The K-factor is the flow sender's pulses per litre."
start
slider pressure 2000
slider level1 600
on
pass 3
step "Press the knob: the main menu opens."
hint "The knob is the round control below the display."
highlight key press
done currentScreen mainMenuScreen
key press
pass 3
step "With FUEL SETUP shown, press the knob."
highlight key press
done currentScreen fuelSetupScreen
key press
pass 3
step "Turn the knob to K-FACTOR 1."
hint "Each turn moves the cursor one row."
highlight key plus minus
done menuCursor 2
key plus
pass 2
key plus
pass 2
closing "K-FACTOR 1 is where the flow sender's pulses per litre are set."
)";

struct StandInControls : HostControls {
    std::vector<std::string> shown;
    void showInput(const Qs9Input& input, uint32_t position) override
    {
        shown.push_back(std::string(input.name) + " " + std::to_string(position));
    }
    void powerChanged(bool on) override { shown.push_back(on ? "on" : "off"); }
};

using Frame = std::array<uint8_t, QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT>;

Frame frame()
{
    Frame copy;
    std::memcpy(copy.data(), qs9FrameBuffer(), copy.size());
    return copy;
}

std::string value(const char* name)
{
    char text[64];
    return qs9FormatValue(name, text, sizeof text) == QS9_OK ? text : "?";
}

// A host whose main loop runs only when the test says so.
struct HostWithLesson {
    StandInControls controls;
    HostInputs inputs{controls};
    unsigned changes = 0;
    std::unique_ptr<LessonPlayer> player;

    explicit HostWithLesson(const char* text = kFactorLesson)
    {
        qs9ProgramStart();
        inputs.moveInput("flow1", 1234); // the learner's before the lesson
        player = std::make_unique<LessonPlayer>(inputs, parseLesson(text), [this] { ++changes; });
    }

    void passes(int n)
    {
        for (int i = 0; i < n; ++i) {
            inputs.pass();
            player->check();
        }
    }

    void key(uint8_t key)
    {
        ASSERT_EQ(inputs.postKey(key), QS9_OK);
        passes(2);
    }
};

// The frame and state the runner reaches with these lines.
struct RunnerState {
    Frame shown;
    std::string screen, cursor, editing, units;
};

RunnerState runnerState(const std::string& lines)
{
    EXPECT_EQ(runText(lines).status, 0);
    return {frame(), value("currentScreen"), value("menuCursor"), value("menuEditing"), value("settings.units")};
}

const std::string startLines = "slider pressure 2000\nslider level1 600\non\npass 3\n";

} // namespace

TEST(LessonPlayer, OpensAtItsFirstStepFromAFreshStart)
{
    HostWithLesson host;
    const LessonPlayer& player = *host.player;
    EXPECT_EQ(player.step(), 0u);
    EXPECT_EQ(player.progress(), "Step 1 of 3");
    EXPECT_EQ(player.current().instruction, "Press the knob: the main menu opens.");
    EXPECT_EQ(player.controls(), std::vector<std::string>{"press"});
    EXPECT_FALSE(player.hintShown());
    EXPECT_FALSE(player.offPath());
    // The learner's slider went back to its start, the host's controls show
    // the lesson's start, and the firmware is where the runner's start takes it.
    uint32_t flow1 = 0;
    ASSERT_EQ(host.inputs.inputPosition("flow1", flow1), QS9_OK);
    EXPECT_EQ(flow1, 0u);
    EXPECT_NE(std::find(host.controls.shown.begin(), host.controls.shown.end(), "level1 600"), host.controls.shown.end());
    EXPECT_TRUE(host.inputs.poweredOn());
    const Frame opened = frame();
    EXPECT_EQ(runnerState(startLines).shown, opened);
}

TEST(LessonPlayer, TheLearnersOwnKeysDoEachStepByWhateverPath)
{
    HostWithLesson host;
    LessonPlayer& player = *host.player;
    host.passes(5);
    EXPECT_EQ(player.step(), 0u); // nothing done, nothing advances
    host.key(QS9_KEY_PRESS);
    EXPECT_EQ(player.step(), 1u);
    EXPECT_EQ(player.progress(), "Step 2 of 3");
    host.key(QS9_KEY_PRESS);
    ASSERT_EQ(player.step(), 2u);
    // The other way round the list: eight turns "-" reach the same row.
    for (int turn = 0; turn < 7; ++turn) {
        host.key(QS9_KEY_MINUS);
        EXPECT_FALSE(player.offPath());
    }
    EXPECT_EQ(player.step(), 2u);
    host.key(QS9_KEY_MINUS);
    EXPECT_TRUE(player.finished());
    EXPECT_EQ(player.progress(), "");
    EXPECT_EQ(player.controls(), std::vector<std::string>{});
    EXPECT_EQ(player.resultText(), "Steps done yourself: 3 of 3\nSteps done by \"Show me\": 0\nHints opened: 0");
    EXPECT_GT(host.changes, 0u);
}

TEST(LessonPlayer, ShowMePlaysTheSolutionAtTheHostsPaceAndCountsApart)
{
    HostWithLesson host;
    LessonPlayer& player = *host.player;
    player.openHint();
    EXPECT_TRUE(player.hintShown());
    player.showMe();
    EXPECT_TRUE(player.showingMe());
    EXPECT_TRUE(host.inputs.playing());
    host.passes(1); // the key went in; the solution waits for its passes
    EXPECT_EQ(player.step(), 0u);
    host.passes(3);
    EXPECT_FALSE(player.showingMe());
    host.passes(1);
    EXPECT_EQ(player.step(), 1u);
    EXPECT_FALSE(player.hintShown()); // the next step's hint is closed
    host.key(QS9_KEY_PRESS);
    player.showMe();
    host.passes(10);
    EXPECT_TRUE(player.finished());
    const LessonResult result = player.result();
    EXPECT_EQ(result.byLearner, 1u);
    EXPECT_EQ(result.byShowMe, 2u);
    EXPECT_EQ(result.hintsOpened, 1u);

    player.restart();
    EXPECT_EQ(player.step(), 0u);
    EXPECT_EQ(player.result().byShowMe, 0u);
    EXPECT_EQ(player.result().hintsOpened, 0u);
}

TEST(LessonPlayer, BackReturnsToTheExactStateTheStepBeganWith)
{
    HostWithLesson host;
    LessonPlayer& player = *host.player;
    host.key(QS9_KEY_PRESS);
    host.key(QS9_KEY_PRESS);
    ASSERT_EQ(player.step(), 2u);
    host.key(QS9_KEY_PLUS);
    host.inputs.moveInput("level2", 3000);
    player.back();
    EXPECT_EQ(player.step(), 2u);
    uint32_t level2 = 1;
    ASSERT_EQ(host.inputs.inputPosition("level2", level2), QS9_OK);
    EXPECT_EQ(level2, 0u);
    const RunnerState back{frame(), value("currentScreen"), value("menuCursor"), value("menuEditing"),
                           value("settings.units")};
    const RunnerState runner = runnerState(startLines + "key press\npass 3\nkey press\npass 3\n");
    EXPECT_EQ(back.screen, runner.screen);
    EXPECT_EQ(back.cursor, runner.cursor);
    EXPECT_EQ(back.shown, runner.shown);
}

TEST(LessonPlayer, LeavingThePathShowsTheHintUntilBack)
{
    HostWithLesson host;
    LessonPlayer& player = *host.player;
    host.key(QS9_KEY_PRESS);
    ASSERT_EQ(player.step(), 1u);
    // On to MISC SETUP: a screen that is neither the step's nor its solution's.
    host.key(QS9_KEY_PLUS);
    EXPECT_FALSE(player.offPath());
    host.key(QS9_KEY_PRESS);
    EXPECT_TRUE(player.offPath());
    EXPECT_TRUE(player.hintShown());
    player.back();
    EXPECT_FALSE(player.offPath());
    EXPECT_EQ(value("currentScreen"), "mainMenuScreen");

    // In the fuel set-up, a changed unit is a setting the lesson never changes.
    host.key(QS9_KEY_PRESS);
    ASSERT_EQ(player.step(), 2u);
    host.key(QS9_KEY_PRESS); // edits UNIT
    EXPECT_FALSE(player.offPath());
    host.key(QS9_KEY_PLUS);
    EXPECT_EQ(value("settings.units"), "1");
    EXPECT_TRUE(player.offPath());
    EXPECT_TRUE(player.hintShown());
    player.back();
    EXPECT_EQ(value("settings.units"), "0");
    EXPECT_EQ(value("menuEditing"), "0");
    EXPECT_FALSE(player.offPath());
    // Leaving the path showed the third step's hint; the second has none.
    EXPECT_EQ(player.result().hintsOpened, 1u);
}

TEST(LessonPlayer, LeavingDuringShowMeStopsItAndAScriptPlayedInItsPlaceEndsIt)
{
    {
        HostWithLesson host;
        host.player->showMe();
        host.player.reset();
        EXPECT_FALSE(host.inputs.playing());
    }
    HostWithLesson host;
    host.player->showMe();
    host.inputs.play("tick 5\n", [](const PlayEnd&) {});
    host.passes(1);
    EXPECT_FALSE(host.player->showingMe());
}

TEST(LessonPlayer, ALessonThatDoesNotReachItsStepIsRefusedNamingIt)
{
    const std::string broken = std::string(kFactorLesson).replace(std::string(kFactorLesson).find("done menuCursor 2"),
                                                                  17, "done menuCursor 3");
    StandInControls controls;
    HostInputs inputs{controls};
    qs9ProgramStart();
    try {
        LessonPlayer player(inputs, parseLesson(broken), [] {});
        FAIL() << "refused";
    } catch (const ScriptError& error) {
        EXPECT_NE(error.message.find("step 3"), std::string::npos) << error.message;
        EXPECT_NE(error.message.find("menuCursor"), std::string::npos) << error.message;
    }
    EXPECT_FALSE(inputs.poweredOn());
    EXPECT_FALSE(inputs.playing());
}
