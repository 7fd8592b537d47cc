#pragma once

#include "resultdata/result_variables.h"

#include <optional>
#include <string>
#include <vector>

namespace vintrel {

/// The gas constant as the graph pages use it, J/(K mol).
inline constexpr double kGasConstantR = 8.3143;
/// The Curie constant of one μB² in μB K/T: p² times this is χ·T of a free moment p.
inline constexpr double kCurieFactor = 0.223904336;
/// p_eff = this · √(ΔT / Δ(1/χ)), μB.
inline constexpr double kEffectiveMomentFactor = 2.113;

/// The hint of the "average" button when the powder average cannot be formed.
inline constexpr const char* kPowderAverageUnavailable =
    "powder average needs the y direction, which this result does not hold";

/// Whether a result with a real Hamiltonian has χy = χx: every non-zero crystal-field
/// coefficient (both sets) has an m that is a multiple of 3, or every one a multiple of 4, and
/// the field is zero or along z.
bool isUniaxial(const TVariables& vars);

/// The powder (polycrystal) average of χ, the arithmetic mean over all directions:
/// (χx + χy + χz)/3 when the y direction is there (`y` not null), (2χx + χz)/3 when the result
/// is uniaxial; nullopt when it cannot be formed. Rows are those of x.
std::optional<std::vector<double>> powderAverage(const std::vector<double>& x,
                                                 const std::vector<double>* y,
                                                 const std::vector<double>& z, bool uniaxial);

/// The reciprocal of every value (NaN where it cannot be formed: 0 or not finite).
std::vector<double> reciprocals(const std::vector<double>& values);

/// Curie's law χ = p²·0.223904336 / T for every temperature; NaN at T ≤ 0.
std::vector<double> curieCurve(const std::vector<double>& T, double p);

/// ∫₀ˣ t⁴eᵗ/(eᵗ − 1)² dt, to a relative accuracy far below 1e-6 for every x ≥ 0 (past x = 60
/// the rest of the integral is below 1e-18 and left out). NaN for a negative or NaN x.
double debyeIntegral(double x);

/// The Debye heat of `atoms` atoms per formula unit with Debye temperature θ at T, J/(K mol):
/// 9·n·R·I(x_D)/x_D³ with x_D = θ/T. 0 at T = 0 (its limit); NaN for T < 0, θ ≤ 0 or values
/// that are not finite.
double debyeHeat(double T, double theta, double atoms);

/// debyeHeat for every temperature.
std::vector<double> debyeCurve(const std::vector<double>& T, double theta, double atoms);

/// Every value divided by its temperature (c/T); NaN at T = 0.
std::vector<double> perTemperature(const std::vector<double>& values, const std::vector<double>& T);

/// The sum of two curves, value by value, over the rows both have.
std::vector<double> curveSum(const std::vector<double>& a, const std::vector<double>& b);

/// The entropy change from each row to the next, S(i+1) − S(i); the last row repeats the one
/// before it (one row alone has no change: NaN).
std::vector<double> entropySteps(const std::vector<double>& S);

/// The k of the statistical-entropy lines R ln k offered for a value axis whose top is `ymax`.
std::vector<int> statisticalEntropyCandidates(double ymax);

/// R ln k.
double statisticalEntropy(int k);

/// The effective moment from two points of 1/χ, as the temperature selector shows it:
/// `value` 2.113·√(|ΔT|/|Δ(1/χ)|), or a note " not set" (the same row, or no change of 1/χ)
/// or "undefined" (1/χ falls with T).
struct EffectiveMoment {
    std::optional<double> value;
    std::string note;
};
EffectiveMoment effectiveMoment(double T1, double inverse1, double T2, double inverse2,
                                bool sameRow);

} // namespace vintrel
