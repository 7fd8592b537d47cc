#include "app/reader_form.h"

#include "base/working_folders.h"
#include "containers/import_dialogs.h"
#include "controls/messages.h"
#include "resultdata/input_files.h"
#include "resultdata/result_variables.h"

#include <QFileDialog>
#include <QTimer>

#include <algorithm>

namespace vintrel {

namespace {

const QString kOpenFilters =
    QStringLiteral("Zorvane files (*.zrvn *.mfa);;Zorvane data file (*.zrvn);;"
                   "Zorvane MFA result file (*.mfa);;All Files (*)");

QString trimmedDescription(QString description) {
    while (!description.isEmpty() &&
           (description.back() == QLatin1Char(' ') || description.back() == QChar(0)))
        description.chop(1);
    return description;
}

} // namespace

void TReaderForm::ButtonLoadClick() {
    const QStringList files =
        chooseFiles
            ? chooseFiles()
            : QFileDialog::getOpenFileNames(this, QStringLiteral("Open"), QString(), kOpenFilters);
    for (const QString& file : files)
        openDataFile(file);
}

std::vector<std::string> TReaderForm::resultFoldersOnDisk() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folders_.workingRoot, error))
        if (const std::string name = entry.path().filename().string();
            name.starts_with("Result") && entry.is_directory(error))
            names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}

void TReaderForm::removeResultFolders(const QStringList& folders) const {
    for (const QString& folder : folders)
        removeFolderTree(folders_.workingRoot / folder.toStdString());
}

void TReaderForm::openDataFile(const QString& path) {
    // The log lets window messages run during an import, so the Open command or a second copy
    // can ask for another file meanwhile; it waits until this import is done.
    if (importing_) {
        pendingFiles_ << path;
        return;
    }
    importing_ = true;
    importOne(path);
    importing_ = false;
    if (!pendingFiles_.isEmpty())
        QTimer::singleShot(0, this, [this] { openDataFile(pendingFiles_.takeFirst()); });
}

void TReaderForm::importOne(const QString& path) {
    TSuperTabs& strip = *MyReaderPanel->Zakladki;
    QStringList openTabs;
    for (int i = 0; i < strip.TabCount(); ++i)
        openTabs << strip.Tabs(i)->TabName();

    // Folders that an import made but did not hand over (an error, a damaged record, a
    // cancelled result) are removed at once instead of waiting for the next start.
    const std::vector<std::string> before = resultFoldersOnDisk();
    ImportOutcome outcome;
    const bool finished = runGuarded(this, [&] {
        outcome = importContainer(path, openTabs, folders_.workingRoot, *LoadPickForm,
                                  *LoadingResultsForm, pickAllResults);
    });
    lastImportOk = finished && outcome.ok;
    if (!finished)
        outcome = ImportOutcome{};
    QStringList leftOver;
    for (const std::string& name : resultFoldersOnDisk()) {
        const QString folder = QString::fromStdString(name);
        if (!std::binary_search(before.begin(), before.end(), name) &&
            !outcome.folders.contains(folder))
            leftOver << folder;
    }
    removeResultFolders(leftOver);
    if (!finished)
        return;
    const QString description = trimmedDescription(outcome.description);
    MyReaderPanel->Content_Results->hide();
    for (int i = 0; i < outcome.folders.size(); ++i) {
        currentResultFolder = outcome.folders[i];
        const ResultLocation location{folders_.workingRoot, currentResultFolder.toStdString(),
                                      folders_.dataFolder};
        if (!runGuarded(this, [&] { loadResultInputs(location); })) {
            // A result whose inputs cannot be read gets no tab, nor do the ones after it.
            removeResultFolders(outcome.folders.mid(i));
            currentResultFolder.clear();
            lastImportOk = false;
            break;
        }
        const TKind kind = sharedVariables().dynamic_calc ? TKind::tkDynamic : TKind::tkResult;
        ShowResults(outcome.tabNames[i], path, kind, description);
    }
    // The result pages are on show exactly while a result tab is active, also after a refused
    // file or a cancelled pick dialog.
    const TTab* active = strip.Tabs(strip.ActiveTab());
    MyReaderPanel->Content_Results->setVisible(
        active && (active->Kind() == TKind::tkResult || active->Kind() == TKind::tkDynamic));
}

} // namespace vintrel
