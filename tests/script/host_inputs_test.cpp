// The one recorder and player of every host, driven through a stand-in for
// a host's controls: what it records, how a played script keeps to the
// host's clock and shows on its controls, and what it refuses.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "script/host_inputs.h"
#include "script/script_player.h"
#include "tests/script/script_test_support.h"

namespace {

// A host without a window: what its controls were told to show.
struct StandInControls : HostControls {
    std::vector<std::string> shown; // "level1 400", "on"
    std::vector<std::string> keys;  // "3 taken", "1 lost"
    std::vector<std::string> said;  // refusals and acknowledged alarms
    int playbackChanges = 0;
    void showInput(const Qs9Input& input, uint32_t position) override
    {
        shown.push_back(std::string(input.name) + " " + std::to_string(position));
    }
    void powerChanged(bool on) override { shown.push_back(on ? "on" : "off"); }
    void keyPosted(uint8_t key, int status) override
    {
        keys.push_back(std::to_string(key) + (status == QS9_OK ? " taken" : " lost"));
    }
    void alarmAcknowledged(const char* text) override { said.push_back(text); }
    void inputRefused(const char* why) override { said.push_back(why); }
    void playbackChanged() override { ++playbackChanges; }
};

struct HostUnderTest {
    StandInControls controls;
    HostInputs inputs{controls};
    std::vector<std::string> lines;

    HostUnderTest() { qs9ProgramStart(); }

    bool record()
    {
        return inputs.startRecording([this](const std::string& line) { lines.push_back(line); return true; },
                                     [] {});
    }

    // Plays the script; ends gets each ending.
    void play(const char* script)
    {
        inputs.play(script, [this](const PlayEnd& end) { ends.push_back(end); });
    }
    std::vector<PlayEnd> ends;

    void passes(int count)
    {
        for (int n = 0; n < count; ++n)
            inputs.pass();
    }
    void ticks(int count)
    {
        for (int n = 0; n < count; ++n)
            inputs.tick();
    }

    std::string recorded() const
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        return text;
    }
};

std::array<uint8_t, QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT> frame()
{
    std::array<uint8_t, QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT> copy;
    std::memcpy(copy.data(), qs9FrameBuffer(), copy.size());
    return copy;
}

TEST(HostInputs, RecordsTheUsersInputsAndTimeAsLinesThatReplayToTheSameFrame)
{
    HostUnderTest host;
    host.inputs.tick();
    host.inputs.moveInput("pressure", 2000);
    host.record();
    host.inputs.powerOn();
    host.inputs.pass();
    host.inputs.pass();
    EXPECT_EQ(host.inputs.postKey(QS9_KEY_PRESS), QS9_OK);
    EXPECT_EQ(host.inputs.postKey(QS9_KEY_LEFT), QS9_KEY_DROPPED); // lost, so not recorded
    host.inputs.pass();
    host.inputs.moveInput("level1", 300);
    host.inputs.moveInput("level1", 600); // one line: the firmware saw only 600
    host.inputs.moveInput("vrax", 0);
    EXPECT_EQ(host.inputs.setValue("gpsSpeed", 120), QS9_OK);
    for (int n = 0; n < 3; ++n)
        host.inputs.tick();
    host.inputs.pass();
    EXPECT_TRUE(host.inputs.stopRecording());
    EXPECT_FALSE(host.inputs.recording());
    EXPECT_EQ(host.lines, (std::vector<std::string>{
                              "# QS-9 simulator recording; qs9-script replays it", "tick 1", "slider pressure 2000",
                              "on", "pass 2", "key press", "pass 1", "slider level1 600", "vrax off",
                              "set gpsSpeed 120", "tick 3", "pass 1"}));
    EXPECT_EQ(host.inputs.passesRun(), 4u);
    EXPECT_EQ(host.inputs.ticksRun(), 4u);
    uint32_t position = 0;
    EXPECT_EQ(host.inputs.inputPosition("level1", position), QS9_OK);
    EXPECT_EQ(position, 600u);

    const auto seen = frame();
    const ScriptResult replay = runText(host.recorded() + "expect currentScreen mainMenuScreen\n");
    EXPECT_EQ(replay.err, "");
    EXPECT_EQ(replay.status, scriptSucceeded);
    EXPECT_EQ(frame(), seen);
}

TEST(HostInputs, APlayedScriptRunsItsOwnPassesAndTicksAtTheHostsPaceAndShowsOnItsControls)
{
    HostUnderTest host;
    host.record();
    host.play("on\npass 2\nkey press\nprint nothing.here\ntick 3\nslider level1 400\nvrax off\n");
    EXPECT_TRUE(host.inputs.playing());
    EXPECT_EQ(host.controls.shown, std::vector<std::string>{"on"}); // the host runs its loop now
    host.inputs.tick(); // not the script's: held back, it lets the next tick line go at once
    EXPECT_EQ(host.inputs.ticksRun(), 0u);
    host.inputs.pass();
    EXPECT_EQ(pendingKey, keyNone);
    host.inputs.pass();
    EXPECT_EQ(pendingKey, keyPress);
    EXPECT_EQ(host.inputs.ticksRun(), 1u);
    host.inputs.pass(); // passes do not run while the script waits for ticks
    EXPECT_EQ(host.inputs.passesRun(), 2u);
    host.inputs.tick();
    EXPECT_EQ(level1Input, 0);
    EXPECT_TRUE(host.ends.empty());
    host.inputs.tick();
    EXPECT_EQ(level1Input, 400);
    EXPECT_EQ(host.controls.shown, (std::vector<std::string>{"on", "level1 400", "vrax 0"}));
    ASSERT_EQ(host.ends.size(), 1u);
    EXPECT_EQ(host.ends[0].fault, "");
    EXPECT_FALSE(host.ends[0].stopped);
    EXPECT_EQ(host.ends[0].line, 7u);
    EXPECT_FALSE(host.inputs.playing());

    // The recording of what played is the script's inputs, time and all.
    host.inputs.stopRecording();
    EXPECT_EQ(host.lines, (std::vector<std::string>{"# QS-9 simulator recording; qs9-script replays it", "on",
                                                    "pass 2", "key press", "tick 3", "slider level1 400",
                                                    "vrax off"}));
}

TEST(HostInputs, ABadLineOrTheInstrumentGoingOffDuringAWaitEndsPlayingNamingTheLine)
{
    HostUnderTest host;
    host.play("key left\npass\nkey right\n");
    ASSERT_EQ(host.ends.size(), 1u);
    EXPECT_EQ(host.ends[0].fault, "line 2: \"pass\": pass while the instrument is off: \"on\" first");
    EXPECT_FALSE(host.ends[0].stopped);
    EXPECT_EQ(pendingKey, keyLeft); // the line after it did not run

    host.play("on\npass 5\n");
    qs9PowerOff(); // the window closing
    host.inputs.tick();
    ASSERT_EQ(host.ends.size(), 2u);
    EXPECT_EQ(host.ends[1].fault, "line 2: \"pass 5\": the instrument went off while the script waited for passes");

    // A new script takes the place of one playing; the first never ends.
    int firstEnded = 0;
    host.inputs.play("tick 5\n", [&](const PlayEnd&) { ++firstEnded; });
    host.play("jump\n");
    EXPECT_EQ(host.ends.back().fault, "line 1: \"jump\": unknown command \"jump\"");
    host.ticks(6);
    EXPECT_EQ(firstEnded, 0);
}

TEST(HostInputs, PausedTheInstrumentStandsStillAndResumedTheScriptGoesOn)
{
    HostUnderTest host;
    host.play("on\npass 4\nkey press\npass 2\n");
    host.passes(2);
    host.inputs.pausePlaying();
    EXPECT_TRUE(host.inputs.playProgress().paused);
    const int changes = host.controls.playbackChanges;
    EXPECT_GT(changes, 0);
    host.passes(10);
    host.ticks(30);
    EXPECT_EQ(host.inputs.passesRun(), 2u);
    EXPECT_EQ(host.inputs.ticksRun(), 0u);
    EXPECT_EQ(host.inputs.playProgress().line, 2u);
    EXPECT_EQ(progressText(2, host.inputs.playProgress().lineCount), "line 2 of 4");

    host.inputs.resumePlaying();
    EXPECT_FALSE(host.inputs.playProgress().paused);
    EXPECT_GT(host.controls.playbackChanges, changes);
    host.passes(2);
    EXPECT_EQ(pendingKey, keyPress);
    host.passes(2);
    EXPECT_EQ(pendingKey, keyNone);
    ASSERT_EQ(host.ends.size(), 1u);
    EXPECT_EQ(host.inputs.passesRun(), 6u);
}

// Each step ends where the runner, given the lines played so far, would be.
TEST(HostInputs, AStepPlaysOneActionAndTheTimeAfterItThenHolds)
{
    const std::string script = "on\npass 2\nkey press\npass 3\n# menus\nslider level1 400\ntick 2\nkey plus\n";
    HostUnderTest host;
    host.play(script.c_str());
    host.inputs.pausePlaying();
    host.inputs.stepPlaying(); // the rest of "pass 2", "key press", "pass 3"
    host.passes(10);
    EXPECT_TRUE(host.inputs.playProgress().paused);
    EXPECT_EQ(host.inputs.playProgress().line, 5u);
    EXPECT_EQ(host.inputs.passesRun(), 5u);
    EXPECT_EQ(level1Input, 0);
    const auto stepped = frame();
    const ScriptResult runner = runText(script.substr(0, script.find("slider")));
    EXPECT_EQ(runner.status, scriptSucceeded);
    EXPECT_EQ(frame(), stepped);

    host.inputs.stepPlaying(); // "slider level1 400", "tick 2"
    EXPECT_EQ(level1Input, 400);
    host.ticks(5);
    EXPECT_EQ(host.inputs.ticksRun(), 2u);
    EXPECT_EQ(host.inputs.playProgress().line, 7u);
    EXPECT_EQ(pendingKey, keyNone);
    host.inputs.stepPlaying();
    EXPECT_EQ(pendingKey, keyPlus);
    ASSERT_EQ(host.ends.size(), 1u);
    EXPECT_EQ(host.ends[0].fault, "");
}

TEST(HostInputs, TheSpeedMultipliesTheScriptsWaitsNotItsPassesOrTicks)
{
    HostUnderTest host;
    host.inputs.setPlaySpeed(3); // 4x
    host.play("on\npass 8\ntick 8\nkey press\n");
    host.passes(2);
    EXPECT_EQ(host.inputs.passesRun(), 8u);
    host.ticks(2);
    EXPECT_EQ(host.inputs.ticksRun(), 8u);
    EXPECT_EQ(host.ends.size(), 1u);
    EXPECT_EQ(playSpeeds()[3].label, std::string("4x"));

    host.inputs.setPlaySpeed(0); // ½x, and it stays for the next script
    host.inputs.setPlaySpeed(9); // no such speed: nothing changes
    host.play("pass 2\ntick 1\n");
    EXPECT_EQ(host.inputs.playProgress().speed, 0u);
    host.passes(3);
    EXPECT_EQ(host.inputs.passesRun(), 9u);
    host.passes(1);
    EXPECT_EQ(host.inputs.passesRun(), 10u);
    host.ticks(1);
    EXPECT_EQ(host.ends.size(), 1u);
    host.ticks(1);
    EXPECT_EQ(host.ends.size(), 2u);
}

// What the timer ticks move: the blink, the status line's cycle, the alarm
// hold-off; and what the passes made of them.
std::vector<int64_t> tickedState()
{
    std::vector<int64_t> values;
    for (const char* name : {"blinkTicks", "blinkPhase", "slowTicks", "headerCycle", "alarmHoldOff", "alarmFlags",
                             "used1Pulses"}) {
        int64_t value = 0;
        EXPECT_EQ(qs9ReadValue(name, &value), QS9_OK) << name;
        values.push_back(value);
    }
    return values;
}

// A played "run" goes a measurement period a pass of the host's, each
// period its ticks and full pass, and ends where the runner ends.
TEST(HostInputs, APlayedRunMakesTheTicksAndPassesOfTheRunner)
{
    const std::string script = "on\nslider flow1 234\nslider level1 4000\nrun 90s\nrun 2s\nrun 2s\nrun 5s\n";
    HostUnderTest host;
    host.play(script.c_str());
    host.passes(22); // 88 s, and the 2 s left of the run after its last pass
    EXPECT_EQ(host.inputs.passesRun(), 22u);
    EXPECT_EQ(host.inputs.ticksRun(), 900u);
    host.passes(1); // 92 s; the next run 2s ends no period and plays at once
    EXPECT_EQ(host.inputs.ticksRun(), 940u);
    EXPECT_TRUE(host.inputs.playing());
    host.passes(1); // 96 s, the failed sender's FAIL lit, and the 3 s left
    ASSERT_EQ(host.ends.size(), 1u);
    EXPECT_EQ(host.ends[0].fault, "");
    EXPECT_EQ(host.inputs.passesRun(), 24u);
    EXPECT_EQ(host.inputs.ticksRun(), 990u);
    const auto playedFrame = frame();
    const std::vector<int64_t> played = tickedState();

    const ScriptResult runner = runText(script);
    ASSERT_EQ(runner.err, "");
    EXPECT_TRUE(frame() == playedFrame) << "the frame buffers differ";
    EXPECT_EQ(tickedState(), played);
}

TEST(HostInputs, StopEndsPlayingAsTheUsersChoiceAndHandsTheInstrumentBack)
{
    HostUnderTest host;
    host.play("on\npass 3\nkey press\npass 3\n");
    host.passes(1);
    host.inputs.stopPlaying();
    ASSERT_EQ(host.ends.size(), 1u);
    EXPECT_TRUE(host.ends[0].stopped);
    EXPECT_EQ(host.ends[0].fault, "");
    EXPECT_EQ(host.ends[0].line, 2u);
    EXPECT_EQ(host.ends[0].lineCount, 4u);
    EXPECT_FALSE(host.inputs.playing());
    host.passes(5); // the host's own again
    EXPECT_EQ(host.inputs.passesRun(), 6u);
    EXPECT_EQ(pendingKey, keyNone);
    EXPECT_EQ(host.inputs.postKey(QS9_KEY_PRESS), QS9_OK);
    host.inputs.stopPlaying(); // nothing plays: nothing happens
    EXPECT_EQ(host.ends.size(), 1u);
}

TEST(HostInputs, TheUsersInputIsRefusedWhileAScriptPlaysPausedOrNot)
{
    HostUnderTest host;
    host.play("on\npass 2\ntick 50\n");
    for (const bool paused : {false, true}) {
        if (paused)
            host.inputs.pausePlaying();
        host.controls.shown.clear();
        host.controls.said.clear();
        EXPECT_EQ(host.inputs.postKey(QS9_KEY_PLUS), HostInputs::refused);
        EXPECT_EQ(host.inputs.moveInput("level1", 300), HostInputs::refused);
        EXPECT_EQ(host.inputs.setValue("gpsSpeed", 120), HostInputs::refused);
        host.inputs.powerOff();
        EXPECT_FALSE(host.record());
        EXPECT_EQ(pendingKey, keyNone);
        EXPECT_EQ(level1Input, 0);
        EXPECT_TRUE(host.inputs.poweredOn());
        EXPECT_FALSE(host.inputs.recording());
        EXPECT_EQ(host.controls.shown, std::vector<std::string>{"level1 0"}); // the slider goes back
        EXPECT_EQ(host.controls.said, std::vector<std::string>(4, HostInputs::refusedWhy));
        EXPECT_TRUE(host.controls.keys.empty());
    }
    host.inputs.stopPlaying();
    EXPECT_EQ(host.inputs.moveInput("level1", 300), QS9_OK);
    EXPECT_TRUE(host.record());
}

TEST(HostInputs, EveryKeyShowsTakenOrLostAndAnAcknowledgedAlarmIsSaid)
{
    HostUnderTest host;
    host.inputs.powerOn();
    host.inputs.pass(); // the low pressure alarm, with the pressure slider at 0
    host.inputs.postKey(QS9_KEY_PLUS);
    host.inputs.postKey(QS9_KEY_LEFT);
    host.inputs.pass();
    EXPECT_EQ(host.controls.keys, (std::vector<std::string>{"4 taken", "1 lost"}));
    EXPECT_EQ(host.controls.said, std::vector<std::string>{"Alarm acknowledged: fuel pressure"});
    host.play("key press\nkey right\n");
    EXPECT_EQ(host.controls.keys, (std::vector<std::string>{"4 taken", "1 lost", "3 taken", "2 lost"}));
}

TEST(HostInputs, AnUnknownInputOrAnOutOfRangePositionChangesNothing)
{
    HostUnderTest host;
    host.record();
    EXPECT_EQ(host.inputs.moveInput("nothing", 1), QS9_ERROR_UNKNOWN);
    EXPECT_EQ(host.inputs.moveInput(nullptr, 1), QS9_ERROR_UNKNOWN);
    EXPECT_EQ(host.inputs.moveInput("level1", 4097), QS9_ERROR_RANGE);
    uint32_t position = 7;
    EXPECT_EQ(host.inputs.inputPosition("nothing", position), QS9_ERROR_UNKNOWN);
    EXPECT_EQ(position, 7u);
    EXPECT_EQ(host.inputs.setValue("fuelConfig", 3), QS9_ERROR_NOT_SETTABLE);
    EXPECT_EQ(level1Input, 0);
    EXPECT_TRUE(host.controls.shown.empty());
    host.inputs.stopRecording();
    EXPECT_EQ(host.lines, std::vector<std::string>{"# QS-9 simulator recording; qs9-script replays it"});
}

TEST(HostInputs, ALineThatCannotBeWrittenEndsTheRecordingOnce)
{
    HostUnderTest host;
    int writes = 0, failures = 0;
    host.inputs.startRecording([&](const std::string&) { return ++writes < 3; }, [&] { ++failures; });
    host.inputs.powerOn(); // the second line
    host.inputs.pass();
    EXPECT_TRUE(host.inputs.recording());
    EXPECT_EQ(host.inputs.postKey(QS9_KEY_PLUS), QS9_OK); // "pass 1" cannot be written
    EXPECT_FALSE(host.inputs.recording());
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(host.inputs.stopRecording());
    host.inputs.postKey(QS9_KEY_PLUS);
    EXPECT_EQ(writes, 3);
    EXPECT_EQ(failures, 1);
}

} // namespace
