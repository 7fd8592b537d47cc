#pragma once

#include "potential/moment_trail.h"
#include "potential/potential_page_model.h"
#include "resultdata/input_files.h"
#include "tabs/result_page.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace vintrel {

class TGLPanel;
class TGraphSidePanel;
class TMyButton;
class TMyLabel;
class TMyUpDown;
class TPaletteStrip;
class TRangeEditor;

/// What a potential page needs from the viewer.
struct PotVisHost {
    /// Where the current result's files are.
    std::function<ResultLocation()> currentResult;
    /// The window messages belong to.
    QWidget* mainWindow = nullptr;
    /// The result folders the padlock writes the range into; by default every ordinary result
    /// of the result panel that holds the page.
    std::function<std::vector<std::string>()> padlockFolders;
    /// Picks a palette bitmap for "load from file" (empty: cancelled); by default a file dialog.
    std::function<QString()> choosePaletteFile;
};

/// The potential pages: the coefficient rows on the left, the 3-D view in the middle with its
/// shape, rotation, help and warning panels, the palette choice, the palette strip with the
/// range indicators, the range editors, the padlock, "1:1", the visible part and the point of
/// view on the right, and "Export data…". The mean-field page (`TPotVisMFAForm`) adds the
/// temperature slider with its captions, the trail of molecular-field arrows and the central
/// view-through hole.
///
/// The points are built when the shape changes and evaluated when the points or the
/// coefficients change; a threshold, filter or hole change only shades again (one pass) and
/// uploads the index and visibility bytes, a palette change only the palette. Without OpenGL
/// the view is replaced by a note and the rest of the page works.
class TPotVisForm : public QWidget, public TResultPage {
    Q_OBJECT
public:
    TPotVisForm(PotVisHost host, bool meanField, QWidget* parent = nullptr);
    ~TPotVisForm() override;

    // TResultPage
    QList<QWidget*> hostedPanels() override { return {Panel1}; }
    void wczytajDane(const PageContext& context) override;

    /// The full refresh: rows, values when needed, range, thresholds, shading and the view.
    /// False when a row is not a number (the previous scene stays).
    bool readAndVis();

    // The controls' actions, as the controls run them.
    void setShape(Body body, int size, Resolution resolution);
    void choosePalette(int index);
    void setMarginal(bool marginal);
    void setFractions(double lower, double upper);
    void fitRange();
    void openMaximumEditor();
    void openMinimumEditor();
    void applyMaximumEditor();
    void applyMinimumEditor();
    void setPadlock(bool down);
    void setFreeMode(bool on);
    void selectRow(int i);
    /// One step of the step buttons on the selected row; false when it failed.
    bool stepSelectedRow(bool up);
    void startStepRepeat(bool up);
    void stopStepRepeat();
    void setRotationShown(bool shown);
    void applyRotation();
    /// The angles of the rotation panel's boxes.
    void setAngles(double x, double y, double z);
    void exportData();

    // What the page shows, for tests and shots.
    TGLPanel* view() const { return viewPanelX; }
    /// The note shown instead of the view without OpenGL.
    QLabel* viewNote() const { return FViewNote; }
    QWidget* p0() const { return Panel1; }
    QLineEdit* rowEdit(int i) const { return inputs[static_cast<std::size_t>(i - 1)]; }
    /// The coefficients the picture shows now (K a0^-n), in row order.
    const CoefficientList& shownCoefficients() const { return FShown; }
    TPaletteStrip* paletteStrip() const { return FStrip; }
    QComboBox* paletteBox() const { return ComboBoxPalette; }
    QComboBox* shapeBox() const { return ComboBoxShape; }
    QComboBox* resolutionBox() const { return ComboBoxResolution; }
    QSlider* sizeSlider() const { return TrackBarSize; }
    TRangeEditor* maximumEditor() const { return FMaxEditor; }
    TRangeEditor* minimumEditor() const { return FMinEditor; }
    TMyButton* padlockButton() const { return MyButtonKlodka; }
    TMyButton* freeButton() const { return MyButtonFree; }
    QWidget* stepPanel() const { return PanelStep; }
    TGraphSidePanel* shapePanel() const { return PanelShape; }
    TMyButton* stepUpButton() const { return MyButtonAdd; }
    QWidget* warningPanel() const { return PanelWarning; }
    bool stepRepeating() const { return FStepTimer.isActive(); }
    const PotentialField& field() const { return FField; }
    const CloudShading& shading() const { return FShading; }
    const ValueRange& range() const { return FRange; }
    int activeRow() const { return activeEdit; }
    /// The wireframe the view shows (only while the rotation panel is open).
    const TShapeData& shownShape() const { return viewPanelShp; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// The hole of the view-through (mean-field page), none on the plain page.
    virtual std::optional<ViewHole> hole() const { return std::nullopt; }
    /// The mean-field page reads its moment table and rebuilds its trail.
    virtual void resultLoaded(const std::filesystem::path&) {}
    /// The shape changed (the mean-field trail follows the shape size).
    virtual void shapeChanged() {}
    /// Builds the mean-field page's extra controls.
    virtual void addShapeControls(QWidget*, int&) {}
    virtual QWidget* makeTopBar(QWidget*) { return nullptr; }
    void tell(const QString& text);
    const PotVisHost& host() const { return FHost; }
    const ShapeChoice& shapeChoice() const { return FField.shape(); }

    /// Builds the controls; each page's constructor calls it once.
    void buildPanel();

    bool meanField_ = false;

private:
    QWidget* buildRows(QWidget* parent);
    QWidget* buildRightColumn(QWidget* parent);
    QWidget* buildCentre(QWidget* parent);
    void buildShapePanel(QWidget* parent);
    void buildRotationPanel(QWidget* parent);
    void placeOverlays();
    void loadRows(const TVariables& vars);
    void storeRange(const ValueRange& range);
    void showRotatedShape();
    std::filesystem::path folder() const;
    std::array<std::string, 27> rowTexts() const;

    PotVisHost FHost;
    ResultLocation FLocation;
    PotentialField FField;
    CloudShading FShading;
    ValueRange FRange{0, 1};
    std::optional<ValueRange> FMemoryRange; ///< the range while no result is current
    CoefficientList FShown{};
    double divConstUp = 0.7, divConstDown = 0.3;
    bool FMarginal = true;
    PointRotation FRotation;
    std::vector<std::array<std::uint8_t, 3>> FPaletteBytes;
    int FPaletteIndex = 0;
    TShapeData baseShp, viewPanelShp;
    bool FMinEdited = false, FMaxEdited = false;
    bool FFreeMode = false;
    int activeEdit = 0;
    bool FStepUp = true;
    QTimer FStepTimer;
    bool FLoading = false;

    QWidget* Panel1 = nullptr;
    QWidget* FCentre = nullptr;
    TGLPanel* viewPanelX = nullptr;
    QLabel* FViewNote = nullptr;
    std::array<QLineEdit*, 27> inputs{};
    std::array<QFrame*, 27> panelsB{};
    QWidget* FRowsBox = nullptr;
    TMyButton* MyButtonFree = nullptr;
    QWidget* PanelStep = nullptr;
    TMyButton* MyButtonAdd = nullptr;
    TMyButton* MyButtonSub = nullptr;
    QComboBox* ComboBoxStep = nullptr;
    QComboBox* ComboBoxPalette = nullptr;
    TPaletteStrip* FStrip = nullptr;
    TRangeEditor* FMaxEditor = nullptr;
    TRangeEditor* FMinEditor = nullptr;
    TMyButton* MyButtonKlodka = nullptr;
    TMyButton* MyButtonFit = nullptr;
    QRadioButton* RadioMarginal = nullptr;
    QRadioButton* RadioCentral = nullptr;
    TMyButton* MyButtonUnits = nullptr;
    QCheckBox* CheckInFront = nullptr;
    TMyButton* MyButtonVector = nullptr;
    TGraphSidePanel* PanelShape = nullptr;
    QComboBox* ComboBoxResolution = nullptr;
    QComboBox* ComboBoxShape = nullptr;
    QSlider* TrackBarSize = nullptr;
    QLabel* LabelSize = nullptr;
    TMyButton* MyButtonRotate = nullptr;
    QWidget* PanelRotation = nullptr;
    std::array<TMyUpDown*, 3> FAngles{};
    TMyButton* MyButtonHelp = nullptr;
    QWidget* PanelHelp = nullptr;
    QWidget* PanelWarning = nullptr;
    TMyButton* MyButtonExport = nullptr;
};

/// The "CEF view" page of an ordinary result.
class TPotVisResultForm : public TPotVisForm {
    Q_OBJECT
public:
    explicit TPotVisResultForm(PotVisHost host, QWidget* parent = nullptr);
};

/// The "visualizer (MF)" page of a mean-field result.
class TPotVisMFAForm : public TPotVisForm {
    Q_OBJECT
public:
    explicit TPotVisMFAForm(PotVisHost host, QWidget* parent = nullptr);

    QSlider* temperatureSlider() const { return TrackBarTemp; }
    const MomentTrail& trail() const { return FTrail; }
    const MomentTable& moments() const { return FTable; }
    QCheckBox* trailBox() const { return CheckMolField; }
    QCheckBox* holeBox() const { return CheckHole; }
    QSlider* stepsSlider() const { return TrackBarSteps; }
    QString temperatureCaption() const;
    void rebuildTrail();

protected:
    std::optional<ViewHole> hole() const override;
    void resultLoaded(const std::filesystem::path& folder) override;
    void addShapeControls(QWidget* parent, int& y) override;
    QWidget* makeTopBar(QWidget* parent) override;
    void shapeChanged() override { rebuildTrail(); }

private:
    void showTemperature();

    MomentTable FTable;
    MomentTrail FTrail;
    QSlider* TrackBarTemp = nullptr;
    TMyLabel* LabelTemp = nullptr;
    TMyLabel* LabelField = nullptr;
    TMyLabel* LabelMoment = nullptr;
    QCheckBox* CheckMolField = nullptr;
    QComboBox* ComboBoxLength = nullptr;
    QSlider* TrackBarSteps = nullptr;
    QLabel* LabelSteps = nullptr;
    QCheckBox* CheckHole = nullptr;
    QSlider* TrackBarHole = nullptr;
    QLabel* LabelHole = nullptr;
};

} // namespace vintrel
