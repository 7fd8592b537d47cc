#include "potential/palettes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vintrel {
namespace {

// A picture whose rows have the colours (row, 255 - row, 7) for a row index below 256.
RgbImage rowPicture(int width, int height) {
    RgbImage image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto shade = static_cast<std::uint8_t>(y * 255 / std::max(height - 1, 1));
            image.rgb.insert(image.rgb.end(), {shade, static_cast<std::uint8_t>(255 - shade),
                                               static_cast<std::uint8_t>(x == width / 2 ? 7 : 99)});
        }
    return image;
}

TEST(Palettes, NamesAndFilesKeepTheirSpellingsAndOrder) {
    EXPECT_STREQ(PaletteNames[0], "standard");
    EXPECT_STREQ(PaletteNames[3], "half b-w (+)");
    EXPECT_STREQ(PaletteNames[7], "hi sensitive half(-)");
    EXPECT_STREQ(PaletteNames[kPaletteFromFile], "load from file");
    EXPECT_STREQ(PaletteFiles[3], "pal-hatf-bw-dn.bmp");
    EXPECT_STREQ(PaletteFiles[5], "pal-hi-sensitivi.bmp");
    EXPECT_STREQ(PaletteFiles[17], "pal-UV-white-up.bmp");
    EXPECT_STREQ(PaletteFiles[18], "pal-UV-white-dn.bmp");
    std::set<std::string> files(PaletteFiles.begin(), PaletteFiles.end());
    EXPECT_EQ(files.size(), PaletteFiles.size());
}

TEST(Palettes, RowIOfTheStretchedPictureGivesEntry255MinusI) {
    // 256 rows: row i is entry 255 - i, from the middle column.
    const auto exact = colorMapFromImage(rowPicture(5, 256));
    ASSERT_TRUE(exact);
    for (int i = 0; i < 256; ++i) {
        const auto& entry = (*exact)[static_cast<std::size_t>(255 - i)];
        EXPECT_EQ(entry[0], i / 255.0) << i;
        EXPECT_EQ(entry[1], (255 - i) / 255.0) << i;
        EXPECT_EQ(entry[2], 7 / 255.0) << i;
    }
    // Two rows: the top one colours the upper half (the highest values).
    RgbImage two{1, 2, {200, 0, 0, 0, 0, 50}};
    const auto halves = colorMapFromImage(two);
    ASSERT_TRUE(halves);
    EXPECT_EQ((*halves)[255][0], 200 / 255.0);
    EXPECT_EQ((*halves)[128][0], 200 / 255.0);
    EXPECT_EQ((*halves)[127][2], 50 / 255.0);
    EXPECT_EQ((*halves)[0][2], 50 / 255.0);
    // 512 rows: every other row, the odd ones.
    const auto tall = colorMapFromImage(rowPicture(3, 512));
    ASSERT_TRUE(tall);
    EXPECT_EQ((*tall)[255][0], (1 * 255 / 511) / 255.0);
    EXPECT_EQ((*tall)[0][0], (511 * 255 / 511) / 255.0);
}

TEST(Palettes, AnEmptyOrShortPictureGivesNoPalette) {
    EXPECT_FALSE(colorMapFromImage(RgbImage{}));
    EXPECT_FALSE(colorMapFromImage(RgbImage{2, 2, {1, 2, 3}}));
    EXPECT_FALSE(colorMapFromImage(RgbImage{-1, 2, {}}));
}

} // namespace
} // namespace vintrel
