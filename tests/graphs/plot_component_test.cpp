// TGraph, the plot component of the mean-field pages, as a configuration of the shared plot.
#include "graphs/plot_component.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vintrel {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

template <typename Item>
std::vector<Item> itemsOf(const PlotScene& scene) {
    std::vector<Item> items;
    for (const SceneItem& item : scene.items)
        if (const auto* it = std::get_if<Item>(&item))
            items.push_back(*it);
    return items;
}

bool hasText(const PlotScene& scene, const std::string& text) {
    const auto texts = itemsOf<SceneText>(scene);
    return std::any_of(texts.begin(), texts.end(),
                       [&](const SceneText& t) { return t.text == text; });
}

/// The index of the first scene item that is a polyline in the colour (−1: none).
long firstPolylineOf(const PlotScene& scene, const Rgb& colour) {
    for (std::size_t i = 0; i < scene.items.size(); ++i)
        if (const auto* p = std::get_if<ScenePolyline>(&scene.items[i]); p && p->colour == colour)
            return static_cast<long>(i);
    return -1;
}

TEST(PlotComponent, DataAreaLiesInsideTheOuterAndInnerMargins) {
    TGraph graph;
    graph.setXaxisRange(0, 40);
    graph.setYaxisRange(0, 4);
    // Outer margins 89, 59, 60, 46 and inner margins 5: the data area starts at (94, 64) and
    // leaves 65 on the right and 51 below.
    EXPECT_EQ(graph.transform(kWidth, kHeight).area, (PixelRect{94, 64, 641, 485}));
    EXPECT_EQ(graph.toScreenX(0, kWidth, kHeight), 94);
    EXPECT_EQ(graph.toScreenX(40, kWidth, kHeight), 735);
    EXPECT_EQ(graph.toScreenY(4, kWidth, kHeight), 64);
    EXPECT_EQ(graph.toScreenY(0, kWidth, kHeight), 549);
    EXPECT_EQ(graph.toScreenX(20, kWidth, kHeight), 414); // 94 + 320.5, half to even

    graph.setGraphMargins(80, 100, 50, 60);
    graph.setInnerMargins(0, 0, 0, 0);
    int l = 0, t = 0, r = 0, b = 0;
    graph.getGraphMargins(l, t, r, b);
    EXPECT_EQ((std::array<int, 4>{l, t, r, b}), (std::array<int, 4>{80, 100, 50, 60}));
    EXPECT_EQ(graph.transform(kWidth, kHeight).area, (PixelRect{80, 100, 670, 440}));
}

TEST(PlotComponent, LabelsFollowTheRangeAndTheExponent) {
    TGraph graph;
    EXPECT_TRUE(graph.yLabels().empty()); // no range yet
    graph.setXaxisRange(0, 40);
    graph.setYaxisRange(0, 2);
    graph.setYaxisExp(-3);
    EXPECT_EQ(graph.yLabels(), (TAxisData{0, 0.5, 1, 1.5, 2}));
    const PlotScene scene = graph.scene(kWidth, kHeight);
    for (const char* label : {"0", "500", "1000", "1500", "2000", "10", "20", "30", "40"})
        EXPECT_TRUE(hasText(scene, label)) << label;
    EXPECT_FALSE(hasText(scene, "0.5"));

    // The anisotropy axis runs through negative values.
    graph.setYaxisExp(0);
    graph.setYaxisRange(-15, 16);
    const PlotScene aniso = graph.scene(kWidth, kHeight);
    for (const char* label : {"-15", "-7.25", "0.5", "8.25", "16"})
        EXPECT_TRUE(hasText(aniso, label)) << label;
}

TEST(PlotComponent, ExponentTitles) {
    struct Case {
        const char* descr;
        int exp;
        const char* title;
    };
    for (const Case& c : {
             Case{"(10^^ !m_B/T)", -3, "(10^-^3 !m_B/T)"},
             Case{"(10^^ !m_B/T)", 12, "(10^1^2 !m_B/T)"},
             Case{"(10^^ !m_B/T)", 0, "(10^0 !m_B/T)"},
             Case{"a^^b^^c", 2, "a^2b"},
             Case{"moment (!m_B)", -3, "moment (!m_B)"},
         }) {
        EXPECT_EQ(exponentTitle(c.descr, c.exp), c.title) << c.descr << " " << c.exp;
    }
    TGraph graph;
    graph.setYaxisDescr("(10^^ !m_B/T)");
    graph.setYaxisRange(0, 4e-3);
    graph.setYaxisExp(-3);
    EXPECT_EQ(graph.yAxisTitle(), "(10^^ !m_B/T)"); // shown as stored
    graph.setShowExponent(true);
    EXPECT_EQ(graph.yAxisTitle(), "(10^-^3 !m_B/T)");
    EXPECT_TRUE(hasText(graph.scene(kWidth, kHeight), "(10^-^3 !m_B/T)"));
}

TEST(PlotComponent, DataRangesAndExponents) {
    struct Case {
        TAxisData values;
        double step;
        DataRange range;
    };
    for (const Case& c : {
             Case{{1.2, 3.7}, 0.5, {1, 4}},
             Case{{3.7, 1.2, 2}, 0, {1.2, 3.7}},
             Case{{5, 5}, 0, {5, 6}},
             Case{{}, 1, {0, 1}},
             Case{{NAN, 2, INFINITY, -1}, 1, {-1, 2}},
             Case{{0.31, 27.2}, 10, {0, 30}},
         }) {
        EXPECT_EQ(dataRange(c.values, c.step), c.range) << c.values.size() << " " << c.step;
    }
    EXPECT_EQ(axisExponent(0, 0.02, 0), -2);
    EXPECT_EQ(axisExponent(0, 5000, 0), 1);
    EXPECT_EQ(axisExponent(0, 500, 0), 0);
    EXPECT_EQ(axisExponent(3, 3, 4), 4); // no extent: unchanged
    EXPECT_EQ(axisExponent(0, NAN, 4), 4);

    TGraph graph;
    graph.addXaxisData({0.5, 1, 40});
    EXPECT_EQ(graph.calcXaxisRange(0), (DataRange{0.5, 40}));
    graph.addYaxisData(0, {1, 2, 3});
    graph.addYaxisData(1, {-4, 9, 0});
    graph.addYaxisData(2, {100, 100, 100});
    EXPECT_EQ(graph.calcYaxisRange(-1, 1), (DataRange{0, 1})); // nothing visible
    graph.setGraphVis(0, true);
    graph.setGraphVis(1, true);
    EXPECT_EQ(graph.calcYaxisRange(-1, 1), (DataRange{-4, 9})); // slot 2 is hidden
    double min = 0, max = 0;
    graph.getYaxisRange(min, max);
    EXPECT_EQ(min, -4);
    EXPECT_EQ(max, 9);
    EXPECT_EQ(graph.calcYaxisRange(2, 0), (DataRange{100, 101}));
    graph.calcAxisExp(0, 0.004);
    EXPECT_EQ(graph.getYaxisExp(), -3);
}

TEST(PlotComponent, DashStylesByNumber) {
    struct Case {
        int style;
        LineStyle line;
        std::vector<int> dashes;
    };
    for (const Case& c : {
             Case{0, LineStyle::Solid, {}},
             Case{1, LineStyle::Dotted, {1, 1}},
             Case{2, LineStyle::DashDot, {2, 1, 1, 1}},
             Case{3, LineStyle::Dashed, {2, 1, 2, 1}},
             Case{4, LineStyle::DashDotDot, {3, 1, 1, 1, 1, 1}},
             Case{5, LineStyle::Solid, {}},
             Case{-1, LineStyle::Solid, {}},
         }) {
        EXPECT_EQ(lineStyleOf(c.style), c.line) << c.style;
        EXPECT_EQ(dashPattern(lineStyleOf(c.style)), c.dashes) << c.style;
    }
    TGraph graph;
    graph.addXaxisData({0, 1});
    graph.setXaxisRange(0, 1);
    graph.setYaxisRange(0, 1);
    graph.addYaxisData(0, {0.2, 0.8});
    graph.setGraphStyle(0, 3);
    graph.setGraphVis(0, true);
    const auto curves = itemsOf<ScenePolyline>(graph.scene(kWidth, kHeight));
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0].style, LineStyle::Dashed);
    graph.addYaxisData(0, {0.2, 0.8}); // new data: the style goes back to solid
    EXPECT_EQ(graph.plotSlots()[0].Ystyle, 0);
}

TEST(PlotComponent, SegmentsAreCutAtEveryEdge) {
    TGraph graph;
    graph.setXaxisRange(0, 10);
    graph.setYaxisRange(0, 10);
    const PixelRect area = graph.transform(kWidth, kHeight).area;
    const auto seg = [&](double x1, double y1, double x2, double y2) {
        return graph.line(x1, y1, x2, y2, kWidth, kHeight, {});
    };
    EXPECT_FALSE(seg(-5, 2, -1, 8));  // wholly left
    EXPECT_FALSE(seg(11, 2, 15, 8));  // wholly right
    EXPECT_FALSE(seg(2, 11, 8, 12));  // wholly above
    EXPECT_FALSE(seg(2, -1, 8, -12)); // wholly below
    const auto right = seg(5, 5, 15, 5);
    ASSERT_TRUE(right);
    EXPECT_EQ(right->b, (PlotPixel{area.right(), *graph.toScreenY(5, kWidth, kHeight)}));
    const auto top = seg(5, 5, 5, 20);
    ASSERT_TRUE(top);
    EXPECT_EQ(top->b.y, area.top);
    // Through the bottom-left corner: cut there, to the pixel (the ends are whole pixels
    // first, so the cut may lie one pixel off the exact corner).
    const auto bottomLeft = seg(-10, -10, 5, 5);
    ASSERT_TRUE(bottomLeft);
    EXPECT_EQ(bottomLeft->a.x, area.left);
    EXPECT_NEAR(bottomLeft->a.y, area.bottom(), 1);

    // A curve that leaves the area below and comes back is cut twice: two runs, each ending
    // on the bottom edge.
    graph.addXaxisData({0, 2, 4, 6, 8});
    graph.addYaxisData(0, {5, 5, -5, 5, 5});
    graph.setGraphVis(0, true);
    const auto runs = itemsOf<ScenePolyline>(graph.scene(kWidth, kHeight));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].points.back().y, area.bottom());
    EXPECT_EQ(runs[1].points.front().y, area.bottom());
}

TEST(PlotComponent, AllSidesCutsBetweenWholePixels) {
    // The points are first placed on whole pixels; the cut point lies on the line between
    // them. (3.4, 4.6) and (13.4, 14.6) become (3, 5) and (13, 15), cut at y = 10 at x = 8;
    // the top-only clipping of the self-drawn pages cuts the exact line, at x = 8.8.
    const PixelRect area{0, 10, 100, 100};
    const std::vector<std::optional<ScreenPoint>> points = {ScreenPoint{3.4, 4.6},
                                                            ScreenPoint{13.4, 14.6}};
    const auto all = clipPolyline(points, area, ClipMode::AllSides);
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].front(), (PlotPixel{8, 10}));
    EXPECT_EQ(all[0].back(), (PlotPixel{13, 15}));
    const auto top = clipPolyline(points, area, ClipMode::TopOnly);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].front(), (PlotPixel{9, 10}));
}

TEST(PlotComponent, TheLastPlotIsDrawnOverTheOthers) {
    TGraph graph;
    graph.addXaxisData({0, 1, 2});
    graph.setXaxisRange(0, 2);
    graph.setYaxisRange(0, 3);
    const std::array<Rgb, 3> colours = {Rgb{1, 0, 0}, Rgb{0, 1, 0}, Rgb{0, 0, 1}};
    for (int g = 0; g < 3; ++g) {
        graph.addYaxisData(g, {1.0 * g, 1.0 * g + 0.5, 1.0 * g});
        graph.setGraphColor(g, colours[static_cast<std::size_t>(g)]);
        graph.setGraphVis(g, true);
    }
    PlotScene scene = graph.scene(kWidth, kHeight);
    EXPECT_LT(firstPolylineOf(scene, colours[0]), firstPolylineOf(scene, colours[1]));
    EXPECT_LT(firstPolylineOf(scene, colours[1]), firstPolylineOf(scene, colours[2]));
    graph.setLastPlot(0);
    scene = graph.scene(kWidth, kHeight);
    EXPECT_GT(firstPolylineOf(scene, colours[0]), firstPolylineOf(scene, colours[2]));
    EXPECT_LT(firstPolylineOf(scene, colours[1]), firstPolylineOf(scene, colours[2]));
    graph.setGraphVis(0, false); // a hidden last plot is not drawn at all
    EXPECT_EQ(firstPolylineOf(graph.scene(kWidth, kHeight), colours[0]), -1);
}

TEST(PlotComponent, SlotsNumberedFromOneFitTheirArray) {
    TGraph graph;
    EXPECT_EQ(graph.getMaxPlots(), 5);
    graph.setMaxPlots(3);
    // Slots 1 to 3 of a page that counts from 1: slot 3 makes room for itself.
    for (int g = 1; g <= 3; ++g) {
        graph.addYaxisData(g, {1, 2});
        graph.setGraphVis(g, true);
    }
    EXPECT_EQ(graph.getMaxPlots(), 4);
    EXPECT_EQ(graph.getYaxisData(3), (TAxisData{1, 2}));
    EXPECT_TRUE(graph.getYaxisData(7).empty());
    graph.addYaxisData(-1, {5}); // ignored
    graph.setGraphVis(-2, true);
    EXPECT_EQ(graph.getMaxPlots(), 4);
    EXPECT_FALSE(graph.graphVis(9));
}

TEST(PlotComponent, PointsThatCannotBePlacedAreLeftOut) {
    TGraph graph;
    graph.addXaxisData({0, 1, 2, 3, 4});
    graph.setXaxisRange(0, 4);
    graph.addYaxisData(0, {1, 2, NAN, 2, 1});
    graph.setGraphVis(0, true);
    // A zero range places nothing: no curve, no failure.
    graph.setYaxisRange(1, 1);
    EXPECT_FALSE(graph.toScreenY(1, kWidth, kHeight));
    EXPECT_TRUE(itemsOf<ScenePolyline>(graph.scene(kWidth, kHeight)).empty());
    graph.setXaxisRange(2, 2);
    graph.setYaxisRange(0, 3);
    EXPECT_FALSE(graph.toScreenX(1, kWidth, kHeight));
    EXPECT_TRUE(itemsOf<ScenePolyline>(graph.scene(kWidth, kHeight)).empty());
    // A value that is not a number breaks the curve in two.
    graph.setXaxisRange(0, 4);
    EXPECT_EQ(itemsOf<ScenePolyline>(graph.scene(kWidth, kHeight)).size(), 2u);
    graph.setYaxisRange(0, 1e308);
    graph.setYaxisExp(300);
    EXPECT_NO_THROW(graph.scene(kWidth, kHeight));
}

TEST(PlotComponent, MarkersHaveGuidesOverTheCurvesAndRedCrosses) {
    TGraph graph;
    graph.addXaxisData({0, 10});
    graph.setXaxisRange(0, 10);
    graph.setYaxisRange(0, 10);
    graph.addYaxisData(0, {5, 5});
    graph.setGraphVis(0, true);
    graph.addMarkers({{5, 2}, {20, 2}, {3, 0}}); // one outside, one with no value
    const PlotScene scene = graph.scene(kWidth, kHeight);
    const PixelRect area = graph.transform(kWidth, kHeight).area;
    const int X = *graph.toScreenX(5, kWidth, kHeight);
    const int Y = *graph.toScreenY(2, kWidth, kHeight);
    long guide = -1;
    std::vector<SceneLine> crosses;
    for (std::size_t i = 0; i < scene.items.size(); ++i) {
        const auto* line = std::get_if<SceneLine>(&scene.items[i]);
        if (!line)
            continue;
        if (line->a == PlotPixel{area.left, Y} && line->b == PlotPixel{area.right(), Y})
            guide = static_cast<long>(i);
        if (line->colour == Rgb{255, 0, 0})
            crosses.push_back(*line);
    }
    ASSERT_GE(guide, 0);
    EXPECT_GT(guide, firstPolylineOf(scene, Rgb{})); // guides after the curves
    ASSERT_EQ(crosses.size(), 2u);                   // one marker drawn: a 7-pixel cross
    EXPECT_EQ(crosses[0].a, (PlotPixel{X - 3, Y}));
    EXPECT_EQ(crosses[0].b, (PlotPixel{X + 3, Y}));
    EXPECT_EQ(crosses[1].a, (PlotPixel{X, Y - 3}));
}

} // namespace
} // namespace vintrel
