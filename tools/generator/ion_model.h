#pragma once

#include "angular_momentum.h"
#include "ions.h"
#include "result_recipe.h"

#include <array>

namespace vintrel::generator {

using Vector3 = std::array<double, 3>;

/// The operators and Hamiltonian terms of one result in the basis order of "o_ham.dup":
/// |J,Jz> with Jz = -J .. J, or |L,S,Lz,Sz> with Lz = L .. -L (outer) and Sz = S .. -S.
struct IonModel {
    int baza = 2;
    bool complexHamiltonian = false;
    GroundTerm term;
    /// Components x, y, z of L, S, J = L + S and of the moment operator M = L + g_e S (g_J J
    /// in the |J,Jz> basis); the Zeeman term is mu_B M.B and the physical moment is -M.
    std::array<CMatrix, 3> l, s, j, moment;
    CMatrix lPlus, lMinus, sPlus, sMinus, jPlus, jMinus;
    CMatrix crystalField, spinOrbit, zeeman;
    Vector3 field{};

    int dimension() const { return static_cast<int>(crystalField.rows()); }
    CMatrix hamiltonian() const { return crystalField + spinOrbit + zeeman; }
    /// mu_B M.B for a field vector in tesla.
    CMatrix zeemanTerm(const Vector3& b) const;
};

/// Field components from magnitude, angle from z and azimuth (degrees).
Vector3 fieldComponents(double magnitude, double angle, double azimuth);

/// Builds the model of a result; throws std::invalid_argument when the result is inconsistent
/// (for example a real Hamiltonian whose terms have imaginary parts).
IonModel buildModel(const ResultRecipe& recipe);

/// wsp_A = B_n^m / (theta_n <r^n>) for the basis of the result (0 where theta_n <r^n> is 0).
Coefficients potentialCoefficients(const ResultRecipe& recipe);

} // namespace vintrel::generator
