#pragma once

#include "base/data_table.h"

#include <QString>

#include <functional>

class QWidget;

namespace vintrel {

/// "Export data…" of a page: asks for a file name in a save dialog ("CSV files (*.csv)"),
/// starting in the folder of the last export with `suggestedName`, and writes the table's CSV
/// there through writeFileAtomically (".csv" is added to a name without a suffix). A failure
/// is shown with showMessage and leaves an existing file as it was. True when the file was
/// written; false when the dialog was cancelled or the writing failed.
bool exportDataTable(QWidget* parent, const DataTable& table, const QString& suggestedName);

/// Asks for the file an export writes (through the chooser of setExportFileChooser when one
/// is set), starting in the folder of the last export with `suggestedName`; `filters` are the
/// save dialog's file types. Empty for "cancel".
QString chooseExportFile(QWidget* parent, const QString& suggestedName, const QString& title,
                         const QString& filters);

/// Makes the folder of a written export the start of the next export.
void rememberExportFolder(const QString& writtenPath);

/// Picks the file an export writes: the dialog's parent and the suggested path → the chosen
/// path, empty for "cancel".
using ExportFileChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;

/// Replaces the save dialog (tests and batch runs); an empty chooser brings the dialog back.
void setExportFileChooser(ExportFileChooser chooser);

/// A file name made of a text: characters that are not allowed or awkward in file names
/// ("/", "\", ":", "*", "?", quotes, "<", ">", "|", control characters) become "_".
QString exportFileName(const QString& text);

} // namespace vintrel
