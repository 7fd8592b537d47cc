#include "levels/poziomy.h"

#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_combobox.h"
#include "controls/my_label.h"
#include "controls/nice_panel.h"
#include "controls/theme.h"
#include "levels/detail_forms.h"
#include "levels/level_page_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vintrel {

namespace {

constexpr int kTopBarHeight = 34;
constexpr int kHeaderHeight = 22;
constexpr int kBottomBarHeight = 30;

const QString kHeaderLS = QStringLiteral(
    " E  [K]    |   ground term     |           energy levels            | Energy E_i [K] |");
const QString kHeaderJ = QStringLiteral(
    " E  [K]    |ground multiplet|           energy levels            | Energy E_i [K] |");

TMyButton* makeAxisButton(QWidget* parent, const QString& letter, const QString& hint,
                          const QColor& out, const QColor& over) {
    TMyButton* button = makeLevelButton(parent, letter, hint, 24, true, QStringLiteral("tool"));
    ControlFont font;
    font.font = viewerFont(QStringLiteral("Tahoma"), 10, true);
    font.colour = out;
    button->SetFontOut(font);
    font.colour = over;
    button->SetFontOver(font);
    return button;
}

} // namespace

Tpoziomy::Tpoziomy(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("energy level scheme"));
    FPanel = new QWidget(this);
    FErrors = TDeferredMessage(FPanel);
    FPanel->setObjectName(QStringLiteral("p0"));
    theme::fillBackground(FPanel);
    buildDiagram();
    buildTopBar();
    buildHeader();
    buildBottomBar();
    layoutPanel();
    FPanel->resize(900, 600);
    selectAxis(Axis::z);
}

Tpoziomy::~Tpoziomy() = default;

void Tpoziomy::buildTopBar() {
    FTopBar = new QWidget(FPanel);
    auto* row = new QHBoxLayout(FTopBar);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(3);
    row->addWidget(makeLevelText(FTopBar, QStringLiteral("quantization axis")));
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
    row->addWidget(makeLevelText(FTopBar, QStringLiteral("graph view")));
    FControls->addZoomButtons(row, FTopBar);
    row->addSpacing(12);
    MyButton_transitions =
        makeLevelButton(FTopBar, QStringLiteral("show transitions"),
                        QStringLiteral("Show visible scattering lines"), 130, true);
    FTransitionsNote =
        makeLevelText(FTopBar, QStringLiteral("Transitions visible for z quantization axis only."));
    FTransitionsNote->hide();
    MyButton_moment = makeLevelButton(
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
    FControls = new EnergyViewControls(FPanel, FDiagram, kTopBarHeight + kHeaderHeight + 4);
    FControls->setBeforeChange([this] { refreshDataGuarded(); });
    FControls->setErrorHandler([this](const QString& text) { FErrors.show(text); });
    FControls->setNavigatorLevels([this] { return navigatorLevels(); });
}

void Tpoziomy::buildBottomBar() {
    FBottomBar = new QWidget(FPanel);
    auto* row = new QHBoxLayout(FBottomBar);
    row->setContentsMargins(6, 3, 6, 3);
    row->setSpacing(4);
    row->addWidget(makeLevelText(FBottomBar, QStringLiteral("detailed information:")));
    MyButton_eigenvalues =
        makeLevelButton(FBottomBar, QStringLiteral("eigenvalues"),
                        QStringLiteral("Show eigenfunctions of states"), 90, true);
    MyButton_eigenvectors = makeLevelButton(
        FBottomBar, QStringLiteral("eigenvectors"),
        QStringLiteral(
            "Show values of energy levels together with expected values of angular momentum"),
        90, true);
    MyButton_scattering = makeLevelButton(
        FBottomBar, QStringLiteral("scattering"),
        QStringLiteral("Show values of transition matrix elements for scattering"), 90, true);
    for (TMyButton* b : {MyButton_eigenvalues, MyButton_eigenvectors, MyButton_scattering})
        row->addWidget(b);
    FOverlayScroll = new QScrollBar(Qt::Horizontal, FBottomBar);
    FOverlayScroll->hide();
    row->addWidget(FOverlayScroll, 1);
    row->addStretch(0);
    MyButton_export =
        makeLevelButton(FBottomBar, QStringLiteral("Export data\u2026"),
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
    middle->addWidget(FControls->scrollStrip());
    column->addLayout(middle, 1);
    column->addWidget(FBottomBar);
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
            bindDetailToggle(
                button, form, [this, button = button] { fillDetailForm(button); },
                [this] { return FMainWindow ? FMainWindow : FPanel->window(); }, FPanel);
}

} // namespace vintrel
