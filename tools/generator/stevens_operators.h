#pragma once

#include "angular_momentum.h"

#include <array>

namespace vintrel::generator {

/// Number of crystal-field coefficients: ranks 2, 4, 6 with every m from -n to n.
inline constexpr int kCoefficientCount = 27;
using Coefficients = std::array<double, kCoefficientCount>;

/// Flat slot (0-based) of rank n and index m: rank by rank, m increasing.
int coefficientSlot(int n, int m);
/// Rank and index of a flat slot (0-based).
struct RankIndex {
    int n = 0;
    int m = 0;
};
RankIndex slotRankIndex(int slot);

/// The Stevens operator equivalent O_n^m of the momentum `a` (n = 2, 4, 6; |m| <= n). For
/// m > 0 it belongs to Re (x + iy)^m, for m < 0 to Im (x + iy)^|m|, matching the Cartesian
/// polynomials of the potential view.
CMatrix stevensOperator(int n, int m, const AngularMomentum& a);

/// Sum over all slots of coefficient * O_n^m.
CMatrix crystalField(const Coefficients& b, const AngularMomentum& a);

} // namespace vintrel::generator
