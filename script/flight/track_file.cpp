#include "script/flight/track_file.h"

#include <algorithm>
#include <cmath>

#include "script/flight/text_fields.h"
#include "sim/user_text.h"

namespace {

constexpr std::string_view timeColumn = "time_s";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view cellBlanks = " \t";

struct TextLine {
    unsigned number;
    std::string_view text;
};

// The lines that are neither blank nor comments, cut at LF, CR LF or CR.
std::vector<TextLine> contentLines(std::string_view text)
{
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());
    std::vector<TextLine> lines;
    unsigned number = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
        ++number;
        const size_t first = line.find_first_not_of(cellBlanks);
        if (first != std::string_view::npos && line[first] != '#')
            lines.push_back({number, line});
    }
    return lines;
}

std::string_view trimmed(std::string_view cell)
{
    const size_t first = cell.find_first_not_of(cellBlanks);
    if (first == std::string_view::npos)
        return {};
    return cell.substr(first, cell.find_last_not_of(cellBlanks) - first + 1);
}

std::vector<std::string_view> cellsOf(std::string_view line)
{
    std::vector<std::string_view> cells = commaFields(line);
    for (std::string_view& cell : cells)
        cell = trimmed(cell);
    return cells;
}

std::string columnsWanted() { return "time_s first, then any of " + flightInputList("and"); }

std::vector<FlightInput> headerColumns(const std::vector<std::string_view>& cells, unsigned line)
{
    if (cells[0] != timeColumn) {
        const bool elsewhere = std::find(cells.begin(), cells.end(), timeColumn) != cells.end();
        throw TrackError{line, elsewhere ? "time_s must be the first column"
                                         : "missing time_s: the header names " + columnsWanted()};
    }
    if (cells.size() == 1)
        throw TrackError{line, "no values after time_s: add a column of " + flightInputList("or")};
    std::vector<FlightInput> columns;
    for (size_t i = 1; i < cells.size(); ++i) {
        const std::optional<FlightInput> input = flightInputNamed(cells[i]);
        if (!input)
            throw TrackError{line, "unknown column " + quotedText(cells[i]) + ": " + columnsWanted()};
        if (std::find(columns.begin(), columns.end(), *input) != columns.end())
            throw TrackError{line, "column " + quotedText(cells[i]) + " twice"};
        columns.push_back(*input);
    }
    return columns;
}

double cellValue(std::string_view cell, std::string_view column, unsigned line)
{
    if (cell.empty())
        throw TrackError{line, "no value for " + std::string(column)};
    const std::optional<double> value = decimalNumber(cell);
    if (!value)
        throw TrackError{line, std::string(column) + " " + quotedText(cell) + " is not a number"};
    return *value;
}

} // namespace

std::string TrackError::message() const { return "line " + std::to_string(line) + ": " + reason; }

Track Track::parse(std::string_view text)
{
    const std::vector<TextLine> lines = contentLines(text);
    if (lines.empty())
        throw TrackError{1, "the track is empty: its header names " + columnsWanted()};
    Track track;
    track.columns_ = headerColumns(cellsOf(lines[0].text), lines[0].number);
    for (size_t i = 1; i < lines.size(); ++i)
        track.addRow(cellsOf(lines[i].text), lines[i].number);
    if (track.times_.empty())
        throw TrackError{lines[0].number, "the track has no rows after its header"};
    return track;
}

void Track::addRow(const std::vector<std::string_view>& cells, unsigned line)
{
    if (cells.size() != columns_.size() + 1)
        throw TrackError{line, std::to_string(cells.size()) + " values where the header names " +
                                   std::to_string(columns_.size() + 1) + " columns"};
    const double time = cellValue(cells[0], timeColumn, line);
    if (time < 0)
        throw TrackError{line, "time_s " + quotedText(cells[0]) + " is before instrument time 0"};
    if (!times_.empty() && time <= times_.back())
        throw TrackError{line, "time_s " + quotedText(cells[0]) + " is not after the row before's"};
    times_.push_back(time);
    for (size_t i = 0; i < columns_.size(); ++i)
        values_.push_back(cellValue(cells[i + 1], flightInputName(columns_[i]), line));
}

FlightValues Track::row(size_t index) const
{
    FlightValues values;
    for (size_t i = 0; i < columns_.size(); ++i)
        values[columns_[i]] = values_[index * columns_.size() + i];
    return values;
}

TrackSample Track::at(double seconds) const
{
    if (!(seconds > times_.front())) // and a time that is not a number
        return {row(0), seconds == times_.front() ? TrackPlace::within : TrackPlace::beforeStart};
    if (seconds >= times_.back())
        return {row(times_.size() - 1), seconds == times_.back() ? TrackPlace::within : TrackPlace::afterEnd};
    const size_t next = std::upper_bound(times_.begin(), times_.end(), seconds) - times_.begin();
    const double fraction =
        std::clamp((seconds - times_[next - 1]) / (times_[next] - times_[next - 1]), 0.0, 1.0);
    FlightValues values;
    const size_t width = columns_.size();
    for (size_t i = 0; i < width; ++i)
        values[columns_[i]] = std::lerp(values_[(next - 1) * width + i], values_[next * width + i], fraction);
    return {values, TrackPlace::within};
}

std::string trackPlaceText(TrackPlace place)
{
    switch (place) {
    case TrackPlace::beforeStart:
        return "before the track's first row: its values";
    case TrackPlace::afterEnd:
        return "after the track's last row: its values";
    default:
        return "";
    }
}
