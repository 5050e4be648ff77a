#include "sim/user_text.h"

namespace {

constexpr size_t shownLength = 80;

} // namespace

std::string escapedText(std::string_view text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string escaped;
    for (unsigned char c : text) {
        if (c == '"' || c == '\\')
            escaped += {'\\', static_cast<char>(c)};
        else if (c < 0x20 || c > 0x7e)
            escaped += {'\\', 'x', hex[c >> 4], hex[c & 15]};
        else
            escaped += static_cast<char>(c);
    }
    return escaped;
}

std::string shownText(std::string_view text)
{
    if (text.size() <= shownLength)
        return escapedText(text);
    return escapedText(text.substr(0, shownLength)) + "...";
}

std::string quotedText(std::string_view text) { return "\"" + shownText(text) + "\""; }
