#include "angular_momentum.h"

#include <cmath>
#include <complex>

namespace vintrel::generator {

namespace {
const std::complex<double> kI(0.0, 1.0);

double projection(double j, int index, ProjectionOrder order) {
    return order == ProjectionOrder::Ascending ? -j + index : j - index;
}

void completeCartesian(AngularMomentum& a) {
    a.x = 0.5 * (a.plus + a.minus);
    a.y = -0.5 * kI * (a.plus - a.minus);
}

AngularMomentum embed(const AngularMomentum& a, const CMatrix& left, const CMatrix& right,
                      bool outer) {
    AngularMomentum e;
    e.j = a.j;
    auto place = [&](const CMatrix& m) { return outer ? kron(m, right) : kron(left, m); };
    e.z = place(a.z);
    e.plus = place(a.plus);
    e.minus = place(a.minus);
    completeCartesian(e);
    return e;
}
} // namespace

AngularMomentum angularMomentum(double j, ProjectionOrder order) {
    const int n = static_cast<int>(std::lround(2 * j)) + 1;
    AngularMomentum a;
    a.j = j;
    a.z = CMatrix::Zero(n, n);
    a.plus = CMatrix::Zero(n, n);
    for (int r = 0; r < n; ++r) {
        a.z(r, r) = projection(j, r, order);
    }
    for (int c = 0; c < n; ++c) {
        const double m = projection(j, c, order);
        if (m >= j - 1e-9) {
            continue;
        }
        const int r = order == ProjectionOrder::Ascending ? c + 1 : c - 1;
        a.plus(r, c) = std::sqrt(j * (j + 1) - m * (m + 1));
    }
    a.minus = a.plus.adjoint();
    completeCartesian(a);
    return a;
}

CMatrix kron(const CMatrix& a, const CMatrix& b) {
    CMatrix k(a.rows() * b.rows(), a.cols() * b.cols());
    for (Eigen::Index r = 0; r < a.rows(); ++r) {
        for (Eigen::Index c = 0; c < a.cols(); ++c) {
            k.block(r * b.rows(), c * b.cols(), b.rows(), b.cols()) = a(r, c) * b;
        }
    }
    return k;
}

AngularMomentum embedOuter(const AngularMomentum& outer, int innerDimension) {
    return embed(outer, CMatrix(), CMatrix::Identity(innerDimension, innerDimension), true);
}

AngularMomentum embedInner(const AngularMomentum& inner, int outerDimension) {
    return embed(inner, CMatrix::Identity(outerDimension, outerDimension), CMatrix(), false);
}

} // namespace vintrel::generator
