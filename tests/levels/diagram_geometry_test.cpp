#include "levels/diagram_geometry.h"

#include "base/rounding.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

ViewWindow windowOf(double estart, double eend, double emin, double emax) {
    return {estart, eend, emin, emax};
}

int digitWidth(int count) {
    return 6 * static_cast<int>(std::to_string(count).size());
}

TEST(LevelToY, WindowEndsOnFixedRowsAndFarLevelsClamped) {
    const ViewWindow w = windowOf(-10, 90, 0, 100);
    const int H = 470;
    EXPECT_EQ(levelToY(-10 + 100, w, H), 40);
    EXPECT_EQ(levelToY(-10, w, H), H - 30);
    EXPECT_EQ(levelToY(-10 + 50, w, H), 240);
    EXPECT_EQ(levelToY(1e12, w, H), (H - 70) * -10 + 40);
    EXPECT_EQ(levelToY(-1e12, w, H), (H - 70) * 20 + 40);
    EXPECT_DOUBLE_EQ(yToLevel(240, w, H), 50);
}

TEST(AxisSteps, MinorAndMajorSteps) {
    struct Case {
        double span;
        double minor;
        double major;
    } cases[] = {{1000, 100, 200}, {480, 100, 100}, {3000, 200, 700}, {10, 1, 2}, {2.2, 0.2, 0.5}};
    for (const Case& c : cases) {
        const AxisSteps steps = axisSteps(0, c.span);
        EXPECT_NEAR(steps.minor, c.minor, 1e-9 * c.span) << c.span;
        EXPECT_NEAR(steps.major, c.major, 1e-9 * c.span) << c.span;
    }
    const AxisSteps empty = axisSteps(5, 5);
    EXPECT_GT(empty.minor, 0);
    EXPECT_GT(empty.major, 0);
}

TEST(AxisLineEnergies, CoverTheWindowInAbsoluteEnergies) {
    const ViewWindow w = windowOf(-50, 950, 0, 1000);
    const auto lines = axisLineEnergies(w, 200, 200);
    ASSERT_FALSE(lines.empty());
    EXPECT_LE(lines.front(), -50);
    EXPECT_GE(lines.back(), 950);
    EXPECT_DOUBLE_EQ(lines[1] - lines[0], 200);
    EXPECT_TRUE(axisLineEnergies(w, 0, 0).empty());
}

TEST(LayoutLevelRows, DegenerateLevelsShareOneRowAndText) {
    // a Kramers doublet, then a quartet, as Ce3+ in a cubic field
    const auto rows = layoutLevelRows({400, 400, 100, 100, 100, 100}, digitWidth);
    const std::vector<int> counts{1, 2, 1, 2, 3, 4};
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].groupCount, counts[i]) << i;
    EXPECT_EQ(rows[1].labelY, rows[0].labelY);
    EXPECT_EQ(rows[0].labelY, 394);
    EXPECT_EQ(rows[2].labelY, 94);
    EXPECT_EQ(rows[5].labelY, 94);
    EXPECT_EQ(groupSizes(rows), (std::vector<int>{2, 0, 4, 0, 0, 0}));
}

TEST(LayoutLevelRows, CloseLevelsAreSeparateGroupsWithTextsTwelveApart) {
    const auto rows = layoutLevelRows({300, 299, 298, 250}, digitWidth);
    EXPECT_EQ(groupSizes(rows), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(rows[0].labelY, 294);
    EXPECT_EQ(rows[1].labelY, 282);
    EXPECT_EQ(rows[2].labelY, 270);
    EXPECT_EQ(rows[3].labelY, 244); // far enough: keeps its own row
}

TEST(LayoutLevelRows, GroupAfterPushedTextFollowsItsFirstMember) {
    // level 2 is pushed up by level 1; level 3 shares level 2's pixel row
    const auto rows = layoutLevelRows({300, 295, 295}, digitWidth);
    EXPECT_EQ(rows[1].labelY, 282);
    EXPECT_EQ(rows[2].labelY, 282);
    EXPECT_EQ(rows[2].xlab, rows[1].xlab);
}

TEST(LayoutLevelRows, CountLabelsOfCloseGroupsMoveRight) {
    const auto rows =
        layoutLevelRows({300, 300, 300, 300, 300, 300, 300, 300, 300, 300, 295, 290}, digitWidth);
    // the group of ten (label "10", 12 px wide) at 351; the next two close rows move right
    EXPECT_EQ(rows[0].xlab, 351);
    EXPECT_EQ(rows[10].xlab, 351 + 12 + 2);
    EXPECT_EQ(rows[11].xlab, rows[10].xlab + 6 + 2);
    // a row 12 px or more above keeps its place
    const auto apart = layoutLevelRows({300, 288}, digitWidth);
    EXPECT_EQ(apart[1].xlab, 351);
}

TEST(ZoomAtRow, KeepsThePointedEnergyUnderThePointer) {
    const ViewWindow w = windowOf(0, 1000, 100, 600);
    const int H = 570;
    for (int y : {40, 100, 333, 540}) {
        for (bool out : {false, true}) {
            const double pointed = yToLevel(y, w, H);
            const ViewRange r = zoomAtRow(w, H, y, out);
            ViewWindow after = w;
            after.view_emax = r.emax;
            after.view_emin = r.emin;
            EXPECT_NEAR(yToLevel(y, after, H), pointed, 1e-9) << y << out;
            EXPECT_NEAR(r.emax - r.emin, 500 * (out ? 1 / 0.7 : 0.7), 1e-9);
        }
    }
}

TEST(ZoomAbout, ScalesAboutTheCentre) {
    const ViewRange r = zoomAbout(windowOf(0, 1, 0, 100), 0.7, 50);
    EXPECT_DOUBLE_EQ(r.emax, 85);
    EXPECT_DOUBLE_EQ(r.emin, 15);
}

TEST(ShiftWindow, TwoPercentOfTheSpanPerStep) {
    const ViewWindow w = windowOf(0, 1, 0, 200);
    EXPECT_DOUBLE_EQ(shiftWindow(w, 1).emax, 204);
    EXPECT_DOUBLE_EQ(shiftWindow(w, -2).emin, -8); // a wheel notch down
}

TEST(ScrollThumb, PlacedByTheWindowCentreAndBack) {
    const ViewWindow w = windowOf(0, 1000, 200, 400);
    const ScrollStrip strip{300, 20, 20, 40};
    EXPECT_EQ(thumbTop(w, strip), 20 + roundHalfEven(0.7 * 220));
    EXPECT_NEAR(centreForThumb(w, strip, thumbTop(w, strip)), 300, 1000.0 / 220);
    EXPECT_EQ(thumbTop(windowOf(0, 1000, 2000, 3000), strip), 20);
}

TEST(ScrollThumb, StaysBetweenTheButtons) {
    const ScrollStrip strip{300, 20, 20, 40}; // the thumb moves over rows 20 … 240
    EXPECT_EQ(clampThumbTop(strip, 100), 100);
    EXPECT_EQ(clampThumbTop(strip, -50), 20);
    EXPECT_EQ(clampThumbTop(strip, 400), 240);
    const ScrollStrip tooShort{50, 20, 20, 40};
    EXPECT_EQ(clampThumbTop(tooShort, 35), 20);
}

TEST(ZoomText, FactorOfTheWholeRange) {
    EXPECT_EQ(zoomText(windowOf(0, 100, 0, 100)), "1.0x");
    EXPECT_EQ(zoomText(windowOf(0, 100, 0, 30)), "3.33x");
    EXPECT_EQ(zoomText(windowOf(0, 100, 5, 5)), "1.0x");
}

TEST(Navigator, RowsAndEnergiesAreInverse) {
    const ViewWindow w = windowOf(-20, 180, 0, 200);
    const int h = 220;
    EXPECT_EQ(navigatorRow(w, h, 200), 10);
    EXPECT_EQ(navigatorRow(w, h, 0), 210);
    EXPECT_EQ(navigatorRow(w, h, 20), 190); // energy 0 of the ground term
    EXPECT_DOUBLE_EQ(navigatorEnergy(w, h, 110), 100);
}

TEST(EnergyUnitFactor, KelvinMeVAndInverseCm) {
    EXPECT_DOUBLE_EQ(energyUnitFactor(EnergyUnit::kelvin, 116), 116);
    EXPECT_NEAR(energyUnitFactor(EnergyUnit::meV, 116), 9.99611, 1e-5);
    EXPECT_NEAR(energyUnitFactor(EnergyUnit::inverseCm, 116), 80.62, 1e-12);
}

TEST(VisibleBand, ShownOnlyForASplitTermInAWindow) {
    const ViewWindow w = windowOf(0, 40000, 0, 40000);
    const VisibleBand band = visibleBand(w, 470, 0, 40000);
    EXPECT_TRUE(band.shown);
    EXPECT_EQ(band.top, levelToY(37860, w, 470));
    EXPECT_LT(band.top, band.bottom);
    EXPECT_FALSE(visibleBand(w, 470, 5, 5.5).shown);
}

} // namespace
} // namespace vintrel
