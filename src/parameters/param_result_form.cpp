#include "parameters/param_result_form.h"

#include "controls/my_button.h"
#include "controls/my_combobox.h"
#include "controls/my_label.h"
#include "parameters/coefficient_rows.h"
#include "parameters/elem_panel_result_form.h"
#include "parameters/parameter_captions.h"
#include "parameters/parameter_groups.h"
#include "parameters/parameter_texts.h"
#include "parameters/value_edit.h"
#include "resultdata/dup_reader.h"
#include "resultdata/input_files.h"
#include "resultdata/term_values.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>

namespace vintrel {

namespace {

constexpr int kScrollTop = 50;
constexpr int kColumnHeight = 606;

struct ColumnMargins {
    int left, top, right;
};

} // namespace

TParamResultForm::TParamResultForm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("parameters"));
    buildColumns();
    connect(CBcoordinate, &QComboBox::currentIndexChanged, this,
            &TParamResultForm::CBcoordinateChangeResults);
    initFormForResult();
    layoutColumns();
}

void TParamResultForm::initFormForResult() {
    formForResults = true;
    groupboxCEF->setTitle(QStringLiteral(" local CEF surroundings of ion "));
    groupboxCEF->resize(groupboxCEF->width(), 450);
    SymmetryCB->hide();
    ScrollBox1->setGeometry(12, kScrollTop, ScrollBox1->width(), kMaxScrollHeight);
    for (auto* rows : {&inputA, &inputB})
        for (RowControls& row : *rows) {
            row.edit->setReadOnly(true);
            row.unit->show();
            if (row.power)
                row.power->move(154, row.power->y());
        }
    placeCefFooter();
}

void TParamResultForm::disableAllInputs() {
    ScrollBox1->move(12, kScrollTop);
    PanelA->move(PanelA->x(), 0);
    PanelB->move(PanelB->x(), 0);
    if (elementPanel_)
        elementPanel_->disableInputs();
}

void TParamResultForm::wczytajDane(const std::filesystem::path& resultFolder) {
    const TVariables& vars = sharedVariables();
    const ParameterTexts texts = parameterTexts(vars);
    {
        const QSignalBlocker block(SymmetryCB);
        SymmetryCB->setCurrentIndex(texts.symmetryKnown ? vars.symmetry : -1);
    }
    SymmetryCBChange(vars.symmetry);
    MyLabelSymmetryText->SetCaption(QString::fromStdString(texts.symmetryCaption));
    PanelNoData->setVisible(!resultFilePresent(resultFolder / kInputBnFile));
    for (std::size_t i = 0; i < 27; ++i) {
        inputA[i].edit->showValue(texts.a[i].text, texts.a[i].hint);
        inputB[i].edit->showValue(texts.b[i].text, texts.b[i].hint);
    }
    groupboxCEF->setTitle(QStringLiteral(" local CEF surroundings of central ion "));
    const QSignalBlocker block(CBcoordinate);
    EditLambda->showValue(texts.lambda.text, texts.lambda.hint);
    EditMagfield->showValue(texts.magfield.text, texts.magfield.hint);
    EditMagangle->showValue(texts.magangle.text, texts.magangle.hint);
    EditMagangle2->showValue(texts.magangle2.text, texts.magangle2.hint);
    EditBx->showValue(texts.bx.text, texts.bx.hint);
    EditBy->showValue(texts.by.text, texts.by.hint);
    EditBz->showValue(texts.bz.text, texts.bz.hint);
}

void TParamResultForm::SymmetryCBChange(int code) {
    TVariables& vars = sharedVariables();
    vars.symmetry = code;
    vars.symmask = symmetryChoice(code).mask;
    rearrangeInputs();
}

void TParamResultForm::rearrangeInputs() {
    const TVariables& vars = sharedVariables();
    const auto layout = arrangeRows(vars.elemmask, vars.symmask, vars.cialo);
    if (!layout)
        return;
    for (std::size_t i = 0; i < 27; ++i) {
        const int top = layout->top[i];
        for (QWidget* row : {paneleA[i], paneleB[i]}) {
            row->setVisible(top >= 0);
            if (top >= 0)
                row->move(0, top);
        }
    }
    PanelA->resize(PanelA->width(), layout->columnHeight);
    PanelB->resize(PanelB->width(), layout->columnHeight);
    ScrollBox1->widget()->resize(ScrollBox1->widget()->width(), layout->columnHeight);
    ScrollBox1->verticalScrollBar()->setValue(0);
    ScrollBox1->resize(ScrollBox1->width(), layout->scrollHeight);
    placeCefFooter();
}

void TParamResultForm::placeCefFooter() {
    const int below = ScrollBox1->y() + ScrollBox1->height();
    LabelNote->move(LabelNote->x(), below + 4);
    PanelHcef->move(PanelHcef->x(), LabelNote->y() + LabelNote->height() + 2);
    groupboxCEF->resize(groupboxCEF->width(),
                        below + PanelHcef->height() + LabelNote->height() + 30);
    PanelNoData->setGeometry(ScrollBox1->x(), ScrollBox1->y(), 185, ScrollBox1->height());
    PanelNoData->raise();
    ButtonExport->move(groupboxCEF->width() - ButtonExport->width() - 10,
                       PanelHcef->y() + (PanelHcef->height() - ButtonExport->height()) / 2);
}

void TParamResultForm::arrangeParameterGroups() {
    emit parameterGroupsArranged();
    const TVariables& vars = sharedVariables();
    const ParameterGroups groups =
        parameterGroups(vars.baza, termValues(vars.siconf, basisIndex(vars.baza, vars.cialo)));
    PanelgbCEF->setVisible(groups.cef);
    gbSpinOrbit->setVisible(groups.spinOrbit);
    gbMagField->setVisible(groups.field);
    PanelgbSpinOrbitMagField->setVisible(groups.spinOrbit || groups.field);
    gbMagField->setGeometry(0, groups.spinOrbit ? gbSpinOrbit->height() + 10 : 0, 230, 340);
    PanelHmagnJ->setVisible(groups.jFormula);
    PanelHmagnLS->setVisible(!groups.jFormula);
    layoutColumns();
}

void TParamResultForm::layoutColumns() {
    const std::pair<QWidget*, ColumnMargins> columns[] = {
        {PanelgbUnit5, {20, 30, 5}},
        {PanelgbCEF, {5, 30, 5}},
        {PanelgbSpinOrbitMagField, {5, 30, 10}},
    };
    int x = 0;
    for (const auto& [column, margins] : columns) {
        if (column->isHidden())
            continue;
        x += margins.left;
        column->setGeometry(x, margins.top, column->width(), kColumnHeight);
        x += column->width() + margins.right;
    }
}

void TParamResultForm::CBcoordinateChangeResults(int index) {
    const bool cartesian = index == 1;
    Panel_Cartesian->setVisible(cartesian);
    Image2->setVisible(cartesian);
    Panel_Spherical->setVisible(!cartesian);
    Image1->setVisible(!cartesian);
}

void TParamResultForm::FocusOnPanel() {
    PanelAAA->setFocus();
}

bool TParamResultForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        watched->objectName() == QLatin1String("LabelHso"))
        FocusOnPanel();
    return QWidget::eventFilter(watched, event);
}

} // namespace vintrel
