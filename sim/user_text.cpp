#include "sim/user_text.h"

#include <cstdint>

namespace {

constexpr size_t shownLength = 80;

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Characters that would hide themselves or upset the message's line: the C1
// controls, the soft hyphen, the line and paragraph separators, the
// zero-width and direction marks and the byte-order mark.
bool hidesItself(uint32_t code)
{
    return code < 0xA0 || code == 0xAD || (code >= 0x200B && code <= 0x200F) || (code >= 0x2028 && code <= 0x202E) ||
           (code >= 0x2060 && code <= 0x206F) || code == 0xFEFF;
}

// The bytes of the character at text[at] when it is one that stands as it
// is beyond ASCII: valid UTF-8 (shortest form, no surrogate, at most
// U+10FFFF) that shows. Otherwise 1: that byte alone, escaped if need be.
size_t characterBytes(std::string_view text, size_t at)
{
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || at + length > text.size())
        return 1;
    uint32_t code = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[at + i]);
        if (!isContinuation(c))
            return 1;
        code = code << 6 | (c & 0x3F);
    }
    const uint32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < shortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || hidesItself(code))
        return 1;
    return length;
}

void appendEscapedByte(std::string& escaped, unsigned char c)
{
    static const char hex[] = "0123456789ABCDEF";
    if (c == '"' || c == '\\')
        escaped += {'\\', static_cast<char>(c)};
    else if (c < 0x20 || c > 0x7e)
        escaped += {'\\', 'x', hex[c >> 4], hex[c & 15]};
    else
        escaped += static_cast<char>(c);
}

// The user's text escaped, their own letters kept as they stand.
std::string escapedUserText(std::string_view text)
{
    std::string escaped;
    for (size_t at = 0; at < text.size();) {
        const size_t bytes = characterBytes(text, at);
        if (bytes > 1)
            escaped += text.substr(at, bytes);
        else
            appendEscapedByte(escaped, static_cast<unsigned char>(text[at]));
        at += bytes;
    }
    return escaped;
}

} // namespace

std::string escapedText(std::string_view text)
{
    std::string escaped;
    for (unsigned char c : text)
        appendEscapedByte(escaped, c);
    return escaped;
}

std::string shownText(std::string_view text)
{
    size_t at = 0;
    for (size_t shown = 0; shown < shownLength && at < text.size(); ++shown)
        at += characterBytes(text, at);
    if (at == text.size())
        return escapedUserText(text);
    return escapedUserText(text.substr(0, at)) + "...";
}

std::string quotedText(std::string_view text) { return "\"" + shownText(text) + "\""; }

bool showsAsWritten(std::string_view text)
{
    for (size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        const size_t bytes = characterBytes(text, at);
        if (bytes == 1 && (c < 0x20 || c > 0x7e))
            return false;
        at += bytes;
    }
    return true;
}
