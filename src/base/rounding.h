#pragma once

#include <algorithm>
#include <cmath>

namespace vintrel {

/// Rounds to the nearest integer, halves going to the even neighbour: the one rounding of
/// scaled sizes and screen coordinates. Values beyond ±2e9 are clamped; NaN gives 0.
inline int roundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    const double clamped = std::clamp(value, -2e9, 2e9);
    const double lower = std::floor(clamped);
    const double fraction = clamped - lower;
    double result = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0))
        result = lower + 1;
    return static_cast<int>(result);
}

} // namespace vintrel
