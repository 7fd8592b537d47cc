#pragma once

#include <Eigen/Dense>

namespace vintrel::generator {

using CMatrix = Eigen::MatrixXcd;

/// The components of one angular momentum as matrices in a basis of its projections.
struct AngularMomentum {
    double j = 0;
    CMatrix x, y, z, plus, minus;

    int dimension() const { return static_cast<int>(z.rows()); }
};

/// Projection order of a basis: m = -j .. j (ascending) or m = j .. -j (descending).
enum class ProjectionOrder { Ascending, Descending };

/// Matrices of J_x, J_y, J_z, J_+ and J_- for angular momentum `j` (integer or half-integer).
AngularMomentum angularMomentum(double j, ProjectionOrder order);

/// Kronecker product a (x) b: `a` acts on the outer index, `b` on the inner one.
CMatrix kron(const CMatrix& a, const CMatrix& b);

/// Embeds the operators of an outer and an inner momentum into their product space.
AngularMomentum embedOuter(const AngularMomentum& outer, int innerDimension);
AngularMomentum embedInner(const AngularMomentum& inner, int outerDimension);

} // namespace vintrel::generator
