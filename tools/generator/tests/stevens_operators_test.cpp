#include "angular_momentum.h"
#include "stevens_operators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

namespace vintrel::generator {
namespace {

/// A polynomial in x, y, z: exponents (a, b, c) -> coefficient.
using Poly = std::map<std::array<int, 3>, double>;

Poly operator*(const Poly& p, const Poly& q) {
    Poly r;
    for (const auto& [e1, c1] : p) {
        for (const auto& [e2, c2] : q) {
            r[{e1[0] + e2[0], e1[1] + e2[1], e1[2] + e2[2]}] += c1 * c2;
        }
    }
    return r;
}
Poly operator+(Poly p, const Poly& q) {
    for (const auto& [e, c] : q) {
        p[e] += c;
    }
    return p;
}
Poly operator*(double s, Poly p) {
    for (auto& [e, c] : p) {
        c *= s;
    }
    return p;
}
Poly operator-(const Poly& p, const Poly& q) {
    return p + (-1.0 * q);
}

const Poly X{{{1, 0, 0}, 1.0}};
const Poly Y{{{0, 1, 0}, 1.0}};
const Poly Z{{{0, 0, 1}, 1.0}};
const Poly R2 = X * X + Y * Y + Z * Z;
Poly c(double v) {
    return Poly{{{0, 0, 0}, v}};
}

/// The Cartesian polynomials of the potential view, the reference of the operator equivalents.
Poly stevensPolynomial(int n, int m) {
    const Poly z2 = Z * Z, z3 = z2 * Z, z4 = z2 * z2, r4 = R2 * R2;
    const Poly x2y2 = X * X - Y * Y;
    const Poly x4 = X * X * X * X - 6.0 * (X * X * Y * Y) + Y * Y * Y * Y;
    switch (n * 10 + m) {
    case 18:
        return 2.0 * (X * Y);
    case 19:
        return Y * Z;
    case 20:
        return 3.0 * z2 - R2;
    case 21:
        return X * Z;
    case 22:
        return x2y2;
    case 36:
        return 4.0 * (X * Y * x2y2);
    case 37:
        return Y * Z * (3.0 * (X * X) - Y * Y);
    case 38:
        return 2.0 * (X * Y * (7.0 * z2 - R2));
    case 39:
        return Y * Z * (7.0 * z2 - 3.0 * R2);
    case 40:
        return 35.0 * z4 - 30.0 * (R2 * z2) + 3.0 * r4;
    case 41:
        return X * Z * (7.0 * z2 - 3.0 * R2);
    case 42:
        return x2y2 * (7.0 * z2 - R2);
    case 43:
        return X * Z * (X * X - 3.0 * (Y * Y));
    case 44:
        return x4;
    case 54:
        return X * Y * (6.0 * (X * X * X * X) - 20.0 * (X * X * Y * Y) + 6.0 * (Y * Y * Y * Y));
    case 55:
        return Y * Z * (5.0 * (X * X * X * X) - 10.0 * (X * X * Y * Y) + Y * Y * Y * Y);
    case 56:
        return 4.0 * (X * Y * x2y2 * (11.0 * z2 - R2));
    case 57:
        return Y * (3.0 * (X * X) - Y * Y) * (11.0 * z3 - 3.0 * (Z * R2));
    case 58:
        return 2.0 * (X * Y * (33.0 * z4 - 18.0 * (z2 * R2) + r4));
    case 59:
        return Y * Z * (33.0 * z4 - 30.0 * (R2 * z2) + 5.0 * r4);
    case 60:
        return 231.0 * (z4 * z2) - 315.0 * (R2 * z4) + 105.0 * (r4 * z2) - 5.0 * (r4 * R2);
    case 61:
        return X * Z * (33.0 * z4 - 30.0 * (R2 * z2) + 5.0 * r4);
    case 62:
        return x2y2 * (33.0 * z4 - 18.0 * (z2 * R2) + r4);
    case 63:
        return X * (X * X - 3.0 * (Y * Y)) * (11.0 * z3 - 3.0 * (Z * R2));
    case 64:
        return x4 * (11.0 * z2 - R2);
    case 65:
        return X * Z * (X * X * X * X - 10.0 * (X * X * Y * Y) + 5.0 * (Y * Y * Y * Y));
    case 66:
        return X * X * X * X * X * X - 15.0 * (X * X * X * X * Y * Y) +
               15.0 * (X * X * Y * Y * Y * Y) - Y * Y * Y * Y * Y * Y;
    default:
        return c(0);
    }
}

/// Stevens' rule: replace x, y, z by Jx, Jy, Jz, averaging each monomial over all orderings.
CMatrix symmetrised(const Poly& p, const AngularMomentum& a) {
    const Eigen::Index d = a.z.rows();
    CMatrix sum = CMatrix::Zero(d, d);
    for (const auto& [e, coefficient] : p) {
        if (std::abs(coefficient) < 1e-12) {
            continue;
        }
        std::vector<int> factors;
        for (int k = 0; k < 3; ++k) {
            factors.insert(factors.end(), e[k], k);
        }
        CMatrix term = CMatrix::Zero(d, d);
        int orderings = 0;
        do {
            CMatrix product = CMatrix::Identity(d, d);
            for (int f : factors) {
                product = product * (f == 0 ? a.x : (f == 1 ? a.y : a.z));
            }
            term += product;
            ++orderings;
        } while (std::next_permutation(factors.begin(), factors.end()));
        sum += coefficient / orderings * term;
    }
    return sum;
}

TEST(StevensOperators, EqualSymmetrisedCartesianPolynomials) {
    for (double j : {1.0, 2.5, 3.5, 4.0}) {
        const AngularMomentum a = angularMomentum(j, ProjectionOrder::Ascending);
        for (int n : {2, 4, 6}) {
            if (n > 2 * j) {
                continue;
            }
            for (int m = -n; m <= n; ++m) {
                const CMatrix expected = symmetrised(stevensPolynomial(n, m), a);
                const CMatrix actual = stevensOperator(n, m, a);
                EXPECT_LT((expected - actual).norm(), 1e-8 * (1 + expected.norm()))
                    << "J=" << j << " O_" << n << "^" << m;
            }
        }
    }
}

TEST(StevensOperators, AreIrreducibleTensorsInBothProjectionOrders) {
    for (ProjectionOrder order : {ProjectionOrder::Ascending, ProjectionOrder::Descending}) {
        const AngularMomentum a = angularMomentum(4.5, order);
        for (int slot = 0; slot < kCoefficientCount; ++slot) {
            const RankIndex ri = slotRankIndex(slot);
            const CMatrix o = stevensOperator(ri.n, ri.m, a);
            CMatrix casimir = CMatrix::Zero(o.rows(), o.cols());
            for (const CMatrix* c : {&a.x, &a.y, &a.z}) {
                const CMatrix inner = *c * o - o * *c;
                casimir += *c * inner - inner * *c;
            }
            EXPECT_LT((casimir - ri.n * (ri.n + 1.0) * o).norm(), 1e-7 * o.norm())
                << "O_" << ri.n << "^" << ri.m;
            EXPECT_LT((o - o.adjoint()).norm(), 1e-9 * o.norm());
            EXPECT_NEAR(std::abs(o.trace()), 0.0, 1e-8 * o.norm());
        }
    }
}

TEST(StevensOperators, CubicCombinationSplitsJFiveHalvesIntoQuartetAndDoublet) {
    const AngularMomentum a = angularMomentum(2.5, ProjectionOrder::Ascending);
    const CMatrix h = stevensOperator(4, 0, a) + 5.0 * stevensOperator(4, 4, a);
    Eigen::SelfAdjointEigenSolver<CMatrix> solver(h);
    const Eigen::VectorXd e = solver.eigenvalues();
    // Known result for J = 5/2: Gamma7 at -240, Gamma8 at +120 (in units of B_4^0).
    EXPECT_NEAR(e(0), -240.0, 1e-8);
    EXPECT_NEAR(e(1), -240.0, 1e-8);
    for (int i = 2; i < 6; ++i) {
        EXPECT_NEAR(e(i), 120.0, 1e-8);
    }
}

TEST(StevensOperators, SlotsFollowRankThenIndex) {
    EXPECT_EQ(coefficientSlot(2, -2), 0);
    EXPECT_EQ(coefficientSlot(4, 0), 9);
    EXPECT_EQ(coefficientSlot(6, 6), 26);
    for (int slot = 0; slot < kCoefficientCount; ++slot) {
        const RankIndex ri = slotRankIndex(slot);
        EXPECT_EQ(coefficientSlot(ri.n, ri.m), slot);
    }
}

} // namespace
} // namespace vintrel::generator
