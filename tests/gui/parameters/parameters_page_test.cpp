// The parameters page and its element panel filled from small result folders, the way the
// main window does it when a result becomes current.
#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_combobox.h"
#include "controls/my_label.h"
#include "parameters/coefficient_rows.h"
#include "parameters/elem_panel_result_form.h"
#include "parameters/param_result_form.h"
#include "parameters/parameter_captions.h"
#include "parameters/parameters_refresh.h"
#include "parameters/value_edit.h"
#include "resultdata/result_variables.h"
#include "support/result_writer.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace vintrel;
using test::ResultRecipe;

namespace {

using Slots = QList<QPair<int, int>>;

} // namespace

class ParametersPageTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cubicDIonListsRankFourSlots();
    void cubicDIonListsRankFourSlots_data();
    void groundTermHidesGroups_data();
    void groundTermHidesGroups();
    void ceriumThreePlusInBothBases_data();
    void ceriumThreePlusInBothBases();
    void groundMultipletLineOfNineHalves();
    void missingBFileCoversTheBColumn();
    void unknownSymmetryListsRealSlots();
    void fieldInBothCoordinateForms();
    void valueClickSelectsTheText();
    void ionButtonBeyondTheListKeepsTheResultShell();
    void elementRefreshFillsTheIonButtons();
    void radioButtonRulesOfTheIonClick();
    void resultWithoutInputEKeepsTheIonAndListsRealSlots();
    void manyRowsScrollAndRelayoutScrollsBack();
    void screenshots();

private:
    void show(const ResultRecipe& recipe, const std::string& name = "Result00");
    Slots listedRows(bool aColumn) const;
    bool shown(QWidget* widget) const { return widget->isVisibleTo(host_.get()); }

    std::unique_ptr<test::WorkingRoot> folders_;
    std::unique_ptr<TParamResultForm> page_;
    std::unique_ptr<TElemPanelResultForm> panel_;
    std::unique_ptr<QWidget> host_;
};

void ParametersPageTest::init() {
    resetVariables();
    sharedVariables().siconf = "3d^1";
    folders_ = std::make_unique<test::WorkingRoot>();
    page_ = std::make_unique<TParamResultForm>();
    panel_ = std::make_unique<TElemPanelResultForm>(*page_);
    host_ = std::make_unique<QWidget>();
    page_->PanelAAA->setParent(host_.get());
    host_->resize(page_->PanelAAA->size());
    host_->show();
    page_->disableAllInputs();
}

void ParametersPageTest::cleanup() {
    panel_.reset();
    host_.reset();
    page_.reset();
    folders_.reset();
}

void ParametersPageTest::show(const ResultRecipe& recipe, const std::string& name) {
    showResultParameters(folders_->write(name, recipe), *panel_, *page_);
    QCoreApplication::processEvents();
}

Slots ParametersPageTest::listedRows(bool aColumn) const {
    Slots rows;
    const auto& panels = aColumn ? page_->paneleA : page_->paneleB;
    for (int slot = 0; slot < 27; ++slot)
        if (shown(panels[std::size_t(slot)]))
            rows.append({slotIndices(slot).rank, slotIndices(slot).m});
    return rows;
}

void ParametersPageTest::cubicDIonListsRankFourSlots_data() {
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("ionisation");
    QTest::addColumn<QString>("configuration");
    QTest::newRow("V3+ 3d^2") << 23 << 2 << "3d^2";
    QTest::newRow("Ni2+ 3d^8") << 28 << 1 << "3d^8";
}

void ParametersPageTest::cubicDIonListsRankFourSlots() {
    QFETCH(int, element);
    QFETCH(int, ionisation);
    QFETCH(QString, configuration);
    show(test::ionResult(element, ionisation, configuration.toStdString(), 1, 1, 0, 0, 0, 250, 0));
    const Slots expected{{4, 0}, {4, 2}, {4, 3}, {4, 4}};
    QCOMPARE(listedRows(true), expected);
    QCOMPARE(listedRows(false), expected);
    QVERIFY(shown(page_->PanelgbCEF));
    QVERIFY(shown(page_->gbSpinOrbit));
    QCOMPARE(page_->MyLabelSymmetryText->Caption(), QString("Selected symmetry: cubic T_d O O_h"));
    // The rows stack from the top; the note follows the last one.
    QCOMPARE(page_->paneleA[std::size_t(coefficientSlot(4, 4))]->y(), 3 * kRowHeight);
    QCOMPARE(page_->ScrollBox1->height(), 4 * kRowHeight + 2);
    QVERIFY(page_->LabelNote->y() >= page_->ScrollBox1->y() + page_->ScrollBox1->height());
    QVERIFY(page_->groupboxCEF->height() >= page_->PanelHcef->y() + page_->PanelHcef->height());
}

void ParametersPageTest::groundTermHidesGroups_data() {
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("ionisation");
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<int>("baza");
    QTest::addColumn<bool>("cef");
    QTest::addColumn<bool>("spinOrbit");
    QTest::addColumn<bool>("field");
    QTest::addColumn<QString>("ground");
    QTest::newRow("Gd3+ |L,S,Lz,Sz>")
        << 88 << 1 << "4f^7" << 1 << false << false << true << "ground term: ^8S";
    QTest::newRow("Gd3+ |J,Jz>") << 88 << 1 << "4f^7" << 2 << false << false << true
                                 << "ground multiplet: ^8S_7_/_2";
    QTest::newRow("Eu3+ |J,Jz>, J = 0")
        << 87 << 2 << "4f^6" << 2 << false << false << false << "ground multiplet: ^7F_0";
    QTest::newRow("Mn2+ 3d^5 |L,S,Lz,Sz>")
        << 25 << 1 << "3d^5" << 1 << false << false << true << "ground term: ^6S";
    QTest::newRow("Pr3+ |J,Jz>") << 83 << 1 << "4f^2" << 2 << true << false << true
                                 << "ground multiplet: ^3H_4";
}

void ParametersPageTest::groundTermHidesGroups() {
    QFETCH(int, element);
    QFETCH(int, ionisation);
    QFETCH(QString, configuration);
    QFETCH(int, baza);
    QFETCH(bool, cef);
    QFETCH(bool, spinOrbit);
    QFETCH(bool, field);
    QFETCH(QString, ground);
    // First a result that shows every group, so that hiding is really tested.
    show(test::ionResult(83, 1, "4f^2", 1, 2, 1, 0, 0, 100, 12), "Result00");
    QVERIFY(shown(page_->PanelgbCEF) && shown(page_->gbSpinOrbit));
    show(test::ionResult(element, ionisation, configuration.toStdString(), baza, 2, 1, 0, 0, 100,
                         12),
         "Result01");
    QCOMPARE(shown(page_->PanelgbCEF), cef);
    QCOMPARE(shown(page_->gbSpinOrbit), spinOrbit);
    QCOMPARE(shown(page_->gbMagField), field);
    QVERIFY(shown(page_->PanelgbUnit5));
    QCOMPARE(panel_->MyLabelGround->Caption(), ground);
    if (!cef && field) // the field column closes up next to the ion
        QCOMPARE(page_->PanelgbSpinOrbitMagField->x(), page_->PanelgbUnit5->x() + 205 + 5 + 5);
    if (field && !spinOrbit)
        QCOMPARE(page_->gbMagField->y(), 0);
    if (sharedVariables().elemmask == std::string(27, '0'))
        QVERIFY(listedRows(true).isEmpty());
}

void ParametersPageTest::ceriumThreePlusInBothBases_data() {
    QTest::addColumn<int>("baza");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("spinOrbit");
    QTest::newRow("|J,Jz>: ranks 2 and 4") << 2 << 14 << false;
    QTest::newRow("|L,S,Lz,Sz>: ranks 2, 4, 6") << 1 << 27 << true;
}

void ParametersPageTest::ceriumThreePlusInBothBases() {
    QFETCH(int, baza);
    QFETCH(int, rows);
    QFETCH(bool, spinOrbit);
    show(test::ionResult(82, 1, "4f^1", baza, 2, 0, 0, 0, 640, 12));
    QCOMPARE(panel_->LabelElemSymbol->text(), QString("Ce"));
    QCOMPARE(panel_->LabelAtomicNumber->text(), QString("58"));
    QVERIFY(shown(panel_->LabelIon));
    QCOMPARE(panel_->LabelIon->text(), QString("+3"));
    QCOMPARE(panel_->MyLabelConf->Caption(), QString("[Xe]4f^1"));
    QCOMPARE(sharedVariables().siconf, std::string("4f^1"));
    QVERIFY(panel_->ionButtons[1]->Down());
    QVERIFY(!panel_->ionButtons[0]->Down());
    QVERIFY(panel_->ionButtons[1]->FontOut().font.bold());
    QVERIFY(!panel_->ionButtons[2]->FontOut().font.bold());
    QVERIFY(!shown(panel_->ionButtons[3]));
    for (TIonButton* button : panel_->ionButtons)
        QVERIFY(!button->isEnabled());
    QCOMPARE(listedRows(true).size(), rows);
    for (const auto& row : listedRows(true))
        QVERIFY(baza == 1 || row.first < 6);
    QCOMPARE(shown(page_->gbSpinOrbit), spinOrbit);
    QCOMPARE(shown(page_->PanelHmagnJ), baza == 2);
    QCOMPARE(shown(page_->PanelHmagnLS), baza == 1);
    QCOMPARE((baza == 1 ? panel_->rbBaseLS : panel_->rbBaseJz)->isChecked(), true);
    QVERIFY(panel_->rbHamComplex->isChecked());
    QVERIFY(!panel_->rbBaseLS->isEnabled());
    QCOMPARE(panel_->GroupBoxBase->title(), QString(" Base "));
    QCOMPARE(panel_->GroupBoxComplex->title(), QString(" Hamiltonian matrix "));
    QCOMPARE(page_->groupboxCEF->title(), QString(" local CEF surroundings of central ion "));
    // The energy-level page hides its spectroscopy panels on every re-arrangement.
    QSignalSpy arranged(page_.get(), &TParamResultForm::parameterGroupsArranged);
    panel_->rbBaseLSClick();
    QCOMPARE(arranged.count(), 1);
    QCOMPARE(page_->ScrollBox1->height(), std::min(rows * kRowHeight + 2, kMaxScrollHeight));
}

void ParametersPageTest::groundMultipletLineOfNineHalves() {
    show(test::ionResult(84, 1, "4f^3", 2, 1, 0, 0, 0, 0, 4)); // Nd3+
    QCOMPARE(panel_->MyLabelLS->Caption(), QString("L=6; S=3/2; J=9/2"));
    QCOMPARE(panel_->MyLabelGround->Caption(), QString("ground multiplet: ^4I_9_/_2"));
    QVERIFY(shown(panel_->MyLabelGround));
}

void ParametersPageTest::missingBFileCoversTheBColumn() {
    ResultRecipe recipe = test::ionResult(82, 1, "4f^1", 1, 2, 0, 0, 0, 0, 12);
    show(recipe);
    QVERIFY(shown(page_->PanelNoData));
    QCOMPARE(page_->PanelNoData->text(), QString("B parameters data not found in result file"));
    QCOMPARE(page_->inputB[5].edit->text(), QString("0"));
    recipe.b.assign(27, "0.5");
    recipe.b[5] = "-1.23456789";
    show(recipe, "Result01");
    QVERIFY(!shown(page_->PanelNoData));
    QCOMPARE(page_->inputB[5].edit->text(), QString("-1.234568"));
    QCOMPARE(page_->inputB[5].edit->toolTip(), QString("-1.234568"));
    QCOMPARE(page_->inputA[5].edit->text(), QString("0.6"));
    // An empty "input_bn.dup", which is what saving and importing make of a missing one.
    show(recipe.emptied(kInputBnFile), "Result02");
    QVERIFY(shown(page_->PanelNoData));
    QCOMPARE(page_->inputB[5].edit->text(), QString("0"));
}

void ParametersPageTest::unknownSymmetryListsRealSlots() {
    show(test::ionResult(82, 1, "4f^1", 1, 2, 0, 0, 0, 0, 13));
    QCOMPARE(page_->MyLabelSymmetryText->Caption(),
             QString("Selected symmetry: unknown (code 13)"));
    const Slots rows = listedRows(true);
    QCOMPARE(rows.size(), 15);
    for (const auto& row : rows)
        QVERIFY(row.second >= 0);
    QCOMPARE(page_->SymmetryCB->currentIndex(), -1);
}

void ParametersPageTest::fieldInBothCoordinateForms() {
    show(test::ionResult(82, 1, "4f^1", 1, 2, 1.5, 90, 90, 0, 12));
    QCOMPARE(page_->EditMagfield->text(), QString("1.5"));
    QCOMPARE(page_->EditMagangle->text(), QString("90"));
    QCOMPARE(page_->EditMagangle2->text(), QString("90"));
    QCOMPARE(page_->EditBx->text(), QString("0"));
    QCOMPARE(page_->EditBy->text(), QString("1.5"));
    QCOMPARE(page_->EditBz->text(), QString("0"));
    QVERIFY(shown(page_->Panel_Spherical) && shown(page_->Image1));
    QVERIFY(!shown(page_->Panel_Cartesian) && !shown(page_->Image2));
    page_->CBcoordinate->setCurrentIndex(1);
    QVERIFY(shown(page_->Panel_Cartesian) && shown(page_->Image2));
    QVERIFY(!shown(page_->Panel_Spherical) && !shown(page_->Image1));
    show(test::ionResult(23, 2, "3d^2", 1, 1, 2, 0, 0, 0, 0), "Result01");
    QVERIFY(shown(page_->Panel_Cartesian)); // the choice persists across results
    QCOMPARE(page_->EditBz->text(), QString("2"));
    QVERIFY(!page_->Image1->pixmap().isNull());
    QVERIFY(!page_->Image2->pixmap().isNull());
}

void ParametersPageTest::valueClickSelectsTheText() {
    show(test::ionResult(82, 1, "4f^1", 1, 2, 0, 0, 0, -123.4567891, 12));
    TValueEdit* edit = page_->EditLambda;
    QCOMPARE(edit->text(), QString("-123.45679"));
    QCOMPARE(edit->toolTip(), QString("-123.4567891"));
    QVERIFY(edit->isReadOnly());
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(edit->selectedText(), edit->text());
}

void ParametersPageTest::ionButtonBeyondTheListKeepsTheResultShell() {
    show(test::ionResult(82, 7, "4f^1", 2, 1, 0, 0, 0, 0, 12)); // Ce has three charges
    QVERIFY(!panel_->LabelIon->isVisibleTo(host_.get()) || panel_->LabelIon->text().isEmpty());
    for (TIonButton* button : panel_->ionButtons)
        QVERIFY(!button->Down());
    QCOMPARE(sharedVariables().elemmask, std::string(14, '1') + std::string(13, '0'));
    QCOMPARE(listedRows(true).size(), 8); // ranks 2 and 4, m >= 0
}

void ParametersPageTest::elementRefreshFillsTheIonButtons() {
    panel_->refreshElement(17); // Cl: eight charges, "-1*" usual
    QCOMPARE(panel_->LabelElemName->text(), QString("Chlorine"));
    QCOMPARE(panel_->MyLabelConf->Caption(), QString("[Ne]3s^23p^5"));
    QVERIFY(!shown(panel_->LabelIon));
    for (int k = 0; k < 8; ++k) {
        TIonButton* button = panel_->ionButtons[std::size_t(k)];
        QVERIFY(shown(button));
        QVERIFY(button->isEnabled());
        QCOMPARE(button->pos(), QPoint(35 + 30 * (k % 4), k < 4 ? 27 : 47));
    }
    QCOMPARE(panel_->ionButtons[0]->Caption(), QString("-1"));
    QVERIFY(panel_->ionButtons[0]->FontOut().font.bold());
    QCOMPARE(panel_->ionButtons[7]->Caption(), QString("+7"));

    panel_->refreshElement(2); // He: no ion configurations
    QVERIFY(shown(panel_->ionButtons[0]));
    QVERIFY(!panel_->ionButtons[0]->isEnabled());
    QCOMPARE(panel_->ionButtons[0]->FontOut().colour, QColor(162, 162, 162));
    QVERIFY(!shown(panel_->ionButtons[1]));
}

void ParametersPageTest::radioButtonRulesOfTheIonClick() {
    // A fresh panel has no choice checked: a d ion takes |L,S,Lz,Sz>, an f ion |J,Jz>.
    TVariables& vars = sharedVariables();
    vars.element = 23;
    panel_->refreshElement(23);
    panel_->ionClick(2);
    QVERIFY(panel_->rbBaseLS->isChecked());
    QVERIFY(panel_->rbHamReal->isChecked());
    QVERIFY(panel_->rbMagFieldStatic->isChecked());
    QCOMPARE(int(vars.baza), 1);
    QCOMPARE(panel_->MyLabelLS->Caption(), QString("L=3; S=1"));
    // Checking the other basis from code runs its handler: J texts and the J-basis mask.
    panel_->setChoices(2, 2);
    QCOMPARE(int(vars.baza), 2);
    QCOMPARE(int(vars.cialo), 2);
    QCOMPARE(panel_->MyLabelLS->Caption(), QString("L=3; S=1; J=2"));
    QCOMPARE(vars.elemmask, std::string(14, '1') + std::string(13, '0'));

    init(); // fresh forms
    sharedVariables().element = 82;
    panel_->refreshElement(82);
    panel_->ionClick(1);
    QVERIFY(panel_->rbBaseJz->isChecked());
    QCOMPARE(int(sharedVariables().baza), 2);
}

void ParametersPageTest::resultWithoutInputEKeepsTheIonAndListsRealSlots() {
    show(test::ionResult(82, 1, "4f^1", 1, 2, 0, 0, 0, 0, 12));
    QCOMPARE(listedRows(true).size(), 27);
    const ResultLocation second = folders_->write(
        "Result01", test::ionResult(82, 1, "4f^1", 1, 2, 0, 0, 0, 0, 12).without(kInputEFile));
    showResultParameters(second, *panel_, *page_);
    QCOMPARE(sharedVariables().symmetry, 4);
    QCOMPARE(page_->MyLabelSymmetryText->Caption(),
             QString("Selected symmetry: free/triclinic (real) C_i C_1"));
    QCOMPARE(listedRows(true).size(), 15);
    QCOMPARE(panel_->LabelElemSymbol->text(), QString("Ce"));
}

void ParametersPageTest::manyRowsScrollAndRelayoutScrollsBack() {
    show(test::ionResult(82, 1, "4f^1", 1, 2, 0, 0, 0, 0, 12));
    QCOMPARE(page_->ScrollBox1->height(), kMaxScrollHeight);
    QScrollBar* bar = page_->ScrollBox1->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    page_->rearrangeInputs();
    QCOMPARE(bar->value(), 0);
    QCOMPARE(page_->LabelNote->y(), page_->ScrollBox1->y() + kMaxScrollHeight + 4);
    QVERIFY(page_->PanelHcef->y() > page_->LabelNote->y());
    QCOMPARE(page_->paneleA[26]->y(), 26 * kRowHeight);
    QCOMPARE(page_->inputA[26].edit->toolTip(), QString("2.7"));
    // A mask of the wrong length leaves the rows as they are.
    sharedVariables().elemmask = "111";
    page_->SymmetryCBChange(0);
    QCOMPARE(listedRows(true).size(), 27);
}

void ParametersPageTest::screenshots() {
    struct Example {
        const char* name;
        ResultRecipe recipe;
        int coordinates;
    };
    std::vector<std::string> a = {"0",    "0", "-85.2", "0", "0",    "0",    "0", "0", "0",
                                  "12.5", "0", "0",     "0", "62.5", "0",    "0", "0", "0",
                                  "0",    "0", "0.75",  "0", "0",    "-4.3", "0", "0", "1.0625"};
    auto withCoefficients = [&a](ResultRecipe recipe, bool withB) {
        recipe.a = a;
        if (withB)
            recipe.b = a;
        return recipe;
    };
    const Example examples[] = {
        {"ce3_trigonal_j",
         withCoefficients(test::ionResult(82, 1, "4f^1", 2, 1, 1.5, 30, 45, 640, 5), false), 0},
        {"v3_cubic_ls",
         withCoefficients(test::ionResult(23, 2, "3d^2", 1, 1, 0.5, 0, 0, 104, 0), true), 1},
        {"gd3_ls", test::ionResult(88, 1, "4f^7", 1, 2, 5, 90, 0, 0, 12), 0},
        {"pr3_complex_ls", test::ionResult(83, 1, "4f^2", 1, 2, 0.1, 0, 0, 750, 12), 0},
        {"ce3_unknown_symmetry",
         withCoefficients(test::ionResult(82, 1, "4f^1", 1, 2, 1, 54.7356, 45, 640, 13), true), 1},
    };
    QDir().mkpath(VINTREL_SCREENSHOT_DIR);
    for (const Example& example : examples) {
        page_->CBcoordinate->setCurrentIndex(example.coordinates);
        show(example.recipe, example.name);
        const QImage shot = page_->PanelAAA->grab().toImage();
        QVERIFY(!shot.isNull());
        const QString file =
            QString(VINTREL_SCREENSHOT_DIR) + "/parameters_" + example.name + ".png";
        QVERIFY(shot.save(file));
    }
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installViewerFonts();
    ParametersPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "parameters_page_test.moc"
