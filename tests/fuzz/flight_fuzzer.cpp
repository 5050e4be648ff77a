// libFuzzer entry: each input is read as a FlightGear packet, an X-Plane
// reply and a track, as bytes from the network or a file might be, and fed
// to a live feed of each flight simulator. A reader refuses with a reason
// and holds no values, or gives finite values; a track gives a value for
// each of its columns at any time, and between two rows one between theirs.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "script/flight/flightgear_packets.h"
#include "script/flight/live_feed.h"
#include "script/flight/track_file.h"
#include "script/flight/xplane_packets.h"

namespace {

constexpr size_t rowsChecked = 64;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "flight data invariant broken: %s\n", what);
    std::abort();
}

size_t sentCount(const FlightValues& values)
{
    size_t count = 0;
    for (const std::optional<double>& value : values.values) {
        if (value && !std::isfinite(*value))
            fail("a value that is not finite");
        count += value.has_value();
    }
    return count;
}

void checkReading(const PacketReading& reading, size_t fewest)
{
    const size_t count = sentCount(reading.values);
    if (reading.refused() ? count != 0 : count < fewest)
        fail("a packet's values do not match its refusal");
}

FlightValues checkedSample(const Track& track, double seconds, TrackPlace place)
{
    const TrackSample sample = track.at(seconds);
    if (sample.place != place)
        fail("where a time falls against the rows");
    if (sentCount(sample.values) != track.columns().size())
        fail("a sample without a column of the track, or with one it does not have");
    for (FlightInput column : track.columns())
        if (!sample.values[column])
            fail("a sample without a column of the track");
    return sample.values;
}

void checkBetween(const FlightValues& value, const FlightValues& one, const FlightValues& other)
{
    for (size_t i = 0; i < flightInputCount; ++i) {
        if (!value.values[i])
            continue;
        const auto [low, high] = std::minmax(*one.values[i], *other.values[i]);
        if (*value.values[i] < low || *value.values[i] > high)
            fail("a value between two rows outside theirs");
    }
}

void checkTrack(std::string_view text)
{
    std::optional<Track> parsed;
    try {
        parsed = Track::parse(text);
    } catch (const TrackError& error) {
        if (error.reason.empty() || error.line == 0)
            fail("a refused track without its line or reason");
        return;
    }
    const Track& track = *parsed;
    const std::vector<double>& times = track.times();
    const FlightValues first = checkedSample(track, times.front(), TrackPlace::within);
    if (times.front() > 0 && checkedSample(track, 0, TrackPlace::beforeStart) != first)
        fail("before the first row, other values than the first row's");
    const FlightValues last = checkedSample(track, times.back(), TrackPlace::within);
    const double later = std::nextafter(times.back(), std::numeric_limits<double>::infinity());
    if (checkedSample(track, later, TrackPlace::afterEnd) != last)
        fail("after the last row, other values than the last row's");
    for (size_t row = 1; row < std::min(times.size(), rowsChecked); ++row) {
        const FlightValues before = checkedSample(track, times[row - 1], TrackPlace::within);
        const FlightValues after = checkedSample(track, times[row], TrackPlace::within);
        const double middle = times[row - 1] + (times[row] - times[row - 1]) / 2;
        checkBetween(checkedSample(track, middle, TrackPlace::within), before, after);
    }
}

void checkFeed(FlightSimulator simulator, std::string_view bytes)
{
    LiveFeed feed(simulator, "127.0.0.1 port 5500");
    feed.datagram(bytes, "127.0.0.1:55089", 0);
    sentCount(feed.values({}));
    if (feed.status(0).empty())
        fail("an empty message line");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkReading(readFlightGearPacket(bytes), flightInputCount);
    checkReading(readXPlaneReply(bytes), 1);
    checkTrack(bytes);
    checkFeed(FlightSimulator::flightGear, bytes);
    checkFeed(FlightSimulator::xPlane, bytes);
    return 0;
}
