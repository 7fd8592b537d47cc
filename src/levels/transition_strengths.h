#pragma once

#include "levels/level_tables.h"

#include <array>
#include <filesystem>
#include <string_view>

namespace vintrel {

/// Operator types of the strength tables, in table order.
enum class StrengthTable { Lz = 0, Lplus, Lminus, Sz, Splus, Sminus, LS };
inline constexpr int kStrengthTables = 7;

/// The squared matrix elements between level groups, one square table per operator type
/// (indices 1 … kMaxLevels; row and column 0 unused), with the largest entry of each table.
struct TransitionStrengths {
    using Table = std::array<std::array<double, kMaxLevels + 1>, kMaxLevels + 1>;
    std::array<Table, kStrengthTables> tables{};
    std::array<double, kStrengthTables> maxima{};
    Table& table(StrengthTable t) { return tables[static_cast<int>(t)]; }
    const Table& table(StrengthTable t) const { return tables[static_cast<int>(t)]; }
};

/// The single shared strength tables.
TransitionStrengths& sharedTransitionStrengths();

/// The direction-averaged weight (a² + b² + 2c²) / 3 of a transition with z element c and
/// raising and lowering elements a and b.
double strengthWeight(double a, double b, double c);

inline constexpr const char* kLsSpectrumFile = "o_lsspec.dup";

/// Reads block `block` of "o_neu.dup" in `folder` into `strengths` for `dimension` states
/// (basis 1: |L,Lz,S,Sz>, 2: |J,Jz>). Each state's energy is mapped to its group on `levels`
/// (findLevelIndex over the first `levelCount` levels); contributions of an energy that
/// matches no level are dropped. The LS element is read in basis 1 only when "o_lsspec.dup"
/// is present in the folder, that is exists and is not empty (the caller makes sure
/// "o_spectro.dup" exists first, since creating it may add that file). A missing or empty
/// "o_neu.dup" throws InputError "Cannot open file <path>"; a block that ends early, a missing
/// marker or a dimension above kMaxLevels ends the read with what was summed so far. An
/// element so large that its weighted square overflows throws InputError naming the line.
void readTransitionStrengths(const std::filesystem::path& folder, int block, int dimension,
                             int baza, const AxisLevels& levels, int levelCount,
                             TransitionStrengths& strengths);

/// The same on text held in memory; `withLs` says whether the LS element is present.
void readTransitionStrengthsText(const std::string& name, std::string_view content, int block,
                                 int dimension, int baza, bool withLs, const AxisLevels& levels,
                                 int levelCount, TransitionStrengths& strengths);

} // namespace vintrel
