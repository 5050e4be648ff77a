#include "sim/float_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Digits {
    std::string digits; // without sign or point, no trailing zeros
    int exponent;       // of the first digit
};

// The fewest significant digits that read back as the value (not 0).
Digits shortestDigits(float value)
{
    char text[32];
    for (int precision = 0;; ++precision) {
        std::snprintf(text, sizeof text, "%.*e", precision, double(std::fabs(value)));
        if (std::strtof(text, nullptr) == std::fabs(value) || precision >= 8)
            break;
    }
    char* exponent = std::strchr(text, 'e');
    std::string digits;
    for (const char* at = text; at < exponent; ++at)
        if (*at != '.')
            digits += *at;
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits, std::atoi(exponent + 1)};
}

// A whole number is written with all its exact digits, as printf's %.0f.
std::string fixedText(const Digits& d, float value)
{
    if (d.exponent < 0)
        return "0." + std::string(-d.exponent - 1, '0') + d.digits;
    const size_t whole = d.exponent + 1;
    if (d.digits.size() <= whole) {
        char text[48];
        std::snprintf(text, sizeof text, "%.0f", double(std::fabs(value)));
        return text;
    }
    return d.digits.substr(0, whole) + "." + d.digits.substr(whole);
}

std::string scientificText(const Digits& d)
{
    char exponent[16]; // room for any int, though a float's lies within +-45
    std::snprintf(exponent, sizeof exponent, "e%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text.append(".").append(d.digits, 1);
    return text + exponent;
}

} // namespace

std::string floatTextFromDigits(float value)
{
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value))
        return sign + "nan";
    if (std::isinf(value))
        return sign + "inf";
    if (value == 0)
        return sign + "0";
    const Digits digits = shortestDigits(value);
    const std::string fixed = fixedText(digits, value), scientific = scientificText(digits);
    return sign + (scientific.size() < fixed.size() ? scientific : fixed);
}

std::string floatText(float value)
{
#if defined(__cpp_lib_to_chars)
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
#else
    return floatTextFromDigits(value);
#endif
}
