#pragma once

#include <span>
#include <vector>

namespace vintrel {

// Temperatures and energies in kelvin.

/// The gas constant R = 8.3143 J/(mol·K) for a = 1, R · ln(a) otherwise.
double gasConstantLn(int a);

/// exp(-E / T); at T = 0: 1 when E = 0, else 0.
double boltzmannWeight(double energy, double temperature);

/// The most levels a population table holds.
inline constexpr int kMaxPopulationLevels = 152;

/// Boltzmann populations of the levels relative to the lowest energy, normalised to 1; the
/// return value is the partition sum. `populations` must be at least as long as `energies`;
/// its entries past them are set to 0. At T = 0 the lowest levels share the population.
/// Throws std::invalid_argument when `populations` is too short.
double levelPopulations(std::span<const double> energies, double temperature,
                        std::span<double> populations);

/// x⁴ eˣ / (eˣ − 1)² with x limited to at most 100; 0 at x = 0 (its limit).
double debyeIntegrand(double x);

/// Debye specific heat, J/(mol·K), at every temperature for `atoms` atoms and Debye
/// temperature `debyeTemperature`: 9 a R (T/θ)³ ∫ x⁴ eˣ / (eˣ − 1)² dx from 0.001 to θ/T by
/// the trapezoid rule in steps of θ/(100 T). At T ≤ 0 the heat is 0; for θ = 0 it is 3 a R.
std::vector<double> debyeHeat(std::span<const double> temperatures, int atoms,
                              double debyeTemperature);

} // namespace vintrel
