#include "eigenstates.h"

#include <cmath>

namespace vintrel::generator {

Eigenstates diagonalise(const CMatrix& h, bool real) {
    Eigenstates e;
    if (real) {
        Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(h.real());
        e.energies = solver.eigenvalues();
        e.vectors = solver.eigenvectors().cast<std::complex<double>>();
    } else {
        Eigen::SelfAdjointEigenSolver<CMatrix> solver(h);
        e.energies = solver.eigenvalues();
        e.vectors = solver.eigenvectors();
    }
    return e;
}

std::complex<double> matrixElement(const CMatrix& op, const Eigen::VectorXcd& v,
                                   const Eigen::VectorXcd& w) {
    return v.dot(op * w);
}

double expectation(const CMatrix& op, const Eigen::VectorXcd& v) {
    return matrixElement(op, v, v).real();
}

AxisSection axisSection(const IonModel& model, const CMatrix& h, int axis, double probe) {
    Vector3 b{};
    b[axis] = probe;
    AxisSection section;
    const bool real = !model.complexHamiltonian && axis != 1;
    section.states = diagonalise(h + model.zeemanTerm(b), real);
    const Eigen::VectorXd& e = section.states.energies;
    for (Eigen::Index i = 0; i < e.size(); ++i) {
        const Eigen::VectorXcd v = section.states.vectors.col(i);
        section.lines.push_back({e(i), e(i) - e(0), expectation(model.j[axis], v),
                                 expectation(model.s[axis], v), expectation(model.l[axis], v),
                                 expectation(model.moment[axis], v)});
    }
    return section;
}

Eigen::VectorXd populations(const Eigen::VectorXd& energies, double t) {
    const double e0 = energies.minCoeff();
    Eigen::VectorXd w(energies.size());
    for (Eigen::Index i = 0; i < energies.size(); ++i) {
        const double de = energies(i) - e0;
        w(i) = t > 0 ? std::exp(-de / t) : (de < 1e-9 ? 1.0 : 0.0);
    }
    return w / w.sum();
}

} // namespace vintrel::generator
