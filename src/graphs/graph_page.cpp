// The shared temperature graph page: its panels, loading and painting.
#include "graphs/graph_page.h"

#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/numeric_entry.h"
#include "controls/theme.h"
#include "graphs/graph_details.h"
#include "graphs/range_editor.h"
#include "resultdata/result_variables.h"
#include "tabs/reader_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vintrel {

namespace {

constexpr int kToolbarTop = 14;
constexpr int kToolbarHeight = 27;
constexpr int kMarkerColumnWidth = 200;
constexpr int kBottomRowHeight = 32;
constexpr int kBottomMargin = 8;
constexpr int kBottomSpacing = 6;
constexpr int kBottomRowGap = 2;

/// The marker list's cells take only the keys of a number.
class NumericCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            installNumericKeyFilter(line);
        return editor;
    }
};

} // namespace

TMyButton* TGraphPage::makeButton(QWidget* parent, const QString& caption, const QString& hint,
                                  int width, bool toggle, const QString& glyphs) {
    return makeToolButton(parent, caption, hint, width, toggle, glyphs);
}

TGraphPage::TGraphPage(GraphPageHost host, GraphPageConfig config, QWidget* parent)
    : QWidget(parent), FHost(std::move(host)), FConfig(std::move(config)),
      FSession(FConfig.settingsKind) {
    setWindowTitle(FConfig.caption);
    buildPanel();
}

TGraphPage::~TGraphPage() = default;

void TGraphPage::buildPanel() {
    FPanel = new QWidget(this);
    FPanel->setObjectName(QStringLiteral("p0"));
    theme::fillBackground(FPanel);
    FPlot = new QWidget(FPanel);
    FPlot->setObjectName(QStringLiteral("PaintBox1"));
    FPlot->setAttribute(Qt::WA_OpaquePaintEvent);
    FPlot->setMouseTracking(true);
    FPlot->setMinimumSize(300, 250);
    FPlot->installEventFilter(this);
    buildToolbar();
    buildMarkerColumn();
    buildBottomBar();

    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addWidget(FPlot, 1);
    FAgreement = new QLabel(FPanel);
    FAgreement->setObjectName(QStringLiteral("agreement"));
    FAgreement->setFont(viewerFont());
    FAgreement->setContentsMargins(12, 2, 8, 2);
    FAgreement->setToolTip(QStringLiteral(
        "How the curve agrees with the markers. The error values of measured data are kept "
        "while the result is open; after it is opened again, \"Load measured data\u2026\" reads "
        "them from the file again."));
    FAgreement->hide();
    left->addWidget(FAgreement);
    left->addWidget(PanelBottom);
    auto* row = new QHBoxLayout(FPanel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addLayout(left, 1);
    row->addWidget(Panel_ValuelLabelEditor);
    FPanel->resize(900, 600);
}

void TGraphPage::buildToolbar() {
    Panel_wyswietl = new QWidget(FPlot);
    Panel_wyswietl->setObjectName(QStringLiteral("Panel_wyswietl"));
    FToolbarRow = new QHBoxLayout(Panel_wyswietl);
    FToolbarRow->setContentsMargins(0, 2, 0, 2);
    FToolbarRow->setSpacing(3);
    MyButtonExpPlus = makeButton(Panel_wyswietl, QStringLiteral("+"), QStringLiteral("Zoom in"), 24,
                                 false, QStringLiteral("tool"));
    MyButtonExpMinus = makeButton(Panel_wyswietl, QStringLiteral("-"), QStringLiteral("Zoom out"),
                                  24, false, QStringLiteral("tool"));
    MyButtonZoom = makeButton(Panel_wyswietl, QStringLiteral("1:1"),
                              QStringLiteral("Set plot range so the graph fits in the window"), 30,
                              false, QStringLiteral("tool"));
    FRangeEditor = new TRangeEditor(Panel_wyswietl,
                                    {QStringLiteral("set range"), QStringLiteral("Set plot range"),
                                     70, QStringLiteral("set"),
                                     QStringLiteral("Set plot range for current graph"), 40, 80});
    if (FConfig.bothEnds)
        FRangeEditor->addLowerField()->setObjectName(QStringLiteral("Edit_Min"));
    MyLabelExp = new TMyLabel(Panel_wyswietl);
    FRangeEditor->setCompanion(MyLabelExp);
    MyButtonKlodka = makeButton(Panel_wyswietl, QString(), FConfig.padlockHint, 24, true,
                                QStringLiteral("padlock"));
    MyButtonMarkers =
        makeButton(Panel_wyswietl, QStringLiteral("set markers (+)"),
                   QStringLiteral("Put markers (experimental data) on the graph"), 100, true);
    MyButtonLoadMeasured = makeButton(
        Panel_wyswietl, QStringLiteral("Load measured data\u2026"),
        QStringLiteral("Read measured points from a text file of columns; they become the "
                       "graph's markers"),
        135, false);
    for (QWidget* w :
         {static_cast<QWidget*>(MyButtonExpPlus), static_cast<QWidget*>(MyButtonExpMinus),
          static_cast<QWidget*>(MyButtonZoom), static_cast<QWidget*>(FRangeEditor),
          static_cast<QWidget*>(MyButtonKlodka), static_cast<QWidget*>(MyButtonMarkers),
          static_cast<QWidget*>(MyButtonLoadMeasured)})
        FToolbarRow->addWidget(w);
    FToolbarRow->addStretch(1);

    connect(MyButtonExpPlus, &TMyButton::OnClick, this, &TGraphPage::zoomIn);
    connect(MyButtonExpMinus, &TMyButton::OnClick, this, &TGraphPage::zoomOut);
    connect(MyButtonZoom, &TMyButton::OnClick, this, &TGraphPage::zoomToData);
    connect(FRangeEditor, &TRangeEditor::openRequested, this, &TGraphPage::openRangeEditor);
    connect(FRangeEditor, &TRangeEditor::confirmed, this, &TGraphPage::applyRangeEditor);
    connect(MyButtonKlodka, &TMyButton::OnClick, this,
            [this] { setPadlock(MyButtonKlodka->Down()); });
    connect(MyButtonMarkers, &TMyButton::OnClick, this,
            [this] { showMarkerList(MyButtonMarkers->Down()); });
    connect(MyButtonLoadMeasured, &TMyButton::OnClick, this, &TGraphPage::loadMeasuredData);
}

void TGraphPage::addToolbarWidget(QWidget* widget) {
    widget->setParent(Panel_wyswietl);
    FToolbarRow->insertWidget(FToolbarRow->indexOf(MyButtonMarkers), widget);
}

void TGraphPage::buildMarkerColumn() {
    Panel_ValuelLabelEditor = new QWidget(FPanel);
    Panel_ValuelLabelEditor->setObjectName(QStringLiteral("Panel_ValuelLabelEditor"));
    Panel_ValuelLabelEditor->setFixedWidth(kMarkerColumnWidth);
    auto* column = new QVBoxLayout(Panel_ValuelLabelEditor);
    column->setContentsMargins(4, 8, 6, 6);
    column->setSpacing(4);
    auto* title =
        new QLabel(QStringLiteral("markers (experimental data)"), Panel_ValuelLabelEditor);
    title->setFont(viewerFont());
    column->addWidget(title);
    ValueListEditor1 = new QTableWidget(0, 2, Panel_ValuelLabelEditor);
    ValueListEditor1->setHorizontalHeaderLabels({QStringLiteral("  K"), FConfig.markerUnit});
    ValueListEditor1->verticalHeader()->hide();
    ValueListEditor1->horizontalHeader()->setStretchLastSection(true);
    ValueListEditor1->setFont(viewerFont());
    ValueListEditor1->verticalHeader()->setDefaultSectionSize(18);
    ValueListEditor1->setItemDelegate(new NumericCellDelegate(ValueListEditor1));
    column->addWidget(ValueListEditor1, 1);
    MyButton_clear =
        makeButton(Panel_ValuelLabelEditor, QStringLiteral("clear"), QString(), 60, false);
    column->addWidget(MyButton_clear, 0, Qt::AlignRight);
    Panel_ValuelLabelEditor->hide();
    connect(ValueListEditor1, &QTableWidget::itemChanged, this, [this] {
        if (!FFillingList)
            markerListEdited();
    });
    connect(MyButton_clear, &TMyButton::OnClick, this, &TGraphPage::clearMarkerList);
}

void TGraphPage::buildBottomBar() {
    PanelBottom = new QWidget(FPanel);
    PanelBottom->setObjectName(QStringLiteral("PanelBottom"));
    PanelBottom->setFixedHeight(kBottomRowHeight);
    PanelBottom->installEventFilter(this);
    auto* rows = new QVBoxLayout(PanelBottom);
    rows->setContentsMargins(kBottomMargin, 3, kBottomMargin, 3);
    rows->setSpacing(kBottomRowGap);
    FBottomRow = new QHBoxLayout;
    FBottomRow->setSpacing(kBottomSpacing);
    FBottomRow2 = new QHBoxLayout;
    FBottomRow2->setSpacing(kBottomSpacing);
    FBottomRow2->addStretch(1);
    rows->addLayout(FBottomRow);
    rows->addLayout(FBottomRow2);
    MyButtonDetails = makeButton(
        PanelBottom, QStringLiteral("detailed information"),
        QStringLiteral("Show details (spin, orbital, directional components) of magnetic moment"),
        130, true);
    MyButtonTempRange = makeButton(PanelBottom, QStringLiteral("temp. range"),
                                   QStringLiteral("Change temperature range"), 80, false);
    MyButtonTempRange->hide();
    MyButtonExportData =
        makeButton(PanelBottom, QStringLiteral("Export data\u2026"),
                   QStringLiteral("Save the numbers of this graph as a CSV table"), 95, false);
    MyButtonExportFigure = makeButton(
        PanelBottom, QStringLiteral("Export figure\u2026"),
        QStringLiteral("Save this graph as a PNG picture, an SVG drawing or a PDF"), 100, false);
    FBottomRow->addWidget(MyButtonDetails);
    FBottomRow->addWidget(MyButtonTempRange);
    FBottomRow->addStretch(1);
    FBottomRow->addStretch(1);
    FBottomRow->addWidget(MyButtonExportData);
    FBottomRow->addWidget(MyButtonExportFigure);
    connect(MyButtonExportData, &TMyButton::OnClick, this, &TGraphPage::exportData);
    connect(MyButtonExportFigure, &TMyButton::OnClick, this, &TGraphPage::exportFigure);
    connect(MyButtonDetails, &TMyButton::OnClick, this, [this] {
        if (!FDetailsLink)
            return;
        refresh();
        FDetailsLink->toggled(
            MyButtonDetails->Down(), [this] { fillDetails(); }, FHost.mainWindow);
    });
}

void TGraphPage::setBottomPanel(QWidget* panel) {
    if (FBottomPanel) {
        FBottomRow->removeWidget(FBottomPanel);
        FBottomRow2->removeWidget(FBottomPanel);
    }
    FBottomPanel = panel;
    panel->setParent(PanelBottom);
    FBottomTwoRows = false;
    FBottomRow->insertWidget(FBottomRow->indexOf(MyButtonExportData) - 1, panel);
    arrangeBottomBar();
}

int TGraphPage::bottomRowWidth() const {
    int width = 2 * kBottomMargin;
    int items = 0;
    for (QWidget* item :
         {static_cast<QWidget*>(MyButtonDetails), static_cast<QWidget*>(MyButtonTempRange),
          FBottomPanel, static_cast<QWidget*>(MyButtonExportData),
          static_cast<QWidget*>(MyButtonExportFigure)}) {
        if (!item || item->isHidden())
            continue;
        // The buttons have a fixed width and no size hint.
        width += std::max(item->sizeHint().width(), item->minimumWidth());
        ++items;
    }
    // Some air between the page's own panel and the buttons on either side.
    return width + kBottomSpacing * std::max(0, items - 1) + 2 * kBottomSpacing;
}

void TGraphPage::arrangeBottomBar() {
    if (!FBottomPanel)
        return;
    // A window too narrow for one row gives the page's own panel a row of its own, so that
    // no caption or field is squeezed.
    const bool twoRows = bottomRowWidth() > PanelBottom->width();
    if (twoRows == FBottomTwoRows)
        return;
    FBottomTwoRows = twoRows;
    FBottomRow->removeWidget(FBottomPanel);
    FBottomRow2->removeWidget(FBottomPanel);
    if (twoRows)
        FBottomRow2->insertWidget(0, FBottomPanel);
    else
        FBottomRow->insertWidget(FBottomRow->indexOf(MyButtonExportData) - 1, FBottomPanel);
    PanelBottom->setFixedHeight(twoRows ? 2 * kBottomRowHeight - 6 + kBottomRowGap
                                        : kBottomRowHeight);
}

bool TGraphPage::bottomBarInTwoRows() const {
    return FBottomTwoRows;
}

void TGraphPage::setDetailsLink(TGraphDetailsLink* link) {
    FDetailsLink = link;
    if (link)
        link->addButton(MyButtonDetails);
}

QList<QWidget*> TGraphPage::hostedPanels() {
    return {FPanel};
}

void TGraphPage::wczytajDane(const PageContext&) {
    if (FHost.currentResult)
        loadResult(FHost.currentResult());
}

void TGraphPage::resultShown(const PageContext&) {
    refresh();
}

void TGraphPage::pageShown(const PageContext&) {
    refresh();
}

void TGraphPage::windowMoved() {
    FPlot->update();
}

std::vector<std::filesystem::path> TGraphPage::watchedFiles() const {
    if (FFolder.empty())
        return {};
    std::vector<std::filesystem::path> files = dataFiles(FFolder);
    files.push_back(FFolder / settingsFileName(FConfig.settingsKind));
    return files;
}

void TGraphPage::loadResult(const ResultLocation& location) {
    FLocation = location;
    FFolder = location.folder();
    closeRangeEditor();
    refresh(true);
    if (FDetailsLink && FDetailsLink->open() && MyButtonDetails->Down())
        fillDetails();
}

void TGraphPage::refresh(bool force) {
    const std::vector<std::filesystem::path> files = watchedFiles();
    const FileStamps stamps = FileStamps::of(files);
    if (!force && FStamps && *FStamps == stamps)
        return;
    FNote.clear();
    if (FFolder.empty()) {
        clearData();
        FSession.clear();
    } else {
        try {
            loadData(FFolder, sharedVariables());
        } catch (const std::exception& error) {
            clearData();
            FNote = QString::fromStdString(error.what());
        }
        const auto outcome = FSession.load(FFolder, [this] { return defaultRange(); });
        if (FNote.isEmpty() && !outcome.problem.empty())
            FNote = QString::fromStdString(outcome.problem);
    }
    // The settings file may just have been written: what is on disk now is what was read.
    FStamps = FileStamps::of(files);
    fillMarkerList();
    dataChanged();
    plotChanged();
}

void TGraphPage::plotChanged() {
    FScene.reset();
    FPlot->update();
    updateAgreement();
}

AxisRange TGraphPage::axisRange() const {
    return shownRange(FSession.range());
}

TemperaturePlot TGraphPage::describedCurves() const {
    TemperaturePlot plot;
    plot.margins = FConfig.margins;
    plot.range = axisRange();
    plot.T = &temperatures();
    describe(plot, FPlot->width(), FPlot->height());
    return plot;
}

std::vector<CurveDescription> TGraphPage::legendEntries() const {
    std::vector<CurveDescription> entries;
    if (!hasData())
        return entries;
    for (const CurveDescription& curve : describedCurves().curves)
        if (!curve.name.empty())
            entries.push_back(curve);
    return entries;
}

PlotScene TGraphPage::scene(bool forFigure) {
    TemperaturePlot plot;
    plot.margins = FConfig.margins;
    plot.range = axisRange();
    plot.markers = shownMarkers(FSession.markers());
    plot.T = &temperatures();
    if (hasData())
        describe(plot, FPlot->width(), FPlot->height());
    plot.note = FNote.toStdString();
    plot.errorBars = errorBars();
    if (plot.markerValue)
        for (ErrorBar& bar : plot.errorBars) {
            const double drawn = plot.markerValue({bar.x, bar.y});
            bar.err *= bar.y != 0 ? std::abs(drawn / bar.y) : 0;
            bar.y = drawn;
        }
    if (forFigure) {
        const QString name = FLocation.resultFolder.empty()
                                 ? QString()
                                 : TCommonPanel2::resultTabName(FPanel, FLocation.resultFolder);
        plot.caption =
            (name.isEmpty() ? FConfig.caption : name + QStringLiteral(": ") + FConfig.caption)
                .toStdString();
    } else if (FHost.miniParam) {
        plot.miniParamOpacity = inMiniParam ? 220 : 100;
    }
    PlotScene built = buildTemperatureScene(plot, FPlot->width(), FPlot->height());
    if (forFigure) {
        // Which curve is which, under the figure: the captions of the page's toggles, from the
        // left edge of the data area.
        const int left = temperaturePlotArea(plot, FPlot->width(), FPlot->height()).left;
        appendBelow(built, legendScene(plot.curves, built.width - 2 * left), left, 2);
    }
    return built;
}

void TGraphPage::paintPlot() {
    if (!FScene)
        FScene = scene(false);
    QPainter painter(FPlot);
    painter.fillRect(FPlot->rect(), theme::kPageBackground);
    paintPlotScene(painter, *FScene, FHost.miniParam);
}

bool TGraphPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PanelBottom) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)
            arrangeBottomBar();
        return QWidget::eventFilter(watched, event);
    }
    if (watched == FPlot) {
        switch (event->type()) {
        case QEvent::Paint:
            paintPlot();
            return true;
        case QEvent::Resize:
            layoutOverlays();
            FScene.reset();
            return false;
        default:
            return plotMouse(event);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TGraphPage::layoutOverlays() {
    Panel_wyswietl->setGeometry(35, kToolbarTop, std::max(0, FPlot->width() - 90), kToolbarHeight);
    plotResized();
}

void TGraphPage::setMiniParamHover(bool inside) {
    if (inside == inMiniParam)
        return;
    inMiniParam = inside;
    if (FHost.miniParamEvent)
        FHost.miniParamEvent(inside ? MiniParamEvent::Enter : MiniParamEvent::Leave);
    if (!inside && !view_mouseDn && FHost.miniParamEvent)
        FHost.miniParamEvent(MiniParamEvent::Release);
    FScene.reset();
    FPlot->update();
}

bool TGraphPage::plotMouse(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Leave) {
        setMiniParamHover(false);
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    if (!FHost.miniParam)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const PixelRect area =
        miniParamRect(plotArea(FPlot->width(), FPlot->height(), FConfig.margins));
    const QPoint p = mouse->position().toPoint();
    const bool inside = QRect(area.left, area.top, area.width, area.height).contains(p);
    setMiniParamHover(inside);
    const bool left = mouse->button() == Qt::LeftButton;
    if (type == QEvent::MouseButtonPress && left) {
        if (inside) {
            if (FHost.miniParamEvent)
                FHost.miniParamEvent(MiniParamEvent::Press);
        } else {
            view_mouseDn = true;
        }
    } else if (type == QEvent::MouseButtonRelease && left) {
        if (inside && !view_mouseDn && FHost.miniParamEvent) {
            FHost.miniParamEvent(MiniParamEvent::Release);
            FHost.miniParamEvent(MiniParamEvent::Click);
        }
        view_mouseDn = false;
    }
    return false;
}

void TGraphPage::tell(const QString& text) {
    showMessage(FHost.mainWindow ? FHost.mainWindow : FPanel, text);
}

} // namespace vintrel
