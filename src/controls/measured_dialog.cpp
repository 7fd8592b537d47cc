#include "controls/measured_dialog.h"

#include "controls/dialog_frame.h"
#include "controls/messages.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vintrel {

namespace {

MeasuredDataChooser& chooserHook() {
    static MeasuredDataChooser chooser;
    return chooser;
}

QString lastFolder;

class ColumnsDialog : public TFramedDialog {
public:
    using TFramedDialog::TFramedDialog;
    QVBoxLayout* body() { return content; }
};

} // namespace

void setMeasuredDataChooser(MeasuredDataChooser chooser) {
    chooserHook() = std::move(chooser);
}

std::optional<MeasuredChoice> chooseMeasuredData(QWidget* parent, const QString& title,
                                                 const QStringList& units, int unit) {
    if (chooserHook())
        return chooserHook()(parent, units, unit);
    const QString file = QFileDialog::getOpenFileName(
        parent, title, lastFolder,
        QStringLiteral("Measured data (*.txt *.csv *.dat *.tsv);;All files (*)"));
    if (file.isEmpty())
        return std::nullopt;
    lastFolder = QFileInfo(file).absolutePath();
    MeasuredChoice choice;
    choice.file = file;
    try {
        choice.table = readMeasuredData(file.toStdString());
    } catch (const std::exception& error) {
        showMessage(parent, QString::fromStdString(error.what()));
        return std::nullopt;
    }
    ColumnsDialog dialog(parent, title);
    auto* form = new QFormLayout;
    auto* x = new QComboBox(&dialog);
    auto* y = new QComboBox(&dialog);
    auto* err = new QComboBox(&dialog);
    err->addItem(QStringLiteral("none"));
    for (std::size_t c = 0; c < choice.table.columnCount(); ++c) {
        const QString name = QString::fromStdString(choice.table.title(c));
        x->addItem(name);
        y->addItem(name);
        err->addItem(name);
    }
    x->setCurrentIndex(0);
    y->setCurrentIndex(choice.table.columnCount() > 1 ? 1 : 0);
    err->setCurrentIndex(choice.table.columnCount() > 2 ? 3 : 0);
    auto* file_label =
        new QLabel(QFileInfo(file).fileName() + QStringLiteral(": ") +
                       QString::number(choice.table.rowCount()) + QStringLiteral(" rows"),
                   &dialog);
    form->addRow(file_label);
    form->addRow(QStringLiteral("x column"), x);
    form->addRow(QStringLiteral("y column"), y);
    form->addRow(QStringLiteral("error column"), err);
    QComboBox* unitBox = nullptr;
    if (!units.isEmpty()) {
        unitBox = new QComboBox(&dialog);
        unitBox->addItems(units);
        const auto preselect = [&](int column) {
            const QString named =
                QString::fromStdString(choice.table.units[static_cast<std::size_t>(column)]);
            const int found = units.indexOf(named);
            unitBox->setCurrentIndex(found >= 0 ? found : std::max(0, unit));
        };
        preselect(0);
        QObject::connect(x, &QComboBox::currentIndexChanged, unitBox, preselect);
        form->addRow(QStringLiteral("unit of x"), unitBox);
    }
    dialog.body()->addLayout(form);
    dialog.resize(360, units.isEmpty() ? 200 : 230);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    choice.x = static_cast<std::size_t>(x->currentIndex());
    choice.y = static_cast<std::size_t>(y->currentIndex());
    if (err->currentIndex() > 0)
        choice.err = static_cast<std::size_t>(err->currentIndex() - 1);
    choice.unit = unitBox ? unitBox->currentIndex() : -1;
    return choice;
}

} // namespace vintrel
