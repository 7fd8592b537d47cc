#pragma once

#include <vector>

namespace vintrel::test {

/// The eigenvalues of a real symmetric n × n matrix (row by row), ascending, by cyclic Jacobi
/// rotations. For the small matrices of the tests (a few hundred rows at most).
std::vector<double> symmetricEigenvalues(std::vector<double> matrix, int n);

/// The eigenvalues of a Hermitian N × N matrix given by its real and imaginary parts (row by
/// row), ascending: those of the real symmetric form [[Re, −Im], [Im, Re]], each of which comes
/// twice, taken once.
std::vector<double> hermitianEigenvalues(const std::vector<double>& re,
                                         const std::vector<double>& im, int N);

} // namespace vintrel::test
