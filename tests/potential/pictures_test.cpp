// The pictures of the potential view as the picture tool drew them into data/.
#include "potential/glyph_strip.h"
#include "potential/palettes.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace vintrel {
namespace {

const std::filesystem::path kData = std::filesystem::path(VINTREL_SOURCE_DIR) / "data";

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// The 24-bit uncompressed bitmaps the tool writes, bottom row first.
RgbImage readBitmap(const std::filesystem::path& path) {
    const std::string bytes = test::readFile(path);
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0 || little(bytes, 28, 2) != 24 ||
        little(bytes, 30, 4) != 0)
        throw std::runtime_error("not a 24-bit bitmap: " + path.string());
    const auto offset = little(bytes, 10, 4);
    const auto width = static_cast<int>(little(bytes, 18, 4));
    const auto height = static_cast<int>(little(bytes, 22, 4));
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (bytes.size() < offset + stride * static_cast<std::size_t>(height))
        throw std::runtime_error("short bitmap: " + path.string());
    RgbImage image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            image.rgb.insert(image.rgb.end(), {static_cast<std::uint8_t>(bytes[at + 2]),
                                               static_cast<std::uint8_t>(bytes[at + 1]),
                                               static_cast<std::uint8_t>(bytes[at])});
        }
    }
    return image;
}

int brightness(const RgbImage& image, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                            static_cast<std::size_t>(x)) *
                           3;
    return image.rgb[at] + image.rgb[at + 1] + image.rgb[at + 2];
}

int brightestInColumns(const RgbImage& image, int from, int to) {
    int brightest = 0;
    for (int x = from; x < to; ++x)
        for (int y = 0; y < image.height; ++y)
            brightest = std::max(brightest, brightness(image, x, y));
    return brightest;
}

TEST(Pictures, TheGlyphStripHoldsEachGlyphWithinItsColumns) {
    const RgbImage strip = readBitmap(kData / kGlyphFile);
    ASSERT_EQ(strip.width, kGlyphStripWidth);
    ASSERT_EQ(strip.height, kGlyphStripHeight);
    for (std::size_t k = 0; k + 1 < GlyphBounds.size(); ++k) {
        const int left = GlyphBounds[k], right = GlyphBounds[k + 1];
        const int inside = brightestInColumns(strip, left + 1, right - 1);
        if (GlyphSet[k] == ' ')
            EXPECT_EQ(inside, 0);
        else
            EXPECT_GT(inside, 600) << "glyph " << GlyphSet[k];
        // The columns cut off by the label quads stay dark, so no glyph bleeds into another.
        EXPECT_LT(brightestInColumns(strip, left, left + 1), 60) << "glyph " << GlyphSet[k];
        EXPECT_LT(brightestInColumns(strip, right - 1, right), 60) << "glyph " << GlyphSet[k];
    }
    EXPECT_EQ(brightestInColumns(strip, 0, GlyphBounds.front()), 0);
    EXPECT_EQ(brightestInColumns(strip, GlyphBounds.back(), kGlyphStripWidth), 0);
}

TEST(Pictures, EveryPaletteBitmapColoursTheHighestValuesWithItsTopRow) {
    std::set<std::vector<std::uint8_t>> distinct;
    for (const char* file : PaletteFiles) {
        const RgbImage image = readBitmap(kData / file);
        const auto palette = colorMapFromImage(image);
        ASSERT_TRUE(palette) << file;
        std::vector<std::uint8_t> column;
        for (const auto& entry : *palette)
            for (double channel : entry)
                column.push_back(static_cast<std::uint8_t>(channel * 255));
        distinct.insert(column);
    }
    EXPECT_EQ(distinct.size(), PaletteFiles.size());

    const auto blackWhite = colorMapFromImage(readBitmap(kData / "palette-bw.bmp"));
    EXPECT_EQ((*blackWhite)[0], (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ((*blackWhite)[255], (std::array<double, 3>{1, 1, 1}));
    const auto standard = colorMapFromImage(readBitmap(kData / "palette1.bmp"));
    EXPECT_GT((*standard)[255][0], (*standard)[255][2]); // red on top
    EXPECT_GT((*standard)[0][2], (*standard)[0][0]);     // blue at the bottom
    const auto redishUp = colorMapFromImage(readBitmap(kData / "pal-redish-up.bmp"));
    EXPECT_EQ((*redishUp)[0], (std::array<double, 3>{1, 1, 1}));
    EXPECT_LT((*redishUp)[255][1], 0.1);
}

} // namespace
} // namespace vintrel
