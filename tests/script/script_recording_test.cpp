// What a host's recording writes and how a played script keeps pace with
// the host's passes and ticks.
#include <gtest/gtest.h>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "script/input_recording.h"
#include "script/recording_opening.h"
#include "script/script_player.h"
#include "sim/simulator.h"

namespace {

TEST(InputRecording, RunsOfStepsAndMovesOfOneControlAreOneLineEach)
{
    std::vector<std::string> lines;
    InputRecording recording([&](const std::string& line) { lines.push_back(line); return true; });
    for (int i = 0; i < 3; ++i)
        recording.passRan();
    recording.moved("flow1", 10);
    recording.moved("flow1", 20);
    recording.ticked();
    recording.ticked();
    recording.moved("level1", 5);
    recording.moved("vrax", 0);
    recording.happened("key press");
    recording.passRan();
    EXPECT_EQ(lines.size(), 6u); // the last pass is held back until flushed
    EXPECT_TRUE(recording.flush());
    EXPECT_EQ(lines, (std::vector<std::string>{"pass 3", "slider flow1 20", "tick 2", "slider level1 5", "vrax off",
                                               "key press", "pass 1"}));
}

TEST(InputRecording, AFailedWriteIsKeptAndNothingMoreIsWritten)
{
    int writes = 0;
    InputRecording recording([&](const std::string&) { ++writes; return false; });
    recording.happened("on");
    recording.happened("off");
    EXPECT_TRUE(recording.failed());
    EXPECT_FALSE(recording.flush());
    EXPECT_EQ(writes, 1);
}

// The firmware's own clock, as a host without a recording lends it.
struct FirmwareClock : PlayerClock {
    void runPass() override { qs9Pass(); }
    void runFrame() override { qs9PassWithoutFlow(); }
    void runTick() override { qs9Tick(); }
};

TEST(ScriptPlayer, InputsRunBetweenTheHostsPassesAndTicksOutputsAreSkipped)
{
    qs9ProgramStart();
    FirmwareInputs host;
    FirmwareClock clock;
    ScriptPlayer player("on\npass 2\nkey press\nprint nothing.here\ntick 2\nslider flow1 7\n", host, clock);
    player.start();
    EXPECT_TRUE(host.poweredOn());
    player.hostPassed();
    EXPECT_EQ(pendingKey, keyNone); // one pass still to wait for
    player.hostPassed();
    EXPECT_EQ(pendingKey, keyPress);
    player.hostPassed(); // passes do not count for a tick wait
    player.hostTicked();
    EXPECT_EQ(flow1Input, 0);
    EXPECT_EQ(player.line(), 5u);
    player.hostTicked();
    EXPECT_EQ(flow1Input, 7);
    EXPECT_TRUE(player.ended());
    EXPECT_EQ(player.fault(), "");
    EXPECT_EQ(player.line(), player.lineCount());
}

TEST(ScriptPlayer, ABadLineOrAnOffDuringAWaitStopsItNamingTheLine)
{
    qs9ProgramStart();
    FirmwareInputs host;
    FirmwareClock clock;
    ScriptPlayer whileOff("key left\npass\nkey right\n", host, clock);
    whileOff.start();
    EXPECT_TRUE(whileOff.ended());
    EXPECT_EQ(whileOff.fault(), "line 2: \"pass\": pass while the instrument is off: \"on\" first");
    EXPECT_EQ(pendingKey, keyLeft);

    ScriptPlayer misspelt("on\nkey lfet\n", host, clock);
    misspelt.start();
    EXPECT_EQ(misspelt.fault(), "line 2: \"key lfet\": unknown key \"lfet\": left, right, press, plus, minus or 1..5");
    ScriptPlayer unknown("# a comment\njump\n", host, clock);
    unknown.start();
    EXPECT_EQ(unknown.fault(), "line 2: \"jump\": unknown command \"jump\"");

    ScriptPlayer cutShort("on\npass 5\n", host, clock);
    cutShort.start();
    host.powerOff();
    cutShort.hostTicked();
    EXPECT_EQ(cutShort.fault(), "line 2: \"pass 5\": the instrument went off while the script waited for passes");
}

} // namespace

namespace {

// A recording begun mid-session opens with what brings a replay from
// program start to the host's state.
TEST(RecordingOpening, TicksMovedInputsAndPowerOnlyWhereTheyDifferFromProgramStart)
{
    std::vector<std::string> lines;
    InputRecording recording([&](const std::string& line) { lines.push_back(line); return true; });
    const auto position = [](const Qs9Input& input) -> uint32_t {
        const std::string name = input.name;
        return name == "level1" ? 600 : name == "vrax" ? 0 : input.start;
    };
    writeRecordingOpening(recording, {12, true, position});
    EXPECT_EQ(lines, (std::vector<std::string>{"# QS-9 simulator recording; qs9-script replays it", "tick 12",
                                               "slider level1 600", "vrax off",
                                               "# started while on: the replay powers on here", "on"}));
    lines.clear();
    writeRecordingOpening(recording, {0, false, [](const Qs9Input& input) { return uint32_t(input.start); }});
    EXPECT_EQ(lines, std::vector<std::string>{"# QS-9 simulator recording; qs9-script replays it"});
}

} // namespace
