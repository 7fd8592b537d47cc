#pragma once

// The one writer of result folders for tests. A test describes a result with a ResultRecipe
// (usually a ready-made one below, changed where the test needs it) and writes it with
// writeResult, or into a WorkingRoot that also holds the shipped settings:
//
//     test::WorkingRoot root;
//     const ResultLocation location = root.write("Result00", test::ceriumCubic());
//
// Every file is written the way the program's results hold it: one value a line, each line
// ended by "\r\n".

#include "levels/level_tables.h"
#include "levels/transition_strengths.h"
#include "resultdata/input_files.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vintrel::test {

/// The lines, each followed by "\r\n".
std::string dupLines(const std::vector<std::string>& lines);

/// One level of a fixture: energy and the expected values written on its data line.
struct FixtureLevel {
    double E = 0;
    double S = 0;
    double L = 0;
    double M = 0;
};

/// Block n of an "o_E.dup" file: the x section (energies shifted by `xShift`, expected values
/// halved), the y section when `complex` (values quartered), the z section, then the
/// eigenvector section "*n*" with the `vectors` lines. A mean-field result's block has its
/// temperature `T` after the x marker and a blank ("x3x 2.5  E [K] …").
std::string levelBlock(int n, const std::vector<FixtureLevel>& levels, bool complex,
                       const std::vector<std::string>& vectors, double xShift = 0,
                       std::optional<double> T = std::nullopt);

/// Ce3+ in a cubic field, |J,Jz> basis: the Γ7 doublet at 0 K and the Γ8 quartet at 116 K.
std::vector<FixtureLevel> ceriumCubicLevels();

/// The matrix elements written on the line of final state j of initial state i (1-based).
using StrengthElements = std::function<std::vector<double>(int i, int j)>;

/// Block n of an "o_neu.dup" file over states of the given energies: per initial state its
/// energy line, a header line, one line per final state (its energy, the elements, a word)
/// and an empty line.
std::string strengthsBlock(int n, const std::vector<double>& energies,
                           const StrengthElements& elements);

/// The matrix elements of the Ce cubic fixture (|J,Jz> basis, J_z, J_+, J_-): within the Γ7
/// doublet (levels 1, 2) J_z of ∓5/6 and a J_+ of 5/3 from 1 to 2; from the doublet to the
/// Γ8 quartet (levels 3 … 6) J_z 1.49 and J_+, J_- of 2.58 and 1.49 on four pairs; within the
/// quartet a J_+ of 3 from level 4 to 5. Zero elsewhere.
std::vector<double> ceriumCubicElements(int i, int j);

/// The "input_s.dup" lines of a result whose spectroscopy limits are `spectro_emin`,
/// `spectro_emax` (K), `spectro_lmin` and `spectro_lmax` (nm); the other settings as the
/// examples hold them.
std::vector<std::string> spectroSettings(double emin, double emax, double lmin, double lmax);

/// The text of a susceptibility file "o_chi_x/y/z.dup": its header line, then per temperature
/// T, χ, 1/χ (1e9 in place of the reciprocal of 0) and χ·T, as the calculation writes them.
std::string chiFileText(const std::vector<double>& T, const std::vector<double>& chi);

/// The text of "o_spc.dup": its header line, then per row T, c, S and the fourth value.
struct SpcRow {
    double T = 0;
    double c = 0;
    double S = 0;
    double fourth = 0;
};
std::string spcFileText(const std::vector<SpcRow>& rows);

/// The text of a mean-field data file: the header line, then one row of numbers per entry, as
/// "d_moment.dup" (T, m_x, m_y, m_z, m_t) and "d_aniso.dup" (T, K1, K2, K2', K3, K3') hold them.
std::string columnsFileText(const std::string& header,
                            const std::vector<std::vector<double>>& rows);
std::string momentFileText(const std::vector<std::vector<double>>& rows);
std::string anisoFileText(const std::vector<std::vector<double>>& rows);
/// "d_temp.dup": its header line and the ordering temperature.
std::string transitionFileText(double Tc);

/// One block of "o_E.dup" (see levelBlock); a mean-field result has one per temperature step.
struct LevelBlock {
    std::vector<FixtureLevel> levels;
    bool complex = false; ///< writes the y section; a complex Hamiltonian's result has it
    std::vector<std::string> vectors;
    double xShift = 0;
    std::optional<double> T = std::nullopt; ///< the temperature step of a mean-field result (K)
};

/// What a result folder holds. Numbers are written as the program writes them ("640",
/// "0.5", "-123.4567891").
struct ResultRecipe {
    // "input_e.dup", one line each, in this order:
    int element = 1;           ///< row of the element table: Z for 1–57, Ce 82, Yb 94
    int ionisation = 0;        ///< index into the row's charges: Ce "0,+3*,+4", 1 is Ce3+
    std::string configuration; ///< "4f^1"; the readers ignore what follows a blank
    int baza = 1;              ///< basis: 1 |L,Lz,S,Sz>, 2 |J,Jz>
    int cialo = 1;             ///< Hamiltonian: 1 real, 2 complex
    double field = 0;          ///< magnetic field [T]
    double angle = 0;          ///< field angle from z [deg]
    double azimuth = 0;        ///< field azimuth [deg]
    double lambda = 0;         ///< spin-orbit constant [K]
    int symmetry = 12;         ///< symmetry code: 0 cubic, 12 and 13 unknown, 4 triclinic
    int meanField = 0;         ///< mean-field switch: any value but 0 is a mean-field result
    double exchange = 0;       ///< mean-field exchange constant

    /// "input_an.dup": the 27 A coefficients as text; empty: slot number / 10 (0.1 … 2.7).
    std::vector<std::string> a;
    /// "input_bn.dup": the 27 B coefficients as text; empty: no "input_bn.dup".
    std::vector<std::string> b;
    /// "input_s.dup": chi_tmax, chi_points, … as far as given; the readers keep start values
    /// for the lines a file does not reach.
    std::vector<std::string> settings{"150", "100"};
    /// False: none of "input_e.dup", "input_an.dup", "input_bn.dup", "input_s.dup".
    bool inputFiles = true;

    std::string description;        ///< "descr.dup" (rich or plain text); empty: no file
    std::vector<LevelBlock> levels; ///< "o_E.dup", block n from levels[n]; empty: no file
    std::string strengths;          ///< "o_neu.dup" (see strengthsBlock); empty: no file

    /// Any further file by name, or one that replaces what the fields above make: its bytes,
    /// or nullopt to leave it out (writeResult removes it when present).
    std::map<std::string, std::optional<std::string>> files;

    ResultRecipe& withFile(const std::string& name, std::string bytes);
    ResultRecipe& emptied(const std::string& name) { return withFile(name, {}); }
    ResultRecipe& without(const std::string& name);

    /// A recipe of no file at all, to be filled with levels, strengths or named files.
    static ResultRecipe withoutInputFiles();
};

/// The files a recipe makes, by name (left-out files are not among them).
std::map<std::string, std::string> resultFiles(const ResultRecipe& recipe);

/// Writes the recipe's files into `folder`, creating it; left-out files are removed, every
/// other file already there stays.
void writeResult(const std::filesystem::path& folder, const ResultRecipe& recipe);

// Ready-made results.

/// The input files of an ion with its field, spin-orbit constant and symmetry; A coefficients
/// slot number / 10, no "input_bn.dup" (the parameters page's results).
ResultRecipe ionResult(int element, int ionisation, std::string configuration, int baza, int cialo,
                       double field, double angle, double azimuth, double lambda, int symmetry);

/// Ce3+ in a cubic field in the |J,Jz> basis, real Hamiltonian: B40 and B44 with their A
/// values, a description, and the levels of ceriumCubicLevels with two eigenvector lines.
ResultRecipe ceriumCubic();

/// ceriumCubic with "o_neu.dup" of ceriumCubicElements (no transition list yet: the viewer
/// makes "o_spectro.dup" from it).
ResultRecipe ceriumCubicWithTransitions();

/// Ti3+ (3d^1) in the |L,Lz,S,Sz> basis with a complex Hamiltonian, trigonal: ten levels in
/// five pairs 100 K apart with different values on each axis.
ResultRecipe titaniumComplex();

/// A mean-field result (Nd3+, |J,Jz> basis, Hamiltonian `cialo`) ordering at `Tc` over the
/// temperatures 0.5, 1.0, … `rows`·0.5 K: the moment along z falls as 3.2·√(1 − T/T_c) to 0 at
/// T_c (m_x = −0.1 below T_c, to show that moments are plotted as absolute values); χ rises to
/// its cusp at T_c and falls as 1/(T − θ) above it; K1 … K3' change sign; c jumps at T_c and S
/// has its kink there. "chi_tmax" is 40 K. Every file of a mean-field result's pages is there.
/// "o_E.dup" holds one block per temperature (meanFieldLevels), its eigenvector section the
/// line "block n at T K".
ResultRecipe meanFieldResult(double Tc = 12.5, int rows = 80, int cialo = 2);

/// The levels of that result at a moment m_z: `doublets` Kramers doublets (five, ten levels)
/// 30 K apart, each split by the molecular field, 2 × 13.5 K × m_z / 3.2 for the ground doublet
/// and less for the higher ones, and by 0.4 K of a small probe field.
std::vector<FixtureLevel> meanFieldLevels(double mz, int doublets = 5);

/// The same result for the largest ground term: 4f^5 in the |L,Lz,S,Sz> basis, 66 levels (33
/// doublets) in each of its `rows` temperature steps, "chi_tmax" the last step's temperature.
ResultRecipe largeMeanFieldResult(int rows = 200);

/// A working root in a fresh temporary folder: "root" holds the result folders, "data" the
/// shipped settings file "input_s.df" with the given lines.
class WorkingRoot {
public:
    explicit WorkingRoot(const std::vector<std::string>& shippedSettings = {"200", "200"});

    /// Writes the recipe into the result folder `name` (see writeResult) and gives its place.
    ResultLocation write(const std::string& name, const ResultRecipe& recipe) const;
    ResultLocation location(const std::string& name) const;

    std::filesystem::path root() const { return dir_.path() / "root"; }
    std::filesystem::path data() const { return dir_.path() / "data"; }
    std::filesystem::path folder(const std::string& name) const { return root() / name; }
    /// The temporary folder holding root and data, free for the test's other files.
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    TempDir dir_;
};

} // namespace vintrel::test
