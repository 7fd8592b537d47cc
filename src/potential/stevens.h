#pragma once

#include "potential/potential_types.h"

namespace vintrel {

/// The rank n and index m of a coefficient.
struct CoefNM {
    int n = 0;
    int m = 0;
    bool operator==(const CoefNM&) const = default;
};

/// Flat position i (1 … 27) to (n, m): i ≤ 5 gives n = 2, m = i − 3; i > 14 gives n = 6,
/// m = i − 21; otherwise n = 4, m = i − 10.
CoefNM coefIndexToNM(int i);

/// The inverse: m + 3, m + 10 or m + 21 for n = 2, 4, 6; 0 for any other pair.
int coefNMToIndex(int n, int m);

/// The Stevens polynomial O_n^m(x, y, z) (unnormalised Cartesian form); 0 for any pair other
/// than n = 2, 4, 6 with |m| ≤ n.
double stevensPolynomial(int n, int m, double x, double y, double z);

/// The powers of one point that every polynomial is made of, each computed once and rounded
/// to a double: r² = (x² + y²) + z².
struct Monomials {
    double x, y, z;
    double x2, y2, z2, r2;
};

inline Monomials monomialsOf(double x, double y, double z) {
    const double x2 = x * x;
    const double y2 = y * y;
    const double z2 = z * z;
    return {x, y, z, x2, y2, z2, (x2 + y2) + z2};
}

/// O_n^m from the monomials of a point, for the flat position i − 1 = `term` (0 … 26). The
/// operations and their order are fixed here, once, so that every caller gets the same bits.
template <int term>
inline double stevensTerm(const Monomials& p) {
    const double x = p.x, y = p.y, z = p.z, x2 = p.x2, y2 = p.y2, z2 = p.z2, r2 = p.r2;
    if constexpr (term == 0) // n = 2, m = −2: 2xy
        return (2 * x) * y;
    else if constexpr (term == 1) // yz
        return y * z;
    else if constexpr (term == 2) // 3z² − r²
        return 3 * z2 - r2;
    else if constexpr (term == 3) // xz
        return x * z;
    else if constexpr (term == 4) // x² − y²
        return x2 - y2;
    else if constexpr (term == 5) // n = 4, m = −4: 4xy(x² − y²)
        return ((4 * x) * y) * (x2 - y2);
    else if constexpr (term == 6) // yz(3x² − y²)
        return (y * z) * (3 * x2 - y2);
    else if constexpr (term == 7) // 2xy(7z² − r²)
        return ((2 * x) * y) * (7 * z2 - r2);
    else if constexpr (term == 8) // yz(7z² − 3r²)
        return (y * z) * (7 * z2 - 3 * r2);
    else if constexpr (term == 9) // 35z⁴ − 30r²z² + 3r⁴
        return (35 * (z2 * z2) - 30 * (r2 * z2)) + 3 * (r2 * r2);
    else if constexpr (term == 10) // xz(7z² − 3r²)
        return (x * z) * (7 * z2 - 3 * r2);
    else if constexpr (term == 11) // (x² − y²)(7z² − r²)
        return (x2 - y2) * (7 * z2 - r2);
    else if constexpr (term == 12) // xz(x² − 3y²)
        return (x * z) * (x2 - 3 * y2);
    else if constexpr (term == 13) // x⁴ − 6x²y² + y⁴
        return ((x2 * x2) - 6 * (x2 * y2)) + (y2 * y2);
    else if constexpr (term == 14) // n = 6, m = −6: xy(6x⁴ − 20x²y² + 6y⁴)
        return (x * y) * ((6 * (x2 * x2) - 20 * (x2 * y2)) + 6 * (y2 * y2));
    else if constexpr (term == 15) // yz(5x⁴ − 10x²y² + y⁴)
        return (y * z) * ((5 * (x2 * x2) - 10 * (x2 * y2)) + (y2 * y2));
    else if constexpr (term == 16) // 4xy(x² − y²)(11z² − r²)
        return (((4 * x) * y) * (x2 - y2)) * (11 * z2 - r2);
    else if constexpr (term == 17) // y(3x² − y²)(11z³ − 3zr²)
        return (y * (3 * x2 - y2)) * (11 * (z2 * z) - 3 * (z * r2));
    else if constexpr (term == 18) // 2xy(33z⁴ − 18z²r² + r⁴)
        return ((2 * x) * y) * ((33 * (z2 * z2) - 18 * (z2 * r2)) + (r2 * r2));
    else if constexpr (term == 19) // yz(33z⁴ − 30r²z² + 5r⁴)
        return (y * z) * ((33 * (z2 * z2) - 30 * (r2 * z2)) + 5 * (r2 * r2));
    else if constexpr (term == 20) // 231z⁶ − 315r²z⁴ + 105r⁴z² − 5r⁶
        return ((231 * ((z2 * z2) * z2) - 315 * (r2 * (z2 * z2))) + 105 * ((r2 * r2) * z2)) -
               5 * ((r2 * r2) * r2);
    else if constexpr (term == 21) // xz(33z⁴ − 30r²z² + 5r⁴)
        return (x * z) * ((33 * (z2 * z2) - 30 * (r2 * z2)) + 5 * (r2 * r2));
    else if constexpr (term == 22) // (x² − y²)(33z⁴ − 18z²r² + r⁴)
        return (x2 - y2) * ((33 * (z2 * z2) - 18 * (z2 * r2)) + (r2 * r2));
    else if constexpr (term == 23) // x(x² − 3y²)(11z³ − 3zr²)
        return (x * (x2 - 3 * y2)) * (11 * (z2 * z) - 3 * (z * r2));
    else if constexpr (term == 24) // (x⁴ − 6x²y² + y⁴)(11z² − r²)
        return (((x2 * x2) - 6 * (x2 * y2)) + (y2 * y2)) * (11 * z2 - r2);
    else if constexpr (term == 25) // xz(x⁴ − 10x²y² + 5y⁴)
        return (x * z) * (((x2 * x2) - 10 * (x2 * y2)) + 5 * (y2 * y2));
    else if constexpr (term == 26) // x⁶ − 15x⁴y² + 15x²y⁴ − y⁶
        return ((((x2 * x2) * x2) - 15 * ((x2 * x2) * y2)) + 15 * (x2 * (y2 * y2))) -
               ((y2 * y2) * y2);
    else
        static_assert(term >= 0 && term < 27, "no such term");
}

} // namespace vintrel
