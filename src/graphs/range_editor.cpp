#include "graphs/range_editor.h"

#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/numeric_entry.h"
#include "graphs/graph_page.h"

#include <QHBoxLayout>
#include <QLineEdit>

namespace vintrel {

TRangeEditor::TRangeEditor(QWidget* parent, const Captions& captions) : QWidget(parent) {
    FRow = new QHBoxLayout(this);
    FRow->setContentsMargins(0, 0, 0, 0);
    FRow->setSpacing(3);
    FButton = TGraphPage::makeButton(this, captions.button, captions.buttonHint,
                                     captions.buttonWidth, false);
    FEdit = new QLineEdit(this);
    FEdit->setFixedWidth(captions.editWidth);
    FEdit->setFont(viewerFont());
    installNumericKeyFilter(FEdit);
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

void TRangeEditor::open(const QString& text) {
    FButton->hide();
    FEdit->setText(text);
    FEdit->show();
    if (FCompanion)
        FCompanion->show();
    FConfirm->show();
    FEdit->setFocus();
    FEdit->selectAll();
}

void TRangeEditor::close() {
    FButton->show();
    FEdit->hide();
    if (FCompanion)
        FCompanion->hide();
    FConfirm->hide();
}

bool TRangeEditor::isOpen() const {
    return !FEdit->isHidden();
}

} // namespace vintrel
