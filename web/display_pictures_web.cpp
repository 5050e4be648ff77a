// The browser edition's display pictures, kept by the page's JavaScript
// (page/script_bridge.js) under their file names: a picture the script
// writes is kept and handed back with the script's result (the browser
// encodes the PNG); a picture it reads is one it wrote earlier or one the
// run was given, decoded by the browser beforehand. The pictures lie in one
// folder, so a name with a folder in it is refused. Animated GIFs are not
// made here: no encoder is at hand in the page, and qs9-script makes them.
#include "script/display_pictures.h"

#include <emscripten/emscripten.h>

#include "sim/simulator.h"

namespace {

constexpr int pixels = QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT;

// 0 when kept; else the most pictures one run keeps, which it holds already.
EM_JS(int, keepDisplayPicture, (const char* path, const uint8_t* frame, const uint32_t* palette), {
    return Module.keepDisplayPicture(UTF8ToString(path), frame, palette);
});

// The picture's width x 65536 + height; -1 when there is none of that name,
// -2 when it could not be decoded.
EM_JS(int, displayPictureSize, (const char* path), {
    return Module.displayPictureSize(UTF8ToString(path));
});

// Fills the 160 x 120 colours of the picture that displayPictureSize found.
EM_JS(void, readDisplayPicture, (const char* path, uint32_t* colours), {
    Module.readDisplayPicture(UTF8ToString(path), colours);
});

} // namespace

std::string writeDisplayPng(const std::string& path, const uint8_t* frame, const uint32_t* palette)
{
    if (path.find('/') != std::string::npos)
        return "the browser edition keeps pictures in one folder: name one without \"/\"";
    const int most = keepDisplayPicture(path.c_str(), frame, palette);
    if (most != 0)
        return "one script keeps at most " + std::to_string(most) + " pictures in the browser";
    return "";
}

// The faults are worded as the desktop runner words them for a file.
std::string readDisplayPng(const std::string& path, std::vector<uint32_t>& colours)
{
    const int size = displayPictureSize(path.c_str());
    if (size == -1)
        return "not found";
    if (size == -2)
        return "not a PNG picture (the browser could not decode it)";
    const int width = size >> 16, height = size & 0xFFFF;
    if (width != QS9_DISPLAY_WIDTH || height != QS9_DISPLAY_HEIGHT)
        return "the picture is " + std::to_string(width) + " x " + std::to_string(height) + ", not 160 x 120";
    colours.resize(pixels);
    readDisplayPicture(path.c_str(), colours.data());
    return "";
}

std::string writeDisplayGif(const std::string&, const std::vector<DisplayMovieFrame>&, const uint32_t*)
{
    return "the browser edition makes no animated GIFs; qs9-script makes this movie";
}
