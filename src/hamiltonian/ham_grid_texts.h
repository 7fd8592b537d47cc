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
    /// Wider than the column: the cell shows "(long)" instead.
    bool tooWide = false;
};

/// The texts of every data cell, so that a paint only draws the cells on show. They are
/// formatted and measured when the data or the ticked terms change (`prepare`); a change of
/// the column width only decides again which of them are too wide (`fit`).
class HamGridTexts {
public:
    /// Formats and measures the lines of every cell, then fits them to `columnWidth`.
    void prepare(const HamiltonianMatrices& matrices, TermSet ticked, int columnWidth,
                 const TextMeasure& measure);
    /// Marks the lines wider than `columnWidth`.
    void fit(int columnWidth);

    /// The states whose cells have texts: N, or 0 when the matrices hold no data.
    int states() const { return states_; }
    /// Lines per cell: the number of ticked terms.
    int lineCount() const { return lines_; }
    /// The lines of data cell (row, column), `lineCount` of them; nullptr outside the states.
    const PreparedLine* lines(int row, int column) const;
    /// The text a line shows: its value, or "(long)" when it is too wide.
    std::string shownText(const PreparedLine& line) const;
    /// The width of "(long)", plain or bold.
    int longWidth(bool emphasised) const { return longWidth_[emphasised ? 1 : 0]; }

private:
    int states_ = 0;
    int lines_ = 0;
    int longWidth_[2] = {0, 0};
    std::vector<PreparedLine> cells_;
};

} // namespace vintrel
