// The browser edition's display pictures: each one goes to the page's
// JavaScript (keepDisplayPicture of page/script_bridge.js), which keeps it
// under its file name and hands it back with the script's result; the
// browser encodes the PNG.
#include "tools/script/display_pictures.h"

#include <emscripten/emscripten.h>

// 0 when kept; else the most pictures one run keeps, which it holds already.
EM_JS(int, keepDisplayPicture, (const char* path, const uint8_t* frame, const uint32_t* palette), {
    return Module.keepDisplayPicture(UTF8ToString(path), frame, palette);
});

std::string writeDisplayPng(const std::string& path, const uint8_t* frame,
                            const uint32_t* palette)
{
    const int most = keepDisplayPicture(path.c_str(), frame, palette);
    if (most != 0)
        return "one script keeps at most " + std::to_string(most) + " pictures in the browser";
    return "";
}
