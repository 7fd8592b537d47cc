// The shared temperature graph page: range, padlock, markers and exports.
#include "graphs/graph_page.h"

#include "base/binary_file.h"
#include "base/number_text.h"
#include "controls/data_export.h"
#include "controls/measured_dialog.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/theme.h"
#include "graphs/mean_field_plots.h"
#include "graphs/range_editor.h"
#include "tabs/reader_panel.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace vintrel {

namespace {

bool samePoint(const xy_pts& a, const xy_pts& b) {
    const auto near = [](double u, double v) {
        return std::abs(u - v) <= 1e-9 * std::max(std::abs(u), std::abs(v));
    };
    return near(a.x, b.x) && near(a.y, b.y);
}

QString exponentCaption(int exponent) {
    QString caption = QStringLiteral("^.10");
    for (const QChar c : QString::number(exponent))
        caption += QLatin1Char('^') + c;
    return caption;
}

} // namespace

void TGraphPage::storeRange(const AxisRange& range) {
    std::vector<std::filesystem::path> others;
    if (FSession.padlock() && !FLocation.workingRoot.empty()) {
        const std::vector<std::string> folders =
            FHost.padlockFolders ? FHost.padlockFolders()
                                 : TCommonPanel2::resultFolders(FPanel, FConfig.padlockKind);
        for (const std::string& name : folders)
            others.push_back(FLocation.workingRoot / name);
    }
    std::vector<std::string> problems;
    try {
        FSession.setRange(storedRange(range), others, &problems);
    } catch (const std::exception& error) {
        problems.insert(problems.begin(), error.what());
    }
    FStamps = FileStamps::of(watchedFiles());
    dataChanged();
    plotChanged();
    if (!problems.empty()) {
        QString text;
        for (const std::string& problem : problems)
            text += (text.isEmpty() ? QString() : QStringLiteral("\r")) +
                    QString::fromStdString(problem);
        tell(text);
    }
}

void TGraphPage::zoomIn() {
    refresh();
    const ZoomOutcome outcome = zoomRange(FSession.range(), FConfig.zoomRule, true);
    if (!outcome.refusal.empty()) {
        tell(QString::fromStdString(outcome.refusal));
        return;
    }
    if (outcome.range)
        storeRange(*outcome.range);
    openRangeEditor();
}

void TGraphPage::zoomOut() {
    refresh();
    const ZoomOutcome outcome = zoomRange(FSession.range(), FConfig.zoomRule, false);
    if (outcome.range)
        storeRange(*outcome.range);
    openRangeEditor();
}

TMyButton* TGraphPage::rangeButton() const {
    return FRangeEditor->button();
}

TMyButton* TGraphPage::setButton() const {
    return FRangeEditor->confirmButton();
}

QLineEdit* TGraphPage::rangeEdit() const {
    return FRangeEditor->edit();
}

QLineEdit* TGraphPage::rangeMinEdit() const {
    return FRangeEditor->lowerEdit();
}

void TGraphPage::zoomToData() {
    refresh();
    FRangeEditor->edit()->clear();
    if (!hasData())
        return;
    storeRange(fittedRange());
    if (FConfig.zoomRule == ZoomRule::NiceOfTop)
        openRangeEditor();
}

void TGraphPage::openRangeEditor() {
    const AxisRange range = FSession.range();
    if (FConfig.exponentInEditor)
        MyLabelExp->SetCaption(exponentCaption(range.exponent));
    FRangeEditor->open(QString::fromStdString(floatToStrDot(range.range)));
    if (QLineEdit* lower = FRangeEditor->lowerEdit())
        lower->setText(QString::fromStdString(floatToStrDot(range.bottom)));
    MyLabelExp->setVisible(FConfig.exponentInEditor);
}

void TGraphPage::closeRangeEditor() {
    FRangeEditor->close();
}

void TGraphPage::applyRangeEditor() {
    if (QLineEdit* lower = FRangeEditor->lowerEdit()) {
        const auto both = anisotropyEntry(lower->text().toStdString(),
                                          FRangeEditor->edit()->text().toStdString());
        closeRangeEditor();
        refresh();
        storeRange(both ? *both : FSession.range());
        return;
    }
    const auto value = parseRangeEntry(FRangeEditor->edit()->text().toStdString());
    closeRangeEditor();
    refresh();
    AxisRange range = FSession.range();
    if (value)
        range.range = *value;
    storeRange(range);
}

void TGraphPage::setPadlock(bool down) {
    MyButtonKlodka->SetDown(down);
    MyButtonKlodka->setToolTip(down ? QStringLiteral("Click to set range for this graph only")
                                    : FConfig.padlockHint);
    FSession.setPadlock(down);
    if (!down)
        return;
    if (FRangeEditor->isOpen())
        applyRangeEditor();
    else {
        refresh();
        storeRange(FSession.range());
    }
}

void TGraphPage::showMarkerList(bool shown) {
    MyButtonMarkers->SetDown(shown);
    Panel_ValuelLabelEditor->setVisible(shown);
    if (shown)
        refresh();
}

void TGraphPage::fillMarkerList() {
    const std::vector<MarkerRow> rows =
        markerListRows(shownMarkers(FSession.markers()), temperatures());
    FFillingList = true;
    ValueListEditor1->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const MarkerRow& row = rows[static_cast<std::size_t>(r)];
        ValueListEditor1->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(row.key)));
        ValueListEditor1->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(row.value)));
    }
    FFillingList = false;
}

void TGraphPage::clearMarkerList() {
    const std::vector<MarkerRow> rows = markerTemplateRows(temperatures());
    FFillingList = true;
    ValueListEditor1->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const MarkerRow& row = rows[static_cast<std::size_t>(r)];
        ValueListEditor1->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(row.key)));
        ValueListEditor1->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(row.value)));
    }
    FFillingList = false;
}

void TGraphPage::markerListEdited() {
    if (FFolder.empty())
        return;
    std::vector<MarkerRow> rows;
    for (int r = 0; r < ValueListEditor1->rowCount(); ++r) {
        const QTableWidgetItem* key = ValueListEditor1->item(r, 0);
        const QTableWidgetItem* value = ValueListEditor1->item(r, 1);
        rows.push_back({key ? key->text().toStdString() : std::string(),
                        value ? value->text().toStdString() : std::string()});
    }
    try {
        FSession.setMarkers(storedMarkers(markersFromRows(rows)));
    } catch (const std::exception& error) {
        tell(QString::fromStdString(error.what()));
    }
    FStamps = FileStamps::of(watchedFiles());
    plotChanged();
}

void TGraphPage::exportData() {
    if (FLocation.resultFolder.empty())
        return;
    runGuarded(FHost.mainWindow ? FHost.mainWindow : FPanel, [this] {
        const QString name = TCommonPanel2::resultTabName(FPanel, FLocation.resultFolder);
        const DataTable table = exportTable(FLocation, name.toStdString());
        exportDataTable(FPanel, table, name + QLatin1Char(' ') + FConfig.caption + ".csv");
    });
}

QString TGraphPage::figureName() const {
    return FLocation.resultFolder.empty()
               ? FConfig.caption
               : TCommonPanel2::resultTabName(FPanel, FLocation.resultFolder) + QLatin1Char(' ') +
                     FConfig.caption;
}

QString TGraphPage::writeFigure(const QString& path) {
    refresh();
    return writePlotFigure(scene(true), path, FPlot->logicalDpiY(), figureName());
}

void TGraphPage::exportFigure() {
    const QString target = chooseFigureFile(FPanel, figureName());
    if (target.isEmpty())
        return;
    const QString problem = writeFigure(target);
    if (!problem.isEmpty())
        tell(problem);
    else
        rememberExportFolder(target);
}

void TGraphPage::loadMeasuredData() {
    if (FFolder.empty())
        return;
    const auto choice = chooseMeasuredData(FHost.mainWindow ? FHost.mainWindow : FPanel,
                                           QStringLiteral("Load measured data"));
    if (!choice)
        return;
    const QString problem =
        loadMeasured(choice->table, choice->x, choice->y, choice->err, choice->file);
    if (!problem.isEmpty())
        tell(problem);
}

QString TGraphPage::loadMeasured(const MeasuredTable& table, std::size_t x, std::size_t y,
                                 std::optional<std::size_t> err, const QString& file) {
    if (FFolder.empty())
        return QStringLiteral("No result is open.");
    if (x >= table.columnCount() || y >= table.columnCount() ||
        (err && *err >= table.columnCount()))
        return QStringLiteral("%1 has no such column.").arg(file);
    if (!table.units[x].empty() && table.units[x] != "K")
        return QStringLiteral("The x column of %1 is in %2; the temperature is taken in K.")
            .arg(file, QString::fromStdString(table.units[x]));
    const MeasuredPoints points = measuredPoints(table, x, y, err);
    MeasuredErrors loaded{file, {}, {}};
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points.y[i] == 0 || !std::isfinite(points.y[i]))
            continue;
        loaded.points.push_back({points.x[i], points.y[i]});
        loaded.err.push_back(points.hasErrors() ? std::abs(points.err[i]) : 0.0);
    }
    if (loaded.points.empty())
        return QStringLiteral("%1 holds no point whose value is not 0.").arg(file);
    refresh();
    try {
        FSession.setMarkers(storedMarkers(loaded.points));
    } catch (const std::exception& error) {
        return QString::fromStdString(error.what());
    }
    FMeasured[FFolder] = std::move(loaded);
    FStamps = FileStamps::of(watchedFiles());
    fillMarkerList();
    plotChanged();
    return {};
}

std::vector<ErrorBar> TGraphPage::errorBars() const {
    std::vector<ErrorBar> bars;
    const auto found = FMeasured.find(FFolder);
    if (found == FMeasured.end())
        return bars;
    const xy_array markers = shownMarkers(FSession.markers());
    const MeasuredErrors& measured = found->second;
    for (std::size_t i = 0; i < measured.points.size(); ++i) {
        if (!(measured.err[i] > 0))
            continue;
        for (const xy_pts& m : markers)
            if (samePoint(m, measured.points[i])) {
                bars.push_back({m.x, m.y, measured.err[i]});
                break;
            }
    }
    return bars;
}

const std::vector<double>* TGraphPage::comparedCurve(QString& name) const {
    if (!hasData())
        return nullptr;
    const TemperaturePlot plot = describedCurves();
    for (const CurveDescription& curve : plot.curves)
        if (curve.values) {
            name = QStringLiteral("the curve");
            return curve.values;
        }
    return nullptr;
}

void TGraphPage::updateAgreement() {
    const xy_array markers = shownMarkers(FSession.markers());
    QString name;
    const std::vector<double>* curve = markers.empty() ? nullptr : comparedCurve(name);
    if (!curve) {
        FAgreement->hide();
        return;
    }
    // The drawn values of the markers (c/T on the heat page's c/T view) against the curve.
    TemperaturePlot plot;
    plot.margins = FConfig.margins;
    plot.range = axisRange();
    plot.T = &temperatures();
    describe(plot, FPlot->width(), FPlot->height());
    MeasuredPoints points;
    const auto found = FMeasured.find(FFolder);
    bool withErrors = found != FMeasured.end();
    for (const xy_pts& m : markers) {
        if (m.y == 0)
            continue;
        const double drawn = plot.markerValue ? plot.markerValue(m) : m.y;
        double err = NAN;
        if (found != FMeasured.end())
            for (std::size_t i = 0; i < found->second.points.size(); ++i)
                if (samePoint(m, found->second.points[i]))
                    err = found->second.err[i] * std::abs(drawn / m.y);
        withErrors = withErrors && err > 0;
        points.x.push_back(m.x);
        points.y.push_back(drawn);
        points.err.push_back(err);
    }
    const Agreement agreement = compareWithCurve(points, temperatures(), *curve, false);
    QString text =
        (found != FMeasured.end()
             ? QStringLiteral("measured (%1)").arg(QFileInfo(found->second.file).fileName())
             : QStringLiteral("markers")) +
        QStringLiteral(" against ") + name + QStringLiteral(": ") +
        QString::fromStdString(agreementText(agreement));
    if (found == FMeasured.end())
        text += QStringLiteral("   (error bars: load the measured data again)");
    else
        text += QStringLiteral("   (error values kept while the result is open)");
    FAgreement->setText(text);
    FAgreement->show();
}

} // namespace vintrel
