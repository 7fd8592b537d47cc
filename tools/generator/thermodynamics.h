#pragma once

#include "eigenstates.h"

#include <vector>

namespace vintrel::generator {

/// Temperatures tmax * i / points for i = 1 .. points.
std::vector<double> temperatureGrid(double tmax, int points);

/// One row of "o_chi_x/y/z.dup": T, chi (mu_B/T per ion), 1/chi and chi * T.
struct ChiRow {
    double t = 0;
    double chi = 0;
    double inverse = 0;
    double chiT = 0;
};

/// Field magnitude (T) with which chi is evaluated: the result's field, or `field_chi` when
/// the result has none.
double susceptibilityField(const ResultRecipe& recipe);

/// chi along `axis`: the thermal moment along the axis in a field of `fieldT` along the axis
/// (replacing the result's own field), divided by the field.
std::vector<ChiRow> susceptibility(const IonModel& model, int axis, double fieldT,
                                   const std::vector<double>& temperatures);

/// The physical moment -<M> (mu_B) averaged over the populations of `states` at t.
Vector3 thermalMoment(const IonModel& model, const Eigenstates& states, double t);

/// One row of "o_spc.dup": T, c and S in J/(K mol), and a fourth value (no lattice part: 0).
struct HeatRow {
    double t = 0;
    double c = 0;
    double s = 0;
    double lattice = 0;
};

/// Specific heat and entropy of a level scheme from its partition function.
HeatRow heatRow(const Eigen::VectorXd& energies, double t);

} // namespace vintrel::generator
