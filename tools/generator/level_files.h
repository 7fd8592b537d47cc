#pragma once

#include "eigenstates.h"

#include <optional>
#include <string>
#include <vector>

namespace vintrel::generator {

inline constexpr const char* kEol = "\r\n";

/// The axis sections of one "o_E.dup" block: x, y, z (y is written only for a complex
/// Hamiltonian).
using AxisSections = std::array<AxisSection, 3>;

/// Text of the energies as both "o_E.dup" and "o_neu.dup" write them (6 decimals), so that the
/// viewer can match them exactly.
std::string energyText(double e);

/// One block of "o_E.dup": the marker lines "x<n>x", ("y<n>y"), "z<n>z" with their data lines
/// and "*<n>*" with the largest eigenvector components of the z section. A mean-field block
/// carries its temperature after the x marker.
std::string levelBlock(const IonModel& model, const AxisSections& sections, int block,
                       std::optional<double> temperature);

} // namespace vintrel::generator
