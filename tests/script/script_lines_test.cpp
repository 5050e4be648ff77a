// How the runner reads its lines: comments, blanks, bad lines, and that
// nothing after the first bad line runs.
#include <gtest/gtest.h>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "script/input_lines.h"
#include "sim/simulator.h"
#include "tests/script/script_test_support.h"

namespace {

TEST(ScriptLines, CommentsBlankLinesAndLineEndingsAreIgnored)
{
    const ScriptResult result = runText("# warm-up\n"
                                        "\n"
                                        "   \t \n"
                                        "on   # power\r\n"
                                        "\tslider  flow1\t42 \r\n"
                                        "pass 2#two\n"
                                        "print flow1Input");
    EXPECT_EQ(result.status, scriptSucceeded) << result.err;
    EXPECT_EQ(result.out, "flow1Input = 42\n");
    EXPECT_EQ(result.err, "");
}

// A byte-order mark counts only at the very start; a lone CR ends a line as
// LF and CR LF do, also when CR and LF arrive in different pieces.
TEST(ScriptLines, ByteOrderMarkAndCarriageReturnLineEnds)
{
    EXPECT_EQ(runText("\xEF\xBB\xBFslider flow1 7\rprint flow1Input\r\rjump").err,
              "line 4: unknown command \"jump\"\n");
    EXPECT_EQ(runText("on\n\xEF\xBB\xBFpass\n").err, "line 2: unknown command \"\\xEF\\xBB\\xBFpass\"\n");
    std::ostringstream out, err;
    ScriptRunner runner(out, err);
    for (const char* piece : {"\xEF", "\xBB\xBFprint pendingKey\r", "\nprint pendingKey\r", "\n"})
        runner.feed(piece);
    EXPECT_EQ(runner.finish(), scriptSucceeded) << err.str();
    EXPECT_EQ(out.str(), "pendingKey = 0\npendingKey = 0\n");
}

TEST(ScriptLines, AnEmptyScriptSucceeds)
{
    EXPECT_EQ(runText("").status, scriptSucceeded);
}

TEST(ScriptLines, BadLinesNameTheirLineAndWhatIsWrong)
{
    const std::pair<std::string, std::string> cases[] = {
        {"jump", "unknown command \"jump\""},
        {"ON", "unknown command \"ON\""},
        {"key", "missing argument; usage: key left|right|press|plus|minus|1..5"},
        {"slider flow1", "missing argument; usage: slider NAME VALUE"},
        {"pixel 3", "missing argument; usage: pixel X Y"},
        {"shot", "missing argument; usage: shot FILE"},
        {"print", "missing argument; usage: print NAME..."},
        {"vrax", "missing argument; usage: vrax on|off"},
        {"on now", "too many arguments; usage: on"},
        {"off 1", "too many arguments; usage: off"},
        {"pass 1 2", "too many arguments; usage: pass [N]"},
        {"tick 1 2", "too many arguments; usage: tick [N]"},
        {"texts all", "too many arguments; usage: texts"},
        {"shot a.png b.png", "too many arguments; usage: shot FILE"},
        {"tick -1", "bad tick count \"-1\": expected decimal digits"},
        {"tick +1", "bad tick count \"+1\": expected decimal digits"},
        {"pass 1.5", "bad pass count \"1.5\": expected decimal digits"},
        {"pass 0x10", "bad pass count \"0x10\": expected decimal digits"},
        {"tick 4294967296", "tick count \"4294967296\" is too large"},
        {"slider level2 12a", "bad slider value \"12a\": expected decimal digits"},
        {"pixel 1 y", "bad y \"y\": expected decimal digits"},
        {"key 0", "unknown key \"0\": left, right, press, plus, minus or 1..5"},
        {"key 6", "unknown key \"6\": left, right, press, plus, minus or 1..5"},
        {"key knob", "unknown key \"knob\": left, right, press, plus, minus or 1..5"},
        {"jump\x01\"\\", "unknown command \"jump\\x01\\\"\\\\\""},
        {"p\xC3\xA4ss", "unknown command \"p\xC3\xA4ss\""},
        {"print " + std::string(100, 'n'), "unknown name \"" + std::string(80, 'n') + "...\""},
        {"expect text \"A#B", "missing closing quote in \"\\\"A#B\""},
        {"expect text \"A\"B", "a blank must follow the closing quote of \"A\""},
        {"expect text \"\\q\"", "bad escape in a quoted text: \\\", \\\\ or \\xNN"},
        {"set gpsSpeed -", "bad value \"-\": expected decimal digits"},
        {"movie end", "no movie is being recorded: \"movie FILE\" first"},
    };
    for (const auto& [line, message] : cases) {
        const ScriptResult result = runText("# first\n\n" + line + "\n");
        EXPECT_EQ(result.status, scriptFailed) << line;
        EXPECT_EQ(result.err, "line 3: " + message + "\n") << line;
    }
}

TEST(ScriptLines, NothingAfterTheFirstBadLineRuns)
{
    const ScriptResult result =
        runText("slider flow1 5\nprint flow1Input\nbogus\nslider flow1 7\nkey left\n"
                "print flow1Input\n");
    EXPECT_EQ(result.status, scriptFailed);
    EXPECT_EQ(result.out, "flow1Input = 5\n");
    EXPECT_EQ(result.err, "line 3: unknown command \"bogus\"\n");
    EXPECT_EQ(flow1Input, 5);
    EXPECT_EQ(pendingKey, 0);
}

TEST(ScriptLines, ABadNameInAPrintLinePrintsNothingOfThatLine)
{
    const ScriptResult result = runText("print pendingKey nothing pendingKey\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "line 1: unknown name \"nothing\"\n");
}

TEST(ScriptLines, AStoppedScriptRunsNoLaterPiece)
{
    ScriptInPieces script;
    EXPECT_EQ(script.run("on\nkey right\n").status, scriptSucceeded);
    EXPECT_EQ(script.run("pass -2\n").err, "line 3: bad pass count \"-2\": expected decimal digits\n");
    const ScriptResult later = script.run("print pendingKey\n");
    EXPECT_EQ(later.status, scriptFailed);
    EXPECT_EQ(later.out, "");
}

// What the window's recorder writes reads back as the inputs that made it,
// and a player can tell inputs from outputs before running a line.
TEST(ScriptLines, RecordedInputLinesReadBackAsInputs)
{
    const std::string lines[] = {powerLine(true),          keyLine(QS9_KEY_PRESS), inputLine("flow1", 300),
                                 inputLine("vrax", 0),     setLine("gpsSpeed", 120), passLine(3),
                                 tickLine(20),             powerLine(false)};
    std::string script;
    for (const std::string& line : lines) {
        EXPECT_TRUE(parseLine(line).command->isInput()) << line;
        script += line + "\n";
    }
    EXPECT_EQ(script, "on\nkey press\nslider flow1 300\nvrax off\nset gpsSpeed 120\npass 3\ntick 20\noff\n");
    for (const char* line : {"print fuelConfig", "texts", "pixel 0 0", "shot a.png", "expect fuelConfig 0",
                             "compare a.png", "movie end"})
        EXPECT_FALSE(parseLine(line).command->isInput()) << line;
    EXPECT_EQ(parseLine("  # nothing").command, nullptr);
    // The knob press acknowledges the pressure alarm of the empty sender.
    EXPECT_EQ(runText(script + "print alarmAcked flow1Input vraxEnabled gpsSpeed headerCycle\n").out,
              "alarmAcked = 64\nflow1Input = 300\nvraxEnabled = 0\ngpsSpeed = 120\nheaderCycle = 1\n");
}

} // namespace
