// The embedded photograph of the instrument's front and its decoder.
#include "host/photograph.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace {

constexpr int photoSide = 1749;

// Where the window shows the picture: Image1 stretches it into 241 x 249
// client pixels at (0, 0), and the display panel Panel1 lies over its
// screen opening at (40, 57), 161 x 121.
constexpr double scaleX = photoSide / 241.0;
constexpr double scaleY = photoSide / 249.0;
constexpr int panelLeft = 40, panelTop = 57, panelWidth = 161, panelHeight = 121;

struct FrameHeader {
    uint8_t marker;
    int height;
    int width;
    int components;
};

// The first start-of-frame segment of a JPEG file, found by walking its
// marker segments.
std::optional<FrameHeader> firstFrameHeader(std::span<const uint8_t> jpeg)
{
    if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return std::nullopt;
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        const uint8_t marker = jpeg[at + 1];
        const std::size_t length = std::size_t(jpeg[at + 2]) << 8 | jpeg[at + 3];
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                                  marker != 0xC8 && marker != 0xCC;
        if (startOfFrame && at + 10 <= jpeg.size())
            return FrameHeader{marker, jpeg[at + 5] << 8 | jpeg[at + 6],
                               jpeg[at + 7] << 8 | jpeg[at + 8], jpeg[at + 9]};
        at += 2 + length;
    }
    return std::nullopt;
}

struct Area {
    double left, top, right, bottom; // client pixels, right and bottom excluded
};

// Mean brightness (0..255) of the picture under a client-pixel area.
double meanBrightness(const DecodedPhotograph& photo, Area a)
{
    const int x0 = int(a.left * scaleX + 0.5), x1 = int(a.right * scaleX + 0.5);
    const int y0 = int(a.top * scaleY + 0.5), y1 = int(a.bottom * scaleY + 0.5);
    double sum = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const uint8_t* p = &photo.rgb[(std::size_t(y) * photo.width + x) * 3];
            sum += 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
        }
    return sum / (double(x1 - x0) * (y1 - y0));
}

const DecodedPhotograph& decodedPhotograph()
{
    static DecodedPhotograph photo;
    static const bool decoded = decodeJpeg(instrumentPhotographJpeg(), photo);
    EXPECT_TRUE(decoded);
    return photo;
}

TEST(Photograph, EmbeddedFileIsABaselineSquareColourPicture)
{
    const auto header = firstFrameHeader(instrumentPhotographJpeg());
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->marker, 0xC0) << "not baseline";
    EXPECT_EQ(header->width, photoSide);
    EXPECT_EQ(header->height, photoSide);
    EXPECT_EQ(header->components, 3);
}

TEST(Photograph, DecodesToFullSizeRgb)
{
    const DecodedPhotograph& photo = decodedPhotograph();
    EXPECT_EQ(photo.width, photoSide);
    EXPECT_EQ(photo.height, photoSide);
    EXPECT_EQ(photo.rgb.size(), std::size_t(photoSide) * photoSide * 3);
}

// The display panel covers the screen opening: the opening reaches to
// every edge of the panel, and bezel, not more glass, lies around it.
TEST(Photograph, ScreenOpeningLiesExactlyBehindTheDisplayPanel)
{
    const DecodedPhotograph& photo = decodedPhotograph();
    ASSERT_EQ(photo.width, photoSide);
    const double l = panelLeft, t = panelTop;
    const double r = l + panelWidth, b = t + panelHeight;

    const double glass = meanBrightness(photo, {l + 1, t + 1, r - 1, b - 1});
    EXPECT_LT(glass, 24.0);
    const Area insideEdges[] = {
        {l + 0.5, t + 1, l + 1.5, b - 1}, {r - 1.5, t + 1, r - 0.5, b - 1},
        {l + 1, t + 0.5, r - 1, t + 1.5}, {l + 1, b - 1.5, r - 1, b - 0.5}};
    for (const Area& edge : insideEdges)
        EXPECT_LT(meanBrightness(photo, edge), 28.0) << "glass edge at " << edge.left << "," << edge.top;

    // Beyond the bevel round the opening: the bezel face.
    const Area bezelSides[] = {
        {l - 9, t, l - 5, b}, {r + 5, t, r + 9, b}, {l, t - 9, r, t - 5}, {l, b + 5, r, b + 9}};
    for (const Area& side : bezelSides)
        EXPECT_GT(meanBrightness(photo, side), glass + 15.0) << "bezel at " << side.left << "," << side.top;
}

TEST(Photograph, CorruptFilesAreRefusedWithoutCrashing)
{
    const std::span<const uint8_t> good = instrumentPhotographJpeg();
    const std::vector<uint8_t> garbage(5000, 0x5A);
    std::vector<uint8_t> damagedHeader(good.begin(), good.end());
    damagedHeader[3] ^= 0xFF; // the first segment's marker
    const std::vector<uint8_t> justTheMarker = {0xFF, 0xD8};

    const std::span<const uint8_t> corrupt[] = {
        good.first(good.size() / 2), good.first(600), garbage, damagedHeader,
        justTheMarker, {}};
    for (std::span<const uint8_t> file : corrupt) {
        DecodedPhotograph photo;
        photo.width = 7; // a stale picture is cleared, not left behind
        EXPECT_FALSE(decodeJpeg(file, photo)) << file.size() << " bytes";
        EXPECT_EQ(photo.width, 0);
        EXPECT_TRUE(photo.rgb.empty());
    }
    DecodedPhotograph again;
    EXPECT_TRUE(decodeJpeg(good, again)) << "a failed decode leaves the decoder usable";
}

} // namespace
