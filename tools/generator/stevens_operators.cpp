#include "stevens_operators.h"

#include <cmath>
#include <complex>
#include <stdexcept>
#include <vector>

namespace vintrel::generator {

namespace {

/// Coefficients of the polynomial f(Jz) = sum c[k] Jz^k of O_n^|m| for X = J(J+1).
std::vector<double> zPolynomial(int n, int m, double X) {
    switch (n * 10 + m) {
    case 20:
        return {-X, 0, 3};
    case 21:
        return {0, 1};
    case 22:
        return {1};
    case 40:
        return {3 * X * X - 6 * X, 0, -(30 * X - 25), 0, 35};
    case 41:
        return {0, -(3 * X + 1), 0, 7};
    case 42:
        return {-X - 5, 0, 7};
    case 43:
        return {0, 1};
    case 44:
        return {1};
    case 60:
        return {-5 * X * X * X + 40 * X * X - 60 * X,
                0,
                105 * X * X - 525 * X + 294,
                0,
                -(315 * X - 735),
                0,
                231};
    case 61:
        return {0, 5 * X * X - 10 * X + 12, 0, -(30 * X - 15), 0, 33};
    case 62:
        return {X * X + 10 * X + 102, 0, -(18 * X + 123), 0, 33};
    case 63:
        return {0, -(3 * X + 59), 0, 11};
    case 64:
        return {-X - 38, 0, 11};
    case 65:
        return {0, 1};
    case 66:
        return {1};
    default:
        throw std::invalid_argument("no Stevens operator of this rank and index");
    }
}

CMatrix polynomialOfJz(const std::vector<double>& c, const CMatrix& jz) {
    const Eigen::Index d = jz.rows();
    CMatrix result = CMatrix::Zero(d, d);
    CMatrix power = CMatrix::Identity(d, d);
    for (double coefficient : c) {
        result += coefficient * power;
        power = power * jz;
    }
    return result;
}

CMatrix matrixPower(const CMatrix& a, int k) {
    CMatrix p = CMatrix::Identity(a.rows(), a.cols());
    for (int i = 0; i < k; ++i) {
        p = p * a;
    }
    return p;
}

} // namespace

int coefficientSlot(int n, int m) {
    const int base = n == 2 ? 2 : (n == 4 ? 9 : 20);
    return base + m;
}

RankIndex slotRankIndex(int slot) {
    if (slot < 5) {
        return {2, slot - 2};
    }
    if (slot < 14) {
        return {4, slot - 9};
    }
    return {6, slot - 20};
}

CMatrix stevensOperator(int n, int m, const AngularMomentum& a) {
    const double X = a.j * (a.j + 1);
    const int am = std::abs(m);
    const CMatrix f = polynomialOfJz(zPolynomial(n, am, X), a.z);
    if (m == 0) {
        return f;
    }
    const CMatrix up = matrixPower(a.plus, am);
    const CMatrix down = matrixPower(a.minus, am);
    const CMatrix ladder =
        m > 0 ? CMatrix(up + down) : CMatrix(std::complex<double>(0, -1) * (up - down));
    return 0.25 * (ladder * f + f * ladder);
}

CMatrix crystalField(const Coefficients& b, const AngularMomentum& a) {
    const Eigen::Index d = a.z.rows();
    CMatrix h = CMatrix::Zero(d, d);
    for (int slot = 0; slot < kCoefficientCount; ++slot) {
        if (b[slot] != 0.0) {
            const RankIndex ri = slotRankIndex(slot);
            h += b[slot] * stevensOperator(ri.n, ri.m, a);
        }
    }
    return h;
}

} // namespace vintrel::generator
