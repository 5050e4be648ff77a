// The desktop runner's display pictures, written with libpng.
#include "tools/script/display_pictures.h"

#include <png.h>

#include <vector>

#include "sim/simulator.h"

std::string writeDisplayPng(const std::string& path, const uint8_t* frame,
                            const uint32_t* palette)
{
    constexpr int pixels = QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT;
    std::vector<png_byte> rgb;
    rgb.reserve(pixels * 3);
    for (int i = 0; i < pixels; ++i)
        for (int shift : {16, 8, 0})
            rgb.push_back(static_cast<png_byte>(palette[frame[i]] >> shift));
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = QS9_DISPLAY_WIDTH;
    image.height = QS9_DISPLAY_HEIGHT;
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr))
        return image.message;
    return "";
}
