#pragma once

#include "resultdata/data_columns.h"
#include "resultdata/dup_reader.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// The susceptibility files of a result, one per direction of the field: "o_chi_x.dup",
/// "o_chi_y.dup", "o_chi_z.dup".
inline constexpr std::array<const char*, 3> kChiFiles = {"o_chi_x.dup", "o_chi_y.dup",
                                                         "o_chi_z.dup"};
/// Specific heat and entropy of a result.
inline constexpr const char* kSpcFile = "o_spc.dup";
/// Mean-field results: the ordering temperature and the anisotropy constants (the moments:
/// kMomentFile).
inline constexpr const char* kTempFile = "d_temp.dup";
inline constexpr const char* kAnisoFile = "d_aniso.dup";

/// The directions of the external field, in the order of the files and of the curves.
enum class Direction { x = 0, y = 1, z = 2 };
inline constexpr std::array<Direction, 3> kDirections = {Direction::x, Direction::y, Direction::z};
constexpr std::size_t directionIndex(Direction d) {
    return static_cast<std::size_t>(d);
}
char directionLetter(Direction d);

/// The susceptibility of a result: temperature, χ and 1/χ per direction. The y direction is
/// held only for a complex Hamiltonian whose "o_chi_y.dup" is there.
struct ChiData {
    std::vector<double> T;
    std::array<std::vector<double>, 3> chi;     ///< μB/T, by direction; y empty when absent
    std::array<std::vector<double>, 3> inverse; ///< T/μB; values above 1e9 are held as 1e9
    bool hasY = false;

    std::size_t rowCount() const { return T.size(); }
    bool has(Direction d) const { return d != Direction::y || hasY; }
};

/// Builds ChiData from the texts of the three files (`yText` null: no y direction). The row
/// count is that of the x file, whose rows end at a blank line; a y or z file with fewer rows
/// is an error. Names stand for the files in error texts.
ChiData parseChiData(const std::array<std::string, 3>& names, std::string_view xText,
                     const std::string_view* yText, std::string_view zText);

/// Reads the three susceptibility files of a result folder; "o_chi_y.dup" only when the
/// Hamiltonian is complex and the file is there. A missing x or z file throws InputError
/// "Cannot open file <path>".
ChiData readChiData(const std::filesystem::path& folder, bool complexHamiltonian);

/// The rows of "o_spc.dup": T (K), the magnetic specific heat c and entropy S (J/(K mol)), and a
/// fourth specific-heat value that enters only the range rules.
struct SpcData {
    std::vector<double> T;
    std::vector<double> c;
    std::vector<double> S;
    std::vector<double> fourth;

    std::size_t rowCount() const { return T.size(); }
};

/// Builds SpcData from the text of "o_spc.dup" (rows to the end of the file).
SpcData parseSpcData(const std::string& name, std::string_view text);

/// Reads "o_spc.dup" of a result folder; a missing file throws InputError.
SpcData readSpcData(const std::filesystem::path& folder);

/// The moments of a mean-field result ("d_moment.dup"): T (K) and the absolute values of m_x,
/// m_y, m_z and the total m_t (μB), as the moment page plots them. Every row of the file is
/// kept.
struct MomentData {
    std::vector<double> T;
    std::array<std::vector<double>, 4> m;

    std::size_t rowCount() const { return T.size(); }
};

/// The anisotropy constants of a mean-field result ("d_aniso.dup"): T (K) and K1, K2, K2', K3,
/// K3' (K). Every row of the file is kept.
struct AnisoData {
    std::vector<double> T;
    std::array<std::vector<double>, 5> K;

    std::size_t rowCount() const { return T.size(); }
};

/// Builds MomentData from the text of "d_moment.dup": a header line, then rows of five numbers
/// to the end of the file (blank lines passed over). Throws InputError for a short row.
MomentData parseMomentData(const std::string& name, std::string_view text);
/// Builds AnisoData from the text of "d_aniso.dup" (rows of six numbers).
AnisoData parseAnisoData(const std::string& name, std::string_view text);

/// The ordering temperature T_c (K) from the text of "d_temp.dup": the first number of line 2.
double parseTransitionTemperature(const std::string& name, std::string_view text);

/// A mean-field data file that is missing or empty: "no data: <path> is missing".
class MissingDataError : public InputError {
public:
    using InputError::InputError;
};

/// Throws MissingDataError when the file is missing or empty.
void requireMeanFieldFile(const std::filesystem::path& path);

/// Reads "d_moment.dup", "d_aniso.dup" or "d_temp.dup" of a result folder; a missing or empty
/// file throws MissingDataError.
MomentData readMomentData(const std::filesystem::path& folder);
AnisoData readAnisoData(const std::filesystem::path& folder);
double readTransitionTemperature(const std::filesystem::path& folder);

} // namespace vintrel
