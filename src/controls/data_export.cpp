#include "controls/data_export.h"

#include "base/atomic_file.h"
#include "base/binary_file.h"
#include "controls/messages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace vintrel {

namespace {

ExportFileChooser& chooser() {
    static ExportFileChooser instance;
    return instance;
}

QString& lastFolder() {
    static QString folder;
    return folder;
}

QString startFolder() {
    if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir())
        return lastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString chooseFile(QWidget* parent, const QString& suggestedPath) {
    if (chooser())
        return chooser()(parent, suggestedPath);
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Export data"), suggestedPath,
                                        QStringLiteral("CSV files (*.csv)"));
}

} // namespace

void setExportFileChooser(ExportFileChooser newChooser) {
    chooser() = std::move(newChooser);
}

QString exportFileName(const QString& text) {
    QString name = text.trimmed();
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    return name.isEmpty() ? QStringLiteral("data") : name;
}

bool exportDataTable(QWidget* parent, const DataTable& table, const QString& suggestedName) {
    const QString suggested = QDir(startFolder()).filePath(exportFileName(suggestedName));
    QString path = chooseFile(parent, suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    try {
        writeFileAtomically(path.toStdString(), table.toCsv());
    } catch (const FileError& e) {
        showMessage(parent, QString::fromUtf8(e.what()));
        return false;
    }
    lastFolder() = QFileInfo(path).absolutePath();
    return true;
}

} // namespace vintrel
