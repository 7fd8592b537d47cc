// The description editor on a result folder of its own: loading, the snapshot, automatic
// saving and its failures, the tool bar following the selection, the formatting buttons, and
// discarding.
#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "description/belka_form.h"
#include "description/description_edit.h"
#include "description/description_files.h"
#include "description/format_boxes.h"
#include "description/rich_text_document.h"
#include "description/rtf_reader.h"
#include "resultdata/input_files.h"
#include "support/result_writer.h"
#include "support/viewer_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>

#include <memory>

using namespace vintrel;
namespace fs = std::filesystem;

namespace {

std::string sample(const std::string& name) {
    return test::readFile(fs::path(VINTREL_SOURCE_DIR) / "tests/description/data" / name);
}

} // namespace

class BelkaFormTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadingTakesAByteSnapshotAndIsNoEdit();
    void typingWritesTheFileAtOnce();
    void resultWithoutDescriptionStartsEmpty();
    void superscriptSelectionPressesSuperscript();
    void scriptButtonsRaiseAndShrinkTheSelection();
    void styleButtonsFollowAndSetTheSelection();
    void fontAndColourFollowAndSetTheSelection();
    void editButtonsAndMenuFollowTheField();
    void discardAnsweredNoKeepsTheText();
    void discardPutsTheSnapshotBack();
    void contentTheEditorCannotKeepIsNoted();
    void failingWriteIsReportedOnceAndSaveStaysEnabled();
    void goingAwayWritesNothing();
    void screenshots();

private:
    /// A result whose only file is its description, loaded into the editor.
    void load(const std::string& bytes) {
        test::ResultRecipe recipe = test::ResultRecipe::withoutInputFiles();
        recipe.description = bytes;
        test::writeResult(folder, recipe);
        form->loadDescription(folder);
    }
    std::string saved() const { return test::readFile(folder / kDescriptionFile); }
    RichText savedText() const { return readRichText(saved()); }
    void select(int from, int to) {
        QTextCursor cursor = form->RichEdit1->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        form->RichEdit1->setTextCursor(cursor);
    }
    void click(TMyButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::unique_ptr<test::WorkingRoot> root;
    fs::path folder;
    std::unique_ptr<QWidget> page;
    std::unique_ptr<TBelkaForm> form;
};

void BelkaFormTest::init() {
    root = std::make_unique<test::WorkingRoot>();
    folder = root->folder("Result00");
    fs::create_directories(folder);
    page = std::make_unique<QWidget>();
    page->resize(1000, 400);
    form = std::make_unique<TBelkaForm>();
    form->PanelDescr->setParent(page.get());
    form->PanelDescr->setGeometry(page->rect());
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
}

void BelkaFormTest::cleanup() {
    form.reset();
    page.reset();
    root.reset();
}

void BelkaFormTest::loadingTakesAByteSnapshotAndIsNoEdit() {
    QSignalSpy edited(form.get(), &TBelkaForm::descriptionEdited);
    const std::string bytes = sample("libreoffice_picture.rtf");
    load(bytes);
    QCOMPARE(form->RichEdit1->toPlainText(),
             QStringLiteral("Crystal field of Nd3+ ions.\n\nThe end."));
    QCOMPARE(test::readFile(folder / kDescriptionSnapshotFile), bytes);
    QCOMPARE(saved(), bytes);
    QCOMPARE(edited.count(), 0);
    QVERIFY(!form->MyButtonSaveDescr->isEnabled());
    QVERIFY(!form->MyButtonDiscard->isEnabled());
    QVERIFY(!form->RichEdit1->document()->isUndoAvailable());
    QCOMPARE(form->RichEdit1->textCursor().position(),
             form->RichEdit1->document()->characterCount() - 1);
}

void BelkaFormTest::typingWritesTheFileAtOnce() {
    QSignalSpy edited(form.get(), &TBelkaForm::descriptionEdited);
    load("{\\rtf1 Ce}");
    QTest::keyClicks(form->RichEdit1, QStringLiteral("O"));
    QVERIFY(edited.count() >= 1);
    QCOMPARE(savedText().plain(), std::string("CeO"));
    QVERIFY(form->MyButtonSaveDescr->isEnabled());
    QVERIFY(form->MyButtonDiscard->isEnabled());
    QVERIFY(form->MyButtonUndo->isEnabled());
    // Save writes what every change wrote already and disables itself.
    click(form->MyButtonSaveDescr);
    QVERIFY(!form->MyButtonSaveDescr->isEnabled());
    QCOMPARE(savedText().plain(), std::string("CeO"));
    // The snapshot stays the text of the load.
    QCOMPARE(test::readFile(folder / kDescriptionSnapshotFile), std::string("{\\rtf1 Ce}"));
}

// A result without "descr.dup" after one with a description: the field is empty, the old
// snapshot goes, and the first keystroke writes only what was typed.
void BelkaFormTest::resultWithoutDescriptionStartsEmpty() {
    load("{\\rtf1 text of the previous result}");
    const fs::path other = root->folder("Result01");
    test::writeResult(other, test::ResultRecipe::withoutInputFiles().withFile(
                                 kDescriptionSnapshotFile, "{\\rtf1 stale snapshot}"));
    form->loadDescription(other);
    QCOMPARE(form->RichEdit1->toPlainText(), QString());
    QVERIFY(!fs::exists(other / kDescriptionSnapshotFile));
    QTest::keyClicks(form->RichEdit1, QStringLiteral("n"));
    QCOMPARE(readRichText(test::readFile(other / kDescriptionFile)).plain(), std::string("n"));
    // Discarding goes back to no text at all.
    form->confirmDiscard = [] { return true; };
    click(form->MyButtonDiscard);
    QCOMPARE(form->RichEdit1->toPlainText(), QString());
    QCOMPARE(readRichText(test::readFile(other / kDescriptionFile)).plain(), std::string());
    // The first result kept its own text.
    QCOMPARE(savedText().plain(), std::string("text of the previous result"));
}

void BelkaFormTest::superscriptSelectionPressesSuperscript() {
    QVERIFY(form->MyButtonNormal->Down()); // at start
    QVERIFY(!form->MyButtonSuperscript->Down() && !form->MyButtonSubscript->Down());
    load("{\\rtf1\\fs20 x\\up6\\fs16 2\\up0\\fs20  y\\dn6\\fs16 3\\dn0 {\\super 4}\\up3 5}");
    const struct {
        int from;
        ScriptButton button;
    } cases[] = {{1, ScriptButton::Superscript},
                 {0, ScriptButton::Normal},
                 {4, ScriptButton::Subscript},
                 {5, ScriptButton::Superscript},
                 {6, ScriptButton::None}};
    for (const auto& c : cases) {
        select(c.from, c.from + 1);
        QCOMPARE(form->MyButtonSuperscript->Down(), c.button == ScriptButton::Superscript);
        QCOMPARE(form->MyButtonNormal->Down(), c.button == ScriptButton::Normal);
        QCOMPARE(form->MyButtonSubscript->Down(), c.button == ScriptButton::Subscript);
    }
    select(0, 2); // normal and raised: none pressed
    QVERIFY(!form->MyButtonNormal->Down() && !form->MyButtonSuperscript->Down());
}

void BelkaFormTest::scriptButtonsRaiseAndShrinkTheSelection() {
    load("{\\rtf1 H2O x2}");
    select(1, 2);
    click(form->MyButtonSubscript);
    select(5, 6);
    click(form->MyButtonSuperscript);
    QVERIFY(form->MyButtonSuperscript->Down());
    QVERIFY(!form->MyButtonNormal->Down() && !form->MyButtonSubscript->Down());
    const RichText text = savedText();
    const auto& runs = text.paragraphs[0].runs;
    QCOMPARE(runs.size(), std::size_t(4));
    QCOMPARE(QString::fromStdString(runs[1].text), QStringLiteral("2"));
    QCOMPARE(runs[1].format.raiseHalfPoints, -6);
    QCOMPARE(runs[1].format.sizeHalfPoints, 16);
    QCOMPARE(runs[3].format.raiseHalfPoints, 6);
    QCOMPARE(runs[3].format.sizeHalfPoints, 16);
    // Normal brings both back to the default size on the base line.
    form->RichEdit1->selectAll();
    click(form->MyButtonNormal);
    const RichText normal = savedText();
    QCOMPARE(normal.paragraphs[0].runs.size(), std::size_t(1));
    QCOMPARE(normal.paragraphs[0].runs[0].format.raiseHalfPoints, 0);
    QCOMPARE(normal.paragraphs[0].runs[0].format.sizeHalfPoints, 20);
}

void BelkaFormTest::styleButtonsFollowAndSetTheSelection() {
    load("{\\rtf1 plain \\b bold\\b0  \\i\\ul both}");
    select(6, 8);
    QVERIFY(form->MyButtonBold->Down());
    QVERIFY(!form->MyButtonItalic->Down());
    select(0, 8); // partly bold
    QVERIFY(!form->MyButtonBold->Down());
    click(form->MyButtonBold);
    QVERIFY(form->MyButtonBold->Down());
    QVERIFY(savedText().paragraphs[0].runs[0].format.bold);
    QCOMPARE(QString::fromStdString(savedText().paragraphs[0].runs[0].text),
             QStringLiteral("plain bold"));
    select(11, 15);
    QVERIFY(form->MyButtonItalic->Down() && form->MyButtonUnderline->Down());
    click(form->MyButtonUnderline);
    QVERIFY(!form->MyButtonUnderline->Down());
    const TextRun& last = savedText().paragraphs[0].runs.back();
    QVERIFY(last.format.italic && !last.format.underline);
}

void BelkaFormTest::fontAndColourFollowAndSetTheSelection() {
    QVERIFY(form->ComboBoxFont->count() > 0);
    for (int i = 0; i < form->ComboBoxFont->count(); ++i)
        QVERIFY(!form->ComboBoxFont->itemText(i).contains(QLatin1Char('@')));
    QCOMPARE(form->ComboBoxFont->maxVisibleItems(), 10);
    const QString family = form->ComboBoxFont->itemText(0);
    load("{\\rtf1{\\fonttbl{\\f0 " + family.toStdString() +
         ";}{\\f1 No Such Font;}}{\\colortbl;\\red255\\green0\\blue0;\\red1\\green2\\blue3;}"
         "\\f0\\cf1 red\\cf2 odd\\f1\\cf0 auto}");
    select(0, 3);
    QCOMPARE(form->ComboBoxFont->currentText(), family);
    QCOMPARE(form->ColorBox->currentText(), QStringLiteral("Red"));
    select(3, 6); // a colour that is not listed: the first one
    QCOMPARE(form->ColorBox->currentIndex(), 0);
    select(6, 10); // a font that is not listed: no entry; the automatic colour is black
    QCOMPARE(form->ComboBoxFont->currentIndex(), -1);
    QCOMPARE(form->ColorBox->currentText(), QStringLiteral("Black"));

    select(0, 3);
    const int blue = form->ColorBox->findText(QStringLiteral("Blue"));
    form->ColorBox->setCurrentIndex(blue);
    emit form->ColorBox->activated(blue);
    QCOMPARE(savedText().paragraphs[0].runs[0].format.colour, (TextColour{0, 0, 255}));
    const int other = form->ComboBoxFont->count() - 1;
    form->ComboBoxFont->setCurrentIndex(other);
    emit form->ComboBoxFont->activated(other);
    QCOMPARE(savedText().paragraphs[0].runs[0].format.font,
             form->ComboBoxFont->itemText(other).toStdString());
}

void BelkaFormTest::editButtonsAndMenuFollowTheField() {
    load("{\\rtf1 abc}");
    QApplication::clipboard()->clear();
    QVERIFY(!form->MyButtonCut->isEnabled() && !form->MyButtonCopy->isEnabled());
    QVERIFY(!form->MyButtonUndo->isEnabled() && !form->MyButtonRedo->isEnabled());
    select(0, 2);
    QVERIFY(form->MyButtonCut->isEnabled() && form->Copy1->isEnabled());
    click(form->MyButtonCopy);
    QVERIFY(form->MyButtonPaste->isEnabled() && form->Paste1->isEnabled());
    click(form->MyButtonCut);
    QCOMPARE(savedText().plain(), std::string("c"));
    QVERIFY(form->MyButtonUndo->isEnabled() && form->Undo1->isEnabled());
    click(form->MyButtonUndo);
    QCOMPARE(savedText().plain(), std::string("abc"));
    QVERIFY(form->MyButtonRedo->isEnabled());
    click(form->MyButtonRedo);
    QCOMPARE(savedText().plain(), std::string("c"));
    click(form->MyButtonPaste);
    QCOMPARE(savedText().plain(), std::string("abc"));
    // The context menu's items are enabled like the buttons.
    select(0, 0);
    emit form->RichEdit1->customContextMenuRequested(QPoint(5, 5));
    QVERIFY(form->PopupMenu1->isVisible());
    QVERIFY(!form->Cut1->isEnabled() && !form->Copy1->isEnabled() && form->Paste1->isEnabled());
    form->PopupMenu1->close();
}

void BelkaFormTest::discardAnsweredNoKeepsTheText() {
    load("{\\rtf1 kept}");
    QTest::keyClicks(form->RichEdit1, QStringLiteral(" edit"));
    const std::string before = saved();
    int asked = 0;
    form->confirmDiscard = [&] {
        ++asked;
        return false;
    };
    click(form->MyButtonDiscard);
    QCOMPARE(asked, 1);
    QCOMPARE(form->RichEdit1->toPlainText(), QStringLiteral("kept edit"));
    QCOMPARE(saved(), before);
}

// Discarding puts the snapshot's bytes back, a picture the field never showed included.
void BelkaFormTest::discardPutsTheSnapshotBack() {
    const std::string bytes = sample("libreoffice_picture.rtf");
    load(bytes);
    QTest::keyClicks(form->RichEdit1, QStringLiteral("!"));
    QVERIFY(saved().find("pngblip") == std::string::npos);
    QSignalSpy edited(form.get(), &TBelkaForm::descriptionEdited);
    form->confirmDiscard = [] { return true; };
    click(form->MyButtonDiscard);
    QCOMPARE(saved(), bytes);
    QCOMPARE(form->RichEdit1->toPlainText(),
             QStringLiteral("Crystal field of Nd3+ ions.\n\nThe end."));
    QVERIFY(edited.count() >= 1);
    QVERIFY(form->MyButtonSaveDescr->isEnabled());
    QCOMPARE(form->RichEdit1->textCursor().position(),
             form->RichEdit1->document()->characterCount() - 1);
}

void BelkaFormTest::contentTheEditorCannotKeepIsNoted() {
    load(sample("libreoffice_picture.rtf"));
    QVERIFY(form->LabelDropped->isVisible());
    QVERIFY(form->LabelDropped->text().contains(QStringLiteral("pictures")));
    load(sample("wordpad_tables.rtf"));
    QVERIFY(!form->LabelDropped->isVisible());
}

void BelkaFormTest::failingWriteIsReportedOnceAndSaveStaysEnabled() {
    load("{\\rtf1 a}");
    fs::remove(folder / kDescriptionFile);
    fs::create_directories(folder / kDescriptionFile / "in the way");
    {
        test::MessageCatcher messages;
        QTest::keyClicks(form->RichEdit1, QStringLiteral("bcd"));
        QTRY_COMPARE(messages.texts().size(), 1);
        QVERIFY2(messages.texts().front().contains(QStringLiteral("Cannot create file")),
                 qPrintable(messages.texts().front()));
        QVERIFY(form->MyButtonSaveDescr->isEnabled());
        // Save, asked for, reports again and stays enabled.
        click(form->MyButtonSaveDescr);
        QTRY_COMPARE(messages.texts().size(), 2);
        QVERIFY(form->MyButtonSaveDescr->isEnabled());
    }
    // Once the file can be written, the next change writes it and a later failure is
    // reported again.
    fs::remove_all(folder / kDescriptionFile);
    QTest::keyClicks(form->RichEdit1, QStringLiteral("e"));
    QCOMPARE(savedText().plain(), std::string("abcde"));
    fs::remove(folder / kDescriptionFile);
    fs::create_directories(folder / kDescriptionFile / "in the way");
    test::MessageCatcher messages;
    QTest::keyClicks(form->RichEdit1, QStringLiteral("f"));
    QTRY_COMPARE(messages.texts().size(), 1);
}

void BelkaFormTest::goingAwayWritesNothing() {
    const std::string bytes = sample("word_cp1250_unicode.rtf");
    load(bytes);
    page.reset(); // the panel, with the field, goes first, as at the end of a run
    form.reset();
    QCOMPARE(saved(), bytes);
}

void BelkaFormTest::screenshots() {
    QDir().mkpath(VINTREL_SCREENSHOT_DIR);
    for (const char* name :
         {"wordpad_tables.rtf", "word_cp1250_unicode.rtf", "libreoffice_picture.rtf"}) {
        load(sample(name));
        select(1, 3);
        const QImage shot = form->PanelDescr->grab().toImage();
        QVERIFY(!shot.isNull());
        QVERIFY(shot.save(QString(VINTREL_SCREENSHOT_DIR) + "/description_" +
                          QString::fromLatin1(name).replace(QStringLiteral(".rtf"), ".png")));
    }
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installViewerFonts();
    BelkaFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "belka_form_test.moc"
