// "Export data…" of the parameters page writes what `vintrel-cli data parameters` prints.
#include "controls/data_export.h"
#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "parameters/elem_panel_result_form.h"
#include "parameters/param_result_form.h"
#include "parameters/parameter_captions.h"
#include "parameters/parameter_data.h"
#include "parameters/parameters_refresh.h"
#include "support/result_writer.h"

#include <QApplication>
#include <QGroupBox>
#include <QScrollArea>
#include <QTest>

using namespace vintrel;

class ParamExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setMessagesToStandardError(true); }
    void cleanup() { setExportFileChooser({}); }
    void buttonWritesTheCoreTableOfTheResult();
};

void ParamExportTest::buttonWritesTheCoreTableOfTheResult() {
    resetVariables();
    test::WorkingRoot folders;
    TParamResultForm page;
    TElemPanelResultForm panel(page);
    QWidget host;
    page.PanelAAA->setParent(&host);
    host.resize(page.PanelAAA->size());
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    page.disableAllInputs();

    test::ResultRecipe recipe = test::ionResult(22, 3, "3d^1", 1, 2, 2, 60, 30, 220, 10);
    recipe.b.assign(27, "0.5");
    recipe.b[6] = "-2121.320343559642";
    const ResultLocation ti = folders.write("Result00", recipe);
    const ResultLocation noB =
        folders.write("Result01", test::ionResult(82, 1, "4f^1", 2, 1, 0, 0, 0, 0, 0));

    const std::filesystem::path target = ti.workingRoot / "parameters.csv";
    QString suggested;
    setExportFileChooser([&](QWidget*, const QString& path) {
        suggested = path;
        return QString::fromStdString(target.string());
    });
    for (const ResultLocation& location : {ti, noB}) {
        showResultParameters(location, panel, page);
        QCoreApplication::processEvents();
        QVERIFY(page.ButtonExport->isVisibleTo(&host));
        // The button sits inside the coefficient group, below the rows, clear of the formula.
        const QRect button = page.ButtonExport->geometry();
        QVERIFY(page.groupboxCEF->rect().contains(button));
        QVERIFY(!button.intersects(page.PanelHcef->geometry()));
        QVERIFY(button.top() > page.ScrollBox1->geometry().bottom());
        QTest::mouseClick(page.ButtonExport, Qt::LeftButton);
        QTRY_VERIFY(std::filesystem::exists(target));
        QCOMPARE(test::readFile(target),
                 parameterDataTable(location, location.resultFolder).toCsv());
        QCOMPARE(QFileInfo(suggested).fileName(),
                 QString::fromStdString(location.resultFolder) + " parameters.csv");
        std::filesystem::remove(target);
    }
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installViewerFonts();
    ParamExportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "param_export_test.moc"
