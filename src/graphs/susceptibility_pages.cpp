#include "graphs/susceptibility_pages.h"

#include "base/number_pattern.h"
#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/my_trackbar.h"
#include "controls/my_updown.h"
#include "controls/theme.h"
#include "graphs/derived_curves.h"
#include "graphs/graph_details.h"
#include "graphs/graph_tables.h"
#include "graphs/side_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vintrel {

namespace {

constexpr std::array<ChiCurve, 4> kPanelOrder = {ChiCurve::z, ChiCurve::x, ChiCurve::y,
                                                 ChiCurve::average};

std::size_t curveIndex(ChiCurve curve) {
    return static_cast<std::size_t>(curve);
}

/// The caption of a curve's toggle: "average", or the field direction ("B_e_x_t||x").
std::string curveName(ChiCurve curve) {
    if (curve == ChiCurve::average)
        return "average";
    return std::string("B_e_x_t||") + directionLetter(static_cast<Direction>(curve));
}

QColor colourOf(const Rgb& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

GraphPageConfig chiConfig() {
    GraphPageConfig config;
    config.caption = QStringLiteral("magnetic susceptibility");
    config.settingsKind = GraphSettingsKind::Chi;
    config.zoomRule = ZoomRule::NiceOfTop;
    config.padlockHint = QStringLiteral("Click to set range for all susceptibility graphs");
    config.exponentInEditor = true;
    config.markerUnit = QStringLiteral("\u03bcB/T");
    return config;
}

GraphPageConfig inverseConfig() {
    GraphPageConfig config;
    config.caption = QStringLiteral("inverse magnetic susceptibility");
    config.settingsKind = GraphSettingsKind::InvChi;
    config.zoomRule = ZoomRule::HalveRange;
    config.padlockHint =
        QStringLiteral("Click to set plot range for all inverse susceptibility graphs");
    config.markerUnit = QStringLiteral("T/\u03bcB");
    config.margins.top = 96;
    return config;
}

} // namespace

// ---- the shared part ----

TSusceptibilityPage::TSusceptibilityPage(GraphPageHost host, GraphPageConfig config,
                                         bool withAverage)
    : TGraphPage(std::move(host), std::move(config)), FWithAverage(withAverage) {
    FDirectionPanel = buildDirectionPanel(withAverage);
    setBottomPanel(FDirectionPanel);
}

QWidget* TSusceptibilityPage::buildDirectionPanel(bool withAverage) {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel4"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(plainLabel(panel, QStringLiteral("directions of applied magnetic field B:")));
    for (ChiCurve curve : kPanelOrder) {
        if (curve == ChiCurve::average && !withAverage)
            continue;
        const std::size_t i = curveIndex(curve);
        const bool average = curve == ChiCurve::average;
        const char letter = average ? 'B' : directionLetter(static_cast<Direction>(i));
        auto* button = makeButton(panel, QString(), QString(), 24, true, QStringLiteral("swatch"));
        button->setObjectName(QStringLiteral("MyButton_check_%1").arg(QChar(letter).toUpper()));
        button->setToolTip(
            average ? QStringLiteral("policrystal or powder simulation")
                    : QStringLiteral("external magnetic field - parallel to local %1 axis")
                          .arg(letter));
        button->SetDown(!average);
        auto* label = new TMyLabel(panel, QString::fromStdString(curveName(curve)));
        FButtons[i] = button;
        FLabels[i] = label;
        paintLook(curve);
        row->addWidget(button);
        row->addWidget(label);
        row->addSpacing(6);
        connect(button, &TMyButton::OnClick, this, [this] {
            directionsChanged();
            plotChanged();
        });
        connect(button, &TMyButton::OnMouseOver, this,
                [this, curve] { setHighlighted(curve, true); });
        connect(button, &TMyButton::OnMouseOut, this,
                [this, curve] { setHighlighted(curve, false); });
    }
    return panel;
}

void TSusceptibilityPage::paintLook(ChiCurve curve) {
    const std::size_t i = curveIndex(curve);
    if (!FButtons[i])
        return;
    const CurveLook& look = kChiLooks[i];
    const QColor colour = colourOf(FHighlighted[i] ? look.highlighted : look.normal);
    FButtons[i]->SetColor(colour);
    FLabels[i]->SetFontColor(FButtons[i]->isEnabled() ? colour : QColor(150, 147, 162));
}

TMyButton* TSusceptibilityPage::directionButton(ChiCurve curve) const {
    return FButtons[curveIndex(curve)];
}

TMyLabel* TSusceptibilityPage::directionLabel(ChiCurve curve) const {
    return FLabels[curveIndex(curve)];
}

bool TSusceptibilityPage::shown(ChiCurve curve) const {
    const TMyButton* button = FButtons[curveIndex(curve)];
    if (!button || !button->Down())
        return false;
    if (curve == ChiCurve::y)
        return FData.hasY;
    if (curve == ChiCurve::average)
        return FAverage.has_value();
    return true;
}

void TSusceptibilityPage::setShown(ChiCurve curve, bool on) {
    if (TMyButton* button = FButtons[curveIndex(curve)]) {
        button->SetDown(on);
        directionsChanged();
        plotChanged();
    }
}

void TSusceptibilityPage::setHighlighted(ChiCurve curve, bool highlighted) {
    FHighlighted[curveIndex(curve)] = highlighted;
    paintLook(curve);
    plotChanged();
}

std::array<bool, 3> TSusceptibilityPage::shownDirections() const {
    return {shown(ChiCurve::x), shown(ChiCurve::y), shown(ChiCurve::z)};
}

std::vector<std::filesystem::path>
TSusceptibilityPage::dataFiles(const std::filesystem::path& folder) const {
    return {folder / kChiFiles[0],  folder / kChiFiles[1],   folder / kChiFiles[2],
            folder / "input_e.dup", folder / "input_an.dup", folder / "input_bn.dup"};
}

void TSusceptibilityPage::loadData(const std::filesystem::path& folder, const TVariables& vars) {
    FData = readChiData(folder, vars.cialo == 2);
    const auto& chi = FData.chi;
    FAverage = powderAverage(chi[0], FData.hasY ? &chi[1] : nullptr, chi[2], isUniaxial(vars));
}

void TSusceptibilityPage::clearData() {
    FData = {};
    FAverage.reset();
}

void TSusceptibilityPage::dataChanged() {
    if (TMyButton* y = FButtons[curveIndex(ChiCurve::y)]) {
        y->setEnabled(FData.hasY);
        paintLook(ChiCurve::y);
    }
    if (TMyButton* average = FButtons[curveIndex(ChiCurve::average)]) {
        const bool available = FAverage.has_value() || !hasData();
        average->setEnabled(available);
        average->setToolTip(available ? QStringLiteral("policrystal or powder simulation")
                                      : QString::fromLatin1(kPowderAverageUnavailable));
        paintLook(ChiCurve::average);
    }
    directionsChanged();
}

void TSusceptibilityPage::addDirectionCurves(TemperaturePlot& plot, bool inverse) const {
    for (ChiCurve curve : {ChiCurve::x, ChiCurve::y, ChiCurve::z, ChiCurve::average}) {
        if (!shown(curve))
            continue;
        const std::size_t i = curveIndex(curve);
        const std::vector<double>* values = curve == ChiCurve::average ? &*FAverage
                                            : inverse                  ? &FData.inverse[i]
                                                                       : &FData.chi[i];
        const CurveLook& look = kChiLooks[i];
        plot.curves.push_back({values, FHighlighted[i] ? look.highlighted : look.normal,
                               FHighlighted[i], LineStyle::Solid, curveName(curve)});
    }
}

const std::vector<double>* TSusceptibilityPage::comparedCurve(QString& name) const {
    const bool inverse = !FWithAverage;
    if (FWithAverage && shown(ChiCurve::average)) {
        name = QStringLiteral("chi_powder");
        return &*FAverage;
    }
    for (ChiCurve curve : {ChiCurve::z, ChiCurve::x, ChiCurve::y}) {
        if (!shown(curve))
            continue;
        const std::size_t i = curveIndex(curve);
        name = QStringLiteral("%1chi_%2")
                   .arg(inverse ? QStringLiteral("1/") : QString())
                   .arg(directionLetter(static_cast<Direction>(i)));
        return inverse ? &FData.inverse[i] : &FData.chi[i];
    }
    return nullptr;
}

DataTable TSusceptibilityPage::exportTable(const ResultLocation& location,
                                           const std::string& name) const {
    return susceptibilityDataTable(location, name);
}

void TSusceptibilityPage::fillDetails() {
    if (auto* form = qobject_cast<TSusceptibilityForm*>(detailsLink()->form()))
        form->loadResult(folder(), FData.hasY);
}

// ---- χ ----

Tgraf_chi::Tgraf_chi(GraphPageHost host, QWidget* parent)
    : TSusceptibilityPage(std::move(host), chiConfig(), true) {
    setParent(parent);
    MyButton_curiesLaw = makeButton(nullptr, QStringLiteral("Curie's law"),
                                    QStringLiteral("Show Curie's law information"), 80, true);
    addToolbarWidget(MyButton_curiesLaw);
    connect(MyButton_curiesLaw, &TMyButton::OnClick, this,
            [this] { showCuriePanel(MyButton_curiesLaw->Down()); });
    buildCuriePanel();
}

void Tgraf_chi::buildCuriePanel() {
    PanelCurie = new TGraphSidePanel(plot(), 182, 238, 61);
    PanelCurie->setObjectName(QStringLiteral("PanelCurie"));
    QWidget* box = PanelCurie->content();
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(4);
    column->addWidget(plainLabel(box, QStringLiteral("Curie's law:"), true));
    column->addWidget(new TMyLabel(box, QStringLiteral("!c(T) = C/T")));
    column->addWidget(new TMyLabel(box, QStringLiteral("C = p_e_f_f^2 !m_B^2/3k_B")));
    column->addWidget(new TMyLabel(box, QStringLiteral("p_e_f_f = g [J(J+1)]^1^/^2")));
    column->addWidget(plainLabel(box, QStringLiteral("effective magnetic moment:")));
    auto* momentRow = new QHBoxLayout;
    Edit1 = new TMyUpDown(box);
    Edit1->SetMax(50);
    Edit1->SetMin(0.1);
    Edit1->SetChange(0.1);
    Edit1->SetFormat(QStringLiteral("0.0"));
    Edit1->SetPosition(1.0);
    Edit1->setFixedSize(60, 18);
    momentRow->addWidget(Edit1);
    momentRow->addWidget(new TMyLabel(box, QStringLiteral("!m_B")));
    momentRow->addStretch(1);
    column->addLayout(momentRow);
    MyButtonCurie =
        makeButton(box, QStringLiteral("show plot of the Curie's law"), QString(), 150, true);
    column->addWidget(MyButtonCurie);
    auto* close = makeButton(box, QStringLiteral("close"), QString(), 60, false);
    column->addWidget(close, 0, Qt::AlignRight);
    column->addStretch(1);
    PanelCurie->move(0, 60);
    PanelCurie->hide();
    connect(MyButtonCurie, &TMyButton::OnClick, this, &Tgraf_chi::curieChanged);
    connect(Edit1, &TMyUpDown::OnChange, this, [this] {
        if (MyButtonCurie->Down())
            curieChanged();
    });
    connect(close, &TMyButton::OnClick, this, [this] { showCuriePanel(false); });
}

void Tgraf_chi::showCuriePanel(bool shown) {
    MyButton_curiesLaw->SetDown(shown);
    PanelCurie->setVisible(shown);
    if (!shown)
        return;
    PanelCurie->place();
    PanelCurie->raise();
    MyButtonCurie->SetDown(true);
    curieChanged();
    Edit1->Edit1->setFocus();
}

void Tgraf_chi::curieChanged() {
    const double p = Edit1->Position();
    if (p != FCurieMoment || FCurie.size() != FData.rowCount()) {
        FCurie = curieCurve(FData.T, p);
        FCurieMoment = p;
    }
    plotChanged();
}

void Tgraf_chi::dataChanged() {
    TSusceptibilityPage::dataChanged();
    FCurie = curieCurve(FData.T, Edit1->Position());
    FCurieMoment = Edit1->Position();
}

void Tgraf_chi::plotResized() {
    PanelCurie->place();
}

AxisRange Tgraf_chi::defaultRange() const {
    if (!hasData())
        throw std::runtime_error("no susceptibility data");
    return niceRange(chiDataRange(FData).chiMax);
}

AxisRange Tgraf_chi::fittedRange() const {
    return niceRange(chiDataRange(FData).chiMax);
}

void Tgraf_chi::describe(TemperaturePlot& plot, int, int) const {
    plot.labelDecimals = 2;
    plot.yTitle = susceptibilityTitle(shownDirections(), plot.range.exponent, false);
    addDirectionCurves(plot, false);
    if (MyButtonCurie->Down() && PanelCurie->isVisible())
        plot.curves.push_back({&FCurie, kCurieColour, false, LineStyle::Dashed, "Curie's law"});
}

// ---- 1/χ ----

Tgraf_1chi::Tgraf_1chi(GraphPageHost host, QWidget* parent)
    : TSusceptibilityPage(std::move(host), inverseConfig(), false),
      FSelector(plot(), [this] { MyTrackbarChange(); }), FFitter(plot(), [this] {
          fitCurieWeiss();
          plotChanged();
      }) {
    setParent(parent);
    // The effective moments beside the direction buttons.
    QWidget* moments = FSelector.row();
    auto* bottom = new QWidget;
    auto* both = new QHBoxLayout(bottom);
    both->setContentsMargins(0, 0, 0, 0);
    both->addWidget(FDirectionPanel);
    both->addSpacing(10);
    both->addWidget(moments);
    setBottomPanel(bottom);

    addToolbarWidget(FFitter.button());
    addToolbarWidget(FFitter.noChi0Button());
}

void Tgraf_1chi::fitCurieWeiss() {
    FFitter.refit(FData, FAverage ? &*FAverage : nullptr, firstRow(), secondRow());
}

void Tgraf_1chi::placeFitLabel() {
    TemperaturePlot description;
    description.margins = config().margins;
    description.T = &FData.T;
    FFitter.place(temperaturePlotArea(description, plot()->width(), plot()->height()));
}

QString Tgraf_1chi::effectiveMomentText(Direction d) const {
    return FSelector.field(d)->text();
}

void Tgraf_1chi::dataChanged() {
    TSusceptibilityPage::dataChanged();
    const int rows = static_cast<int>(FData.rowCount());
    if (rows != FRowCount) {
        // A result with other rows starts from its two highest temperatures.
        FRowCount = rows;
        FSelector.setRowCount(rows);
        selectRows(std::max(1, rows - 1), std::max(1, rows));
    }
    plotResized();
    MyTrackbarChange();
}

void Tgraf_1chi::directionsChanged() {
    for (Direction d : kDirections)
        FSelector.cell(d)->setVisible(shown(static_cast<ChiCurve>(d)));
}

void Tgraf_1chi::MyTrackbarChange() {
    FSelector.showMoments(FData);
    fitCurieWeiss();
    plotChanged();
}

void Tgraf_1chi::plotResized() {
    TemperaturePlot plot;
    plot.margins = config().margins;
    plot.T = &FData.T;
    const PlotTransform t =
        temperatureTransform(plot, this->plot()->width(), this->plot()->height());
    const int rows = static_cast<int>(FData.rowCount());
    int first = t.area.left;
    int last = t.area.left + t.area.width;
    if (rows >= 2) {
        const auto a = t.column(FData.T.front());
        const auto b = t.column(FData.T.back());
        if (a && b && *b > *a) {
            first = *a;
            last = *b;
        }
    }
    FSelector.place(first, last, t.area.top, kSelectorGap);
    placeFitLabel();
}

AxisRange Tgraf_1chi::defaultRange() const {
    if (!hasData())
        throw std::runtime_error("no susceptibility data");
    return niceRange(chiDataRange(FData).inverseMax);
}

AxisRange Tgraf_1chi::fittedRange() const {
    return foldPositiveExponent(niceRange(chiDataRange(FData).inverseMax));
}

AxisRange Tgraf_1chi::shownRange(const AxisRange& stored) const {
    return foldPositiveExponent(stored);
}

void Tgraf_1chi::describe(TemperaturePlot& plot, int width, int height) const {
    plot.yTitle = susceptibilityTitle(shownDirections(), plot.range.exponent, true);
    addDirectionCurves(plot, true);
    std::vector<const std::vector<double>*> secants;
    for (Direction d : kDirections)
        if (shown(static_cast<ChiCurve>(d)))
            secants.push_back(&FData.inverse[directionIndex(d)]);
    plot.overlays = temperatureSelection(temperatureTransform(plot, width, height), FData.T,
                                         firstRow(), secondRow(), secants);
    FFitter.addCurves(plot, [this](Direction d) { return shown(static_cast<ChiCurve>(d)); });
}

} // namespace vintrel
