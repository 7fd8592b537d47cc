#pragma once

#include "controls/messages.h"
#include "levels/energy_view_controls.h"
#include "levels/level_diagram_painter.h"
#include "levels/level_file_cache.h"
#include "resultdata/input_files.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QScrollBar;

namespace vintrel {

class TMyButton;
class TMyComboBox;
class TMyLabel;
class TEigenenergyForm;
class TEigenVectorsForm;
class TScatteringForm;
class TDetailForm;

/// The area of the diagram where the small parameter view is drawn.
inline const QRect kMiniParamArea(QPoint(56, 5), QPoint(136, 95));

/// The "energy levels" page of an ordinary result ("energy level scheme"): the energy-level
/// diagram of the current result with axis choice, energy unit, zoom, scrolling, the zoom
/// information panel and the buttons of the detail windows. The form itself stays hidden;
/// its panel `p0` is what a result page hosts.
///
/// Use: create once; `setResultLocation` whenever the current result changes (then
/// `resultChanged`); `czytaj` reads the level data; `UstawViewNaCalosc` sets the whole range
/// (also done by the first display). The page reads the result variables from
/// sharedVariables().
class Tpoziomy : public QWidget {
    Q_OBJECT
public:
    explicit Tpoziomy(QWidget* parent = nullptr);
    ~Tpoziomy() override;

    /// The hosted panel.
    QWidget* p0() const { return FPanel; }

    /// Where the current result's files are; the diagram draws from its "o_E.dup".
    void setResultLocation(const ResultLocation& location);
    const ResultLocation& resultLocation() const { return FLocation; }
    /// The current result's folder (working root / result folder); empty without a result.
    std::filesystem::path resultFolder() const;

    /// Reads the level data of the current result (when its "o_E.dup" changed) and repaints.
    void czytaj();
    /// Sets the window to the whole energy range ("1:1").
    void UstawViewNaCalosc();
    /// Another result became current: the overlays are switched off and the whole range is
    /// shown on the next display.
    void resultChanged();

    /// "Export data…": the levels of the axis on show, as `vintrel-cli data levels` gives them
    /// (levelDataTable at the default tolerance), written to a file the user chooses.
    void exportData();

    /// Scrolls the diagram as a mouse wheel turned by `angleDelta` (eighths of a degree) does.
    void scrollByWheel(int angleDelta);

    /// The visible window, stored in "g_E.dup" of the result folder.
    void setView(double emax, double emin);

    /// The detail windows (created once by the application); the page opens and closes them
    /// with its toggles and releases a toggle when its window is closed.
    void setDetailForms(TEigenenergyForm* energies, TEigenVectorsForm* vectors,
                        TScatteringForm* scattering);
    /// The window the detail windows open centred on (the panel's window when not set).
    void setMainWindow(QWidget* mainWindow) { FMainWindow = mainWindow; }

    /// Draws the small parameter view into the given rectangle of the diagram with the given
    /// opacity (0 … 255).
    using MiniParamPainter = std::function<void(QPainter&, const QRect&, int opacity)>;
    /// Receives the mouse events over the small parameter view (diagram coordinates).
    using MiniParamMouse = std::function<void(QMouseEvent*)>;
    void setMiniParamPainter(MiniParamPainter painter) { FMiniParamPainter = std::move(painter); }
    void setMiniParamMouse(MiniParamMouse handler) { FMiniParamMouse = std::move(handler); }

    /// Draws an overlay over the diagram after the levels; the layout gives the level rows of
    /// this repaint. While a painter is set and its toggle is pressed, the expected-value texts
    /// make room for it.
    using OverlayPainter =
        std::function<void(QPainter&, const DiagramScene&, const DiagramLayout&)>;
    void setTransitionsPainter(OverlayPainter painter) { FTransitionsPainter = std::move(painter); }
    void setMomentPainter(OverlayPainter painter) { FMomentPainter = std::move(painter); }
    /// The horizontal scroll bar that the overlays share.
    QScrollBar* overlayScrollBar() const { return FOverlayScroll; }

    // State for the page's tests and the overlays.
    Axis axis() const { return FAxis; }
    void selectAxis(Axis axis);
    EnergyUnit energyUnit() const;
    const EnergyView& energyView() const { return FControls->view(); }
    const DiagramLayout& lastLayout() const { return FLayout; }
    const LevelTables& levelTables() const { return FCache.tables(); }
    QWidget* diagram() const { return FDiagram; }
    /// Renders the diagram as it is painted now (for screenshots and the benchmark).
    QImage renderDiagram();

    TMyButton* axisButton(Axis axis) const;
    TMyButton* transitionsButton() const { return MyButton_transitions; }
    TMyButton* momentButton() const { return MyButton_moment; }
    TMyButton* eigenvaluesButton() const { return MyButton_eigenvalues; }
    TMyButton* eigenvectorsButton() const { return MyButton_eigenvectors; }
    TMyButton* scatteringButton() const { return MyButton_scattering; }
    TMyButton* exportButton() const { return MyButton_export; }
    TMyButton* zoomInfoButton() const { return FControls->zoomInfoButton(); }
    TMyButton* helpButton() const { return FControls->helpButton(); }
    TMyComboBox* unitBox() const { return ComboBoxEnergyUnit; }
    TMyButton* scrollUpButton() const { return FControls->scrollUpButton(); }
    TMyButton* scrollDownButton() const { return FControls->scrollDownButton(); }
    QWidget* scrollThumb() const { return FControls->scrollThumb(); }
    QWidget* zoomPanel() const { return FControls->zoomPanel(); }
    QLabel* transitionsNote() const { return FTransitionsNote; }
    TMyLabel* valuesLabel() const { return FValuesLabel; }

signals:
    /// The transitions overlay was switched on or off (drawn by a later overlay).
    void transitionsToggled(bool on);
    /// The magnetic moment overlay was switched on or off.
    void momentToggled(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTopBar();
    void buildHeader();
    void buildDiagram();
    void buildBottomBar();
    void layoutPanel();
    void applyResultVariables();

    DiagramScene scene();
    void refreshData();
    bool refreshDataGuarded();
    void paintDiagram(QWidget* target);
    std::vector<double> navigatorLevels() const;

    bool diagramMouse(QEvent* event);

    void setTransitions(bool on);
    void setMoment(bool on);
    void fillDetailForm(const TMyButton* button);

    ResultLocation FLocation;
    LevelFileCache FCache;
    DiagramLayout FLayout;
    Axis FAxis = Axis::z;
    bool FFirstDisplayDone = false;

    QWidget* FPanel = nullptr;
    TDeferredMessage FErrors{nullptr};
    QWidget* FDiagram = nullptr;
    EnergyViewControls* FControls = nullptr;
    QWidget* FTopBar = nullptr;
    QWidget* FHeaderRow = nullptr;
    QWidget* FBottomBar = nullptr;
    TMyButton* MyButton_z = nullptr;
    TMyButton* MyButton_x = nullptr;
    TMyButton* MyButton_y = nullptr;
    TMyButton* MyButton_transitions = nullptr;
    TMyButton* MyButton_moment = nullptr;
    TMyButton* MyButton_eigenvalues = nullptr;
    TMyButton* MyButton_eigenvectors = nullptr;
    TMyButton* MyButton_scattering = nullptr;
    TMyButton* MyButton_export = nullptr;
    QLabel* FTransitionsNote = nullptr;
    TMyLabel* FColumnHeader = nullptr;
    TMyLabel* FValuesLabel = nullptr;
    TMyComboBox* ComboBoxEnergyUnit = nullptr;
    QScrollBar* FOverlayScroll = nullptr;

    bool inMiniParam = false;

    TEigenenergyForm* FEnergyForm = nullptr;
    TEigenVectorsForm* FVectorsForm = nullptr;
    TScatteringForm* FScatteringForm = nullptr;
    QWidget* FMainWindow = nullptr;
    MiniParamPainter FMiniParamPainter;
    MiniParamMouse FMiniParamMouse;
    OverlayPainter FTransitionsPainter;
    OverlayPainter FMomentPainter;
};

} // namespace vintrel
