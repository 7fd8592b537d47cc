#pragma once

#include "hamiltonian/ham_grid_painter.h"
#include "hamiltonian/ham_grid_texts.h"
#include "hamiltonian/ham_matrices.h"
#include "resultdata/input_files.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;

namespace vintrel {

class THamGrid;
class TMyButton;
class TMyLabel;

/// The "Hamiltonian" page of an ordinary result: the Hamiltonian matrix in the basis of the
/// calculation as a grid whose rows and columns are the basis states, every element split into
/// its spin-orbit (red), crystal-field (blue) and Zeeman (green) terms, each term switchable,
/// the largest term of an element in bold; a side panel with the result's parameters and the
/// terms of the selected element. The form stays hidden; only `Panel1` is shown, in the page
/// the result panel gives it.
///
/// When a result becomes current: `setResultLocation`, `wczytajDane`, then `ukryjWartosci`.
class THamForm : public QWidget {
    Q_OBJECT

public:
    explicit THamForm(QWidget* parent = nullptr);
    ~THamForm() override;

    /// Where the current result's files are.
    void setResultLocation(const ResultLocation& location) { FLocation = location; }
    /// Fills the side panel from the shared TVariables, reads "o_ham.dup" of the current result
    /// (the no-data panel when it is missing or empty), writes the state captions, enables the
    /// term boxes the ion has ("LS" only in the |L,S,L_z,S_z> basis, where it is also pressed),
    /// then `ShowMatrix`. A damaged file leaves what was read and is reported, as an InputError
    /// thrown after the page is complete.
    void wczytajDane();
    /// Hides the selection's texts, then `showSelection` shows them again when the selection
    /// fits the new result.
    void ukryjWartosci();
    /// Recomputes the sums, the row heights and the cell texts, and repaints.
    void ShowMatrix();
    /// The side panel's texts of the selected row, column and element; repaints the grid.
    void showSelection();
    /// "Zoom+" and "Zoom-".
    void zoomIn();
    void zoomOut();
    /// "Export data…": the matrix of the ticked terms as `vintrel-cli data hamiltonian` writes
    /// it (hamiltonianDataTable), to a file the user chooses.
    void exportData();

    /// The terms whose box is enabled and pressed.
    TermSet tickedTerms() const;
    int selRow() const { return selection_.selRow; }
    int selCol() const { return selection_.selCol; }
    const HamiltonianMatrices& matrices() const { return matrices_; }
    const std::vector<std::string>& stateCaptions() const { return captions_; }
    /// The prepared texts of the cells.
    const HamGridTexts& cellTexts() const { return texts_; }
    /// Side of the checkerboard's blocks.
    int blockSide() const { return blockSide_; }
    /// The grid's hint: kGridHint until a data cell is clicked.
    QString gridHint() const;

    QWidget* Panel1 = nullptr;
    THamGrid* StringGrid1 = nullptr;
    QLabel* PanelNoData = nullptr;
    QWidget* PanelRight = nullptr;
    QGroupBox* GroupBoxParameters = nullptr;
    TMyLabel* LabelElement = nullptr;
    TMyLabel* LabelZ = nullptr;
    TMyLabel* LabelOxidation = nullptr;
    TMyLabel* LabelDimension = nullptr;
    TMyLabel* LabelBase = nullptr;
    TMyLabel* LabelField = nullptr;
    TMyLabel* LabelLambda = nullptr;
    TMyLabel* LabelBx = nullptr;
    TMyLabel* LabelBy = nullptr;
    TMyLabel* LabelBz = nullptr;
    /// The boxes "LS", "CEF", "Mag. field", indexed by HamTerm.
    std::array<QCheckBox*, 3> CheckBoxTerm{};
    /// Value and imaginary-part captions beside each box, indexed by HamTerm.
    std::array<TMyLabel*, 3> LabelTermValue{};
    std::array<TMyLabel*, 3> LabelTermImaginary{};
    TMyLabel* LabelTotalValue = nullptr;
    TMyLabel* LabelTotalImaginary = nullptr;
    TMyLabel* LabelSelRow = nullptr;
    TMyLabel* LabelSelRowCaption = nullptr;
    TMyLabel* LabelSelCol = nullptr;
    TMyLabel* LabelSelColCaption = nullptr;
    TMyButton* ButtonZoomIn = nullptr;
    TMyButton* ButtonZoomOut = nullptr;
    TMyButton* ButtonExport = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid();
    void buildSidePanel();
    void prepareTexts();
    void updateScene();
    void gridClicked(GridCell cell);
    void placeNoData();

    ResultLocation FLocation;
    HamiltonianMatrices matrices_;
    std::vector<std::string> captions_;
    std::vector<HeaderCaption> headerCaptions_;
    HamGridTexts texts_;
    std::unique_ptr<HamGridFonts> fonts_;
    GridSelection selection_;
    int baza_ = 1;
    int blockSide_ = 1;
};

} // namespace vintrel
