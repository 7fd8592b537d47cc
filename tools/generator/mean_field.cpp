#include "mean_field.h"

#include "text_format.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace vintrel::generator {

namespace {

constexpr double kDerivativeField = 1e-4;
constexpr double kSolveTolerance = 1e-11;
constexpr int kSolveIterations = 400;
constexpr double kHeatStep = 1e-4;
constexpr double kZeroMoment = 1e-8;

using Matrix3 = Eigen::Matrix3d;

Eigen::Vector3d toEigen(const Vector3& v) {
    return {v[0], v[1], v[2]};
}
Vector3 fromEigen(const Eigen::Vector3d& v) {
    return {v(0), v(1), v(2)};
}

CMatrix fieldFreeHamiltonian(const IonModel& model) {
    return model.crystalField + model.spinOrbit;
}

Vector3 add(const Vector3& a, const Vector3& b, double scale = 1) {
    return {a[0] + scale * b[0], a[1] + scale * b[1], a[2] + scale * b[2]};
}

/// d m_a / d B_b of the single ion at total field b.
Matrix3 singleIonSusceptibility(const IonModel& model, const Vector3& b, double t) {
    Matrix3 chi;
    for (int col = 0; col < 3; ++col) {
        Vector3 d{};
        d[col] = kDerivativeField;
        const Eigen::Vector3d up = toEigen(singleIonMoment(model, add(b, d), t));
        const Eigen::Vector3d down = toEigen(singleIonMoment(model, add(b, d, -1), t));
        chi.col(col) = (up - down) / (2 * kDerivativeField);
    }
    return 0.5 * (chi + chi.transpose());
}

Vector3 totalField(const IonModel& model, double exchange, const Vector3& m) {
    return add(model.field, m, exchange);
}

double freeEnergy(const IonModel& model, const Vector3& b, double t) {
    const Eigenstates s = diagonalise(fieldFreeHamiltonian(model) + model.zeemanTerm(b), false);
    const double e0 = s.energies.minCoeff();
    double z = 0;
    for (Eigen::Index i = 0; i < s.energies.size(); ++i) {
        z += std::exp(-(s.energies(i) - e0) / t);
    }
    return e0 - t * std::log(z);
}

double meanFieldFreeEnergy(const IonModel& model, double exchange, const Vector3& m, double t) {
    const double m2 = m[0] * m[0] + m[1] * m[1] + m[2] * m[2];
    return freeEnergy(model, totalField(model, exchange, m), t) +
           0.5 * kBohrMagnetonK * exchange * m2;
}

double largestSusceptibility(const IonModel& model, double t) {
    const Matrix3 chi = singleIonSusceptibility(model, model.field, t);
    return Eigen::SelfAdjointEigenSolver<Matrix3>(chi).eigenvalues().maxCoeff();
}

double orderingTemperature(const IonModel& model, double exchange, double tLow, double tHigh) {
    if (exchange <= 0 || exchange * largestSusceptibility(model, tLow) < 1) {
        return 0;
    }
    while (exchange * largestSusceptibility(model, tHigh) > 1) {
        tHigh *= 2;
    }
    for (int i = 0; i < 100 && tHigh - tLow > 1e-10 * tHigh; ++i) {
        const double mid = 0.5 * (tLow + tHigh);
        (exchange * largestSusceptibility(model, mid) > 1 ? tLow : tHigh) = mid;
    }
    return 0.5 * (tLow + tHigh);
}

/// A converged moment of numerical-noise size is the paramagnetic solution m = 0.
Vector3 snapToZero(const IonModel& model, double exchange, double t, const Vector3& m) {
    if (toEigen(m).norm() > kZeroMoment) {
        return m;
    }
    const Vector3 zero{};
    const Vector3 f = singleIonMoment(model, totalField(model, exchange, zero), t);
    return toEigen(f).norm() < kSolveTolerance ? zero : m;
}

Vector3 startingMoment(const IonModel& model, const ResultRecipe& recipe, double t) {
    Vector3 best{};
    double bestF = meanFieldFreeEnergy(model, recipe.exchange,
                                       selfConsistentMoment(model, recipe.exchange, t, best), t);
    for (int axis = 0; axis < 3; ++axis) {
        Vector3 b = model.field;
        b[axis] += recipe.settings.mfField0;
        const Vector3 m =
            selfConsistentMoment(model, recipe.exchange, t, singleIonMoment(model, b, t));
        const double f = meanFieldFreeEnergy(model, recipe.exchange, m, t);
        if (f < bestF - 1e-9) {
            bestF = f;
            best = m;
        }
    }
    return best;
}

double entropyAt(const IonModel& model, double exchange, double t, const Vector3& start) {
    const Vector3 m = selfConsistentMoment(model, exchange, t, start);
    const Eigenstates s = diagonalise(
        fieldFreeHamiltonian(model) + model.zeemanTerm(totalField(model, exchange, m)), false);
    return heatRow(s.energies, t).s;
}

/// Least-squares fit of F = K0 + K1 s^2 + K2 s^4 + K2' s^4 cos 4phi + K3 s^6 + K3' s^6 cos 6phi
/// (s = sin theta) to the free energies of the molecular field turned to (theta, phi).
std::array<double, 5> fitAnisotropy(const IonModel& model, double magnitude, double t) {
    const double rad = std::numbers::pi / 180;
    std::vector<std::array<double, 6>> rows;
    std::vector<double> energies;
    for (int theta = 0; theta <= 90; theta += 10) {
        for (int phi = 0; phi <= 90; phi += 15) {
            const double s = std::sin(theta * rad), s2 = s * s, s4 = s2 * s2, s6 = s4 * s2;
            rows.push_back(
                {1, s2, s4, s4 * std::cos(4 * phi * rad), s6, s6 * std::cos(6 * phi * rad)});
            const Vector3 dir{s * std::cos(phi * rad), s * std::sin(phi * rad),
                              std::cos(theta * rad)};
            energies.push_back(freeEnergy(model, add(model.field, dir, magnitude), t));
        }
    }
    Eigen::MatrixXd a(rows.size(), 6);
    Eigen::VectorXd f(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (int k = 0; k < 6; ++k) {
            a(i, k) = rows[i][k];
        }
        f(i) = energies[i];
    }
    const Eigen::VectorXd k = a.colPivHouseholderQr().solve(f);
    return {k(1), k(2), k(3), k(4), k(5)};
}

AnisotropyRow anisotropy(const IonModel& model, const Vector3& molecularField, double t) {
    AnisotropyRow row;
    row.t = t;
    const double magnitude = toEigen(molecularField).norm();
    if (magnitude > 1e-9) {
        row.k = fitAnisotropy(model, magnitude, t);
    }
    return row;
}

MeanFieldStep makeStep(const IonModel& model, const ResultRecipe& recipe, double t,
                       const Vector3& m) {
    MeanFieldStep step;
    step.t = t;
    step.m = m;
    step.molecularField = {recipe.exchange * m[0], recipe.exchange * m[1], recipe.exchange * m[2]};
    const Vector3 b = totalField(model, recipe.exchange, m);
    step.hamiltonian = fieldFreeHamiltonian(model) + model.zeemanTerm(b);
    step.states = diagonalise(step.hamiltonian, false);
    const Matrix3 chi0 = singleIonSusceptibility(model, b, t);
    const Matrix3 chi = (Matrix3::Identity() - recipe.exchange * chi0).inverse() * chi0;
    step.chi = {chi(0, 0), chi(1, 1), chi(2, 2)};
    step.heat = heatRow(step.states.energies, t);
    const double h = kHeatStep * t;
    const double sUp = entropyAt(model, recipe.exchange, t + h, m);
    const double sDown = entropyAt(model, recipe.exchange, t - h, m);
    step.heat.c = t * (sUp - sDown) / (2 * h);
    step.anisotropy = anisotropy(model, step.molecularField, t);
    return step;
}

} // namespace

Vector3 singleIonMoment(const IonModel& model, const Vector3& b, double t) {
    const Eigenstates s = diagonalise(fieldFreeHamiltonian(model) + model.zeemanTerm(b), false);
    return thermalMoment(model, s, t);
}

Vector3 selfConsistentMoment(const IonModel& model, double exchange, double t, Vector3 start) {
    Eigen::Vector3d m = toEigen(start);
    for (int iteration = 0; iteration < kSolveIterations; ++iteration) {
        const Vector3 b = totalField(model, exchange, fromEigen(m));
        const Eigen::Vector3d g = toEigen(singleIonMoment(model, b, t)) - m;
        if (g.norm() < kSolveTolerance) {
            return snapToZero(model, exchange, t, fromEigen(m));
        }
        const Matrix3 jacobian =
            exchange * singleIonSusceptibility(model, b, t) - Matrix3::Identity();
        const Eigen::Vector3d step = jacobian.fullPivLu().solve(-g);
        m += step.allFinite() && step.norm() < 1e3 ? step : g;
    }
    throw std::runtime_error("the mean-field iteration did not converge at T = " + shortestText(t) +
                             " K");
}

MeanFieldRun runMeanField(const IonModel& model, const ResultRecipe& recipe) {
    const std::vector<double> grid =
        temperatureGrid(recipe.settings.chiTmax, recipe.settings.chiPoints);
    MeanFieldRun run;
    run.tc = orderingTemperature(model, recipe.exchange, grid.front(), grid.back());
    Vector3 m = startingMoment(model, recipe, grid.front());
    for (double t : grid) {
        m = selfConsistentMoment(model, recipe.exchange, t, m);
        run.steps.push_back(makeStep(model, recipe, t, m));
    }
    return run;
}

} // namespace vintrel::generator
