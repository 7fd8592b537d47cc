// "Export data…" of the energy-level page writes what `vintrel-cli data levels` prints.
#include "containers/container_format.h"
#include "containers/result_import.h"
#include "controls/data_export.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "levels/level_data.h"
#include "levels/poziomy.h"
#include "resultdata/input_files.h"
#include "support/temp_dir.h"

#include <QTest>
#include <QVBoxLayout>

using namespace vintrel;

class PoziomyExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setMessagesToStandardError(true); }
    void cleanup() { setExportFileChooser({}); }
    void buttonWritesTheCoreTableOfTheAxisOnShow();
};

void PoziomyExportTest::buttonWritesTheCoreTableOfTheAxisOnShow() {
    test::TempDir root;
    const std::filesystem::path source = VINTREL_SOURCE_DIR;
    ContainerReader reader(source / "examples" / "Ti-LS-complex.zrvn");
    ExtractRequest request;
    request.picked = {true};
    const ExtractOutcome outcome = extractResults(reader, root.path(), request);
    QVERIFY(outcome.ok);
    const ResultLocation location{root.path(), outcome.folders.at(0), source / "data"};
    loadResultInputs(location);

    QWidget host;
    Tpoziomy page;
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page.p0());
    host.resize(1000, 640);
    page.setResultLocation(location);
    page.czytaj();
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QVERIFY(page.exportButton()->isVisibleTo(&host));

    QString suggested;
    const std::filesystem::path target = root / "levels.csv";
    setExportFileChooser([&](QWidget*, const QString& path) {
        suggested = path;
        return QString::fromStdString(target.string());
    });
    for (Axis axis : {Axis::z, Axis::y}) {
        page.selectAxis(axis);
        QTest::mouseClick(page.exportButton(), Qt::LeftButton);
        QTRY_VERIFY(std::filesystem::exists(target));
        LevelDataOptions options;
        options.axis = axis;
        const std::string expected = levelDataTable(location, "Result00", options).toCsv();
        QCOMPARE(test::readFile(target), expected);
        QVERIFY(expected.find("# result: Result00\n") != std::string::npos);
        std::filesystem::remove(target);
    }
    QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("Result00 levels y.csv"));

    // A result without level data: the error is shown and nothing is written.
    std::filesystem::remove(root / "Result00" / "o_E.dup");
    page.exportData();
    QVERIFY(!std::filesystem::exists(target));
}

QTEST_MAIN(PoziomyExportTest)
#include "poziomy_export_test.moc"
