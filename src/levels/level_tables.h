#pragma once

#include "resultdata/result_variables.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

class DupReader;

/// The most levels a ground term can have (L = 5, S = 5/2).
inline constexpr int kMaxLevels = 66;

inline constexpr const char* kLevelsFile = "o_E.dup";
inline constexpr const char* kStrengthsFile = "o_neu.dup";

/// The free-electron g factor, used wherever a spin expectation value becomes a moment.
inline constexpr double kElectronG = 2.0023193;

/// The ground term of the current ion with its level count and the texts of its term symbol.
struct GroundTerm {
    double L = 0;
    double S = 0;
    double J = 0;
    double gJ = 0;                ///< Landé factor; 0 when J is 0
    int N = 0;                    ///< number of levels: (2L+1)(2S+1) in basis 1, 2J+1 in basis 2
    std::string letterText;       ///< term letter of L ("S", "P", … "K")
    std::string multiplicityText; ///< 2S+1
    std::string jText;            ///< empty in basis 1, otherwise two blanks and J ("  9/2")
};

/// The ground term of a configuration in a basis (1: |L,Lz,S,Sz>, 2: |J,Jz>); nullopt when the
/// configuration is not valid. N may exceed kMaxLevels only for configurations no ion has;
/// the readers refuse such counts.
std::optional<GroundTerm> groundTermOf(std::string_view siconf, int baza, int cialo);

/// The quantization axes, in the order in which LevelTables keeps them.
enum class Axis { z = 0, x = 1, y = 2 };

/// The levels of one quantization axis, indexed 1 … kMaxLevels (index 0 is unused).
struct AxisLevels {
    template <typename T>
    using Column = std::array<T, kMaxLevels + 1>;
    Column<double> E{};      ///< energy on the diagram's scale (K)
    Column<double> Eshown{}; ///< energy printed in the level's text column (K)
    Column<double> extra{};  ///< kept, unused by the views
    Column<double> S{};      ///< <S_a>
    Column<double> L{};      ///< <L_a>
    Column<double> M{};      ///< moment component used in the |J,Jz> basis
    Column<std::string> EText, EshownText, LgSText, SText, LText, MText;
    int count = 0; ///< levels filled by the last read (0 … kMaxLevels)
};

/// The level tables of the current result: one AxisLevels per axis (z, x, y).
struct LevelTables {
    std::array<AxisLevels, 3> axes;
    AxisLevels& axis(Axis a) { return axes[static_cast<int>(a)]; }
    const AxisLevels& axis(Axis a) const { return axes[static_cast<int>(a)]; }
};

/// The single shared tables that the level pages read into.
LevelTables& sharedLevelTables();

/// The marker of a section of block n: letter, n in decimal, letter ("x0x", "z12z", "*3*").
std::string blockMarker(char letter, int block);

/// True when the line begins with the marker (exact, case-sensitive); "x12x" does not begin
/// with "x1x".
bool isMarkerLine(std::string_view line, std::string_view marker);

/// Takes lines until one begins with the marker; true when found (the reader then stands on
/// the line after it), false at the end of the file.
bool findMarker(DupReader& reader, std::string_view marker);

/// The same, giving the marker line.
std::optional<std::string_view> findMarkerLine(DupReader& reader, std::string_view marker);

/// Reads the data lines of a section from the reader's position: up to N lines of `count`
/// leading numbers each. The section ends early at the end of the file, at an empty line or at
/// a marker line (one beginning with x, y, z or "*").
std::vector<std::vector<double>> readLevelSection(DupReader& reader, int N, std::size_t count);

/// What a read of "o_E.dup" found.
struct LevelReadOutcome {
    bool fileFound = false;
    /// Levels read per axis (z, x, y); a section shorter than N, or a missing marker, gives
    /// fewer. All 0 when N is outside 1 … kMaxLevels.
    std::array<int, 3> levelsRead{};
    /// True when every wanted section was complete.
    bool complete() const;
    int wantedLevels = 0;
    bool complexHamiltonian = false;
};

/// Reads block `block` of "o_E.dup" in `folder` into `tables` for N levels; the y section only
/// for a complex Hamiltonian. A missing or empty file leaves the tables unchanged. Otherwise every
/// field of levels 1 … N is cleared first, then the sections are read; a section that ends early
/// (at the end of the file, an empty line or another marker) or a missing marker leaves the rest of
/// that axis cleared, and the read goes on with the next section. N above kMaxLevels reads nothing.
/// A text where a number is expected throws InputError naming the file and line.
LevelReadOutcome readLevelTables(const std::filesystem::path& folder, int block, int N,
                                 bool complexHamiltonian, LevelTables& tables);

/// The same on text held in memory (`name` stands for the file in error texts).
LevelReadOutcome readLevelTablesText(const std::string& name, std::string_view content, int block,
                                     int N, bool complexHamiltonian, LevelTables& tables);

/// The energy range of block n over the x, (y) and z sections.
struct EnergyRange {
    double estart = 0;
    double eend = 1;
    double span() const { return eend - estart; }
};

/// Lowest and highest level energy (number 1 of the first and last line of each section) of
/// a block; a range that is empty or inverted becomes [eend, eend + 1]. nullopt when the file
/// is missing or empty or N is outside 1 … kMaxLevels.
std::optional<EnergyRange> scanEnergyRange(const std::filesystem::path& folder, int block, int N,
                                           bool complexHamiltonian);
EnergyRange scanEnergyRangeText(const std::string& name, std::string_view content, int block, int N,
                                bool complexHamiltonian);

/// Levels whose energies differ by at most this much (K) count as one level.
inline constexpr double kSameLevelEnergy = 1e-9;

/// The first level 1 … count of the axis whose energy is within `tolerance` of E; 0 when none
/// is. Members of a group of equal energies all map to the group's first level.
int findLevelIndex(const AxisLevels& levels, int count, double E,
                   double tolerance = kSameLevelEnergy);

/// Number 1 of each data line of the z section of block 0 (fewer when the section is short).
/// A missing or empty file throws InputError "Cannot open file <path>".
std::vector<double> readGroundAxisEnergies(const std::filesystem::path& folder, int N);

} // namespace vintrel
