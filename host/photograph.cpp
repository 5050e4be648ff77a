#include "host/photograph.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

extern const uint8_t instrumentFrontJpeg[];
extern const std::size_t instrumentFrontJpegSize;

std::span<const uint8_t> instrumentPhotographJpeg()
{
    return {instrumentFrontJpeg, instrumentFrontJpegSize};
}

namespace {

// Larger pictures than this are taken for a corrupt header rather than
// allocated.
constexpr JDIMENSION maxSide = 8192;

// libjpeg's default error handler ends the program; this one jumps back to
// the decoder instead, and keeps libjpeg's messages off standard error.
struct JumpingErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jumpBack;
};

void jumpBackOnError(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<JumpingErrorManager*>(cinfo->err);
    std::longjmp(manager->jumpBack, 1);
}

void keepQuiet(j_common_ptr) {}

// Reads the scanlines into out.rgb, already sized for them.
void readScanlines(jpeg_decompress_struct& cinfo, DecodedPhotograph& out)
{
    const std::size_t rowBytes = std::size_t(cinfo.output_width) * 3;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.rgb.data() + std::size_t(cinfo.output_scanline) * rowBytes;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
}

// The libjpeg calls, between setjmp and the last longjmp that may reach it.
// Only plain data lives in this frame, so a jump skips no destructor.
bool decodeInto(std::span<const uint8_t> jpeg, DecodedPhotograph& out)
{
    jpeg_decompress_struct cinfo;
    JumpingErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = jumpBackOnError;
    errors.pub.output_message = keepQuiet;
    if (setjmp(errors.jumpBack)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    bool sound = cinfo.output_components == 3 && cinfo.output_width <= maxSide &&
                 cinfo.output_height <= maxSide;
    if (sound) {
        out.width = int(cinfo.output_width);
        out.height = int(cinfo.output_height);
        out.rgb.resize(std::size_t(out.width) * std::size_t(out.height) * 3);
        readScanlines(cinfo, out);
        jpeg_finish_decompress(&cinfo);
        // libjpeg only warns about a truncated or damaged stream and fills
        // the missing part with grey; that is still a corrupt file.
        sound = errors.pub.num_warnings == 0;
    }
    jpeg_destroy_decompress(&cinfo);
    return sound;
}

} // namespace

bool decodeJpeg(std::span<const uint8_t> jpeg, DecodedPhotograph& out)
{
    out = DecodedPhotograph{};
    if (jpeg.empty())
        return false;
    if (decodeInto(jpeg, out))
        return true;
    out = DecodedPhotograph{};
    return false;
}
