// Draws the fuel pressure page and the three flow pages, with and without the
// pressure strip, in litres and gallons, with the pressure normal, in its
// caution band, in its alarm band and with the sender failed, and saves them
// as contact sheets enlarged four times, for checking by eye.
// Usage: qs9_pressure_flow_pictures OUTPUT_DIRECTORY
#include <png.h>

#include <iostream>
#include <string>
#include <vector>

#include "core/fuel_flow.h"
#include "core/fuel_pressure.h"
#include "core/keys_and_time.h"
#include "core/settings.h"
#include "display/framebuffer.h"
#include "sim/power_cycle.h"
#include "screens/run_time_pages.h"

namespace {

constexpr int zoom = 4;
constexpr int gap = 2; // display pixels of grey between frames
constexpr int columns = 4;
constexpr uint32_t gapColour = 0x404040;

enum class Pressure { normal, caution, alarm, failed };

struct Frame {
    void (*page)();
    uint8_t strip;    // settings.pressureDisplay
    uint8_t units;    // settings.units
    uint8_t pressureUnit;
    Pressure pressure;
    uint8_t flowMode = flowModeDual;
    uint16_t rate2 = 87; // flowRate2; flowRate1 is 12.3
};

// One frame buffer's colours, kept for the sheet.
using Picture = std::vector<uint32_t>;

// Factory settings, 12.3 and 8.7 per hour on the two channels, the pressure
// in the wanted band (factory limits 1.5 / 2.5 / 7.0 / 8.0 in tenths), and
// the blink phase that shows the boxes.
Picture draw(const Frame& frame)
{
    resetToProgramStart();
    powerOnSequence();
    settings.pressureDisplay = frame.strip;
    settings.units = frame.units;
    settings.pressure.unit = frame.pressureUnit;
    settings.flow2Enabled = 1;
    settings.flowMode = frame.flowMode;
    flowRate1 = 123;
    flowRate2 = frame.rate2;
    const int16_t values[] = {45, 20, 90, 45};
    pressureValue = values[static_cast<int>(frame.pressure)];
    pressureFail = frame.pressure == Pressure::failed;
    blinkPhase = 1;
    clearFrameBuffer();
    frame.page();
    Picture picture(frameBufferSize);
    for (int i = 0; i < frameBufferSize; ++i)
        picture[i] = palette[frameBuffer[i]];
    return picture;
}

bool saveSheet(const std::string& path, const std::vector<Picture>& pictures)
{
    const int rows = (static_cast<int>(pictures.size()) + columns - 1) / columns;
    const int width = (columns * (displayWidth + gap) - gap) * zoom;
    const int height = (rows * (displayHeight + gap) - gap) * zoom;
    std::vector<png_byte> rgb(static_cast<size_t>(width) * height * 3);
    for (int py = 0; py < height; ++py)
        for (int px = 0; px < width; ++px) {
            const int x = px / zoom, y = py / zoom;
            const int col = x / (displayWidth + gap), row = y / (displayHeight + gap);
            const int fx = x % (displayWidth + gap), fy = y % (displayHeight + gap);
            const size_t index = static_cast<size_t>(row) * columns + col;
            uint32_t colour = gapColour;
            if (fx < displayWidth && fy < displayHeight && index < pictures.size())
                colour = pictures[index][fx + displayWidth * fy];
            png_byte* out = &rgb[(static_cast<size_t>(py) * width + px) * 3];
            out[0] = static_cast<png_byte>(colour >> 16);
            out[1] = static_cast<png_byte>(colour >> 8);
            out[2] = static_cast<png_byte>(colour);
        }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

constexpr Pressure allBands[] = {Pressure::normal, Pressure::caution, Pressure::alarm, Pressure::failed};
constexpr uint8_t litres = 0, gallons = 1, bar = 0, tenthPsi = 2;

// Per flow page: a row with the strip in each pressure band for litres, one
// for gallons, then the page without the strip in litres and gallons.
std::vector<Picture> flowSheet(void (*page)())
{
    std::vector<Picture> pictures;
    for (uint8_t units : {litres, gallons})
        for (Pressure p : allBands)
            pictures.push_back(draw({page, 1, units, tenthPsi, p}));
    for (uint8_t units : {litres, gallons})
        pictures.push_back(draw({page, 0, units, tenthPsi, Pressure::normal}));
    return pictures;
}

// The combined page adds a difference below zero (12.3 - 15.0), with and
// without the strip.
std::vector<Picture> combinedSheet()
{
    std::vector<Picture> pictures = flowSheet(combinedFlowPage);
    for (uint8_t strip : {1, 0})
        pictures.push_back(draw({combinedFlowPage, strip, litres, tenthPsi, Pressure::normal, flowModeDiff, 150}));
    return pictures;
}

// The pressure page in each band, in bar and in tenths of a psi.
std::vector<Picture> pressureSheet()
{
    std::vector<Picture> pictures;
    for (uint8_t unit : {bar, tenthPsi})
        for (Pressure p : allBands)
            pictures.push_back(draw({pressurePage, 0, litres, unit, p}));
    return pictures;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: qs9_pressure_flow_pictures OUTPUT_DIRECTORY\n";
        return 2;
    }
    const std::string dir = argv[1];
    struct Sheet {
        const char* file;
        std::vector<Picture> pictures;
    };
    const Sheet sheets[] = {
        {"pressure-page.png", pressureSheet()},
        {"single-flow-page.png", flowSheet(singleFlowPage)},
        {"dual-flow-page.png", flowSheet(dualFlowPage)},
        {"combined-flow-page.png", combinedSheet()},
    };
    for (const Sheet& sheet : sheets)
        if (!saveSheet(dir + "/" + sheet.file, sheet.pictures)) {
            std::cerr << "cannot write " << dir << "/" << sheet.file << "\n";
            return 2;
        }
    return 0;
}
