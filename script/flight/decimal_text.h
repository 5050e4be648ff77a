// Decimal numbers as tracks and flight simulators write them: an optional
// sign, digits with at most one point, an optional exponent ("-12", "0.5",
// "3.7e2"). Read the same in every locale: a window's toolkit may set one
// whose decimal mark is a comma.
#pragma once
#include <optional>
#include <string_view>

// The number, or nothing when the text is not one or lies beyond a double.
std::optional<double> decimalNumber(std::string_view text);
