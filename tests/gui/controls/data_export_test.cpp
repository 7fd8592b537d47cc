// The "Export data…" helper shared by the pages: file choice, suffix, failures.
#include "controls/data_export.h"
#include "controls/messages.h"
#include "support/temp_dir.h"

#include <QTest>

using namespace vintrel;

namespace {

DataTable smallTable() {
    DataTable table;
    table.comment("result", "r");
    table.columns = {"level", "E [K]"};
    table.rows.push_back({std::int64_t{1}, 0.5});
    return table;
}

} // namespace

class DataExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setMessagesToStandardError(true); }
    void cleanup() { setExportFileChooser({}); }

    void writesTheCsvWhereChosen() {
        test::TempDir dir;
        QString suggested;
        const QString target = QString::fromStdString((dir / "levels.csv").string());
        setExportFileChooser([&](QWidget*, const QString& path) {
            suggested = path;
            return target;
        });
        QVERIFY(exportDataTable(nullptr, smallTable(), QStringLiteral("Ce3+ a/b levels z.csv")));
        QCOMPARE(test::readFile(dir / "levels.csv"), smallTable().toCsv());
        QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("Ce3+ a_b levels z.csv"));

        // The next export starts in the folder of the last one.
        setExportFileChooser([&](QWidget*, const QString& path) {
            suggested = path;
            return QString();
        });
        QVERIFY(!exportDataTable(nullptr, smallTable(), QStringLiteral("next.csv")));
        QCOMPARE(suggested, QString::fromStdString((dir / "next.csv").string()));
    }

    void addsTheSuffixToABareName() {
        test::TempDir dir;
        setExportFileChooser(
            [&](QWidget*, const QString&) { return QString::fromStdString((dir / "t").string()); });
        QVERIFY(exportDataTable(nullptr, smallTable(), QStringLiteral("t.csv")));
        QCOMPARE(test::readFile(dir / "t.csv"), smallTable().toCsv());
        QVERIFY(!std::filesystem::exists(dir / "t"));
    }

    void cancelAndFailureWriteNothing() {
        test::TempDir dir;
        setExportFileChooser([](QWidget*, const QString&) { return QString(); });
        QVERIFY(!exportDataTable(nullptr, smallTable(), QStringLiteral("x.csv")));
        QVERIFY(std::filesystem::is_empty(dir.path()));

        // A folder in the way, and a folder that does not exist: a message, no file.
        std::filesystem::create_directory(dir / "taken.csv");
        for (const std::string name : {"taken.csv", "missing/x.csv"}) {
            setExportFileChooser([&](QWidget*, const QString&) {
                return QString::fromStdString((dir / name).string());
            });
            QVERIFY(!exportDataTable(nullptr, smallTable(), QStringLiteral("x.csv")));
        }
        QVERIFY(std::filesystem::is_directory(dir / "taken.csv"));
        QVERIFY(std::filesystem::is_empty(dir / "taken.csv"));
        QVERIFY(!std::filesystem::exists(dir / "missing"));
    }
};

QTEST_MAIN(DataExportTest)
#include "data_export_test.moc"
