#include "graphs/graph_details.h"

#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/nice_panel.h"
#include "controls/theme.h"
#include "resultdata/dup_reader.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vintrel {

TGraphDetailsForm::TGraphDetailsForm(const QString& caption, const QString& heading,
                                     QWidget* parent)
    : TToolWindow(parent) {
    setWindowTitle(caption);
    theme::fillBackground(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(4);
    auto* band = new TNicePanel(this);
    loadPanelSet(*band, QStringLiteral("band"));
    band->setFixedHeight(41);
    auto* bandRow = new QHBoxLayout(band);
    bandRow->setContentsMargins(12, 0, 12, 0);
    auto* title = new TMyLabel(band, heading);
    title->setFont(viewerFont(QStringLiteral("Tahoma"), 10, true));
    bandRow->addWidget(title);
    bandRow->addStretch(1);
    layout->addWidget(band);
    FControls = new QWidget(this);
    FControls->hide();
    layout->addWidget(FControls);
    FMemo = new QPlainTextEdit(this);
    FMemo->setReadOnly(true);
    FMemo->setFont(viewerFont(QStringLiteral("Courier New"), 9));
    FMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(FMemo, 1);
    setMinimumSize(350, 350);
    resize(584, 573);
}

void TGraphDetailsForm::showFile(const std::filesystem::path& file) {
    try {
        FMemo->setPlainText(QString::fromStdString(readRequiredResultFile(file)));
    } catch (const FileError& error) {
        FMemo->setPlainText(QString::fromStdString(error.what()));
    }
}

QString TGraphDetailsForm::memoText() const {
    return FMemo->toPlainText();
}

TSusceptibilityForm::TSusceptibilityForm(QWidget* parent)
    : TGraphDetailsForm(QStringLiteral("details of magnetic susceptibility"),
                        QStringLiteral("Magnetic susceptibility"), parent) {
    auto* row = new QHBoxLayout(controlRow());
    row->setContentsMargins(12, 0, 12, 0);
    row->setSpacing(4);
    const auto selectorButton = [this, row](Direction d) {
        auto* button = new TMyButton(controlRow());
        loadGlyphSet(*button, QStringLiteral("tool"));
        button->SetStretch(true);
        button->SetTriState(true);
        button->SetCaption(QString(QChar(directionLetter(d))));
        button->setToolTip(QStringLiteral("Energy levels for %1 axis").arg(directionLetter(d)));
        button->setFixedSize(24, 23);
        row->addWidget(button);
        connect(button, &TMyButton::OnClick, this, [this, d] { select(d); });
        return button;
    };
    row->addWidget(new QLabel(QStringLiteral("direction of the field:"), controlRow()));
    MyButton_sel_Z = selectorButton(Direction::z);
    MyButton_sel_X = selectorButton(Direction::x);
    MyButton_sel_Y = selectorButton(Direction::y);
    row->addStretch(1);
    controlRow()->show();
    select(Direction::z);
}

TMyButton* TSusceptibilityForm::selector(Direction direction) const {
    switch (direction) {
    case Direction::x:
        return MyButton_sel_X;
    case Direction::y:
        return MyButton_sel_Y;
    case Direction::z:
        break;
    }
    return MyButton_sel_Z;
}

void TSusceptibilityForm::loadResult(const std::filesystem::path& folder, bool hasY) {
    FFolder = folder;
    MyButton_sel_Y->setVisible(hasY);
    select(FSelected == Direction::y && !hasY ? Direction::z : FSelected);
}

void TSusceptibilityForm::select(Direction direction) {
    FSelected = direction;
    for (Direction d : kDirections)
        selector(d)->SetDown(d == direction);
    if (FFolder.empty())
        memo()->clear();
    else
        showFile(FFolder / kChiFiles[directionIndex(direction)]);
}

TEntropySpechForm::TEntropySpechForm(QWidget* parent)
    : TGraphDetailsForm(QStringLiteral("details of entropy and specific heat"),
                        QStringLiteral("Entropy, specific heat and Debey specific heat"), parent) {}

void TEntropySpechForm::loadResult(const std::filesystem::path& folder) {
    showFile(folder / kSpcFile);
}

TGraphDetailsLink::TGraphDetailsLink(TGraphDetailsForm* form, QObject* parent)
    : QObject(parent), FForm(form) {
    connect(form, &TGraphDetailsForm::closed, this, [this] { setButtons(false); });
}

TGraphDetailsLink::~TGraphDetailsLink() {
    delete FForm;
}

void TGraphDetailsLink::addButton(TMyButton* button) {
    FButtons.push_back(button);
    button->SetDown(open());
}

void TGraphDetailsLink::setButtons(bool down) {
    for (const QPointer<TMyButton>& button : FButtons)
        if (button)
            button->SetDown(down);
}

bool TGraphDetailsLink::open() const {
    return FForm->isVisible();
}

void TGraphDetailsLink::toggled(bool down, const std::function<void()>& fill, QWidget* mainWindow) {
    setButtons(down);
    if (!down) {
        FForm->closeQuietly();
        return;
    }
    if (fill)
        fill();
    FForm->showCentredOn(mainWindow);
}

TMomentDetailsForm::TMomentDetailsForm(QWidget* parent)
    : TGraphDetailsForm(QStringLiteral("details of magnetic moments"),
                        QStringLiteral("Magnetic moments"), parent) {
    setMinimumSize(350, 350);
    setMaximumWidth(570);
    resize(504, 581);
}

void TMomentDetailsForm::loadResult(const std::filesystem::path& folder) {
    showFile(folder / kMomentFile);
}

} // namespace vintrel
