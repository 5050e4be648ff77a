#include "script/flight/text_fields.h"

#include <cmath>
#include <locale>
#include <sstream>
#include <string>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Moves at past the digits there; true when there was at least one.
bool skipDigits(std::string_view text, size_t& at)
{
    const size_t start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at > start;
}

bool isDecimal(std::string_view text)
{
    size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    bool digits = skipDigits(text, at);
    if (at < text.size() && text[at] == '.') {
        ++at;
        digits = skipDigits(text, at) || digits;
    }
    if (!digits)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        if (!skipDigits(text, at))
            return false;
    }
    return at == text.size();
}

} // namespace

std::vector<std::string_view> commaFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

std::optional<double> decimalNumber(std::string_view text)
{
    if (!isDecimal(text))
        return std::nullopt;
    // The classic locale reads a point as the decimal mark whatever the
    // program's locale is; the stream refuses what overflows a double.
    std::istringstream stream{std::string(text)};
    stream.imbue(std::locale::classic());
    double value = 0;
    stream >> value;
    if (stream.fail() || !std::isfinite(value))
        return std::nullopt;
    return value;
}
