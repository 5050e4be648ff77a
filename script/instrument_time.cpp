#include "script/instrument_time.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "script/script_session.h"
#include "sim/user_text.h"

namespace {

struct TimeUnit {
    std::string_view name;
    uint64_t ticks;
};
constexpr TimeUnit timeUnits[] = {{"s", 10}, {"min", 600}, {"h", 36000}};

constexpr size_t mostDigits = 8; // 99,999,999 hours and no overflow

ScriptError badDuration(std::string_view text, const std::string& why)
{
    return ScriptError{"bad duration " + quotedText(text) + ": " + why};
}

size_t digitsAt(std::string_view text, size_t at)
{
    size_t end = at;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
        ++end;
    return end - at;
}

uint64_t numberOf(std::string_view digits)
{
    uint64_t value = 0;
    for (const char c : digits)
        value = value * 10 + uint64_t(c - '0');
    return value;
}

} // namespace

uint64_t parseDuration(std::string_view text)
{
    const std::string wanted = "a number and s, min or h, such as 90s, 20min, 2h or 1.5s";
    const size_t whole = digitsAt(text, 0);
    size_t at = whole;
    size_t fraction = 0;
    if (at < text.size() && text[at] == '.') {
        fraction = digitsAt(text, at + 1);
        if (fraction == 0)
            throw badDuration(text, wanted);
        at += 1 + fraction;
    }
    if (whole == 0)
        throw badDuration(text, wanted);
    if (whole > mostDigits || fraction > mostDigits)
        throw badDuration(text, "too long");
    const std::string_view unitName = text.substr(at);
    const TimeUnit* unit = nullptr;
    for (const TimeUnit& candidate : timeUnits)
        if (unitName == candidate.name)
            unit = &candidate;
    if (!unit)
        throw badDuration(text, wanted);
    uint64_t scale = 1;
    for (size_t i = 0; i < fraction; ++i)
        scale *= 10;
    const uint64_t scaled = numberOf(text.substr(0, whole)) * scale + numberOf(text.substr(whole + 1, fraction));
    if (scaled * unit->ticks % scale != 0)
        throw badDuration(text, "instrument time goes in steps of 0.1 s");
    return scaled * unit->ticks / scale;
}

void InstrumentTime::playTrack(std::unique_ptr<TrackDrive> track)
{
    stopFlight();
    track_ = std::move(track);
}

void InstrumentTime::goLive(std::unique_ptr<LiveLink> live, std::unique_ptr<FlightDrive> drive)
{
    stopFlight();
    live_ = std::move(live);
    liveDrive_ = std::move(drive);
}

void InstrumentTime::stopFlight()
{
    track_.reset();
    live_.reset();
    liveDrive_.reset();
    liveSaid_.clear();
}

// The message line changes with every second of a silence: it is said
// again only when what it says of the link changes.
std::string InstrumentTime::receive(double now)
{
    if (!live_)
        return "";
    live_->receive(now);
    const LiveFeed& feed = live_->feed();
    const std::string status = feed.status(now);
    const std::string key = std::to_string(int(feed.state(now))) + feed.sender() + "|" +
                            flightInputList("and", feed.sentInputs()) + "|" +
                            std::to_string(status.find("; ignoring") != std::string::npos) +
                            std::to_string(status.find("; a packet was refused") != std::string::npos);
    if (key == liveSaid_)
        return "";
    liveSaid_ = key;
    return status;
}

void InstrumentTime::beforePass(double seconds)
{
    if (track_)
        track_->moveTo(seconds);
    if (live_)
        liveDrive_->drive(live_->feed().values(instrumentUnits()));
}

void InstrumentTime::waitFor(uint64_t ticks) { waitEnd_ = clock.ticks + ticks; }

uint64_t InstrumentTime::ticksToPlay() const
{
    const uint64_t toPeriodEnd = QS9_TICKS_PER_PERIOD - clock.ticks % QS9_TICKS_PER_PERIOD;
    return std::min(toPeriodEnd, waitEnd_ - clock.ticks);
}

void InstrumentTime::afterPass()
{
    if (log_)
        logText_ += log_->row(clock.seconds()) + "\n";
}

void InstrumentTime::startLog(FlightLog log, std::filesystem::path file)
{
    log_ = std::make_unique<FlightLog>(std::move(log));
    logFile_ = std::move(file);
    logText_ = log_->header() + "\n";
}

std::string InstrumentTime::endLog()
{
    log_.reset();
    return std::exchange(logText_, {});
}
