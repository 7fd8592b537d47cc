#pragma once

#include "ion_model.h"

#include <vector>

namespace vintrel::generator {

/// Eigenvalues (ascending) and eigenvectors (columns) of a Hamiltonian.
struct Eigenstates {
    Eigen::VectorXd energies;
    CMatrix vectors;
};

/// Diagonalises a Hermitian matrix; with `real` the imaginary part is dropped first so that
/// the eigenvectors come out real.
Eigenstates diagonalise(const CMatrix& h, bool real);

/// <v|op|w>.
std::complex<double> matrixElement(const CMatrix& op, const Eigen::VectorXcd& v,
                                   const Eigen::VectorXcd& w);
/// <v|op|v> for a Hermitian operator.
double expectation(const CMatrix& op, const Eigen::VectorXcd& v);

/// One level of an axis section of "o_E.dup".
struct LevelLine {
    double energy = 0;
    double aboveGround = 0;
    double j = 0;
    double s = 0;
    double l = 0;
    double moment = 0;
};

/// The eigenstates of `h` with a probing field `probe` (T) added along `axis`, and the
/// expectation values of the components along that axis.
struct AxisSection {
    Eigenstates states;
    std::vector<LevelLine> lines;
};
AxisSection axisSection(const IonModel& model, const CMatrix& h, int axis, double probe);

/// Boltzmann populations of the levels at temperature t (K); t = 0 puts everything into the
/// lowest level (and those degenerate with it).
Eigen::VectorXd populations(const Eigen::VectorXd& energies, double t);

} // namespace vintrel::generator
