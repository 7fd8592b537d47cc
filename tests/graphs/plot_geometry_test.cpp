#include "graphs/plot_geometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace vintrel {
namespace {

using Runs = std::vector<std::vector<PlotPixel>>;
using Points = std::vector<std::optional<ScreenPoint>>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(PlotArea, MultiplesOfFourLeavingRoomForTheLabels) {
    EXPECT_EQ(temperaturePlotArea(800, 600, 60), (PixelRect{90, 60, 648, 492}));
    EXPECT_EQ(temperaturePlotArea(801, 603, 96), (PixelRect{90, 96, 648, 460}));
    EXPECT_EQ(temperaturePlotArea(100, 50, 60), (PixelRect{90, 60, 0, 0}));
    // The mean-field pages' plot component: margins 89 + 5, 59 + 5, 60 + 5, 46 + 5.
    EXPECT_EQ(plotArea(801, 603, kMeanFieldMargins), (PixelRect{94, 64, 642, 488}));
}

TEST(PlotTransform, PlacesDataOnTheAreaAndLeavesOutWhatCannotBePlaced) {
    // R = 4, n = -2: a value of 0.04 lies on the top edge, 0 on the bottom edge.
    const PlotTransform t{{90, 60, 400, 200}, 0, 200, 0, 0.04};
    EXPECT_EQ(t.pixel(0.0, 0.04), (PlotPixel{90, 60}));
    EXPECT_EQ(t.pixel(200.0, 0.0), (PlotPixel{490, 260}));
    EXPECT_EQ(t.pixel(100.0, 0.01), (PlotPixel{290, 210}));
    EXPECT_EQ(t.row(0.03), 110);
    EXPECT_FALSE(t.pixel(kNaN, 0.01));
    EXPECT_FALSE(t.pixel(1.0, std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(t.pixel(1.0, 1e12)); // far beyond the screen
    // T = 0 everywhere (an empty or degenerate file): nothing can be placed.
    const PlotTransform flat{{90, 60, 400, 200}, 0, 0, 0, 1};
    EXPECT_FALSE(flat.valid());
    EXPECT_FALSE(flat.pixel(0.0, 0.5));
}

TEST(ClipPolyline, TopOnlyCutsAtTheTopAndResumes) {
    const PixelRect area{90, 60, 400, 200};
    const Points points = {ScreenPoint{100, 100}, ScreenPoint{120, 20}, ScreenPoint{140, 20},
                           ScreenPoint{160, 100}, ScreenPoint{180, 300}};
    // Up through the top edge at x 110; back in at x 150; below the bottom it goes on.
    EXPECT_EQ(clipPolyline(points, area, ClipMode::TopOnly),
              (Runs{{{100, 100}, {110, 60}}, {{150, 60}, {160, 100}, {180, 300}}}));
    // All sides: the bottom edge cuts as well.
    EXPECT_EQ(clipPolyline(points, area, ClipMode::AllSides),
              (Runs{{{100, 100}, {110, 60}}, {{150, 60}, {160, 100}, {176, 260}}}));
}

TEST(ClipPolyline, AllSidesEdgeCases) {
    const PixelRect area{0, 0, 100, 100};
    struct Case {
        const char* what;
        Points points;
        Runs runs;
    };
    const Case cases[] = {
        {"wholly left", {ScreenPoint{-50, 10}, ScreenPoint{-10, 90}}, {}},
        {"wholly above", {ScreenPoint{10, -5}, ScreenPoint{90, -1}}, {}},
        {"wholly below", {ScreenPoint{10, 105}, ScreenPoint{90, 101}}, {}},
        {"crosses the left edge",
         {ScreenPoint{-10, 50}, ScreenPoint{10, 50}},
         {{{0, 50}, {10, 50}}}},
        {"crosses two edges", {ScreenPoint{-50, 50}, ScreenPoint{50, -50}}, {{{0, 0}, {0, 0}}}},
        {"right to left", {ScreenPoint{150, 50}, ScreenPoint{50, 50}}, {{{100, 50}, {50, 50}}}},
        {"a gap breaks the curve",
         {ScreenPoint{10, 10}, ScreenPoint{20, 20}, std::nullopt, ScreenPoint{40, 40},
          ScreenPoint{50, 50}},
         {{{10, 10}, {20, 20}}, {{40, 40}, {50, 50}}}},
        {"a lone point draws nothing",
         {ScreenPoint{10, 10}, std::nullopt, ScreenPoint{40, 40}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(clipPolyline(c.points, area, ClipMode::AllSides), c.runs);
    }
}

TEST(ClipPolyline, FarPointsKeepTheirDirection) {
    // A steep rise far above the area still crosses the top edge where the line does.
    const PixelRect area{0, 100, 1000, 100};
    const Points points = {ScreenPoint{0, 200}, ScreenPoint{1, -1e9}};
    const Runs runs = clipPolyline(points, area, ClipMode::TopOnly);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], (std::vector<PlotPixel>{{0, 200}, {0, 100}}));
}

} // namespace
} // namespace vintrel
