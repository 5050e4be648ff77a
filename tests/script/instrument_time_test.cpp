// Instrument time in the runner: "run" against the instrument's own
// arithmetic, tracks moving the senders, the flight log, a live flight on a
// clock of the test's own, and a host playing "run".
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "script/flight/udp_receiver.h"
#include "script/host_inputs.h"
#include "script/live_link.h"
#include "tests/script/script_test_support.h"

namespace fs = std::filesystem;

namespace {

// A folder of its own for each test's files.
struct Folder {
    fs::path path = fs::temp_directory_path() /
                    ("qs9-time-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Folder() { fs::create_directories(path); }
    ~Folder() { fs::remove_all(path); }

    std::string write(const std::string& name, const std::string& text) const
    {
        std::ofstream(path / name, std::ios::binary) << text;
        return (path / name).string();
    }
    std::string read(const std::string& name) const
    {
        std::ifstream file(path / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    ScriptOptions options() const
    {
        ScriptOptions options;
        options.folder = path;
        return options;
    }
};

TEST(RunDuration, AnHourAt234PulsesAPeriodUsesTheInstrumentsTruncatedTwentyNineLitres)
{
    const ScriptResult result =
        runText("on\nslider flow1 234\nrun 1h\nprint flowRate1 used1Pulses fuelUsed1 blinkTicks\n");
    EXPECT_EQ(result.status, scriptSucceeded) << result.err;
    // 900 periods of 233 pulses (the rate of 300 gives back 233, not 234).
    EXPECT_EQ(result.out, "flowRate1 = 300\nused1Pulses = 209700\nfuelUsed1 = 29\nblinkTicks = " +
                              std::to_string(36000 % 11) + "\n");
}

TEST(RunDuration, TheClockGoesOnAcrossCommands)
{
    const std::string flow = "on\nslider flow1 7000\n";
    const std::string oneRun = runText(flow + "run 4s\nprint used1Pulses slowTicks\n").out;
    EXPECT_EQ(oneRun, "used1Pulses = 7000\nslowTicks = 0\n");
    EXPECT_EQ(runText(flow + "run 2s\nrun 2s\nprint used1Pulses slowTicks\n").out, oneRun);
    EXPECT_EQ(runText(flow + "run 2s\nprint used1Pulses\n").out, "used1Pulses = 0\n");

    // 90 s from a period's start: 22 periods, 2 s carried into the next.
    EXPECT_EQ(runText(flow + "run 90s\nprint used1Pulses\nrun 2s\nprint used1Pulses\n").out,
              "used1Pulses = 154000\nused1Pulses = 161000\n");
    EXPECT_EQ(runText(flow + "run 20min\nprint used1Pulses\nrun 0.1s\nrun 3.9s\nprint used1Pulses\n").out,
              "used1Pulses = 2100000\nused1Pulses = 2107000\n");
}

TEST(RunDuration, ACalculatedTankFollowsTheDuration)
{
    ScriptInPieces script;
    EXPECT_EQ(script.run("on\nset settings.tank1Mode 1\nslider flow1 234\n").status, scriptSucceeded);
    qs9WriteValue("tank1Pulses", 45 * 7000); // a full tank, as the manual entry sets it
    const ScriptResult result = script.run("run 4s\nprint tank1Level\nrun 1h\nprint tank1Level fuelUsed1\n");
    // 45 L less 901 periods of 233 pulses: 15.0 L.
    EXPECT_EQ(result.out, "tank1Level = 45\ntank1Level = 15\nfuelUsed1 = 29\n");
}

TEST(RunDuration, TheLastPeriodsTextsAreThoseTextsReads)
{
    const ScriptResult result = runText("on\nslider pressure 2000\nrun 8s\nexpect text \"30.0\"\n"
                                        "slider flow1 7000\nrun 4s\nexpect text \"900.0\"\n");
    EXPECT_EQ(result.status, scriptExpectationFailed);
    EXPECT_EQ(result.err, "line 4: text \"30.0\" not drawn by the last pass\n");
}

TEST(RunDuration, BadDurationsAndRunningWhileOffAreBadLines)
{
    for (const char* duration : {"90", "s", "1.s", ".5s", "2 h", "1hr", "-1s", "0.05s", "0.001min",
                                 "123456789h", "1e3s"}) {
        const ScriptResult result = runText(std::string("on\nrun ") + duration + "\n");
        EXPECT_EQ(result.status, scriptFailed) << duration;
        EXPECT_NE(result.err.find("line 2: "), std::string::npos) << result.err;
    }
    EXPECT_EQ(runText("on\nrun 1.25s\n").err, "line 2: bad duration \"1.25s\": instrument time goes in steps of 0.1 s\n");
    EXPECT_EQ(runText("on\nrun 0.5min\nrun 0s\n").status, scriptSucceeded);
    EXPECT_EQ(runText("run 4s\n").err, "line 1: run while the instrument is off: \"on\" first\n");
}

TEST(RunDuration, TheStepLimitCountsTicksAndPasses)
{
    ScriptOptions limited;
    limited.stepLimit = 40;
    EXPECT_EQ(runText("on\nrun 3.9s\n", limited).status, scriptSucceeded);
    EXPECT_EQ(runText("on\nrun 4s\n", limited).err, "line 2: the limit of 40 passes and ticks is used up\n");
}

TEST(Tracks, ATrackMovesTheSendersToReadItsValuesAtEachPeriod)
{
    const Folder folder;
    folder.write("climb.csv", "time_s,flow1,tank1,pressure,gps_speed\n"
                              "0,30.5,40,5.5,90\n"
                              "40,50.5,20,2.0,110\n");
    const ScriptResult result = runText("on\nset settings.tank1Filter 0\ntrack climb.csv\nrun 20s\n"
                                        "print flowRate1 tank1Level pressureValue gpsSpeed gpsSpeedValid\n"
                                        "print reading.flow1\nrun 1h\nprint flowRate1 tank1Level gpsSpeed\n",
                                        folder.options());
    EXPECT_EQ(result.status, scriptSucceeded) << result.err;
    // Halfway: 40.5 L/h, 30 L, 3.75 psi, which the display shows as 3.8, and
    // 100 in the speed unit.
    EXPECT_EQ(result.out, "flowRate1 = 405\ntank1Level = 30\npressureValue = 38\ngpsSpeed = 100\n"
                          "gpsSpeedValid = 1\nreading.flow1 = 40.5 L/hr\n"
                          "flowRate1 = 505\ntank1Level = 20\ngpsSpeed = 110\n");
    EXPECT_EQ(result.err, "");
}

TEST(Tracks, AValueTheSetUpCannotShowIsClampedAndSaidOnce)
{
    const Folder folder;
    folder.write("over.csv", "time_s,tank1,gps_speed\n0,50,1200\n100,60,1300\n");
    const ScriptResult result =
        runText("on\ntrack over.csv\nrun 60s\nrun 60s\nprint tank1Level gpsSpeed\n", folder.options());
    EXPECT_EQ(result.status, scriptSucceeded);
    EXPECT_EQ(result.out, "tank1Level = 45\ngpsSpeed = 999\n");
    EXPECT_EQ(result.err, "line 3: tank1: level1: 50 L is more than the set-up can show; clamped to 45 L\n"
                          "line 3: gps_speed: 1204 is outside the GPS speed's 0..999; clamped to 999\n");
}

TEST(Tracks, ASenderTheSetUpDoesNotReadIsLeftAloneAndSaidOnce)
{
    const Folder folder;
    folder.write("tank.csv", "time_s,tank1,flow1\n0,20,30\n");
    const ScriptResult result = runText("on\nset settings.tank1Mode 1\ntrack tank.csv\nrun 8s\nprint level1Input "
                                        "flowRate1\n",
                                        folder.options());
    EXPECT_EQ(result.out, "level1Input = 0\nflowRate1 = 300\n");
    EXPECT_EQ(result.err.rfind("line 4: tank1: \"level1\" is not read: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find("; its values are left aside\n"), std::string::npos);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
}

TEST(Tracks, TrackOffLeavesTheSendersWhereTheTrackPutThem)
{
    const Folder folder;
    folder.write("flow.csv", "time_s,flow1\n0,30\n8,60\n");
    const ScriptResult result =
        runText("on\ntrack flow.csv\nrun 4s\ntrack off\nrun 4s\nprint flowRate1\n", folder.options());
    EXPECT_EQ(result.out, "flowRate1 = 450\n");
}

TEST(Tracks, EachValueGoesToTheSenderTheSetUpReads)
{
    const Folder folder;
    folder.write("sources.csv", "time_s,tank1,pressure\n0,20,5.0\n");
    // The remote unit's level sender; a 4-20 mA pressure transducer on the
    // loop, 0 to 10 psi (whole psi).
    const ScriptResult result = runText("on\nset settings.dataSource 1\nset settings.tank1Filter 0\n"
                                        "set settings.pressure.unit 1\nset settings.pressure.senderType 2\n"
                                        "set settings.pressure.curveKind 2\nset settings.pressure.pressureAt4mA 0\n"
                                        "set settings.pressure.pressureAt20mA 10\nset settings.dataSource 0\n"
                                        "track sources.csv\nrun 4s\nprint level1Input pressureInput pressureValue\n"
                                        "set settings.dataSource 1\nrun 4s\nprint level1Input tank1Level\n",
                                        folder.options());
    EXPECT_EQ(result.status, scriptSucceeded) << result.err;
    std::istringstream lines(result.out);
    std::string level, pressure, value, levelAfter, tank;
    std::getline(lines, level);
    std::getline(lines, pressure);
    std::getline(lines, value);
    std::getline(lines, levelAfter);
    std::getline(lines, tank);
    EXPECT_NE(level, "level1Input = 0"); // the instrument's own sender first
    EXPECT_EQ(pressure, "pressureInput = 0");
    EXPECT_EQ(value, "pressureValue = 5");
    EXPECT_EQ(levelAfter, level); // then the remote unit's, and its own stays
    EXPECT_EQ(tank, "tank1Level = 20");
}

TEST(Tracks, APlayedScriptsTrackMovesTheHostsControlsBeforeEachPeriod)
{
    const Folder folder;
    const std::string track = folder.write("ramp.csv", "time_s,flow1\n0,10\n8,30\n");
    qs9ProgramStart();
    struct Shown : HostControls {
        std::vector<std::string> moves;
        void showInput(const Qs9Input& input, uint32_t position) override
        {
            moves.push_back(std::string(input.name) + " " + std::to_string(position));
        }
        void powerChanged(bool) override {}
    } controls;
    HostInputs host(controls);
    std::string ended = "not yet";
    host.play("on\ntrack " + track + "\nrun 2s\nrun 8s\n", [&](const PlayEnd& end) { ended = end.fault; });
    host.pass();
    host.pass();
    EXPECT_EQ(ended, "") << ended;
    // 20 L/h at 4 s, 30 L/h at 8 s: the fewest pulses that read them.
    EXPECT_EQ(controls.moves, (std::vector<std::string>{"flow1 156", "flow1 234"}));
}

TEST(Tracks, AFileThatIsNoTrackIsABadLineThatSaysWhy)
{
    const Folder folder;
    folder.write("rows.csv", "time_s,flow1\n0,30\n0,40\n");
    const std::string path = (folder.path / "rows.csv").string();
    EXPECT_EQ(runText("track rows.csv\n", folder.options()).err,
              "line 1: the track \"" + path + "\" is not a track: line 3: time_s \"0\" is not after the row before's\n");
    EXPECT_EQ(runText("track missing.csv\n", folder.options()).err,
              "line 1: cannot read the track \"" + (folder.path / "missing.csv").string() + "\": not found\n");
    EXPECT_NE(runText("track /dev/zero\n").err.find("not a regular file"), std::string::npos);
    ScriptOptions confined = folder.options();
    confined.confineFiles = true;
    EXPECT_NE(runText("track ../rows.csv\n", confined).err.find("outside the script's folder"), std::string::npos);
}

TEST(FlightLogs, OneRowPerPeriodInThePilotsUnitsAndTheFirmwaresCounts)
{
    const Folder folder;
    const ScriptResult result = runText("on\nset settings.tank1Filter 0\nslider level1 600\nslider pressure 2000\n"
                                        "slider flow1 234\n"
                                        "log flight.csv flow1 tank1 pressure fuel_used1 range endurance alarmFlags "
                                        "gps_speed\nrun 10s\nslider flow1 0\nrun 2s\nlog end\nrun 4s\n",
                                        folder.options());
    EXPECT_EQ(result.status, scriptSucceeded) << result.err;
    EXPECT_EQ(folder.read("flight.csv"), "time_s,flow1,tank1,pressure,fuel_used1,range,endurance,alarmFlags,gps_speed\n"
                                         "4,30.0,13,3.6,0,21,26,0,\n"
                                         "8,30.0,13,3.6,0,21,26,0,\n"
                                         "12,0.0,13,3.6,0,,,0,\n");
}

TEST(FlightLogs, PressureAndSpeedInTheUnitsOfTheSetUp)
{
    const Folder folder;
    const std::string names = "log units.csv pressure gps_speed range\n";
    const std::string inputs = "on\nslider pressure 2000\nslider flow1 234\nslider gps 120\nbox gpsvalid on\n";
    EXPECT_EQ(runText(inputs + "set settings.pressure.unit 1\n" + names + "run 4s\n", folder.options()).status,
              scriptSucceeded);
    EXPECT_EQ(folder.read("units.csv"), "time_s,pressure,gps_speed,range\n4,4,120,180\n");
    EXPECT_EQ(runText(inputs + "set settings.pressure.unit 0\n" + names + "box gpsvalid off\nrun 4s\n",
                      folder.options())
                  .status,
              scriptSucceeded);
    EXPECT_EQ(folder.read("units.csv"), "time_s,pressure,gps_speed,range\n4,0.2,,75\n");
}

TEST(FlightLogs, TheLogIsWrittenAtTheEndOfTheScriptAndItsNamesAreChecked)
{
    const Folder folder;
    EXPECT_EQ(runText("on\nset settings.units 1\nslider flow1 7000\nlog end.csv tank1 fuel_used1 fuelUsed1\n"
                      "run 4s\n",
                      folder.options())
                  .status,
              scriptSucceeded);
    // Gallons: tenths of contents and of fuel used, the firmware's count in tenths.
    EXPECT_EQ(folder.read("end.csv"), "time_s,tank1,fuel_used1,fuelUsed1\n4,4.5,0.2,2\n");

    const ScriptResult unknown = runText("log x.csv flow1 nothing\n", folder.options());
    EXPECT_EQ(unknown.status, scriptFailed);
    EXPECT_NE(unknown.err.find("\"nothing\""), std::string::npos) << unknown.err;
    EXPECT_NE(runText("log x.csv\n").err.find("no values to log"), std::string::npos);
    EXPECT_NE(runText("log end\n").err.find("no flight log is being kept"), std::string::npos);
    EXPECT_NE(runText("log a.csv flow1\nlog b.csv flow1\n", folder.options()).err.find("being kept already"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(folder.path / "x.csv"));
}

// A clock that the runner's waits move on at once.
struct TestClock : WallClock {
    double time = 1000;
    double now() override { return time; }
    void sleepUntil(double seconds) override { time = std::max(time, seconds); }
};

uint16_t freePort()
{
    const UdpReceiver probe(0);
    return probe.port();
}

// A runner on a test clock, with a free port for its live link.
class LiveFlights : public ::testing::Test {
protected:
    static ScriptOptions onClock(WallClock& clock)
    {
        ScriptOptions options;
        options.wallClock = &clock;
        return options;
    }

    TestClock clock;
    ScriptOptions options = onClock(clock);
    std::ostringstream out, err;
    ScriptRunner runner{out, err, options};
    const uint16_t port = freePort();
};

TEST_F(LiveFlights, FlightGearsValuesDriveTheSendersAtEachPeriod)
{
    std::istringstream start("on\nset settings.tank1Filter 0\nlive flightgear " + std::to_string(port) + "\n");
    runner.run(start);
    ASSERT_FALSE(runner.stopped()) << err.str();
    EXPECT_EQ(err.str(), "line 3: FlightGear: listening on 127.0.0.1 port " + std::to_string(port) +
                             "; nothing has arrived\n");

    UdpReceiver sender(0);
    sender.send("127.0.0.1", port, "qs9-fuel,6.1,0,5.37,0,0,70\n");
    std::istringstream flight("run 4s\nprint flowRate1 tank1Level gpsSpeed level2Input pressureInput\n");
    EXPECT_EQ(runner.run(flight), scriptSucceeded) << err.str();
    // US gallons and knots in litres and mph, the settings' units; the zeros
    // that were never anything else leave their sliders alone.
    EXPECT_EQ(out.str(), "flowRate1 = 231\ntank1Level = 20\ngpsSpeed = 81\nlevel2Input = 0\npressureInput = 0\n");
    EXPECT_NE(err.str().find("line 4: FlightGear: receiving from 127.0.0.1:" + std::to_string(sender.port()) +
                             "; sends flow1, tank1 and gps_speed\n"),
              std::string::npos)
        << err.str();
    EXPECT_NEAR(clock.time, 1004, 1e-9);
}

TEST_F(LiveFlights, ASecondSenderAndAPacketThatDoesNotParseAreSaidAndChangeNothing)
{
    std::istringstream start("on\nlive flightgear " + std::to_string(port) + "\n");
    runner.run(start);
    UdpReceiver first(0), second(0);
    first.send("127.0.0.1", port, "qs9-fuel,6.1,0,5,0,0,70\n");
    second.send("127.0.0.1", port, "qs9-fuel,20,0,1,0,0,10\n");
    first.send("127.0.0.1", port, "qs9-fuel,six\n");
    std::istringstream flight("run 4s\nprint flowRate1\nlive off\nrun 4s\n");
    EXPECT_EQ(runner.run(flight), scriptSucceeded) << err.str();
    EXPECT_EQ(out.str(), "flowRate1 = 231\n");
    const std::string said = err.str();
    EXPECT_NE(said.find("; ignoring 127.0.0.1:" + std::to_string(second.port()) + ", a second sender"),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("; a packet was refused: "), std::string::npos) << said;
    // After "live off" the second run waits for nothing.
    EXPECT_NEAR(clock.time, 1004, 1e-9);
}

// An RREF reply: "RREF", a byte, then (index, float) pairs, little-endian.
std::string xPlaneReply(const std::vector<std::pair<int32_t, float>>& values)
{
    std::string reply("RREF,");
    for (const auto& [index, value] : values) {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (const uint32_t word : {uint32_t(index), bits})
            for (int shift = 0; shift < 32; shift += 8)
                reply += char((word >> shift) & 0xff);
    }
    return reply;
}

TEST_F(LiveFlights, XPlaneIsAskedForItsDatarefsAndItsRepliesDriveTheSenders)
{
    std::unique_ptr<UdpReceiver> xPlane;
    try {
        xPlane = std::make_unique<UdpReceiver>(49000);
    } catch (const UdpError& error) {
        GTEST_SKIP() << "X-Plane's port is taken: " << error.message;
    }
    std::istringstream start("on\nset settings.tank1Filter 0\nlive xplane " + std::to_string(port) + "\n");
    runner.run(start);
    ASSERT_FALSE(runner.stopped()) << err.str();
    std::vector<UdpReceiver::Datagram> requests;
    for (int wait = 0; wait < 100 && requests.size() < 6; ++wait) {
        const auto got = xPlane->receive();
        requests.insert(requests.end(), got.begin(), got.end());
        if (requests.size() < 6)
            usleep(10000);
    }
    ASSERT_EQ(requests.size(), 6u);
    EXPECT_EQ(requests[0].bytes.size(), 413u);
    EXPECT_EQ(requests[0].sender, "127.0.0.1:" + std::to_string(port));

    // 16.6 kg/h: 6.09 US gal/h of 6 lb; 5.37 gal in tank 1; 36 m/s.
    xPlane->send("127.0.0.1", port, xPlaneReply({{0, 0.004605f}, {2, 14.61f}, {5, 36.0f}}));
    std::istringstream flight("run 4s\nprint flowRate1 tank1Level gpsSpeed\n");
    EXPECT_EQ(runner.run(flight), scriptSucceeded) << err.str();
    EXPECT_EQ(out.str(), "flowRate1 = 231\ntank1Level = 20\ngpsSpeed = 81\n");
}

TEST_F(LiveFlights, RefusedWhereNoneIsTakenAndForABadSimulatorOrPort)
{
    ScriptOptions off;
    off.liveLinks = false;
    EXPECT_EQ(runText("live flightgear 5500\n", off).err, "line 1: live is not taken here: qs9-script takes a live flight\n");
    EXPECT_EQ(runText("live msfs 5500\n").err, "line 1: unknown flight simulator \"msfs\": flightgear or xplane\n");
    EXPECT_EQ(runText("live xplane 0\n").err, "line 1: port 0 out of range 1..65535\n");
    EXPECT_NE(runText("live xplane 5500 localhost\n").err.find("not a numeric IP address"), std::string::npos);
    EXPECT_EQ(runText("live off\nlive flightgear\n").err,
              "line 2: missing argument; usage: live flightgear|xplane PORT [ADDRESS]\n");
}

// A host without a window, as the player sees it.
struct NoControls : HostControls {
    void showInput(const Qs9Input&, uint32_t) override {}
    void powerChanged(bool) override {}
};

TEST(PlayedRun, AHostWaitsForTheFullPassesOfThePeriodsThatEnd)
{
    qs9ProgramStart();
    NoControls controls;
    HostInputs host(controls);
    std::string ended = "not yet";
    host.play("on\nslider flow1 7000\nrun 2s\nrun 6s\nkey plus\nrun 6s\nslider flow1 0\n",
              [&](const PlayEnd& end) { ended = end.fault; });
    int64_t key = 0;
    host.pass();
    qs9ReadValue("pendingKey", &key);
    EXPECT_EQ(key, 0);
    host.pass();
    qs9ReadValue("pendingKey", &key);
    EXPECT_EQ(key, QS9_KEY_PLUS);
    EXPECT_EQ(ended, "not yet");
    // 6 s from the end of the second period hold one more.
    host.pass();
    EXPECT_EQ(ended, "");
    int64_t pulses = 0;
    qs9ReadValue("used1Pulses", &pulses);
    EXPECT_EQ(pulses, 3 * 7000);
}

} // namespace
