#include "graphs/mean_field_pages.h"

#include "base/number_pattern.h"
#include "base/number_text.h"
#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/my_trackbar.h"
#include "controls/my_updown.h"
#include "controls/numeric_entry.h"
#include "graphs/axis_range.h"
#include "graphs/derived_curves.h"
#include "graphs/graph_details.h"
#include "graphs/graph_tables.h"
#include "graphs/plot_painter.h"
#include "resultdata/result_variables.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>
#include <stdexcept>

namespace vintrel {

namespace {

QColor colourOf(const Rgb& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

GraphPageConfig meanFieldConfig(const QString& caption, GraphSettingsKind kind,
                                const QString& padlockHint, const QString& markerUnit) {
    GraphPageConfig config;
    config.caption = caption;
    config.settingsKind = kind;
    config.zoomRule = ZoomRule::HalveRange;
    config.padlockHint = padlockHint;
    config.markerUnit = markerUnit;
    config.margins = kMeanFieldMargins;
    config.padlockKind = TKind::tkDynamic;
    return config;
}

std::vector<MeanFieldCurve> directionCurves(bool withAverage) {
    std::vector<MeanFieldCurve> curves;
    for (Direction d : {Direction::z, Direction::x, Direction::y}) {
        const int slot = static_cast<int>(directionIndex(d));
        curves.push_back({slot, QStringLiteral("B_e_x_t||%1").arg(directionLetter(d)),
                          kMeanFieldChiColours[directionIndex(d)], true});
    }
    if (withAverage) {
        curves.push_back({3, QStringLiteral("average"), kMeanFieldChiColours[3], false});
        curves.push_back({4, QStringLiteral("Curie's law"), kMeanFieldChiColours[4], false});
    }
    return curves;
}

} // namespace

// ---- the shared part ----

TMeanFieldPage::TMeanFieldPage(GraphPageHost host, GraphPageConfig config,
                               std::vector<MeanFieldCurve> curves, MeanFieldFit fit, double fitStep)
    : TGraphPage(std::move(host), std::move(config)), FCurves(std::move(curves)), FFit(fit),
      FFitStep(fitStep) {
    FGraph.setXaxisDescr(kMeanFieldTemperatureTitle);
    FCurvePanel = new QWidget;
    auto* row = new QHBoxLayout(FCurvePanel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    for (const MeanFieldCurve& curve : FCurves) {
        auto* button =
            makeButton(FCurvePanel, QString(), QString(), 24, true, QStringLiteral("swatch"));
        button->SetColor(colourOf(curve.colour));
        button->SetDown(curve.shown);
        auto* label = new TMyLabel(FCurvePanel, curve.caption);
        label->SetFontColor(colourOf(curve.colour));
        row->addWidget(button);
        row->addWidget(label);
        row->addSpacing(6);
        FButtons.push_back(button);
        FLabels.push_back(label);
        const int slot = curve.slot;
        connect(button, &TMyButton::OnClick, this, [this] { plotChanged(); });
        connect(button, &TMyButton::OnMouseOver, this, [this, slot] {
            FGraph.setLastPlot(slot);
            plotChanged();
        });
        connect(button, &TMyButton::OnMouseOut, this, [this] {
            FGraph.setLastPlot(-1);
            plotChanged();
        });
    }
    setBottomPanel(FCurvePanel);
    const auto width = [](const char* text) {
        return sceneTextSize(SceneText{.text = text, .markup = true}).width();
    };
    FStateWidths = {width(kOrderedStateText), width(kParamagneticStateText)};
}

void TMeanFieldPage::addBottomWidget(QWidget* widget) {
    widget->setParent(FCurvePanel);
    static_cast<QHBoxLayout*>(FCurvePanel->layout())->addWidget(widget);
}

TMyButton* TMeanFieldPage::curveButton(int slot) const {
    for (std::size_t i = 0; i < FCurves.size(); ++i)
        if (FCurves[i].slot == slot)
            return FButtons[i];
    return nullptr;
}

void TMeanFieldPage::setCurveShown(int slot, bool shown) {
    if (TMyButton* button = curveButton(slot)) {
        button->SetDown(shown);
        plotChanged();
    }
}

bool TMeanFieldPage::curveShown(int slot) const {
    const TMyButton* button = curveButton(slot);
    return button && button->Down() && slotAvailable(slot);
}

void TMeanFieldPage::setCurveAvailable(int slot, bool available) {
    for (std::size_t i = 0; i < FCurves.size(); ++i) {
        if (FCurves[i].slot != slot)
            continue;
        FButtons[i]->setVisible(available);
        FLabels[i]->setVisible(available);
        FButtons[i]->SetDown(available);
    }
}

std::vector<std::filesystem::path>
TMeanFieldPage::dataFiles(const std::filesystem::path& folder) const {
    std::vector<std::filesystem::path> files = pageFiles(folder);
    files.push_back(folder / kTempFile);
    files.push_back(folder / "input_e.dup");
    return files;
}

void TMeanFieldPage::loadData(const std::filesystem::path& folder, const TVariables& vars) {
    clearData();
    FChiTmax = sharedSettings().chi_tmax;
    readPageData(folder, vars);
    if (resultFilePresent(folder / kTempFile))
        FTc = readTransitionTemperature(folder);
}

void TMeanFieldPage::clearData() {
    clearPageData();
    FGraph.addXaxisData({});
    for (int g = 0; g < FGraph.getMaxPlots(); ++g)
        FGraph.addYaxisData(g, {});
    FTc.reset();
    FMarks = {};
}

void TMeanFieldPage::setCurves(const TAxisData& T,
                               const std::vector<std::pair<int, TAxisData>>& curves) {
    FGraph.addXaxisData(T);
    const DataRange x = FGraph.calcXaxisRange(0);
    FGraph.setXaxisRange(0, x.max > 0 ? x.max : 1);
    int highest = -1;
    for (const auto& [slot, values] : curves)
        highest = std::max(highest, slot);
    FGraph.setMaxPlots(highest + 1);
    for (const auto& [slot, values] : curves) {
        FGraph.addYaxisData(slot, values);
        for (const MeanFieldCurve& curve : FCurves)
            if (curve.slot == slot)
                FGraph.setGraphColor(slot, curve.colour);
        FGraph.setGraphVis(slot, false);
    }
}

void TMeanFieldPage::requireData() const {
    // Without data no settings file is made: the stored range stays as it is.
    if (!hasData())
        throw std::runtime_error("no data to make a range of");
}

AxisRange TMeanFieldPage::fittedRange() const {
    for (const MeanFieldCurve& curve : FCurves)
        FGraph.setGraphVis(curve.slot, curveShown(curve.slot));
    return fittedMeanFieldRange(FGraph.calcYaxisRange(-1, FFitStep), FFit);
}

void TMeanFieldPage::describe(TemperaturePlot& plot, int width, int height) const {
    for (const MeanFieldCurve& curve : FCurves)
        FGraph.setGraphVis(curve.slot, curveShown(curve.slot));
    FGraph.setYaxisDescr(title());
    FGraph.setYaxisRange(plot.range.bottom, plot.range.top());
    FGraph.setYaxisExp(plot.range.exponent);
    FGraph.addMarkers(plot.markers);
    FGraph.describe(plot);
    for (CurveDescription& described : plot.curves)
        for (const MeanFieldCurve& curve : FCurves)
            if (described.values == &FGraph.getYaxisData(curve.slot))
                described.name = curve.caption.toStdString();
    FMarks = vintrel::transitionMarks(FGraph, width, height, FTc, FChiTmax, FStateWidths);
    // The line lies on the grid under the curves; the labels stand over everything, as the
    // labels on a plot do.
    plot.underlays.clear();
    for (const SceneItem& item : FMarks.items)
        (std::holds_alternative<SceneText>(item) ? plot.overlays : plot.underlays).push_back(item);
    addPageOverlays(plot, width, height);
}

DataTable TMeanFieldPage::exportTable(const ResultLocation& location,
                                      const std::string& name) const {
    return meanFieldDataTable(location, name);
}

// ---- moment ----

Tgraf_momentD::Tgraf_momentD(GraphPageHost host, QWidget* parent)
    : TMeanFieldPage(std::move(host),
                     meanFieldConfig(QStringLiteral("magnetic moment (MF)"),
                                     GraphSettingsKind::Moment,
                                     QStringLiteral("Click to set range for all moment graphs"),
                                     QStringLiteral("\u03bcB")),
                     {{0, QStringLiteral("m_x"), kMomentColours[0], true},
                      {1, QStringLiteral("m_y"), kMomentColours[1], true},
                      {2, QStringLiteral("m_z"), kMomentColours[2], true},
                      {3, QStringLiteral("m_t"), kMomentColours[3], true}},
                     MeanFieldFit::Top, 1) {
    setParent(parent);
}

std::vector<std::filesystem::path>
Tgraf_momentD::pageFiles(const std::filesystem::path& folder) const {
    return {folder / kMomentFile};
}

void Tgraf_momentD::readPageData(const std::filesystem::path& folder, const TVariables& vars) {
    FComplex = vars.cialo == 2;
    setCurveAvailable(1, FComplex);
    FData = readMomentData(folder);
    setCurves(FData.T, {{0, FData.m[0]}, {1, FData.m[1]}, {2, FData.m[2]}, {3, FData.m[3]}});
}

AxisRange Tgraf_momentD::defaultRange() const {
    requireData();
    return momentDefaultRange(FData);
}

void Tgraf_momentD::fillDetails() {
    if (auto* form = qobject_cast<TMomentDetailsForm*>(detailsLink()->form()))
        form->loadResult(folder());
}

// ---- the susceptibility pair ----

std::vector<std::filesystem::path>
TMeanFieldChiPage::pageFiles(const std::filesystem::path& folder) const {
    return {folder / kChiFiles[0], folder / kChiFiles[1], folder / kChiFiles[2],
            folder / "input_an.dup", folder / "input_bn.dup"};
}

void TMeanFieldChiPage::readChi(const std::filesystem::path& folder, const TVariables& vars) {
    requireMeanFieldFile(folder / kChiFiles[0]);
    FData = readChiData(folder, vars.cialo == 2);
    setCurveAvailable(1, FData.hasY);
}

void TMeanFieldChiPage::fillDetails() {
    if (auto* form = qobject_cast<TSusceptibilityForm*>(detailsLink()->form()))
        form->loadResult(folder(), FData.hasY);
}

Tgraf_chiD::Tgraf_chiD(GraphPageHost host, QWidget* parent)
    : TMeanFieldChiPage(
          std::move(host),
          [] {
              GraphPageConfig config = meanFieldConfig(
                  QStringLiteral("magnetic susceptibility (MF)"), GraphSettingsKind::Chi,
                  QStringLiteral("Click to set range for all susceptibility graphs"),
                  QStringLiteral("\u03bcB/T"));
              config.exponentInEditor = true;
              return config;
          }(),
          directionCurves(true), MeanFieldFit::Mantissa, 0) {
    setParent(parent);
    FGraph.setShowExponent(true);
    auto* curie = new QWidget;
    auto* row = new QHBoxLayout(curie);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(new TMyLabel(curie, QStringLiteral("p_e_f_f =")));
    Edit1 = new TMyUpDown(curie);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->SetMax(50);
    Edit1->SetMin(0.1);
    Edit1->SetChange(0.1);
    Edit1->SetFormat(QStringLiteral("0.0"));
    Edit1->SetPosition(1.0);
    Edit1->setFixedSize(60, 18);
    Edit1->setToolTip(QStringLiteral("effective magnetic moment of the Curie-law curve"));
    row->addWidget(Edit1);
    row->addWidget(new TMyLabel(curie, QStringLiteral("!m_B")));
    addBottomWidget(curie);
    connect(Edit1, &TMyUpDown::OnChange, this, &Tgraf_chiD::curieChanged);
}

void Tgraf_chiD::readPageData(const std::filesystem::path& folder, const TVariables& vars) {
    readChi(folder, vars);
    const auto& chi = FData.chi;
    FAverage = powderAverage(chi[0], FData.hasY ? &chi[1] : nullptr, chi[2], isUniaxial(vars));
    const TAxisData none(FData.rowCount(), std::nan(""));
    setCurves(FData.T, {{0, chi[0]},
                        {1, FData.hasY ? chi[1] : none},
                        {2, chi[2]},
                        {3, FAverage ? *FAverage : none},
                        {4, curieCurve(FData.T, Edit1->Position())}});
    if (TMyButton* average = curveButton(3))
        average->setToolTip(FAverage ? QStringLiteral("policrystal or powder simulation")
                                     : QString::fromLatin1(kPowderAverageUnavailable));
}

void Tgraf_chiD::curieChanged() {
    FGraph.addYaxisData(4, curieCurve(FData.T, Edit1->Position()));
    setCurveShown(4, true);
}

bool Tgraf_chiD::slotAvailable(int slot) const {
    if (slot == 3)
        return FAverage.has_value();
    return TMeanFieldChiPage::slotAvailable(slot);
}

AxisRange Tgraf_chiD::defaultRange() const {
    requireData();
    return niceRange(chiDataRange(FData).chiMax);
}

Tgraf_1chiD::Tgraf_1chiD(GraphPageHost host, QWidget* parent)
    : TMeanFieldChiPage(
          std::move(host),
          [] {
              GraphPageConfig config = meanFieldConfig(
                  QStringLiteral("inverse magnetic susceptibility (MF)"), GraphSettingsKind::InvChi,
                  QStringLiteral("Click to set plot range for all inverse susceptibility graphs"),
                  QStringLiteral("T/\u03bcB"));
              config.margins = {85, 105, 55, 65, false};
              return config;
          }(),
          directionCurves(false), MeanFieldFit::Top, 10),
      FSelector(plot(), [this] { MyTrackbarChange(); }), FFitter(plot(), [this] {
          fitCurieWeiss();
          plotChanged();
      }) {
    setParent(parent);
    FGraph.setGraphMargins(80, 100, 50, 60);
    addBottomWidget(FSelector.row());
    addToolbarWidget(FFitter.button());
    addToolbarWidget(FFitter.noChi0Button());
}

void Tgraf_1chiD::clearPageData() {
    TMeanFieldChiPage::clearPageData();
    FAverage.reset();
    fitCurieWeiss();
}

void Tgraf_1chiD::fitCurieWeiss() {
    FFitter.refit(FData, FAverage ? &*FAverage : nullptr, firstRow(), secondRow());
}

void Tgraf_1chiD::readPageData(const std::filesystem::path& folder, const TVariables& vars) {
    readChi(folder, vars);
    const auto& chi = FData.chi;
    FAverage = powderAverage(chi[0], FData.hasY ? &chi[1] : nullptr, chi[2], isUniaxial(vars));
    const TAxisData none(FData.rowCount(), std::nan(""));
    setCurves(
        FData.T,
        {{0, FData.inverse[0]}, {1, FData.hasY ? FData.inverse[1] : none}, {2, FData.inverse[2]}});
    // Every reading starts the selector anew: right thumb on the last row, left on 90 %.
    const int rows = static_cast<int>(FData.rowCount());
    FSelector.setRowCount(rows);
    const auto [left, right] = selectorStartRows(rows);
    selectRows(left, right);
}

QString Tgraf_1chiD::effectiveMomentText(Direction d) const {
    return FSelector.field(d)->text();
}

void Tgraf_1chiD::MyTrackbarChange() {
    for (Direction d : kDirections)
        FSelector.cell(d)->setVisible(FData.has(d));
    FSelector.showMoments(FData);
    fitCurieWeiss();
    plotChanged();
}

void Tgraf_1chiD::dataChanged() {
    plotResized();
    MyTrackbarChange();
}

void Tgraf_1chiD::plotResized() {
    // The thumbs stand over the temperatures of their rows.
    const int width = plot()->width();
    const int height = plot()->height();
    const PixelRect area = FGraph.transform(width, height).area;
    int first = area.left;
    int last = area.right();
    if (FData.rowCount() >= 2) {
        const auto a = FGraph.toScreenX(FData.T.front(), width, height);
        const auto b = FGraph.toScreenX(FData.T.back(), width, height);
        if (a && b && *b > *a) {
            first = *a;
            last = *b;
        }
    }
    FSelector.place(first, last, area.top, 6);
    FFitter.place(area);
}

AxisRange Tgraf_1chiD::defaultRange() const {
    requireData();
    return withoutExponent(niceRange(chiDataRange(FData).inverseMax));
}

AxisRange Tgraf_1chiD::shownRange(const AxisRange& stored) const {
    return withoutExponent(stored);
}

AxisRange Tgraf_1chiD::storedRange(const AxisRange& range) const {
    return withoutExponent(range);
}

xy_array Tgraf_1chiD::shownMarkers(const xy_array& stored) const {
    xy_array shown = stored;
    for (xy_pts& m : shown)
        m.y = m.y != 0 ? 1 / m.y : 0;
    return shown;
}

xy_array Tgraf_1chiD::storedMarkers(const xy_array& shown) const {
    return shownMarkers(shown); // the reciprocal both ways
}

void Tgraf_1chiD::addPageOverlays(TemperaturePlot& plot, int width, int height) const {
    std::vector<const TAxisData*> curves;
    for (int slot = 0; slot < 3; ++slot)
        if (curveShown(slot))
            curves.push_back(&FGraph.getYaxisData(slot));
    for (SceneItem& item :
         meanFieldSelection(FGraph, width, height, firstRow(), secondRow(), curves))
        plot.underlays.push_back(std::move(item));
    FFitter.addCurves(plot, [this](Direction d) { return curveShown(int(directionIndex(d))); });
}

// ---- anisotropy ----

Tgraf_anisoD::Tgraf_anisoD(GraphPageHost host, QWidget* parent)
    : TMeanFieldPage(
          std::move(host),
          [] {
              GraphPageConfig config = meanFieldConfig(
                  QStringLiteral("anisotropy constants (MF)"), GraphSettingsKind::Anisotropy,
                  QStringLiteral("Click to set range for all anisotropy graphs"),
                  QStringLiteral("K"));
              config.bothEnds = true;
              return config;
          }(),
          [] {
              std::vector<MeanFieldCurve> curves;
              for (int k = 0; k < 5; ++k)
                  curves.push_back({k, QString::fromLatin1(kAnisotropyNames[std::size_t(k)]),
                                    kAnisotropyColours[std::size_t(k)], true});
              return curves;
          }(),
          MeanFieldFit::BothEnds, 1) {
    setParent(parent);
    detailsButton()->hide(); // the anisotropy constants have no details window
}

std::vector<std::filesystem::path>
Tgraf_anisoD::pageFiles(const std::filesystem::path& folder) const {
    return {folder / kAnisoFile};
}

void Tgraf_anisoD::readPageData(const std::filesystem::path& folder, const TVariables&) {
    FData = readAnisoData(folder);
    std::vector<std::pair<int, TAxisData>> curves;
    for (int k = 0; k < 5; ++k)
        curves.emplace_back(k, FData.K[std::size_t(k)]);
    setCurves(FData.T, curves);
}

AxisRange Tgraf_anisoD::defaultRange() const {
    requireData();
    return anisotropyDefaultRange(FData);
}

// ---- the heat pair ----

std::vector<std::filesystem::path>
TMeanFieldHeatPage::pageFiles(const std::filesystem::path& folder) const {
    return {folder / kSpcFile};
}

void TMeanFieldHeatPage::readSpc(const std::filesystem::path& folder) {
    requireMeanFieldFile(folder / kSpcFile);
    FData = readSpcData(folder);
}

void TMeanFieldHeatPage::fillDetails() {
    if (auto* form = qobject_cast<TEntropySpechForm*>(detailsLink()->form()))
        form->loadResult(folder());
}

Tgraf_entrD::Tgraf_entrD(GraphPageHost host, QWidget* parent)
    : TMeanFieldHeatPage(
          std::move(host),
          meanFieldConfig(QStringLiteral("entropy (MF)"), GraphSettingsKind::Entropy,
                          QStringLiteral("Click to set range for all entropy graphs"),
                          QStringLiteral("J/K mol")),
          {{1, QStringLiteral("S"), kMeanFieldEntropyColour, true}}, MeanFieldFit::Top, 1) {
    setParent(parent);
    MyButtonStatistical = makeButton(nullptr, QStringLiteral("statistical entropy"),
                                     QStringLiteral("Draw statistical entropy lines"), 115, true);
    addToolbarWidget(MyButtonStatistical);
    connect(MyButtonStatistical, &TMyButton::OnClick, this, [this] { plotChanged(); });
}

void Tgraf_entrD::readPageData(const std::filesystem::path& folder, const TVariables&) {
    readSpc(folder);
    setCurves(FData.T, {{1, FData.S}});
}

AxisRange Tgraf_entrD::defaultRange() const {
    requireData();
    return {0, spcDataMaxima(FData).S, 0};
}

void Tgraf_entrD::addPageOverlays(TemperaturePlot& plot, int, int) const {
    if (MyButtonStatistical->Down())
        plot.referenceLines = meanFieldEntropyLines();
}

Tgraf_specD::Tgraf_specD(GraphPageHost host, QWidget* parent)
    : TMeanFieldHeatPage(
          std::move(host),
          meanFieldConfig(QStringLiteral("specific heat (MF)"), GraphSettingsKind::SpecificHeat,
                          QStringLiteral("Click to set range for all specific heat graphs"),
                          QStringLiteral("J/K mol")),
          {{1, QStringLiteral("c"), kMeanFieldHeatColours[0], true},
           {2, QStringLiteral("Debye"), kMeanFieldHeatColours[1], false},
           {3, QStringLiteral("sum"), kMeanFieldHeatColours[2], false}},
          MeanFieldFit::Top, 1) {
    setParent(parent);
    auto* extras = new QWidget;
    auto* row = new QHBoxLayout(extras);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    MyButton_check_Normal = makeButton(extras, QStringLiteral("c[T]"), QString(), 50, true);
    MyButton_check_Normal->setObjectName(QStringLiteral("MyButton_check_Normal"));
    MyButton_check_CT = makeButton(extras, QStringLiteral("c[T]/T"), QString(), 50, true);
    MyButton_check_CT->setObjectName(QStringLiteral("MyButton_check_CT"));
    MyButton_check_Normal->SetDown(true);
    row->addWidget(MyButton_check_Normal);
    row->addWidget(MyButton_check_CT);
    row->addSpacing(8);
    row->addWidget(plainLabel(extras, QStringLiteral("Debye temperature:")));
    Edit1 = new QLineEdit(QStringLiteral("350.0"), extras);
    Edit1->setFixedWidth(56);
    Edit1->setFont(viewerFont());
    Edit1->setToolTip(Edit1->text());
    installNumericKeyFilter(Edit1);
    row->addWidget(Edit1);
    row->addWidget(plainLabel(extras, QStringLiteral("K  atoms/f.u.:")));
    Edit2 = new TMyUpDown(extras);
    Edit2->SetMax(500);
    Edit2->SetMin(1);
    Edit2->SetChange(1);
    Edit2->SetFormat(QStringLiteral("0"));
    Edit2->SetPosition(1);
    Edit2->setFixedSize(50, 18);
    row->addWidget(Edit2);
    addBottomWidget(extras);
    connect(MyButton_check_Normal, &TMyButton::OnClick, this, [this] { setPerTemperature(false); });
    connect(MyButton_check_CT, &TMyButton::OnClick, this, [this] { setPerTemperature(true); });
    connect(Edit1, &QLineEdit::textEdited, this, [this] { setThetaText(Edit1->text()); });
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { setCurveShown(2, true); });
    connect(Edit2, &TMyUpDown::OnChange, this, [this] {
        recompute();
        setCurveShown(2, true);
    });
}

bool Tgraf_specD::perTemperature() const {
    return MyButton_check_CT->Down();
}

void Tgraf_specD::setPerTemperature(bool perT) {
    MyButton_check_CT->SetDown(perT);
    MyButton_check_Normal->SetDown(!perT);
    recompute();
    plotChanged();
}

void Tgraf_specD::setThetaText(const QString& text) {
    if (Edit1->text() != text)
        Edit1->setText(text);
    edit1Value = acceptDebyeTemperature(Edit1);
    recompute();
    plotChanged();
}

std::string Tgraf_specD::title() const {
    return perTemperature() ? kMeanFieldHeatPerTTitle : kMeanFieldHeatTitle;
}

void Tgraf_specD::readPageData(const std::filesystem::path& folder, const TVariables&) {
    readSpc(folder);
    recompute();
}

void Tgraf_specD::recompute() {
    const bool perT = perTemperature();
    const auto shaped = [&](TAxisData values) {
        return perT ? vintrel::perTemperature(values, FData.T) : values;
    };
    // With a Debye temperature slot 2 is the Debye heat, without one the file's fourth value.
    TAxisData second =
        edit1Value > 0 ? debyeCurve(FData.T, edit1Value, Edit2->Position()) : FData.fourth;
    TAxisData sum = curveSum(second, FData.c);
    setCurves(FData.T,
              {{1, shaped(FData.c)}, {2, shaped(std::move(second))}, {3, shaped(std::move(sum))}});
}

AxisRange Tgraf_specD::defaultRange() const {
    requireData();
    const SpcMaxima maxima = spcDataMaxima(FData);
    return {0, std::max(maxima.c, maxima.fourth), 0};
}

} // namespace vintrel
