#include "support/viewer_fixture.h"

#include "support/strip_actions.h"

#include "app/instance_channel.h"
#include "app/reader_form.h"
#include "app/start_panel.h"
#include "base/log.h"
#include "containers/import_dialogs.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <fstream>
#include <memory>

using namespace vintrel;
using namespace vintrel::test;
namespace fs = std::filesystem;

namespace {

void clickLine(TLoadPickForm& pick, int i) {
    QListWidget* list = pick.CheckListBox1;
    const QRect rect = list->visualItemRect(list->item(i));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + 10, rect.center().y()));
}

void clickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

/// A page form that writes every call into a shared journal.
class JournalPage : public TResultPage {
public:
    JournalPage(PageId id, QStringList& journal) : index_(pageNumber(id)), journal_(journal) {
        panel_ = std::make_unique<QWidget>();
        journal_ << QStringLiteral("create %1").arg(index_);
    }
    QList<QWidget*> hostedPanels() override { return {panel_.release()}; }
    void wczytajDane(const PageContext& context) override {
        journal_ << QStringLiteral("load %1%2").arg(index_).arg(context.firstUse ? " first" : "");
    }
    void pageShown(const PageContext&) override {
        journal_ << QStringLiteral("shown %1").arg(index_);
    }
    bool wheel(QWheelEvent*) override {
        journal_ << QStringLiteral("wheel %1").arg(index_);
        return true;
    }

private:
    int index_;
    QStringList& journal_;
    std::unique_ptr<QWidget> panel_;
};

} // namespace

class ReaderFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<test::TempDir>();
        xdg = std::make_unique<test::ScopedEnv>("XDG_DATA_HOME", (dir->path() / "xdg").string());
        root = dir->path() / "xdg" / "Vintrel";
        fs::create_directories(root);
        configureLog(root, {[] { QCoreApplication::processEvents(); }, {}});
        restartLogRun();
        setMessagesToStandardError(true);
        form = std::make_unique<TReaderForm>(
            ViewerFolders{root, QCoreApplication::applicationDirPath().toStdString()});
        form->resize(1280, 900);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() {
        form.reset();
        disableLog();
        xdg.reset();
        dir.reset();
    }

    void windowStartsOnTheStartTab();
    void pickDialogChoosesTheResults();
    void okWithNothingTickedAddsNoTab();
    void cancelInTheProgressWindowKeepsTheDoneResults();
    void pageTabsFollowTheResultKind();
    void deleteRemovesTabAndFolder();
    void deleteAfterAPageTabClickDoesNothing();
    void hideMakesAnotherTabCurrent();
    void draggedResultTabKeepsItsPage();
    void sameContainerThreeTimesGetsSuffixes();
    void brokenContainersShowTheirErrorAndAddNoTab_data();
    void brokenContainersShowTheirErrorAndAddNoTab();
    void secondCopyHandsItsFileOver();
    void secondCopyHandsARelativePathOverWhole();
    void aboutShowsTheStartTab();
    void pageFormsAreCalledInTheirOrders();
    void fileArrivingDuringAnImportWaitsForIt();

private:
    TMyReaderPanel2& panel() { return *form->panel(); }
    TSuperTabs& results() { return *panel().Zakladki; }
    TSuperTabs& pages() { return *panel().Zakladki_Results; }
    void importAll(const QString& path) {
        form->pickAllResults = true;
        form->openDataFile(path);
        form->pickAllResults = false;
    }

    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<test::ScopedEnv> xdg;
    fs::path root;
    std::unique_ptr<TReaderForm> form;
};

void ReaderFormTest::windowStartsOnTheStartTab() {
    QCOMPARE(form->windowTitle(), QStringLiteral("Vintrel v1.2 (20.01.17), 32-bit"));
    QCOMPARE(form->minimumSize(), QSize(1024, 750));
    QCOMPARE(tabCaptions(results()), QStringList{"load file"});
    QCOMPARE(pages().TabCount(), 19);
    QCOMPARE(pages().Tabs(10)->TabName(), QStringLiteral("energy (MF)"));
    QCOMPARE(pages().Tabs(18)->Kind(), TKind::tkDynamic);
    QVERIFY(!panel().Content_Results->isVisible());
    QVERIFY(form->Panel1->ButtonLoad->isVisible());
    QCOMPARE(form->LabelFileName->text(), QStringLiteral("(no file loaded)"));
    QVERIFY(form->MyButton_Open->isEnabled());
    QVERIFY(!form->MyButtonSave->isEnabled());
    QVERIFY(!form->MyButton_CloseAll->isEnabled());
    QVERIFY(form->MyButton_TABS->isEnabled());
    form->grab().save(QCoreApplication::applicationDirPath() + "/../viewer-start.png");
}

void ReaderFormTest::pickDialogChoosesTheResults() {
    const QString path = test::makeContainer(dir->path(), "three.zrvn", {"A", "B", "C"});
    TLoadPickForm& pick = *form->loadPickForm();
    test::whenShown(&pick, [&] {
        clickBox(pick.checkSelectAllResult); // all off
        QCOMPARE(pick.checkedLines(), (std::vector<bool>{false, false, false}));
        clickBox(pick.checkSelectAllResult); // all on again
        clickLine(pick, 1);                  // B off
        QTest::mouseClick(pick.MyButtonOK, Qt::LeftButton);
    });
    form->chooseFiles = [&] { return QStringList{path}; };
    QTest::mouseClick(form->MyButton_Open, Qt::LeftButton);

    QCOMPARE(tabCaptions(results()), (QStringList{"load file", "A", "C"}));
    QCOMPARE(results().Tabs(1)->ResDir(), QStringLiteral("Result00"));
    QCOMPARE(results().Tabs(2)->ResDir(), QStringLiteral("Result01"));
    QVERIFY(fs::exists(root / "Result01" / "input_e.dup"));
    QVERIFY(!fs::exists(root / "Result02"));
    QCOMPARE(results().ActiveTab(), 2);
    QCOMPARE(form->currentResultFolder, QStringLiteral("Result01"));
    QVERIFY(panel().Content_Results->isVisible());
    QCOMPARE(panel().Content_Results->parentWidget(), panel().Content->Pages[2]);
    QCOMPARE(pages().ActiveTab(), 0);
    QCOMPARE(form->LabelFileName->text(), path);
    QVERIFY(results().Tabs(2)->Saved());
    QVERIFY(!form->MyButtonSave->isEnabled());
    QVERIFY(form->MyButton_PRINT->isEnabled());
    QVERIFY(form->MyButton_CloseAll->isEnabled());
}

void ReaderFormTest::okWithNothingTickedAddsNoTab() {
    const QString path = test::makeContainer(dir->path(), "two.zrvn", {"A", "B"});
    TLoadPickForm& pick = *form->loadPickForm();
    test::whenShown(&pick, [&] {
        clickLine(pick, 0);
        clickLine(pick, 1);
        QVERIFY(!pick.checkSelectAllResult->isChecked());
        QTest::mouseClick(pick.MyButtonOK, Qt::LeftButton);
    });
    form->openDataFile(path);
    QVERIFY(form->lastImportOk);
    QCOMPARE(tabCaptions(results()), QStringList{"load file"});
    QVERIFY(!fs::exists(root / "Result00"));
    QVERIFY(test::readFile(root / "log.txt").find("Done opening file " + path.toStdString()) !=
            std::string::npos);
}

void ReaderFormTest::cancelInTheProgressWindowKeepsTheDoneResults() {
    const QString path =
        test::makeContainer(dir->path(), "five.zrvn", {"R1", "R2", "R3", "R4", "R5"});
    TLoadPickForm& pick = *form->loadPickForm();
    TLoadingResultsForm& progress = *form->loadingResultsForm();
    test::whenShown(&pick, [&] { QTest::mouseClick(pick.MyButtonOK, Qt::LeftButton); });
    // Cancel as soon as the first result is done.
    const auto connection =
        connect(progress.LoadingProgressBar, &QProgressBar::valueChanged, this, [&](int done) {
            if (done == 1 && progress.isVisible())
                QTest::mouseClick(progress.Button1, Qt::LeftButton);
        });
    form->openDataFile(path);
    disconnect(connection);
    QVERIFY(form->lastImportOk);
    QVERIFY(!progress.isVisible());
    const QStringList names = tabCaptions(results());
    QVERIFY2(names.size() >= 2 && names.size() <= 3, qPrintable(names.join(',')));
    QCOMPARE(names.mid(0, 2), (QStringList{"load file", "R1"}));
    QVERIFY(panel().Content_Results->isVisible());
    for (int i = 1; i < results().TabCount(); ++i)
        QVERIFY(fs::exists(root / results().Tabs(i)->ResDir().toStdString() / "descr.sav"));
}

void ReaderFormTest::pageTabsFollowTheResultKind() {
    importAll(test::makeContainer(dir->path(), "plain.zrvn", {"Ordinary"}));
    importAll(test::makeContainer(dir->path(), "field.mfa", {"MeanField"}, true));
    QCOMPARE(tabCaptions(results()), (QStringList{"load file", "Ordinary", "MeanField"}));
    QCOMPARE(results().Tabs(2)->Kind(), TKind::tkDynamic);
    QCOMPARE(pages().ActiveTab(), 10);
    QCOMPARE(tabCaptions(pages(), true),
             (QStringList{"energy (MF)", "visualizer (MF)", "moment (MF)", "mag. susc. (MF)",
                          "inv. susc. (MF)", "anisotropy (MF)", "spec. heat (MF)", "entropy (MF)",
                          "description"}));
    clickTab(pages(), 13);
    QCOMPARE(panel().Content_Results->ActivePage, 13);

    clickTab(results(), 1);
    QCOMPARE(form->currentResultFolder, QStringLiteral("Result00"));
    QCOMPARE(
        tabCaptions(pages(), true),
        (QStringList{"parameters", "Hamiltonian", "CEF view", "energy levels", "spectroscopy",
                     "magnetic sus.", "inverse sus.", "specific heat", "entropy", "description"}));
    QCOMPARE(pages().ActiveTab(), 0);
    clickTab(pages(), 8);
    QCOMPARE(panel().Content_Results->ActivePage, 8);
    QVERIFY(panel().resultPage(PageId::Entropy)->isVisible());

    clickTab(results(), 2);
    QCOMPARE(pages().ActiveTab(), 13);
    QVERIFY(panel().resultPage(PageId::MagneticSusD)->isVisible());
    QVERIFY(!panel().resultPage(PageId::Entropy)->isVisible());
    QCOMPARE(panel().Content_Results->parentWidget(), panel().Content->Pages[2]);
    clickTab(results(), 1);
    QCOMPARE(pages().ActiveTab(), 8);
    QVERIFY(panel().resultPage(PageId::Entropy)->isVisible());

    clickTab(results(), 0);
    QVERIFY(!panel().Content_Results->isVisible());
    QVERIFY(form->Panel1->isVisible());
}

void ReaderFormTest::deleteRemovesTabAndFolder() {
    importAll(test::makeContainer(dir->path(), "two.zrvn", {"A", "B"}));
    QVERIFY(fs::exists(root / "Result00"));
    clickTab(results(), 1, Qt::RightButton);
    QVERIFY(form->PopupMenu1->isVisible());
    QVERIFY(form->DeleteTab1->isEnabled());
    form->PopupMenu1->hide();
    form->DeleteTab1->trigger();
    QCOMPARE(tabCaptions(results()), (QStringList{"load file", "B"}));
    QVERIFY(!fs::exists(root / "Result00"));
    QVERIFY(fs::exists(root / "Result01"));
    QCOMPARE(results().ActiveTab(), 0);
    QCOMPARE(panel().Content->Pages.size(), std::size_t(2));
    QVERIFY(!panel().Content_Results->isVisible());

    clickTab(results(), 1);
    QCOMPARE(panel().Content_Results->parentWidget(), panel().Content->Pages[1]);
    form->DeleteTabMenuClick(); // the only result: the start tab comes back
    QCOMPARE(tabCaptions(results()), QStringList{"load file"});
    QVERIFY(!fs::exists(root / "Result01"));
    QCOMPARE(results().ActiveTab(), 0);
    QVERIFY(form->Panel1->isVisible());
    QCOMPARE(form->currentResultFolder, QString());

    importAll(test::makeContainer(dir->path(), "again.zrvn", {"C"}));
    QCOMPARE(tabCaptions(results()), (QStringList{"load file", "C"}));
    QVERIFY(panel().Content_Results->isVisible());
}

void ReaderFormTest::deleteAfterAPageTabClickDoesNothing() {
    importAll(test::makeContainer(dir->path(), "one.zrvn", {"A"}));
    clickTab(pages(), 3, Qt::RightButton);
    QVERIFY(form->PopupMenu1->isVisible());
    QVERIFY(form->HideTab1->isEnabled());
    QVERIFY(!form->DeleteTab1->isEnabled());
    QVERIFY(!form->RenameTab1->isEnabled());
    form->PopupMenu1->hide();
    form->DeleteTab1Click();
    QCOMPARE(tabCaptions(results()), (QStringList{"load file", "A"}));
    QVERIFY(fs::exists(root / "Result00"));
    clickTab(results(), 1);
    form->DeleteTab1Click();
    QCOMPARE(tabCaptions(results()), QStringList{"load file"});
}

void ReaderFormTest::hideMakesAnotherTabCurrent() {
    importAll(test::makeContainer(dir->path(), "two.zrvn", {"A", "B"}));
    clickTab(pages(), 5);
    clickTab(pages(), 5, Qt::RightButton);
    form->PopupMenu1->hide();
    form->HideTab1Click(); // the page tab "magnetic sus."
    QVERIFY(!pages().Tabs(5)->Visible());
    QCOMPARE(pages().ActiveTab(), 0);
    QCOMPARE(panel().Content_Results->ActivePage, 0);
    QVERIFY(results().Tabs(2)->Visible());

    clickTab(results(), 2, Qt::RightButton);
    form->PopupMenu1->hide();
    form->HideTab1Click(); // the result tab "B"
    QCOMPARE(tabCaptions(results(), true), (QStringList{"load file", "A"}));
    QCOMPARE(results().ActiveTab(), 0);
    QVERIFY(!panel().Content_Results->isVisible());
    QVERIFY(form->Panel1->isVisible());
    QVERIFY(fs::exists(root / "Result01")); // hiding keeps the folder
}

void ReaderFormTest::draggedResultTabKeepsItsPage() {
    importAll(test::makeContainer(dir->path(), "three.zrvn", {"A", "B", "C"}));
    clickTab(results(), 3);
    clickTab(pages(), 6);
    QWidget* pageOfC = panel().Content->Pages[3];
    QCOMPARE(panel().Content_Results->parentWidget(), pageOfC);

    dragTab(results(), 3, 1);

    QCOMPARE(tabCaptions(results()), (QStringList{"load file", "C", "A", "B"}));
    QCOMPARE(panel().Content->Pages[1], pageOfC);
    QCOMPARE(results().ActiveTab(), 1);
    QCOMPARE(form->currentResultFolder, QStringLiteral("Result02"));
    QVERIFY(pageOfC->isVisible());
    QCOMPARE(panel().Content_Results->parentWidget(), pageOfC);
    QCOMPARE(pages().ActiveTab(), 6);

    clickTab(results(), 2); // A keeps the page it had
    QCOMPARE(form->currentResultFolder, QStringLiteral("Result00"));
    QCOMPARE(panel().Content_Results->parentWidget(), panel().Content->Pages[2]);
    QVERIFY(!pageOfC->isVisible());
}

void ReaderFormTest::sameContainerThreeTimesGetsSuffixes() {
    const QString path = test::makeContainer(dir->path(), "one.zrvn", {"Ce"});
    importAll(path);
    importAll(path);
    importAll(path);
    QCOMPARE(tabCaptions(results()), (QStringList{"load file", "Ce", "Cea", "Ceb"}));
    QCOMPARE(results().Tabs(3)->ResDir(), QStringLiteral("Result02"));
}

void ReaderFormTest::brokenContainersShowTheirErrorAndAddNoTab_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::newRow("cut in a member") << "truncate"
                                     << "";
    QTest::newRow("garbage after the magic") << "garbage"
                                             << "Damaged or not Zorvane file:";
    QTest::newRow("member name leaving the folder") << "escape"
                                                    << "";
    QTest::newRow("missing file") << "missing"
                                  << "Cannot open file:";
}

void ReaderFormTest::brokenContainersShowTheirErrorAndAddNoTab() {
    QFETCH(QString, damage);
    QFETCH(QString, message);
    const QString good = test::makeContainer(dir->path(), "good.zrvn", {"A", "B"});
    const fs::path bad = dir->path() / "bad.zrvn";
    std::string bytes = test::readFile(good.toStdString());
    if (damage == "truncate") {
        bytes.resize(bytes.size() - 40);
    } else if (damage == "garbage") {
        bytes = "ZRVN" + std::string(400, '\xff');
    } else if (damage == "escape") {
        const auto at = bytes.find("o_E.dup");
        QVERIFY(at != std::string::npos);
        bytes.replace(at, 7, "../x.du");
    }
    if (damage != "missing")
        test::writeFile(bad, bytes);

    setMessagesToStandardError(false);
    test::MessageCatcher catcher;
    form->pickAllResults = true;
    form->openDataFile(QString::fromStdString(bad.string()));
    setMessagesToStandardError(true);
    QTRY_VERIFY(!catcher.texts().isEmpty());
    if (!message.isEmpty())
        QVERIFY2(catcher.texts().front().startsWith(message), qPrintable(catcher.texts().front()));
    QVERIFY(!form->lastImportOk);
    QCOMPARE(tabCaptions(results()), QStringList{"load file"});
    QVERIFY(!fs::exists(root / "Result00"));
    QVERIFY(!fs::exists(root / "x.du"));
    QVERIFY(!fs::exists(dir->path() / "x.du"));

    importAll(good); // the viewer goes on
    QCOMPARE(tabCaptions(results()), (QStringList{"load file", "A", "B"}));
}

void ReaderFormTest::secondCopyHandsItsFileOver() {
    // A long path with non-ASCII letters travels whole.
    fs::path deep = dir->path();
    for (int i = 0; i < 8; ++i)
        deep /= "a-rather-long-folder-name-with-ümlauts-" + std::to_string(i);
    fs::create_directories(deep);
    const QString path = test::makeContainer(deep, "handed.zrvn", {"Handed"});
    QVERIFY(path.toUtf8().size() > 300);

    const QString name = QStringLiteral("vintrel-test-%1").arg(QCoreApplication::applicationPid());
    InstanceChannel first(name);
    QVERIFY(first.listen());
    connect(&first, &InstanceChannel::openRequested, form.get(), &TReaderForm::WMOpenFile);
    form->pickAllResults = true;
    form->showMinimized();

    QProcess second;
    second.start(QStringLiteral(VINTREL_VIEWER_PATH), {QStringLiteral("--channel"), name, path});
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 10000);
    QCOMPARE(second.exitCode(), 0);
    QTRY_COMPARE(tabCaptions(results()), (QStringList{"load file", "Handed"}));
    QCOMPARE(results().Tabs(1)->FileName(), path);
    QVERIFY(!form->isMinimized());

    // Without a file the first copy only comes to the front.
    QProcess bare;
    bare.start(QStringLiteral(VINTREL_VIEWER_PATH), {QStringLiteral("--channel"), name});
    QTRY_VERIFY_WITH_TIMEOUT(bare.state() == QProcess::NotRunning, 10000);
    QCOMPARE(bare.exitCode(), 0);
    QTest::qWait(50);
    QCOMPARE(results().TabCount(), 2);
}

void ReaderFormTest::secondCopyHandsARelativePathOverWhole() {
    // The second copy runs in another folder than the first: it hands over the path as the
    // user meant it, against the folder it was started from.
    const fs::path start = dir->path() / "shell";
    fs::create_directories(start);
    const QString path = test::makeContainer(dir->path() / "boxes", "handed.zrvn", {"Handed"});

    const QString name =
        QStringLiteral("vintrel-relative-test-%1").arg(QCoreApplication::applicationPid());
    InstanceChannel first(name);
    QVERIFY(first.listen());
    QStringList handed;
    connect(&first, &InstanceChannel::openRequested, form.get(),
            [&](const QString& file) { handed << file; });
    connect(&first, &InstanceChannel::openRequested, form.get(), &TReaderForm::WMOpenFile);
    form->pickAllResults = true;

    QProcess second;
    second.setWorkingDirectory(QString::fromStdString(start.string()));
    second.start(QStringLiteral(VINTREL_VIEWER_PATH),
                 {QStringLiteral("--channel"), name, QStringLiteral("../boxes/./handed.zrvn")});
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 10000);
    QCOMPARE(second.exitCode(), 0);
    QTRY_COMPARE(tabCaptions(results()), (QStringList{"load file", "Handed"}));
    QCOMPARE(handed, QStringList{path});
    QCOMPARE(results().Tabs(1)->FileName(), path);
}

void ReaderFormTest::aboutShowsTheStartTab() {
    importAll(test::makeContainer(dir->path(), "one.zrvn", {"A"}));
    results().Tabs(0)->setVisible(false);
    form->AboutVintrel1->trigger();
    QVERIFY(results().Tabs(0)->Visible());
    QCOMPARE(results().ActiveTab(), 0);
    QVERIFY(form->Panel1->isVisible());
    QVERIFY(!panel().Content_Results->isVisible());

    // The start tab is found wherever it was dragged to.
    importAll(test::makeContainer(dir->path(), "two.zrvn", {"B"}));
    const QPoint from = centreOf(results(), 2);
    const QPoint to = centreOf(results(), 0);
    QTest::mousePress(&results(), Qt::LeftButton, {}, from);
    for (int x = from.x() - 20; x > to.x(); x -= 20)
        QTest::mouseMove(&results(), QPoint(x, 12));
    QTest::mouseMove(&results(), to);
    QTest::mouseRelease(&results(), Qt::LeftButton, {}, to);
    QCOMPARE(tabCaptions(results()), (QStringList{"B", "load file", "A"}));
    results().Tabs(1)->setVisible(false);
    form->AboutVintrel1->trigger();
    QVERIFY(results().Tabs(1)->Visible());
    QCOMPARE(results().ActiveTab(), 1);
    QVERIFY(form->Panel1->isVisible());
    QVERIFY(!panel().Content_Results->isVisible());

    clickTab(results(), 0);
    form->DeleteTabMenuClick(); // no visible tab before "B": the start tab comes
    QCOMPARE(tabCaptions(results()), (QStringList{"load file", "A"}));
    QCOMPARE(results().ActiveTab(), 0);
    QCOMPARE(form->currentResultFolder, QString());
    QVERIFY(form->Panel1->isVisible());
}

void ReaderFormTest::pageFormsAreCalledInTheirOrders() {
    QStringList journal;
    for (const ResultPageRow& row : kResultPages)
        panel().registerPage(
            row.id, [id = row.id, &journal] { return std::make_unique<JournalPage>(id, journal); });
    // The ordinary graph and level pages wait for the first ordinary result.
    QCOMPARE(entries(journal, "create"),
             (QStringList{"create 0", "create 1", "create 2", "create 9", "create 10", "create 11",
                          "create 12", "create 13", "create 14", "create 15", "create 16",
                          "create 17", "create 18"}));
    QWidget* hosted = panel()
                          .resultPage(PageId::EnergyD)
                          ->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(hosted);

    journal.clear();
    importAll(test::makeContainer(dir->path(), "plain.zrvn", {"A"}));
    QCOMPARE(entries(journal, "load"),
             (QStringList{"load 0 first", "load 1 first", "load 2 first", "load 3 first",
                          "load 5 first", "load 6 first", "load 7 first", "load 8 first"}));
    QVERIFY(entries(journal, "create").contains("create 4"));

    journal.clear();
    clickTab(pages(), panel().tabIndexOf(PageId::Spectroscopy));
    clickTab(pages(), panel().tabIndexOf(PageId::Energy));
    clickTab(pages(), panel().tabIndexOf(PageId::Spectroscopy));
    QCOMPARE(journal, (QStringList{"load 4 first", "shown 4", "shown 3", "shown 4"}));

    clickTab(pages(), panel().tabIndexOf(PageId::Energy));
    journal.clear();
    QWidget* target = panel().resultPage(PageId::Energy);
    QWheelEvent wheel(QPointF(20, 20), target->mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    QCOMPARE(journal, QStringList{"wheel 3"});

    journal.clear();
    importAll(test::makeContainer(dir->path(), "field.mfa", {"M"}, true));
    QCOMPARE(entries(journal, "load"),
             (QStringList{"load 11 first", "load 12 first", "load 10 first", "load 13 first",
                          "load 14 first", "load 15 first", "load 16 first", "load 17 first"}));
    journal.clear();
    clickTab(results(), 1);
    QCOMPARE(entries(journal, "load"), (QStringList{"load 0", "load 1", "load 2", "load 3",
                                                    "load 5", "load 6", "load 7", "load 8"}));
}

void ReaderFormTest::fileArrivingDuringAnImportWaitsForIt() {
    const QString first = test::makeContainer(dir->path(), "first.zrvn", {"A", "B"});
    const QString second = test::makeContainer(dir->path(), "second.zrvn", {"C"});
    // The second file arrives while the first import lets window messages run.
    bool asked = false;
    configureLog(root, {[&] {
                            if (!asked) {
                                asked = true;
                                form->openDataFile(second);
                            }
                            QCoreApplication::processEvents();
                        },
                        {}});
    form->pickAllResults = true;
    form->openDataFile(first);
    QTRY_COMPARE(tabCaptions(results()), (QStringList{"load file", "A", "B", "C"}));
    form->pickAllResults = false;
    for (int i = 1; i < results().TabCount(); ++i)
        QVERIFY(fs::exists(root / results().Tabs(i)->ResDir().toStdString() / "o_E.dup"));
}

QTEST_MAIN(ReaderFormTest)
#include "reader_form_test.moc"
