#include "app/wizard_form.h"

#include "app/help_browser.h"
#include "controls/my_button.h"
#include "controls/theme.h"
#include "tabs/reader_panel.h"
#include "tabs/super_tabs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QResizeEvent>

#include <algorithm>

namespace vintrel {

namespace {

constexpr const char* kMenuPage = "menu.html";
constexpr const char* kWelcomePage = "welcome.html";
const QColor kLanguageStripColour(206, 204, 214); // 14077134

TMyButton* barButton(QWidget* parent, const QString& caption, int left) {
    auto* button = new TMyButton(parent);
    loadGlyphSet(*button, QStringLiteral("button"));
    button->SetCaption(caption);
    button->SetTransparent(true);
    button->setGeometry(left, (TWizardForm::kBarHeight - 23) / 2, 75, 23);
    return button;
}

} // namespace

QUrl helpPageUrl(const QString& programFolder, int language, const QString& page) {
    const int index = std::clamp(language, 1, static_cast<int>(kHelpLanguages.size())) - 1;
    const QString relative = QString::fromLatin1(kHelpFolder) + QLatin1Char('/') +
                             QString::fromLatin1(kHelpLanguages[index].folder) + QLatin1Char('/') +
                             page;
    return QUrl::fromLocalFile(QDir(programFolder).absoluteFilePath(relative));
}

TMyPanel4::TMyPanel4(QWidget* parent) : QWidget(parent) {
    theme::fillBackground(this);
    Content = new TContent(this, theme::kPageBackground);
    Zakladki = new TSuperTabs(Content);
    Zakladki->setFixedHeight(TWizardForm::kStripHeight);
    Zakladki->setColor(kLanguageStripColour);
    Zakladki->setDefaultWidth(110);
    Zakladki->setAutoWidth(true);
    Content->header = Zakladki;
    for (const HelpLanguage& language : kHelpLanguages)
        Zakladki->AddSimpleTab(QString::fromLatin1(language.caption), TKind::tkControl);
    Content->AddPage();
    Content->ShowOnly(0);
}

void TMyPanel4::resizeEvent(QResizeEvent* event) {
    Content->setGeometry(rect());
    // The three tabs fit: the strip starts at its first tab, however it scrolled while the tabs
    // were added to a strip not yet laid out.
    Zakladki->setOffset(0);
    QWidget::resizeEvent(event);
}

TWizardForm::TWizardForm(const QString& programFolder, QWidget* parent)
    : QDialog(parent), programFolder_(programFolder) {
    setWindowTitle(QStringLiteral("ZoVa Wizard"));
    setFixedSize(kWidth, kHeight);
    theme::fillBackground(this);

    MyPanel4 = new TMyPanel4(this);
    MyPanel4->setGeometry(0, 0, kWidth, kHeight - kBarHeight);
    PanelBrowser = new QWidget;
    auto* row = new QHBoxLayout(PanelBrowser);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    MenuBrowser = new THelpBrowser(PanelBrowser);
    MenuBrowser->setFixedWidth(kMenuWidth);
    MenuBrowser->setOpenLinks(false);
    WizardBrowser = new THelpBrowser(PanelBrowser);
    WizardBrowser->setOpenExternalLinks(true);
    row->addWidget(MenuBrowser);
    row->addWidget(WizardBrowser, 1);
    PanelBrowser->setParent(MyPanel4->Content->Page);
    TContentPage::fillPage(PanelBrowser);
    PanelBrowser->show();

    auto* bar = new QWidget(this);
    bar->setGeometry(0, kHeight - kBarHeight, kWidth, kBarHeight);
    MyButtonHome = barButton(bar, QStringLiteral("Home"), 12);
    MyButtonBack = barButton(bar, QStringLiteral("Back"), 97);
    MyButtonNext = barButton(bar, QStringLiteral("Next"), 182);
    MyButtonExit = barButton(bar, QStringLiteral("Exit"), kWidth - 75 - 12);
    MyButtonBack->setEnabled(false);
    MyButtonNext->setEnabled(false);

    connect(MyButtonHome, &TMyButton::OnClick, this, &TWizardForm::ButtonHomeClick);
    connect(MyButtonBack, &TMyButton::OnClick, this, &TWizardForm::ButtonBackClick);
    connect(MyButtonNext, &TMyButton::OnClick, this, &TWizardForm::ButtonNextClick);
    connect(MyButtonExit, &TMyButton::OnClick, this, &TWizardForm::ButtonExitClick);
    connect(MyPanel4->Zakladki, &TSuperTabs::OnClick, this,
            [this](TSuperTabs* sender, Qt::MouseButton button) { ZakladkiClick(sender, button); });
    connect(WizardBrowser, &QTextBrowser::sourceChanged, this,
            &TWizardForm::WizardBrowserDocumentComplete);
    connect(WizardBrowser, &QTextBrowser::historyChanged, this,
            &TWizardForm::WizardBrowserCommandStateChange);
    connect(WizardBrowser, &QTextBrowser::backwardAvailable, this,
            &TWizardForm::WizardBrowserCommandStateChange);
    connect(WizardBrowser, &QTextBrowser::forwardAvailable, this,
            &TWizardForm::WizardBrowserCommandStateChange);
    connect(MenuBrowser, &QTextBrowser::anchorClicked, this, &TWizardForm::MenuBrowserNewWindow2);

    MyPanel4->Zakladki->setActiveTab(language_ - 1);
    loadLanguage();
}

QUrl TWizardForm::pageUrl(const QString& page) const {
    return helpPageUrl(programFolder_, language_, page);
}

void TWizardForm::loadLanguage() {
    MenuBrowser->setSource(pageUrl(QString::fromLatin1(kMenuPage)));
    WizardBrowser->setSource(pageUrl(QString::fromLatin1(kWelcomePage)));
    WizardBrowserCommandStateChange();
}

void TWizardForm::ShowAndFocusBrowser() {
    show();
    raise();
    activateWindow();
    WizardBrowser->setFocus(Qt::OtherFocusReason);
}

void TWizardForm::ButtonHomeClick() {
    WizardBrowser->setSource(pageUrl(QString::fromLatin1(kWelcomePage)));
}

void TWizardForm::ButtonBackClick() {
    if (MyButtonBack->isEnabled())
        WizardBrowser->backward();
}

void TWizardForm::ButtonNextClick() {
    if (MyButtonNext->isEnabled())
        WizardBrowser->forward();
}

void TWizardForm::ButtonExitClick() {
    hide();
}

void TWizardForm::ZakladkiClick(TSuperTabs* Sender, Qt::MouseButton Button) {
    if (Button != Qt::LeftButton || Sender->ActiveTab() < 0)
        return;
    // Tabs can be dragged: the language is known by the tab's caption, not by its place.
    const QString caption = Sender->Tabs(Sender->ActiveTab())->TabName();
    for (std::size_t i = 0; i < kHelpLanguages.size(); ++i)
        if (caption == QLatin1String(kHelpLanguages[i].caption)) {
            language_ = static_cast<int>(i) + 1;
            loadLanguage();
            return;
        }
}

void TWizardForm::WizardBrowserDocumentComplete(const QUrl& url) {
    lastTargetNotWelcome_ = QFileInfo(url.path()).fileName() != QLatin1String(kWelcomePage);
    WizardBrowserCommandStateChange();
    if (isVisible())
        WizardBrowser->setFocus(Qt::OtherFocusReason);
}

void TWizardForm::WizardBrowserCommandStateChange() {
    MyButtonNext->setEnabled(WizardBrowser->isForwardAvailable());
    MyButtonBack->setEnabled(WizardBrowser->isBackwardAvailable() && lastTargetNotWelcome_);
}

void TWizardForm::MenuBrowserNewWindow2(const QUrl& link) {
    const QUrl target = MenuBrowser->source().resolved(link);
    if (target.isLocalFile())
        WizardBrowser->setSource(target);
    else
        QDesktopServices::openUrl(target);
}

} // namespace vintrel
