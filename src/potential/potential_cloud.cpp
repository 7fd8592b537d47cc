// The fast path of the evaluation. This file is compiled with full loop optimisation, without
// contraction of a multiply and an add into one rounding and without regard to floating-point
// traps (see CMakeLists.txt): the values must keep the bits of the step-by-step evaluation, and
// the selections of the loops must become vector operations.
#include "potential/potential_cloud.h"

#include "potential/geometry.h"
#include "potential/stevens.h"
#include "potential/two_workers.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <utility>

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#define VINTREL_AVX2_KERNELS 1
#else
#define VINTREL_AVX2_KERNELS 0
#endif

namespace vintrel {

namespace {

struct CloudTerm {
    int term;
    double coefficient;
};

struct ShadeConstants {
    double lower, upper;
    double scale, scaledMin, scaledWidth;
};

namespace baseline {
#define VINTREL_KERNEL_TARGET
#include "potential/cloud_kernels.inc"
#undef VINTREL_KERNEL_TARGET
} // namespace baseline

#if VINTREL_AVX2_KERNELS
namespace avx2 {
#define VINTREL_KERNEL_TARGET __attribute__((target("avx2")))
#include "potential/cloud_kernels.inc"
#undef VINTREL_KERNEL_TARGET
} // namespace avx2
#endif

struct Kernels {
    ValueRange (*evaluate)(const CloudTerm*, std::size_t, const double*, const double*,
                           const double*, double*, std::size_t);
    ValueRange (*evaluateAllTerms)(const double*, const double*, const double*, const double*,
                                   double*, std::size_t);
    void (*shadeMarginal)(const double*, const ShadeConstants&, std::uint8_t*, std::uint8_t*,
                          std::size_t);
    void (*shadeCentral)(const double*, const ShadeConstants&, std::uint8_t*, std::uint8_t*,
                         std::size_t);
    std::size_t (*countShown)(const std::uint8_t*, std::size_t);
};

constexpr Kernels kBaseline{baseline::evaluate, baseline::evaluateAllTerms, baseline::shade<true>,
                            baseline::shade<false>, baseline::countShown};
#if VINTREL_AVX2_KERNELS
constexpr Kernels kAvx2{avx2::evaluate, avx2::evaluateAllTerms, avx2::shade<true>,
                        avx2::shade<false>, avx2::countShown};
#endif

std::atomic<CloudKernels> chosenKernels{CloudKernels::automatic};

const Kernels& kernels() {
#if VINTREL_AVX2_KERNELS
    static const bool haveAvx2 = __builtin_cpu_supports("avx2");
    const CloudKernels chosen = chosenKernels.load();
    if (chosen != CloudKernels::baseline && haveAvx2)
        return kAvx2;
#endif
    return kBaseline;
}

template <class Test>
PotentialCloud collectPoints(const Test& body, int n, double corner, double size,
                             const PointRotation& angles) {
    const CubeTest cube{corner, corner, corner, size};
    const Rotation rotation(angles.x, angles.y, angles.z);
    const bool turned = angles.x != 0 || angles.y != 0 || angles.z != 0;
    PotentialCloud cloud;
    for (int i = 0; i < n; ++i) {
        const double x = gridCoordinate(corner, i, size, n);
        for (int j = 0; j < n; ++j) {
            const double y = gridCoordinate(corner, j, size, n);
            for (int k = 0; k < n; ++k) {
                TVector3 p{x, y, gridCoordinate(corner, k, size, n)};
                if (!cube.inside(p) || !body.inside(p))
                    continue;
                if (turned)
                    p = rotation.apply(p);
                if (i % kCoarseStep == 0 && j % kCoarseStep == 0 && k % kCoarseStep == 0)
                    cloud.coarse.push_back(static_cast<std::uint32_t>(cloud.x.size()));
                cloud.x.push_back(p[0]);
                cloud.y.push_back(p[1]);
                cloud.z.push_back(p[2]);
            }
        }
    }
    cloud.value.assign(cloud.x.size(), 0.0);
    return cloud;
}

struct Everywhere {
    bool inside(const TVector3&) const { return true; }
};

std::size_t cutHolePart(const PotentialCloud& cloud, const HoleTest& hole, std::uint8_t* index,
                        std::uint8_t* visible, std::size_t begin, std::size_t end) {
    std::size_t cut = 0;
    for (std::size_t j = begin; j < end; ++j)
        if (visible[j] && hole.inside(cloud.x[j], cloud.y[j], cloud.z[j])) {
            visible[j] = 0;
            index[j] = 0;
            ++cut;
        }
    return cut;
}

} // namespace

void useCloudKernels(CloudKernels kernels) {
    chosenKernels = kernels;
}

bool cloudKernelsAvailable(CloudKernels kernels) {
    if (kernels != CloudKernels::avx2)
        return true;
#if VINTREL_AVX2_KERNELS
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

PotentialCloud buildCloud(Body body, int shapeSize, int perLength, PointRotation rotation) {
    const int n = gridPointCount(shapeSize, perLength);
    const double size = shapeSize;
    const double corner = -size / 2;
    switch (body) {
    case Body::sphere:
        return collectPoints(SphereTest{size / 2, {0, 0, 0}}, n, corner, size, rotation);
    case Body::tetrahedron:
        return collectPoints(tetrahedronTest(corner, corner, corner, size), n, corner, size,
                             rotation);
    case Body::octahedron:
        return collectPoints(octahedronTest(corner, corner, corner, size), n, corner, size,
                             rotation);
    case Body::cube:
        break;
    }
    return collectPoints(Everywhere{}, n, corner, size, rotation);
}

ValueRange evaluateCloud(const CoefficientList& coefficients, PotentialCloud& cloud) {
    // A zero coefficient adds ±0 to a sum that is never −0, which changes no bit: skip it.
    std::vector<CloudTerm> terms;
    for (std::size_t i = 0; i < coefficients.size(); ++i)
        if (coefficients[i] != 0)
            terms.push_back({static_cast<int>(i), coefficients[i]});
    const Kernels& k = kernels();
    const bool allTerms = terms.size() >= kAllTermsFrom;
    ValueRange parts[2];
    onTwoWorkers(cloud.size(), baseline::kBlock, [&](std::size_t begin, std::size_t end) {
        const double* x = cloud.x.data() + begin;
        const double* y = cloud.y.data() + begin;
        const double* z = cloud.z.data() + begin;
        double* value = cloud.value.data() + begin;
        parts[begin == 0 ? 0 : 1] =
            allTerms ? k.evaluateAllTerms(coefficients.data(), x, y, z, value, end - begin)
                     : k.evaluate(terms.data(), terms.size(), x, y, z, value, end - begin);
    });
    return {std::min(parts[0].min, parts[1].min), std::max(parts[0].max, parts[1].max)};
}

void shadeCloud(const PotentialCloud& cloud, const ShadeRequest& request, CloudShading& shading) {
    const std::size_t n = cloud.size();
    shading.paletteIndex.resize(n);
    shading.visible.resize(n);
    shading.visibleCount = 0;
    const double min = request.range.min, max = request.range.max;
    if (!(min < max)) {
        std::fill(shading.paletteIndex.begin(), shading.paletteIndex.end(), std::uint8_t{0});
        std::fill(shading.visible.begin(), shading.visible.end(), std::uint8_t{0});
        return;
    }
    const double scale = std::isfinite(255 * (max - min)) ? 1.0 : 0x1p-10;
    const ShadeConstants constants{request.lower, request.upper, scale, min * scale,
                                   max * scale - min * scale};
    std::optional<HoleTest> hole;
    if (request.hole)
        hole.emplace(request.hole->angleX, request.hole->angleY, request.hole->radius);
    const Kernels& k = kernels();
    const auto shade = request.marginal ? k.shadeMarginal : k.shadeCentral;
    std::uint8_t* index = shading.paletteIndex.data();
    std::uint8_t* visible = shading.visible.data();
    std::size_t counts[2] = {0, 0};
    onTwoWorkers(n, 64, [&](std::size_t begin, std::size_t end) {
        shade(cloud.value.data() + begin, constants, index + begin, visible + begin, end - begin);
        std::size_t count = k.countShown(visible + begin, end - begin);
        if (hole)
            count -= cutHolePart(cloud, *hole, index, visible, begin, end);
        counts[begin == 0 ? 0 : 1] = count;
    });
    shading.visibleCount = counts[0] + counts[1];
}

std::vector<std::array<std::uint8_t, 3>> paletteBytes(const colorMap& palette) {
    std::vector<std::array<std::uint8_t, 3>> bytes;
    bytes.reserve(palette.size());
    for (const auto& entry : palette)
        bytes.push_back({colourByte(entry[0]), colourByte(entry[1]), colourByte(entry[2])});
    return bytes;
}

} // namespace vintrel
