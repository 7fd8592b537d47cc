#include "potential/potential.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <numbers>

namespace vintrel {
namespace {

// Grids of edge 2 with 5 points per axis: every coordinate is k/2 for k = -2 … 2, exactly.
PointDataArray exactGrid() {
    PointDataArray points;
    makeGrid(5, 5, 5, -1, -1, -1, 2, points);
    return points;
}

int half(double coordinate) {
    return static_cast<int>(std::lround(coordinate * 2));
}

TEST(Grid, XIsSlowestZFastestAndTheCornersAreExact) {
    PointDataArray points;
    makeGrid(3, 4, 5, -1, 2, 10, 6, points);
    ASSERT_EQ(points.size(), 60u);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 5; ++k) {
                const TPointData& p = points[static_cast<std::size_t>((i * 4 + j) * 5 + k)];
                EXPECT_EQ(p.point[0], -1 + i * 6.0 / 2);
                EXPECT_EQ(p.point[1], 2 + j * 6.0 / 3);
                EXPECT_EQ(p.point[2], 10 + k * 6.0 / 4);
                EXPECT_EQ(p.value, 0);
                EXPECT_TRUE(p.inshape && p.visible);
                EXPECT_EQ(p.colr + p.colg + p.colb, 0);
            }
    EXPECT_EQ(points.back().point, (TVector3{5, 8, 16}));
}

TEST(Grid, AnAxisOfOnePointHoldsItAtTheCornerAndNoAxisGivesNoPoints) {
    PointDataArray points;
    makeGrid(1, 2, 1, 0.5, -1, 3, 2, points);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].point, (TVector3{0.5, -1, 3}));
    EXPECT_EQ(points[1].point, (TVector3{0.5, 1, 3}));
    for (const TPointData& p : points)
        EXPECT_TRUE(std::isfinite(p.point[0] + p.point[1] + p.point[2]));
    makeGrid(0, 3, 3, 0, 0, 0, 1, points);
    EXPECT_TRUE(points.empty());
    makeGrid(-2, 3, 3, 0, 0, 0, 1, points);
    EXPECT_TRUE(points.empty());
}

TEST(Grid, PointsPerAxisFollowSizeAndResolutionUpTo151) {
    struct Case {
        int size;
        Resolution resolution;
        int n;
    };
    const Case cases[] = {{3, Resolution::medium, 91},    {1, Resolution::low, 21},
                          {5, Resolution::medium, 151},   {6, Resolution::veryHigh, 151},
                          {3, Resolution::veryHigh, 151}, {2, Resolution::high, 81},
                          {10, Resolution::low, 151},     {7, Resolution::low, 141}};
    for (const Case& c : cases)
        EXPECT_EQ(gridPointCount(c.size, pointsPerLength(c.resolution)), c.n)
            << c.size << " " << resolutionCaption(c.resolution);
}

// The bodies on the exact grid against their definitions in whole numbers of half units:
// ball k·k ≤ 4, octahedron |k1| + |k2| + |k3| ≤ 2, tetrahedron v · k ≥ -2 for its four corners v.
TEST(Bodies, ClipTheExactGridWithTheirSurfacesInside) {
    struct Case {
        Body body;
        std::function<bool(int, int, int)> inside;
        int count;
    };
    const Case cases[] = {
        {Body::cube, [](int, int, int) { return true; }, 125},
        {Body::sphere, [](int a, int b, int c) { return a * a + b * b + c * c <= 4; }, 33},
        {Body::octahedron,
         [](int a, int b, int c) { return std::abs(a) + std::abs(b) + std::abs(c) <= 2; }, 25},
        {Body::tetrahedron,
         [](int a, int b, int c) {
             return a + b + c >= -2 && a - b - c >= -2 && -a + b - c >= -2 && -a - b + c >= -2;
         },
         45},
    };
    for (const Case& c : cases) {
        PointDataArray points = exactGrid();
        clipToBody(points, c.body, 2);
        int count = 0;
        for (const TPointData& p : points) {
            const bool expected = c.inside(half(p.point[0]), half(p.point[1]), half(p.point[2]));
            EXPECT_EQ(p.inshape, expected) << bodyCaption(c.body) << " at " << p.point[0] << ", "
                                           << p.point[1] << ", " << p.point[2];
            count += p.inshape;
        }
        EXPECT_EQ(count, c.count) << bodyCaption(c.body);
    }
}

TEST(Bodies, TheCubeResetsWhatTheBodyBeforeHadCleared) {
    PointDataArray points = exactGrid();
    clipToBody(points, Body::octahedron, 2);
    clipToBody(points, Body::cube, 2);
    for (const TPointData& p : points)
        EXPECT_TRUE(p.inshape);
    clipCube(points, 1, -0.5, -0.5, -0.5);
    int inside = 0;
    for (const TPointData& p : points)
        inside += p.inshape;
    EXPECT_EQ(inside, 27); // -0.5, 0, 0.5 on each axis, bounds included
}

TEST(Bodies, TheSphereOnlyClearsAndHonoursItsCentre) {
    PointDataArray points = exactGrid();
    points[0].inshape = false;  // (-1, -1, -1) lies outside anyway
    points[62].inshape = false; // the centre, inside the ball but cleared before
    clipSphere(points, 0.5, {0.5, 0, 0});
    int inside = 0;
    for (const TPointData& p : points)
        inside += p.inshape;
    EXPECT_EQ(inside, 6); // (0.5, 0, 0) and its five neighbours at 0.5 except the cleared centre
    EXPECT_FALSE(points[62].inshape);
}

TEST(Wireframes, FollowTheBodiesOnTheSlightlyLargerCube) {
    const TShapeData cube = bodyShape(Body::cube, 2);
    ASSERT_EQ(cube.vertices.size(), 8u);
    EXPECT_EQ(cube.vertices[0], (TVector3{-1.01, -1.01, -1.01}));
    EXPECT_EQ(cube.vertices[6], (TVector3{-1.01 + 2.02, -1.01 + 2.02, -1.01 + 2.02}));
    EXPECT_EQ(cube.lines.size(), 24u);
    const TShapeData tetrahedron = bodyShape(Body::tetrahedron, 2);
    ASSERT_EQ(tetrahedron.vertices.size(), 4u);
    EXPECT_EQ(tetrahedron.vertices[0], (TVector3{-1.01 + 2.02, -1.01, -1.01}));
    EXPECT_EQ(tetrahedron.lines, (std::vector<std::int32_t>{0, 1, 1, 2, 2, 0, 0, 3, 1, 3, 2, 3}));
    const TShapeData octahedron = bodyShape(Body::octahedron, 2);
    ASSERT_EQ(octahedron.vertices.size(), 6u);
    EXPECT_EQ(octahedron.vertices[0], (TVector3{-1.01 + 1.01, -1.01 + 1.01, -1.01}));
    EXPECT_EQ(octahedron.lines.size(), 24u);
    const TShapeData sphere = bodyShape(Body::sphere, 2);
    EXPECT_TRUE(sphere.vertices.empty() && sphere.lines.empty());
    // Every line joins two existing vertices.
    for (const TShapeData* shape : {&cube, &tetrahedron, &octahedron})
        for (std::int32_t index : shape->lines)
            EXPECT_LT(static_cast<std::size_t>(index), shape->vertices.size());
    TShapeData copy;
    copyShape(cube, copy);
    clearShape(copy);
    EXPECT_TRUE(copy.vertices.empty() && copy.lines.empty());
    EXPECT_EQ(cube.vertices.size(), 8u);
}

void expectNear(const TVector3& actual, const TVector3& expected) {
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(actual[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(i)],
                    1e-15);
}

TEST(Rotation, TurnsAboutXThenYThenZ) {
    struct Case {
        TVector3 v;
        double ax, ay, az;
        TVector3 expected;
    };
    const Case cases[] = {
        {{0, 1, 0}, 90, 0, 0, {0, 0, 1}},  {{0, 0, 1}, 0, 90, 0, {1, 0, 0}},
        {{1, 0, 0}, 0, 0, 90, {0, 1, 0}},  {{0, 1, 0}, 90, 90, 0, {1, 0, 0}},
        {{0, 1, 0}, 90, 0, 90, {0, 0, 1}}, {{0, 1, 0}, 90, 90, 90, {0, 1, 0}},
        {{1, 2, 3}, 0, 0, 0, {1, 2, 3}},   {{1, 0, 0}, 0, 180, 0, {-1, 0, 0}},
    };
    for (const Case& c : cases)
        expectNear(rotateVector(c.v, c.ax, c.ay, c.az), c.expected);

    PointDataArray points = exactGrid();
    points[3].value = 7;
    rotatePoints(points, 0, 0, 90);
    expectNear(points[124].point, {-1, 1, 1});
    EXPECT_EQ(points[3].value, 7);
    TShapeData shape = bodyShape(Body::cube, 1);
    rotateShape(shape, 90, 0, 0);
    expectNear(shape.vertices[0], {-0.505, 0.505, -0.505});
}

TEST(ValueRange, HoldsZeroAndLooksOnlyAtFiniteInShapeValues) {
    PointDataArray points(6);
    const double values[] = {3, 5, -2, 40, std::numeric_limits<double>::infinity(), std::nan("")};
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i].value = values[i];
    points[3].inshape = false;
    EXPECT_EQ(valueRange(points), (ValueRange{-2, 5}));
    points[2].inshape = false;
    EXPECT_EQ(valueRange(points), (ValueRange{0, 5})); // all positive: the range starts at 0
    points.clear();
    EXPECT_EQ(valueRange(points), (ValueRange{0, 0}));
}

TEST(ValueFilter, CentralKeepsTheBandMarginalTheOutsideAndNeitherANonFiniteValue) {
    const double values[] = {-3,          -1, 0, 1, 2, 3, std::numeric_limits<double>::infinity(),
                             std::nan("")};
    struct Case {
        bool marginal;
        double lower, upper;
        std::vector<bool> visible;
    };
    const Case cases[] = {
        {false, -1, 2, {false, true, true, true, true, false, false, false}},
        {true, -1, 2, {true, true, false, false, true, true, false, false}},
        // Marginal with equal bounds hides no finite value, central with lower > upper all.
        {true, 1, 1, {true, true, true, true, true, true, false, false}},
        {false, 2, 1, {false, false, false, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        PointDataArray points(std::size(values));
        for (std::size_t i = 0; i < points.size(); ++i)
            points[i].value = values[i];
        points[0].visible = false;
        showAllPoints(points);
        filterByValue(points, c.marginal, c.lower, c.upper);
        for (std::size_t i = 0; i < points.size(); ++i)
            EXPECT_EQ(points[i].visible, c.visible[i]) << c.marginal << " value " << values[i];
    }
}

TEST(ValueFilter, HideAllHidesEveryPointEvenForAnEmptyRangeOfHugeEqualEnds) {
    // The empty range (min = max = 1e17) taken as central (min + 1, max - 1) would keep the
    // points of value 1e17, because 1e17 + 1 == 1e17; the refresh hides them all instead.
    PointDataArray points(3);
    for (TPointData& p : points)
        p.value = 1e17;
    filterByValue(points, false, 1e17 + 1, 1e17 - 1);
    EXPECT_TRUE(points[0].visible);
    hideAllPoints(points);
    for (const TPointData& p : points)
        EXPECT_FALSE(p.visible);
}

TEST(Hole, HidesThePointsRoundTheLineOfSight) {
    for (const auto& [ax, ay] : {std::pair{0.0, 0.0}, {30.0, -60.0}, {-75.0, 200.0}}) {
        // The line of sight: the z″ axis turned back by the inverse rotations.
        const TVector3 axis =
            rotateVector(rotateVector({0, 0, 2}, -(ax + 35.26), 0, 0), 0, -(ay - 45), 0);
        const TVector3 aside =
            rotateVector(rotateVector({0.3, 0, 2}, -(ax + 35.26), 0, 0), 0, -(ay - 45), 0);
        PointDataArray points(3);
        points[0].point = axis;
        points[1].point = aside;
        points[2].point = {0, 0, 0};
        cutHole(points, ax, ay, 0.25);
        EXPECT_FALSE(points[0].visible) << ax << ", " << ay;
        EXPECT_TRUE(points[1].visible) << ax << ", " << ay;
        EXPECT_FALSE(points[2].visible);
    }
}

TEST(Colours, PaletteIndexAndBytesRoundHalvesToEven) {
    // 255 · value / 510 = value / 2: exact halves.
    struct Case {
        double value;
        int index;
    };
    const Case cases[] = {{1, 0},     {3, 2},  {5, 2},      {7, 4},     {509, 254},
                          {511, 255}, {-9, 0}, {1000, 255}, {510, 255}, {0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(paletteIndex(c.value, 0, 510), c.index) << c.value;

    // Intensities whose 255-fold is exactly j + 0.5 go to the even neighbour.
    int halves = 0, evenBelow = 0;
    for (int j = 0; j < 255; ++j) {
        const double intensity = (j + 0.5) / 255;
        if (255 * intensity != j + 0.5)
            continue;
        ++halves;
        evenBelow += j % 2 == 0;
        EXPECT_EQ(colourByte(intensity), j % 2 == 0 ? j : j + 1) << j;
    }
    EXPECT_GT(halves, 10);
    EXPECT_GT(evenBelow, 5);
    EXPECT_EQ(colourByte(0.5), 128);
    EXPECT_EQ(colourByte(-0.2), 0);
    EXPECT_EQ(colourByte(1.2), 255);
}

TEST(Colours, OnlyDrawnPointsWithFiniteValuesAreColouredAndOnlyForARange) {
    colorMap palette{};
    for (std::size_t k = 0; k < palette.size(); ++k)
        palette[k] = {k / 255.0, 1 - k / 255.0, 0.5};
    PointDataArray points(5);
    const double values[] = {10, 0, 5, 7, std::numeric_limits<double>::infinity()};
    for (std::size_t i = 0; i < points.size(); ++i) {
        points[i].value = values[i];
        points[i].colr = points[i].colg = points[i].colb = 9;
    }
    points[2].inshape = false;
    points[3].visible = false;
    colourPoints(points, 10, 0, palette); // no range: nothing changes
    EXPECT_EQ(points[0].colr, 9);
    colourPoints(points, 0, 10, palette);
    EXPECT_EQ(points[0].colr, 255);
    EXPECT_EQ(points[0].colg, 0);
    EXPECT_EQ(points[0].colb, 128);
    EXPECT_EQ(points[1].colr, 0);
    EXPECT_EQ(points[1].colg, 255);
    for (std::size_t i : {2, 3, 4})
        EXPECT_EQ(points[i].colr, 9) << i;
}

TEST(Colours, ARangeTooWideToScaleStillSpreadsOverThePalette) {
    EXPECT_EQ(paletteIndex(-1e308, -1e308, 1e308), 0);
    EXPECT_NEAR(paletteIndex(0, -1e308, 1e308), 127.5, 0.5);
    EXPECT_EQ(paletteIndex(1e308, -1e308, 1e308), 255);
    EXPECT_NEAR(paletteIndex(0.5e308, -1e308, 1e308), 191.25, 0.5);
    EXPECT_EQ(paletteIndex(1.7e308, -1.7e308, 1e10), 255);
}

TEST(BodyNames, ReadTheLowerCaseNames) {
    EXPECT_EQ(bodyOfName("tetrahedron"), Body::tetrahedron);
    EXPECT_EQ(bodyOfName("sphere"), Body::sphere);
    EXPECT_FALSE(bodyOfName("Sphere"));
    EXPECT_EQ(resolutionOfName("veryhigh"), Resolution::veryHigh);
    EXPECT_FALSE(resolutionOfName("very high"));
    EXPECT_STREQ(resolutionCaption(Resolution::veryHigh), "Very high");
}

} // namespace
} // namespace vintrel
