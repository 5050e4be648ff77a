// Text from a user or from the display, made safe to show in a message: the
// boundary's error messages and the scripted runner quote names, words and
// drawn texts this way.
#pragma once
#include <string>
#include <string_view>

// Quotes and backslashes escaped (\" and \\), bytes outside printable ASCII
// as \xNN.
std::string escapedText(std::string_view text);

// The text escaped and cut after 80 characters ("..." marks the cut).
std::string shownText(std::string_view text);

// The shown text in double quotes.
std::string quotedText(std::string_view text);
