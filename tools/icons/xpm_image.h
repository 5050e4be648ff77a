// Reads the icons' editable sources: XPM images whose colours carry their
// palette index as the symbolic (s) key. A colour without one is matched to
// the first palette entry of the same RGB value. Shared by the icon encoder
// and the tests that check the encoded icons against their sources.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "display/framebuffer.h"

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // row-major palette indices
};

// The quoted strings of an XPM file, in order (comments and C syntax skipped).
inline std::vector<std::string> xpmStrings(const std::string& text)
{
    std::vector<std::string> strings;
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, 2, "/*") == 0) {
            const size_t end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 2;
        } else if (text[i] == '"') {
            const size_t end = text.find('"', i + 1);
            if (end == std::string::npos)
                break;
            strings.push_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            ++i;
        }
    }
    return strings;
}

namespace xpm_detail {

inline bool paletteIndexOf(const std::string& definition, uint8_t& index, std::string& error)
{
    std::istringstream words(definition);
    std::string key, value, rgb;
    long symbol = -1;
    while (words >> key >> value) {
        if (key == "s")
            symbol = std::strtol(value.c_str(), nullptr, 10);
        else if (key == "c")
            rgb = value;
    }
    if (symbol >= 0 && symbol <= 255) {
        index = static_cast<uint8_t>(symbol);
        return true;
    }
    if (rgb.size() == 7 && rgb[0] == '#') {
        const uint32_t colour = static_cast<uint32_t>(std::strtoul(rgb.c_str() + 1, nullptr, 16));
        for (int i = 0; i < 256; ++i)
            if (palette[i] == colour) {
                index = static_cast<uint8_t>(i);
                return true;
            }
    }
    error = "colour \"" + definition + "\" has no palette index";
    return false;
}

} // namespace xpm_detail

// Fills image from the strings of one XPM; false with a reason on bad input.
inline bool parseXpm(const std::vector<std::string>& strings, IndexedImage& image, std::string& error)
{
    int colours = 0, charsPerPixel = 0;
    if (strings.empty() ||
        std::sscanf(strings[0].c_str(), "%d %d %d %d", &image.width, &image.height, &colours,
                    &charsPerPixel) != 4 ||
        image.width <= 0 || image.height <= 0 || colours <= 0 || charsPerPixel <= 0) {
        error = "missing or bad XPM values line";
        return false;
    }
    if (strings.size() < static_cast<size_t>(1 + colours + image.height)) {
        error = "fewer lines than the values line announces";
        return false;
    }
    std::map<std::string, uint8_t> indexOf;
    for (int i = 1; i <= colours; ++i) {
        const std::string& line = strings[i];
        if (line.size() <= static_cast<size_t>(charsPerPixel)) {
            error = "bad colour line " + std::to_string(i);
            return false;
        }
        if (!xpm_detail::paletteIndexOf(line.substr(charsPerPixel), indexOf[line.substr(0, charsPerPixel)], error))
            return false;
    }
    image.pixels.clear();
    for (int r = 0; r < image.height; ++r) {
        const std::string& row = strings[1 + colours + r];
        if (row.size() != static_cast<size_t>(image.width * charsPerPixel)) {
            error = "row " + std::to_string(r) + " is not " + std::to_string(image.width) + " pixels wide";
            return false;
        }
        for (int x = 0; x < image.width; ++x) {
            const auto found = indexOf.find(row.substr(x * charsPerPixel, charsPerPixel));
            if (found == indexOf.end()) {
                error = "row " + std::to_string(r) + " uses an undefined colour";
                return false;
            }
            image.pixels.push_back(found->second);
        }
    }
    return true;
}
