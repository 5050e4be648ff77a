// Text from a user or from the display, made safe to show in a message: the
// boundary's error messages and the scripted runner quote names, words and
// drawn texts this way.
#pragma once
#include <string>
#include <string_view>

// Quotes and backslashes escaped (\" and \\), bytes outside printable ASCII
// as \xNN: a text as the display holds it, where a byte is a glyph's code.
std::string escapedText(std::string_view text);

// A text the user wrote (a script line, a name, a file name) made safe to
// show, cut after 80 characters ("..." marks the cut; a character of several
// bytes is never cut through). Quotes and backslashes are escaped, the
// user's own letters kept as they stand (valid UTF-8: "p\xC3\xA4ss" shows as
// "päss"); control bytes, bytes that are no valid UTF-8 and the characters
// that would not show (C1 controls, zero-width and direction marks, the
// byte-order mark) are written \xNN, a byte at a time.
std::string shownText(std::string_view text);

// The shown text in double quotes.
std::string quotedText(std::string_view text);

// Every character of the text shows as it is written: printable ASCII, or
// UTF-8 that shows (no control character, no byte that is no UTF-8, none
// of the characters that would not show).
bool showsAsWritten(std::string_view text);
