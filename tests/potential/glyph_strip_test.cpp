#include "potential/glyph_strip.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

TEST(GlyphStrip, HasTwentyTwoGlyphsInIncreasingColumns) {
    ASSERT_EQ(GlyphSet.size() + 1, GlyphBounds.size());
    for (std::size_t k = 0; k + 1 < GlyphBounds.size(); ++k)
        EXPECT_LT(GlyphBounds[k], GlyphBounds[k + 1]) << k;
    EXPECT_LE(GlyphBounds.back(), kGlyphStripWidth);
}

TEST(GlyphStrip, CharactersOutsideTheSetUseTheGlyphOfZero) {
    EXPECT_EQ(glyphIndex('0'), 0);
    EXPECT_EQ(glyphIndex('9'), 9);
    EXPECT_EQ(glyphIndex('.'), 10);
    EXPECT_EQ(glyphIndex(' '), 19);
    EXPECT_EQ(glyphIndex('u'), 21);
    EXPECT_EQ(glyphIndex('Q'), 0);
    EXPECT_EQ(glyphIndex(','), 0);
}

TEST(GlyphStrip, ALabelIsCentredOnItsAnchorAndHangsBelowIt) {
    const auto quads = labelQuads("C=5T", 3);
    ASSERT_EQ(quads.size(), 4u);
    const double widths[] = {775 - 680, 473 - 433, 211 - 178, 513 - 473};
    double total = 0;
    for (double w : widths)
        total += w * 3 / 1024.0;
    EXPECT_DOUBLE_EQ(quads[0].x, -total / 2);
    EXPECT_DOUBLE_EQ(quads[3].x + quads[3].width, total / 2);
    EXPECT_DOUBLE_EQ(quads[1].x, quads[0].x + quads[0].width);
    EXPECT_DOUBLE_EQ(quads[0].height, 3 * 64 / 1024.0);
    EXPECT_DOUBLE_EQ(quads[0].u0, 681 / 1024.0); // one pixel cut off on each side
    EXPECT_DOUBLE_EQ(quads[0].u1, 774 / 1024.0);
    const auto unknown = labelQuads("?", 2);
    EXPECT_DOUBLE_EQ(unknown[0].u0, 7 / 1024.0);
}

} // namespace
} // namespace vintrel
