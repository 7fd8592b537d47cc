#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vintrel::generator {

/// Energy of one Bohr magneton in one tesla, in kelvin.
inline constexpr double kBohrMagnetonK = 0.67171;
/// Free-electron g factor.
inline constexpr double kElectronG = 2.0023193;
/// Gas constant, J/(K mol).
inline constexpr double kGasConstant = 8.314462618;

/// Ground term of an open shell by Hund's rules.
struct GroundTerm {
    double L = 0;
    double S = 0;
    double J = 0;
    /// Landé factor with g_s = 2 (the value the viewer shows); 0 for J = 0.
    double gJ = 0;
};

/// Hund's-rule ground term of a configuration written as shell, letter and electron count in
/// label markup ("3d^1", "4f^1^3").
GroundTerm groundTerm(std::string_view configuration);

/// What the generator needs to know about one ion.
struct Ion {
    std::string_view label;
    /// Row of the element in the viewer's element table (counted from 1).
    int elementRow = 0;
    /// Position of the charge in the element's list of charges (counted from 0).
    int ionisation = 0;
    std::string_view configuration;
    /// Stevens factors theta_2, theta_4, theta_6 of the ground multiplet J.
    std::array<double, 3> stevensJ{};
    /// The same for the orbital ground term L (used in the |L,S,Lz,Sz> basis).
    std::array<double, 3> stevensL{};
    /// Radial expectation values <r^2>, <r^4>, <r^6> in Bohr radii to the power n.
    std::array<double, 3> radial{};
};

/// The ion of a label such as "Ce3+"; throws std::invalid_argument for an unknown one.
const Ion& ionByLabel(std::string_view label);

} // namespace vintrel::generator
