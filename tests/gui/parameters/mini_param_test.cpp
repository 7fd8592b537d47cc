// The small parameter view: its captions from the result variables, its picture and the
// mouse hand-over back to the parameters page.
#include "controls/fonts.h"
#include "controls/my_label.h"
#include "parameters/mini_param_form.h"
#include "resultdata/result_variables.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace vintrel;

class MiniParamTest : public QObject {
    Q_OBJECT

private slots:
    void init() { resetVariables(); }
    void captions_data();
    void captions();
    void pressTurnsCaptionsOrangeAndClickSwitchesPage();
    void pictureIsTheSummary();
};

void MiniParamTest::captions_data() {
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("charge");
    QTest::addColumn<int>("baza");
    QTest::addColumn<int>("cialo");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("ion");
    QTest::addColumn<QString>("z");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("field");
    QTest::newRow("Ce3+ row 82") << 82 << 3 << 2 << 1 << "Ce"
                                 << "+3"
                                 << "58"
                                 << "|J, J_z>"
                                 << "real";
    QTest::newRow("neutral Cr") << 24 << 0 << 1 << 2 << "Cr"
                                << "0"
                                << "24"
                                << "|L S L_zS_z>"
                                << "complex";
    QTest::newRow("H-") << 1 << -1 << 1 << 1 << "H"
                        << "-1"
                        << "1"
                        << "|L S L_zS_z>"
                        << "real";
}

void MiniParamTest::captions() {
    QFETCH(int, element);
    QFETCH(int, charge);
    QFETCH(int, baza);
    QFETCH(int, cialo);
    TVariables& vars = sharedVariables();
    vars.element = element;
    vars._ionvalue = charge;
    vars.baza = static_cast<std::uint8_t>(baza);
    vars.cialo = static_cast<std::uint8_t>(cialo);
    vars.siconf = "4f^1";
    TMiniParamForm mini;
    mini.wczytajDane();
    QTEST(mini.LabelElemSymbol->text(), "symbol");
    QTEST(mini.LabelIon->text(), "ion");
    QTEST(mini.LabelAtomicNumber->text(), "z");
    QTEST(mini.MyLabelBase->Caption(), "base");
    QTEST(mini.LabelField->text(), "field");
    QCOMPARE(mini.MyLabelKonf->Caption(), QString("4f^1"));
    QCOMPARE(mini.LabelIon->x(), mini.LabelElemSymbol->x() + mini.LabelElemSymbol->width());
}

void MiniParamTest::pressTurnsCaptionsOrangeAndClickSwitchesPage() {
    TMiniParamForm mini;
    mini.wczytajDane();
    QSignalSpy spy(&mini, &TMiniParamForm::przelaczNaParametryResult);
    mini.allMouseDown();
    QCOMPARE(mini.MyLabelBase->FontColor(), QColor(255, 160, 0));
    QCOMPARE(mini.LabelField->palette().color(QPalette::WindowText), QColor(255, 160, 0));
    mini.allMouseUp();
    QCOMPARE(mini.MyLabelBase->FontColor(), QColor(Qt::black));
    QCOMPARE(spy.count(), 0);
    mini.FormClick();
    QCOMPARE(spy.count(), 1);
}

void MiniParamTest::pictureIsTheSummary() {
    sharedVariables().element = 88;
    sharedVariables()._ionvalue = 3;
    sharedVariables().siconf = "4f^7";
    sharedVariables().cialo = 2;
    TMiniParamForm mini;
    mini.wczytajDane();
    mini.schowaj();
    QVERIFY(!mini.isVisible());
    const QImage image = mini.picture();
    QCOMPARE(image.size(), QSize(80, 90));
    // The bold symbol leaves dark ink where it is written.
    int dark = 0;
    for (int y = 13; y < 35; ++y)
        for (int x = 26; x < 50; ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    QVERIFY(dark > 20);
    QDir().mkpath(VINTREL_SCREENSHOT_DIR);
    QVERIFY(image.scaled(240, 270).save(QString(VINTREL_SCREENSHOT_DIR) + "/mini_param.png"));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installViewerFonts();
    MiniParamTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "mini_param_test.moc"
