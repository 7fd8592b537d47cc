#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vintrel {

/// A position or direction: x, y, z.
using TVector3 = std::array<double, 3>;

/// One sample point of the potential. A point is drawn only when both `inshape` and
/// `visible` are true.
struct TPointData {
    TVector3 point{};
    double value = 0;
    std::uint8_t colr = 0;
    std::uint8_t colg = 0;
    std::uint8_t colb = 0;
    bool inshape = true; ///< the point lies inside the chosen body
    bool visible = true; ///< the point passes the value filter and the hole
};

using PointDataArray = std::vector<TPointData>;

/// A wireframe: vertices and the index pairs of the vertices joined by a line. An empty shape
/// draws nothing.
struct TShapeData {
    std::vector<TVector3> vertices;
    std::vector<std::int32_t> lines;
};

/// The 27 coefficients in flat order: position i − 1 holds coefficient i (coefIndexToNM).
using CoefficientList = std::array<double, 27>;

/// Coefficients by rank n (0 … 6) and index m (−6 … 6); only n = 2, 4, 6 with |m| ≤ n are used.
/// Any other pair throws std::out_of_range.
class CoefArrayNM {
public:
    double& operator()(int n, int m) { return values_.at(slot(n, m)); }
    double operator()(int n, int m) const { return values_.at(slot(n, m)); }

private:
    static std::size_t slot(int n, int m);
    std::array<double, 7 * 13> values_{};
};

/// A palette: entry k holds the red, green and blue intensities (0 … 1) of palette index k;
/// index 0 belongs to the lowest value, 255 to the highest.
using colorMap = std::array<std::array<double, 3>, 256>;

/// The value range of a set of points.
struct ValueRange {
    double min = 0;
    double max = 0;
    bool operator==(const ValueRange&) const = default;
};

} // namespace vintrel
