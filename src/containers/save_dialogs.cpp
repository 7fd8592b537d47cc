#include "containers/save_dialogs.h"

#include "base/codepage.h"
#include "containers/container_save.h"
#include "controls/my_button.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace vintrel {

namespace {

const QString kDefaultDescription = QStringLiteral("You can put a short description here");

/// The extension the file dialog adds to a name typed without one.
QString suffixOf(const QString& filter) {
    return filter == saveFilters().at(1) ? QStringLiteral("mfa") : QStringLiteral("zrvn");
}

} // namespace

void TSelectAllEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    selectAll();
}

QStringList saveFilters() {
    return {QStringLiteral("Zorvane data file (*.zrvn)"),
            QStringLiteral("Zorvane MFA result file (*.mfa)"), QStringLiteral("All Files (*)")};
}

TSavePickForm::TSavePickForm(QWidget* parent)
    : TFramedDialog(parent, QStringLiteral("Save options")) {
    MyButton1 = MyButtonOK;
    MyButton2 = MyButtonCancel;
    Label1 = new QLabel(QStringLiteral("Pick results to save:"), this);
    CheckListBox1 = new QListWidget(this);
    CheckListBox1->setMinimumSize(360, 160);
    LabelDescription = new QLabel(QStringLiteral("Description:"), this);
    EditDescription = new TSelectAllEdit(this);
    EditDescription->setMaxLength(kDescriptionLength);
    CheckBoxOptionalFiles =
        new QCheckBox(QStringLiteral("save additional data (plot ranges, markers)"), this);
    CheckBoxOptionalFiles->setChecked(false);
    for (QWidget* widget :
         {static_cast<QWidget*>(Label1), static_cast<QWidget*>(CheckListBox1),
          static_cast<QWidget*>(LabelDescription), static_cast<QWidget*>(EditDescription),
          static_cast<QWidget*>(CheckBoxOptionalFiles)})
        content->addWidget(widget);
    content->setStretchFactor(CheckListBox1, 1);

    SaveDialog1 = new QFileDialog(this, QStringLiteral("Save as"));
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setNameFilters(saveFilters());
    SaveDialog1->setDefaultSuffix(QStringLiteral("zrvn"));
    connect(SaveDialog1, &QFileDialog::filterSelected, SaveDialog1,
            [this](const QString& filter) { SaveDialog1->setDefaultSuffix(suffixOf(filter)); });
    runFileDialog = [](QFileDialog& dialog) {
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
}

void TSavePickForm::fill(const QStringList& tabNames, const QString& description) {
    CheckListBox1->clear();
    for (const QString& name : tabNames) {
        auto* item = new QListWidgetItem(name, CheckListBox1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    const bool any = !tabNames.isEmpty();
    CheckListBox1->setEnabled(any);
    CheckListBox1->setVisible(any);
    if (any) {
        Label1->setText(QStringLiteral("Pick results to save:"));
        EditDescription->setText(description.isEmpty() ? kDefaultDescription : description);
    } else {
        // The description keeps whatever the field held before.
        Label1->setText(QStringLiteral("No results to save"));
    }
}

std::vector<bool> TSavePickForm::checkedLines() const {
    std::vector<bool> checked;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        checked.push_back(CheckListBox1->item(i)->checkState() == Qt::Checked);
    return checked;
}

QString TSavePickForm::chooseTarget(bool meanField) {
    const QString filter = saveFilters().at(meanField ? 1 : 0);
    SaveDialog1->selectNameFilter(filter);
    SaveDialog1->setDefaultSuffix(suffixOf(filter));
    return runFileDialog(*SaveDialog1);
}

bool saveResultsDialog(TSavePickForm& form, const QStringList& tabNames, const QStringList& folders,
                       bool meanField, const QString& description,
                       const std::filesystem::path& workingRoot) {
    form.fill(tabNames, description);
    if (form.exec() != QDialog::Accepted)
        return false;
    const QString target = form.chooseTarget(meanField);
    if (target.isEmpty())
        return false;

    ContainerSave save;
    save.meanField = meanField;
    save.withOptional = form.CheckBoxOptionalFiles->isChecked();
    save.description = utf8ToCp1252(form.EditDescription->text().toStdString());
    save.workingRoot = workingRoot;
    const std::vector<bool> checked = form.checkedLines();
    for (std::size_t i = 0; i < checked.size() && i < std::size_t(folders.size()); ++i)
        if (checked[i])
            save.results.push_back({workingRoot / folders[int(i)].toStdString(),
                                    utf8ToCp1252(tabNames[int(i)].toStdString())});
    saveContainer(std::filesystem::path(target.toStdString()), save);
    return true;
}

} // namespace vintrel
