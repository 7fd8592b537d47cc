#pragma once

#include "graphs/graph_data.h"

#include <QString>

#include <array>
#include <cstddef>
#include <functional>

class QLabel;
class QLineEdit;
class QWidget;

namespace vintrel {

class TMyTrackBar;

/// A plain text of the graph pages in their font (Tahoma 8, or bold).
QLabel* plainLabel(QWidget* parent, const QString& text, bool bold = false);

/// The temperature selector of the inverse-susceptibility pages: a two-thumb track bar over the
/// plot whose thumbs pick two rows of the data (1-based positions), and the row of read-only
/// "p_eff(x) =", "p_eff(y) =", "p_eff(z) =" fields with the effective moment between them.
class TEffectiveMomentSelector {
public:
    /// The track bar is made on `plot`; `changed` runs whenever a thumb moves.
    TEffectiveMomentSelector(QWidget* plot, std::function<void()> changed);

    /// The row of the three fields, to be placed by the page (its bottom bar).
    QWidget* row() const { return FRow; }
    TMyTrackBar* trackBar() const { return FBar; }
    QLineEdit* field(Direction d) const { return FFields[directionIndex(d)]; }
    /// The caption, field and unit of a direction, shown or hidden together.
    QWidget* cell(Direction d) const { return FCells[directionIndex(d)]; }

    /// The rows of the left and the right thumb, from 0.
    std::size_t firstRow() const;
    std::size_t secondRow() const;
    /// Sets both thumbs (1-based); a thumb set past the other exchanges the two.
    void selectRows(int left, int right);
    /// The number of rows the thumbs run over (at least 1).
    void setRowCount(int rows);
    /// Puts the bar over the plot so that its thumbs stand over the columns `first` … `last`
    /// of the first and the last row, with its bottom `gap` pixels above `areaTop`.
    void place(int first, int last, int areaTop, int gap);
    /// Writes the effective moment of every direction from the inverse susceptibility between
    /// the two rows, " not set" where the data have no such rows.
    void showMoments(const ChiData& data);

    static constexpr int kHeight = 24;

private:
    TMyTrackBar* FBar = nullptr;
    QWidget* FRow = nullptr;
    std::array<QLineEdit*, 3> FFields{};
    std::array<QWidget*, 3> FCells{};
};

} // namespace vintrel
