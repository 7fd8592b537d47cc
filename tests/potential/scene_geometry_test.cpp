#include "potential/scene_geometry.h"

#include "potential/glyph_strip.h"
#include "potential/potential.h"
#include "potential/view_camera.h"
#include "resultdata/term_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vintrel {
namespace {

TVector3 position(const SceneVertex& v) {
    return {v.x, v.y, v.z};
}

TEST(SceneGeometry, GridLeavesOutItsCentreLinesAndAxesHaveTheirWidthsAndColours) {
    const SceneMesh mesh = gridAndAxes();
    ASSERT_EQ(mesh.lines.size(), 3u);
    EXPECT_TRUE(mesh.triangles.empty());
    const LineSet& grid = mesh.lines[0];
    EXPECT_FLOAT_EQ(grid.width, 0.6f);
    ASSERT_EQ(grid.vertices.size(), 99u * 4);
    for (const SceneVertex& v : grid.vertices) {
        ASSERT_EQ(v.y, 0);
        // Each grid line is off the centre on its constant coordinate.
        ASSERT_TRUE(std::abs(v.x) == 100 || std::abs(v.z) == 100);
        ASSERT_EQ(SceneColour(v.r, v.g, v.b), scene_colours::grid);
    }
    const bool crossesCentre =
        std::any_of(grid.vertices.begin(), grid.vertices.end(),
                    [](const SceneVertex& v) { return v.x == 0 || v.z == 0; });
    EXPECT_FALSE(crossesCentre);
    EXPECT_FLOAT_EQ(mesh.lines[1].width, 1.5f);
    EXPECT_FLOAT_EQ(mesh.lines[2].width, 2.5f);
    ASSERT_EQ(mesh.lines[1].vertices.size(), 4u);
    ASSERT_EQ(mesh.lines[2].vertices.size(), 2u);
    const SceneVertex& x = mesh.lines[1].vertices[1];
    EXPECT_EQ(position(x), (TVector3{100, 0, 0}));
    EXPECT_EQ(SceneColour(x.r, x.g, x.b), scene_colours::xAxis);
    const SceneVertex& z = mesh.lines[1].vertices[3];
    EXPECT_EQ(position(z), (TVector3{0, 0, 100}));
    EXPECT_EQ(SceneColour(z.r, z.g, z.b), scene_colours::zAxis);
    const SceneVertex& y = mesh.lines[2].vertices[1];
    EXPECT_EQ(position(y), (TVector3{0, 100, 0}));
    EXPECT_EQ(SceneColour(y.r, y.g, y.b), scene_colours::yAxis);
}

// Every vertex of an arrow lies on the segment of its direction (within the head's radius),
// and the tip is the farthest point along that direction.
TEST(SceneGeometry, ArrowsPointAlongTheirAnglesFromTheirStart) {
    struct Case {
        bool centred;
        double length, polar, azimuth;
    };
    const Case cases[] = {
        {false, 1, 0, 0},    {false, 2, 90, 0},      {true, 3, 90, 90},
        {true, 1.5, 60, 30}, {false, 0.7, 135, 250},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.polar << " " << c.azimuth);
        const SceneMesh mesh =
            arrowMesh(c.centred, c.length, c.polar, c.azimuth, {1, 0, 0}, 0.1, 0.1);
        const FieldVector d = fieldComponents(1, c.polar, c.azimuth);
        const double start = c.centred ? -c.length / 2 : 0;
        const double end = c.centred ? c.length / 2 : c.length;
        double farthest = -1e9;
        ASSERT_FALSE(mesh.triangles.empty());
        for (const SceneVertex& v : mesh.triangles) {
            const double along = v.x * d.x + v.y * d.y + v.z * d.z;
            const double across2 = v.x * v.x + v.y * v.y + v.z * v.z - along * along;
            ASSERT_GE(along, start - 1e-6);
            ASSERT_LE(along, end + 1e-6);
            ASSERT_LE(across2, 0.04 * 0.04 + 1e-6);
            farthest = std::max(farthest, along);
        }
        EXPECT_NEAR(farthest, end, 1e-6);
        ASSERT_EQ(mesh.lines.size(), 1u);
        EXPECT_FLOAT_EQ(mesh.lines[0].width, 4.0f);
        const SceneVertex& a = mesh.lines[0].vertices[0];
        const SceneVertex& b = mesh.lines[0].vertices[1];
        EXPECT_NEAR(a.x * d.x + a.y * d.y + a.z * d.z, start + 0.1 * (end - start), 1e-6);
        EXPECT_NEAR(b.x * d.x + b.y * d.y + b.z * d.z, end - 0.1 * (end - start), 1e-6);
    }
    EXPECT_TRUE(arrowMesh(true, 0, 10, 10, {}, 0.1, 0.1).empty());
    EXPECT_TRUE(arrowMesh(false, -1, 10, 10, {}, 0.1, 0.1).empty());
}

TEST(SceneGeometry, WireframeDrawsEachIndexPairAndSkipsPairsWithoutVertices) {
    TShapeData cube;
    cubeShape(cube, -1, -1, -1, 2);
    const SceneMesh mesh = shapeMesh(cube);
    ASSERT_EQ(mesh.lines.size(), 1u);
    EXPECT_FLOAT_EQ(mesh.lines[0].width, 2.0f);
    EXPECT_EQ(mesh.lines[0].vertices.size(), 24u);
    TShapeData broken = cube;
    broken.lines = {0, 1, 0, 8, -1, 2, 3};
    EXPECT_EQ(shapeMesh(broken).lines.at(0).vertices.size(), 2u);
    EXPECT_TRUE(shapeMesh(TShapeData{}).empty());
}

TEST(SceneGeometry, TrailArrowsStartAtTheOriginInTheirColours) {
    MomentTrail trail;
    trail.len = {1, 2};
    trail.alpha = {0, 90};
    trail.beta = {0, 0};
    trail.colorR = {0, 1};
    trail.colorG = {0, 0};
    trail.colorB = {1, 0};
    trail.scale = 0.5;
    const SceneMesh mesh = trailMesh(trail);
    ASSERT_EQ(mesh.lines.size(), 2u);
    EXPECT_EQ(mesh.lines[0].vertices[0].b, 1.0f);
    EXPECT_EQ(mesh.lines[1].vertices[0].r, 1.0f);
    const auto tip =
        std::max_element(mesh.triangles.begin(), mesh.triangles.end(),
                         [](const SceneVertex& a, const SceneVertex& b) { return a.x < b.x; });
    EXPECT_NEAR(tip->x, 1.0, 1e-6); // 0.5 · 2 along +x
    const std::vector<SceneLabel> label = trailLabel(trail, 0, 0);
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].colour, scene_colours::molecularLabel);
    EXPECT_TRUE(trailLabel(MomentTrail{}, 0, 0).empty());
}

// A label faces the viewer: on screen it is centred on its anchor and hangs below it, and its
// characters run from left to right, whatever the view angles.
TEST(SceneGeometry, LabelsFaceTheViewerCentredOnTheirAnchor) {
    for (const auto& [ax, ay] : {std::pair{0.0, 0.0}, {30.0, 0.0}, {-20.0, 75.0}, {10.0, 200.0}}) {
        SCOPED_TRACE(testing::Message() << ax << " " << ay);
        ViewCamera camera;
        camera.setAngles(ax, ay);
        const TVector3 at{0.5, 0.2, -0.3};
        const SceneLabel label = placedLabel("-1.0", at, 2, scene_colours::xAxis, ax, ay);
        ASSERT_EQ(label.triangles.size(), 4u * 6);
        const auto anchor = projectToPixel(at, camera, 800, 600);
        ASSERT_TRUE(anchor);
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
        for (const LabelVertex& v : label.triangles) {
            const auto p = projectToPixel({v.x, v.y, v.z}, camera, 800, 600);
            ASSERT_TRUE(p);
            left = std::min(left, p->x);
            right = std::max(right, p->x);
            top = std::min(top, p->y);
            bottom = std::max(bottom, p->y);
        }
        EXPECT_NEAR((left + right) / 2, anchor->x, 1.0);
        EXPECT_NEAR(top, anchor->y, 1.0);
        EXPECT_GT(bottom, top + 5);
        // The first character's quad lies left of the last one's.
        const auto first = projectToPixel(
            {label.triangles[0].x, label.triangles[0].y, label.triangles[0].z}, camera, 800, 600);
        const auto last =
            projectToPixel({label.triangles[18].x, label.triangles[18].y, label.triangles[18].z},
                           camera, 800, 600);
        EXPECT_LT(first->x, last->x);
    }
}

TEST(SceneGeometry, LabelTextsAndTheAxisNumbers) {
    EXPECT_EQ(fieldLabelText(5), "C=5T");
    EXPECT_EQ(fieldLabelText(1.5), "C=1.5T");
    EXPECT_EQ(fieldLabelText(0.004), "C=0T");
    EXPECT_EQ(momentLabelText(2.125), "m=2.13u");
    const std::vector<SceneLabel> axes = axisLabels(0, 0);
    ASSERT_EQ(axes.size(), 20u + 10 + 7);
    // "-10.0": five glyphs of two triangles.
    EXPECT_EQ(axes.front().triangles.size(), 5u * 6);
    EXPECT_EQ(axes.front().colour, scene_colours::xAxis);
    EXPECT_EQ(axes[20].colour, scene_colours::zAxis);
    EXPECT_EQ(axes.back().colour, scene_colours::yAxis);
    FieldArrow none;
    EXPECT_TRUE(fieldLabel(none, 0, 0).empty());
    const FieldArrow two{2, 60, 30, 3.6, 0.1};
    ASSERT_EQ(fieldLabel(two, 0, 0).size(), 1u);
    // "C=2T": four glyphs.
    EXPECT_EQ(fieldLabel(two, 0, 0)[0].triangles.size(), 4u * 6);
}

} // namespace
} // namespace vintrel
