// The spectroscopy page: a measured spectrum over the synthesised one.
#include "levels/spectroscopy_page.h"

#include "controls/measured_dialog.h"
#include "controls/messages.h"

#include <QFileInfo>
#include <QLabel>

namespace vintrel {

void Tgraf_spectroscopy::loadMeasuredData() {
    if (FFolder.empty())
        return;
    QStringList units;
    for (PlotType type :
         {PlotType::waveLength, PlotType::kelvin, PlotType::meV, PlotType::waveNumber})
        units << QString::fromLatin1(plotTypeLook(type).unit);
    const auto choice = chooseMeasuredData(FHost.mainWindow ? FHost.mainWindow : FPanel,
                                           QStringLiteral("Load measured data"), units,
                                           static_cast<int>(plotType()));
    if (!choice)
        return;
    const QString problem =
        loadMeasured(choice->table, choice->x, choice->y, choice->err,
                     static_cast<PlotType>(std::max(0, choice->unit)), choice->file);
    if (!problem.isEmpty())
        tell(problem);
}

QString Tgraf_spectroscopy::loadMeasured(const MeasuredTable& table, std::size_t x, std::size_t y,
                                         std::optional<std::size_t> err, PlotType unit,
                                         const QString& file) {
    if (FFolder.empty())
        return QStringLiteral("No result is open.");
    if (x >= table.columnCount() || y >= table.columnCount() ||
        (err && *err >= table.columnCount()))
        return QStringLiteral("%1 has no such column.").arg(file);
    MeasuredSpectrum measured{file.toStdString(), measuredPoints(table, x, y, err), unit};
    FMeasured[FFolder] = std::move(measured);
    rebuildScene();
    FPlot->update();
    return {};
}

void Tgraf_spectroscopy::addMeasured() {
    FMeasuredAgreement.reset();
    if (!FAgreementLabel) // still being built
        return;
    const auto found = FMeasured.find(FFolder);
    if (found == FMeasured.end() || FColumns.empty()) {
        FAgreementLabel->hide();
        return;
    }
    FMeasuredAgreement = spectrumAgreement(found->second, FColumns, FShown, baza(), plotType());
    for (SceneItem& item : measuredSpectrumItems(frame(), *FMeasuredAgreement))
        FScene.items.push_back(std::move(item));
    FAgreementLabel->setText(
        QStringLiteral("measured (%1) against the synthesised total: ")
            .arg(QFileInfo(QString::fromStdString(found->second.file)).fileName()) +
        QString::fromStdString(agreementText(*FMeasuredAgreement)) +
        QStringLiteral("   (kept while the result is open)"));
    FAgreementLabel->show();
}

} // namespace vintrel
