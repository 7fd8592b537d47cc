#include "app/help_browser.h"
#include "app/reader_form.h"
#include "app/splash_form.h"
#include "app/start_panel.h"
#include "app/wizard_form.h"
#include "controls/my_button.h"
#include "support/strip_actions.h"
#include "support/temp_dir.h"
#include "support/viewer_fixture.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTimer>

using namespace vintrel;
using namespace vintrel::test;
namespace fs = std::filesystem;

namespace {

/// The help pages as shipped in the source tree.
QString sourceHelpFolder() {
    return QStringLiteral(VINTREL_SOURCE_DIR) + QStringLiteral("/data/wizard-reader");
}

QString readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList helpPages(const QString& folder) {
    QStringList pages;
    QDirIterator it(folder, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pages << it.next();
    pages.sort();
    return pages;
}

/// The local targets of the links and pictures of a page (href and src values), fragments cut.
QStringList localTargets(const QString& html) {
    static const QRegularExpression attribute(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                              QRegularExpression::CaseInsensitiveOption);
    QStringList targets;
    for (auto match = attribute.globalMatch(html); match.hasNext();) {
        QString target = match.next().captured(1);
        if (target.contains(QLatin1Char(':')))
            continue; // http:, https:, mailto:
        target = target.section(QLatin1Char('#'), 0, 0);
        if (!target.isEmpty())
            targets << target;
    }
    return targets;
}

QString fileNameOf(const QUrl& url) {
    return QFileInfo(url.toLocalFile()).fileName();
}

QString languageFolderOf(const QUrl& url) {
    return QFileInfo(url.toLocalFile()).dir().dirName();
}

/// Where the anchor with `href` is drawn in the browser's viewport (null when there is none).
QPoint anchorPoint(QTextBrowser& browser, const QString& href) {
    QTextDocument* document = browser.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            browser.ensureCursorVisible();
            return browser.cursorRect(cursor).center();
        }
    return {};
}

/// The first link of the menu that names a target window and leads to a topic (not to the
/// start page): its href.
QString firstTargetedMenuLink(const QString& menuPath) {
    static const QRegularExpression link(
        QStringLiteral("<a\\s+href=\"([^\"]+)\"\\s+target=\"[^\"]+\""));
    for (auto match = link.globalMatch(readAll(menuPath)); match.hasNext();) {
        const QString href = match.next().captured(1);
        if (href != QLatin1String("welcome.html"))
            return href;
    }
    return {};
}

/// A help window on the pages beside the test program (the build tree's copy).
std::unique_ptr<TWizardForm> shownWizard(const QString& programFolder) {
    auto form = std::make_unique<TWizardForm>(programFolder);
    form->ShowAndFocusBrowser();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("the help window was not exposed");
    return form;
}

} // namespace

class WizardFormTest : public QObject {
    Q_OBJECT
private slots:
    void eachLanguageHasBothNamedPages_data();
    void eachLanguageHasBothNamedPages();
    void everyLinkAndPictureResolves();
    void languagesHaveTheSamePages();
    void startsInEnglishAtItsSize();
    void switchingLanguageLoadsItsMenuAndStartPage_data();
    void switchingLanguageLoadsItsMenuAndStartPage();
    void backIsNeverEnabledOnTheStartPage();
    void menuLinkWithTargetOpensInThePageView();
    void rightClickShowsNoContextMenu();
    void wheelAwayFromTheUserScrollsUp();
    void leftClickGivesThePageTheFocus();
    void missingPageShowsItsOwnPage();
    void programFolderWithSpacesHashAndPercent();
    void helpCommandsShowTheWindowAndExitHidesIt();
    void creditsPanelInTheStartPanel();
};

void WizardFormTest::eachLanguageHasBothNamedPages_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("page");
    for (int language = 1; language <= 3; ++language)
        for (const char* page : {"menu.html", "welcome.html"})
            QTest::addRow("%s/%s", kHelpLanguages[language - 1].folder, page)
                << language << QString::fromLatin1(page);
}

void WizardFormTest::eachLanguageHasBothNamedPages() {
    QFETCH(int, language);
    QFETCH(QString, page);
    // In the source tree and beside the program, where the viewer looks.
    for (const QString& folder :
         {QStringLiteral(VINTREL_SOURCE_DIR), QCoreApplication::applicationDirPath()}) {
        const QUrl url = helpPageUrl(folder, language, page);
        QVERIFY2(QFileInfo(url.toLocalFile()).isFile(), qPrintable(url.toLocalFile()));
        const QString html = readAll(url.toLocalFile());
        QVERIFY(html.contains(QStringLiteral("<title>")));
        QVERIFY(html.contains(QStringLiteral("charset=utf-8"), Qt::CaseInsensitive));
    }
}

void WizardFormTest::everyLinkAndPictureResolves() {
    const QStringList pages = helpPages(sourceHelpFolder());
    QVERIFY(pages.size() >= 6);
    const QString root = QDir(sourceHelpFolder()).canonicalPath();
    int pictures = 0;
    for (const QString& page : pages) {
        const QDir here = QFileInfo(page).dir();
        for (const QString& target : localTargets(readAll(page))) {
            const QFileInfo file(here.filePath(target));
            QVERIFY2(file.isFile(), qPrintable(page + QStringLiteral(" -> ") + target));
            QVERIFY2(file.canonicalFilePath().startsWith(root + QLatin1Char('/')),
                     qPrintable(page + QStringLiteral(" leaves the help: ") + target));
            QVERIFY2(!target.contains(QLatin1Char('\\')), qPrintable(target));
            pictures += target.endsWith(QLatin1String(".png"));
        }
    }
    QVERIFY(pictures > 0);
}

void WizardFormTest::languagesHaveTheSamePages() {
    const auto names = [](const char* folder) {
        QStringList files = QDir(sourceHelpFolder() + QLatin1Char('/') + QLatin1String(folder))
                                .entryList({QStringLiteral("*.html")}, QDir::Files);
        files.sort();
        return files;
    };
    QCOMPARE(names("PL"), names("EN"));
    QCOMPARE(names("DE"), names("EN"));
}

void WizardFormTest::startsInEnglishAtItsSize() {
    const auto form = shownWizard(QCoreApplication::applicationDirPath());
    QCOMPARE(form->windowTitle(), QStringLiteral("ZoVa Wizard"));
    QCOMPARE(form->size(), QSize(920, 561));
    QCOMPARE(form->language(), 1);
    QCOMPARE(tabCaptions(*form->MyPanel4->Zakladki),
             QStringList(
                 {QStringLiteral("English"), QStringLiteral("Polski"), QStringLiteral("Deutsch")}));
    QCOMPARE(form->MyPanel4->Zakladki->ActiveTab(), 0);
    // All three tabs are on show, from the first.
    QCOMPARE(form->MyPanel4->Zakladki->Offset(), 0);
    QVERIFY(!form->MyPanel4->Zakladki->LeftBtnVisible());
    QVERIFY(!form->MyPanel4->Zakladki->RightBtnVisible());
    QCOMPARE(form->MenuBrowser->width(), 320);
    QCOMPARE(fileNameOf(form->MenuBrowser->source()), QStringLiteral("menu.html"));
    QCOMPARE(fileNameOf(form->WizardBrowser->source()), QStringLiteral("welcome.html"));
    QCOMPARE(languageFolderOf(form->WizardBrowser->source()), QStringLiteral("EN"));
    QVERIFY(!form->MyButtonBack->isEnabled());
    QVERIFY(!form->MyButtonNext->isEnabled());
    QVERIFY(form->MyButtonHome->isEnabled());
    QTRY_VERIFY(form->WizardBrowser->hasFocus());
}

void WizardFormTest::switchingLanguageLoadsItsMenuAndStartPage_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("folder");
    QTest::newRow("Polski") << 1 << QStringLiteral("PL");
    QTest::newRow("Deutsch") << 2 << QStringLiteral("DE");
}

void WizardFormTest::switchingLanguageLoadsItsMenuAndStartPage() {
    QFETCH(int, tab);
    QFETCH(QString, folder);
    const auto form = shownWizard(QCoreApplication::applicationDirPath());
    // Leave the start page first: the switch must bring the start page of the new language.
    const QString topic = firstTargetedMenuLink(form->MenuBrowser->source().toLocalFile());
    form->WizardBrowser->setSource(form->WizardBrowser->source().resolved(QUrl(topic)));
    clickTab(*form->MyPanel4->Zakladki, tab);
    QCOMPARE(form->language(), tab + 1);
    QCOMPARE(languageFolderOf(form->MenuBrowser->source()), folder);
    QCOMPARE(fileNameOf(form->MenuBrowser->source()), QStringLiteral("menu.html"));
    QCOMPARE(languageFolderOf(form->WizardBrowser->source()), folder);
    QCOMPARE(fileNameOf(form->WizardBrowser->source()), QStringLiteral("welcome.html"));
    const QString expectedTitle =
        QTextDocumentFragment::fromHtml(readAll(sourceHelpFolder() + QLatin1Char('/') + folder +
                                                QStringLiteral("/welcome.html")))
            .toPlainText();
    QVERIFY(!expectedTitle.isEmpty());
    QCOMPARE(form->WizardBrowser->toPlainText(), expectedTitle);
    QVERIFY(!form->MyButtonBack->isEnabled());
    // Home stays in the new language.
    form->WizardBrowser->setSource(form->WizardBrowser->source().resolved(QUrl(topic)));
    form->ButtonHomeClick();
    QCOMPARE(languageFolderOf(form->WizardBrowser->source()), folder);
}

void WizardFormTest::backIsNeverEnabledOnTheStartPage() {
    const auto form = shownWizard(QCoreApplication::applicationDirPath());
    const QUrl welcome = form->WizardBrowser->source();
    const QString topic = firstTargetedMenuLink(
        welcome.toLocalFile().replace(QStringLiteral("welcome.html"), QStringLiteral("menu.html")));
    QVERIFY(!topic.isEmpty());
    form->WizardBrowser->setSource(welcome.resolved(QUrl(topic)));
    QVERIFY(form->MyButtonBack->isEnabled());
    QVERIFY(!form->MyButtonNext->isEnabled());

    form->ButtonHomeClick(); // welcome again, with pages behind it in the history
    QVERIFY(form->WizardBrowser->isBackwardAvailable());
    QVERIFY(!form->MyButtonBack->isEnabled());

    form->WizardBrowser->backward(); // the topic
    QCOMPARE(fileNameOf(form->WizardBrowser->source()), fileNameOf(welcome.resolved(QUrl(topic))));
    QVERIFY(form->MyButtonBack->isEnabled());
    QVERIFY(form->MyButtonNext->isEnabled());
    form->ButtonBackClick(); // the first welcome
    QCOMPARE(fileNameOf(form->WizardBrowser->source()), QStringLiteral("welcome.html"));
    QVERIFY(!form->MyButtonBack->isEnabled());
    QVERIFY(form->MyButtonNext->isEnabled());
    form->ButtonNextClick();
    QVERIFY(form->MyButtonBack->isEnabled());
    form->ButtonNextClick(); // the second welcome: forward ends there
    QCOMPARE(fileNameOf(form->WizardBrowser->source()), QStringLiteral("welcome.html"));
    QVERIFY(!form->MyButtonBack->isEnabled());
    QVERIFY(!form->MyButtonNext->isEnabled());
}

void WizardFormTest::menuLinkWithTargetOpensInThePageView() {
    const auto form = shownWizard(QCoreApplication::applicationDirPath());
    const QUrl menu = form->MenuBrowser->source();
    const QString topic = firstTargetedMenuLink(menu.toLocalFile());
    QVERIFY(!topic.isEmpty());
    const QWidgetList windowsBefore = QApplication::topLevelWidgets();
    const QPoint at = anchorPoint(*form->MenuBrowser, topic);
    QVERIFY(!at.isNull());
    QTest::mouseClick(form->MenuBrowser->viewport(), Qt::LeftButton, {}, at);
    QTRY_COMPARE(form->WizardBrowser->source(), menu.resolved(QUrl(topic)));
    QCOMPARE(form->MenuBrowser->source(), menu);
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore.size());
    QVERIFY(form->MyButtonBack->isEnabled());
}

void WizardFormTest::rightClickShowsNoContextMenu() {
    const auto form = shownWizard(QCoreApplication::applicationDirPath());
    bool menuSeen = false;
    QTimer guard;
    guard.setInterval(20);
    connect(&guard, &QTimer::timeout, [&menuSeen] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuSeen = true;
            popup->close();
        }
    });
    guard.start();
    for (THelpBrowser* browser : {form->WizardBrowser, form->MenuBrowser}) {
        QWidget* view = browser->viewport();
        const QPoint at(40, 40);
        QTest::mouseClick(view, Qt::RightButton, {}, at);
        QTest::mouseDClick(view, Qt::RightButton, {}, at);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
        QApplication::sendEvent(view, &menuEvent);
        QContextMenuEvent keyEvent(QContextMenuEvent::Keyboard, at, view->mapToGlobal(at));
        QApplication::sendEvent(view, &keyEvent);
        QTest::qWait(60);
    }
    QVERIFY(!menuSeen);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
}

void WizardFormTest::wheelAwayFromTheUserScrollsUp() {
    const auto form = shownWizard(QCoreApplication::applicationDirPath());
    // The longest English page, so that there is room to scroll.
    QString longest;
    for (const QString& page : helpPages(sourceHelpFolder() + QStringLiteral("/EN")))
        if (QFileInfo(page).size() > QFileInfo(longest).size())
            longest = page;
    form->WizardBrowser->setSource(
        helpPageUrl(QCoreApplication::applicationDirPath(), 1, QFileInfo(longest).fileName()));
    QScrollBar* bar = form->WizardBrowser->verticalScrollBar();
    QVERIFY(bar->maximum() > 400);
    bar->setValue(300);
    QWidget* view = form->WizardBrowser->viewport();
    const QPointF at(50, 50);
    QWheelEvent away(at, view->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &away);
    QCOMPARE(bar->value(), 180);
    QWheelEvent towards(at, view->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &towards);
    QCOMPARE(bar->value(), 420);
}

void WizardFormTest::leftClickGivesThePageTheFocus() {
    const auto form = shownWizard(QCoreApplication::applicationDirPath());
    form->MyButtonHome->setFocusPolicy(Qt::StrongFocus);
    form->MenuBrowser->setFocus();
    QTRY_VERIFY(form->MenuBrowser->hasFocus());
    QTest::mouseClick(form->WizardBrowser->viewport(), Qt::LeftButton, {}, QPoint(30, 200));
    QTRY_VERIFY(form->WizardBrowser->hasFocus());
    QCOMPARE(form->focusWidget(), form->WizardBrowser);
}

void WizardFormTest::missingPageShowsItsOwnPage() {
    const auto form = shownWizard(QCoreApplication::applicationDirPath());
    const QUrl missing =
        helpPageUrl(QCoreApplication::applicationDirPath(), 1, QStringLiteral("no-such-page.html"));
    form->WizardBrowser->setSource(missing);
    QVERIFY(form->WizardBrowser->toPlainText().contains(QStringLiteral("cannot be found")));
    QVERIFY(form->WizardBrowser->toPlainText().contains(missing.toLocalFile()));
    QVERIFY(form->MyButtonBack->isEnabled());
    form->ButtonBackClick();
    QCOMPARE(fileNameOf(form->WizardBrowser->source()), QStringLiteral("welcome.html"));
}

void WizardFormTest::programFolderWithSpacesHashAndPercent() {
    TempDir dir;
    const QString program =
        QString::fromStdString((dir.path() / "my programs #2 100% done").string());
    QVERIFY(QDir().mkpath(program + QStringLiteral("/data")));
    const QString target = program + QStringLiteral("/data/wizard-reader");
    QVERIFY(QDir().mkpath(target));
    for (const QString& page : helpPages(sourceHelpFolder())) {
        const QString relative = QDir(sourceHelpFolder()).relativeFilePath(page);
        QVERIFY(QDir().mkpath(QFileInfo(target + QLatin1Char('/') + relative).path()));
        QVERIFY(QFile::copy(page, target + QLatin1Char('/') + relative));
    }
    const auto form = shownWizard(program);
    QCOMPARE(QFileInfo(form->WizardBrowser->source().toLocalFile()).canonicalFilePath(),
             QFileInfo(target + QStringLiteral("/EN/welcome.html")).canonicalFilePath());
    QVERIFY(!form->WizardBrowser->toPlainText().contains(QStringLiteral("cannot be found")));
    QCOMPARE(form->WizardBrowser->toPlainText(),
             QTextDocumentFragment::fromHtml(readAll(target + QStringLiteral("/EN/welcome.html")))
                 .toPlainText());
    QVERIFY(!form->MenuBrowser->toPlainText().contains(QStringLiteral("cannot be found")));
    // Links inside the pages work there too.
    const QString topic = firstTargetedMenuLink(target + QStringLiteral("/EN/menu.html"));
    const QPoint at = anchorPoint(*form->MenuBrowser, topic);
    QTest::mouseClick(form->MenuBrowser->viewport(), Qt::LeftButton, {}, at);
    QTRY_COMPARE(fileNameOf(form->WizardBrowser->source()), QFileInfo(topic).fileName());
    QVERIFY(!form->WizardBrowser->toPlainText().contains(QStringLiteral("cannot be found")));
}

void WizardFormTest::helpCommandsShowTheWindowAndExitHidesIt() {
    ViewerSession session;
    TReaderForm& form = session.form();
    TWizardForm* wizard = form.wizardForm();
    QVERIFY(wizard);
    QVERIFY(!wizard->isVisible());
    const auto showsAndHides = [&](const std::function<void()>& command) {
        command();
        QTRY_VERIFY(wizard->isVisible());
        QCOMPARE(fileNameOf(wizard->WizardBrowser->source()), QStringLiteral("welcome.html"));
        QTest::mouseClick(wizard->MyButtonExit, Qt::LeftButton, {},
                          wizard->MyButtonExit->rect().center());
        QTRY_VERIFY(!wizard->isVisible());
    };
    showsAndHides([&] {
        QTest::mouseClick(form.Panel1->ButtonHelp, Qt::LeftButton, {},
                          form.Panel1->ButtonHelp->rect().center());
    });
    showsAndHides([&] {
        QTest::mouseClick(form.MyButtonWizard, Qt::LeftButton, {},
                          form.MyButtonWizard->rect().center());
    });
    QCOMPARE(form.HelpIndex->text(), QStringLiteral("Index"));
    QCOMPARE(form.HelpIndex->shortcut(), QKeySequence(Qt::Key_F1));
    showsAndHides([&] { form.HelpIndex->trigger(); });
}

void WizardFormTest::creditsPanelInTheStartPanel() {
    ViewerSession session;
    TStartPanel& start = *session.form().Panel1;
    TSplashForm& splash = *start.SplashForm;
    QVERIFY(!splash.isVisible());
    QCOMPARE(splash.Panel1->parentWidget(), start.Panel2);
    QVERIFY(!splash.MyButtonClose->isVisible());
    QCOMPARE(start.LabelVersion->text(), QStringLiteral("Vintrel v1.2 (20.01.17), 32-bit"));
    QCOMPARE(start.LabelStyle->text(), QStringLiteral("Style: ") + QApplication::style()->name());
    const QPixmap picture = splash.Image1->pixmap();
    QVERIFY(!picture.isNull());
    // The colour of the top-left pixel is left out; the drawing is not.
    const QImage shown = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
    int opaque = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            opaque += qAlpha(shown.pixel(x, y)) == 255;
    QVERIFY(opaque > 2000);
    QVERIFY(opaque < shown.width() * shown.height() / 2);
}

QTEST_MAIN(WizardFormTest)
#include "wizard_form_test.moc"
