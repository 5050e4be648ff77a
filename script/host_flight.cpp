#include "script/host_flight.h"

#include <algorithm>
#include <utility>

#include "script/live_link.h"
#include "script/script_session.h"

std::vector<std::string> defaultFlightLogNames()
{
    return {"flow1",  "flow2",    "fuel_used1", "fuel_used2", "tank1",     "tank2",
            "pressure", "range", "endurance",  "alarmFlags", "alarmAcked"};
}

HostFlight::HostFlight(InputSink& inputs, Say say) : inputs_(inputs), say_(std::move(say)) {}

HostFlight::~HostFlight() = default;

bool HostFlight::openTrack(std::string_view csv, std::string& error)
{
    try {
        auto track = std::make_unique<TrackDrive>(Track::parse(csv), inputs_, say_);
        std::string ignored;
        goLive(LiveKind::off, 0, ignored);
        track_ = std::move(track);
    } catch (const TrackError& bad) {
        error = "not a track: " + bad.message();
        return false;
    }
    trackPlaying_ = false;
    trackPosition_ = 0;
    moveDue_ = true;
    return true;
}

void HostFlight::playTrack()
{
    if (!track_)
        return;
    if (trackPosition_ >= trackState().length)
        trackPosition_ = 0; // played to its end: from the start again
    trackPlaying_ = true;
}

void HostFlight::pauseTrack() { trackPlaying_ = false; }

void HostFlight::seekTrack(double seconds)
{
    if (!track_)
        return;
    trackPosition_ = std::clamp(seconds, 0.0, trackState().length);
    moveDue_ = true;
}

void HostFlight::closeTrack()
{
    track_.reset();
    trackPlaying_ = false;
    trackPosition_ = 0;
}

TrackState HostFlight::trackState() const
{
    if (!track_)
        return {};
    const Track& track = track_->track();
    return {true, trackPlaying_, trackPosition_, track.endTime() - track.startTime(),
            flightInputList("and", track.columns())};
}

bool HostFlight::goLive(LiveKind kind, uint16_t port, std::string& error)
{
    if (kind == LiveKind::off) {
        live_.stopFlight();
        liveKind_ = LiveKind::off;
        return true;
    }
    const FlightSimulator simulator = kind == LiveKind::flightgear ? FlightSimulator::flightGear : FlightSimulator::xPlane;
    try {
        std::unique_ptr<LiveLink> link = openLiveLink(simulator, port, "127.0.0.1");
        closeTrack();
        live_.goLive(std::move(link), std::make_unique<FlightDrive>(inputs_, say_));
    } catch (const ScriptError& cannot) {
        error = cannot.message;
        return false;
    }
    liveKind_ = kind;
    return true;
}

std::string HostFlight::liveLine() const
{
    const LiveFeed* feed = live_.liveFeed();
    return feed ? feed->status(wallSeconds_) : std::string();
}

// A track plays on with instrument time and stops at its last row; it moves
// the senders while it plays and once after it is opened or set to a
// position, so that between those the user's sliders are the user's. A
// live link's values drive the senders as they arrive.
void HostFlight::beforeFrame(double instrumentSecondsPassed, double wallSeconds)
{
    wallSeconds_ = wallSeconds;
    if (live_.live()) {
        if (const std::string said = live_.receive(wallSeconds); !said.empty() && say_)
            say_(said);
        live_.beforePass(0);
    }
    if (!track_ || !(trackPlaying_ || moveDue_))
        return;
    if (trackPlaying_) {
        const double length = trackState().length;
        trackPosition_ = std::min(trackPosition_ + instrumentSecondsPassed, length);
        trackPlaying_ = trackPosition_ < length;
    }
    moveDue_ = false;
    track_->moveTo(track_->track().startTime() + trackPosition_);
}

void HostFlight::afterFullPass(double instrumentSeconds)
{
    if (!log_)
        return;
    logText_ += log_->row(instrumentSeconds) + "\n";
    if (++logRows_ < mostFlightLogRows)
        return;
    log_.reset();
    if (say_)
        say_("The flight log is full at " + std::to_string(mostFlightLogRows) +
             " rows and has stopped: save it, then start another");
}

void HostFlight::startLog(std::vector<std::string> names)
{
    log_ = std::make_unique<FlightLog>(std::move(names));
    logText_ = log_->header() + "\n";
    logRows_ = 0;
}

void HostFlight::stopLog() { log_.reset(); }
