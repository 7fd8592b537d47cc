#pragma once

#include "resultdata/input_files.h"

#include <QWidget>

#include <array>
#include <filesystem>
#include <vector>

class QGroupBox;
class QLabel;
class QScrollArea;

namespace vintrel {

class TElemPanelResultForm;
class TFormulaCaption;
class TMyButton;
class TMyComboBox;
class TMyLabel;
class TValueEdit;

/// The read-only "parameters" page of an ordinary result: the selected ion (the element
/// panel), the crystal-field coefficients A and B with their symmetry, the spin-orbit constant
/// and the external field. The form stays hidden; only `PanelAAA` is shown, in the page the
/// result panel gives it.
///
/// Order of calls for the result that becomes current (after `loadResultInputs` and the
/// element panel's refresh): `wczytajDane(folder)`, then `rearrangeInputs()`.
class TParamResultForm : public QWidget {
    Q_OBJECT

public:
    explicit TParamResultForm(QWidget* parent = nullptr);

    /// The value edit, unit caption and (A rows only) power caption of one coefficient row.
    struct RowControls {
        TValueEdit* edit = nullptr;
        TMyLabel* unit = nullptr;
        TMyLabel* power = nullptr;
    };

    /// Puts the page into its results look (also run at construction).
    void initFormForResult();
    /// The read-only look after each import: edits without change events, rows at the top,
    /// the element panel's basis and Hamiltonian choices disabled.
    void disableAllInputs();
    /// Fills the page from the shared TVariables; `resultFolder` is the current result's folder
    /// (only the presence of "input_bn.dup" is checked there; an empty one counts as missing).
    void wczytajDane(const std::filesystem::path& resultFolder);
    /// Re-lays the coefficient rows for `elemmask`, `symmask` and `cialo`.
    void rearrangeInputs();
    /// Shows the groups the ion's ground term calls for (run by the element panel).
    void arrangeParameterGroups();
    /// The symmetry chooser's change: `symmetry`, `symmask`, then `rearrangeInputs`.
    void SymmetryCBChange(int code);
    /// "Coordinates:": 1 shows the Cartesian panel and picture, anything else the spherical.
    void CBcoordinateChangeResults(int index);
    /// Gives the page's focus to its panel (a click on the spin-orbit formula).
    void FocusOnPanel();
    /// Where the current result's files are (for "Export data…").
    void setResultLocation(const ResultLocation& location) { FLocation = location; }
    /// "Export data…": the listed coefficients, as `vintrel-cli data parameters` gives them
    /// (parameterDataTable), written to a file the user chooses.
    void exportData();

    /// Called once by the element panel: it lives in `PanelForUnit5`.
    void setElementPanel(TElemPanelResultForm* panel) { elementPanel_ = panel; }

    bool formForResults = false;

    QWidget* PanelAAA = nullptr;
    QWidget* PanelgbUnit5 = nullptr;
    QGroupBox* groupboxUnit5 = nullptr;
    QWidget* PanelForUnit5 = nullptr;
    QWidget* PanelgbCEF = nullptr;
    QGroupBox* groupboxCEF = nullptr;
    TMyLabel* MyLabelSymmetryText = nullptr;
    TMyComboBox* SymmetryCB = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* PanelA = nullptr;
    QWidget* PanelB = nullptr;
    QLabel* PanelNoData = nullptr;
    TMyLabel* LabelNote = nullptr;
    TFormulaCaption* PanelHcef = nullptr;
    TMyButton* ButtonExport = nullptr;
    QWidget* PanelgbSpinOrbitMagField = nullptr;
    QGroupBox* gbSpinOrbit = nullptr;
    TValueEdit* EditLambda = nullptr;
    QGroupBox* gbMagField = nullptr;
    TMyComboBox* CBcoordinate = nullptr;
    QWidget* Panel_Spherical = nullptr;
    QWidget* Panel_Cartesian = nullptr;
    TValueEdit* EditMagfield = nullptr;
    TValueEdit* EditMagangle = nullptr;
    TValueEdit* EditMagangle2 = nullptr;
    TValueEdit* EditBx = nullptr;
    TValueEdit* EditBy = nullptr;
    TValueEdit* EditBz = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QWidget* PanelHmagnLS = nullptr;
    QWidget* PanelHmagnJ = nullptr;

    std::vector<QWidget*> paneleA;
    std::vector<QWidget*> paneleB;
    std::array<RowControls, 27> inputA{};
    std::array<RowControls, 27> inputB{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    /// After `arrangeParameterGroups`: the energy-level page hides its two spectroscopy panels.
    void parameterGroupsArranged();

private:
    void buildColumns();
    void buildCefGroup();
    void buildRows();
    void buildSpinOrbitGroup();
    void buildFieldGroup();
    void buildSphericalPanel();
    void buildCartesianPanel();
    void layoutColumns();
    void placeCefFooter();

    TElemPanelResultForm* elementPanel_ = nullptr;
    ResultLocation FLocation;
};

} // namespace vintrel
