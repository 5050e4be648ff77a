// The text of tracks and FlightGear's packets: fields separated by commas,
// and decimal numbers in them as both write them: an optional sign, digits
// with at most one point, an optional exponent ("-12", "0.5", "3.7e2"), read
// the same in every locale (a window's toolkit may set one whose decimal
// mark is a comma).
#pragma once
#include <optional>
#include <string_view>
#include <vector>

// The fields between commas, as they are: "a,,b" has three, "" one.
std::vector<std::string_view> commaFields(std::string_view line);

// The number, or nothing when the text is not one or lies beyond a double.
std::optional<double> decimalNumber(std::string_view text);
