#pragma once

#include "hamiltonian/ham_matrices.h"
#include "resultdata/result_variables.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace vintrel {

/// The grid's hint until the first cell is clicked.
inline constexpr const char* kGridHint = "H=C[LS]+B(n,m)O(n,m)";
/// The panel shown over the grid when the result has no "o_ham.dup".
inline constexpr const char* kNoHamiltonianText = "Hamiltonian data not found in result file";
/// What a cell shows instead of a value text wider than its column.
inline constexpr const char* kLongText = "(long)";
/// Shown for a row or column that is not selected.
inline constexpr const char* kNoneText = "(none)";

/// The caption of a term's box: "LS", "CEF", "Mag. field".
const char* termCaption(HamTerm term);

/// The compact text of a value in a grid cell: a real value in at most 10 characters
/// (`formatAuto`); a complex one in at most 12 (`formatComplexFit`: the real part alone when
/// the imaginary part shows as 0, the imaginary part and "i" when the real part shows as 0,
/// otherwise 6 characters of real part, the sign, 5 of imaginary part and "i").
std::string compactText(const HamElement& value, bool complex);

/// compactText for many values, each distinct value formatted once.
class CompactTexts {
public:
    std::string operator()(const HamElement& value, bool complex);

private:
    std::map<std::tuple<double, double, bool>, std::string> known_;
};

/// The dominant term among the ticked ones, taken in the order LS, CEF, Zeeman: the first with
/// the largest |value| (real) or re² + im² (complex); a later term wins only when strictly
/// larger. nullopt when nothing is ticked. `values` is indexed by HamTerm.
std::optional<HamTerm> dominantTerm(const std::array<HamElement, 3>& values, TermSet ticked,
                                    bool complex);

/// One line of a data cell: the value of one ticked term.
struct CellLine {
    HamTerm term = HamTerm::ls;
    std::string text;
    /// Bold and underlined: more than one line and this term is the dominant one with a
    /// non-zero value.
    bool emphasised = false;
};

/// The lines of the data cell of states (row, column), one per ticked term in the order LS,
/// CEF, Zeeman; none when nothing is ticked or the states lie outside the matrices. The texts
/// come from `texts` when given.
std::vector<CellLine> cellLines(const HamiltonianMatrices& matrices, int row, int column,
                                TermSet ticked, CompactTexts* texts = nullptr);

/// The texts of the side panel's " Used parameters: " group.
struct ParameterPanelTexts {
    std::string element; ///< the element's name (empty for a row outside the table)
    std::string atomicNumber;
    std::string oxidation;  ///< "+3" for a positive charge, plainly otherwise
    std::string dimension;  ///< N
    std::string base;       ///< "|L,S,L_z,S_z>" or "|L,S,J,J_z>", in markup
    std::string field;      ///< "Real" or "Complex"
    std::string lambda;     ///< full decimal form, "(infinite value)" in the |L,S,J,J_z> basis
    std::string bx, by, bz; ///< "0.######"
};
ParameterPanelTexts parameterPanelTexts(const TVariables& vars);

/// The value and imaginary-part captions of one term row of the side panel.
struct TermValueTexts {
    bool shown = false;
    std::string value;     ///< the value or real part, "0.#####"
    std::string imaginary; ///< "+2.5 i", "-2.5 i"; empty for a real Hamiltonian or a zero part
};

/// What the side panel shows for a selection.
struct SelectionTexts {
    std::string row = kNoneText;
    std::string rowCaption;
    std::string column = kNoneText;
    std::string columnCaption;
    /// Per term, indexed by HamTerm: shown for ticked terms when a whole element is selected.
    std::array<TermValueTexts, 3> terms;
    TermValueTexts total;
};

/// The side panel's texts for the selected row and column (−1 for none). A selection beyond
/// the states of the current result (left over from a larger one) shows as none.
SelectionTexts selectionTexts(const HamiltonianMatrices& matrices,
                              const std::vector<std::string>& captions, int selRow, int selCol,
                              TermSet ticked);

/// The grid's hint after a click on a data cell: "selected: " + the selected sum + ", total: " +
/// the total, "0.#######" (complex: real part, sign, |imaginary part|, "i").
std::string elementHint(const HamiltonianMatrices& matrices, int row, int column);

} // namespace vintrel
