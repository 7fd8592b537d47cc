// The shared temperature graph page: range, padlock, markers and exports.
#include "graphs/graph_page.h"

#include "base/atomic_file.h"
#include "base/binary_file.h"
#include "base/number_text.h"
#include "controls/data_export.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/theme.h"
#include "graphs/mean_field_plots.h"
#include "graphs/range_editor.h"
#include "tabs/reader_panel.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTableWidget>

namespace vintrel {

namespace {

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
    const PlotScene figure = scene(true);
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QSize size(figure.width, figure.height);
    const int dpi = FPlot->logicalDpiY();
    const auto paint = [&](QPaintDevice& device) {
        QPainter painter(&device);
        painter.fillRect(QRect(QPoint(0, 0), size), theme::kPageBackground);
        paintPlotScene(painter, figure);
        return painter.end();
    };
    // Written beside the target and moved over it only when complete.
    try {
        AtomicFile file(path.toStdString());
        const QString temporary = QString::fromStdString(file.temporaryPath().string());
        bool written = false;
        if (suffix == QLatin1String("svg")) {
            QSvgGenerator svg;
            svg.setFileName(temporary);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setResolution(dpi);
            svg.setTitle(figureName());
            written = paint(svg);
        } else if (suffix == QLatin1String("pdf")) {
            QPdfWriter pdf(temporary);
            pdf.setResolution(dpi);
            pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / dpi, QPageSize::Point));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            pdf.setTitle(figureName());
            written = paint(pdf);
        } else {
            QImage image(size, QImage::Format_RGB32);
            image.setDotsPerMeterX(qRound(dpi / 0.0254));
            image.setDotsPerMeterY(qRound(dpi / 0.0254));
            written = paint(image) && image.save(temporary, "PNG");
        }
        if (!written)
            throw FileError("Cannot create file " + path.toStdString());
        file.commit();
    } catch (const FileError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

void TGraphPage::exportFigure() {
    const QString path = chooseExportFile(FPanel, figureName() + QStringLiteral(".png"),
                                          QStringLiteral("Export figure"),
                                          QStringLiteral("PNG picture (*.png);;SVG drawing "
                                                         "(*.svg);;PDF document (*.pdf)"));
    if (path.isEmpty())
        return;
    QString target = path;
    if (QFileInfo(target).suffix().isEmpty())
        target += QStringLiteral(".png");
    const QString problem = writeFigure(target);
    if (!problem.isEmpty())
        tell(problem);
    else
        rememberExportFolder(target);
}

} // namespace vintrel
