// The desktop runner's PNG pictures of the display, through libpng.
#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "script/display_pictures.h"
#include "script/script_files.h"
#include "sim/simulator.h"

namespace {

constexpr int pixels = QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT;

png_image displayImage()
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = QS9_DISPLAY_WIDTH;
    image.height = QS9_DISPLAY_HEIGHT;
    image.format = PNG_FORMAT_RGB;
    return image;
}

// Fills the image from the open file; "" or why not.
std::string readImage(png_image& image, FILE* file, std::vector<png_byte>& rgb)
{
    if (!png_image_begin_read_from_stdio(&image, file))
        return std::string("not a PNG picture (") + image.message + ")";
    if (image.width != QS9_DISPLAY_WIDTH || image.height != QS9_DISPLAY_HEIGHT) {
        const std::string size = std::to_string(image.width) + " x " + std::to_string(image.height);
        png_image_free(&image);
        return "the picture is " + size + ", not 160 x 120";
    }
    image.format = PNG_FORMAT_RGB;
    rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr))
        return std::string("a broken PNG picture (") + image.message + ")";
    return "";
}

} // namespace

std::string writeDisplayPng(const std::string& path, const uint8_t* frame, const uint32_t* palette)
{
    std::vector<png_byte> rgb;
    rgb.reserve(pixels * 3);
    for (int i = 0; i < pixels; ++i)
        for (int shift : {16, 8, 0})
            rgb.push_back(static_cast<png_byte>(palette[frame[i]] >> shift));
    png_image image = displayImage();
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr))
        return image.message;
    std::vector<char> bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr))
        return image.message;
    return writeFileSafely(path, std::string_view(bytes.data(), size));
}

std::string readDisplayPng(const std::string& path, std::vector<uint32_t>& colours)
{
    std::string why;
    const int descriptor = openToRead(path, why);
    if (descriptor < 0)
        return why;
    FILE* file = fdopen(descriptor, "rb");
    if (!file) {
        close(descriptor);
        return "cannot be read";
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    std::vector<png_byte> rgb;
    why = readImage(image, file, rgb);
    std::fclose(file);
    if (!why.empty())
        return why;
    colours.assign(pixels, 0);
    for (int i = 0; i < pixels; ++i)
        colours[i] = uint32_t(rgb[3 * i]) << 16 | uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    return "";
}
