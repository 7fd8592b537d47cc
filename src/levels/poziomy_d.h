#pragma once

#include "controls/messages.h"
#include "levels/energy_view_controls.h"
#include "levels/mean_field_diagram_painter.h"
#include "levels/mean_field_levels.h"
#include "resultdata/input_files.h"

#include <QWidget>

class QLabel;
class QSlider;

namespace vintrel {

class TMyButton;
class TMyLabel;
class TEigenenergyForm;
class TEigenVectorsForm;

/// The "energy (MF)" page of a mean-field result: every level's energy against temperature
/// from the blocks of "o_E.dup", a temperature slider that selects one of the calculated steps
/// (its segment drawn in green and its points circled), the selected temperature and the
/// molecular field of that step, the ordering temperature T_c, and the energy window of the
/// level page (zoom, scroll, wheel, drag and click zoom, the zoom navigator drawn with the
/// selected step's levels, the help box). Its detail windows show the selected step's block.
/// The form stays hidden; its panel `p0` is what a result page hosts.
///
/// The files are read into a table of steps when the result becomes current (`czytaj`) and
/// again only when they changed; moving the slider only changes the selection, and a repaint
/// draws from memory.
class TpoziomyD : public QWidget {
    Q_OBJECT
public:
    explicit TpoziomyD(QWidget* parent = nullptr);
    ~TpoziomyD() override;

    QWidget* p0() const { return FPanel; }

    /// Where the current result's files are.
    void setResultLocation(const ResultLocation& location);
    const ResultLocation& resultLocation() const { return FLocation; }
    std::filesystem::path resultFolder() const;

    /// Reads the steps of the current result (when its files changed), sets the slider's
    /// range and repaints.
    void czytaj();
    /// "1:1": the whole energy range of block 0.
    void UstawViewNaCalosc();
    /// The visible window, stored in "g_E.dup" of the result folder.
    void setView(double emax, double emin);
    void scrollByWheel(int angleDelta);
    /// "Export data…": the steps as `vintrel-cli data meanfield-levels` gives them.
    void exportData();

    /// The detail windows (shared with the level page); the page opens them with its toggles
    /// and refills them while the slider moves.
    void setDetailForms(TEigenenergyForm* energies, TEigenVectorsForm* vectors);
    void setMainWindow(QWidget* mainWindow) { FMainWindow = mainWindow; }

    // State for the page's tests, the benchmark and the screenshots.
    const MeanFieldLevels& levels() const { return FCache.levels(); }
    const EnergyView& energyView() const { return FControls->view(); }
    const MeanFieldLayout& lastLayout() const { return FLayout; }
    QSlider* slider() const { return FSlider; }
    double sliderTemperature() const;
    StepSelection selection() const;
    /// The selected step, or null without steps.
    const MeanFieldStep* selectedStep() const;
    QWidget* diagram() const { return FDiagram; }
    QWidget* temperatureAxisStrip() const { return FAxisStrip; }
    QImage renderDiagram();
    TMyLabel* sliderPositionLabel() const { return FSliderValue; }
    /// "T=" and the selected step's temperature.
    TMyLabel* selectedTemperatureLabel() const { return FStepValue; }
    /// "B_m_o_l=" and the selected step's molecular field.
    TMyLabel* molecularFieldLabel() const { return FFieldValue; }
    TMyLabel* columnHeader() const { return FColumnHeader; }
    TMyButton* eigenvaluesButton() const { return MyButton_eigenvalues; }
    TMyButton* eigenvectorsButton() const { return MyButton_eigenvectors; }
    TMyButton* exportButton() const { return MyButton_export; }
    TMyButton* zoomInfoButton() const { return FControls->zoomInfoButton(); }
    TMyButton* helpButton() const { return FControls->helpButton(); }
    QWidget* zoomPanel() const { return FControls->zoomPanel(); }
    QWidget* navigator() const { return FControls->navigator(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTopBar();
    void buildHeader();
    void buildDiagram();
    void buildSliderRow();
    void buildBottomBar();
    void layoutPanel();
    void placeSlider();
    void applyHeader();
    void refreshData();
    bool refreshDataGuarded();
    void applySlider();
    void selectionChanged();
    void fillEnergies();
    void fillVectors();
    MeanFieldScene scene() const;
    void paintDiagram();
    std::vector<double> navigatorLevels() const;

    ResultLocation FLocation;
    MeanFieldLevelCache FCache;
    MeanFieldLayout FLayout;
    TemperatureAxis FAxis;
    double FTfirst = 0;
    double FTlast = 1;
    bool FFirstDisplayDone = false;

    QWidget* FPanel = nullptr;
    TDeferredMessage FErrors{nullptr};
    QWidget* FDiagram = nullptr;
    EnergyViewControls* FControls = nullptr;
    QWidget* FTopBar = nullptr;
    QWidget* FHeaderRow = nullptr;
    QWidget* FSliderRow = nullptr;
    QWidget* FAxisStrip = nullptr;
    QWidget* FBottomBar = nullptr;
    QSlider* FSlider = nullptr;
    TMyLabel* FSliderValue = nullptr;
    TMyLabel* FStepValue = nullptr;
    TMyLabel* FFieldValue = nullptr;
    TMyLabel* FColumnHeader = nullptr;
    TMyLabel* FValuesLabel = nullptr;
    TMyButton* MyButton_eigenvalues = nullptr;
    TMyButton* MyButton_eigenvectors = nullptr;
    TMyButton* MyButton_export = nullptr;

    TEigenenergyForm* FEnergyForm = nullptr;
    TEigenVectorsForm* FVectorsForm = nullptr;
    QWidget* FMainWindow = nullptr;
};

} // namespace vintrel
