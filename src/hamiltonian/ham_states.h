#pragma once

#include "hamiltonian/ham_matrices.h"

#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

struct TermValues;

/// The state captions of the basis, state 1 first, in label markup:
/// - |L,S,L_z,S_z> (`baza` 1): L_z from L down to −L (outer), S_z from S down to −S (inner),
///   "L_z=" + L_z + "  S_z=" + S_z ("L_z=2  S_z=0.5", two blanks before "S_z");
/// - |L,S,J,J_z> (`baza` 2): J_z from −J up to J, "J_z=" + J_z ("J_z=-2.5").
/// Numbers in their full decimal form (0.5, -1.5, 1).
std::vector<std::string> stateCaptions(int baza, const TermValues& term);

/// The parts of a state caption that a header cell draws apart: the text before its first
/// blank and the text after the blanks that follow it ("L_z=1", "S_z=0.5"); one part for a
/// caption without a blank.
std::vector<std::string_view> captionParts(std::string_view caption);

/// The side of the square blocks of the grid's checkerboard: 2S + 1 states in the
/// |L,S,L_z,S_z> basis (the S_z multiplet of one L_z), 2J + 1 in the |L,S,J,J_z> basis (the
/// whole matrix); at least 1.
int checkerBlockSide(int baza, const TermValues& term);

/// Whether the data cell (row, column), counted from 1, lies in an odd block of the
/// checkerboard: block (I, J), counted from 0, with I + J odd.
bool checkerOdd(int row, int column, int side);

/// Which term boxes the page enables for an ion, and whether loading it presses "LS".
struct TermAvailability {
    TermSet enabled;
    bool pressLs = false;
};

/// "LS" only in the |L,S,L_z,S_z> basis (`baza` 1), where it is also pressed; "CEF" by the
/// open-shell flag 1 (first basis) or flag 2 (second basis) and "Mag. field" by flag 3 of the
/// configuration's shell (`shellFlags`); a configuration that cannot be read or a shell other
/// than d and f enables no term but "LS".
TermAvailability termAvailability(int baza, std::string_view siconf);

} // namespace vintrel
