#pragma once

#include "potential/potential.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vintrel {

/// The points of a page's body as coordinate arrays: only the grid points inside the body, in
/// grid order, turned by the applied rotation, with their values. One such copy per body, size,
/// resolution and rotation replaces the base set, the view set and the panel's copy of records.
/// Values, visibility and palette indices equal those of the point arrays (potential.h) bit for
/// bit.
struct PotentialCloud {
    std::vector<double> x, y, z;
    std::vector<double> value;
    /// The coarse subset the 3-D view draws while it is being turned: the positions (in this
    /// cloud) of the points whose three grid indices are all multiples of kCoarseStep.
    std::vector<std::uint32_t> coarse;

    std::size_t size() const { return x.size(); }
};

/// Every how many grid indices along each axis the coarse subset takes a point.
inline constexpr int kCoarseStep = 3;

/// The rotation applied to the points ("apply" of the rotation panel), in degrees.
struct PointRotation {
    double x = 0, y = 0, z = 0;
};

/// The in-body points of the N³ grid of the cube of edge s centred on the origin
/// (N = gridPointCount(s, perLength)), turned by `rotation`, values 0: the base set clipped to
/// the body, copied and rotated, without the points outside the body.
PotentialCloud buildCloud(Body body, int shapeSize, int perLength, PointRotation rotation = {});

/// From this many non-zero coefficients on, evaluateCloud computes all 27 terms of a point in
/// one expression, sharing their common factors, instead of one loop per non-zero term.
inline constexpr std::size_t kAllTermsFrom = 11;

/// Evaluates the potential at every point: the non-zero coefficients in flat order, each
/// point's powers computed once, on two threads. Returns valueRange of the points.
ValueRange evaluateCloud(const CoefficientList& coefficients, PotentialCloud& cloud);

/// The view-through hole: view angles and radius (cutHole).
struct ViewHole {
    double angleX = 0, angleY = 0, radius = 0;
};

/// What decides which points are drawn and in which colour.
struct ShadeRequest {
    ValueRange range;     ///< the colour range; empty (min ≥ max) hides every point
    bool marginal = true; ///< the filter of filterByValue
    double lower = 0;     ///< the lower threshold
    double upper = 0;     ///< the upper threshold
    std::optional<ViewHole> hole;
};

/// Per point of a cloud: visible or not, and its palette index (0 for hidden points).
struct CloudShading {
    std::vector<std::uint8_t> paletteIndex;
    std::vector<std::uint8_t> visible;
    std::size_t visibleCount = 0;
};

/// Filter, hole and palette index in one pass on two threads: a point is visible when its
/// value is finite, passes the filter and lies outside the hole, and then gets
/// paletteIndex(value, min, max). With an empty range every point is hidden.
void shadeCloud(const PotentialCloud& cloud, const ShadeRequest& request, CloudShading& shading);

/// Which compiled variant of the loops runs: the widest vector instructions the processor has
/// (automatic), or the baseline instruction set. Every variant gives the same bits; tests and
/// benchmarks compare them.
enum class CloudKernels { automatic, baseline, avx2 };
void useCloudKernels(CloudKernels kernels);
bool cloudKernelsAvailable(CloudKernels kernels);

/// The colour bytes of every palette entry (colourByte of each channel): what colourPoints
/// gives a point of that palette index.
std::vector<std::array<std::uint8_t, 3>> paletteBytes(const colorMap& palette);

} // namespace vintrel
