// The desktop runner's animated GIF of the display, through giflib.
#include <gif_lib.h>

#include <algorithm>
#include <vector>

#include "script/display_pictures.h"
#include "script/script_files.h"
#include "sim/simulator.h"

namespace {

constexpr uint32_t longestDelay = 65535; // hundredths a GIF frame can hold

std::string gifFault(int error)
{
    const char* message = GifErrorString(error);
    return message ? message : "the GIF could not be made";
}

int collect(GifFileType* gif, const GifByteType* bytes, int length)
{
    auto* out = static_cast<std::string*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(bytes), size_t(length));
    return length;
}

bool putScreen(GifFileType* gif, const uint32_t* palette)
{
    GifColorType colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = {GifByteType(palette[i] >> 16), GifByteType(palette[i] >> 8), GifByteType(palette[i])};
    ColorMapObject* map = GifMakeMapObject(256, colours);
    const bool put = map && EGifPutScreenDesc(gif, QS9_DISPLAY_WIDTH, QS9_DISPLAY_HEIGHT, 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    return put;
}

// The NETSCAPE2.0 block that makes viewers repeat the animation endlessly.
bool putEndlessLoop(GifFileType* gif)
{
    static const GifByteType loop[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof loop, loop) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool putFrame(GifFileType* gif, const std::vector<uint8_t>& frame, uint32_t hundredths)
{
    GraphicsControlBlock timing{};
    timing.DelayTime = int(hundredths);
    timing.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&timing, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) != GIF_OK ||
        EGifPutImageDesc(gif, 0, 0, QS9_DISPLAY_WIDTH, QS9_DISPLAY_HEIGHT, false, nullptr) != GIF_OK)
        return false;
    std::vector<GifPixelType> row(QS9_DISPLAY_WIDTH);
    for (int y = 0; y < QS9_DISPLAY_HEIGHT; ++y) {
        std::copy_n(frame.begin() + y * QS9_DISPLAY_WIDTH, QS9_DISPLAY_WIDTH, row.begin());
        if (EGifPutLine(gif, row.data(), QS9_DISPLAY_WIDTH) != GIF_OK)
            return false;
    }
    return true;
}

// A frame that shows longer than one GIF frame can is repeated.
bool putTimedFrame(GifFileType* gif, const DisplayMovieFrame& shown)
{
    uint32_t left = shown.hundredths;
    do {
        const uint32_t part = std::min(left, longestDelay);
        if (!putFrame(gif, shown.frame, part))
            return false;
        left -= part;
    } while (left > 0);
    return true;
}

} // namespace

std::string writeDisplayGif(const std::string& path, const std::vector<DisplayMovieFrame>& frames,
                            const uint32_t* palette)
{
    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, collect, &error);
    if (!gif)
        return gifFault(error);
    EGifSetGifVersion(gif, true);
    bool put = putScreen(gif, palette) && putEndlessLoop(gif);
    for (size_t i = 0; put && i < frames.size(); ++i)
        put = putTimedFrame(gif, frames[i]);
    const int putError = gif->Error;
    if (EGifCloseFile(gif, &error) != GIF_OK || !put)
        return gifFault(put ? error : putError);
    return writeFileSafely(path, bytes);
}
