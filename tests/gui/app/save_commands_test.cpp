#include "app/reader_form.h"
#include "base/codepage.h"
#include "containers/container_format.h"
#include "containers/container_save.h"
#include "containers/result_import.h"
#include "containers/save_dialogs.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "support/strip_actions.h"
#include "support/temp_dir.h"
#include "support/viewer_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
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

/// What the save dialog showed when it opened.
struct Shown {
    QString label;
    QStringList lines;
    bool listVisible = false;
    QString description;
    QString filter;
    QString suffix;
    bool fileDialogRan = false;
};

/// Each stored result of a container: its name (UTF-8) and its members' bytes.
struct StoredResult {
    std::string name;
    std::map<std::string, std::string> members;
};

std::vector<StoredResult> readBack(const fs::path& container, const fs::path& scratch) {
    ContainerReader reader(container);
    const auto listed = listResults(reader);
    ExtractRequest request;
    request.picked.assign(listed.size(), true);
    fs::create_directories(scratch);
    const ExtractOutcome outcome = extractResults(reader, scratch, request);
    std::vector<StoredResult> results;
    for (std::size_t r = 0; r < outcome.folders.size(); ++r) {
        StoredResult result{cp1252ToUtf8(outcome.storedNames[r]), {}};
        for (const ListedMember& member : listed[r].members)
            result.members[member.name] =
                test::readFile(scratch / outcome.folders[r] / member.name);
        results.push_back(std::move(result));
    }
    return results;
}

/// Every file in the result folders of the working root `root`, with its size.
std::map<std::string, std::uintmax_t> folderEntries(const fs::path& root) {
    std::map<std::string, std::uintmax_t> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() && entry.path().parent_path() != root)
            entries[fs::relative(entry.path(), root).string()] = entry.file_size();
    return entries;
}

} // namespace

class SaveCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        viewer = std::make_unique<test::ViewerSession>();
        shown = Shown{};
        target.clear();
        pick = viewer->form().savePickForm();
        pick->runFileDialog = [this](QFileDialog& dialog) {
            shown.fileDialogRan = true;
            shown.filter = dialog.selectedNameFilter();
            shown.suffix = dialog.defaultSuffix();
            return target;
        };
    }
    void cleanup() { viewer.reset(); }

    void saveAsStoresTheTabsOfTheActiveContainerUnderTheirNames();
    void aMeanFieldResultIsStoredAsZmfaWhateverTheExtension();
    void saveAllTakesEveryOrdinaryResultAndTheOptionalBoxKeepsItsState();
    void cancelWritesNothing();
    void noCandidatesGiveAnEmptyContainer();
    void aFailingSaveLeavesTheOldFileAndSaysWhy_data();
    void aFailingSaveLeavesTheOldFileAndSaysWhy();
    void theDescriptionFieldSelectsAllOnAClick();
    void theFileDialogOffersTheThreeFilters();

private:
    /// Answers the save dialog: `edit` may change it, then OK (or Cancel) is clicked.
    void answer(bool ok, std::function<void()> edit = {}) {
        test::whenShown(pick, [this, ok, edit] {
            shown.label = pick->Label1->text();
            shown.lines = lines(*pick->CheckListBox1);
            shown.listVisible = pick->CheckListBox1->isVisible();
            shown.description = pick->EditDescription->text();
            if (edit)
                edit();
            QTest::mouseClick(ok ? pick->MyButton1 : pick->MyButton2, Qt::LeftButton);
        });
    }

    std::unique_ptr<test::ViewerSession> viewer;
    TSavePickForm* pick = nullptr;
    Shown shown;
    QString target;
};

void SaveCommandsTest::saveAsStoresTheTabsOfTheActiveContainerUnderTheirNames() {
    viewer->importAll(test::makeContainer(viewer->dir(), "first.zrvn", {"Ce1", "Ce2"}));
    viewer->importAll(test::makeContainer(viewer->dir(), "other.zrvn", {"Other"}));
    viewer->importAll(test::makeContainer(viewer->dir(), "field.mfa", {"MF"}, true));
    // A renamed tab is stored under its new name, letters beyond ASCII included.
    viewer->results().Tabs(2)->setTabName(QStringLiteral("Zweite \u00C4nderung \u20AC"));
    // What the pages wrote into a result folder goes with it.
    test::writeFile(viewer->root() / "Result01" / "g_E.dup", "0 100\r\n");
    fs::remove(viewer->root() / "Result00" / "o_neu.dup");
    test::clickTab(viewer->results(), 1);
    QVERIFY(viewer->form().panel()->Content_Results->isVisible());
    const auto filesBefore = folderEntries(viewer->root());

    target = QString::fromStdString((viewer->dir() / "saved.zrvn").string());
    answer(true, [this] {
        pick->grab().save(QCoreApplication::applicationDirPath() + "/../save-options.png");
        pick->EditDescription->setText(QStringLiteral("caf\u00E9 results"));
    });
    viewer->form().SaveAsMenu->trigger();

    QCOMPARE(shown.label, QStringLiteral("Pick results to save:"));
    QCOMPARE(shown.lines, (QStringList{"Ce1", QStringLiteral("Zweite \u00C4nderung \u20AC")}));
    QVERIFY(shown.listVisible);
    QCOMPARE(shown.description, QStringLiteral("Test container"));
    QCOMPARE(shown.filter, saveFilters().at(0));
    QCOMPARE(shown.suffix, QStringLiteral("zrvn"));
    // The pages come back as they were; saving marks no tab.
    QVERIFY(viewer->form().panel()->Content_Results->isVisible());
    QVERIFY(viewer->results().Tabs(1)->Saved());

    ContainerReader reader(target.toStdString());
    QCOMPARE(reader.header().versionWord, 50);
    QVERIFY(!reader.header().meanField);
    QCOMPARE(cp1252ToUtf8(reader.header().description), std::string("caf\u00E9 results"));
    const auto stored = readBack(target.toStdString(), viewer->dir() / "back");
    QCOMPARE(stored.size(), std::size_t(2));
    QCOMPARE(stored[0].name, std::string("Ce1"));
    QCOMPARE(stored[1].name, std::string("Zweite \u00C4nderung \u20AC"));
    for (std::size_t r = 0; r < 2; ++r) {
        const fs::path folder = viewer->root() / ("Result0" + std::to_string(r));
        QCOMPARE(stored[r].members.size(), std::size_t(14));
        for (const auto& [name, bytes] : stored[r].members) {
            const std::string expected =
                fs::exists(folder / name) ? test::readFile(folder / name) : std::string();
            QVERIFY2(bytes == expected, name.c_str());
        }
    }
    // Without the optional box the plot settings stay out; a member missing from a folder is
    // stored empty and not created.
    QCOMPARE(stored[1].members.count("g_E.dup"), std::size_t(0));
    QVERIFY(!fs::exists(viewer->root() / "Result00" / "o_neu.dup"));
    QCOMPARE(stored[0].members.at("o_neu.dup"), std::string());
    QCOMPARE(folderEntries(viewer->root()), filesBefore);
}

void SaveCommandsTest::aMeanFieldResultIsStoredAsZmfaWhateverTheExtension() {
    viewer->importAll(test::makeContainer(viewer->dir(), "plain.zrvn", {"Plain"}));
    viewer->importAll(test::makeContainer(viewer->dir(), "field.mfa", {"M1", "M2"}, true));
    target = QString::fromStdString((viewer->dir() / "typed.zrvn").string());
    answer(true, [this] { pick->CheckListBox1->item(0)->setCheckState(Qt::Unchecked); });
    QTest::mouseClick(viewer->form().MyButtonSave, Qt::LeftButton); // disabled: nothing
    QVERIFY(!shown.fileDialogRan);
    viewer->form().MyButtonSaveClick();

    QCOMPARE(shown.lines, (QStringList{"M1", "M2"}));
    QCOMPARE(shown.filter, saveFilters().at(1));
    QCOMPARE(shown.suffix, QStringLiteral("mfa"));
    QCOMPARE(test::readFile(target.toStdString()).substr(0, 4), std::string("ZMFA"));
    const auto stored = readBack(target.toStdString(), viewer->dir() / "back");
    QCOMPARE(stored.size(), std::size_t(1));
    QCOMPARE(stored[0].name, std::string("M2"));
    QCOMPARE(stored[0].members.size(), std::size_t(13));
}

void SaveCommandsTest::saveAllTakesEveryOrdinaryResultAndTheOptionalBoxKeepsItsState() {
    viewer->importAll(test::makeContainer(viewer->dir(), "a.zrvn", {"A"}));
    viewer->importAll(test::makeContainer(viewer->dir(), "field.mfa", {"M"}, true));
    viewer->importAll(test::makeContainer(viewer->dir(), "b.zrvn", {"B"}));
    QVERIFY(!pick->CheckBoxOptionalFiles->isChecked());
    target = QString::fromStdString((viewer->dir() / "all.zrvn").string());
    answer(true, [this] { pick->CheckBoxOptionalFiles->setChecked(true); });
    viewer->form().SaveAllMenu->trigger();
    QCOMPARE(shown.lines, (QStringList{"A", "B"}));
    QCOMPARE(shown.filter, saveFilters().at(0));
    {
        ContainerReader reader(target.toStdString());
        QCOMPARE(reader.header().versionWord, 55);
        QCOMPARE(int(reader.groups().size()), 5);
    }

    answer(true);
    viewer->form().MyButton_saveALLClick();
    QVERIFY(pick->CheckBoxOptionalFiles->isChecked());
    ContainerReader reader(target.toStdString());
    QCOMPARE(reader.header().versionWord, 55);
}

void SaveCommandsTest::cancelWritesNothing() {
    viewer->importAll(test::makeContainer(viewer->dir(), "a.zrvn", {"A"}));
    target = QString::fromStdString((viewer->dir() / "never.zrvn").string());
    answer(false);
    viewer->form().MyButtonSaveClick();
    QVERIFY(!shown.fileDialogRan);
    // Cancel in the file dialog.
    target.clear();
    answer(true);
    viewer->form().MyButtonSaveClick();
    QVERIFY(shown.fileDialogRan);
    QVERIFY(!fs::exists(viewer->dir() / "never.zrvn"));
}

void SaveCommandsTest::noCandidatesGiveAnEmptyContainer() {
    pick->EditDescription->setText(QStringLiteral("kept"));
    target = QString::fromStdString((viewer->dir() / "empty.zrvn").string());
    answer(true);
    viewer->form().MyButtonSaveClick(); // the start tab is active: no result of its kind
    QCOMPARE(shown.label, QStringLiteral("No results to save"));
    QVERIFY(!shown.listVisible);
    QCOMPARE(shown.description, QStringLiteral("kept"));
    QCOMPARE(fs::file_size(target.toStdString()), std::uintmax_t(267));

    // An empty description is stored as blanks and reads back empty.
    viewer->importAll(test::makeContainer(viewer->dir(), "a.zrvn", {"A"}));
    answer(true, [this] { pick->EditDescription->clear(); });
    viewer->form().MyButtonSaveClick();
    ContainerReader reader(target.toStdString());
    QCOMPARE(reader.header().description, std::string());
    QCOMPARE(test::readFile(target.toStdString()).substr(12, 255), "\xFF" + std::string(254, ' '));
}

void SaveCommandsTest::aFailingSaveLeavesTheOldFileAndSaysWhy_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    QTest::newRow("member that cannot be read") << "folder"
                                                << "Cannot open file ";
    QTest::newRow("target inside the working root")
        << "inside" << QString::fromUtf8(kMsgTargetInWorkingRoot);
}

void SaveCommandsTest::aFailingSaveLeavesTheOldFileAndSaysWhy() {
    QFETCH(QString, failure);
    QFETCH(QString, message);
    viewer->importAll(test::makeContainer(viewer->dir(), "a.zrvn", {"A", "B"}));
    fs::path file = viewer->dir() / "existing.zrvn";
    if (failure == "folder") {
        fs::remove(viewer->root() / "Result01" / "o_E.dup");
        fs::create_directory(viewer->root() / "Result01" / "o_E.dup");
    } else {
        file = viewer->root() / "Result00" / "o_E.dup";
    }
    const std::string old =
        failure == "folder" ? std::string("old container\0\x01", 15) : test::readFile(file);
    test::writeFile(file, old);
    target = QString::fromStdString(file.string());

    setMessagesToStandardError(false);
    test::MessageCatcher catcher;
    answer(true);
    viewer->form().MyButtonSaveClick();
    setMessagesToStandardError(true);
    QTRY_COMPARE(catcher.texts().size(), 1);
    QVERIFY2(catcher.texts().front().startsWith(messageText(message)),
             qPrintable(catcher.texts().front()));
    QVERIFY(test::readFile(file) == old);
    for (const auto& entry : fs::recursive_directory_iterator(viewer->dir()))
        QVERIFY2(entry.path().filename().string().find(".part-") == std::string::npos,
                 entry.path().c_str());
    // The viewer goes on: its pages are back.
    QVERIFY(viewer->form().panel()->Content_Results->isVisible());
}

void SaveCommandsTest::theDescriptionFieldSelectsAllOnAClick() {
    pick->EditDescription->setText(QStringLiteral("a short description"));
    pick->show();
    QVERIFY(QTest::qWaitForWindowExposed(pick));
    QTest::mouseClick(pick->EditDescription, Qt::LeftButton, {}, QPoint(20, 8));
    QCOMPARE(pick->EditDescription->selectedText(), QStringLiteral("a short description"));
    QCOMPARE(pick->EditDescription->maxLength(), 255);
    pick->hide();
}

void SaveCommandsTest::theFileDialogOffersTheThreeFilters() {
    QFileDialog& dialog = *pick->SaveDialog1;
    QCOMPARE(dialog.nameFilters(),
             (QStringList{"Zorvane data file (*.zrvn)", "Zorvane MFA result file (*.mfa)",
                          "All Files (*)"}));
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
    // A name typed without an extension gets the one of the filter chosen.
    emit dialog.filterSelected(saveFilters().at(1));
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("mfa"));
    emit dialog.filterSelected(saveFilters().at(2));
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("zrvn"));
}

QTEST_MAIN(SaveCommandsTest)
#include "save_commands_test.moc"
