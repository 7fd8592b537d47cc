#pragma once

#include "graphs/curie_weiss.h"
#include "graphs/graph_data.h"
#include "graphs/temperature_plot.h"

#include <QString>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace vintrel {

class TMyButton;
class TMyTrackBar;

/// A plain text of the graph pages in their font (Tahoma 8, or bold).
QLabel* plainLabel(QWidget* parent, const QString& text, bool bold = false);

/// The Debye temperature of the specific-heat pages' field (K): a text that is not a number of
/// at least 0 is replaced by "0" (selected) and gives 0, no Debye curve. The field's hint shows
/// its text.
double acceptDebyeTemperature(QLineEdit* field);

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

/// The Curie–Weiss fit of the inverse-susceptibility pages: "Curie–Weiss fit" and "χ₀ = 0" for
/// the tool bar, the fit of χ = C/(T − θ) + χ₀ between two rows per direction and for the powder
/// average, listed in a box at the lower right of the data area, and the fitted lines as 1/χ,
/// dashed, for the plot.
class TCurieWeissFitter {
public:
    /// The box is made on `plot`; `changed` runs when a button changes the fit (the page fits
    /// anew with `refit` and redraws).
    TCurieWeissFitter(QWidget* plot, std::function<void()> changed);

    TMyButton* button() const { return FButton; }
    TMyButton* noChi0Button() const { return FNoChi0; }
    QLabel* label() const { return FLabel; }
    bool shown() const;
    /// Presses or releases a button, as its click does.
    void setShown(bool shown);
    void holdChi0(bool held);

    /// Fits the rows `first` … `last` (either order) of the data, and of `powder` when given;
    /// without the fit shown, or without data, everything is cleared and the box hidden.
    void refit(const ChiData& data, const std::vector<double>* powder, std::size_t first,
               std::size_t last);
    /// Puts the box in the lower right corner of the data area.
    void place(const PixelRect& area);
    /// The fit of x, y, z (by Direction) or the powder average (3); empty when not made.
    const std::optional<CurieWeissFit>& fit(std::size_t index) const { return FFits.at(index); }
    /// Adds the fitted lines of the directions `shown` gives true for.
    void addCurves(TemperaturePlot& plot, const std::function<bool(Direction)>& shown) const;

private:
    TMyButton* FButton = nullptr;
    TMyButton* FNoChi0 = nullptr;
    QLabel* FLabel = nullptr;
    std::function<void()> FChanged;
    std::array<std::optional<CurieWeissFit>, 4> FFits;
    std::array<std::vector<double>, 3> FInverse;
    PixelRect FArea{};
};

} // namespace vintrel
