#include "script/script_arguments.h"

#include <charconv>

#include "script/display_pictures.h"
#include "script/script_session.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

// The digits' value; errors quote the text as written.
uint32_t digitsValue(std::string_view digits, std::string_view written, const char* what)
{
    uint32_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, fault] = std::from_chars(digits.data(), end, value);
    if (fault == std::errc::result_out_of_range)
        throw ScriptError{std::string(what) + " " + quotedText(written) + " is too large"};
    if (digits.empty() || fault != std::errc() || stop != end)
        throw ScriptError{"bad " + std::string(what) + " " + quotedText(written) +
                          ": expected decimal digits"};
    return value;
}

} // namespace

uint32_t parseNumber(std::string_view text, const char* what)
{
    return digitsValue(text, text, what);
}

int64_t parseSignedNumber(std::string_view text, const char* what)
{
    const bool negative = text.starts_with('-');
    const int64_t magnitude = digitsValue(negative ? text.substr(1) : text, text, what);
    return negative ? -magnitude : magnitude;
}

uint32_t parseCoordinate(std::string_view text, const char* what, int size)
{
    const uint32_t value = parseNumber(text, what);
    if (value >= uint32_t(size))
        throw ScriptError{std::string(what) + " " + std::to_string(value) + " out of range 0.." +
                          std::to_string(size - 1)};
    return value;
}

DisplayPoint displayPoint(std::string_view x, std::string_view y)
{
    DisplayPoint point{};
    point.x = parseCoordinate(x, "x", QS9_DISPLAY_WIDTH);
    point.y = parseCoordinate(y, "y", QS9_DISPLAY_HEIGHT);
    point.index = qs9FrameBuffer()[point.x + QS9_DISPLAY_WIDTH * point.y];
    return point;
}

constexpr size_t maxValueSize = 1 << 20;

// The lookup reads a name up to its first NUL byte, so a name holding one
// is no name.
std::string formattedValue(std::string_view name)
{
    if (name.find('\0') != std::string_view::npos)
        throw ScriptError{"unknown name " + quotedText(name)};
    // A number fits the first size; a text such as keyHelp may need more.
    std::string value(64, '\0');
    int status;
    while ((status = qs9FormatValue(std::string(name).c_str(), value.data(), uint32_t(value.size()))) ==
               QS9_ERROR_NO_ROOM &&
           value.size() < maxValueSize)
        value.resize(value.size() * 8);
    if (status != QS9_OK)
        throw ScriptError{qs9LastError()};
    value.resize(value.find('\0'));
    return value;
}

void writeDisplayPicture(ScriptSession& session, std::string_view name)
{
    const std::string file = session.fileToWrite(name).string();
    const std::string fault = writeDisplayPng(file, qs9FrameBuffer(), qs9Palette());
    if (!fault.empty())
        throw ScriptError{"cannot write " + quotedText(file) + ": " + fault};
}
