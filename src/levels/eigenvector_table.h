#pragma once

#include "base/data_table.h"
#include "resultdata/input_files.h"

#include <complex>
#include <optional>
#include <string>
#include <vector>

namespace vintrel {

/// One component of an eigenstate as the eigenvector section of "o_E.dup" gives it: the
/// amplitude and the projections of the basis state ("Jz" → "-5/2", or "Lz" → "0" and
/// "Sz" → "-1/2"), as written.
struct EigenComponent {
    std::complex<double> amplitude;
    std::vector<std::pair<std::string, std::string>> projections;
    double weight() const { return std::norm(amplitude); }
};

/// One eigenstate of the section: its level number, its energy (K) as the section gives it
/// and its components in the order of the file.
struct EigenState {
    int level = 0;
    double E = 0;
    std::vector<EigenComponent> components;
};

/// Reads the eigenvector text (the lines after the "*n*" marker, `eigenvectorLines`): the
/// heading line is passed over, then every line " level  n  E= e K:  c|Jz=m> ± c|…> …" with c
/// a real ("-0.9129") or complex ("(0.7710+0.4451i)") amplitude. A line of another form throws
/// InputError naming `fileName`, the line (counted from the marker line) and what is wrong.
std::vector<EigenState> parseEigenvectorText(const std::vector<std::string>& lines,
                                             const std::string& fileName);

/// The shortest text of a multiple of 1/2: "5/2", "-1/2", "3", "0".
std::string halfIntegerText(double value);

/// The basis state of a component in the result's basis, from the ground term's J (|J,Jz>) or
/// L and S (|L,Lz,S,Sz>): "|5/2,-5/2>" or "|2,0,1/2,-1/2>".
std::string ketText(const EigenComponent& component, int baza, double L, double S, double J);

/// The output forms of the eigenvector table.
enum class EigenTableFormat { csv, latex, markdown };
std::optional<EigenTableFormat> eigenTableFormatOfName(const std::string& name);

/// The eigenstates of the z axis of an ordinary result, with their energies from the z
/// section of "o_E.dup" and its expected values, and the components of weight |c|² ≥
/// `minWeight`.
struct EigenvectorTable {
    TVariables vars;
    std::string resultName;
    double L = 0, S = 0, J = 0;
    double minWeight = 0;
    struct Row {
        EigenState state;             ///< components above the weight only
        double E = 0;                 ///< K, from the z section
        double relative = 0;          ///< E − E0, K
        double orbital = 0, spin = 0; ///< <L_z>, <S_z>
        double moment = 0;            ///< <L_z> + g_e<S_z>
    };
    std::vector<Row> rows;
};

/// Reads the table from a result folder: its input files, "o_E.dup" (the z section and the
/// eigenvector section of block 0). Throws DataRequestError for a mean-field result or a
/// weight that is not a number from 0 to 1, InputError for a missing or damaged file (an
/// eigenvector line for a level the z section does not have, a section without any).
EigenvectorTable readEigenvectorTable(const ResultLocation& location, const std::string& resultName,
                                      double minWeight);

/// CSV (long form, one row per component): `level`, `E [K]`, `E-E0 [K]`, `E-E0 [meV]`,
/// `E-E0 [1/cm]`, the expected values under the level page's names, `state`, `amplitude re`,
/// `amplitude im`, `weight`.
DataTable eigenvectorDataTable(const EigenvectorTable& table);

/// A table for a paper, one row per eigenstate: energies above the lowest in K, meV and 1/cm,
/// the moment <L_z> + g_e<S_z> and the components as "0.913 |5/2,-5/2> − 0.408 |5/2,3/2>"
/// (amplitudes to four digits as the file has them). LaTeX: a `table` with a `tabular` in
/// `booktabs` rules whose component column wraps, so that it fits the text width of a plain
/// `article` with `\usepackage{booktabs}` and nothing else; Markdown: a pipe table that also
/// has <L_z> and <S_z>. Both begin with the result's name, ion and field as a caption.
std::string eigenvectorLatex(const EigenvectorTable& table);
std::string eigenvectorMarkdown(const EigenvectorTable& table);

} // namespace vintrel
