// A track: the senders' values over instrument time, in the pilot's units,
// as a CSV file. Its header names the columns, time_s first (seconds of
// instrument time), then any of flow1, flow2 (in the flow unit of the
// settings), tank1, tank2 (contents in the volume unit), pressure (in the
// pressure unit) and gps_speed (in the speed unit), each once; one row per
// moment, times increasing:
//     time_s,flow1,tank1
//     0,30.5,45
//     3600,30.5,14.5
// Between two rows the values follow a straight line. Blank lines and lines
// starting with "#" are skipped; lines may end with LF, CR LF or CR.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "script/flight/flight_values.h"

// A file that is not a track: the line (from 1) and what is wrong with it.
struct TrackError {
    unsigned line;
    std::string reason;

    // "line 3: ..."
    std::string message() const;
};

// Where an instrument time falls against a track's rows.
enum class TrackPlace : uint8_t { beforeStart, within, afterEnd };

struct TrackSample {
    FlightValues values; // the track's columns; the rest not sent
    TrackPlace place;
};

class Track {
public:
    // Throws TrackError.
    static Track parse(std::string_view text);

    // The values at instrument time seconds. Before the first row they are
    // the first row's, after the last the last row's; place says which.
    TrackSample at(double seconds) const;

    const std::vector<FlightInput>& columns() const { return columns_; }
    size_t rows() const { return times_.size(); }
    // Each row's time, increasing.
    const std::vector<double>& times() const { return times_; }
    double startTime() const { return times_.front(); }
    double endTime() const { return times_.back(); }

private:
    Track() = default;
    void addRow(const std::vector<std::string_view>& cells, unsigned line);
    FlightValues row(size_t index) const;

    std::vector<FlightInput> columns_;
    std::vector<double> times_;
    std::vector<double> values_; // row by row, columns_.size() a row
};

// "before the track's first row: its values" and the like; empty within
// the track.
std::string trackPlaceText(TrackPlace place);
