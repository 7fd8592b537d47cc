#pragma once

#include "level_files.h"

#include <string>
#include <vector>

namespace vintrel::generator {

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
