// The bridge between descriptions and QTextDocument, and the clipboard of the editor's field.
#include "controls/fonts.h"
#include "description/description_edit.h"
#include "description/rich_text_document.h"
#include "description/rtf_reader.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using namespace vintrel;

namespace {

std::string sample(const std::string& name) {
    return test::readFile(std::filesystem::path(VINTREL_SOURCE_DIR) / "tests/description/data" /
                          name);
}

void putOnClipboard(const QString& format, const QByteArray& data) {
    auto* mime = new QMimeData;
    mime->setData(format, data);
    QApplication::clipboard()->setMimeData(mime);
}

void putHtmlOnClipboard(const QString& html) {
    auto* mime = new QMimeData;
    mime->setHtml(html);
    mime->setText(QStringLiteral("plain fallback"));
    QApplication::clipboard()->setMimeData(mime);
}

} // namespace

class RichTextDocumentTest : public QObject {
    Q_OBJECT
private slots:
    void descriptionsGoThroughADocumentUnchanged_data();
    void descriptionsGoThroughADocumentUnchanged();
    void raiseIsDrawnRaised();
    void pastedRichTextKeepsItsFormats();
    void pastedHtmlLosesPicturesAndLoadsNothing();
    void copyOffersRichText();
    void selectionFormatsCoverTheSelectedRuns();
};

void RichTextDocumentTest::descriptionsGoThroughADocumentUnchanged_data() {
    QTest::addColumn<QByteArray>("bytes");
    for (const char* name :
         {"wordpad_tables.rtf", "word_cp1250_unicode.rtf", "libreoffice_picture.rtf"}) {
        const std::string bytes = sample(name);
        QTest::newRow(name) << QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    QTest::newRow("plain text") << QByteArray("first line\r\n\tsecond \xe9 line\r\n");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("empty paragraphs") << QByteArray("{\\rtf1\\par\\par x\\line\\line\\par}");
}

void RichTextDocumentTest::descriptionsGoThroughADocumentUnchanged() {
    QFETCH(QByteArray, bytes);
    const RichText text = readRichText(std::string_view(bytes.constData(), bytes.size()));
    QTextDocument document;
    fillDocument(document, text, TextDefaults{});
    QCOMPARE(document.blockCount(), static_cast<int>(text.paragraphs.size()));
    const RichText back = richTextOf(document);
    QVERIFY(back.paragraphs == text.paragraphs);
}

void RichTextDocumentTest::raiseIsDrawnRaised() {
    CharFormat up;
    up.raiseHalfPoints = 6;
    up.sizeHalfPoints = 16;
    const QTextCharFormat raised = qtCharFormat(up, TextDefaults{});
    QVERIFY(raised.baselineOffset() > 0);
    QCOMPARE(raised.verticalAlignment(), QTextCharFormat::AlignNormal);
    QCOMPARE(raised.fontPointSize(), 8.0);
    CharFormat down = up;
    down.raiseHalfPoints = -6;
    QVERIFY(qtCharFormat(down, TextDefaults{}).baselineOffset() < 0);
    // What is left to the defaults stays out of the format.
    const QTextCharFormat plain = qtCharFormat(CharFormat{}, TextDefaults{});
    QVERIFY(!plain.hasProperty(QTextFormat::FontFamilies));
    QVERIFY(!plain.hasProperty(QTextFormat::FontPointSize));
    QVERIFY(!plain.hasProperty(QTextFormat::ForegroundBrush));
}

void RichTextDocumentTest::pastedRichTextKeepsItsFormats() {
    TDescriptionEdit edit;
    edit.setPlainText(QStringLiteral("AB"));
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(1);
    edit.setTextCursor(cursor);
    putOnClipboard(QStringLiteral("text/rtf"),
                   "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs16\\up6\\b x{\\pict\\bin2 }}}\\par "
                   "second}");
    QVERIFY(edit.canPaste());
    edit.paste();
    const RichText text = richTextOf(*edit.document());
    QCOMPARE(QString::fromStdString(text.plain()), QStringLiteral("Ax\nsecondB"));
    const TextRun& x = text.paragraphs[0].runs[1];
    QCOMPARE(QString::fromStdString(x.text), QStringLiteral("x"));
    QCOMPARE(x.format.raiseHalfPoints, 6);
    QCOMPARE(x.format.sizeHalfPoints, 16);
    QVERIFY(x.format.bold);
    QCOMPARE(x.format.font, std::string("Arial"));
}

// Pasted HTML names a style sheet and pictures: none of them is read, the pictures are left
// out, and the text of the table stays.
void RichTextDocumentTest::pastedHtmlLosesPicturesAndLoadsNothing() {
    test::TempDir dir;
    test::writeFile(dir / "red.css", "p { color: #ff0000; font-weight: bold }");
    const QString folder = QString::fromStdString(dir.path().string());
    const QString html =
        QStringLiteral("<html><head><link rel=\"stylesheet\" type=\"text/css\" "
                       "href=\"file://%1/red.css\"></head>"
                       "<body><p>one<img src=\"file://%1/red.css\">two</p>"
                       "<table><tr><td>c1</td><td>c2</td></tr></table></body></html>")
            .arg(folder);
    // A plain document does follow the link, so the sheet would be seen if it were read.
    QTextDocument plain;
    plain.setHtml(html);
    QVERIFY(plain.begin().begin().fragment().charFormat().foreground().color() ==
            QColor(255, 0, 0));

    TDescriptionEdit edit;
    putHtmlOnClipboard(html);
    edit.paste();
    const RichText text = richTextOf(*edit.document());
    const QString plainText = QString::fromStdString(text.plain());
    QVERIFY2(plainText.startsWith(QStringLiteral("onetwo")), qPrintable(plainText));
    QVERIFY(plainText.contains(QStringLiteral("c1")) && plainText.contains(QStringLiteral("c2")));
    QVERIFY(!edit.document()->toPlainText().contains(QChar::ObjectReplacementCharacter));
    for (const Paragraph& paragraph : text.paragraphs)
        for (const TextRun& run : paragraph.runs) {
            QVERIFY(!run.format.colour);
            QVERIFY(!run.format.bold);
        }
}

void RichTextDocumentTest::copyOffersRichText() {
    TDescriptionEdit edit;
    fillDocument(*edit.document(),
                 readRichText("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 a\\up6\\fs16 2\\up0\\fs24 b}"),
                 edit.defaults());
    edit.selectAll();
    edit.copy();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied && copied->hasFormat(QStringLiteral("text/rtf")));
    const QByteArray rtf = copied->data(QStringLiteral("text/rtf"));
    const RichText back = readRichText(std::string_view(rtf.constData(), rtf.size()));
    QVERIFY(back.paragraphs == richTextOf(*edit.document()).paragraphs);
    QVERIFY(copied->hasText());
}

void RichTextDocumentTest::selectionFormatsCoverTheSelectedRuns() {
    QTextDocument document;
    fillDocument(document, readRichText("{\\rtf1 a\\b b\\b0\\i c\\par d}"), TextDefaults{});
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    const std::vector<CharFormat> formats = selectionFormats(cursor);
    QCOMPARE(formats.size(), std::size_t(2));
    QVERIFY(formats[0].bold && !formats[0].italic);
    QVERIFY(!formats[1].bold && formats[1].italic);
    cursor.clearSelection();
    QCOMPARE(selectionFormats(cursor).size(), std::size_t(1));
    QVERIFY(selectionFormats(cursor).front().italic);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installViewerFonts();
    RichTextDocumentTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "rich_text_document_test.moc"
