#pragma once

#include "data_files.h"
#include "eigenstates.h"
#include "thermodynamics.h"

#include <vector>

namespace vintrel::generator {

/// One temperature step of a self-consistent mean-field calculation.
struct MeanFieldStep {
    double t = 0;
    /// Self-consistent physical moment (mu_B) and molecular field n_ex * m (T).
    Vector3 m{};
    Vector3 molecularField{};
    /// The effective single-ion Hamiltonian H_CEF + H_so + mu_B M.(B_ext + B_mol).
    CMatrix hamiltonian;
    Eigenstates states;
    /// Mean-field susceptibility chi_aa (mu_B/T) along x, y, z.
    Vector3 chi{};
    HeatRow heat;
    AnisotropyRow anisotropy;
};

struct MeanFieldRun {
    /// Ordering temperature (K): n_ex times the largest single-ion susceptibility reaches 1;
    /// 0 when the ion does not order above the lowest temperature step.
    double tc = 0;
    std::vector<MeanFieldStep> steps;
};

/// Solves the mean-field equations m = -<M> with B_mol = n_ex m on the susceptibility
/// temperature grid of the result.
MeanFieldRun runMeanField(const IonModel& model, const ResultRecipe& recipe);

/// The self-consistent moment at temperature t, starting from `start`; throws
/// std::runtime_error when the iteration does not converge.
Vector3 selfConsistentMoment(const IonModel& model, double exchange, double t, Vector3 start);

/// The single-ion moment -<M> (mu_B) in a total field b at temperature t.
Vector3 singleIonMoment(const IonModel& model, const Vector3& b, double t);

} // namespace vintrel::generator
