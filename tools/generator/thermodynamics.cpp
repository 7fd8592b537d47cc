#include "thermodynamics.h"

#include <cmath>

namespace vintrel::generator {

std::vector<double> temperatureGrid(double tmax, int points) {
    std::vector<double> t;
    for (int i = 1; i <= points; ++i) {
        t.push_back(tmax * i / points);
    }
    return t;
}

double susceptibilityField(const ResultRecipe& recipe) {
    return recipe.field != 0.0 ? recipe.field : recipe.settings.fieldChi;
}

Vector3 thermalMoment(const IonModel& model, const Eigenstates& states, double t) {
    const Eigen::VectorXd p = populations(states.energies, t);
    Vector3 m{};
    for (Eigen::Index i = 0; i < p.size(); ++i) {
        const Eigen::VectorXcd v = states.vectors.col(i);
        for (int a = 0; a < 3; ++a) {
            m[a] -= p(i) * expectation(model.moment[a], v);
        }
    }
    return m;
}

std::vector<ChiRow> susceptibility(const IonModel& model, int axis, double fieldT,
                                   const std::vector<double>& temperatures) {
    Vector3 b{};
    b[axis] = fieldT;
    const CMatrix h = model.crystalField + model.spinOrbit + model.zeemanTerm(b);
    const Eigenstates states = diagonalise(h, false);
    std::vector<ChiRow> rows;
    for (double t : temperatures) {
        const double chi = thermalMoment(model, states, t)[axis] / fieldT;
        rows.push_back({t, chi, 1 / chi, chi * t});
    }
    return rows;
}

HeatRow heatRow(const Eigen::VectorXd& energies, double t) {
    const Eigen::VectorXd p = populations(energies, t);
    const Eigen::VectorXd de = energies.array() - energies.minCoeff();
    const double mean = p.dot(de);
    double variance = 0, z = 0;
    for (Eigen::Index i = 0; i < de.size(); ++i) {
        variance += p(i) * (de(i) - mean) * (de(i) - mean);
        z += std::exp(-de(i) / t);
    }
    HeatRow row;
    row.t = t;
    row.c = kGasConstant * variance / (t * t);
    row.s = kGasConstant * (std::log(z) + mean / t);
    return row;
}

} // namespace vintrel::generator
