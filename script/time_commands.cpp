// The runner's instrument time: "run" lets it pass, "track" and "live" move
// the senders over it, "log" writes what the instrument showed.
#include <optional>
#include <string>
#include <vector>

#include "script/flight/track_file.h"
#include "script/instrument_time.h"
#include "script/script_arguments.h"
#include "script/script_commands.h"
#include "script/script_files.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

constexpr size_t largestTrack = 64 * 1000 * 1000;

// The browser edition keeps no files but the pictures its page hands over.
void needFiles([[maybe_unused]] const char* whatTheRunnerDoes)
{
#ifdef __EMSCRIPTEN__
    throw ScriptError{std::string("the browser edition keeps no files but pictures; qs9-script ") + whatTheRunnerDoes};
#endif
}

uint64_t durationAsked(ScriptSession& session, Arguments arguments)
{
    const uint64_t ticks = parseDuration(arguments[0]);
    if (!session.inputs.poweredOn())
        throw ScriptError{"run while the instrument is off: \"on\" first"};
    return ticks;
}

WallClock& wallClock(ScriptSession& session)
{
    return session.options.wallClock ? *session.options.wallClock : systemClock();
}

// One measurement period's end: the senders moved, the full pass, the log's row.
void periodEnded(ScriptSession& session, bool lastOfRun)
{
    InstrumentTime& time = session.time();
    time.beforePass(time.clock.seconds());
    runFullPass(session, lastOfRun);
    time.afterPass();
}

// Each 100 ms of instrument time a timer tick, each 4 s a full pass; with a
// live link at the real pace, taking what arrives before each tick.
void run(ScriptSession& session, Arguments arguments)
{
    const uint64_t ticks = durationAsked(session, arguments);
    InstrumentTime& time = session.time();
    uint64_t periodsLeft = time.clock.periodsEnding(ticks);
    WallClock& clock = wallClock(session);
    const double start = time.live() ? clock.now() : 0;
    for (uint64_t n = 1; n <= ticks; ++n) {
        session.countStep();
        if (time.live()) {
            clock.sleepUntil(start + double(n) / 10);
            if (const std::string said = time.receive(clock.now()); !said.empty())
                session.note(said);
        }
        qs9Tick();
        session.ticked();
        ++time.clock.ticks;
        if (time.clock.atPeriodEnd())
            periodEnded(session, --periodsLeft == 0);
    }
}

// A player waits for the periods that end, one a pass of its host's, and
// makes their ticks and full passes itself (InstrumentTime::ticksToPlay).
PlayerWait runWait(ScriptSession& session, Arguments arguments)
{
    const uint64_t ticks = durationAsked(session, arguments);
    const uint64_t periods = session.time().clock.periodsEnding(ticks);
    session.time().waitFor(ticks);
    return {WaitKind::periods, uint32_t(std::min<uint64_t>(periods, UINT32_MAX))};
}

FlightDrive::Say noteTo(ScriptSession& session)
{
    return [&session](const std::string& message) { session.note(message); };
}

Track readTrack(ScriptSession& session, const std::string& name)
{
    needFiles("plays tracks");
    const std::string path = session.dataFileToRead(name).string();
    std::string bytes;
    if (const std::string why = readDataFile(path, largestTrack, bytes); !why.empty())
        throw ScriptError{"cannot read the track " + quotedText(path) + ": " + why};
    try {
        return Track::parse(bytes);
    } catch (const TrackError& error) {
        throw ScriptError{"the track " + quotedText(path) + " is not a track: " + error.message()};
    }
}

void track(ScriptSession& session, Arguments arguments)
{
    if (arguments[0] == "off")
        return session.time().stopFlight();
    session.time().playTrack(std::make_unique<TrackDrive>(readTrack(session, arguments[0]), session.inputs,
                                                          noteTo(session)));
}

std::optional<FlightSimulator> simulatorNamed(const std::string& name)
{
    if (name == "flightgear")
        return FlightSimulator::flightGear;
    if (name == "xplane")
        return FlightSimulator::xPlane;
    return std::nullopt;
}

void live(ScriptSession& session, Arguments arguments)
{
    if (arguments[0] == "off" && arguments.size() == 1)
        return session.time().stopFlight();
    const std::optional<FlightSimulator> simulator = simulatorNamed(arguments[0]);
    if (!simulator)
        throw ScriptError{"unknown flight simulator " + quotedText(arguments[0]) + ": flightgear or xplane"};
    if (arguments.size() < 2)
        throw ScriptError{"missing argument; usage: live flightgear|xplane PORT [ADDRESS]"};
    const uint32_t port = parseNumber(arguments[1], "port");
    if (port == 0 || port > 65535)
        throw ScriptError{"port " + arguments[1] + " out of range 1..65535"};
    if (!session.options.liveLinks)
        throw ScriptError{"live is not taken here: qs9-script takes a live flight"};
    const std::string address = arguments.size() > 2 ? arguments[2] : "127.0.0.1";
    session.time().goLive(openLiveLink(*simulator, uint16_t(port), address),
                          std::make_unique<FlightDrive>(session.inputs, noteTo(session)));
    session.note(session.time().receive(wallClock(session).now()));
}

void log(ScriptSession& session, Arguments arguments)
{
    if (arguments[0] == "end" && arguments.size() == 1)
        return session.endLog();
    if (session.time().logging())
        throw ScriptError{"a flight log is being kept already: \"log end\" first"};
    needFiles("writes flight logs");
    try {
        FlightLog flightLog(std::vector<std::string>(arguments.begin() + 1, arguments.end()));
        session.time().startLog(std::move(flightLog), session.fileToWrite(arguments[0]));
    } catch (const FlightLogError& error) {
        throw ScriptError{error.message};
    }
}

constexpr CommandKind input = CommandKind::input;

const ScriptCommand commands[] = {
    {"run", "run DURATION (90s, 20min, 2h)", 1, 1, input, run, false, runWait},
    {"track", "track FILE|off", 1, 1, input, track},
    {"live", "live flightgear|xplane PORT [ADDRESS], or live off", 1, 3, input, live},
    {"log", "log FILE NAME..., or log end", 1, 64, CommandKind::output, log},
};

} // namespace

std::span<const ScriptCommand> timeCommands() { return commands; }
