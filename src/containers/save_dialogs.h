#pragma once

#include "controls/dialog_frame.h"

#include <QLineEdit>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <vector>

class QCheckBox;
class QFileDialog;
class QLabel;
class QListWidget;

namespace vintrel {

/// A line edit that selects all its text when it is clicked.
class TSelectAllEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

/// "Save options": which results go into the new container, its description and whether the
/// optional members go with them. Made once; the optional box keeps the user's last choice.
class TSavePickForm : public TFramedDialog {
    Q_OBJECT
public:
    static constexpr int kDescriptionLength = 255;

    explicit TSavePickForm(QWidget* parent = nullptr);

    /// Resets the list to `tabNames`, all checked, and sets the label and the description.
    void fill(const QStringList& tabNames, const QString& description);
    std::vector<bool> checkedLines() const;
    /// The file dialog with the filter of the container kind chosen; the chosen path, or an
    /// empty text when the user cancelled.
    QString chooseTarget(bool meanField);

    QLabel* Label1;
    QListWidget* CheckListBox1;
    QLabel* LabelDescription;
    TSelectAllEdit* EditDescription;
    QCheckBox* CheckBoxOptionalFiles;
    TMyButton* MyButton1;
    TMyButton* MyButton2;
    QFileDialog* SaveDialog1;
    /// Runs the prepared file dialog and returns the chosen path (empty: cancelled). Tests put
    /// their own here; by default the dialog is shown.
    std::function<QString(QFileDialog&)> runFileDialog;
};

/// The name filters of the file dialog, in order: data, mean-field, all files.
QStringList saveFilters();

/// The save flow: fills the dialog with the tab names, shows it, asks for a file and writes the
/// container from the checked results (`folders` are the result folders in `workingRoot`, item
/// i belonging to tab i). Returns false when the user stopped it. Write failures and refused
/// targets throw FileError; an existing file is then left as it was.
bool saveResultsDialog(TSavePickForm& form, const QStringList& tabNames, const QStringList& folders,
                       bool meanField, const QString& description,
                       const std::filesystem::path& workingRoot);

} // namespace vintrel
