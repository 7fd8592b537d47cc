#include "levels/poziomy_d.h"

#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/theme.h"
#include "levels/detail_forms.h"
#include "levels/level_page_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>

namespace vintrel {

namespace {

constexpr int kTopBarHeight = 34;
constexpr int kHeaderHeight = 22;
constexpr int kSliderRowHeight = 24;
constexpr int kAxisStripHeight = 34;
constexpr int kBottomBarHeight = 30;
constexpr int kStripWidth = 17;

} // namespace

TpoziomyD::TpoziomyD(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("energy level scheme (mean field)"));
    FPanel = new QWidget(this);
    FErrors = TDeferredMessage(FPanel);
    FPanel->setObjectName(QStringLiteral("p0"));
    theme::fillBackground(FPanel);
    buildDiagram();
    buildTopBar();
    buildHeader();
    buildSliderRow();
    buildBottomBar();
    layoutPanel();
    FPanel->resize(900, 600);
    applyHeader();
    selectionChanged();
}

TpoziomyD::~TpoziomyD() = default;

void TpoziomyD::buildDiagram() {
    FDiagram = new QWidget(FPanel);
    FDiagram->setObjectName(QStringLiteral("diagram"));
    FDiagram->setAttribute(Qt::WA_OpaquePaintEvent);
    FDiagram->setMouseTracking(true);
    FDiagram->setMinimumSize(200, 200);
    FDiagram->installEventFilter(this);
    FControls = new EnergyViewControls(FPanel, FDiagram, kTopBarHeight + kHeaderHeight + 4);
    FControls->setBeforeChange([this] { refreshDataGuarded(); });
    FControls->setErrorHandler([this](const QString& text) { FErrors.show(text); });
    FControls->setNavigatorLevels([this] { return navigatorLevels(); });
    FControls->setNavigatorColour(QColor::fromRgb(kCurveColour));
}

void TpoziomyD::buildTopBar() {
    FTopBar = new QWidget(FPanel);
    auto* row = new QHBoxLayout(FTopBar);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(3);
    row->addWidget(makeLevelText(FTopBar, QStringLiteral("graph view")));
    FControls->addZoomButtons(row, FTopBar);
    row->addSpacing(16);
    // The values and their captions are markup labels alike, so that they share a baseline.
    const auto text = [this, row](const QString& caption, int minimumWidth = 0) {
        auto* label = new TMyLabel(FTopBar, caption);
        label->setMinimumWidth(minimumWidth);
        row->addWidget(label);
        return label;
    };
    text(QStringLiteral("slider position: "));
    FSliderValue = text(QString(), 64);
    row->addSpacing(10);
    text(QStringLiteral("selected temperature: "));
    FStepValue = text(QStringLiteral("T="), 80);
    row->addSpacing(10);
    text(QStringLiteral("molecular field value: "));
    FFieldValue = text(QStringLiteral("B_m_o_l="), 90);
    row->addStretch(1);
}

void TpoziomyD::buildHeader() {
    FHeaderRow = new QWidget(FPanel);
    FColumnHeader = new TMyLabel(FHeaderRow, QString());
    FColumnHeader->move(0, 4);
    FValuesLabel = new TMyLabel(FHeaderRow, QStringLiteral("expected values"));
    FValuesLabel->move(436, 4);
}

void TpoziomyD::buildSliderRow() {
    FSliderRow = new QWidget(FPanel);
    FSliderRow->installEventFilter(this);
    FSlider = new QSlider(Qt::Horizontal, FSliderRow);
    FSlider->setRange(0, 0);
    FSlider->setValue(0);
    FSlider->setEnabled(false);
    connect(FSlider, &QSlider::valueChanged, this, [this] { selectionChanged(); });
    FAxisStrip = new QWidget(FPanel);
    FAxisStrip->setObjectName(QStringLiteral("temperatureAxis"));
    FAxisStrip->setAttribute(Qt::WA_OpaquePaintEvent);
    FAxisStrip->installEventFilter(this);
}

void TpoziomyD::buildBottomBar() {
    FBottomBar = new QWidget(FPanel);
    auto* row = new QHBoxLayout(FBottomBar);
    row->setContentsMargins(6, 3, 6, 3);
    row->setSpacing(4);
    row->addWidget(
        makeLevelText(FBottomBar, QStringLiteral("show detailed data for selected temperature:")));
    MyButton_eigenvalues =
        makeLevelButton(FBottomBar, QStringLiteral("eigenvalues"),
                        QStringLiteral("Show eigenfunctions of states"), 90, true);
    MyButton_eigenvectors = makeLevelButton(
        FBottomBar, QStringLiteral("eigenvectors"),
        QStringLiteral(
            "Show values of energy levels together with expected values of angular momentum"),
        90, true);
    row->addWidget(MyButton_eigenvalues);
    row->addWidget(MyButton_eigenvectors);
    row->addStretch(1);
    MyButton_export = makeLevelButton(
        FBottomBar, QStringLiteral("Export data\u2026"),
        QStringLiteral("Save the levels of every temperature step as a CSV table"), 90, false);
    row->addWidget(MyButton_export);
    connect(MyButton_export, &TMyButton::OnClick, this, &TpoziomyD::exportData);
}

void TpoziomyD::layoutPanel() {
    auto* column = new QVBoxLayout(FPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    FTopBar->setFixedHeight(kTopBarHeight);
    FHeaderRow->setFixedHeight(kHeaderHeight);
    FSliderRow->setFixedHeight(kSliderRowHeight);
    FAxisStrip->setFixedHeight(kAxisStripHeight);
    FBottomBar->setFixedHeight(kBottomBarHeight);
    column->addWidget(FTopBar);
    column->addWidget(FHeaderRow);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(FDiagram, 1);
    middle->addWidget(FControls->scrollStrip());
    column->addLayout(middle, 1);
    // The slider and the temperature axis are as wide as the diagram, so that their columns
    // are the diagram's.
    for (QWidget* under : {FSliderRow, FAxisStrip}) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        row->addWidget(under, 1);
        row->addSpacing(kStripWidth);
        column->addLayout(row);
    }
    column->addWidget(FBottomBar);
}

void TpoziomyD::placeSlider() {
    // The slider's groove ends half a handle inside its frame: the handle's centre runs from
    // the column of T_first to that of T_last.
    const int handle = FSlider->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, FSlider);
    const int W = FSliderRow->width();
    const int left = temperatureToColumn(FAxis.first, FAxis, W);
    const int right = temperatureToColumn(FAxis.last, FAxis, W);
    FSlider->setGeometry(left - handle / 2, 0, right - left + handle, FSliderRow->height());
}

void TpoziomyD::setDetailForms(TEigenenergyForm* energies, TEigenVectorsForm* vectors) {
    FEnergyForm = energies;
    FVectorsForm = vectors;
    const auto centreOn = [this] { return FMainWindow ? FMainWindow : FPanel->window(); };
    if (energies)
        bindDetailToggle(
            MyButton_eigenvalues, energies, [this] { fillEnergies(); }, centreOn, FPanel);
    if (vectors)
        bindDetailToggle(
            MyButton_eigenvectors, vectors, [this] { fillVectors(); }, centreOn, FPanel);
}

} // namespace vintrel
