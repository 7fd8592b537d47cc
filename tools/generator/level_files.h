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

/// Text of the energies as both "o_E.dup" and "o_neu.dup" write them, so that the viewer can
/// match them exactly.
std::string energyText(double e);

/// One block of "o_E.dup": the marker lines "x<n>x", ("y<n>y"), "z<n>z" with their data lines
/// and "*<n>*" with the largest eigenvector components of the z section. A mean-field block
/// carries its temperature after the x marker.
std::string levelBlock(const IonModel& model, const AxisSections& sections, int block,
                       std::optional<double> temperature);

/// The matrix elements between the eigenstates of the z section, as written to
/// "o_neu.dup" (values rounded as they are written).
struct TransitionTable {
    std::vector<double> energies;
    /// elements[i][j]: Lz, L+, L-, Sz, S+, S-, Lz + g_e Sz (|L,S,Lz,Sz>) or Jz, J+, J- (|J,Jz>).
    std::vector<std::vector<std::vector<double>>> elements;
};
TransitionTable transitionTable(const IonModel& model, const AxisSection& z);

/// "o_neu.dup" of block 0.
std::string neutronText(const IonModel& model, const TransitionTable& table);

/// "o_spectro.dup" and "o_lsspec.dup" (the latter empty in the |J,Jz> basis), derived from the
/// table the way the viewer derives them from "o_neu.dup", with the LS element kept.
struct SpectroTexts {
    std::string spectro;
    std::string lsspec;
};
SpectroTexts spectroTexts(const IonModel& model, const TransitionTable& table);

} // namespace vintrel::generator
