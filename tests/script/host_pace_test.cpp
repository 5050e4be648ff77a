// A host's pace, tracks, flight log and live flights through HostInputs,
// driven by a stand-in host whose wall clock the test moves: which frames
// make full passes, that a recording at any pace replays in the runner to
// the same frame and values, and what a track and a log do over the frames.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <iterator>

#include "script/flight/udp_receiver.h"
#include "script/host_inputs.h"
#include "tests/script/script_test_support.h"

namespace {

constexpr size_t realTime = 1, x60 = 3, x240 = 4; // into paces()

// 64 frames a second: whole binary fractions of a second, so that the
// instrument time they make adds up exactly.
constexpr double frameMs = 1000.0 / 64;

struct StandInControls : HostControls {
    std::vector<std::string> moved; // "flow1 3000"
    std::vector<std::string> said;
    void showInput(const Qs9Input& input, uint32_t position) override
    {
        moved.push_back(std::string(input.name) + " " + std::to_string(position));
    }
    void powerChanged(bool) override {}
    void flightMessage(const std::string& message) override { said.push_back(message); }
};

// A host's loop: a frame each frameMs and the timer each 100 ms of its wall
// clock, which the test moves.
struct PacedHost {
    StandInControls controls;
    HostInputs inputs{controls};
    std::vector<std::string> lines;
    double wallMs = 1e6; // a monotonic clock starts anywhere
    double nextTickMs = wallMs + 100;

    PacedHost() { qs9ProgramStart(); }

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

    void fly(double seconds, double everyMs = frameMs)
    {
        const double end = wallMs + seconds * 1000;
        while (wallMs + everyMs <= end + 1e-9) {
            wallMs += everyMs;
            for (; nextTickMs <= wallMs; nextTickMs += 100)
                inputs.tick();
            inputs.frame(wallMs);
        }
    }
};

int64_t value(const char* name)
{
    int64_t read = 0;
    EXPECT_EQ(qs9ReadValue(name, &read), QS9_OK) << name;
    return read;
}

std::array<uint8_t, QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT> frameBuffer()
{
    std::array<uint8_t, QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT> copy;
    std::memcpy(copy.data(), qs9FrameBuffer(), copy.size());
    return copy;
}

size_t count(const std::vector<std::string>& lines, const std::string& start)
{
    size_t n = 0;
    for (const std::string& line : lines)
        n += line.rfind(start, 0) == 0;
    return n;
}

} // namespace

TEST(PaceClock, PacedAFullPassEndsEachPeriodOfInstrumentTimeAndTheFirstFrameAfterOnIsOne)
{
    PaceClock pace;
    EXPECT_EQ(paces().size(), 5u);
    EXPECT_STREQ(paces()[instrumentLoopPace].label, "Instrument loop");
    EXPECT_EQ(paces()[x60].factor, 60);

    // The instrument loop: every frame a full pass of one period.
    EXPECT_EQ(pace.frame(0), 1u);
    EXPECT_EQ(pace.frame(0), 1u);
    EXPECT_EQ(pace.instrumentSeconds(), 8);

    pace.setPace(realTime);
    pace.switchedOn();
    EXPECT_EQ(pace.frame(5000), 1u); // first after On, whatever the time
    unsigned full = 0, frames = 0;
    for (double ms = 5000 + frameMs; ms <= 5000 + 60000; ms += frameMs, ++frames)
        full += pace.frame(ms);
    EXPECT_EQ(frames, 60u * 64);
    EXPECT_EQ(full, 15u); // 60 s: 15 periods
    EXPECT_EQ(pace.instrumentSeconds(), 8 + 60);
    EXPECT_EQ(pace.periodEnd(), 8 + 60);

    // A host that stalls at x240: the periods that fell due are carried,
    // a few a frame, none lost.
    pace.setPace(x240);
    EXPECT_EQ(pace.frame(100000), 0u); // the pace's first frame lets no time pass
    EXPECT_EQ(pace.frame(110000), mostFullPassesPerFrame); // 2,400 s: 600 periods due
    full = mostFullPassesPerFrame;
    for (int n = 0; n < 149; ++n)
        full += pace.frame(110000);
    EXPECT_EQ(full, 600u);
    EXPECT_EQ(pace.frame(110000), 0u);
    pace.setPace(99); // not a pace: ignored
    EXPECT_EQ(pace.pace(), x240);
}

TEST(HostPace, ARecordingMadeAtRealTimeOrX60ReplaysInTheRunnerToTheSameFrameAndValues)
{
    for (const size_t pace : {realTime, x60}) {
        SCOPED_TRACE(paces()[pace].label);
        PacedHost host;
        host.inputs.moveInput("flow1", 3000);
        host.inputs.moveInput("level1", 600);
        host.inputs.moveInput("pressure", 2000);
        host.inputs.setPace(pace);
        host.record();
        host.inputs.powerOn();
        host.fly(9);
        host.inputs.postKey(QS9_KEY_RIGHT);
        host.fly(2.5);
        host.inputs.moveInput("level1", 300);
        host.fly(7);
        ASSERT_TRUE(host.inputs.stopRecording());
        // 18.5 s: at Real time 4 periods, at x60 277, and the pass at On
        EXPECT_EQ(host.inputs.passesRun(), pace == realTime ? 5u : 278u);
        EXPECT_EQ(count(host.lines, "pass 1"), host.inputs.passesRun());
        EXPECT_GT(count(host.lines, "frame "), 3u);

        const auto seen = frameBuffer();
        std::string values;
        for (const char* name : {"fuelUsed1", "used1Pulses", "flowRate1", "tank1Level", "level1Input"})
            values += std::string(name) + " = " + std::to_string(value(name)) + "\n";
        EXPECT_GT(value("used1Pulses"), 0);
        const ScriptResult replay =
            runText(host.recorded() + "print fuelUsed1 used1Pulses flowRate1 tank1Level level1Input\n");
        EXPECT_EQ(replay.err, "");
        EXPECT_EQ(frameBuffer(), seen);
        EXPECT_EQ(replay.out, values);
    }
}

TEST(HostPace, PacedLevelsMoveAtOnceAndFuelUsedCountsOnePeriodEachFourSeconds)
{
    PacedHost host;
    host.inputs.moveInput("flow1", 3000);
    host.inputs.setPace(realTime);
    host.inputs.powerOn();
    host.fly(1);
    const int64_t afterFirst = value("used1Pulses");
    EXPECT_GT(afterFirst, 0); // the first frame after On measured
    host.fly(2.5);
    EXPECT_EQ(value("used1Pulses"), afterFirst);
    host.inputs.moveInput("level1", 900);
    host.fly(frameMs / 1000); // one frame, without the flow step
    EXPECT_EQ(host.inputs.passesRun(), 1u);
    EXPECT_EQ(value("level1Input"), 900);
    host.fly(0.5);
    EXPECT_EQ(value("used1Pulses"), 2 * afterFirst);
    EXPECT_NEAR(host.inputs.instrumentSeconds(), 4, 0.02);
}

TEST(HostPace, PacedTheFirstKeyAfterOnAcknowledgesTheLowPressureAlarm)
{
    PacedHost host;
    host.inputs.moveInput("pressure", 100);
    host.inputs.moveInput("level1", 600);
    host.inputs.setPace(x60);
    host.inputs.powerOn();
    host.fly(frameMs / 1000);
    EXPECT_EQ(value("alarmFlags"), 64);
    host.inputs.postKey(QS9_KEY_PLUS);
    host.fly(frameMs / 1000); // a frame without the flow step takes the key
    EXPECT_EQ(host.inputs.passesRun(), 1u);
    EXPECT_EQ(value("alarmAcked"), 64);
}

TEST(HostPace, APlayedScriptSaysWhatEachOfTheHostsFramesMakes)
{
    PacedHost host;
    host.inputs.setPace(x240);
    host.inputs.play("on\nframe 3\npass 2\nframe 1\n", [](const PlayEnd&) {});
    host.fly(6 * frameMs / 1000);
    EXPECT_FALSE(host.inputs.playing());
    EXPECT_EQ(host.inputs.passesRun(), 2u);
    EXPECT_EQ(host.inputs.framesRun(), 6u);

    const ScriptResult off = runText("frame 2\n");
    EXPECT_EQ(off.err, "line 1: frame while the instrument is off: \"on\" first\n");
    const ScriptResult on = runText("on\nframe 2\nprint used1Pulses\n");
    EXPECT_EQ(on.out, "used1Pulses = 0\n");
}

TEST(HostPace, ATrackMovesTheSendersAsInstrumentTimePassesAndStopsAtItsEnd)
{
    PacedHost host;
    std::string error;
    EXPECT_FALSE(host.inputs.openTrack("time_s,flow1\n0,thirty\n", error));
    EXPECT_EQ(error.rfind("not a track: line 2: ", 0), 0u) << error;
    EXPECT_FALSE(host.inputs.trackState().open);

    ASSERT_TRUE(host.inputs.openTrack("time_s,flow1,tank1\n100,30,40\n220,60,99999\n", error)) << error;
    const TrackState opened = host.inputs.trackState();
    EXPECT_TRUE(opened.open);
    EXPECT_FALSE(opened.playing);
    EXPECT_EQ(opened.length, 120);
    EXPECT_EQ(opened.columns, "flow1 and tank1");

    host.inputs.setPace(x60);
    host.inputs.powerOn();
    host.fly(0.5); // paused: its first row, once
    uint16_t at30 = 0, at45 = 0, at60 = 0;
    qs9SenderPosition("flow1", 30, &at30);
    qs9SenderPosition("flow1", 45, &at45);
    qs9SenderPosition("flow1", 60, &at60);
    EXPECT_EQ(value("flow1Input"), at30);
    host.inputs.moveInput("flow1", 7); // the user's slider stays while it is paused
    host.fly(0.5);
    EXPECT_EQ(value("flow1Input"), 7);

    host.inputs.playTrack();
    host.fly(1); // 60 s of the track's 120
    EXPECT_NEAR(host.inputs.trackState().position, 60, 0.01);
    EXPECT_EQ(value("flow1Input"), at45);
    EXPECT_NE(std::find(host.controls.moved.begin(), host.controls.moved.end(),
                        "flow1 " + std::to_string(value("flow1Input"))),
              host.controls.moved.end());
    host.fly(2);
    EXPECT_FALSE(host.inputs.trackState().playing);
    EXPECT_EQ(host.inputs.trackState().position, 120);
    EXPECT_EQ(value("flow1Input"), at60);
    // Contents the tank cannot hold: said once, however often they come.
    ASSERT_EQ(count(host.controls.said, "tank1: "), 1u);

    host.inputs.seekTrack(-5);
    EXPECT_EQ(host.inputs.trackState().position, 0);
    host.inputs.closeTrack();
    EXPECT_FALSE(host.inputs.trackState().open);
}

TEST(HostPace, TheFlightLogHasARowAtTheEndOfEachPeriod)
{
    PacedHost host;
    EXPECT_THROW(host.inputs.startFlightLog({"flow1", "no.such.value"}), FlightLogError);
    EXPECT_FALSE(host.inputs.flightLogging());
    host.inputs.moveInput("flow1", 3000);
    host.inputs.setPace(x60);
    host.inputs.startFlightLog(defaultFlightLogNames());
    EXPECT_TRUE(host.inputs.flightLogging());
    host.inputs.powerOn();
    host.fly(0.5); // 30 s: the pass at On and the periods ending at 4..28
    host.inputs.stopFlightLog();
    host.fly(0.5);
    const std::string log = host.inputs.flightLogText();
    EXPECT_EQ(log.substr(0, log.find('\n')), "time_s,flow1,flow2,fuel_used1,fuel_used2,tank1,tank2,pressure,range,"
                                             "endurance,alarmFlags,alarmAcked");
    size_t rows = 0;
    std::string times;
    for (size_t at = log.find('\n') + 1; at < log.size(); at = log.find('\n', at) + 1, ++rows)
        times += log.substr(at, log.find(',', at) - at) + " ";
    EXPECT_EQ(rows, 8u);
    EXPECT_EQ(times, "0 4 8 12 16 20 24 28 ");
}

TEST(HostPace, ALiveFlightDrivesTheSendersAndItsLineSaysWhatArrives)
{
    PacedHost host;
    std::string error;
    const uint16_t port = [] { const UdpReceiver probe(0); return probe.port(); }();
    const UdpReceiver taken(port);
    EXPECT_FALSE(host.inputs.goLive(LiveKind::flightgear, port, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(host.inputs.liveKind(), LiveKind::off);
    EXPECT_EQ(host.inputs.liveLine(), "");

    const uint16_t free = [] { const UdpReceiver probe(0); return probe.port(); }();
    ASSERT_TRUE(host.inputs.goLive(LiveKind::flightgear, free, error)) << error;
    host.inputs.setPace(realTime);
    host.inputs.powerOn();
    host.fly(0.1);
    EXPECT_NE(host.inputs.liveLine().find("nothing has arrived"), std::string::npos) << host.inputs.liveLine();
    UdpReceiver sender(0);
    sender.send("127.0.0.1", free, "qs9-fuel,6.1,0,5.37,0,0,70\n");
    host.fly(0.1);
    EXPECT_NE(host.inputs.liveLine().find("; sends flow1, tank1 and gps_speed"), std::string::npos)
        << host.inputs.liveLine();
    EXPECT_EQ(value("gpsSpeed"), 81); // 70 kt in mph
    EXPECT_NE(value("flow1Input"), 0);
    EXPECT_EQ(count(host.controls.said, "FlightGear: receiving"), 1u);
    ASSERT_TRUE(host.inputs.goLive(LiveKind::off, 0, error));
    EXPECT_EQ(host.inputs.liveLine(), "");
}
