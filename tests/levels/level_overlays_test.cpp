// The level diagram's overlays: arrow colours and layout, and the magnetic-moment texts.
#include "levels/level_overlays.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vintrel;

namespace {

constexpr StrengthMask kAll{true, true, true, true, true, true, true};

void setEntry(TransitionStrengths& s, StrengthTable t, int f, int e, double value) {
    s.table(t)[static_cast<std::size_t>(f)][static_cast<std::size_t>(e)] = value;
    double& max = s.maxima[static_cast<std::size_t>(t)];
    max = std::max(max, value);
}

} // namespace

TEST(BlendIntensity, WhiteToFullColourToAQuarter) {
    const Rgb red{0xFF, 0, 0};
    EXPECT_EQ(blendIntensity(0, red), (Rgb{255, 255, 255}));
    EXPECT_EQ(blendIntensity(255, red), (Rgb{64, 0, 0})); // 63.75 rounds to 64
    const Rgb half = blendIntensity(128, red);            // t just above one half
    EXPECT_EQ(half.r, 254);
    EXPECT_EQ(half.g, 0);
    const Rgb weak = blendIntensity(1, Rgb{0, 0, 0xFF});
    EXPECT_EQ(weak, (Rgb{253, 253, 255}));
}

TEST(TransitionArrow, DotUpwardAndDownwardHeads) {
    const Rgb c{1, 2, 3}, white{255, 255, 255};
    const auto dot = transitionArrow(400, 50, 50, c, white);
    ASSERT_EQ(dot.size(), 4u);
    EXPECT_EQ(std::get<SceneCircle>(dot[1]).diameter, 6);
    EXPECT_EQ(std::get<SceneCircle>(dot[3]).diameter, 2);
    const auto up = transitionArrow(400, 100, 40, c, white);
    ASSERT_EQ(up.size(), 4u);
    EXPECT_EQ(std::get<SceneLine>(up[3]).a, (PlotPixel{397, 43}));
    EXPECT_EQ(std::get<SceneLine>(up[3]).b, (PlotPixel{403, 43}));
    const auto down = transitionArrow(400, 40, 100, c, white);
    EXPECT_EQ(std::get<SceneLine>(down[1]).a, (PlotPixel{399, 99}));
}

TEST(TransitionArrows, ColourByTypeAndShadeByStrength) {
    TransitionStrengths s{};
    setEntry(s, StrengthTable::Lz, 1, 3, 4);     // L alone, the largest: darkest
    setEntry(s, StrengthTable::Sz, 1, 3, 1);     // with S: magenta
    setEntry(s, StrengthTable::Sminus, 3, 1, 2); // S alone
    setEntry(s, StrengthTable::LS, 3, 3, 0.5);   // LS alone, within one group: a dot
    const ArrowArea area{384, 2000, 0, false};
    const auto arrows = transitionArrows(s, 3, 1, kAll, area);
    ASSERT_EQ(arrows.size(), 3u);
    // G = 4 + 1 + 2 + 0.5 = 7.5.
    EXPECT_EQ(arrows[0].from, 1);
    EXPECT_EQ(arrows[0].to, 3);
    EXPECT_EQ(arrows[0].h, 170); // nearest(5 × 255 / 7.5)
    EXPECT_EQ(arrows[0].colour, blendIntensity(170, {0xFF, 0, 0xFF}));
    EXPECT_EQ(arrows[1].colour, blendIntensity(68, {0xFF, 0, 0}));
    EXPECT_EQ(arrows[2].colour, blendIntensity(17, {0, 0x80, 0}));
    // Columns: 3 + 5 (level 1) = 8 → x = 8 + 10 + 384 - ... with c = d − 10 at pair 1.
    EXPECT_EQ(arrows[0].x, 384 + 10);
    // Level 2 adds 5, level 3 another 5, the first arrow 6: the second sits 16 px right.
    EXPECT_EQ(arrows[1].x, arrows[0].x + 6 + 5 + 5);
    EXPECT_EQ(arrows[2].x, arrows[1].x + 6);
    // Only S_z pressed: the pair 1 → 3 is red.
    StrengthMask sz{};
    sz[static_cast<std::size_t>(StrengthTable::Sz)] = true;
    const auto red = transitionArrows(s, 3, 1, sz, area);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].h, 255);
    EXPECT_EQ(red[0].colour, (Rgb{64, 0, 0}));
}

TEST(TransitionArrows, JBasisIsGreenAndHidesTheSpinTables) {
    TransitionStrengths s{};
    setEntry(s, StrengthTable::Lplus, 1, 2, 2);
    setEntry(s, StrengthTable::Sz, 1, 2, 100); // no such toggle in |J,Jz>: ignored
    const auto arrows = transitionArrows(s, 2, 2, kAll, {384, 2000, 0, false});
    ASSERT_EQ(arrows.size(), 1u);
    EXPECT_EQ(arrows[0].h, 255);
    EXPECT_EQ(arrows[0].colour, blendIntensity(255, {0, 0x80, 0}));
    // All tables zero: nothing.
    EXPECT_TRUE(transitionArrows(TransitionStrengths{}, 2, 1, kAll, {384, 2000, 0, false}).empty());
}

TEST(TransitionArrows, ScrollBandAndExtent) {
    TransitionStrengths s{};
    for (int f = 1; f <= 4; ++f)
        for (int e = 1; e <= 4; ++e)
            setEntry(s, StrengthTable::Lz, f, e, 1);
    // 16 arrows: 3 + 4 × 5 + 16 × 6 = 119 → end at 503.
    EXPECT_EQ(transitionArrowsEnd(s, 4, 1, kAll), 384 + 119);
    EXPECT_EQ(transitionArrows(s, 4, 1, kAll, {384, 2000, 0, false}).size(), 16u);
    // The band cuts the arrows at its left edge.
    const auto cut = transitionArrows(s, 4, 1, kAll, {384, 420, 0, false});
    for (const auto& a : cut)
        EXPECT_LT(a.x, 420);
    EXPECT_LT(cut.size(), 16u);
    // Scrolled to position 1: the layout starts at pair 10, whose arrow is the first drawn.
    const auto scrolled = transitionArrows(s, 4, 1, kAll, {384, 2000, 1, true});
    ASSERT_EQ(scrolled.size(), 7u);
    EXPECT_EQ(scrolled[0].from, 3);
    EXPECT_EQ(scrolled[0].to, 2);
    EXPECT_EQ(scrolled[0].x, 384 + 10);
    EXPECT_EQ(overlayScrollExtent(900, 4, 1), 531);
    EXPECT_EQ(overlayScrollExtent(1600, 66, 2), 66 * 66);
}

TEST(GroupMoment, BothBasesAndTheJZeroIon) {
    LevelTables t;
    // Two levels of a group; x, y and z values differ.
    for (int i = 1; i <= 2; ++i) {
        t.axis(Axis::x).L[i] = 0.1 * i;
        t.axis(Axis::y).L[i] = 0.2 * i;
        t.axis(Axis::z).L[i] = 0.4 * i;
        t.axis(Axis::z).S[i] = 0.5;
        t.axis(Axis::z).M[i] = 1.0 * i;
    }
    const GroupMoment ls = groupMoment(t, 1, 2, 1, 0);
    EXPECT_DOUBLE_EQ(ls.orbital.x, 0.15);
    EXPECT_DOUBLE_EQ(ls.orbital.z, 0.6);
    EXPECT_DOUBLE_EQ(ls.spin.z, 2.0023193 * 0.5);
    EXPECT_DOUBLE_EQ(ls.total.z, 0.6 + 2.0023193 * 0.5);
    // |J,Jz> with gJ = 6/7 (Ce3+): m_S = 2 (gJ − 1)/gJ m_tot = −m_tot / 3.
    const GroupMoment j = groupMoment(t, 1, 2, 2, 6.0 / 7);
    EXPECT_DOUBLE_EQ(j.total.z, 1.5);
    EXPECT_NEAR(j.spin.z, -0.5, 1e-15);
    EXPECT_NEAR(j.orbital.z, 2.0, 1e-15);
    // gJ = 0: no split, no division by zero.
    const GroupMoment zero = groupMoment(t, 1, 2, 2, 0);
    EXPECT_EQ(zero.spin, Moment{});
    EXPECT_EQ(zero.orbital, Moment{});
}

TEST(MomentAngles, RealAndComplexHamiltonians) {
    const MomentAngles real = momentAngles({3, 99, 4}, 1); // y is not used
    EXPECT_DOUBLE_EQ(real.magnitude, 5);
    EXPECT_NEAR(real.alpha, std::atan2(4, 3) * 57.29577951308232, 1e-12);
    const MomentAngles complex = momentAngles({0, -1, 0}, 2);
    EXPECT_DOUBLE_EQ(complex.alpha, 90);
    EXPECT_DOUBLE_EQ(complex.beta, 270);
    EXPECT_EQ(momentAngles({}, 2).alpha, 0);
    // A cosine a rounding past 1 does not give NaN.
    const double z = 0.1 + 0.2;
    EXPECT_FALSE(std::isnan(momentAngles({0, 0, z}, 2).alpha));
}

TEST(MomentTexts, TwoComponentsAndOneAngleOrThreeAndTwo) {
    GroupMoment m;
    m.total = {0.5, 0.25, -1};
    m.orbital = {1, 0, 0};
    m.spin = {-0.5, 0.25, -1};
    const auto real = momentTexts(m, 1);
    ASSERT_EQ(real.size(), 6u);
    EXPECT_EQ(real[0].x, 396);
    EXPECT_EQ(real[0].pieces[0].text, "<m_t_o_t>=1.1180\\m_B,  ");
    EXPECT_EQ(real[0].pieces[1].text, "\\a=-63.43^o");
    EXPECT_EQ(real[1].x, 586);
    EXPECT_EQ(real[1].pieces.size(), 5u); // "m_t_o_t=(", x, ", ", z, ")"
    EXPECT_EQ(real[1].pieces[1].text, "0.500");
    EXPECT_EQ(real[1].pieces[3].text, "-1.000");
    EXPECT_EQ(real[2].x, 736);
    EXPECT_EQ(real[2].pieces[0].text, "<m_L>=1.0000\\m_B,  \\a=0.00^o");
    EXPECT_EQ(real[5].x, 1246);
    const auto complex = momentTexts(m, 2);
    EXPECT_EQ(complex[0].pieces.size(), 3u);
    EXPECT_EQ(complex[0].pieces[2].text.rfind("\\b=", 0), 0u);
    EXPECT_EQ(complex[1].x, 656);
    EXPECT_EQ(complex[1].pieces.size(), 7u);
    EXPECT_EQ(complex[1].pieces[3].text, "0.250");
    EXPECT_EQ(complex[1].pieces[3].colour, (Rgb{0xFF, 0xC4, 0x55}));
    EXPECT_EQ(complex[5].x, 1516);
    EXPECT_EQ(complex[5].pieces[0].colour, (Rgb{0, 0, 0xFF}));
}

TEST(RowGroups, MembersFollowTheirFirstRow) {
    std::vector<LevelRow> rows(5);
    rows[1].groupCount = 2;
    rows[3].groupCount = 2;
    rows[4].groupCount = 3;
    EXPECT_EQ(rowGroups(rows), (std::vector<LevelGroupSpan>{{1, 2}, {3, 5}}));
}
