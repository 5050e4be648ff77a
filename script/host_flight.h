// A host's flight: a track played over the host's instrument time, a live
// link to a flight simulator, and the flight log of what the instrument
// showed. The senders move before each frame through the host's inputs (its
// controls show them, a recording writes them); the log takes a row after
// each full pass. Messages (a value clamped, a sender the set-up does not
// read, what a live link receives) go to say.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "script/flight_drive.h"
#include "script/flight_log.h"
#include "script/instrument_time.h"

struct TrackState {
    bool open = false;
    bool playing = false;
    double position = 0; // seconds from the track's first row
    double length = 0;   // seconds from its first row to its last
    std::string columns; // "flow1, tank1 and gps_speed"
};

enum class LiveKind : uint8_t { off, flightgear, xplane };

// A flight log keeps its first rows, and ends when it has this many: at the
// instrument loop pace a host makes thousands of full passes a second.
constexpr size_t mostFlightLogRows = 100000;

// The values "Save Flight Log" writes: flows, fuel used, contents, pressure,
// range, endurance and the alarm bits.
std::vector<std::string> defaultFlightLogNames();

class HostFlight {
public:
    using Say = std::function<void(const std::string& message)>;
    HostFlight(InputSink& inputs, Say say);
    ~HostFlight();

    // A track replaces the one open (and a live link), paused at its start;
    // false, with why in error and nothing changed, for a file that is not one.
    bool openTrack(std::string_view csv, std::string& error);
    void playTrack();
    void pauseTrack();
    void seekTrack(double seconds); // held to 0..length
    void closeTrack();
    TrackState trackState() const;

    // Listens for a flight simulator in place of a track; off closes the
    // link. False, with why in error, when it cannot listen.
    bool goLive(LiveKind kind, uint16_t port, std::string& error);
    LiveKind liveKind() const { return liveKind_; }
    // What arrives, or that nothing does, and which senders it drives;
    // empty while off.
    std::string liveLine() const;

    // Before a frame that lets this much instrument time pass, at this wall
    // time: the senders moved.
    void beforeFrame(double instrumentSecondsPassed, double wallSeconds);
    // After a full pass that ended the period at this instrument time.
    void afterFullPass(double instrumentSeconds);

    // Throws FlightLogError for a name the log cannot take.
    void startLog(std::vector<std::string> names);
    bool logging() const { return log_ != nullptr; }
    std::string logText() const { return logText_; }
    void stopLog();

private:
    InputSink& inputs_;
    Say say_;
    std::unique_ptr<TrackDrive> track_;
    bool trackPlaying_ = false;
    double trackPosition_ = 0;
    bool moveDue_ = false; // opened or set to a position since the last move
    InstrumentTime live_; // the runner's own link, fed at the host's frames
    LiveKind liveKind_ = LiveKind::off;
    double wallSeconds_ = 0;
    std::unique_ptr<FlightLog> log_;
    std::string logText_;
    size_t logRows_ = 0;
};
