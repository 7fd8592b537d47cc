#include "graphs/heat_pages.h"

#include "base/number_text.h"
#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/my_updown.h"
#include "controls/numeric_entry.h"
#include "graphs/derived_curves.h"
#include "graphs/graph_details.h"
#include "graphs/graph_tables.h"
#include "graphs/page_parts.h"
#include "graphs/side_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

namespace vintrel {

namespace {

/// The captions of the three curves' toggles, in the order of HeatCurve.
constexpr std::array<const char*, 3> kHeatCurveNames = {"Schottky spec. heat (B)",
                                                        "Debye contribution (A)", "sum  (A+B)"};

QColor colourOf(const Rgb& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

GraphPageConfig spechConfig() {
    GraphPageConfig config;
    config.caption = QStringLiteral("specific heat");
    config.settingsKind = GraphSettingsKind::SpecificHeat;
    config.padlockHint = QStringLiteral("Click to set range for all specific heat graphs");
    config.markerUnit = QStringLiteral("J/K mol");
    return config;
}

GraphPageConfig entropyConfig() {
    GraphPageConfig config;
    config.caption = QStringLiteral("entropy");
    config.settingsKind = GraphSettingsKind::Entropy;
    config.padlockHint = QStringLiteral("Click to set range for all entropy graphs");
    config.markerUnit = QStringLiteral("J/K mol");
    return config;
}

AxisRange rangeWithTop(double top) {
    return {0, top, 0};
}

} // namespace

// ---- the shared part ----

THeatPage::THeatPage(GraphPageHost host, GraphPageConfig config, const QString& title,
                     const QString& first, const QString& second)
    : TGraphPage(std::move(host), std::move(config)) {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(plainLabel(panel, title));
    FFirst = makeButton(panel, first, QString(), 60, true);
    FSecond = makeButton(panel, second, QString(), 60, true);
    FFirst->SetDown(true);
    row->addWidget(FFirst);
    row->addWidget(FSecond);
    connect(FFirst, &TMyButton::OnClick, this, [this] { setSecondMode(false); });
    connect(FSecond, &TMyButton::OnClick, this, [this] { setSecondMode(true); });
    setBottomPanel(panel);
}

bool THeatPage::secondMode() const {
    return FSecond->Down();
}

void THeatPage::setSecondMode(bool second) {
    FFirst->SetDown(!second);
    FSecond->SetDown(second);
    modeChanged();
    plotChanged();
}

std::vector<std::filesystem::path> THeatPage::dataFiles(const std::filesystem::path& folder) const {
    return {folder / kSpcFile};
}

void THeatPage::loadData(const std::filesystem::path& folder, const TVariables&) {
    FData = readSpcData(folder);
}

void THeatPage::fillDetails() {
    if (auto* form = qobject_cast<TEntropySpechForm*>(detailsLink()->form()))
        form->loadResult(folder());
}

// ---- specific heat ----

Tgraf_spech::Tgraf_spech(GraphPageHost host, QWidget* parent)
    : THeatPage(std::move(host), spechConfig(), QStringLiteral("set type of graph:"),
                QStringLiteral("c[T]"), QStringLiteral("c[T]/T")) {
    setParent(parent);
    modeButton(false)->setObjectName(QStringLiteral("MyButton_check_Normal"));
    modeButton(true)->setObjectName(QStringLiteral("MyButton_check_CT"));
    MyButtonDebyeLaw = makeButton(nullptr, QStringLiteral("Debye law"),
                                  QStringLiteral("Show Debye law information"), 80, true);
    addToolbarWidget(MyButtonDebyeLaw);
    connect(MyButtonDebyeLaw, &TMyButton::OnClick, this,
            [this] { showDebyePanel(MyButtonDebyeLaw->Down()); });
    buildDebyePanel();
}

void Tgraf_spech::buildDebyePanel() {
    PanelDebye = new TGraphSidePanel(plot(), 262, 330, 62);
    PanelDebye->setObjectName(QStringLiteral("PanelDebye"));
    QWidget* box = PanelDebye->content();
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(3);
    column->addWidget(plainLabel(box, QStringLiteral("Deby'e estimation of the phonon"), true));
    column->addWidget(
        plainLabel(box, QStringLiteral(" contribution to the specific heat in a solid "), true));
    column->addWidget(plainLabel(box, QStringLiteral("Set  material-dependent ")));
    column->addWidget(plainLabel(box, QStringLiteral("Debye temperature:")));
    auto* thetaRow = new QHBoxLayout;
    Edit1 = new QLineEdit(QStringLiteral("350.0"), box);
    Edit1->setFixedWidth(70);
    Edit1->setFont(viewerFont());
    Edit1->setToolTip(Edit1->text());
    installNumericKeyFilter(Edit1);
    auto* up =
        makeButton(box, QStringLiteral("\u25B4"), QString(), 18, false, QStringLiteral("tool"));
    auto* down =
        makeButton(box, QStringLiteral("\u25BE"), QString(), 18, false, QStringLiteral("tool"));
    thetaRow->addWidget(Edit1);
    thetaRow->addWidget(up);
    thetaRow->addWidget(down);
    thetaRow->addWidget(plainLabel(box, QStringLiteral("K")));
    thetaRow->addStretch(1);
    column->addLayout(thetaRow);
    column->addWidget(plainLabel(box, QStringLiteral("How many atoms/ions per formula unit?")));
    Edit2 = new TMyUpDown(box);
    Edit2->SetMax(500);
    Edit2->SetMin(1);
    Edit2->SetChange(1);
    Edit2->SetFormat(QStringLiteral("0"));
    Edit2->SetPosition(1);
    Edit2->setFixedSize(60, 18);
    column->addWidget(Edit2);
    column->addWidget(plainLabel(box, QStringLiteral("Show curves"), true));
    for (HeatCurve curve : {HeatCurve::debye, HeatCurve::schottky, HeatCurve::sum}) {
        const auto i = static_cast<std::size_t>(curve);
        auto* row = new QHBoxLayout;
        auto* button = makeButton(box, QString(), QString(), 24, true, QStringLiteral("swatch"));
        button->SetColor(colourOf(kHeatLooks[i].normal));
        button->SetDown(curve == HeatCurve::schottky);
        auto* label = new TMyLabel(box, QString::fromLatin1(kHeatCurveNames[i]));
        label->SetFontColor(colourOf(kHeatLooks[i].normal));
        row->addWidget(button);
        row->addWidget(label);
        row->addStretch(1);
        column->addLayout(row);
        FCurveButtons[i] = button;
        connect(button, &TMyButton::OnClick, this, [this] { plotChanged(); });
        connect(button, &TMyButton::OnMouseOver, this, [this, i, button, label] {
            FHighlighted[i] = true;
            button->SetColor(colourOf(kHeatLooks[i].highlighted));
            label->SetFontColor(colourOf(kHeatLooks[i].highlighted));
            plotChanged();
        });
        connect(button, &TMyButton::OnMouseOut, this, [this, i, button, label] {
            FHighlighted[i] = false;
            button->SetColor(colourOf(kHeatLooks[i].normal));
            label->SetFontColor(colourOf(kHeatLooks[i].normal));
            plotChanged();
        });
    }
    auto* close = makeButton(box, QStringLiteral("close"), QString(), 60, false);
    column->addWidget(close, 0, Qt::AlignRight);
    column->addStretch(1);
    PanelDebye->move(0, 60);
    PanelDebye->hide();

    connect(Edit1, &QLineEdit::textEdited, this, &Tgraf_spech::thetaTyped);
    connect(Edit1, &QLineEdit::returnPressed, this,
            [this] { setCurveShown(HeatCurve::debye, true); });
    connect(Edit2->Edit1, &QLineEdit::returnPressed, this,
            [this] { setCurveShown(HeatCurve::debye, true); });
    connect(up, &TMyButton::OnClick, this, [this] { stepTheta(10); });
    connect(down, &TMyButton::OnClick, this, [this] { stepTheta(-10); });
    connect(Edit2, &TMyUpDown::OnChange, this, [this] {
        recompute();
        setCurveShown(HeatCurve::debye, true);
    });
    connect(close, &TMyButton::OnClick, this, [this] { showDebyePanel(false); });
}

TMyButton* Tgraf_spech::curveButton(HeatCurve curve) const {
    return FCurveButtons[static_cast<std::size_t>(curve)];
}

void Tgraf_spech::showDebyePanel(bool shown) {
    MyButtonDebyeLaw->SetDown(shown);
    PanelDebye->setVisible(shown);
    if (shown) {
        PanelDebye->place();
        PanelDebye->raise();
    }
}

void Tgraf_spech::setCurveShown(HeatCurve curve, bool shown) {
    curveButton(curve)->SetDown(shown);
    plotChanged();
}

void Tgraf_spech::setThetaText(const QString& text) {
    Edit1->setText(text);
    thetaTyped();
}

void Tgraf_spech::thetaTyped() {
    edit1Value = acceptDebyeTemperature(Edit1);
    recompute();
    plotChanged();
}

void Tgraf_spech::stepTheta(double step) {
    const double value = std::max(0.0, edit1Value + step);
    Edit1->setText(QString::fromStdString(floatToStrDot(value)));
    thetaTyped();
}

bool Tgraf_spech::curveShown(HeatCurve curve) const {
    if (!curveButton(curve)->Down())
        return false;
    return curve == HeatCurve::schottky || edit1Value > 0;
}

void Tgraf_spech::recompute() {
    const bool perT = secondMode();
    const auto shaped = [&](std::vector<double> values) {
        return perT ? perTemperature(values, FData.T) : values;
    };
    FCurves[0] = shaped(FData.c);
    std::vector<double> debye = edit1Value > 0
                                    ? debyeCurve(FData.T, edit1Value, Edit2->Position())
                                    : std::vector<double>(FData.rowCount(), std::nan(""));
    FCurves[2] = shaped(curveSum(debye, FData.c));
    FCurves[1] = shaped(std::move(debye));
}

void Tgraf_spech::dataChanged() {
    recompute();
}

void Tgraf_spech::modeChanged() {
    recompute();
}

void Tgraf_spech::plotResized() {
    PanelDebye->place();
}

AxisRange Tgraf_spech::defaultRange() const {
    if (!hasData())
        throw std::runtime_error("no specific heat data");
    const SpcMaxima maxima = spcDataMaxima(FData);
    return rangeWithTop(std::max(maxima.c, maxima.fourth));
}

AxisRange Tgraf_spech::fittedRange() const {
    std::vector<const std::vector<double>*> shown;
    for (HeatCurve curve : {HeatCurve::schottky, HeatCurve::debye, HeatCurve::sum})
        if (curveShown(curve))
            shown.push_back(&FCurves[static_cast<std::size_t>(curve)]);
    return rangeWithTop(fittedHeatTop(curvesMaximum(shown)));
}

void Tgraf_spech::describe(TemperaturePlot& plot, int, int) const {
    const bool perT = secondMode();
    plot.yTitle = specificHeatTitle(perT);
    plot.markerColour = kSpecificHeatMarkers;
    if (perT)
        plot.markerValue = [](const xy_pts& m) { return m.x != 0 ? m.y / m.x : std::nan(""); };
    for (HeatCurve curve : {HeatCurve::schottky, HeatCurve::debye, HeatCurve::sum}) {
        if (!curveShown(curve))
            continue;
        const auto i = static_cast<std::size_t>(curve);
        plot.curves.push_back({&FCurves[i],
                               FHighlighted[i] ? kHeatLooks[i].highlighted : kHeatLooks[i].normal,
                               FHighlighted[i], LineStyle::Solid, kHeatCurveNames[i]});
    }
}

DataTable Tgraf_spech::exportTable(const ResultLocation& location, const std::string& name) const {
    std::optional<DebyeOptions> debye;
    if (edit1Value > 0 && (curveShown(HeatCurve::debye) || curveShown(HeatCurve::sum)))
        debye = DebyeOptions{edit1Value, Edit2->Position()};
    return heatDataTable(location, name, debye);
}

// ---- entropy ----

Tgraf_entr::Tgraf_entr(GraphPageHost host, QWidget* parent)
    : THeatPage(std::move(host), entropyConfig(), QStringLiteral("set type of graph:"),
                QStringLiteral("S[T]"), QStringLiteral("\u0394S[T]")) {
    setParent(parent);
    modeButton(false)->setObjectName(QStringLiteral("MyButton_check_normal"));
    modeButton(true)->setObjectName(QStringLiteral("MyButton_check_DS"));
    MyButtonStatistical = makeButton(nullptr, QStringLiteral("statistical entropy"),
                                     QStringLiteral("Draw statistical entropy lines"), 115, true);
    addToolbarWidget(MyButtonStatistical);
    connect(MyButtonStatistical, &TMyButton::OnClick, this, [this] { plotChanged(); });
}

void Tgraf_entr::dataChanged() {
    FSteps = entropySteps(FData.S);
}

void Tgraf_entr::modeChanged() {}

const std::vector<double>& Tgraf_entr::curve() const {
    return secondMode() ? FSteps : FData.S;
}

AxisRange Tgraf_entr::defaultRange() const {
    if (!hasData())
        throw std::runtime_error("no entropy data");
    return rangeWithTop(spcDataMaxima(FData).S);
}

AxisRange Tgraf_entr::fittedRange() const {
    return rangeWithTop(fittedHeatTop(curvesMaximum({&curve()})));
}

void Tgraf_entr::describe(TemperaturePlot& plot, int, int) const {
    plot.yTitle = entropyTitle(secondMode());
    plot.markerColour = kEntropyMarkers;
    plot.curves.push_back({&curve(), kEntropyColour});
    if (MyButtonStatistical->Down())
        for (int k : statisticalEntropyCandidates(plot.range.top()))
            plot.referenceLines.push_back(
                {statisticalEntropy(k), kGuideBlue, "R ln " + std::to_string(k)});
}

DataTable Tgraf_entr::exportTable(const ResultLocation& location, const std::string& name) const {
    return heatDataTable(location, name, std::nullopt);
}

} // namespace vintrel
