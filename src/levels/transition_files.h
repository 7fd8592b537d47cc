#pragma once

#include "resultdata/result_variables.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

inline constexpr const char* kSpectroFile = "o_spectro.dup";

/// One upward transition of the transition list ("o_spectro.dup", with the LS element from the
/// same line of "o_lsspec.dup").
struct TransitionLine {
    double dE = 0; ///< energy difference (K)
    /// |L,Lz,S,Sz>: L_z, L_+, L_-, S_z, S_+, S_-; |J,Jz>: J_z, J_+, J_- and three zeros.
    std::array<double, 6> elements{};
    double ls = 0; ///< the LS element; 0 in the |J,Jz> basis or without "o_lsspec.dup"
    int from = 0;  ///< the initial level (1-based); 0 when the file's value names no level
    bool operator==(const TransitionLine&) const = default;
};

/// The upward transitions of "o_neu.dup" text for N states in a basis (1: |L,Lz,S,Sz>, 2:
/// |J,Jz>): the pairs (i, j) with E_j > E_i + 1e-6 whose elements have a sum of absolute values
/// above 1e-6, sorted by ascending dE as a selection sort does (each position takes the first
/// of the remaining lines with the smallest dE). The elements are taken in the order of the
/// file (its values 2 to 7, or 2 to 4); the LS element is 0. Throws InputError naming the file
/// and line for damaged or short text, and for a level count outside 1 … 66.
std::vector<TransitionLine> upwardTransitions(const std::string& name, std::string_view content,
                                              int N, int baza);

/// The bytes of the transition files: "o_spectro.dup" and, in the |L,Lz,S,Sz> basis,
/// "o_lsspec.dup" (empty in the |J,Jz> basis). One header line, then one line per transition:
/// dE and the elements by "%12.6f", the initial level by "%10.0f", separated by one blank;
/// every line ends in CR LF.
struct TransitionFileTexts {
    std::string spectro;
    std::string lsspec;
};
TransitionFileTexts formatTransitionFiles(const std::vector<TransitionLine>& lines, int baza);

/// Creates "o_spectro.dup" (and in basis 1 "o_lsspec.dup") from "o_neu.dup" of the folder when
/// "o_spectro.dup" is missing or empty; true when it did. Each file is written beside its
/// target and moved over it when complete. A missing or damaged "o_neu.dup" throws InputError
/// and creates nothing.
bool generateTransitionFiles(const std::filesystem::path& folder, int N, int baza);

/// Reads the transition list: "o_spectro.dup" text after its header, eight numbers a line in
/// basis 1 (dE, six elements, initial level) or five in basis 2, blank lines passed over; in
/// basis 1 the LS element is the second number of the same line of the "o_lsspec.dup" text
/// when given (0 for lines it does not reach). An initial level that is not a whole number
/// from 1 to 66 is kept as 0. Throws InputError for a damaged line.
std::vector<TransitionLine> parseTransitionLines(const std::string& name, std::string_view spectro,
                                                 const std::string& lsName,
                                                 std::optional<std::string_view> lsspec, int baza);

/// The transition list of a result folder, creating the transition files first when
/// "o_spectro.dup" is missing (generateTransitionFiles).
std::vector<TransitionLine> readTransitionLines(const std::filesystem::path& folder, int N,
                                                int baza);

/// An energy interval (K).
struct EnergyInterval {
    double min = 0;
    double max = 1;
    bool operator==(const EnergyInterval&) const = default;
};

/// The smallest and largest dE of the transitions, widened to min − 0.01 … max + 0.01 when
/// they lie less than 0.01 apart. Without transitions the settings' `spectro_emin` …
/// `spectro_emax` (widened the same way).
EnergyInterval transitionEnergyRange(const std::vector<TransitionLine>& lines,
                                     const TResultSettings& settings);

/// The lines of the transition-data window: the header and one line per transition (dE by
/// "%12.6f", the elements by "%8.5f", the initial level as a whole number, joined by single
/// blanks): L_z, L_+, L_-, S_z, S_+, S_-, LS in basis 1, J_z, J_+, J_- in basis 2. Without a
/// transition the single line "No reasonable transitions found".
std::vector<std::string> transitionDataListing(const std::vector<TransitionLine>& lines, int baza);

inline constexpr const char* kNoTransitions = "No reasonable transitions found";

} // namespace vintrel
