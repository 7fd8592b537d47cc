// The spectroscopy page: loading, synthesis, ranges, settings, mouse and exports.
#include "levels/spectroscopy_page.h"

#include "base/number_text.h"
#include "controls/data_export.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_combobox.h"
#include "controls/my_label.h"
#include "controls/my_updown.h"
#include "graphs/plot_painter.h"
#include "graphs/side_panel.h"
#include "levels/detail_forms.h"
#include "levels/level_tables.h"
#include "levels/spectro_range.h"
#include "levels/transition_strengths.h"
#include "resultdata/dup_reader.h"
#include "tabs/reader_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScopeGuard>

#include <cmath>

namespace vintrel {

namespace {

constexpr int kPlotLeft = 100;
constexpr int kDragStart = 90;

std::vector<std::filesystem::path> sourceFiles(const std::filesystem::path& folder) {
    return {folder / kInputEFile,     folder / kInputSFile,    folder / kSpectroFile,
            folder / kLsSpectrumFile, folder / kStrengthsFile, folder / kLevelsFile};
}

double sanitisedWidth(double value) {
    if (!std::isfinite(value))
        return 1;
    return std::max(value, 0.0);
}

} // namespace

int Tgraf_spectroscopy::baza() const {
    return FSource ? FSource->vars.baza : 1;
}

PlotType Tgraf_spectroscopy::plotType() const {
    return FOptions.type;
}

std::optional<double> Tgraf_spectroscopy::temperature() const {
    return FBoltzmann ? std::optional<double>(MeasTemp) : std::nullopt;
}

void Tgraf_spectroscopy::wczytajDane(const PageContext&) {
    loadCurrentResult();
}

void Tgraf_spectroscopy::resultShown(const PageContext&) {
    // Every ordinary page hears of a result click; the spectrum waits until it is on show.
    if (FPanel->isVisible())
        loadCurrentResult();
}

void Tgraf_spectroscopy::pageShown(const PageContext&) {
    loadCurrentResult();
}

void Tgraf_spectroscopy::windowMoved() {
    FPlot->update();
}

void Tgraf_spectroscopy::loadCurrentResult() {
    const ResultLocation location = FHost.currentResult ? FHost.currentResult() : ResultLocation{};
    const bool other = location.workingRoot != FLocation.workingRoot ||
                       location.resultFolder != FLocation.resultFolder;
    if (!other && FSource && FStamps == FileStamps::of(sourceFiles(FFolder)) &&
        FRangeStamps == FileStamps::of({FFolder / kSpectroRangeFile}) &&
        FColumnsWidth == FPlot->width())
        return;
    if (other) {
        FLocation = location;
        FFolder = location.folder();
        FSource.reset();
        FStamps.reset();
        FRangeStamps.reset();
        FMarks = {};
        if (MyButtonTransitionData->Down()) {
            MyButtonTransitionData->SetDown(false);
            FNeutrons->closeQuietly();
        }
    }
    recompute();
}

void Tgraf_spectroscopy::refreshSource() {
    if (FFolder.empty())
        throw DataRequestError("no result");
    const std::vector<std::filesystem::path> files = sourceFiles(FFolder);
    if (FSource && FStamps == FileStamps::of(files))
        return;
    FSource.reset();
    SpectroscopySource source = readSpectroscopySource(FLocation, false);
    const auto term = groundTermOf(source.vars.siconf, source.vars.baza, source.vars.cialo);
    try {
        source.energies = readGroundAxisEnergies(FFolder, term ? term->N : 0);
    } catch (const std::exception&) {
        source.energies.clear(); // without level energies every population is 1
    }
    FSource = std::move(source);
    FStamps = FileStamps::of(files);
    applyResultLook();
}

std::vector<double> Tgraf_spectroscopy::populations() const {
    if (!FBoltzmann || FSource->energies.empty())
        return std::vector<double>(kMaxLevels, 1.0);
    return statePopulations(FSource->energies, MeasTemp);
}

void Tgraf_spectroscopy::recompute() {
    FMarks.labels.clear();
    if (FFolder.empty()) {
        FMerged.clear();
        FColumns.clear();
        FNote.clear();
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        try {
            refreshSource();
            synthesize();
            FNote = FBoltzmann && FSource->energies.empty()
                        ? QStringLiteral("The level energies of o_E.dup are missing: every "
                                         "population is taken as 1")
                        : QString();
        } catch (const std::exception& error) {
            FMerged.clear();
            FColumns.clear();
            FNote = QString::fromStdString(error.what());
        }
    }
    ++FSyntheses;
    FColumnsWidth = FPlot->width();
    if (!FFolder.empty())
        FRangeStamps = FileStamps::of({FFolder / kSpectroRangeFile});
    MyButtonRefresh->hide();
    rebuildScene();
    if (MyButtonTransitionData->Down())
        fillTransitionData();
    FPlot->update();
}

void Tgraf_spectroscopy::synthesize() {
    const SpectroscopySource& source = *FSource;
    const PlotType type = plotType();
    FMerged = mergeTransitions(source.lines, populations(), source.vars.baza, type);
    const EnergyInterval fallback =
        wholeRangeView(type, transitionEnergyRange(source.lines, source.settings), source.settings);
    FRangeK = readSpectroRange(FFolder, type, fallback).range;
    FPlotRange = rangeInPlotUnits(type, FRangeK);
    Edit_Min->setText(QString::fromStdString(floatToStrDot(FPlotRange.min)));
    Edit_Max->setText(QString::fromStdString(floatToStrDot(FPlotRange.max)));
    FColumns = synthesizeSpectrum(FMerged, FPlotRange.min, FPlotRange.max, FPlot->width() - 170,
                                  FOptions, spectrumLimits(source.settings));
}

SpectrumFrame Tgraf_spectroscopy::frame() const {
    return {FPlot->width(), FPlot->height(), FPlotRange.min, FPlotRange.max, FYmax};
}

void Tgraf_spectroscopy::rebuildScene() {
    const int basis = baza();
    FYmax = spectrumMaximum(FColumns, FShown, basis);
    SpectrumPicture picture;
    picture.frame = frame();
    picture.type = plotType();
    picture.columns = &FColumns;
    picture.shown = FShown;
    picture.baza = basis;
    picture.style = FStyle;
    if (FSource)
        picture.limits = spectrumLimits(FSource->settings);
    picture.noTransitions = FSource && FMerged.empty() && FNote.isEmpty();
    FScene = spectrumScene(picture);
    if (!FNote.isEmpty() && !FFolder.empty())
        FScene.add(SceneText{.text = FNote.toStdString(),
                             .at = {FPlot->width() / 2, 30},
                             .anchor = TextAnchor::TopCentre,
                             .pointSize = 9,
                             .colour = {0xC0, 0x00, 0x00}});
    addMeasured();
}

PlotScene Tgraf_spectroscopy::scene() const {
    PlotScene scene = FScene;
    for (SceneItem& item : spectrumMarks(frame(), FMarks))
        scene.items.push_back(std::move(item));
    return scene;
}

void Tgraf_spectroscopy::paintPlot() {
    QPainter painter(FPlot);
    paintPlotScene(painter, scene());
}

QImage Tgraf_spectroscopy::renderPlot() {
    QImage image(FPlot->size(), QImage::Format_RGB32);
    FPlot->render(&image);
    return image;
}

void Tgraf_spectroscopy::storeRange(const EnergyInterval& kelvin) {
    if (FFolder.empty())
        return;
    QString problems;
    try {
        writeSpectroRange(FFolder, kelvin);
    } catch (const std::exception& error) {
        problems = QString::fromStdString(error.what());
    }
    if (FPadlock) {
        const std::vector<std::string> folders =
            FHost.padlockFolders ? FHost.padlockFolders()
                                 : TCommonPanel2::resultFolders(FPanel, TKind::tkResult);
        for (const std::string& name : folders) {
            if (name == FLocation.resultFolder)
                continue;
            try {
                writeSpectroRange(FLocation.workingRoot / name, kelvin);
            } catch (const std::exception& error) {
                problems += (problems.isEmpty() ? QString() : QStringLiteral("\r")) +
                            QString::fromStdString(error.what());
            }
        }
    }
    FRangeK = kelvin;
    if (!problems.isEmpty())
        tell(problems);
}

bool Tgraf_spectroscopy::setRange(double min, double max) {
    const auto kelvin = rangeFromPlotUnits(plotType(), min, max);
    if (!kelvin)
        return false;
    storeRange(*kelvin);
    recompute();
    return true;
}

void Tgraf_spectroscopy::viewWhole() {
    if (FFolder.empty())
        return;
    try {
        refreshSource();
        storeRange(wholeRangeView(plotType(),
                                  transitionEnergyRange(FSource->lines, FSource->settings),
                                  FSource->settings));
    } catch (const std::exception& error) {
        FNote = QString::fromStdString(error.what());
    }
    recompute();
    openRangeEditor();
}

void Tgraf_spectroscopy::zoomIn() {
    const EnergyInterval range = zoomPlotRange(FPlotRange, 0.7);
    setRange(range.min, range.max);
}

void Tgraf_spectroscopy::zoomOut() {
    const EnergyInterval range = zoomPlotRange(FPlotRange, 1 / 0.7);
    setRange(range.min, range.max);
}

void Tgraf_spectroscopy::openRangeEditor() {
    MyButtonRange->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{
             Panel_wyswietl->findChild<QLabel*>(QStringLiteral("rangeWord")), FRangeSymbol,
             FRangeUnit, Edit_Min, Edit_Max, MyButtonSet})
        if (w)
            w->show();
    Edit_Min->setText(QString::fromStdString(floatToStrDot(FPlotRange.min)));
    Edit_Max->setText(QString::fromStdString(floatToStrDot(FPlotRange.max)));
    Edit_Min->setFocus();
    FMarks.typedRange = std::pair{FPlotRange.min, FPlotRange.max};
    FPlot->update();
}

void Tgraf_spectroscopy::closeRangeEditor() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             Panel_wyswietl->findChild<QLabel*>(QStringLiteral("rangeWord")), FRangeSymbol,
             FRangeUnit, Edit_Min, Edit_Max, MyButtonSet, MyButtonRefresh})
        if (w)
            w->hide();
    MyButtonRange->show();
    FMarks.typedRange.reset();
}

void Tgraf_spectroscopy::applyRangeEditor() {
    const bool editing = Edit_Min->isVisible() || FMarks.typedRange.has_value();
    const double min = parseEntryNumber(Edit_Min->text().toStdString()).value_or(FPlotRange.min);
    const double max = parseEntryNumber(Edit_Max->text().toStdString()).value_or(FPlotRange.max);
    closeRangeEditor();
    if (!editing || !setRange(min, max))
        recompute();
}

void Tgraf_spectroscopy::showPending() {
    MyButtonRefresh->show();
    if (Edit_Min->isVisible()) {
        const auto min = parseEntryNumber(Edit_Min->text().toStdString());
        const auto max = parseEntryNumber(Edit_Max->text().toStdString());
        if (min && max)
            FMarks.typedRange = std::pair{*min, *max};
        FPlot->update();
    }
}

void Tgraf_spectroscopy::setPadlock(bool down) {
    FPadlock = down;
    MyButtonKlodka->SetDown(down);
    MyButtonKlodka->setToolTip(down ? QStringLiteral("Click to set range for this graph only")
                                    : QStringLiteral("Click to set plot range for all "
                                                     "spectroscopy graphs"));
    if (!down)
        return;
    if (Edit_Min->isVisible()) {
        applyRangeEditor();
    } else {
        storeRange(FRangeK);
        recompute();
    }
}

void Tgraf_spectroscopy::setPlotType(PlotType type) {
    FSettingControls = true;
    ComboBoxPlotType->setCurrentIndex(static_cast<int>(type));
    FOptions.type = type;
    const PlotTypeLook& look = plotTypeLook(type);
    const double width = strToFloatDot(look.halfWidth);
    UpDownHalfWidth->SetChange(look.halfWidthStep);
    UpDownHalfWidth->SetPosition(width);
    FSettingControls = false;
    if (type != PlotType::waveLength) {
        FOptions.halfWidthInKelvin = false;
        FUseUnitWidth->setChecked(true);
    }
    if (FOptions.halfWidthInKelvin)
        FOptions.halfWidthK = sanitisedWidth(UpDownHalfWidthK->Position());
    else
        setHalfWidth(width, false);
    if (!FOptions.halfWidthInKelvin) {
        FSettingControls = true;
        UpDownLorentzWidth->SetChange(look.halfWidthStep);
        UpDownLorentzWidth->SetPosition(width);
        FSettingControls = false;
    }
    applyLorentzWidth();
    updateConvolutionControls();
    closeRangeEditor();
    // The K range stays; the next synthesis shows it in the new unit.
    if (!FFolder.empty() && spectroRangeAcceptable(type, FRangeK))
        storeRange(FRangeK);
    recompute();
}

void Tgraf_spectroscopy::setPlotStyle(PlotStyle style) {
    FStyle = style;
    FStyleButtons[static_cast<std::size_t>(style)]->setChecked(true);
    rebuildScene();
    FPlot->update();
}

void Tgraf_spectroscopy::setLineShape(LineShape shape) {
    FOptions.shape = shape;
    FShapeButtons[static_cast<std::size_t>(shape)]->setChecked(true);
    updateConvolutionControls();
    showPending();
}

void Tgraf_spectroscopy::setHalfWidth(double value, bool inKelvin) {
    const double width = sanitisedWidth(value);
    FSettingControls = true;
    if (inKelvin) {
        UpDownHalfWidthK->SetPosition(width);
        if (FOptions.halfWidthInKelvin)
            FOptions.halfWidthK = width;
    } else {
        UpDownHalfWidth->SetPosition(width);
        FOptions.halfWidthUnit = width;
        if (!FOptions.halfWidthInKelvin)
            FOptions.halfWidthK = fromPlotUnit(plotType(), width);
    }
    FSettingControls = false;
    UpDownHalfWidth->setToolTip(UpDownHalfWidth->Edit1->text());
    UpDownHalfWidthK->setToolTip(UpDownHalfWidthK->Edit1->text());
    showPending();
}

void Tgraf_spectroscopy::setHalfWidthInKelvin(bool inKelvin) {
    FOptions.halfWidthInKelvin = inKelvin && plotType() == PlotType::waveLength;
    (FOptions.halfWidthInKelvin ? FUseKelvinWidth : FUseUnitWidth)->setChecked(true);
    if (FOptions.halfWidthInKelvin)
        setHalfWidth(UpDownHalfWidthK->Position(), true);
    else
        setHalfWidth(UpDownHalfWidth->Position(), false);
    applyLorentzWidth();
    updateConvolutionControls();
}

void Tgraf_spectroscopy::setLorentzWidth(double value) {
    FSettingControls = true;
    UpDownLorentzWidth->SetPosition(sanitisedWidth(value));
    FSettingControls = false;
    applyLorentzWidth();
    showPending();
}

void Tgraf_spectroscopy::applyLorentzWidth() {
    const double width = sanitisedWidth(UpDownLorentzWidth->Position());
    const bool inKelvin = FOptions.halfWidthInKelvin || plotType() == PlotType::kelvin;
    FOptions.lorentzWidthK = inKelvin ? width : fromPlotUnit(plotType(), width);
    FOptions.lorentzWidthUnit = inKelvin ? toPlotUnit(plotType(), width) : width;
    UpDownLorentzWidth->setToolTip(UpDownLorentzWidth->Edit1->text());
}

void Tgraf_spectroscopy::setResolution(std::optional<WidthPolynomial> resolution) {
    FSettingControls = true;
    FResolutionBox->setChecked(resolution.has_value());
    if (resolution) {
        FResolutionFields[0]->SetPosition(resolution->a);
        FResolutionFields[1]->SetPosition(resolution->b);
        FResolutionFields[2]->SetPosition(resolution->c);
    }
    FSettingControls = false;
    applyResolutionFields();
}

void Tgraf_spectroscopy::applyResolutionFields() {
    if (FResolutionBox->isChecked()) {
        WidthPolynomial p{FResolutionFields[0]->Position(), FResolutionFields[1]->Position(),
                          FResolutionFields[2]->Position()};
        for (double* v : {&p.a, &p.b, &p.c})
            if (!std::isfinite(*v))
                *v = 0;
        FOptions.resolution = p;
    } else {
        FOptions.resolution.reset();
    }
    updateConvolutionControls();
    showPending();
}

void Tgraf_spectroscopy::setNormaliseArea(bool on) {
    FOptions.normaliseArea = on;
    FNormaliseBox->setChecked(on);
    showPending();
}

void Tgraf_spectroscopy::setBoltzmann(bool on) {
    FBoltzmann = on;
    (on ? FBoltzmannButton : FIgnore)->setChecked(true);
    // The field's value applies as soon as the distribution is chosen.
    MeasTemp = on ? std::max(UpDownTemp->Position(), 0.0) : 0;
    updateConvolutionControls();
    showPending();
}

void Tgraf_spectroscopy::setTemperature(double kelvin) {
    const double T = std::isfinite(kelvin) ? std::max(kelvin, 0.0) : 100;
    FSettingControls = true;
    UpDownTemp->SetPosition(T);
    FSettingControls = false;
    if (FBoltzmann)
        MeasTemp = T;
    showPending();
}

void Tgraf_spectroscopy::setTypeShown(int type, bool shown) {
    if (type < 0 || type >= kIntensityTypes)
        return;
    FShown[static_cast<std::size_t>(type)] = shown;
    FLegend[static_cast<std::size_t>(type)]->SetDown(shown);
    FMarks.labels.clear();
    rebuildScene();
    FPlot->update();
}

void Tgraf_spectroscopy::showConvolutionPanel(bool shown) {
    MyButtonConvolution->SetDown(shown);
    if (!shown) {
        FConvolution->hide();
        return;
    }
    FConvolution->move(FConvolution->x(), 8);
    FConvolution->place();
    FConvolution->show();
    FConvolution->raise();
}

void Tgraf_spectroscopy::fillTransitionData() {
    std::vector<std::string> lines{kNoTransitions};
    if (FSource && !FMerged.empty())
        lines = transitionDataListing(FSource->lines, FSource->vars.baza);
    QString text;
    for (const std::string& line : lines)
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromStdString(line);
    FNeutrons->setTransitionText(text);
}

void Tgraf_spectroscopy::showTransitionData(bool shown) {
    MyButtonTransitionData->SetDown(shown);
    if (!shown) {
        FNeutrons->closeQuietly();
        return;
    }
    fillTransitionData();
    FNeutrons->showCentredOn(FHost.mainWindow ? FHost.mainWindow : FPanel->window());
}

void Tgraf_spectroscopy::clickAt(QPoint point) {
    FMarks.labels = peakLabels(FMerged, FColumns, frame(), FShown, baza(), {point.x(), point.y()});
    FPlot->update();
}

std::optional<double> Tgraf_spectroscopy::positionAt(int x) const {
    const int n = FPlot->width() - 170;
    if (n <= 0)
        return std::nullopt;
    return FPlotRange.min + (FPlotRange.max - FPlotRange.min) * (x - kPlotLeft) / n;
}

void Tgraf_spectroscopy::dragBand(int x0, int x1) {
    auto a = positionAt(std::min(x0, x1));
    auto b = positionAt(std::max(x0, x1));
    if (!a || !b)
        return;
    if (*a <= 0)
        *a = 1e-6;
    openRangeEditor();
    Edit_Min->setText(QString::fromStdString(floatToStrDot(*a)));
    Edit_Max->setText(QString::fromStdString(floatToStrDot(*b)));
    FMarks.typedRange = std::pair{*a, *b};
    MyButtonRefresh->show();
    FPlot->update();
}

bool Tgraf_spectroscopy::plotMouse(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint p = mouse->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton && p.x() >= kDragStart) {
            view_mouseDn = true;
            view_clickX = view_moveX = p.x();
            view_clickY = p.y();
        }
        return true;
    case QEvent::MouseMove:
        if (view_mouseDn) {
            view_moveX = std::max(p.x(), kDragStart);
            if (std::abs(view_moveX - view_clickX) > 5)
                FMarks.drag = std::pair{view_clickX, view_moveX};
            else
                FMarks.drag.reset();
            FPlot->update();
        }
        return true;
    case QEvent::MouseButtonRelease: {
        if (!view_mouseDn)
            return true;
        view_mouseDn = false;
        FMarks.drag.reset();
        const int x = std::max(p.x(), kDragStart);
        if (std::abs(x - view_clickX) < 6 && std::abs(p.y() - view_clickY) < 6)
            clickAt(p);
        else if (std::abs(x - view_clickX) > 5)
            dragBand(view_clickX, x);
        FPlot->update();
        return true;
    }
    default:
        return false;
    }
}

bool Tgraf_spectroscopy::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FPlot)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        paintPlot();
        return true;
    case QEvent::Resize:
        FConvolution->place();
        if (FPlot->width() != FColumnsWidth && !FFolder.empty() && FPlot->isVisible())
            recompute();
        else
            rebuildScene();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return plotMouse(event);
    default:
        return QWidget::eventFilter(watched, event);
    }
}

DataTable Tgraf_spectroscopy::exportTable() const {
    if (!FSource)
        throw DataRequestError("no spectrum to export");
    SpectrumDataOptions options;
    options.type = plotType();
    options.range = FPlotRange;
    options.points = static_cast<int>(FColumns.size());
    options.shape = FOptions.shape;
    options.widthInKelvin = FOptions.halfWidthInKelvin;
    options.width = FOptions.halfWidthInKelvin ? FOptions.halfWidthK : FOptions.halfWidthUnit;
    options.lorentzWidth =
        FOptions.halfWidthInKelvin ? FOptions.lorentzWidthK : FOptions.lorentzWidthUnit;
    options.resolution = FOptions.resolution;
    options.normaliseArea = FOptions.normaliseArea;
    options.temperature = FSource->energies.empty() ? std::nullopt : temperature();
    const QString name = TCommonPanel2::resultTabName(FPanel, FLocation.resultFolder);
    return spectrumDataTable(*FSource, name.toStdString(), options);
}

void Tgraf_spectroscopy::exportData() {
    if (FFolder.empty())
        return;
    runGuarded(FHost.mainWindow ? FHost.mainWindow : FPanel, [this] {
        const DataTable table = exportTable();
        const QString name = TCommonPanel2::resultTabName(FPanel, FLocation.resultFolder);
        exportDataTable(FPanel, table, name + QStringLiteral(" spectroscopy.csv"));
    });
}

QString Tgraf_spectroscopy::writeFigure(const QString& path) {
    const QString name = FFolder.empty()
                             ? QStringLiteral("spectroscopy")
                             : TCommonPanel2::resultTabName(FPanel, FLocation.resultFolder) +
                                   QStringLiteral(" spectroscopy");
    return writePlotFigure(scene(), path, FPlot->logicalDpiY(), name);
}

void Tgraf_spectroscopy::exportFigure() {
    const QString name = FFolder.empty()
                             ? QStringLiteral("spectroscopy")
                             : TCommonPanel2::resultTabName(FPanel, FLocation.resultFolder) +
                                   QStringLiteral(" spectroscopy");
    const QString target = chooseFigureFile(FPanel, name);
    if (target.isEmpty())
        return;
    const QString problem = writeFigure(target);
    if (!problem.isEmpty())
        tell(problem);
    else
        rememberExportFolder(target);
}

void Tgraf_spectroscopy::tell(const QString& text) {
    showMessage(FHost.mainWindow ? FHost.mainWindow : FPanel, text);
}

} // namespace vintrel
