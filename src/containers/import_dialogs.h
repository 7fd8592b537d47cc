#pragma once

#include <QDialog>
#include <QStringList>

#include <filesystem>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

namespace vintrel {

class TSelectAllBox;

/// "Load options": which stored results to import, and whether with their plot settings.
class TLoadPickForm : public QDialog {
    Q_OBJECT
public:
    explicit TLoadPickForm(QWidget* parent = nullptr);

    /// Resets the dialog for a container: its file name, description and one checked line each.
    void fill(const QString& fileName, const QString& description, const QStringList& lines);
    std::vector<bool> checkedLines() const;

    void checkSelectAllResultClick();
    void CheckListBox1ClickCheck(QListWidgetItem* item);

    QLabel* Label1;
    QLabel* LabelFileName;
    QCheckBox* checkSelectAllResult;
    QListWidget* CheckListBox1;
    QCheckBox* CheckBoxOptionalFiles;
    QLabel* Label3;
    QLineEdit* Edit1;
    QPushButton* MyButtonOK;
    QPushButton* MyButtonCancel;

private:
    TSelectAllBox* SelectAll;
};

/// "Loading...": progress of an import, with a Cancel button honoured between results.
class TLoadingResultsForm : public QDialog {
    Q_OBJECT
public:
    explicit TLoadingResultsForm(QWidget* parent = nullptr);

    void start(int total);
    void advance(int done);

    bool loadingCancelled = false;
    QLabel* LabelAutoText;
    QLabel* LabelLoadingStep;
    QProgressBar* LoadingProgressBar;
    QPushButton* Button1;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Button1Click();
};

struct ImportOutcome {
    bool ok = false;
    QStringList tabNames;
    QStringList folders;
    QString description;
};

/// Imports a container into new result folders of the working root: header check, the pick
/// dialog (skipped when `pickAll`), extraction with progress. Refusals and member failures are
/// shown as messages; a short read throws FileError for the general error handler.
ImportOutcome importContainer(const QString& path, const QStringList& openTabNames,
                              const std::filesystem::path& workingRoot, TLoadPickForm& pick,
                              TLoadingResultsForm& progress, bool pickAll = false);

} // namespace vintrel
