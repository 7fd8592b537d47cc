#pragma once

#include "base/data_table.h"
#include "base/measured_data.h"
#include "graphs/axis_range.h"
#include "graphs/graph_session.h"
#include "graphs/plot_painter.h"
#include "graphs/temperature_plot.h"
#include "resultdata/input_files.h"
#include "tabs/result_page.h"
#include "tabs/tab_kind.h"

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QMouseEvent;
class QTableWidget;
class QHBoxLayout;

namespace vintrel {

class TMyButton;
class TMyLabel;
class TGraphDetailsLink;
class TRangeEditor;

/// What the small parameter view is told by a graph page: the mouse went in or out of its
/// area, was pressed or released there, or clicked it.
enum class MiniParamEvent { Enter, Leave, Press, Release, Click };

/// What a graph page needs from the viewer.
struct GraphPageHost {
    /// Where the current result's files are.
    std::function<ResultLocation()> currentResult;
    /// The window the page's messages and detail windows belong to.
    QWidget* mainWindow = nullptr;
    /// Draws the small parameter view (none: the page draws none).
    MiniParamDrawer miniParam;
    /// Receives the mouse events over the small parameter view.
    std::function<void(MiniParamEvent)> miniParamEvent;
    /// The result folders (names inside the working root) that the padlock writes a range
    /// into; by default every ordinary result tab of the result panel that holds the page.
    std::function<std::vector<std::string>()> padlockFolders;
};

/// How one graph page differs from the others in the shared machinery.
struct GraphPageConfig {
    /// The form's caption and the page's name in exported files ("magnetic susceptibility").
    QString caption;
    GraphSettingsKind settingsKind = GraphSettingsKind::Chi;
    ZoomRule zoomRule = ZoomRule::HalveRange;
    /// The padlock's hint while released; pressed it reads "Click to set range for this graph
    /// only".
    QString padlockHint;
    /// The range editor shows the exponent beside the value ("^.10" and the raised n).
    bool exponentInEditor = false;
    /// The unit title of the marker list's value column.
    QString markerUnit;
    /// Where the data area lies in the plot.
    PlotMargins margins;
    /// The kind of result tab whose settings files the padlock writes a range into.
    TKind padlockKind = TKind::tkResult;
    /// The range editor takes both ends of the axis ("Edit_Min" beside "Edit_Max").
    bool bothEnds = false;
};

/// The shared temperature graph page: the plot drawn from a page description by the one
/// painter, the tool bar with "+", "-", "1:1", the range editor ("set range", the value,
/// "set") and the padlock, the marker list column ("set markers (+)", "clear"), the bottom bar
/// with "detailed information", the page's own panel, "Export data…" and "Export figure…",
/// and the small parameter view's hot area. A page is a subclass that reads its data, says
/// what to draw and adds what is its own.
///
/// Files are read when a result becomes current, when the page is shown, or before an action,
/// and only when they changed (size or modification time); never while painting. A file that
/// cannot be read shows its message as a note in the plot area.
///
/// The mean-field temperature pages are configurations of the same page: their settings kind
/// ("g_moment.dup", "g_aniso.dup" with both ends of the axis, …), kMeanFieldMargins and the
/// HalveRange zoom in the config; data read with readDataColumns; default ranges from
/// columnMaxima and columnMinima; a `describe` that cuts curves at every edge
/// (ClipMode::AllSides), gives the stored reciprocal markers of 1/χ through `markerValue`, and
/// draws the ordering temperature as an overlay; χ's average through powderAverage.
class TGraphPage : public QWidget, public TResultPage {
    Q_OBJECT
public:
    TGraphPage(GraphPageHost host, GraphPageConfig config, QWidget* parent = nullptr);
    ~TGraphPage() override;

    // TResultPage
    QList<QWidget*> hostedPanels() override;
    void wczytajDane(const PageContext& context) override;
    void resultShown(const PageContext& context) override;
    void pageShown(const PageContext& context) override;
    void windowMoved() override;

    /// The hosted panel.
    QWidget* p0() const { return FPanel; }
    /// The plot widget.
    QWidget* plot() const { return FPlot; }
    /// Reads the current result's files again when they changed (or `force`).
    void refresh(bool force = false);

    /// The plot as it is drawn now, at the plot's size (also the figures' content).
    PlotScene scene(bool forFigure = false);
    /// The curves the plot shows now that have a name, for a legend (a report's figure).
    std::vector<CurveDescription> legendEntries() const;
    /// The range and markers of the current result.
    const GraphSettingsSession& session() const { return FSession; }
    /// The note shown in the plot ("" when all files were read).
    const QString& note() const { return FNote; }

    // The shared actions, as the buttons run them.
    void zoomIn();
    void zoomOut();
    void zoomToData();
    void openRangeEditor();
    /// "set": the number in the field becomes the range (a text that is not a finite positive
    /// number keeps the range; with both ends, they must be finite and ordered).
    void applyRangeEditor();
    void setPadlock(bool down);
    void showMarkerList(bool shown);
    void clearMarkerList();
    void exportData();
    void exportFigure();
    /// Writes the figure to a file: PNG at the plot's size, SVG or PDF (vector lines and
    /// text) by the path's suffix. Returns an error text, empty on success.
    QString writeFigure(const QString& path);

    TMyButton* zoomInButton() const { return MyButtonExpPlus; }
    TMyButton* zoomOutButton() const { return MyButtonExpMinus; }
    TMyButton* zoomButton() const { return MyButtonZoom; }
    TMyButton* rangeButton() const;
    TMyButton* setButton() const;
    QLineEdit* rangeEdit() const;
    /// The field of the lower end (pages whose editor takes both ends).
    QLineEdit* rangeMinEdit() const;
    TMyButton* padlockButton() const { return MyButtonKlodka; }
    TMyButton* markersButton() const { return MyButtonMarkers; }
    TMyButton* detailsButton() const { return MyButtonDetails; }
    TMyButton* exportDataButton() const { return MyButtonExportData; }
    TMyButton* exportFigureButton() const { return MyButtonExportFigure; }
    /// The bottom bar gives the page's own panel a second row when the window is too narrow
    /// for one.
    bool bottomBarInTwoRows() const;
    TMyButton* loadMeasuredButton() const { return MyButtonLoadMeasured; }
    /// The line below the plot: how the page's curve agrees with the markers.
    QLabel* agreementLabel() const { return FAgreement; }

    /// "Load measured data…": the file and columns chosen in the dialogs are loaded.
    void loadMeasuredData();
    /// The chosen columns of a measured file (x in K) become the page's markers, stored in the
    /// settings file as markers are (points whose y is 0 or not finite are left out); their
    /// errors are kept for the result while it is open and drawn as error bars. Returns why
    /// nothing was loaded, empty on success.
    QString loadMeasured(const MeasuredTable& table, std::size_t x, std::size_t y,
                         std::optional<std::size_t> err, const QString& file);
    /// The error bars of the current result's markers.
    std::vector<ErrorBar> errorBars() const;
    QTableWidget* markerList() const { return ValueListEditor1; }

    /// Shares the details window with another page (the pair of pages that open one window).
    void setDetailsLink(TGraphDetailsLink* link);

    /// A toolbar or panel button in the viewer's look.
    static TMyButton* makeButton(QWidget* parent, const QString& caption, const QString& hint,
                                 int width, bool toggle,
                                 const QString& glyphs = QStringLiteral("button"));

protected:
    // What a page says.
    /// The data files whose changes make the page read again.
    virtual std::vector<std::filesystem::path>
    dataFiles(const std::filesystem::path& folder) const = 0;
    /// Reads the data of a result folder into the page (throws on a missing or damaged file).
    virtual void loadData(const std::filesystem::path& folder, const TVariables& vars) = 0;
    /// Forgets the data (nothing could be read).
    virtual void clearData() = 0;
    /// Whether data are held.
    virtual bool hasData() const = 0;
    /// The range a missing settings file is made with (throws without data).
    virtual AxisRange defaultRange() const = 0;
    /// The range "1:1" sets.
    virtual AxisRange fittedRange() const = 0;
    /// The temperatures of the rows (the marker list's keys).
    virtual const std::vector<double>& temperatures() const = 0;
    /// Fills the description for a plot of the given size: curves, title, overlays, marker
    /// value rule (the range, markers and temperatures are set).
    virtual void describe(TemperaturePlot& plot, int width, int height) const = 0;
    /// The table of "Export data…".
    virtual DataTable exportTable(const ResultLocation& location,
                                  const std::string& name) const = 0;
    /// The range as the axis shows it (the inverse page folds a positive exponent).
    virtual AxisRange shownRange(const AxisRange& stored) const { return stored; }
    /// The range as it is stored (the mean-field inverse page keeps exponent 0).
    virtual AxisRange storedRange(const AxisRange& range) const { return range; }
    /// The markers as the page shows and edits them, of the stored ones (the mean-field
    /// inverse page stores reciprocals), and back.
    virtual xy_array shownMarkers(const xy_array& stored) const { return stored; }
    virtual xy_array storedMarkers(const xy_array& shown) const { return shown; }
    /// Called after the data or the range changed (pages update their own panels).
    virtual void dataChanged() {}
    /// Called when the plot changed its size (pages place their panels over it).
    virtual void plotResized() {}
    /// Fills the details window for this page (the details button was pressed).
    virtual void fillDetails() {}
    /// The curve the markers are compared with, over temperatures(), and its name; by default
    /// the first curve the page draws. Null when none is drawn.
    virtual const std::vector<double>* comparedCurve(QString& name) const;

    // What a page uses.
    void addToolbarWidget(QWidget* widget);
    /// Puts a page's own panel in the middle of the bottom bar.
    void setBottomPanel(QWidget* panel);
    /// The description changed (visibility, highlight, mode): the plot is drawn anew.
    void plotChanged();
    /// The current result's folder (empty without a result).
    std::filesystem::path folder() const { return FFolder; }
    const GraphPageHost& host() const { return FHost; }
    const GraphPageConfig& config() const { return FConfig; }
    TGraphDetailsLink* detailsLink() const { return FDetailsLink; }
    /// Stores a new range (with the padlock: for every result of the kind) and redraws;
    /// problems are shown once.
    void storeRange(const AxisRange& range);
    /// The axis range drawn now.
    AxisRange axisRange() const;
    /// A text for the user, shown in a message box (not from a paint).
    void tell(const QString& text);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanel();
    void buildToolbar();
    void buildMarkerColumn();
    void buildBottomBar();
    /// The page's curves as its description gives them now (without markers or notes); only
    /// with data.
    TemperaturePlot describedCurves() const;
    /// The width the bottom bar needs for everything in one row.
    int bottomRowWidth() const;
    void arrangeBottomBar();
    void layoutOverlays();
    void loadResult(const ResultLocation& location);
    void fillMarkerList();
    void markerListEdited();
    void closeRangeEditor();
    void paintPlot();
    bool plotMouse(QEvent* event);
    void setMiniParamHover(bool inside);
    std::vector<std::filesystem::path> watchedFiles() const;
    void updateAgreement();
    /// The result's tab name and the page's caption, the name of exported files.
    QString figureName() const;

    GraphPageHost FHost;
    GraphPageConfig FConfig;
    GraphSettingsSession FSession;
    ResultLocation FLocation;
    std::filesystem::path FFolder;
    std::optional<FileStamps> FStamps;
    QString FNote;
    std::optional<PlotScene> FScene;

    QWidget* FPanel = nullptr;
    QWidget* FPlot = nullptr;
    QWidget* Panel_wyswietl = nullptr;
    QHBoxLayout* FToolbarRow = nullptr;
    QWidget* PanelBottom = nullptr;
    QHBoxLayout* FBottomRow = nullptr;
    QHBoxLayout* FBottomRow2 = nullptr;
    QWidget* FBottomPanel = nullptr;
    bool FBottomTwoRows = false;
    QWidget* Panel_ValuelLabelEditor = nullptr;
    QTableWidget* ValueListEditor1 = nullptr;
    TMyButton* MyButton_clear = nullptr;
    TMyButton* MyButtonExpPlus = nullptr;
    TMyButton* MyButtonExpMinus = nullptr;
    TMyButton* MyButtonZoom = nullptr;
    TRangeEditor* FRangeEditor = nullptr;
    TMyLabel* MyLabelExp = nullptr;
    TMyButton* MyButtonKlodka = nullptr;
    TMyButton* MyButtonMarkers = nullptr;
    TMyButton* MyButtonDetails = nullptr;
    TMyButton* MyButtonTempRange = nullptr;
    TMyButton* MyButtonExportData = nullptr;
    TMyButton* MyButtonExportFigure = nullptr;
    TMyButton* MyButtonLoadMeasured = nullptr;
    QLabel* FAgreement = nullptr;
    TGraphDetailsLink* FDetailsLink = nullptr;
    /// The errors of loaded measured points (as shown), by result folder, while it is open.
    struct MeasuredErrors {
        QString file;
        xy_array points;
        std::vector<double> err;
    };
    std::map<std::filesystem::path, MeasuredErrors> FMeasured;
    bool FFillingList = false;
    bool inMiniParam = false;
    bool view_mouseDn = false;
};

} // namespace vintrel
