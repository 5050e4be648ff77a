// Font specimen: draws every font through drawText into the frame buffer,
// white on black as the display shows it, and saves each frame as a PNG at
// four times the display's size, four frames to a sheet
// (docs/fonts-specimen-N.png).
//
// Usage: qs9_font_specimen <output directory>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "display/framebuffer.h"
#include "display/text.h"

namespace {

constexpr int scale = 4;
constexpr uint8_t white = 15;

struct Sample {
    uint8_t fontSize;
    uint8_t cellHeight;
    std::string text;
};

std::string codes(int first, int last)
{
    std::string s;
    for (int c = first; c <= last; ++c)
        s += static_cast<char>(c);
    return s;
}

using Frame = std::vector<uint8_t>;

// Frames are laid out two across and two down on a sheet, with a grey gap.
constexpr int sheetColumns = 2;
constexpr int sheetRows = 2;
constexpr int gap = 2;
constexpr int sheetWidth = sheetColumns * displayWidth + (sheetColumns - 1) * gap;
constexpr int sheetHeight = sheetRows * displayHeight + (sheetRows - 1) * gap;
constexpr uint32_t gapColour = 0x404040;

uint32_t sheetPixel(const std::vector<Frame>& frames, int x, int y)
{
    const int col = x / (displayWidth + gap), fx = x % (displayWidth + gap);
    const int row = y / (displayHeight + gap), fy = y % (displayHeight + gap);
    if (fx >= displayWidth || fy >= displayHeight)
        return gapColour;
    const size_t n = static_cast<size_t>(row * sheetColumns + col);
    return n < frames.size() ? palette[frames[n][fx + displayWidth * fy]] : 0;
}

void savePng(const std::string& path, const std::vector<Frame>& frames)
{
    FILE* out = std::fopen(path.c_str(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (!out || !png || !info || setjmp(png_jmpbuf(png))) {
        std::fprintf(stderr, "qs9_font_specimen: cannot write %s\n", path.c_str());
        std::exit(1);
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, sheetWidth * scale, sheetHeight * scale, 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(sheetWidth * scale * 3);
    for (int y = 0; y < sheetHeight * scale; ++y) {
        for (int x = 0; x < sheetWidth * scale; ++x) {
            const uint32_t rgb = sheetPixel(frames, x / scale, y / scale);
            row[3 * x] = static_cast<png_byte>(rgb >> 16);
            row[3 * x + 1] = static_cast<png_byte>(rgb >> 8);
            row[3 * x + 2] = static_cast<png_byte>(rgb);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(out);
}

// Lays characters out left to right, wrapping at the display's right edge
// and starting a new frame when the next line would not fit.
class Pages {
public:
    explicit Pages(std::string dir) : dir_(std::move(dir)) { clearFrameBuffer(); }

    void write(const Sample& s)
    {
        for (char c : s.text) {
            const char one[2] = {c, 0};
            const uint16_t width = drawText(0, -1000, one, 0, s.fontSize, 1, white);
            if (x_ + width > displayWidth)
                newLine(s.cellHeight);
            if (y_ + s.cellHeight > displayHeight)
                flush();
            x_ = drawText(static_cast<int16_t>(x_), static_cast<int16_t>(y_), one, 0, s.fontSize, 1, white);
        }
        newLine(s.cellHeight);
    }

    void flush()
    {
        if (y_ == 0 && x_ == 0)
            return;
        frames_.emplace_back(frameBuffer, frameBuffer + frameBufferSize);
        if (frames_.size() == sheetColumns * sheetRows)
            saveSheet();
        clearFrameBuffer();
        x_ = y_ = 0;
    }

    void saveSheet()
    {
        if (frames_.empty())
            return;
        savePng(dir_ + "/fonts-specimen-" + std::to_string(++sheet_) + ".png", frames_);
        frames_.clear();
    }

private:
    void newLine(int height)
    {
        if (x_ == 0)
            return;
        x_ = 0;
        y_ += height;
    }

    std::string dir_;
    std::vector<Frame> frames_;
    int x_ = 0, y_ = 0, sheet_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qs9_font_specimen <output directory>\n");
        return 1;
    }
    const std::string ascii = codes(0x20, 0x7E);
    const std::string numeric = codes(0x21, 0x39) + " -12.5";
    const std::vector<std::vector<Sample>> fonts = {
        {{8, 16, "FUEL FLOW 12.5 L/h RANGE 245 nm"}, {8, 16, ascii}},
        {{8, 16, codes(0xA0, 0xFF)}, {9, 19, "TANK 1 LOW 8.2 gal"}},
        {{9, 19, ascii}},
        {{10, 21, "FUEL PRESSURE 2.4 bar"}, {10, 21, ascii}},
        {{10, 21, codes(0xA0, 0xFF)}},
        {{12, 24, "ENDURANCE 3:45 h"}, {12, 24, ascii}},
        {{16, 33, "SETUP Menu 42"}, {16, 33, ascii}},
        {{20, 41, numeric}},
        {{24, 51, numeric}},
        {{30, 62, numeric}},
        {{34, 70, numeric}},
    };
    Pages pages(argv[1]);
    for (const auto& font : fonts) {
        for (const Sample& s : font)
            pages.write(s);
        pages.flush();
    }
    pages.saveSheet();
    return 0;
}
