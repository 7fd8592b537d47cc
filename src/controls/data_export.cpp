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

} // namespace

QString chooseExportFile(QWidget* parent, const QString& suggestedName, const QString& title,
                         const QString& filters) {
    const QString suggested = QDir(startFolder()).filePath(exportFileName(suggestedName));
    if (chooser())
        return chooser()(parent, suggested);
    return QFileDialog::getSaveFileName(parent, title, suggested, filters);
}

void rememberExportFolder(const QString& writtenPath) {
    lastFolder() = QFileInfo(writtenPath).absolutePath();
}

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
    QString path = chooseExportFile(parent, suggestedName, QStringLiteral("Export data"),
                                    QStringLiteral("CSV files (*.csv)"));
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
    rememberExportFolder(path);
    return true;
}

} // namespace vintrel
