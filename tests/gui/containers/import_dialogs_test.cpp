#include "base/log.h"
#include "containers/container_format.h"
#include "containers/import_dialogs.h"
#include "controls/messages.h"
#include "support/result_writer.h"
#include "support/viewer_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace vintrel;
using vintrel::test::whenShown;

namespace {

// A container of `names.size()` results, each with every member of its groups.
QString makeContainer(const std::filesystem::path& dir, const QStringList& names,
                      bool optional = true) {
    const auto source = dir / "source";
    test::ResultRecipe recipe = test::ResultRecipe::withoutInputFiles();
    recipe.description = "{\\rtf1 sample}";
    recipe.withFile(kLevelsFile, "levels").withFile("g_E.dup", "range");
    test::writeResult(source, recipe);
    const auto path = dir / "sample.zrvn";
    writeContainerHeader(path, false, optional, static_cast<std::int32_t>(names.size()), "Sample");
    for (const QString& name : names)
        appendResultRecord(path, source, name.toStdString(), false, optional);
    return QString::fromStdString(path.string());
}

QListWidgetItem* line(TLoadPickForm& pick, int i) {
    return pick.CheckListBox1->item(i);
}

void clickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

void clickLine(TLoadPickForm& pick, int i) {
    QListWidget* list = pick.CheckListBox1;
    const QRect rect = list->visualItemRect(list->item(i));
    // The check box sits at the left of the line.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + 10, rect.center().y()));
}

} // namespace

class ImportDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<test::TempDir>();
        root = dir->path() / "Vintrel";
        std::filesystem::create_directory(root);
        configureLog(root, {[] { QCoreApplication::processEvents(); }, {}});
        restartLogRun();
        setMessagesToStandardError(true);
    }
    void cleanup() {
        disableLog();
        dir.reset();
    }

    void selectAllFollowsTheLines() {
        TLoadPickForm pick;
        pick.fill("c.zrvn", "", {"A as A", "B as B", "C as C"});
        pick.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pick));
        QCOMPARE(pick.checkSelectAllResult->text(), QStringLiteral("unselect all"));
        clickBox(pick.checkSelectAllResult);
        QCOMPARE(pick.checkedLines(), (std::vector<bool>{false, false, false}));
        QCOMPARE(pick.checkSelectAllResult->text(), QStringLiteral("select all"));
        clickLine(pick, 1);
        QCOMPARE(pick.checkedLines(), (std::vector<bool>{false, true, false}));
        QVERIFY(!pick.checkSelectAllResult->isChecked());
        clickLine(pick, 0);
        clickLine(pick, 2);
        QVERIFY(pick.checkSelectAllResult->isChecked());
        QCOMPARE(pick.checkSelectAllResult->text(), QStringLiteral("unselect all"));
        clickLine(pick, 2);
        QCOMPARE(pick.checkedLines(), (std::vector<bool>{true, true, false}));
        QVERIFY(pick.checkSelectAllResult->isChecked()); // partly ticked: left as it was
    }

    void namesGetTheFirstFreeSuffix() {
        const QString path = makeContainer(dir->path(), {"A", "B"});
        TLoadPickForm pick;
        TLoadingResultsForm progress;
        const ImportOutcome outcome =
            importContainer(path, {"load file", "A", "Ba"}, root, pick, progress, true);
        QVERIFY(outcome.ok);
        QCOMPARE(outcome.tabNames, (QStringList{"Ab", "Bb"}));
        QCOMPARE(outcome.folders, (QStringList{"Result00", "Result01"}));
        QCOMPARE(outcome.description, QStringLiteral("Sample"));
        QCOMPARE(line(pick, 0)->text(), QStringLiteral("A as Ab"));
        QVERIFY(std::filesystem::exists(root / "Result01" / "descr.sav"));
    }

    void okWithNothingTickedImportsNothing() {
        const QString path = makeContainer(dir->path(), {"A", "B"});
        TLoadPickForm pick;
        TLoadingResultsForm progress;
        whenShown(&pick, [&] {
            clickBox(pick.checkSelectAllResult);
            QTest::mouseClick(pick.MyButtonOK, Qt::LeftButton);
        });
        const ImportOutcome outcome = importContainer(path, {}, root, pick, progress);
        QVERIFY(outcome.ok);
        QVERIFY(outcome.tabNames.isEmpty());
        QVERIFY(!std::filesystem::exists(root / "Result00"));
        QVERIFY(test::readFile(root / "log.txt").find("Done opening file " + path.toStdString()) !=
                std::string::npos);
    }

    void cancelledPickDialogImportsNothing() {
        const QString path = makeContainer(dir->path(), {"A"});
        TLoadPickForm pick;
        TLoadingResultsForm progress;
        whenShown(&pick, [&] { QTest::mouseClick(pick.MyButtonCancel, Qt::LeftButton); });
        QVERIFY(!importContainer(path, {}, root, pick, progress).ok);
        QVERIFY(!std::filesystem::exists(root / "Result00"));
    }

    void uncheckedOptionalBoxLeavesPlotSettingsOut() {
        const QString path = makeContainer(dir->path(), {"A"});
        TLoadPickForm pick;
        TLoadingResultsForm progress;
        pick.CheckBoxOptionalFiles->setChecked(false);
        QVERIFY(importContainer(path, {}, root, pick, progress, true).ok);
        QVERIFY(std::filesystem::exists(root / "Result00" / "o_E.dup"));
        QVERIFY(!std::filesystem::exists(root / "Result00" / "g_E.dup"));
        QVERIFY(!pick.CheckBoxOptionalFiles->isChecked()); // the choice is kept
    }

    void cancelInTheProgressWindowKeepsFinishedResults() {
        const QString path = makeContainer(dir->path(), {"r1", "r2", "r3", "r4", "r5"});
        TLoadPickForm pick;
        TLoadingResultsForm progress;
        // Press Cancel while the third result is being unpacked (after the "Analyzing" line,
        // five names and two results of 14 members): it is seen when that result is done, so
        // the third is unpacked but dropped.
        int lines = 0;
        configureLog(root, {[&] {
                                if (++lines == 6 + 14 + 14 + 3)
                                    QTest::mouseClick(progress.Button1, Qt::LeftButton);
                                QCoreApplication::processEvents();
                            },
                            {}});
        const ImportOutcome outcome = importContainer(path, {}, root, pick, progress, true);
        QVERIFY(outcome.ok);
        QCOMPARE(outcome.tabNames, (QStringList{"r1", "r2"}));
        QVERIFY(std::filesystem::exists(root / "Result02" / "o_ham.dup"));
        QVERIFY(!std::filesystem::exists(root / "Result03"));
        QVERIFY(progress.isHidden());
    }

    void refusedContainerIsReported() {
        test::writeFile(dir->path() / "bad.zrvn", std::string(300, 'x'));
        TLoadPickForm pick;
        TLoadingResultsForm progress;
        const ImportOutcome outcome =
            importContainer(QString::fromStdString((dir->path() / "bad.zrvn").string()), {}, root,
                            pick, progress, true);
        QVERIFY(!outcome.ok);
        QVERIFY(outcome.tabNames.isEmpty());
    }

private:
    std::unique_ptr<test::TempDir> dir;
    std::filesystem::path root;
};

QTEST_MAIN(ImportDialogsTest)
#include "import_dialogs_test.moc"
