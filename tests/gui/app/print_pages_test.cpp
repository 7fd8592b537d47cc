#include "app/page_export.h"
#include "app/print_pages.h"
#include "app/reader_form.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "support/strip_actions.h"
#include "support/temp_dir.h"
#include "support/viewer_fixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cstring>

using namespace vintrel;
namespace fs = std::filesystem;

namespace {

/// What a test needs to know of a PDF file written by the printer.
struct PdfFile {
    QByteArray bytes;

    int pageCount() const {
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
        int count = 0;
        for (auto it = page.globalMatch(QString::fromLatin1(bytes)); it.hasNext(); it.next())
            ++count;
        return count;
    }

    /// The first page's size in points.
    QSizeF pageSize() const {
        static const QRegularExpression box(QStringLiteral(
            "/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)"));
        const auto match = box.match(QString::fromLatin1(bytes));
        if (!match.hasMatch())
            return {};
        return QSizeF(match.captured(3).toDouble() - match.captured(1).toDouble(),
                      match.captured(4).toDouble() - match.captured(2).toDouble());
    }

    /// The first embedded picture, decoded; a null image when there is none.
    QImage firstImage() const {
        const QString text = QString::fromLatin1(bytes);
        const qsizetype at = text.indexOf(QStringLiteral("/Subtype /Image"));
        if (at < 0)
            return {};
        const qsizetype start = text.lastIndexOf(QStringLiteral("<<"), at);
        const qsizetype streamAt = text.indexOf(QStringLiteral("stream"), at);
        const QString dictionary = text.mid(start, streamAt - start);
        const auto number = [&](const QString& key) {
            const auto m = QRegularExpression(key + QStringLiteral("\\s+(\\d+)(\\s+0\\s+R)?"))
                               .match(dictionary);
            if (!m.hasMatch())
                return -1;
            if (m.captured(2).isEmpty())
                return m.captured(1).toInt();
            const auto object = QRegularExpression(QStringLiteral("(?:^|\\s)") + m.captured(1) +
                                                   QStringLiteral(" 0 obj\\s*(\\d+)"))
                                    .match(text);
            return object.hasMatch() ? object.captured(1).toInt() : -1;
        };
        const int width = number(QStringLiteral("/Width"));
        const int height = number(QStringLiteral("/Height"));
        const int length = number(QStringLiteral("/Length"));
        qsizetype data = streamAt + 6;
        if (bytes[data] == '\r')
            ++data;
        if (bytes[data] == '\n')
            ++data;
        if (width <= 0 || height <= 0 || length <= 0)
            return {};
        QByteArray stream = bytes.mid(data, length);
        if (dictionary.contains(QStringLiteral("/DCTDecode")))
            return QImage::fromData(stream, "JPEG").convertToFormat(QImage::Format_RGB888);
        if (dictionary.contains(QStringLiteral("/FlateDecode"))) {
            const quint32 size = quint32(width) * quint32(height) * 3;
            QByteArray sized(4, '\0');
            for (int i = 0; i < 4; ++i)
                sized[i] = char((size >> (24 - 8 * i)) & 0xFF);
            stream = qUncompress(sized + stream);
        }
        if (stream.size() != qsizetype(width) * height * 3)
            return {};
        QImage image(width, height, QImage::Format_RGB888);
        for (int y = 0; y < height; ++y)
            std::memcpy(image.scanLine(y), stream.constData() + qsizetype(y) * width * 3,
                        std::size_t(width) * 3);
        return image;
    }
};

/// The share of pixels in which two pictures of the same size differ.
double differingShare(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 1;
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            differing += x.pixel(col, row) != y.pixel(col, row);
    return double(differing) / (double(x.width()) * x.height());
}

/// Runs `action` on the print dialog once it is on screen; it is made anew for each command.
void whenPrintFormShown(QWidget* owner, std::function<void(TPrintTabsForm&)> action) {
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, owner, [owner, timer, action] {
        auto* form = owner->findChild<TPrintTabsForm*>();
        if (!form || !form->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(*form);
    });
    timer->start(10);
}

QStringList lines(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

QStringList checkedLines(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->checkState() == Qt::Checked)
            texts << list.item(i)->text();
    return texts;
}

} // namespace

class PrintPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        viewer = std::make_unique<test::ViewerSession>();
        pdf = QString::fromStdString((viewer->dir() / "printed.pdf").string());
        printerAsked = 0;
        viewer->form().setupPrinter = [this](QPrinter& printer) {
            ++printerAsked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        };
    }
    void cleanup() { viewer.reset(); }

    void printIsOfferedOnlyWhileAResultIsCurrent();
    void currentPageOnlyPrintsThePagePicture();
    void allPagesPrintsThePagesOfTheResultsKind_data();
    void allPagesPrintsThePagesOfTheResultsKind();
    void cancelPrintsNothing();
    void aPrinterThatCannotStartIsReported();
    void thePictureFillsThePageKeepingItsProportions();

private:
    TReaderForm& form() { return viewer->form(); }
    PdfFile printed() const {
        QFile file(pdf);
        return PdfFile{file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()};
    }

    std::unique_ptr<test::ViewerSession> viewer;
    QString pdf;
    int printerAsked = 0;
};

void PrintPagesTest::printIsOfferedOnlyWhileAResultIsCurrent() {
    QVERIFY(!form().MyButton_PRINT->isEnabled());
    QVERIFY(!form().PrintMenu->isEnabled());
    form().MyButton_PRINTClick(); // nothing current: no dialog, nothing printed
    QCOMPARE(printerAsked, 0);
    viewer->importAll(test::makeContainer(viewer->dir(), "one.zrvn", {"A"}));
    QVERIFY(form().MyButton_PRINT->isEnabled());
    QVERIFY(form().PrintMenu->isEnabled());
    test::clickTab(viewer->results(), 0);
    QVERIFY(!form().MyButton_PRINT->isEnabled());
    QVERIFY(!form().PrintMenu->isEnabled());
    test::clickTab(viewer->results(), 1);
    QVERIFY(form().MyButton_PRINT->isEnabled());
    form().DeleteTabMenuClick();
    QVERIFY(!form().MyButton_PRINT->isEnabled());
    QVERIFY(!form().PrintMenu->isEnabled());
}

void PrintPagesTest::currentPageOnlyPrintsThePagePicture() {
    viewer->importAll(test::makeContainer(viewer->dir(), "one.zrvn", {"Printed"}));
    test::clickTab(viewer->pages(), 3);
    QString name;
    QString title;
    QStringList listed;
    QStringList checked;
    whenPrintFormShown(&form(), [&](TPrintTabsForm& print) {
        title = print.windowTitle();
        name = print.LabelResultName->text();
        listed = lines(*print.CheckListBox1);
        print.MyButtonAll->Click();
        print.MyButtonOne->Click();
        checked = checkedLines(*print.CheckListBox1);
        print.grab().save(QCoreApplication::applicationDirPath() + "/../print-pages.png");
        QTest::mouseClick(print.MyButtonOK, Qt::LeftButton);
    });
    form().PrintMenu->trigger();
    QCOMPARE(title, QStringLiteral("set pages to print"));
    QCOMPARE(name, QStringLiteral("Printed"));
    QCOMPARE(listed, (QStringList{"parameters", "Hamiltonian", "CEF view", "energy levels",
                                  "spectroscopy", "magnetic sus.", "inverse sus.", "specific heat",
                                  "entropy", "description"}));
    QCOMPARE(checked, QStringList{"energy levels"});
    QCOMPARE(printerAsked, 1);
    QCOMPARE(viewer->pages().ActiveTab(), 3);
    QVERIFY(form().findChildren<TPrintTabsForm*>().isEmpty());

    const PdfFile file = printed();
    QCOMPARE(file.pageCount(), 1);
    QCOMPARE(file.pageSize().toSize(), QSize(842, 595));
    const QImage image = file.firstImage();
    const QImage picture = pagePicture(form()).toImage();
    image.save(QCoreApplication::applicationDirPath() + "/../printed-page.png");
    QCOMPARE(image.size(), picture.size());
    QVERIFY2(differingShare(image, picture) < 0.002,
             qPrintable(QString::number(differingShare(image, picture))));
}

void PrintPagesTest::allPagesPrintsThePagesOfTheResultsKind_data() {
    QTest::addColumn<bool>("meanField");
    QTest::addColumn<int>("pages");
    QTest::newRow("ordinary result") << false << 10;
    QTest::newRow("mean-field result") << true << 9;
}

void PrintPagesTest::allPagesPrintsThePagesOfTheResultsKind() {
    QFETCH(bool, meanField);
    QFETCH(int, pages);
    // A result of the other kind is open too: its pages are not offered.
    viewer->importAll(test::makeContainer(viewer->dir(), "other.mfa", {"Other"}, !meanField));
    viewer->importAll(test::makeContainer(viewer->dir(), "this.zrvn", {"This"}, meanField));
    const int current = viewer->pages().ActiveTab();
    QStringList listed;
    whenPrintFormShown(&form(), [&](TPrintTabsForm& print) {
        listed = lines(*print.CheckListBox1);
        print.MyButtonAll->Click();
        QTest::mouseClick(print.MyButtonOK, Qt::LeftButton);
    });
    form().MyButton_PRINT->Click();
    QCOMPARE(int(listed.size()), pages);
    QCOMPARE(listed.last(), QStringLiteral("description"));
    QCOMPARE(printed().pageCount(), pages);
    // The page shown before comes back, and the strip shows the pages of the result's kind.
    QCOMPARE(viewer->pages().ActiveTab(), current);
    int visible = 0;
    for (int i = 0; i < viewer->pages().TabCount(); ++i)
        visible += viewer->pages().Tabs(i)->Visible();
    QCOMPARE(visible, pages);
}

void PrintPagesTest::cancelPrintsNothing() {
    viewer->importAll(test::makeContainer(viewer->dir(), "one.zrvn", {"A"}));
    whenPrintFormShown(&form(), [&](TPrintTabsForm& print) {
        QTest::mouseClick(print.MyButtonCancel, Qt::LeftButton);
    });
    form().MyButton_PRINTClick();
    QCOMPARE(printerAsked, 0);
    // The system dialog cancelled.
    form().setupPrinter = [this](QPrinter&) {
        ++printerAsked;
        return false;
    };
    whenPrintFormShown(&form(), [&](TPrintTabsForm& print) { print.pressOk(); });
    form().MyButton_PRINTClick();
    QCOMPARE(printerAsked, 1);
    QVERIFY(!QFile::exists(pdf));
}

void PrintPagesTest::aPrinterThatCannotStartIsReported() {
    viewer->importAll(test::makeContainer(viewer->dir(), "one.zrvn", {"A"}));
    pdf = QString::fromStdString((viewer->dir() / "no" / "such" / "folder.pdf").string());
    setMessagesToStandardError(false);
    test::MessageCatcher catcher;
    whenPrintFormShown(&form(), [&](TPrintTabsForm& print) { print.pressOk(); });
    form().MyButton_PRINTClick();
    setMessagesToStandardError(true);
    QTRY_COMPARE(catcher.texts(),
                 QStringList{messageText(QStringLiteral("Cannot print:\r") + pdf)});
}

void PrintPagesTest::thePictureFillsThePageKeepingItsProportions() {
    // Wide pictures fill the width, tall ones the height; both keep their proportions.
    QCOMPARE(printedRect(QSize(1280, 900), QRect(10, 20, 640, 900)), QRect(10, 20, 640, 450));
    QCOMPARE(printedRect(QSize(1280, 900), QRect(0, 0, 2560, 900)), QRect(0, 0, 1280, 900));
    QCOMPARE(printedRect(QSize(100, 200), QRect(0, 0, 400, 400)), QRect(0, 0, 200, 400));
    QCOMPARE(printedRect(QSize(), QRect(0, 0, 400, 400)), QRect());
}

QTEST_MAIN(PrintPagesTest)
#include "print_pages_test.moc"
