#include "app/reader_form.h"
#include "app/start_panel.h"
#include "app/tab_dialogs.h"
#include "controls/my_button.h"
#include "controls/pictures.h"
#include "support/strip_actions.h"
#include "support/temp_dir.h"
#include "support/viewer_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>

using namespace vintrel;
namespace fs = std::filesystem;

namespace {

QStringList lines(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

std::vector<bool> checks(const QListWidget& list) {
    std::vector<bool> checked;
    for (int i = 0; i < list.count(); ++i)
        checked.push_back(lineChecked(list, i));
    return checked;
}

void clickLine(QListWidget& list, int row) {
    list.item(row)->setCheckState(lineChecked(list, row) ? Qt::Unchecked : Qt::Checked);
}

/// How many pixels of the picture of a list line have exactly the colour `colour`.
int pixelsOf(QListWidget& list, int row, const QColor& colour) {
    const QImage line = list.viewport()->grab(list.visualItemRect(list.item(row))).toImage();
    int count = 0;
    for (int y = 0; y < line.height(); ++y)
        for (int x = 0; x < line.width(); ++x)
            count += line.pixelColor(x, y).rgb() == colour.rgb();
    return count;
}

/// The colour found most often in a picture other than magenta and white.
QColor mainColour(const QPixmap& picture) {
    const QImage image = picture.toImage();
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixelColor(x, y).rgb();
            if (rgb != qRgb(255, 0, 255) && rgb != qRgb(255, 255, 255) && qAlpha(image.pixel(x, y)))
                ++counts[rgb];
        }
    QRgb best = 0;
    int most = 0;
    for (const auto& [rgb, count] : counts)
        if (count > most) {
            best = rgb;
            most = count;
        }
    return QColor::fromRgb(best);
}

} // namespace

class TabDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { viewer = std::make_unique<test::ViewerSession>(); }
    void cleanup() { viewer.reset(); }

    void renameRefusesAClashAndTakesEnterAsOk();
    void renameActsOnThePageStripAfterAPageClick();
    void visibleTabsListsKindsWithTheirIcons();
    void hidingTheActiveTabMakesTheFirstVisibleTabCurrent();
    void okWhileAMeanFieldResultIsActiveHidesThePageStrip();
    void closeTabsOverMixedKinds();
    void closingEveryResultDisablesSavingAndShowsTheStartTab();

private:
    TReaderForm& form() { return viewer->form(); }
    TSuperTabs& results() { return viewer->results(); }

    std::unique_ptr<test::ViewerSession> viewer;
};

void TabDialogsTest::renameRefusesAClashAndTakesEnterAsOk() {
    viewer->importAll(test::makeContainer(viewer->dir(), "two.zrvn", {"Alpha", "Beta"}));
    TRenameTabForm& rename = *form().renameTabForm();
    QCOMPARE(rename.windowTitle(), QStringLiteral("rename this page"));
    QStringList seen;
    bool clashShown = false;
    QString selected;
    test::whenShown(&rename, [&] {
        seen << rename.Edit1->text();
        QVERIFY(!rename.Label1->isVisible());
        rename.Edit1->setText(QStringLiteral("Alpha"));
        QTest::keyClick(rename.Edit1, Qt::Key_Return);
        // Shown again with the clash message and the text selected.
        test::whenShown(&rename, [&] {
            clashShown = rename.Label1->isVisible();
            rename.grab().save(QCoreApplication::applicationDirPath() + "/../rename-tab.png");
            selected = rename.Edit1->selectedText();
            QTest::keyClicks(rename.Edit1, QStringLiteral("alpha"));
            QTest::keyClick(rename.Edit1, Qt::Key_Enter);
        });
    });
    test::clickTab(results(), 2, Qt::RightButton);
    form().PopupMenu1->hide();
    QVERIFY(form().RenameTab1->isEnabled());
    form().RenameTab1->trigger();

    QCOMPARE(seen, QStringList{"Beta"});
    QVERIFY(clashShown);
    QCOMPARE(selected, QStringLiteral("Alpha"));
    QCOMPARE(rename.Label1->text(), QStringLiteral("Tab with this name already exists!"));
    // Another letter case is another name.
    QCOMPARE(test::tabCaptions(results()), (QStringList{"load file", "Alpha", "alpha"}));
    // The folder keeps its name.
    QCOMPARE(results().Tabs(2)->ResDir(), QStringLiteral("Result01"));

    // Cancel changes nothing; the menu entry acts on the active result tab.
    test::whenShown(&rename, [&] {
        rename.Edit1->setText(QStringLiteral("never"));
        QTest::mouseClick(rename.MyButtonCancel, Qt::LeftButton);
    });
    test::clickTab(results(), 1);
    form().RenameTabMenu->trigger();
    QCOMPARE(test::tabCaptions(results()), (QStringList{"load file", "Alpha", "alpha"}));
}

void TabDialogsTest::renameActsOnThePageStripAfterAPageClick() {
    viewer->importAll(test::makeContainer(viewer->dir(), "one.zrvn", {"A"}));
    TRenameTabForm& rename = *form().renameTabForm();
    test::whenShown(&rename, [&] {
        rename.Edit1->setText(QStringLiteral("levels"));
        QTest::mouseClick(rename.MyButtonOK, Qt::LeftButton);
    });
    test::clickTab(viewer->pages(), 3, Qt::RightButton);
    form().PopupMenu1->hide();
    form().RenameTab1Click();
    QCOMPARE(viewer->pages().Tabs(3)->TabName(), QStringLiteral("levels"));
    QCOMPARE(test::tabCaptions(results()), (QStringList{"load file", "A"}));
}

void TabDialogsTest::visibleTabsListsKindsWithTheirIcons() {
    viewer->importAll(test::makeContainer(viewer->dir(), "plain.zrvn", {"Plain"}));
    viewer->importAll(test::makeContainer(viewer->dir(), "field.mfa", {"Field"}, true));
    results().Tabs(1)->setVisible(false);
    TVisibleTabsForm& visible = *form().visibleTabsForm();
    QCOMPARE(visible.windowTitle(), QStringLiteral("visible tabs"));
    QStringList shown;
    std::vector<bool> checked;
    int blueInPlain = 0;
    int orangeInField = 0;
    int orangeInPlain = 0;
    int blueInStart = 0;
    const QColor blue = mainColour(visible.icons.ordinary);
    const QColor orange = mainColour(visible.icons.meanField);
    test::whenShown(&visible, [&] {
        shown = lines(*visible.CheckListBox1);
        checked = checks(*visible.CheckListBox1);
        blueInPlain = pixelsOf(*visible.CheckListBox1, 1, blue);
        orangeInPlain = pixelsOf(*visible.CheckListBox1, 1, orange);
        orangeInField = pixelsOf(*visible.CheckListBox1, 2, orange);
        blueInStart = pixelsOf(*visible.CheckListBox1, 0, blue);
        visible.grab().save(QCoreApplication::applicationDirPath() + "/../visible-tabs.png");
        QTest::mouseClick(visible.MyButtonCancel, Qt::LeftButton);
    });
    form().MyButton_TABS->Click();
    QCOMPARE(shown, (QStringList{"load file", "#A#Plain", "#M#Field"}));
    QCOMPARE(checked, (std::vector<bool>{true, false, true}));
    // The pictures come from the picture tool, 15 x 15, and mark the lines of their kind.
    QCOMPARE(visible.icons.ordinary.size(), QSize(15, 15));
    QCOMPARE(visible.icons.meanField.size(), QSize(15, 15));
    QVERIFY(blue != orange);
    QVERIFY(blueInPlain > 5);
    QCOMPARE(orangeInPlain, 0);
    QVERIFY(orangeInField > 5);
    QCOMPARE(blueInStart, 0);
    QVERIFY(!results().Tabs(1)->Visible()); // Cancel changed nothing
}

void TabDialogsTest::hidingTheActiveTabMakesTheFirstVisibleTabCurrent() {
    viewer->importAll(test::makeContainer(viewer->dir(), "two.zrvn", {"A", "B"}));
    TVisibleTabsForm& visible = *form().visibleTabsForm();
    test::whenShown(&visible, [&] {
        clickLine(*visible.CheckListBox1, 2); // B, the active tab, off
        clickLine(*visible.CheckListBox1, 1); // A off as well
        QTest::mouseClick(visible.MyButtonOK, Qt::LeftButton);
    });
    QCOMPARE(results().ActiveTab(), 2);
    form().VisibleTabsMenu->trigger();
    QCOMPARE(results().ActiveTab(), 0);
    QVERIFY(!results().Tabs(1)->Visible());
    QVERIFY(!results().Tabs(2)->Visible());
    QVERIFY(form().Panel1->isVisible());
    QVERIFY(!form().panel()->Content_Results->isVisible());
    QVERIFY(!form().MyButton_PRINT->isEnabled());
    QVERIFY(fs::exists(viewer->root() / "Result01"));

    // Showing B again and hiding the start tab: B is the first visible tab and becomes current
    // with its own pages.
    test::whenShown(&visible, [&] {
        clickLine(*visible.CheckListBox1, 0);
        clickLine(*visible.CheckListBox1, 2);
        QTest::mouseClick(visible.MyButtonOK, Qt::LeftButton);
    });
    form().VisibleTabs1->trigger();
    QCOMPARE(results().ActiveTab(), 2);
    QCOMPARE(form().currentResultFolder, QStringLiteral("Result01"));
    QCOMPARE(form().panel()->Content_Results->parentWidget(), form().panel()->Content->Pages[2]);
    QVERIFY(form().panel()->Content_Results->isVisible());
    QVERIFY(form().MyButton_PRINT->isEnabled());
}

void TabDialogsTest::okWhileAMeanFieldResultIsActiveHidesThePageStrip() {
    viewer->importAll(test::makeContainer(viewer->dir(), "field.mfa", {"M"}, true));
    QVERIFY(form().panel()->Content_Results->isVisible());
    TVisibleTabsForm& visible = *form().visibleTabsForm();
    test::whenShown(&visible, [&] { QTest::mouseClick(visible.MyButtonOK, Qt::LeftButton); });
    form().MyButton_TABSClick();
    QCOMPARE(results().ActiveTab(), 1);
    QVERIFY(!form().panel()->Content_Results->isVisible());
    test::clickTab(results(), 1);
    QVERIFY(form().panel()->Content_Results->isVisible());
}

void TabDialogsTest::closeTabsOverMixedKinds() {
    viewer->importAll(test::makeContainer(viewer->dir(), "a.zrvn", {"A", "B"}));
    viewer->importAll(test::makeContainer(viewer->dir(), "m1.mfa", {"M1"}, true));
    viewer->importAll(test::makeContainer(viewer->dir(), "c.zrvn", {"C"}));
    viewer->importAll(test::makeContainer(viewer->dir(), "m2.mfa", {"M2"}, true));
    results().Tabs(4)->setSaved(false);
    form().MyButtonSave->setEnabled(true);
    form().MyButton_saveALL->setEnabled(true);
    QCOMPARE(test::tabCaptions(results()), (QStringList{"load file", "A", "B", "M1", "C", "M2"}));
    TCloseAllTabsForm& close = *form().closeAllTabsForm();
    QCOMPARE(close.windowTitle(), QStringLiteral("Select tabs to close"));
    QStringList ordinary;
    QStringList meanField;
    QString boxText;
    std::vector<bool> afterBox;
    bool boxFollowsLines = false;
    test::whenShown(&close, [&] {
        close.grab().save(QCoreApplication::applicationDirPath() + "/../close-tabs.png");
        ordinary = lines(*close.CheckListBoxInput);
        meanField = lines(*close.CheckListBoxResult);
        QVERIFY(!close.checkSelectAllInput->isChecked());
        QCOMPARE(close.checkSelectAllInput->text(), QStringLiteral("select all"));
        // The select-all box sets every line; ticking every line checks the box.
        QTest::mouseClick(close.checkSelectAllResult, Qt::LeftButton, {},
                          QPoint(8, close.checkSelectAllResult->height() / 2));
        boxText = close.checkSelectAllResult->text();
        afterBox = checks(*close.CheckListBoxResult);
        clickLine(*close.CheckListBoxResult, 0); // M1 stays
        clickLine(*close.CheckListBoxInput, 1);  // B
        clickLine(*close.CheckListBoxInput, 2);  // C
        clickLine(*close.CheckListBoxInput, 0);
        boxFollowsLines = close.checkSelectAllInput->isChecked();
        clickLine(*close.CheckListBoxInput, 0); // A stays
        QTest::mouseClick(close.MyButtonOK, Qt::LeftButton);
    });
    form().MyButton_CloseAll->Click();

    QCOMPARE(ordinary, (QStringList{"A", "B", "C"}));
    QCOMPARE(meanField, (QStringList{"M1", "M2"}));
    QCOMPARE(boxText, QStringLiteral("unselect all"));
    QCOMPARE(afterBox, (std::vector<bool>{true, true}));
    QVERIFY(boxFollowsLines);
    QCOMPARE(test::tabCaptions(results()), (QStringList{"load file", "A", "M1"}));
    QCOMPARE(results().Tabs(1)->ResDir(), QStringLiteral("Result00"));
    QCOMPARE(results().Tabs(2)->ResDir(), QStringLiteral("Result02"));
    for (const char* gone : {"Result01", "Result03", "Result04"})
        QVERIFY2(!fs::exists(viewer->root() / gone), gone);
    QVERIFY(fs::exists(viewer->root() / "Result00"));
    QVERIFY(fs::exists(viewer->root() / "Result02"));
    QCOMPARE(form().panel()->Content->Pages.size(), std::size_t(3));
    QCOMPARE(results().ActiveTab(), 0);
    QCOMPARE(results().Offset(), 0);
    QVERIFY(form().Panel1->isVisible());
    QCOMPARE(form().currentResultFolder, QString());
    // Results stay open: saving stays as it was.
    QVERIFY(form().MyButton_saveALL->isEnabled());
    QVERIFY(form().SaveAsMenu->isEnabled());
    // The results left work as before.
    test::clickTab(results(), 2);
    QCOMPARE(form().currentResultFolder, QStringLiteral("Result02"));
    QVERIFY(form().panel()->Content_Results->isVisible());
}

void TabDialogsTest::closingEveryResultDisablesSavingAndShowsTheStartTab() {
    viewer->importAll(test::makeContainer(viewer->dir(), "a.zrvn", {"A"}));
    viewer->importAll(test::makeContainer(viewer->dir(), "m.mfa", {"M"}, true));
    form().MyButtonSave->setEnabled(true);
    form().MyButton_saveALL->setEnabled(true);
    results().Tabs(0)->setVisible(false);
    TCloseAllTabsForm& close = *form().closeAllTabsForm();
    test::whenShown(&close, [&] {
        close.checkSelectAllInput->click();
        close.checkSelectAllResult->click();
        QTest::mouseClick(close.MyButtonOK, Qt::LeftButton);
    });
    form().MyButton_CloseAllClick();
    QCOMPARE(test::tabCaptions(results()), QStringList{"load file"});
    QVERIFY(!form().MyButtonSave->isEnabled());
    QVERIFY(!form().MyButton_saveALL->isEnabled());
    QVERIFY(!form().SaveAsMenu->isEnabled());
    QVERIFY(!form().MyButton_PRINT->isEnabled());
    QVERIFY(!form().PrintMenu->isEnabled());
    QVERIFY(results().Tabs(0)->Visible());
    QVERIFY(form().Panel1->isVisible());
    QVERIFY(!fs::exists(viewer->root() / "Result00"));
    QVERIFY(!fs::exists(viewer->root() / "Result01"));
    // A new result brings "Save As..." back.
    viewer->importAll(test::makeContainer(viewer->dir(), "b.zrvn", {"B"}));
    QVERIFY(form().SaveAsMenu->isEnabled());
}

QTEST_MAIN(TabDialogsTest)
#include "tab_dialogs_test.moc"
