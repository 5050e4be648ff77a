// Plain text as JSON, for what the module hands the page as JSON.
#pragma once
#include <string>
#include <string_view>

// A JSON string of the text ("null" for nullptr); quotes, backslashes and
// control characters escaped, every other byte (UTF-8 included) as it is.
inline std::string jsonText(std::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    std::string json = "\"";
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u == '"' || u == '\\')
            json += {'\\', c};
        else if (u < 0x20)
            json += std::string("\\u00") + hex[u >> 4] + hex[u & 15];
        else
            json += c;
    }
    return json + "\"";
}

inline std::string jsonText(const char* text) { return text ? jsonText(std::string_view(text)) : "null"; }

// "name":value
inline std::string jsonField(const char* name, const std::string& value)
{
    return std::string("\"") + name + "\":" + value;
}
