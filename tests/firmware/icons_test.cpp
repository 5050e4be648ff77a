#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "display/framebuffer.h"
#include "display/icons.h"
#include "tests/support/display_reader.h"
#include "tools/icons/xpm_image.h"

// The icons' editable sources, compiled in as the C arrays XPM files are.
#include "assets/icons/adc.xpm"
#include "assets/icons/fuel_pump.xpm"
#include "assets/icons/misc.xpm"
#include "assets/icons/question.xpm"
#include "assets/icons/warning.xpm"

namespace {

struct IconCase {
    const char* name;
    const uint8_t* encoded;
    std::vector<std::string> source;
    std::set<uint8_t> colours; // besides the black background
};

template <size_t N>
std::vector<std::string> lines(const char* (&xpm)[N])
{
    return std::vector<std::string>(xpm, xpm + N);
}

std::vector<IconCase> icons()
{
    return {
        {"warning", warningIcon, lines(warning_xpm), {9, 15}},
        {"question", questionIcon, lines(question_xpm), {9, 15}},
        {"fuel pump", fuelPumpIcon, lines(fuel_pump_xpm), {12, 15}},
        {"misc", miscIcon, lines(misc_xpm), {7, 8, 9, 10, 11}},
        {"adc", adcIcon, lines(adc_xpm), {9, 10, 11}},
    };
}

// Decoded over a lit display: every pixel of the icon, black included, must
// come from the image and equal its source.
TEST(IconsTest, EachIconDecodesToItsSourcePixelForPixel)
{
    for (const IconCase& icon : icons()) {
        IndexedImage source;
        std::string error;
        ASSERT_TRUE(parseXpm(icon.source, source, error)) << icon.name << ": " << error;
        ASSERT_EQ(source.width, iconSize);
        ASSERT_EQ(source.height, iconSize);
        EXPECT_EQ(icon.encoded[0] | icon.encoded[1] << 8, iconSize) << icon.name;
        EXPECT_EQ(icon.encoded[2] | icon.encoded[3] << 8, iconSize) << icon.name;

        for (auto& pixel : frameBuffer)
            pixel = 255;
        drawRleBitmap(100, 60, icon.encoded);
        std::set<uint8_t> used;
        int mismatches = 0;
        for (int y = 0; y < iconSize; ++y)
            for (int x = 0; x < iconSize; ++x) {
                const uint8_t decoded = pixelAt(100 + x, 60 + y);
                mismatches += decoded != source.pixels[x + iconSize * y];
                if (decoded != 0)
                    used.insert(decoded);
            }
        EXPECT_EQ(mismatches, 0) << icon.name;
        EXPECT_EQ(used, icon.colours) << icon.name;
        EXPECT_EQ(pixelAt(99, 60), 255) << icon.name << " spills left";
        EXPECT_EQ(pixelAt(150, 60), 255) << icon.name << " spills right";
    }
}

TEST(IconsTest, SourceReaderRejectsBrokenImages)
{
    IndexedImage image;
    std::string error;
    EXPECT_FALSE(parseXpm({}, image, error));
    EXPECT_FALSE(parseXpm({"2 2 1 1", ". c #000000 s 0", ".."}, image, error)); // a row missing
    EXPECT_FALSE(parseXpm({"2 1 1 1", ". c #000000 s 0", "..."}, image, error)); // too wide
    EXPECT_FALSE(parseXpm({"2 1 1 1", ". c #000000 s 0", ".x"}, image, error));  // undefined colour
    EXPECT_FALSE(parseXpm({"2 1 1 1", ". c #123456", ".."}, image, error)); // not in the palette
    EXPECT_TRUE(parseXpm({"2 1 2 1", ". c #000000", "w c #FFFFFF", ".w"}, image, error)) << error;
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{0, 15}));
}

} // namespace
