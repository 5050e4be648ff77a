// Instrument time as a script keeps it: 100 ms steps from program start,
// advanced by "run". Each 4-second measurement period that ends makes one
// full pass; before it a track or a live link moves the senders, after it
// the flight log takes a row. The clock goes on across commands, so two
// "run 2s" make one period.
#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "script/flight_drive.h"
#include "script/flight_log.h"
#include "script/live_link.h"
#include "sim/simulator.h"

// "90s", "20min", "2h", "1.5s": a duration in ticks (tenths of a second).
// Throws ScriptError.
uint64_t parseDuration(std::string_view text);

struct InstrumentClock {
    uint64_t ticks = 0; // since program start

    double seconds() const { return double(ticks) / 10; }
    // The periods that end within the next `more` ticks.
    uint64_t periodsEnding(uint64_t more) const { return (ticks % QS9_TICKS_PER_PERIOD + more) / QS9_TICKS_PER_PERIOD; }
    bool atPeriodEnd() const { return ticks % QS9_TICKS_PER_PERIOD == 0; }
};

class InstrumentTime {
public:
    InstrumentClock clock;

    // What moves the senders: a track, a live link, or nothing (the
    // sliders stay where the script put them). One replaces the other.
    void playTrack(std::unique_ptr<TrackDrive> track);
    void goLive(std::unique_ptr<LiveLink> live, std::unique_ptr<FlightDrive> drive);
    void stopFlight();
    bool live() const { return live_ != nullptr; }
    // The live link's feed; nullptr without one.
    const LiveFeed* liveFeed() const { return live_ ? &live_->feed() : nullptr; }
    // Takes what a live link received; its message when it changed.
    std::string receive(double now);

    // Before a full pass at this instrument time: the senders moved.
    void beforePass(double seconds);
    // After it: the log's row.
    void afterPass();

    // A host that plays "run" makes its ticks and full passes itself, in the
    // runner's order: for each period that ends, the ticks up to its end,
    // the senders moved and the full pass; after the last, the ticks left.
    void waitFor(uint64_t ticks);
    // The ticks from the clock to the next period's end, or to the wait's
    // end when that comes first.
    uint64_t ticksToPlay() const;

    void startLog(FlightLog log, std::filesystem::path file);
    bool logging() const { return log_ != nullptr; }
    const std::filesystem::path& logFile() const { return logFile_; }
    // The log's text so far, and no log kept from here on.
    std::string endLog();

private:
    std::unique_ptr<TrackDrive> track_;
    std::unique_ptr<LiveLink> live_;
    std::unique_ptr<FlightDrive> liveDrive_;
    std::string liveSaid_;
    uint64_t waitEnd_ = 0; // the clock when the played wait ends
    std::unique_ptr<FlightLog> log_;
    std::filesystem::path logFile_;
    std::string logText_;
};
