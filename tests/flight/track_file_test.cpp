// Tracks as a pilot writes them, and the values the instrument gets between
// and around their rows.
#include <gtest/gtest.h>

#include <cmath>
#include <locale>

#include "script/flight/track_file.h"

namespace {

std::string refusal(const std::string& text)
{
    try {
        Track::parse(text);
    } catch (const TrackError& error) {
        return error.message();
    }
    return "accepted";
}

TEST(TrackFile, ValuesFollowAStraightLineBetweenRows)
{
    const Track track = Track::parse("time_s,flow1,tank1\n"
                                     "0,30,45\n"
                                     "3600,30,15\n"
                                     "3660,0,15\n");
    EXPECT_EQ(track.columns(), (std::vector{FlightInput::flow1, FlightInput::tank1}));
    EXPECT_EQ(track.rows(), 3u);
    const TrackSample half = track.at(1800);
    EXPECT_EQ(half.place, TrackPlace::within);
    EXPECT_DOUBLE_EQ(*half.values[FlightInput::flow1], 30);
    EXPECT_DOUBLE_EQ(*half.values[FlightInput::tank1], 30);
    EXPECT_DOUBLE_EQ(*track.at(3645).values[FlightInput::flow1], 7.5);
    // A row's own time gives that row exactly.
    EXPECT_EQ(*track.at(3600).values[FlightInput::tank1], 15);
    // Columns the track does not have are not sent.
    EXPECT_FALSE(half.values[FlightInput::flow2]);
    EXPECT_FALSE(half.values[FlightInput::gpsSpeed]);
}

TEST(TrackFile, BeforeTheFirstRowAndAfterTheLastTheNearestRowHolds)
{
    const Track track = Track::parse("time_s,pressure\n10,3.5\n20,1.5\n");
    const TrackSample before = track.at(0), after = track.at(1e9);
    EXPECT_EQ(before.place, TrackPlace::beforeStart);
    EXPECT_EQ(*before.values[FlightInput::pressure], 3.5);
    EXPECT_EQ(after.place, TrackPlace::afterEnd);
    EXPECT_EQ(*after.values[FlightInput::pressure], 1.5);
    EXPECT_EQ(track.at(10).place, TrackPlace::within);
    EXPECT_EQ(track.at(20).place, TrackPlace::within);
    EXPECT_EQ(track.at(std::nan("")).place, TrackPlace::beforeStart);
    EXPECT_EQ(trackPlaceText(TrackPlace::beforeStart), "before the track's first row: its values");
    EXPECT_EQ(trackPlaceText(TrackPlace::afterEnd), "after the track's last row: its values");
    EXPECT_EQ(trackPlaceText(TrackPlace::within), "");

    const Track single = Track::parse("time_s,gps_speed\n5,110\n");
    EXPECT_EQ(single.at(4).place, TrackPlace::beforeStart);
    EXPECT_EQ(single.at(5).place, TrackPlace::within);
    EXPECT_EQ(*single.at(6).values[FlightInput::gpsSpeed], 110);
}

// What a spreadsheet or an editor writes: a byte-order mark, CR LF or CR
// line ends, blanks around cells, comments and blank lines, every column in
// any order, numbers with signs and exponents.
TEST(TrackFile, FilesFromSpreadsheetsAndEditorsRead)
{
    const Track track = Track::parse("\xEF\xBB\xBF# a leak on tank 2\r\n"
                                     "\r\n"
                                     " time_s , gps_speed,tank2,tank1,flow2,flow1,pressure\r\n"
                                     "0, 95, 40.5, 45, 0, +32.5, 3.2\r"
                                     "  # the leak starts\r"
                                     "6e2,95,3.0E1,44,-0,32.5,.5\n");
    EXPECT_EQ(track.columns().size(), 6u);
    EXPECT_EQ(track.endTime(), 600);
    const FlightValues end = track.at(600).values;
    EXPECT_EQ(*end[FlightInput::tank2], 30);
    EXPECT_EQ(*end[FlightInput::pressure], 0.5);
    EXPECT_EQ(*track.at(0).values[FlightInput::flow1], 32.5);
}

TEST(TrackFile, BadFilesAreRefusedWithTheirLineAndReason)
{
    const std::string columns = "time_s first, then any of flow1, flow2, tank1, tank2, pressure and gps_speed";
    const std::pair<std::string, std::string> cases[] = {
        {"", "line 1: the track is empty: its header names " + columns},
        {"# only a comment\n\n", "line 1: the track is empty: its header names " + columns},
        {"time_s,flow1\n", "line 1: the track has no rows after its header"},
        {"flow1,tank1\n0,1\n", "line 1: missing time_s: the header names " + columns},
        {"flow1,time_s\n0,1\n", "line 1: time_s must be the first column"},
        {"time_s\n0\n", "line 1: no values after time_s: add a column of flow1, flow2, tank1, tank2, pressure or "
                        "gps_speed"},
        {"time_s,fuel\n0,1\n", "line 1: unknown column \"fuel\": " + columns},
        {"time_s,Flow1\n0,1\n", "line 1: unknown column \"Flow1\": " + columns},
        {"time_s,flow1,\n0,1,2\n", "line 1: unknown column \"\": " + columns},
        {"time_s,tank1,tank1\n0,1,2\n", "line 1: column \"tank1\" twice"},
        {"time_s,tank1\n0,1\n10,2,3\n", "line 3: 3 values where the header names 2 columns"},
        {"time_s,tank1\n0\n", "line 2: 1 values where the header names 2 columns"},
        {"time_s,tank1\n0,1\n0,2\n", "line 3: time_s \"0\" is not after the row before's"},
        {"time_s,tank1\n\n10,1\n# x\n5,2\n", "line 5: time_s \"5\" is not after the row before's"},
        {"time_s,tank1\n-1,1\n", "line 2: time_s \"-1\" is before instrument time 0"},
        {"time_s,tank1\n0,\n", "line 2: no value for tank1"},
        {"time_s,tank1\n,1\n", "line 2: no value for time_s"},
        {"time_s,tank1\n0,1,5\n", "line 2: 3 values where the header names 2 columns"},
        {"time_s,tank1\n0,1.5.2\n", "line 2: tank1 \"1.5.2\" is not a number"},
        {"time_s,flow2\n0,12 L/h\n", "line 2: flow2 \"12 L/h\" is not a number"},
        {"time_s,flow2\n0,1,5\n", "line 2: 3 values where the header names 2 columns"},
        {"time_s,flow2\n0,\"1\"\n", "line 2: flow2 \"\\\"1\\\"\" is not a number"},
        {"time_s,pressure\n0,nan\n", "line 2: pressure \"nan\" is not a number"},
        {"time_s,pressure\n0,inf\n", "line 2: pressure \"inf\" is not a number"},
        {"time_s,pressure\n0,1e999\n", "line 2: pressure \"1e999\" is not a number"},
        {"time_s,pressure\n0,0x10\n", "line 2: pressure \"0x10\" is not a number"},
        {"time_s,pressure\n0,3,5\n", "line 2: 3 values where the header names 2 columns"},
        {"time_s,gps_speed\n0;1\n", "line 2: 1 values where the header names 2 columns"},
        {"time_s,gps_speed\n0,1\xff\n", "line 2: gps_speed \"1\\xFF\" is not a number"},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(refusal(text), message) << text;
}

struct DecimalComma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

// A decimal comma in the program's locale (a window's toolkit sets the
// user's) does not change how a track's numbers read.
TEST(TrackFile, NumbersReadTheSameInAnyLocale)
{
    const std::locale before = std::locale::global(std::locale(std::locale::classic(), new DecimalComma));
    const std::string refused = refusal("time_s,flow1\n0,12,5\n");
    const Track track = Track::parse("time_s,flow1\n0,12.5\n");
    std::locale::global(before);
    EXPECT_EQ(*track.at(0).values[FlightInput::flow1], 12.5);
    EXPECT_EQ(refused, "line 2: 3 values where the header names 2 columns");
}

} // namespace
