#include "containers/import_dialogs.h"

#include "base/codepage.h"
#include "base/log.h"
#include "containers/result_import.h"
#include "controls/messages.h"
#include "controls/select_all_box.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vintrel {

namespace {

QString fromCp1252(const std::string& bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

} // namespace

TLoadPickForm::TLoadPickForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Load options"));
    setModal(true);
    Label1 = new QLabel(QStringLiteral("Please pick results to load from file:"), this);
    LabelFileName = new QLabel(this);
    QFont bold = LabelFileName->font();
    bold.setBold(true);
    LabelFileName->setFont(bold);
    checkSelectAllResult = new QCheckBox(QStringLiteral("unselect all"), this);
    checkSelectAllResult->setChecked(true);
    CheckListBox1 = new QListWidget(this);
    CheckListBox1->setMinimumSize(360, 160);
    CheckBoxOptionalFiles =
        new QCheckBox(QStringLiteral("load additional data (plot ranges, markers)"), this);
    CheckBoxOptionalFiles->setChecked(true);
    Label3 = new QLabel(QStringLiteral("File description:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setReadOnly(true);
    Edit1->setMaxLength(255);
    MyButtonOK = new QPushButton(QStringLiteral("OK"), this);
    MyButtonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    MyButtonOK->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(Label1);
    fileRow->addWidget(LabelFileName, 1);
    layout->addLayout(fileRow);
    layout->addWidget(checkSelectAllResult);
    layout->addWidget(CheckListBox1, 1);
    layout->addWidget(CheckBoxOptionalFiles);
    layout->addWidget(Label3);
    layout->addWidget(Edit1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(MyButtonOK);
    buttons->addWidget(MyButtonCancel);
    layout->addLayout(buttons);

    SelectAll = new TSelectAllBox(checkSelectAllResult, CheckListBox1);
    connect(MyButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(MyButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TLoadPickForm::fill(const QString& fileName, const QString& description,
                         const QStringList& lines) {
    LabelFileName->setText(fileName);
    Edit1->setText(description.left(255));
    const QSignalBlocker quiet(CheckListBox1);
    CheckListBox1->clear();
    for (const QString& line : lines) {
        auto* item = new QListWidgetItem(line, CheckListBox1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    SelectAll->setChecked(true);
}

std::vector<bool> TLoadPickForm::checkedLines() const {
    std::vector<bool> checked;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        checked.push_back(CheckListBox1->item(i)->checkState() == Qt::Checked);
    return checked;
}

void TLoadPickForm::checkSelectAllResultClick() {
    SelectAll->boxClicked();
}

void TLoadPickForm::CheckListBox1ClickCheck(QListWidgetItem* item) {
    SelectAll->lineChanged(item);
}

TLoadingResultsForm::TLoadingResultsForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Loading..."));
    setModal(false);
    LabelAutoText = new QLabel(QStringLiteral("Loading results"), this);
    LabelLoadingStep = new QLabel(this);
    LoadingProgressBar = new QProgressBar(this);
    LoadingProgressBar->setTextVisible(false);
    LoadingProgressBar->setMinimumWidth(300);
    Button1 = new QPushButton(QStringLiteral("Cancel"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelAutoText);
    layout->addWidget(LabelLoadingStep);
    layout->addWidget(LoadingProgressBar);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(Button1);
    layout->addLayout(row);
    connect(Button1, &QPushButton::clicked, this, &TLoadingResultsForm::Button1Click);
}

void TLoadingResultsForm::start(int total) {
    loadingCancelled = false;
    LabelLoadingStep->setText(QStringLiteral("0 of %1 done").arg(total));
    LoadingProgressBar->setMaximum(total);
    LoadingProgressBar->setValue(0);
}

void TLoadingResultsForm::advance(int done) {
    LoadingProgressBar->setValue(done);
    LabelLoadingStep->setText(
        QStringLiteral("%1 of %2 done").arg(done).arg(LoadingProgressBar->maximum()));
}

void TLoadingResultsForm::Button1Click() {
    close();
}

void TLoadingResultsForm::reject() {
    close();
}

void TLoadingResultsForm::closeEvent(QCloseEvent* event) {
    loadingCancelled = true;
    hide();
    event->accept();
}

ImportOutcome importContainer(const QString& path, const QStringList& openTabNames,
                              const std::filesystem::path& workingRoot, TLoadPickForm& pick,
                              TLoadingResultsForm& progress, bool pickAll) {
    ImportOutcome outcome;
    std::optional<ContainerReader> reader;
    try {
        reader.emplace(std::filesystem::path(path.toStdString()), std::chrono::milliseconds(50));
    } catch (const ContainerRefused& refused) {
        showMessage(pick.parentWidget(), QString::fromUtf8(refused.what()));
        return outcome;
    }
    outcome.description = fromCp1252(reader->header().description);
    pick.fill(QFileInfo(path).fileName(), outcome.description, {});

    std::vector<std::string> stored;
    for (const ListedResult& result : listResults(*reader))
        stored.push_back(cp1252ToUtf8(result.name));
    std::vector<std::string> tabs;
    for (const QString& tab : openTabNames)
        tabs.push_back(tab.toStdString());
    const QString suffix = QString::fromStdString(chooseNameSuffix(stored, tabs));

    QStringList lines;
    for (const std::string& name : stored) {
        const QString shown = QString::fromStdString(name);
        lines << shown + QStringLiteral(" as ") + shown + suffix;
        writeLog(name);
    }
    pick.fill(QFileInfo(path).fileName(), outcome.description, lines);
    if (!pickAll && pick.exec() != QDialog::Accepted)
        return outcome;

    ExtractRequest request;
    request.picked = pick.checkedLines();
    request.withOptional = pick.CheckBoxOptionalFiles->isChecked();
    const int total =
        static_cast<int>(std::count(request.picked.begin(), request.picked.end(), true));
    progress.start(total);
    if (!pickAll)
        progress.show();
    request.cancelled = [&progress] { return progress.loadingCancelled; };
    request.progress = [&progress](int done) { progress.advance(done); };

    ExtractOutcome extracted;
    try {
        extracted = extractResults(*reader, workingRoot, request);
    } catch (const ContainerRefused& refused) {
        progress.hide();
        showMessage(pick.parentWidget(), QString::fromUtf8(refused.what()));
        return outcome;
    } catch (...) {
        progress.hide();
        throw;
    }
    progress.hide();
    for (std::size_t i = 0; i < extracted.folders.size(); ++i) {
        outcome.tabNames << fromCp1252(extracted.storedNames[i]) + suffix;
        outcome.folders << QString::fromStdString(extracted.folders[i]);
    }
    if (!extracted.ok) {
        showMessage(pick.parentWidget(), QString::fromStdString(extracted.error));
        return outcome;
    }
    outcome.ok = true;
    if (!extracted.cancelled)
        writeLog("Done opening file " + path.toStdString());
    return outcome;
}

} // namespace vintrel
