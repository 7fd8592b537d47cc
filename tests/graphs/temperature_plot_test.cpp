#include "graphs/temperature_plot.h"

#include "graphs/derived_curves.h"
#include "graphs/page_looks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vintrel {
namespace {

template <typename Item>
std::vector<Item> itemsOf(const PlotScene& scene) {
    std::vector<Item> items;
    for (const SceneItem& item : scene.items)
        if (const auto* it = std::get_if<Item>(&item))
            items.push_back(*it);
    return items;
}

std::vector<std::string> texts(const PlotScene& scene) {
    std::vector<std::string> all;
    for (const SceneText& text : itemsOf<SceneText>(scene))
        all.push_back(text.text);
    return all;
}

bool hasText(const PlotScene& scene, const std::string& text) {
    const auto all = texts(scene);
    return std::find(all.begin(), all.end(), text) != all.end();
}

constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct Fixture {
    std::vector<double> T = {0, 50, 100, 150, 200};
    std::vector<double> chi = {0.1, 0.05, 0.04, 0.02, 0.01};
    TemperaturePlot plot;
    Fixture() {
        plot.T = &T;
        plot.range = {0, 4, -2};
        plot.labelDecimals = 2;
        plot.curves.push_back({&chi, kChiLooks[2].normal});
    }
    PlotScene scene() const { return buildTemperatureScene(plot, kWidth, kHeight); }
    PlotTransform transform() const { return temperatureTransform(plot, kWidth, kHeight); }
};

TEST(TemperaturePlot, LabelsAreFractionsOfTheMantissa) {
    Fixture f;
    const PlotScene scene = f.scene();
    for (const char* label : {"0", "1.00", "2.00", "3.00", "4.00", "50", "100", "150", "200"})
        EXPECT_TRUE(hasText(scene, label)) << label;
    f.plot.range = {0, 3, 0};
    f.plot.labelDecimals = 1;
    // Quarters are written as they are, not rounded to one decimal (0.75, not 0.8).
    for (const char* label : {"0.75", "1.5", "2.25", "3.0"})
        EXPECT_TRUE(hasText(f.scene(), label)) << label;
    f.plot.range = {0, 2, -2};
    for (const char* label : {"0.5", "1.0", "1.5", "2.0"})
        EXPECT_TRUE(hasText(f.scene(), label)) << label;
    f.plot.range = {0, 0.02, 0};
    for (const char* label : {"0.005", "0.01", "0.015", "0.02"})
        EXPECT_TRUE(hasText(f.scene(), label)) << label;
}

TEST(TemperaturePlot, CurvesAreCutAtTheTopEdgeAndResume) {
    Fixture f;
    const PixelRect area = f.transform().area;
    const auto curves = itemsOf<ScenePolyline>(f.scene());
    // 0.1 and 0.05 lie above 0.04: the curve starts at the top edge where it comes back, and
    // 0.04 itself lies on the top edge.
    ASSERT_EQ(curves.size(), 1u);
    const auto& points = curves[0].points;
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[0].y, area.top);
    EXPECT_EQ(points[1], f.transform().pixel(100, 0.04));
    EXPECT_EQ(points[1].y, area.top);
    EXPECT_EQ(points.back(), f.transform().pixel(200, 0.01));
}

TEST(TemperaturePlot, HighlightedCurvesAreDrawnLast) {
    Fixture f;
    const std::vector<double> other = {0.01, 0.01, 0.01, 0.01, 0.01};
    f.plot.curves.front().highlighted = true;
    f.plot.curves.push_back({&other, kChiLooks[0].normal});
    const auto curves = itemsOf<ScenePolyline>(f.scene());
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves[0].colour, kChiLooks[0].normal);
    EXPECT_EQ(curves[1].colour, kChiLooks[2].normal);
}

TEST(TemperaturePlot, MarkersWithTheirValueRule) {
    Fixture f;
    f.plot.range = {0, 1, 0};
    f.plot.markers = {{10, 2}, {100, 0}, {150, 0.5}, {300, 0.5}};
    // c/T mode: a marker at (10, 2) is drawn at the height of 0.2.
    f.plot.markerValue = [](const xy_pts& m) { return m.y / m.x; };
    const PlotTransform t = f.transform();
    const auto lines = itemsOf<SceneLine>(f.scene());
    const auto crossAt = [&](PlotPixel p) {
        return std::any_of(lines.begin(), lines.end(), [&](const SceneLine& l) {
            return l.colour == f.plot.markerColour && l.a == PlotPixel{p.x - 3, p.y} &&
                   l.b == PlotPixel{p.x + 3, p.y};
        });
    };
    EXPECT_TRUE(crossAt(*t.pixel(10, 0.2)));
    EXPECT_TRUE(crossAt(*t.pixel(150, 0.5 / 150)));
    const auto crosses = std::count_if(lines.begin(), lines.end(), [&](const SceneLine& l) {
        return l.colour == f.plot.markerColour;
    });
    EXPECT_EQ(crosses, 4); // y = 0 is no marker; beyond 200 K it lies outside the area
}

TEST(TemperaturePlot, ErrorBarsOfMeasuredPointsAreCutAtTheArea) {
    Fixture f;
    const PlotTransform t = f.transform();
    const auto linesInColour = [&](const PlotScene& scene) {
        std::vector<SceneLine> lines;
        for (const SceneLine& line : itemsOf<SceneLine>(scene))
            if (line.colour == f.plot.markerColour)
                lines.push_back(line);
        return lines;
    };
    f.plot.errorBars = {{100, 0.02, 0.005},  // inside: a bar and two caps
                        {150, 0.039, 0.002}, // its top cut at the top edge, one cap left
                        {50, 0.01, 0},       // no error: nothing
                        {400, 0.01, 0.001}}; // beyond the temperature axis: nothing
    const auto lines = linesInColour(f.scene());
    ASSERT_EQ(lines.size(), 5u);
    const int column = *t.column(100);
    EXPECT_EQ(lines[0].a, (PlotPixel{column, *t.row(0.025)}));
    EXPECT_EQ(lines[0].b, (PlotPixel{column, *t.row(0.015)}));
    EXPECT_EQ(lines[1].a, (PlotPixel{column - 3, *t.row(0.025)}));
    EXPECT_EQ(lines[2].b, (PlotPixel{column + 3, *t.row(0.015)}));
    EXPECT_EQ(lines[3].a.y, t.area.top);
    EXPECT_EQ(lines[3].b.y, *t.row(0.037));
    EXPECT_EQ(lines[4].a.y, *t.row(0.037));
}

TEST(TemperaturePlot, StatisticalEntropyLinesBelowTheTop) {
    Fixture f;
    f.plot.range = {0, 12, 0};
    for (int k : statisticalEntropyCandidates(12))
        f.plot.referenceLines.push_back(
            {statisticalEntropy(k), kGuideBlue, "R ln " + std::to_string(k)});
    const PlotScene scene = f.scene();
    EXPECT_TRUE(hasText(scene, "R ln 2"));
    EXPECT_TRUE(hasText(scene, "R ln 3"));
    EXPECT_TRUE(hasText(scene, "R ln 4"));
    EXPECT_FALSE(hasText(scene, "R ln 5")); // 13.38 lies above the top edge
}

TEST(TemperaturePlot, NothingIsPlacedWithoutAnExtent) {
    Fixture f;
    f.T = {0, 0, 0, 0, 0};
    f.plot.note = "Cannot open file o_chi_x.dup";
    const PlotScene scene = f.scene();
    EXPECT_TRUE(itemsOf<ScenePolyline>(scene).empty());
    EXPECT_TRUE(hasText(scene, "Cannot open file o_chi_x.dup"));
    // The Curie curve leaves out T = 0 instead of drawing from infinity.
    Fixture g;
    const std::vector<double> curie = curieCurve(g.T, 1);
    g.plot.range = {0, 1, 0};
    g.plot.curves = {{&curie, kCurieColour, false, LineStyle::Dashed}};
    const auto curves = itemsOf<ScenePolyline>(g.scene());
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0].points.front(), g.transform().pixel(50, curie[1]));
    EXPECT_EQ(curves[0].style, LineStyle::Dashed);
}

TEST(PageLooks, TitlesFollowTheShownDirections) {
    EXPECT_EQ(susceptibilityTitle({true, true, true}, -2, false),
              "magnetic susceptibility [B||x,y,z] !c_x_,_y_,_z (10^-^2 !m_B/T)");
    EXPECT_EQ(susceptibilityTitle({true, false, true}, 0, false),
              "magnetic susceptibility [B||x,z] !c_x_,_z (!m_B/T)");
    EXPECT_EQ(susceptibilityTitle({false, false, false}, 1, false),
              "magnetic susceptibility !c (10^1 !m_B/T)");
    EXPECT_EQ(susceptibilityTitle({false, false, true}, 0, true),
              "inverse magnetic susceptibility [B||z] 1/!c_z (T/!m_B)");
    EXPECT_EQ(fittedHeatTop(1.98), 2);
    EXPECT_EQ(fittedHeatTop(13.81), 14);
    EXPECT_DOUBLE_EQ(fittedHeatTop(0.0345), 0.04);
    EXPECT_EQ(fittedHeatTop(0), 1);
}

TEST(PageLooks, TheTemperatureSelectionDrawsTheSecant) {
    Fixture f;
    f.plot.range = {0, 2, 0};
    const std::vector<double> inverse = {0.1, 0.3, 0.7, 1.2, 1.9};
    const PlotTransform t = f.transform();
    const auto items = temperatureSelection(t, f.T, 1, 3, {&inverse});
    int circles = 0;
    bool secant = false;
    for (const SceneItem& item : items) {
        if (const auto* c = std::get_if<SceneCircle>(&item))
            circles += c->centre == *t.pixel(50, 0.3) || c->centre == *t.pixel(150, 1.2);
        if (const auto* l = std::get_if<SceneLine>(&item))
            secant = secant || (l->style == LineStyle::Dotted && l->a == *t.pixel(50, 0.3) &&
                                l->b == *t.pixel(150, 1.2));
    }
    EXPECT_EQ(circles, 2);
    EXPECT_TRUE(secant);
    // A point at the top edge gets no secant.
    const std::vector<double> high = {2, 2, 2, 2, 2};
    const auto none = temperatureSelection(t, f.T, 1, 3, {&high});
    EXPECT_TRUE(std::none_of(none.begin(), none.end(), [](const SceneItem& item) {
        return std::holds_alternative<SceneCircle>(item);
    }));
}

TEST(PlotScene, AppendBelowMovesThePartUnderTheSceneAndGrowsIt) {
    PlotScene scene;
    scene.width = 300;
    scene.height = 200;
    scene.add(SceneLine{{0, 0}, {10, 10}});
    PlotScene part;
    part.width = 120;
    part.height = 16;
    part.add(SceneLine{{0, 8}, {24, 8}});
    part.add(SceneText{"m_x", {29, 8}});
    part.add(ScenePolyline{{{1, 1}, {2, 3}}});
    part.add(SceneRect{{5, 6, 7, 8}});
    part.add(SceneCircle{{3, 4}});
    part.add(SceneTriangle{{{{0, 0}, {1, 0}, {0, 1}}}});
    part.add(SceneMiniParam{{1, 2, 3, 4}});
    appendBelow(scene, part, 50, 2);
    EXPECT_EQ(scene.height, 200 + 2 + 16);
    EXPECT_EQ(scene.width, 300);
    ASSERT_EQ(scene.items.size(), 8u);
    // What was there stays; every point of the part moves by (50, 202).
    EXPECT_EQ(std::get<SceneLine>(scene.items[0]).b, (PlotPixel{10, 10}));
    EXPECT_EQ(std::get<SceneLine>(scene.items[1]).a, (PlotPixel{50, 210}));
    EXPECT_EQ(std::get<SceneLine>(scene.items[1]).b, (PlotPixel{74, 210}));
    EXPECT_EQ(std::get<SceneText>(scene.items[2]).at, (PlotPixel{79, 210}));
    EXPECT_EQ(std::get<ScenePolyline>(scene.items[3]).points[1], (PlotPixel{52, 205}));
    EXPECT_EQ(std::get<SceneRect>(scene.items[4]).rect, (PixelRect{55, 208, 7, 8}));
    EXPECT_EQ(std::get<SceneCircle>(scene.items[5]).centre, (PlotPixel{53, 206}));
    EXPECT_EQ(std::get<SceneTriangle>(scene.items[6]).corners[2], (PlotPixel{50, 203}));
    EXPECT_EQ(std::get<SceneMiniParam>(scene.items[7]).rect, (PixelRect{51, 204, 3, 4}));
    // A part wider than the scene widens it; an empty part changes nothing.
    PlotScene wide;
    wide.width = 400;
    wide.height = 10;
    wide.add(SceneLine{});
    appendBelow(scene, wide, 10, 0);
    EXPECT_EQ(scene.width, 410);
    const PlotScene before = scene;
    appendBelow(scene, PlotScene{}, 10, 5);
    EXPECT_EQ(scene.height, before.height);
    EXPECT_EQ(scene.items.size(), before.items.size());
}

} // namespace
} // namespace vintrel
