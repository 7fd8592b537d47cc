#pragma once

#include "ion_model.h"
#include "thermodynamics.h"

#include <string>
#include <vector>

namespace vintrel::generator {

/// "o_chi_x.dup" (and y, z): a header and rows T, chi, 1/chi, chi*T.
std::string chiText(char axis, const std::vector<ChiRow>& rows);
/// "o_spc.dup": a header and rows T, c, S, lattice part.
std::string heatText(const std::vector<HeatRow>& rows);
/// "o_ham.dup": the crystal-field, spin-orbit and Zeeman matrices. A complex Hamiltonian is
/// written as its real 2N x 2N form, element (r, c) as the block [[Re, Im], [-Im, Re]] so that
/// row 2r-1 holds Re and Im of the element at columns 2c-1 and 2c.
std::string hamiltonianText(const IonModel& model);
/// Parses the three matrices of "o_ham.dup" back (used by the tests); n columns per line.
std::vector<Eigen::MatrixXd> parseHamiltonianText(const std::string& text, int n);

/// "d_temp.dup": header and T_c (0 when the result does not order).
std::string transitionTemperatureText(double tc);
/// One row of "d_moment.dup".
struct MomentRow {
    double t = 0;
    Vector3 m{};
};
std::string momentText(const std::vector<MomentRow>& rows);
/// One row of "d_aniso.dup": T, K1, K2, K2', K3, K3' (K).
struct AnisotropyRow {
    double t = 0;
    std::array<double, 5> k{};
};
std::string anisotropyText(const std::vector<AnisotropyRow>& rows);

} // namespace vintrel::generator
