#include "levels/poziomy.h"

#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_combobox.h"
#include "controls/my_label.h"
#include "controls/nice_panel.h"
#include "controls/theme.h"
#include "levels/detail_forms.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace vintrel {

namespace {

constexpr int kTopBarHeight = 34;
constexpr int kHeaderHeight = 22;
constexpr int kBottomBarHeight = 30;
constexpr int kStripWidth = 17;
constexpr int kThumbHeight = 30;
constexpr int kZoomPanelWidth = 252;
constexpr int kZoomPanelHeight = 340;

const QString kHeaderLS = QStringLiteral(
    " E  [K]    |   ground term     |           energy levels            | Energy E_i [K] |");
const QString kHeaderJ = QStringLiteral(
    " E  [K]    |ground multiplet|           energy levels            | Energy E_i [K] |");

TMyButton* makeButton(QWidget* parent, const QString& caption, const QString& hint, int width,
                      bool toggle, const QString& glyphs = QStringLiteral("button")) {
    auto* button = new TMyButton(parent);
    loadGlyphSet(*button, glyphs);
    button->SetStretch(true);
    button->SetCaption(caption);
    button->setToolTip(hint);
    button->SetTriState(toggle);
    button->setFixedSize(width, 23);
    return button;
}

TMyButton* makeAxisButton(QWidget* parent, const QString& letter, const QString& hint,
                          const QColor& out, const QColor& over) {
    TMyButton* button = makeButton(parent, letter, hint, 24, true, QStringLiteral("tool"));
    ControlFont font;
    font.font = viewerFont(QStringLiteral("Tahoma"), 10, true);
    font.colour = out;
    button->SetFontOut(font);
    font.colour = over;
    button->SetFontOver(font);
    return button;
}

QLabel* makeText(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setFont(viewerFont());
    return label;
}

} // namespace

Tpoziomy::Tpoziomy(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("energy level scheme"));
    FPanel = new QWidget(this);
    FPanel->setObjectName(QStringLiteral("p0"));
    FPanel->setAutoFillBackground(true);
    QPalette palette = FPanel->palette();
    palette.setColor(QPalette::Window, theme::kPageBackground);
    FPanel->setPalette(palette);
    buildTopBar();
    buildHeader();
    buildDiagram();
    buildBottomBar();
    layoutPanel();
    buildZoomPanel();
    FPanel->installEventFilter(this);
    FPanel->resize(900, 600);
    selectAxis(Axis::z);
}

Tpoziomy::~Tpoziomy() = default;

void Tpoziomy::buildTopBar() {
    FTopBar = new QWidget(FPanel);
    auto* row = new QHBoxLayout(FTopBar);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(3);
    row->addWidget(makeText(FTopBar, QStringLiteral("quantization axis")));
    MyButton_z = makeAxisButton(FTopBar, "z", QStringLiteral("Energy levels for z axis"),
                                QColor(0x00, 0x27, 0xC2), QColor(0x00, 0xA0, 0xFF));
    MyButton_x = makeAxisButton(FTopBar, "x", QStringLiteral("Energy levels for x axis"),
                                QColor(0x1F, 0x76, 0x12), QColor(0x24, 0xEA, 0x03));
    MyButton_y = makeAxisButton(FTopBar, "y", QStringLiteral("Energy levels for y axis"),
                                QColor(0xDA, 0x8A, 0x00), QColor(0xFF, 0xC4, 0x55));
    for (auto [button, axis] : {std::pair{MyButton_z, Axis::z}, std::pair{MyButton_x, Axis::x},
                                std::pair{MyButton_y, Axis::y}}) {
        row->addWidget(button);
        connect(button, &TMyButton::OnClick, this, [this, axis = axis] { selectAxis(axis); });
    }
    row->addSpacing(12);
    row->addWidget(makeText(FTopBar, QStringLiteral("graph view")));
    MyButton_zoom11 =
        makeButton(FTopBar, QStringLiteral("1:1"),
                   QStringLiteral("Set zoom level so all energy levels fit the window"), 30, false,
                   QStringLiteral("tool"));
    MyButton_zoomIn = makeButton(FTopBar, QStringLiteral("+"), QStringLiteral("Zoom in"), 24, false,
                                 QStringLiteral("tool"));
    MyButton_zoomOut = makeButton(FTopBar, QStringLiteral("-"), QStringLiteral("Zoom out"), 24,
                                  false, QStringLiteral("tool"));
    MyButton_zoomInfo = makeButton(FTopBar, QStringLiteral("zoom info"),
                                   QStringLiteral("Show zoom information"), 70, true);
    MyButton_help = makeButton(FTopBar, QStringLiteral("?"), QStringLiteral("Click for help"), 24,
                               true, QStringLiteral("tool"));
    for (TMyButton* b :
         {MyButton_zoom11, MyButton_zoomIn, MyButton_zoomOut, MyButton_zoomInfo, MyButton_help})
        row->addWidget(b);
    connect(MyButton_zoom11, &TMyButton::OnClick, this, &Tpoziomy::UstawViewNaCalosc);
    connect(MyButton_zoomIn, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.zoomIn(); }); });
    connect(MyButton_zoomOut, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.zoomOut(); }); });
    connect(MyButton_zoomInfo, &TMyButton::OnClick, this,
            [this] { toggleZoomPanel(MyButton_zoomInfo->Down()); });
    connect(MyButton_help, &TMyButton::OnClick, this, [this] {
        helpVisible = MyButton_help->Down();
        FDiagram->update();
    });
    row->addSpacing(12);
    MyButton_transitions = makeButton(FTopBar, QStringLiteral("show transitions"),
                                      QStringLiteral("Show visible scattering lines"), 130, true);
    FTransitionsNote =
        makeText(FTopBar, QStringLiteral("Transitions visible for z quantization axis only."));
    FTransitionsNote->hide();
    MyButton_moment = makeButton(
        FTopBar, QStringLiteral("show magnetic moment"),
        QStringLiteral("Show details (spin, orbital, directional components) of magnetic moment"),
        150, true);
    row->addWidget(MyButton_transitions);
    row->addWidget(FTransitionsNote);
    row->addWidget(MyButton_moment);
    row->addStretch(1);
    connect(MyButton_transitions, &TMyButton::OnClick, this,
            [this] { setTransitions(MyButton_transitions->Down()); });
    connect(MyButton_moment, &TMyButton::OnClick, this,
            [this] { setMoment(MyButton_moment->Down()); });
}

void Tpoziomy::buildHeader() {
    FHeaderRow = new QWidget(FPanel);
    FColumnHeader = new TMyLabel(FHeaderRow, kHeaderLS);
    FColumnHeader->move(0, 4);
    ComboBoxEnergyUnit = new TMyComboBox(FHeaderRow);
    ComboBoxEnergyUnit->addItems({QStringLiteral("Energy Ei [K]"),
                                  QStringLiteral("Energy Ei [meV]"),
                                  QStringLiteral("Energy Ei [1/cm]")});
    ComboBoxEnergyUnit->setCurrentIndex(0);
    ComboBoxEnergyUnit->setGeometry(316, 0, 112, 21);
    connect(ComboBoxEnergyUnit, &QComboBox::currentIndexChanged, this,
            [this] { FDiagram->update(); });
    FValuesLabel = new TMyLabel(FHeaderRow, QStringLiteral("expected values"));
    FValuesLabel->move(436, 4);
}

void Tpoziomy::buildDiagram() {
    FDiagram = new QWidget(FPanel);
    FDiagram->setObjectName(QStringLiteral("diagram"));
    FDiagram->setAttribute(Qt::WA_OpaquePaintEvent);
    FDiagram->setMouseTracking(true);
    FDiagram->setMinimumSize(200, 200);
    FDiagram->installEventFilter(this);

    FScrollStrip = new QWidget(FPanel);
    FScrollStrip->setFixedWidth(kStripWidth);
    FScrollStrip->installEventFilter(this);
    FScrollUp = makeButton(FScrollStrip, QStringLiteral("\u25B4"), QString(), kStripWidth, false,
                           QStringLiteral("tool"));
    FScrollDown = makeButton(FScrollStrip, QStringLiteral("\u25BE"), QString(), kStripWidth, false,
                             QStringLiteral("tool"));
    FScrollUp->setFixedSize(kStripWidth, kStripWidth);
    FScrollDown->setFixedSize(kStripWidth, kStripWidth);
    FScrollUp->installEventFilter(this);
    FScrollDown->installEventFilter(this);
    FThumb = new QWidget(FScrollStrip);
    FThumb->setFixedSize(kStripWidth, kThumbHeight);
    FThumb->installEventFilter(this);
    FRepeatTimer = new QTimer(this);
    FRepeatTimer->setInterval(200);
    connect(FRepeatTimer, &QTimer::timeout, this, [this] { scrollStep(FRepeatDirection); });
}

void Tpoziomy::buildBottomBar() {
    FBottomBar = new QWidget(FPanel);
    auto* row = new QHBoxLayout(FBottomBar);
    row->setContentsMargins(6, 3, 6, 3);
    row->setSpacing(4);
    row->addWidget(makeText(FBottomBar, QStringLiteral("detailed information:")));
    MyButton_eigenvalues = makeButton(FBottomBar, QStringLiteral("eigenvalues"),
                                      QStringLiteral("Show eigenfunctions of states"), 90, true);
    MyButton_eigenvectors = makeButton(
        FBottomBar, QStringLiteral("eigenvectors"),
        QStringLiteral(
            "Show values of energy levels together with expected values of angular momentum"),
        90, true);
    MyButton_scattering = makeButton(
        FBottomBar, QStringLiteral("scattering"),
        QStringLiteral("Show values of transition matrix elements for scattering"), 90, true);
    for (TMyButton* b : {MyButton_eigenvalues, MyButton_eigenvectors, MyButton_scattering}) {
        row->addWidget(b);
        connect(b, &TMyButton::OnClick, this, [this, b] { detailToggled(b); });
    }
    FOverlayScroll = new QScrollBar(Qt::Horizontal, FBottomBar);
    FOverlayScroll->hide();
    row->addWidget(FOverlayScroll, 1);
    row->addStretch(0);
    MyButton_export =
        makeButton(FBottomBar, QStringLiteral("Export data\u2026"),
                   QStringLiteral("Save the levels of this axis as a CSV table"), 90, false);
    row->addWidget(MyButton_export);
    connect(MyButton_export, &TMyButton::OnClick, this, &Tpoziomy::exportData);
    connect(FOverlayScroll, &QScrollBar::valueChanged, this, [this] { FDiagram->update(); });
}

void Tpoziomy::layoutPanel() {
    auto* column = new QVBoxLayout(FPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    FTopBar->setFixedHeight(kTopBarHeight);
    FHeaderRow->setFixedHeight(kHeaderHeight);
    FBottomBar->setFixedHeight(kBottomBarHeight);
    column->addWidget(FTopBar);
    column->addWidget(FHeaderRow);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(FDiagram, 1);
    middle->addWidget(FScrollStrip);
    column->addLayout(middle, 1);
    column->addWidget(FBottomBar);
}

void Tpoziomy::buildZoomPanel() {
    FZoomPanel = new TNicePanel(FPanel);
    loadPanelSet(*FZoomPanel, QStringLiteral("panel"));
    FZoomPanel->resize(kZoomPanelWidth, kZoomPanelHeight);
    FZoomPanel->installEventFilter(this);
    MyButton_collapse =
        makeButton(FZoomPanel, QStringLiteral(">"), QString(), 20, true, QStringLiteral("tool"));
    MyButton_collapse->move(4, 4);
    connect(MyButton_collapse, &TMyButton::OnClick, this, [this] {
        FCollapsing = MyButton_collapse->Down();
        MyButton_collapse->SetCaption(FCollapsing ? QStringLiteral("<") : QStringLiteral(">"));
        FCollapseTimer->start();
    });
    FCollapseTimer = new QTimer(this);
    FCollapseTimer->setInterval(50);
    connect(FCollapseTimer, &QTimer::timeout, this, &Tpoziomy::collapseTick);

    makeText(FZoomPanel, QStringLiteral("Zoom scale:"))->move(30, 8);
    Edit_zoom = new QLineEdit(QStringLiteral("1.0x"), FZoomPanel);
    Edit_zoom->setReadOnly(true);
    Edit_zoom->setGeometry(100, 5, 70, 20);
    makeText(FZoomPanel, QStringLiteral("zoom navigation"))->move(30, 32);
    makeText(FZoomPanel, QStringLiteral("set visible area"))->move(30, 50);
    makeText(FZoomPanel, QStringLiteral("show levels:"))->move(110, 50);
    FNavigator = new QWidget(FZoomPanel);
    FNavigator->setGeometry(30, 70, 70, 220);
    FNavigator->installEventFilter(this);
    MyButton_highest = makeButton(FZoomPanel, QStringLiteral("highest"), QString(), 56, false);
    MyButton_zero = makeButton(FZoomPanel, QStringLiteral("zero"), QString(), 56, false);
    MyButton_lowest = makeButton(FZoomPanel, QStringLiteral("lowest"), QString(), 56, false);
    FHighestLabel = makeText(FZoomPanel, QStringLiteral("1000K"));
    FLowestLabel = makeText(FZoomPanel, QStringLiteral("-1000K"));
    connect(MyButton_highest, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.centreOnHighest(); }); });
    connect(MyButton_zero, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.centreOnZero(); }); });
    connect(MyButton_lowest, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.centreOnLowest(); }); });
    auto* zoomIn = makeButton(FZoomPanel, QStringLiteral("+"), QStringLiteral("Zoom in"), 24, false,
                              QStringLiteral("tool"));
    auto* zoomOut = makeButton(FZoomPanel, QStringLiteral("-"), QStringLiteral("Zoom out"), 24,
                               false, QStringLiteral("tool"));
    auto* closeButton = makeButton(FZoomPanel, QStringLiteral("close"), QString(), 60, false);
    zoomIn->move(30, 302);
    zoomOut->move(58, 302);
    closeButton->move(176, 302);
    connect(zoomIn, &TMyButton::OnClick, MyButton_zoomIn, &TMyButton::Click);
    connect(zoomOut, &TMyButton::OnClick, MyButton_zoomOut, &TMyButton::Click);
    connect(closeButton, &TMyButton::OnClick, this, [this] {
        MyButton_zoomInfo->SetDown(false);
        toggleZoomPanel(false);
    });
    FZoomPanel->hide();
    placeNavigatorButtons();
    FHighestLabel->setText(QStringLiteral("1000K"));
    FLowestLabel->setText(QStringLiteral("-1000K"));
}

QWidget* Tpoziomy::zoomPanel() const {
    return FZoomPanel;
}

void Tpoziomy::placeZoomPanel() {
    FZoomPanel->move(FPanel->width() - FZoomPanel->width() - kStripWidth - 4,
                     kTopBarHeight + kHeaderHeight + 4);
}

TMyButton* Tpoziomy::axisButton(Axis axis) const {
    switch (axis) {
    case Axis::x:
        return MyButton_x;
    case Axis::y:
        return MyButton_y;
    case Axis::z:
        break;
    }
    return MyButton_z;
}

void Tpoziomy::applyResultVariables() {
    const TVariables& vars = sharedVariables();
    FColumnHeader->SetCaption(vars.baza == 2 ? kHeaderJ : kHeaderLS);
    MyButton_y->setVisible(vars.cialo == 2);
    if (vars.cialo != 2 && FAxis == Axis::y)
        selectAxis(Axis::z);
}

void Tpoziomy::setDetailForms(TEigenenergyForm* energies, TEigenVectorsForm* vectors,
                              TScatteringForm* scattering) {
    FEnergyForm = energies;
    FVectorsForm = vectors;
    FScatteringForm = scattering;
    const std::pair<TDetailForm*, TMyButton*> pairs[] = {{energies, MyButton_eigenvalues},
                                                         {vectors, MyButton_eigenvectors},
                                                         {scattering, MyButton_scattering}};
    for (auto [form, button] : pairs)
        if (form)
            connect(form, &TDetailForm::closed, this,
                    [button = button] { button->SetDown(false); });
}

} // namespace vintrel
