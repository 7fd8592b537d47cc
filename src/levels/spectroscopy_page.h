#pragma once

#include "graphs/graph_page.h"
#include "graphs/graph_session.h"
#include "levels/spectro_data.h"
#include "levels/spectrum_measured.h"
#include "levels/spectrum_plot.h"
#include "tabs/result_page.h"

#include <QWidget>

#include <array>
#include <map>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vintrel {

class TMyButton;
class TMyComboBox;
class TMyLabel;
class TMyUpDown;
class TGraphSidePanel;
class TNeutronsForm;

/// The "spectroscopy" page of an ordinary result: the spectrum synthesised from the result's
/// transition list, stacked by operator type, against energy (K, meV), wave number or wave
/// length, with the range editor and padlock, zoom, "1:1", the peak labels of a click, the
/// drag band, the convolution panel (plot style, line shape, half-width, populations), the
/// legend toggles "rules of transition", the transition-data window, "Export data…" and
/// "Export figure…".
///
/// The synthesis runs when the page is shown for a result, when the plot's width changes and
/// when a setting is applied; a repaint draws the scene held since then with the marks of the
/// moment (drag band, typed range, peak labels). The transition list and the level energies
/// are read again only when their files change.
class Tgraf_spectroscopy : public QWidget, public TResultPage {
    Q_OBJECT
public:
    explicit Tgraf_spectroscopy(GraphPageHost host, QWidget* parent = nullptr);
    ~Tgraf_spectroscopy() override;

    // TResultPage
    QList<QWidget*> hostedPanels() override { return {FPanel}; }
    void wczytajDane(const PageContext& context) override;
    void resultShown(const PageContext& context) override;
    void pageShown(const PageContext& context) override;
    void windowMoved() override;

    QWidget* p0() const { return FPanel; }
    QWidget* plot() const { return FPlot; }

    /// Loads the current result (when it changed) and synthesises its spectrum.
    void loadCurrentResult();
    /// Synthesises the spectrum again from the current settings.
    void recompute();

    // The page's actions, as its controls run them.
    void setPlotType(PlotType type);
    PlotType plotType() const;
    /// Sets the plot range (plot units); false when it is refused (equal, inverted, not finite
    /// or not above 0 nm on the wave-length scale).
    bool setRange(double min, double max);
    void viewWhole();
    void zoomIn();
    void zoomOut();
    void openRangeEditor();
    void applyRangeEditor();
    void setPadlock(bool down);
    void setPlotStyle(PlotStyle style);
    void setLineShape(LineShape shape);
    /// The half-width in the plot unit (or, on the wave-length scale with `inKelvin`, in K).
    void setHalfWidth(double value, bool inKelvin = false);
    /// Which half-width applies on the wave-length scale.
    void setHalfWidthInKelvin(bool inKelvin);
    /// The Voigt profile's Lorentz width, on the same scale as the half-width.
    void setLorentzWidth(double value);
    /// FWHM(E) = a + bE + cE² instead of the constant width (nullopt: the constant width).
    void setResolution(std::optional<WidthPolynomial> resolution);
    /// "normalise to area": each profile's area the line's intensity.
    void setNormaliseArea(bool on);
    /// "ignore" (false) or "Boltzmann distribution" (true) at the temperature field's value.
    void setBoltzmann(bool on);
    void setTemperature(double kelvin);
    void setTypeShown(int type, bool shown);
    void showConvolutionPanel(bool shown);
    void showTransitionData(bool shown);
    /// A click on the plot at (x, y): the peak labels near it.
    void clickAt(QPoint point);
    /// A drag on the plot from x0 to x1 (pixels): the band's range goes into the editor.
    void dragBand(int x0, int x1);
    void exportData();
    void exportFigure();
    QString writeFigure(const QString& path);
    /// The table "Export data…" writes: the spectrum as `vintrel-cli data spectrum` gives it for
    /// the page's settings and columns.
    DataTable exportTable() const;

    /// "Load measured data…": a measured spectrum from a text file of columns, its positions
    /// in the unit its header or the dialog names (K, meV, 1/cm, nm; converted to the page's
    /// scale), kept while the result is open and drawn as points with error bars over the
    /// synthesised spectrum, its intensities scaled to it by the least-squares factor.
    void loadMeasuredData();
    /// Loads the chosen columns; returns why nothing was loaded, empty on success.
    QString loadMeasured(const MeasuredTable& table, std::size_t x, std::size_t y,
                         std::optional<std::size_t> err, PlotType unit, const QString& file);
    /// How the synthesised spectrum agrees with the measured one (none loaded: empty).
    const std::optional<Agreement>& measuredAgreement() const { return FMeasuredAgreement; }
    TMyButton* loadMeasuredButton() const { return MyButtonLoadMeasured; }
    QLabel* agreementLabel() const { return FAgreementLabel; }

    // State, for the tests and the screenshots.
    const std::vector<MergedTransition>& merged() const { return FMerged; }
    const std::vector<SpectrumColumn>& columns() const { return FColumns; }
    /// The plot range (plot units) and in K.
    const EnergyInterval& plotRange() const { return FPlotRange; }
    const EnergyInterval& kelvinRange() const { return FRangeK; }
    const SpectrumOptions& options() const { return FOptions; }
    std::optional<double> temperature() const;
    const QString& note() const { return FNote; }
    int synthesisCount() const { return FSyntheses; }
    /// The scene as a repaint draws it now.
    PlotScene scene() const;
    const SpectrumMarks& marks() const { return FMarks; }
    QImage renderPlot();

    TMyComboBox* plotTypeBox() const { return ComboBoxPlotType; }
    TMyButton* zoomInButton() const { return MyButtonExpPlus; }
    TMyButton* zoomOutButton() const { return MyButtonExpMinus; }
    TMyButton* zoomButton() const { return MyButtonZoom; }
    TMyButton* rangeButton() const { return MyButtonRange; }
    TMyButton* setButton() const { return MyButtonSet; }
    TMyButton* refreshButton() const { return MyButtonRefresh; }
    TMyButton* padlockButton() const { return MyButtonKlodka; }
    TMyButton* convolutionButton() const { return MyButtonConvolution; }
    TMyButton* transitionDataButton() const { return MyButtonTransitionData; }
    TMyButton* legendButton(int type) const { return FLegend[static_cast<std::size_t>(type)]; }
    TMyButton* exportDataButton() const { return MyButtonExportData; }
    TMyButton* exportFigureButton() const { return MyButtonExportFigure; }
    QLineEdit* minEdit() const { return Edit_Min; }
    QLineEdit* maxEdit() const { return Edit_Max; }
    TGraphSidePanel* convolutionPanel() const { return FConvolution; }
    TMyUpDown* halfWidthField() const { return UpDownHalfWidth; }
    TMyUpDown* halfWidthKField() const { return UpDownHalfWidthK; }
    TMyUpDown* temperatureField() const { return UpDownTemp; }
    QLabel* halfWidthNote() const { return FNoteLabel; }
    QLabel* halfWidthLabel() const { return FHalfWidthLabel; }
    QRadioButton* shapeButton(LineShape shape) const {
        return FShapeButtons[static_cast<std::size_t>(shape)];
    }
    TMyUpDown* lorentzWidthField() const { return UpDownLorentzWidth; }
    QCheckBox* resolutionBox() const { return FResolutionBox; }
    TMyUpDown* resolutionField(int k) const {
        return FResolutionFields[static_cast<std::size_t>(k)];
    }
    QCheckBox* normaliseAreaBox() const { return FNormaliseBox; }
    TNeutronsForm* neutronsForm() const { return FNeutrons; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanel();
    void buildToolbar();
    void buildBottomBar();
    void buildConvolutionPanel();
    void applyResultLook();
    void refreshSource();
    std::vector<double> populations() const;
    void synthesize();
    void rebuildScene();
    void storeRange(const EnergyInterval& kelvin);
    void closeRangeEditor();
    void showPending();
    void updateConvolutionControls();
    void applyLorentzWidth();
    void applyResolutionFields();
    void fillTransitionData();
    void paintPlot();
    bool plotMouse(QEvent* event);
    std::optional<double> positionAt(int x) const;
    void tell(const QString& text);
    SpectrumFrame frame() const;
    int baza() const;
    /// Compares the measured spectrum of the result (if any) and adds its points to the scene.
    void addMeasured();

    GraphPageHost FHost;
    ResultLocation FLocation;
    std::filesystem::path FFolder;
    std::optional<SpectroscopySource> FSource;
    std::optional<FileStamps> FStamps;
    std::optional<FileStamps> FRangeStamps; ///< "g_spectro.dup" as the last synthesis left it
    QString FNote;

    // What the last synthesis made.
    std::vector<MergedTransition> FMerged;
    std::vector<SpectrumColumn> FColumns;
    EnergyInterval FRangeK{0.01, 50000};
    EnergyInterval FPlotRange{0.01, 50000};
    double FYmax = 1e-10;
    int FColumnsWidth = -1;
    int FSyntheses = 0;
    PlotScene FScene;
    SpectrumMarks FMarks;

    // Settings of the page.
    SpectrumOptions FOptions;
    PlotStyle FStyle = PlotStyle::line;
    bool FBoltzmann = false;
    double MeasTemp = 0;
    TypeMask FShown = kAllTypes;
    bool FPadlock = false;

    QWidget* FPanel = nullptr;
    QWidget* FPlot = nullptr;
    QWidget* Panel_wyswietl = nullptr;
    TMyComboBox* ComboBoxPlotType = nullptr;
    TMyButton* MyButtonExpPlus = nullptr;
    TMyButton* MyButtonExpMinus = nullptr;
    TMyButton* MyButtonZoom = nullptr;
    TMyButton* MyButtonRange = nullptr;
    TMyLabel* FRangeSymbol = nullptr;
    QLabel* FRangeUnit = nullptr;
    QLineEdit* Edit_Min = nullptr;
    QLineEdit* Edit_Max = nullptr;
    TMyButton* MyButtonSet = nullptr;
    TMyButton* MyButtonRefresh = nullptr;
    TMyButton* MyButtonKlodka = nullptr;
    TMyButton* MyButtonConvolution = nullptr;
    TMyButton* MyButtonTransitionData = nullptr;
    QWidget* PanelBottom = nullptr;
    std::array<TMyButton*, kIntensityTypes> FLegend{};
    TMyButton* MyButtonExportData = nullptr;
    TMyButton* MyButtonExportFigure = nullptr;
    TMyButton* MyButtonLoadMeasured = nullptr;
    QLabel* FAgreementLabel = nullptr;
    /// The measured spectra by result folder, while the result is open.
    std::map<std::filesystem::path, MeasuredSpectrum> FMeasured;
    std::optional<Agreement> FMeasuredAgreement;

    TGraphSidePanel* FConvolution = nullptr;
    std::array<QRadioButton*, 3> FStyleButtons{};
    std::array<QRadioButton*, 4> FShapeButtons{};
    QLabel* FLorentzWidthLabel = nullptr;
    TMyUpDown* UpDownLorentzWidth = nullptr;
    QCheckBox* FResolutionBox = nullptr;
    QLabel* FResolutionLabel = nullptr;
    QWidget* FResolutionRow = nullptr;
    std::array<TMyUpDown*, 3> FResolutionFields{};
    QCheckBox* FNormaliseBox = nullptr;
    QLabel* FHalfWidthLabel = nullptr;
    QLabel* FHalfWidthKLabel = nullptr;
    QRadioButton* FUseUnitWidth = nullptr;
    QRadioButton* FUseKelvinWidth = nullptr;
    TMyUpDown* UpDownHalfWidth = nullptr;
    TMyUpDown* UpDownHalfWidthK = nullptr;
    QLabel* FNoteLabel = nullptr;
    QRadioButton* FIgnore = nullptr;
    QRadioButton* FBoltzmannButton = nullptr;
    QLabel* FTempLabel = nullptr;
    TMyUpDown* UpDownTemp = nullptr;

    TNeutronsForm* FNeutrons = nullptr;

    // plot mouse state
    bool view_mouseDn = false;
    int view_clickX = 0;
    int view_clickY = 0;
    int view_moveX = 0;
    bool FSettingControls = false;
};

} // namespace vintrel
