#include "potential/potential_cloud.h"

#include "potential/two_workers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <random>

namespace vintrel {
namespace {

colorMap distinctPalette() {
    colorMap palette{};
    for (std::size_t k = 0; k < palette.size(); ++k)
        palette[k] = {k / 255.0, (255 - k) / 255.0, static_cast<double>((k * 7) % 256) / 255};
    return palette;
}

CoefficientList randomCoefficients(std::mt19937_64& random, double scale, double zeroShare) {
    std::uniform_real_distribution<double> uniform(-1, 1);
    CoefficientList c{};
    for (double& value : c) {
        value = uniform(random) * scale;
        if (uniform(random) < 2 * zeroShare - 1)
            value = uniform(random) < 0 ? -0.0 : 0.0;
    }
    return c;
}

struct Scene {
    const char* name;
    Body body;
    int size;
    int perLength;
    PointRotation rotation;
    bool marginal;
    double down, up;
    std::optional<ViewHole> hole;
    bool twoWorkers;
};

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
           (std::isnan(a) && std::isnan(b));
}

// The step-by-step refresh on point records against the point cloud: every in-body point has
// the same position, value, visibility and colour bytes, in the same order.
void expectSameAsReference(const Scene& scene, const CoefficientList& c) {
    const colorMap palette = distinctPalette();
    PointDataArray points;
    buildBaseSet(points, scene.body, scene.size, scene.perLength);
    rotatePoints(points, scene.rotation.x, scene.rotation.y, scene.rotation.z);
    evaluatePotential(c, points);
    const ValueRange range = valueRange(points);
    const double lower = range.min + (range.max - range.min) * scene.down;
    const double upper = range.min + (range.max - range.min) * scene.up;
    showAllPoints(points);
    if (range.min < range.max)
        filterByValue(points, scene.marginal, lower, upper);
    else
        hideAllPoints(points);
    if (scene.hole)
        cutHole(points, scene.hole->angleX, scene.hole->angleY, scene.hole->radius);
    colourPoints(points, range.min, range.max, palette);

    for (CloudKernels kernels : {CloudKernels::baseline, CloudKernels::avx2}) {
        if (!cloudKernelsAvailable(kernels))
            continue;
        useCloudKernels(kernels);
        PotentialCloud cloud = buildCloud(scene.body, scene.size, scene.perLength, scene.rotation);
        EXPECT_EQ(cloud.size() >= kTwoWorkerMinimum, scene.twoWorkers) << scene.name;
        const ValueRange cloudRange = evaluateCloud(c, cloud);
        CloudShading shading;
        shadeCloud(cloud, {cloudRange, scene.marginal, lower, upper, scene.hole}, shading);
        useCloudKernels(CloudKernels::automatic);

        const std::string where =
            std::string(scene.name) + (kernels == CloudKernels::avx2 ? " (avx2)" : " (baseline)");
        EXPECT_TRUE(sameBits(cloudRange.min, range.min) && sameBits(cloudRange.max, range.max))
            << where;
        const auto bytes = paletteBytes(palette);
        std::size_t j = 0, mismatches = 0, shown = 0;
        for (const TPointData& p : points) {
            if (!p.inshape)
                continue;
            ASSERT_LT(j, cloud.size()) << where;
            const bool same =
                sameBits(cloud.x[j], p.point[0]) && sameBits(cloud.y[j], p.point[1]) &&
                sameBits(cloud.z[j], p.point[2]) && sameBits(cloud.value[j], p.value) &&
                (shading.visible[j] != 0) == p.visible &&
                (!p.visible || bytes[shading.paletteIndex[j]] ==
                                   std::array<std::uint8_t, 3>{p.colr, p.colg, p.colb});
            if (!same && ++mismatches <= 3)
                ADD_FAILURE() << where << ": point " << j << " differs, value " << p.value
                              << " against " << cloud.value[j];
            shown += p.visible;
            ++j;
        }
        EXPECT_EQ(j, cloud.size()) << where;
        EXPECT_EQ(mismatches, 0u) << where;
        EXPECT_EQ(shading.visibleCount, shown) << where;
    }
}

// Grids of any number of points per length; the first three have enough points in the body to
// be split between the two workers.
const Scene kScenes[] = {
    {"sphere 47", Body::sphere, 2, 23, {}, true, 0.3, 0.7, std::nullopt, true},
    {"tetrahedron 53 turned",
     Body::tetrahedron,
     2,
     26,
     {15, 30, 45},
     false,
     0.25,
     0.6,
     std::nullopt,
     true},
    {"octahedron 59 with hole",
     Body::octahedron,
     2,
     29,
     {0, 90, 0},
     true,
     0.3,
     0.7,
     ViewHole{20, -35, 0.4},
     true},
    // Small: one worker, and a cube whose faces are all grid points.
    {"cube 21", Body::cube, 1, 20, {}, false, 0.1, 0.9, std::nullopt, false},
};

// Exactly `nonZero` random coefficients in random slots, the others +0 or -0.
CoefficientList coefficientsWithNonZero(std::mt19937_64& random, std::size_t nonZero) {
    CoefficientList c = randomCoefficients(random, 5, 0);
    std::vector<std::size_t> slots(c.size());
    for (std::size_t i = 0; i < slots.size(); ++i)
        slots[i] = i;
    std::shuffle(slots.begin(), slots.end(), random);
    for (std::size_t i = nonZero; i < slots.size(); ++i)
        c[slots[i]] = i % 2 ? -0.0 : 0.0;
    return c;
}

TEST(PointCloud, EqualsTheStepByStepEvaluationBitForBit) {
    std::mt19937_64 random(1515);
    for (const Scene& scene : kScenes) {
        expectSameAsReference(scene, randomCoefficients(random, 2, 0));
        expectSameAsReference(scene, randomCoefficients(random, 30, 0.6));
        // Both ways of evaluating: one loop per non-zero term, and all terms at once.
        for (std::size_t nonZero : {std::size_t{1}, kAllTermsFrom - 1, kAllTermsFrom})
            expectSameAsReference(scene, coefficientsWithNonZero(random, nonZero));
    }
}

TEST(PointCloud, EqualsTheStepByStepEvaluationWhenValuesOverflow) {
    // Free-mode values near the largest double give infinite and undefined values; none of
    // them may be coloured or shown, and the range holds only finite values.
    std::mt19937_64 random(306);
    const Scene& scene = kScenes[0];
    CoefficientList c = randomCoefficients(random, 1, 0.3);
    c[2] = 1e306;
    c[9] = -1.7e308;
    c[20] = 1.5e308;
    expectSameAsReference(scene, c);

    PotentialCloud cloud = buildCloud(scene.body, scene.size, scene.perLength);
    const ValueRange range = evaluateCloud(c, cloud);
    EXPECT_TRUE(std::isfinite(range.min) && std::isfinite(range.max));
    std::size_t infinite = 0, undefined = 0;
    for (double v : cloud.value) {
        infinite += std::isinf(v);
        undefined += std::isnan(v);
    }
    EXPECT_GT(infinite, 0u);
    EXPECT_GT(undefined, 0u);
    CloudShading shading;
    shadeCloud(cloud, {range, true, range.min, range.max, std::nullopt}, shading);
    for (std::size_t j = 0; j < cloud.size(); ++j) {
        if (!std::isfinite(cloud.value[j])) {
            EXPECT_EQ(shading.visible[j], 0) << j;
        }
    }
}

TEST(PointCloud, AnEmptyRangeHidesEveryPoint) {
    PotentialCloud cloud = buildCloud(Body::sphere, 2, 20);
    const ValueRange range = evaluateCloud(CoefficientList{}, cloud);
    EXPECT_EQ(range, (ValueRange{0, 0}));
    for (double v : cloud.value)
        ASSERT_EQ(std::bit_cast<std::uint64_t>(v), 0u); // +0, never -0
    CloudShading shading;
    shadeCloud(cloud, {range, true, 0, 0, std::nullopt}, shading);
    EXPECT_EQ(shading.visibleCount, 0u);
    // Huge equal ends: min + 1 == min would keep points in a central filter; not here.
    for (double& v : cloud.value)
        v = 1e17;
    shadeCloud(cloud, {{1e17, 1e17}, false, 1e17 + 1, 1e17 - 1, std::nullopt}, shading);
    EXPECT_EQ(shading.visibleCount, 0u);
    for (std::uint8_t shown : shading.visible)
        ASSERT_EQ(shown, 0);
}

TEST(PointCloud, KeepsOnlyTheBodyInGridOrder) {
    const PotentialCloud cube = buildCloud(Body::cube, 1, 20);
    ASSERT_EQ(cube.size(), 21u * 21 * 21);
    EXPECT_EQ(cube.x[0], -0.5);
    EXPECT_EQ(cube.z[1], -0.5 + 1.0 / 20);
    EXPECT_EQ(cube.y[21], -0.5 + 1.0 / 20);
    EXPECT_EQ(cube.x[21 * 21], -0.5 + 1.0 / 20);
    const PotentialCloud sphere = buildCloud(Body::sphere, 1, 20);
    EXPECT_LT(sphere.size(), cube.size());
    for (std::size_t j = 0; j < sphere.size(); ++j)
        ASSERT_LE(sphere.x[j] * sphere.x[j] + sphere.y[j] * sphere.y[j] + sphere.z[j] * sphere.z[j],
                  0.25);
}

// The coarse subset holds exactly the in-body points whose grid indices are all multiples of
// three, in cloud order, also when the points are turned.
TEST(PointCloud, CoarseSubsetTakesEveryThirdGridIndex) {
    const PotentialCloud cube = buildCloud(Body::cube, 1, 20);
    ASSERT_EQ(cube.coarse.size(), 7u * 7 * 7);
    for (std::size_t c = 0; c < cube.coarse.size(); ++c) {
        const std::size_t j = cube.coarse[c];
        const std::size_t i = j / (21 * 21), jj = j / 21 % 21, k = j % 21;
        ASSERT_EQ(i % 3, 0u);
        ASSERT_EQ(jj % 3, 0u);
        ASSERT_EQ(k % 3, 0u);
        if (c > 0) {
            ASSERT_GT(j, cube.coarse[c - 1]);
        }
    }
    const double step = 1.0 / 20;
    for (const Body body : {Body::sphere, Body::tetrahedron, Body::octahedron}) {
        const PotentialCloud plain = buildCloud(body, 2, 20);
        const PotentialCloud turned = buildCloud(body, 2, 20, {90, 0, 0});
        ASSERT_EQ(turned.coarse, plain.coarse);
        std::size_t expected = 0;
        for (std::size_t j = 0; j < plain.size(); ++j) {
            const auto index = [&](double v) { return std::lround((v + 1) / step); };
            if (index(plain.x[j]) % 3 == 0 && index(plain.y[j]) % 3 == 0 &&
                index(plain.z[j]) % 3 == 0) {
                ASSERT_EQ(plain.coarse.at(expected++), j);
            }
        }
        EXPECT_EQ(expected, plain.coarse.size());
        EXPECT_GT(expected, 0u);
    }
}

} // namespace
} // namespace vintrel
