#include "potential/range_strip.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

const PaletteStrip kStrip{40, 335};

TEST(RangeStrip, ThresholdsAreFractionsOfTheRange) {
    const Thresholds t = thresholdsOf({-100, 300}, 0.3, 0.7);
    EXPECT_DOUBLE_EQ(t.lower, 20);
    EXPECT_DOUBLE_EQ(t.upper, 180);
    EXPECT_EQ(valueAtFraction({-100, 300}, 1), 300);
    EXPECT_EQ(valueAtFraction({-100, 300}, 0), -100);
}

TEST(RangeStrip, AnIndicatorsFractionRunsFromOneAtTheTopToZeroAtTheBottomRow) {
    EXPECT_EQ(indicatorFraction(40, kStrip), 1);
    EXPECT_EQ(indicatorFraction(40 + 334, kStrip), 0);
    EXPECT_DOUBLE_EQ(indicatorFraction(40 + 167, kStrip), 0.5);
    EXPECT_EQ(indicatorFraction(40, {40, 1}), 1); // no division by zero
}

TEST(RangeStrip, IndicatorsStayOnTheStripAndApart) {
    // Indicators 12 pixels high: the centre is 6 below the top.
    EXPECT_TRUE(upperIndicatorMayMoveTo(34, 12, kStrip, 200));
    EXPECT_FALSE(upperIndicatorMayMoveTo(33, 12, kStrip, 200));
    EXPECT_TRUE(upperIndicatorMayMoveTo(195, 12, kStrip, 200));
    EXPECT_FALSE(upperIndicatorMayMoveTo(196, 12, kStrip, 200));
    EXPECT_TRUE(lowerIndicatorMayMoveTo(108, 12, kStrip, 100));
    EXPECT_FALSE(lowerIndicatorMayMoveTo(107, 12, kStrip, 100));
    EXPECT_TRUE(lowerIndicatorMayMoveTo(40 + 334 - 6, 12, kStrip, 100));
    EXPECT_FALSE(lowerIndicatorMayMoveTo(40 + 334 - 5, 12, kStrip, 100));
}

TEST(RangeStrip, TheZeroLabelSitsAtTheZeroLevelRoundedHalvesToEven) {
    EXPECT_EQ(zeroLabelTop({-100, 300}, kStrip, 13), 40 + 251 - 7); // 335 · 0.75 = 251.25
    EXPECT_EQ(zeroLabelTop({-1, 1}, {0, 335}, 14), 168 - 7);        // 167.5 goes to 168
    EXPECT_EQ(zeroLabelTop({-1, 1}, {0, 333}, 14), 166 - 7);        // 166.5 goes to 166
    EXPECT_EQ(zeroLabelTop({0, 0}, kStrip, 13), std::nullopt);
    EXPECT_EQ(zeroLabelTop({3, 1}, kStrip, 13), std::nullopt);
}

TEST(RangeStrip, TicksSpanThePartBelowZeroAndEveryTenthIsLong) {
    // Zero level 150 pixels above the bottom: d = 150, q = 5.
    const PaletteStrip strip{0, 300};
    const auto ticks = tickMarks(strip, 300 - 150 - 1 + 0 - 6, 13);
    ASSERT_EQ(ticks.size(), 60u);
    EXPECT_EQ(ticks[0].row, 302);
    EXPECT_EQ(ticks[0].length, 10);
    EXPECT_EQ(ticks[0].colourRow, 299);
    EXPECT_EQ(ticks[1].row, 297);
    EXPECT_EQ(ticks[1].length, 4);
    EXPECT_EQ(ticks[10].length, 10);
    EXPECT_EQ(ticks[30].row, 300 - 150 + 2);
}

TEST(RangeStrip, TheTicksColourRowNeverLeavesTheStrip) {
    for (int height = 100; height <= 400; ++height)
        for (int zero = 0; zero < height; zero += 7) {
            const auto ticks = tickMarks({0, height}, zero, 13);
            for (const Tick& tick : ticks) {
                ASSERT_GE(tick.colourRow, 0) << height << " " << zero;
                ASSERT_LT(tick.colourRow, height) << height << " " << zero;
            }
        }
    // Height 300 and d = 62 (q = 2.0667): tick 145 at 299.67 rounds to 300, whose colour row
    // would be -1.
    const auto ticks = tickMarks({0, 300}, 300 - 62 - 6 - 1, 13);
    ASSERT_EQ(ticks.size(), 146u);
    EXPECT_EQ(ticks.back().row, 2);
    EXPECT_EQ(ticks.back().colourRow, 0);
}

TEST(RangeStrip, The256BandsCoverTheStripWithTheHighestEntryOnTop) {
    const auto bands = paletteBands(335);
    ASSERT_EQ(bands.size(), 256u);
    EXPECT_EQ(bands[0].top, 0);
    EXPECT_EQ(bands[0].entry, 255);
    EXPECT_EQ(bands[255].bottom, 335);
    EXPECT_EQ(bands[255].entry, 0);
    for (std::size_t i = 1; i < bands.size(); ++i)
        EXPECT_EQ(bands[i].top, bands[i - 1].bottom);
    EXPECT_EQ(paletteBands(128)[1].top, 0); // 0.5 goes to 0
    EXPECT_EQ(paletteBands(128)[3].top, 2); // 1.5 goes to 2
    EXPECT_EQ(paletteBands(128)[5].top, 2); // 2.5 goes to 2
}

} // namespace
} // namespace vintrel
