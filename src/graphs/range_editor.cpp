#include "graphs/range_editor.h"

#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/numeric_entry.h"
#include "graphs/graph_page.h"

#include <QHBoxLayout>
#include <QLineEdit>

namespace vintrel {

namespace {

QLineEdit* numberField(QWidget* parent, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setFixedWidth(width);
    edit->setFont(viewerFont());
    installNumericKeyFilter(edit);
    return edit;
}

} // namespace

TRangeEditor::TRangeEditor(QWidget* parent, const Captions& captions) : QWidget(parent) {
    FRow = new QHBoxLayout(this);
    FRow->setContentsMargins(0, 0, 0, 0);
    FRow->setSpacing(3);
    FButton = TGraphPage::makeButton(this, captions.button, captions.buttonHint,
                                     captions.buttonWidth, false);
    FEdit = numberField(this, captions.editWidth);
    FConfirm = TGraphPage::makeButton(this, captions.confirm, captions.confirmHint,
                                      captions.confirmWidth, false);
    FRow->addWidget(FButton);
    FRow->addWidget(FEdit);
    FRow->addWidget(FConfirm);
    FEdit->hide();
    FConfirm->hide();
    connect(FButton, &TMyButton::OnClick, this, &TRangeEditor::openRequested);
    connect(FConfirm, &TMyButton::OnClick, this, &TRangeEditor::confirmed);
    connect(FEdit, &QLineEdit::returnPressed, this, &TRangeEditor::confirmed);
}

void TRangeEditor::setCompanion(QWidget* widget) {
    FCompanion = widget;
    widget->setParent(this);
    FRow->insertWidget(FRow->indexOf(FConfirm), widget);
    widget->setVisible(isOpen());
}

QLineEdit* TRangeEditor::addLowerField() {
    if (!FLowerEdit) {
        FLowerEdit = numberField(this, FEdit->width());
        FRow->insertWidget(FRow->indexOf(FEdit), FLowerEdit);
        FLowerEdit->setVisible(isOpen());
        connect(FLowerEdit, &QLineEdit::returnPressed, this, &TRangeEditor::confirmed);
    }
    return FLowerEdit;
}

void TRangeEditor::open(const QString& text) {
    FButton->hide();
    FEdit->setText(text);
    FEdit->show();
    if (FLowerEdit)
        FLowerEdit->show();
    if (FCompanion)
        FCompanion->show();
    FConfirm->show();
    FEdit->setFocus();
    FEdit->selectAll();
}

void TRangeEditor::close() {
    FButton->show();
    FEdit->hide();
    if (FLowerEdit)
        FLowerEdit->hide();
    if (FCompanion)
        FCompanion->hide();
    FConfirm->hide();
}

bool TRangeEditor::isOpen() const {
    return !FEdit->isHidden();
}

} // namespace vintrel
