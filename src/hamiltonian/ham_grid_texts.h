#pragma once

#include "hamiltonian/ham_matrices.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// Measures a text in the grid's cell font, plain or bold: its width in pixels.
using TextMeasure = std::function<int(std::string_view text, bool bold)>;

/// One line of a data cell, ready to be drawn: the value text of one ticked term.
struct PreparedLine {
    HamTerm term = HamTerm::ls;
    /// The text without a final "i"; the "i" is drawn apart, one pixel to the right.
    std::string stem;
    bool imaginaryUnit = false;
    /// Bold and underlined (the dominant term of several).
    bool emphasised = false;
    int stemWidth = 0;
    /// The width of the whole line: the stem and, with the "i", one pixel and the "i".
    int width = 0;
};

/// The texts of every data cell, made when the data, the ticked terms or the column width
/// change, so that a paint only draws the cells on show. A text wider than the column becomes
/// "(long)".
class HamGridTexts {
public:
    void prepare(const HamiltonianMatrices& matrices, TermSet ticked, int columnWidth,
                 const TextMeasure& measure);

    /// The states whose cells have texts: N, or 0 when the matrices hold no data.
    int states() const { return states_; }
    /// Lines per cell: the number of ticked terms.
    int lineCount() const { return lines_; }
    /// The lines of data cell (row, column), `lineCount` of them; nullptr outside the states.
    const PreparedLine* lines(int row, int column) const;

private:
    int states_ = 0;
    int lines_ = 0;
    std::vector<PreparedLine> cells_;
};

} // namespace vintrel
