// The runner as the window's controls: power, keys, timer, sliders, VRAX box.
#include <gtest/gtest.h>

#include "core/sensor_inputs.h"
#include "sim/power_cycle.h"
#include "tests/script/script_test_support.h"

namespace {

TEST(ScriptPower, PassesRunOnlyWhileTheInstrumentIsOn)
{
    EXPECT_EQ(runText("pass\n").status, scriptFailed);
    EXPECT_EQ(runText("on\npass 3\n").status, scriptSucceeded);
    EXPECT_EQ(runText("on\npass\noff\npass\n").status, scriptFailed);
    EXPECT_EQ(runText("on\noff\non\npass\n").status, scriptSucceeded);

    const ScriptResult refused = runText("on\noff\npass\n");
    EXPECT_EQ(refused.err, "line 3: pass while the instrument is off: \"on\" first\n");
}

TEST(ScriptPower, OffStopsTheLoopAndOnStartsAgain)
{
    EXPECT_EQ(runText("on\noff\nprint powerOff\non\nprint powerOff\n").out,
              "powerOff = 1\npowerOff = 0\n");
}

TEST(ScriptPower, OnAgainWhileRunningRestartsFromFactoryState)
{
    const ScriptResult result =
        runText("on\nkey plus\nprint pendingKey\non\nprint pendingKey currentScreen\npass\n");
    EXPECT_EQ(result.status, scriptSucceeded);
    EXPECT_EQ(result.out, "pendingKey = 4\npendingKey = 0\ncurrentScreen = homeScreen\n");
}

TEST(ScriptKeys, EachKeyByNameAndByNumber)
{
    const char* names[] = {"left", "right", "press", "plus", "minus"};
    for (int event = 1; event <= 5; ++event) {
        const std::string expected = "pendingKey = " + std::to_string(event) + "\n";
        EXPECT_EQ(runText(std::string("key ") + names[event - 1] + "\nprint pendingKey\n").out,
                  expected);
        EXPECT_EQ(runText("key " + std::to_string(event) + "\nprint pendingKey\n").out, expected);
    }
}

TEST(ScriptKeys, SecondClickBeforeAPassIsDroppedAndOnClearsTheSlot)
{
    EXPECT_EQ(runText("key press\nkey left\nprint pendingKey\non\nprint pendingKey\n").out,
              "pendingKey = 3\npendingKey = 0\n");
}

TEST(ScriptTimer, TicksAdvanceTheTimeBaseWhetherOnOrOff)
{
    EXPECT_EQ(runText("tick\nprint blinkTicks\n").out, "blinkTicks = 1\n");
    EXPECT_EQ(runText("tick 11\nprint blinkPhase\ntick 11\nprint blinkPhase\n").out,
              "blinkPhase = 1\nblinkPhase = 0\n");
    EXPECT_EQ(runText("on\ntick 20\nprint headerCycle\ntick 140\nprint headerCycle\n").out,
              "headerCycle = 1\nheaderCycle = 0\n");
}

TEST(ScriptSliders, FlowSlidersFeedTheSenderInputAndTheVraxCopy)
{
    EXPECT_EQ(runText("slider flow1 1234\nslider flow2 65535\n"
                      "print flow1Input vrax.flow1 flow2Input vrax.flow2\n")
                  .out,
              "flow1Input = 1234\nvrax.flow1 = 1234\nflow2Input = 65535\nvrax.flow2 = 65535\n");
}

TEST(ScriptSliders, LevelAndPressureSlidersReachTheirMaximumOf4096)
{
    EXPECT_EQ(runText("slider level1 4096\nslider level2 17\nslider pressure 0\n"
                      "print level1Input level2Input pressureInput\n")
                  .out,
              "level1Input = 4096\nlevel2Input = 17\npressureInput = 0\n");
}

TEST(ScriptSliders, ValuesBeyondTheSliderAreRefusedAndWriteNothing)
{
    const ScriptResult level = runText("slider level1 4097\n");
    EXPECT_EQ(level.status, scriptFailed);
    EXPECT_EQ(level.err, "line 1: slider value 4097 out of range 0..4096 for level1\n");
    EXPECT_EQ(level1Input, 0);

    EXPECT_EQ(runText("slider flow1 65536\n").status, scriptFailed);
    EXPECT_EQ(flow1Input, 0);
    EXPECT_EQ(runText("slider flow3 1\n").err,
              "line 1: unknown slider \"flow3\": flow1, level1, flow2, level2, pressure, gps, "
              "light, loop, vraxlevel1, vraxlevel2 or vraxpressure\n");
}

TEST(ScriptVrax, TheBoxStartsCheckedAndIsSampledByEachPass)
{
    EXPECT_EQ(runText("on\npass\nprint vraxEnabled\nvrax off\nprint vraxEnabled\npass\n"
                      "print vraxEnabled\nvrax on\npass\nprint vraxEnabled\n")
                  .out,
              "vraxEnabled = 1\nvraxEnabled = 1\nvraxEnabled = 0\nvraxEnabled = 1\n");
    EXPECT_EQ(runText("vrax yes\n").err, "line 1: vrax takes on or off, not \"yes\"\n");
    EXPECT_EQ(runText("box gpsvalid on\nprint gpsSpeedValid\nbox gpsvalid off\nprint gpsSpeedValid\n").out,
              "gpsSpeedValid = 1\ngpsSpeedValid = 0\n");
    EXPECT_EQ(runText("box light on\n").err, "line 1: unknown check box \"light\": vrax or gpsvalid\n");
}

} // namespace
