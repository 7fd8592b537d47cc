// The description editor in the main window: the page of each result kind hosts it, editing
// marks the result unsaved and enables both Save buttons, and making a result current again
// refreshes its snapshot.
#include "app/reader_form.h"
#include "base/log.h"
#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "description/belka_form.h"
#include "description/description_edit.h"
#include "description/description_files.h"
#include "description/rtf_reader.h"
#include "resultdata/input_files.h"
#include "support/strip_actions.h"
#include "support/temp_dir.h"
#include "support/viewer_fixture.h"

#include <QApplication>
#include <QtTest>

#include <memory>

using namespace vintrel;
namespace fs = std::filesystem;

class DescriptionPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void typingOneCharacterEnablesSavingAndWritesTheFile();
    void comingBackRefreshesTheSnapshot();
    void eachResultKindHostsTheEditorInItsPage();
    void resultWithoutDescriptionGetsNoTextOfAnother();

private:
    TMyReaderPanel2& panel() { return *form->panel(); }
    TSuperTabs& results() { return *panel().Zakladki; }
    TSuperTabs& pages() { return *panel().Zakladki_Results; }
    TBelkaForm& editor() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* belka = qobject_cast<TBelkaForm*>(widget))
                return *belka;
        qFatal("no description editor");
    }
    void importAll(const QString& path) {
        form->pickAllResults = true;
        form->openDataFile(path);
        form->pickAllResults = false;
    }
    void showDescriptionPage(PageId page) {
        test::clickTab(pages(), panel().tabIndexOf(page));
        QVERIFY(editor().RichEdit1->isVisible());
    }
    std::string description(const char* folder) {
        return readRichText(test::readFile(root / folder / kDescriptionFile)).plain();
    }

    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<test::ScopedEnv> xdg;
    fs::path root;
    std::unique_ptr<TReaderForm> form;
};

void DescriptionPageTest::init() {
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

void DescriptionPageTest::cleanup() {
    form.reset();
    disableLog();
    xdg.reset();
    dir.reset();
}

void DescriptionPageTest::typingOneCharacterEnablesSavingAndWritesTheFile() {
    importAll(test::makeContainer(dir->path(), "two.zrvn", {"A", "B"}));
    TTab& b = *results().Tabs(2);
    QVERIFY(b.Saved());
    QVERIFY(!form->MyButtonSave->isEnabled());
    QVERIFY(!form->MyButton_saveALL->isEnabled());
    showDescriptionPage(PageId::Description);
    QCOMPARE(editor().RichEdit1->toPlainText(), QStringLiteral("Ce3+ in a cubic field"));

    QTest::keyClicks(editor().RichEdit1, QStringLiteral("!"));
    QVERIFY(form->MyButtonSave->isEnabled());
    QVERIFY(form->MyButton_saveALL->isEnabled());
    QVERIFY(!b.Saved());
    QVERIFY(results().Tabs(1)->Saved());
    QCOMPARE(description("Result01"), std::string("Ce3+ in a cubic field!"));
    QCOMPARE(description("Result00"), std::string("Ce3+ in a cubic field"));
}

// Editing B, going to A and back to B makes the snapshot of B its edited text, so discarding
// goes back to that, not to the text B was imported with.
void DescriptionPageTest::comingBackRefreshesTheSnapshot() {
    importAll(test::makeContainer(dir->path(), "two.zrvn", {"A", "B"}));
    showDescriptionPage(PageId::Description);
    QTest::keyClicks(editor().RichEdit1, QStringLiteral(" first"));
    const std::string edited = test::readFile(root / "Result01" / kDescriptionFile);
    QVERIFY(test::readFile(root / "Result01" / kDescriptionSnapshotFile) != edited);

    test::clickTab(results(), 1);
    QCOMPARE(form->currentResultFolder, QStringLiteral("Result00"));
    QCOMPARE(editor().RichEdit1->toPlainText(), QStringLiteral("Ce3+ in a cubic field"));
    test::clickTab(results(), 2);
    QCOMPARE(editor().RichEdit1->toPlainText(), QStringLiteral("Ce3+ in a cubic field first"));
    QCOMPARE(test::readFile(root / "Result01" / kDescriptionSnapshotFile), edited);

    QTest::keyClicks(editor().RichEdit1, QStringLiteral(" second"));
    editor().confirmDiscard = [] { return true; };
    QTest::mouseClick(editor().MyButtonDiscard, Qt::LeftButton);
    QCOMPARE(editor().RichEdit1->toPlainText(), QStringLiteral("Ce3+ in a cubic field first"));
    QCOMPARE(test::readFile(root / "Result01" / kDescriptionFile), edited);
}

void DescriptionPageTest::eachResultKindHostsTheEditorInItsPage() {
    importAll(test::makeContainer(dir->path(), "mf.mfa", {"M"}, true));
    QWidget* panelDescr = editor().PanelDescr;
    QCOMPARE(panelDescr->parentWidget(), panel().resultPage(PageId::DescriptionD));
    showDescriptionPage(PageId::DescriptionD);
    QCOMPARE(panelDescr->geometry(), panel().resultPage(PageId::DescriptionD)->rect());
    QTest::keyClicks(editor().RichEdit1, QStringLiteral("?"));
    QVERIFY(!results().Tabs(1)->Saved());
    QCOMPARE(description("Result00"), std::string("Ce3+ in a cubic field?"));

    importAll(test::makeContainer(dir->path(), "one.zrvn", {"O"}));
    QCOMPARE(panelDescr->parentWidget(), panel().resultPage(PageId::Description));
    showDescriptionPage(PageId::Description);
    QCOMPARE(panelDescr->geometry(), panel().resultPage(PageId::Description)->rect());
    QCOMPARE(editor().RichEdit1->toPlainText(), QStringLiteral("Ce3+ in a cubic field"));
    test::clickTab(results(), 1);
    QCOMPARE(panelDescr->parentWidget(), panel().resultPage(PageId::DescriptionD));
    QCOMPARE(editor().RichEdit1->toPlainText(), QStringLiteral("Ce3+ in a cubic field?"));
}

void DescriptionPageTest::resultWithoutDescriptionGetsNoTextOfAnother() {
    importAll(test::makeContainer(dir->path(), "two.zrvn", {"A", "B"}));
    fs::remove(root / "Result01" / kDescriptionFile);
    test::clickTab(results(), 1);
    test::clickTab(results(), 2);
    showDescriptionPage(PageId::Description);
    QCOMPARE(editor().RichEdit1->toPlainText(), QString());
    QVERIFY(!fs::exists(root / "Result01" / kDescriptionSnapshotFile));
    QTest::keyClicks(editor().RichEdit1, QStringLiteral("B"));
    QCOMPARE(description("Result01"), std::string("B"));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installViewerFonts();
    DescriptionPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "description_page_test.moc"
