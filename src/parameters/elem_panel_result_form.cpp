#include "parameters/elem_panel_result_form.h"

#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/pictures.h"
#include "parameters/element_panel_model.h"
#include "parameters/param_result_form.h"
#include "parameters/parameter_captions.h"
#include "resultdata/element_table.h"
#include "resultdata/result_variables.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace vintrel {

namespace {

const QColor kDisabledInk(162, 162, 162);
constexpr int kTileHeight = 213;
constexpr int kShortTileHeight = 185;

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), qsizetype(value.size()));
}

} // namespace

TElemPanelResultForm::TElemPanelResultForm(TParamResultForm& page, QWidget* parent)
    : QWidget(parent), page_(page) {
    Panel1 = new QWidget(page.PanelForUnit5);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 194, 355);
    buildTile();
    buildChoices();
    page.setElementPanel(this);
    for (QRadioButton* button :
         {rbBaseLS, rbBaseJz, rbHamReal, rbHamComplex, rbMagFieldStatic, rbMagFieldDynamic})
        button->setEnabled(true);
}

void TElemPanelResultForm::refreshElement(int row) {
    const ElementRow* element = elementRow(row);
    if (!element)
        return;
    LabelAtomicNumber->setText(QString::number(element->atomicNumber));
    LabelElemSymbol->setText(text(element->symbol));
    LabelElemSymbol->adjustSize();
    LabelElemName->setText(text(element->name));
    MyLabelConf->SetCaption(text(element->configuration));
    LabelIon->hide();
    const std::vector<IonButtonItem> items = ionButtonItems(element->charges);
    const bool offered = !element->ionConfigurations.empty();
    filledButtons_ = static_cast<int>(items.size());
    for (int k = 0; k < 8; ++k) {
        TIonButton* button = ionButtons[std::size_t(k)];
        if (k >= filledButtons_) {
            button->hide();
            continue;
        }
        const IonButtonItem& item = items[std::size_t(k)];
        ControlFont font{viewerFont(QStringLiteral("Tahoma"), 8, item.usual),
                         offered ? QColor(Qt::black) : kDisabledInk};
        button->SetFontOut(font);
        button->SetFontOver(font);
        button->SetCaption(QString::fromStdString(item.caption));
        button->index = k;
        button->SetDown(false);
        button->setEnabled(offered);
        button->show();
    }
    for (QWidget* label : std::initializer_list<QWidget*>{LabelElemSymbol, LabelElemName,
                                                          MyLabelConf, LabelAtomicNumber})
        label->show();
}

void TElemPanelResultForm::setChoices(int baza, int cialo) {
    (baza == 1 ? rbBaseLS : rbBaseJz)->setChecked(true);
    (cialo == 1 ? rbHamReal : rbHamComplex)->setChecked(true);
}

void TElemPanelResultForm::placeIonLabel(const QString& caption) {
    LabelIon->setText(caption);
    LabelIon->adjustSize();
    LabelIon->move(LabelElemSymbol->x() + LabelElemSymbol->width(), LabelIon->y());
    LabelIon->show();
}

void TElemPanelResultForm::ionClick(int tag) {
    TVariables& vars = sharedVariables();
    const ElementRow* element = elementRow(vars.element);
    if (!element || tag < 0 || tag >= 8)
        return;
    LabelAtomicNumber->setText(QString::number(element->atomicNumber));
    LabelAtomicNumber->show();
    LabelElemSymbol->setText(text(element->symbol));
    LabelElemSymbol->adjustSize();
    const QString caption = ionButtons[std::size_t(tag)]->Caption();
    if (caption != QLatin1String("0"))
        placeIonLabel(caption);
    else
        LabelIon->setText(QString());
    for (int k = 0; k < 8; ++k)
        ionButtons[std::size_t(k)]->SetDown(k == tag);
    MyLabelLS->hide();
    MyLabelGround->hide();
    const IonChoice choice = chooseIon(vars, *element, tag, caption.toStdString());
    if (!choice.applies)
        return;
    MyLabelConf->SetCaption(QString::fromStdString(choice.configurationCaption));
    if (vars.siconf.empty()) {
        showOpenShell(false);
        ImageBack->resize(ImageBack->width(), kShortTileHeight);
        return;
    }
    if (!rbBaseLS->isChecked() && !rbBaseJz->isChecked())
        (vars.siconf.size() > 1 && vars.siconf[1] == 'd' ? rbBaseLS : rbBaseJz)->setChecked(true);
    if (!rbHamReal->isChecked() && !rbHamComplex->isChecked())
        rbHamReal->setChecked(true);
    if (!rbMagFieldStatic->isChecked() && !rbMagFieldDynamic->isChecked())
        rbMagFieldStatic->setChecked(true);
    showOpenShell(true);
    page_.arrangeParameterGroups();
    chowaj(vars.siconf);
}

void TElemPanelResultForm::pressIonButton(int ionisation) {
    if (ionisation >= 0 && ionisation < filledButtons_) {
        ionClick(ionisation);
        return;
    }
    for (TIonButton* button : ionButtons)
        button->SetDown(false);
    LabelIon->setText(QString());
    MyLabelLS->hide();
    MyLabelGround->hide();
    const TVariables& vars = sharedVariables();
    showOpenShell(!vars.siconf.empty());
    if (vars.siconf.empty())
        return;
    page_.arrangeParameterGroups();
    chowaj(vars.siconf);
}

void TElemPanelResultForm::showOpenShell(bool shown) {
    GroupBoxBase->setVisible(shown);
    GroupBoxComplex->setVisible(shown);
    GroupBoxDynamic->hide();
    MyLabelLS->setVisible(shown);
    MyLabelGround->setVisible(shown);
}

void TElemPanelResultForm::disableIonButtons() {
    for (TIonButton* button : ionButtons)
        button->setEnabled(false);
}

void TElemPanelResultForm::chowaj(const std::string& configuration) {
    const TermLines lines = chowajConfiguration(sharedVariables(), configuration);
    MyLabelLS->SetCaption(QString::fromStdString(lines.quantumNumbers));
    MyLabelGround->SetCaption(QString::fromStdString(lines.ground));
}

void TElemPanelResultForm::disableInputs() {
    GroupBoxBase->setTitle(QStringLiteral(" Base "));
    GroupBoxComplex->setTitle(QStringLiteral(" Hamiltonian matrix "));
    GroupBoxDynamic->setTitle(QStringLiteral(" Calculation method "));
    for (QWidget* control : std::initializer_list<QWidget*>{rbBaseLS, rbBaseJz, MyLabelBaseLS,
                                                            MyLabelBaseJz, rbHamReal, rbHamComplex,
                                                            rbMagFieldStatic, rbMagFieldDynamic})
        control->setEnabled(false);
}

void TElemPanelResultForm::rbBaseLSClick() {
    if (!rbBaseLS->isChecked()) {
        rbBaseLS->setChecked(true); // its toggled signal runs this handler once more
        return;
    }
    TVariables& vars = sharedVariables();
    vars.baza = 1;
    if (!vars.siconf.empty()) {
        page_.arrangeParameterGroups();
        chowaj(vars.siconf);
    }
}

void TElemPanelResultForm::rbBaseJzClick() {
    if (!rbBaseJz->isChecked()) {
        rbBaseJz->setChecked(true); // its toggled signal runs this handler once more
        return;
    }
    TVariables& vars = sharedVariables();
    vars.baza = 2;
    if (!vars.siconf.empty()) {
        page_.arrangeParameterGroups();
        chowaj(vars.siconf);
    }
}

void TElemPanelResultForm::rbHamRealClick() {
    sharedVariables().cialo = 1;
}

void TElemPanelResultForm::rbHamComplexClick() {
    sharedVariables().cialo = 2;
}

void TElemPanelResultForm::rbMagFieldStaticClick() {
    sharedVariables().dynamic_calc = false;
}

void TElemPanelResultForm::rbMagFieldDynamicClick() {
    sharedVariables().dynamic_calc = true;
}

bool TElemPanelResultForm::eventFilter(QObject* watched, QEvent* event) {
    // A caption click acts as a click on its button, and like it does nothing while disabled.
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == MyLabelBaseLS && rbBaseLS->isEnabled())
            rbBaseLS->click();
        else if (watched == MyLabelBaseJz && rbBaseJz->isEnabled())
            rbBaseJz->click();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vintrel
