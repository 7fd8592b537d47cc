#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

#include <array>

namespace vintrel {

class TContent;
class THelpBrowser;
class TMyButton;
class TSuperTabs;

/// A language of the help: the caption of its tab and the folder of its pages.
struct HelpLanguage {
    const char* caption;
    const char* folder;
};

/// The help languages in tab order; language n (from 1) is entry n − 1.
inline constexpr std::array<HelpLanguage, 3> kHelpLanguages{
    {{"English", "EN"}, {"Polski", "PL"}, {"Deutsch", "DE"}}};

/// The folder of the help pages below the program's folder.
inline constexpr const char* kHelpFolder = "data/wizard-reader";

/// The address of help page `page` ("menu.html") in `language` (1 to 3), below the program's
/// folder `programFolder`; a file address whatever characters the folder's path holds.
QUrl helpPageUrl(const QString& programFolder, int language, const QString& page);

/// The language panel of the help window: the language strip over a stack of one page.
class TMyPanel4 : public QWidget {
    Q_OBJECT
public:
    explicit TMyPanel4(QWidget* parent);

    TSuperTabs* Zakladki;
    TContent* Content;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

/// The help window "ZoVa Wizard": the menu column and the page view, the language strip, and
/// the Home, Back, Next and Exit buttons. Made hidden at start; the help commands show it.
class TWizardForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 920;
    static constexpr int kHeight = 561;
    static constexpr int kBarHeight = 41;
    static constexpr int kMenuWidth = 320;
    static constexpr int kStripHeight = 25;

    /// `programFolder` holds the "data" folder with the help pages.
    explicit TWizardForm(const QString& programFolder, QWidget* parent = nullptr);

    /// Shows the window and gives the page the keyboard focus.
    void ShowAndFocusBrowser();

    void ButtonHomeClick();
    void ButtonBackClick();
    void ButtonNextClick();
    void ButtonExitClick();
    /// A click on the language strip: the clicked tab's language, from its menu and start page.
    void ZakladkiClick(TSuperTabs* Sender, Qt::MouseButton Button);

    /// The current language, 1 to 3.
    int language() const { return language_; }
    /// The address of `page` in the current language.
    QUrl pageUrl(const QString& page) const;

    TMyPanel4* MyPanel4;
    QWidget* PanelBrowser;
    THelpBrowser* MenuBrowser;
    THelpBrowser* WizardBrowser;
    TMyButton* MyButtonHome;
    TMyButton* MyButtonBack;
    TMyButton* MyButtonNext;
    TMyButton* MyButtonExit;

private:
    void loadLanguage();
    /// A page of the page view has been loaded (also after Back and Next).
    void WizardBrowserDocumentComplete(const QUrl& url);
    /// The page view's history changed: Back and Next follow it.
    void WizardBrowserCommandStateChange();
    /// A link of the menu: opened in the page view.
    void MenuBrowserNewWindow2(const QUrl& link);

    QString programFolder_;
    int language_ = 1;
    /// Whether the page view's last target was not the start page.
    bool lastTargetNotWelcome_ = false;
};

} // namespace vintrel
