// The one recorder and player of every host, driven through a stand-in for
// a host's controls: what it records, how a played script keeps to the
// host's clock and shows on its controls, and what it refuses.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "script/host_inputs.h"
#include "tests/script/script_test_support.h"

namespace {

// A host without a window: what its controls were told to show.
struct StandInControls : HostControls {
    std::vector<std::string> shown; // "level1 400", "on"
    void showInput(const Qs9Input& input, uint32_t position) override
    {
        shown.push_back(std::string(input.name) + " " + std::to_string(position));
    }
    void powerChanged(bool on) override { shown.push_back(on ? "on" : "off"); }
};

struct HostUnderTest {
    StandInControls controls;
    HostInputs inputs{controls};
    std::vector<std::string> lines;

    HostUnderTest() { qs9ProgramStart(); }

    void record()
    {
        inputs.startRecording([this](const std::string& line) { lines.push_back(line); return true; }, [] {});
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

TEST(HostInputs, APlayedScriptKeepsToTheHostsClockAndShowsOnItsControls)
{
    HostUnderTest host;
    host.record();
    std::vector<std::string> endings;
    host.inputs.play("on\npass 2\nkey press\nprint nothing.here\ntick 3\nslider level1 400\nvrax off\n",
                     [&](const std::string& fault) { endings.push_back(fault); });
    EXPECT_TRUE(host.inputs.playing());
    EXPECT_EQ(host.controls.shown, std::vector<std::string>{"on"}); // the host runs its loop now
    host.inputs.tick(); // ticks do not count for a wait for passes
    host.inputs.pass();
    EXPECT_EQ(pendingKey, keyNone);
    host.inputs.pass();
    EXPECT_EQ(pendingKey, keyPress);
    host.inputs.pass(); // nor passes for a wait for ticks
    host.inputs.tick();
    host.inputs.tick();
    EXPECT_EQ(level1Input, 0);
    EXPECT_TRUE(endings.empty());
    host.inputs.tick();
    EXPECT_EQ(level1Input, 400);
    EXPECT_EQ(host.controls.shown, (std::vector<std::string>{"on", "level1 400", "vrax 0"}));
    EXPECT_EQ(endings, std::vector<std::string>{""});
    EXPECT_FALSE(host.inputs.playing());

    // What it played, the recording has, with the host's own time between.
    host.inputs.stopRecording();
    EXPECT_EQ(host.lines, (std::vector<std::string>{"# QS-9 simulator recording; qs9-script replays it", "on",
                                                    "tick 1", "pass 2", "key press", "pass 1", "tick 3",
                                                    "slider level1 400", "vrax off"}));
}

TEST(HostInputs, ABadLineOrAnOffDuringAWaitEndsPlayingNamingTheLine)
{
    HostUnderTest host;
    std::string fault = "not ended";
    const auto ended = [&](const std::string& why) { fault = why; };
    host.inputs.play("key left\npass\nkey right\n", ended);
    EXPECT_EQ(fault, "line 2: \"pass\": pass while the instrument is off: \"on\" first");
    EXPECT_EQ(pendingKey, keyLeft); // the line after it did not run

    host.inputs.play("on\npass 5\n", ended);
    host.inputs.powerOff();
    EXPECT_TRUE(host.inputs.playing());
    host.inputs.tick();
    EXPECT_EQ(fault, "line 2: \"pass 5\": the instrument went off while the script waited for passes");

    // A new script takes the place of one playing; the first never ends.
    int firstEnded = 0;
    host.inputs.play("tick 5\n", [&](const std::string&) { ++firstEnded; });
    host.inputs.play("jump\n", ended);
    EXPECT_EQ(fault, "line 1: \"jump\": unknown command \"jump\"");
    for (int n = 0; n < 6; ++n)
        host.inputs.tick();
    EXPECT_EQ(firstEnded, 0);
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
