#pragma once

#include "tabs/result_page.h"
#include "tabs/result_page_table.h"
#include "tabs/super_tabs.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vintrel {

/// A page of a page stack: a plain panel that fills the stack and paints its colour. Child
/// widgets marked with `fillPage` are kept filling it.
class TContentPage : public QWidget {
    Q_OBJECT
public:
    explicit TContentPage(QWidget* parent, const QColor& colour);

    /// Marks `widget` (a child of some page) to fill whatever page holds it.
    static void fillPage(QWidget* widget);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void childEvent(QChildEvent* event) override;
};

/// A stack of pages; the page at index i belongs to the tab at index i of the strip above it.
class TContent : public QWidget {
    Q_OBJECT
public:
    explicit TContent(QWidget* parent, const QColor& colour);

    /// Appends a hidden page filling the stack below `topMargin`; it becomes `Page`.
    TContentPage* AddPage();
    /// Removes and destroys the page at `index`.
    void RemovePage(int index);
    /// Shows the page at `index` and hides every other (−1 hides all).
    void ShowOnly(int index);
    /// Exchanges the pages at `a` and `b` in the list.
    void SwapPages(int a, int b);

    std::vector<TContentPage*> Pages;
    int ActivePage = -1;
    QColor Color;
    TContentPage* Page = nullptr;
    /// The strip that sits at the top of the stack, as wide as the stack; the pages lie below.
    QWidget* header = nullptr;
    /// The height of `header` (0 without one).
    int topMargin() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

/// The result panel: the result strip `Zakladki` over its pages `Content`, and the page strip
/// `Zakladki_Results` over the result pages `Content_Results`, which moves into the current
/// result's page. Paints a frame around `Content`. Each page tab carries the identity of its
/// page; pages are found by it, never by their place in the strip, since tabs can be dragged.
class TCommonPanel2 : public QWidget {
    Q_OBJECT
public:
    explicit TCommonPanel2(QWidget* parent = nullptr);

    /// The `OnSwitchTabs` handler of both strips: pages follow their dragged tabs.
    void ZamienContent(TSuperTabs* Sender, int Src, int Dst);
    /// Moves `Content_Results` into the page of `Content` at `index` (keeping its visibility).
    void placeResultPages(int index);
    /// Lays out the two stacks.
    virtual void layoutPanel();

    /// The name of the result tab whose folder is `folder`, as the tab shows it, looked up in
    /// the panel that holds `page`; the folder's own name when the page is in no panel.
    static QString resultTabName(const QWidget* page, const std::string& folder);
    /// The result folders of every result tab of `kind`, in strip order, in the panel that
    /// holds `page`; empty when the page is in no panel.
    static std::vector<std::string> resultFolders(const QWidget* page, TKind kind);

    /// The page behind the page tab at `index` (`PageId::None` when out of range).
    PageId pageAt(int index) const;
    /// Where the tab of page `id` is in the page strip now; −1 when there is none.
    int tabIndexOf(PageId id) const;
    /// The page of `Content_Results` that belongs to page `id`; it follows its tab.
    TContentPage* resultPage(PageId id) const;

    TContent* Content;
    TSuperTabs* Zakladki;
    TContent* Content_Results;
    TSuperTabs* Zakladki_Results;
    /// The page last chosen for ordinary results and for mean-field results.
    PageId actResInput = PageId::None;
    PageId actResOutput = PageId::None;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QPixmap, 10> frame_;
    /// The pages of `Content_Results` by page identity.
    std::array<TContentPage*, kPageCount> resultPages_{};
};

/// Makes a page form, hidden, with its panels ready to be moved.
using PageFactory = std::function<std::unique_ptr<TResultPage>()>;

/// The main window's result panel: the start tab "load file" with the start panel, and the
/// page forms plugged into the pages.
class TMyReaderPanel2 : public TCommonPanel2 {
    Q_OBJECT
public:
    /// `startPanel` is moved into the start tab's page.
    TMyReaderPanel2(QWidget* parent, QWidget* startPanel);

    /// Plugs the form of page `id` in. It is made at once or when the first result of the
    /// page's kind is shown, as the page table says.
    void registerPage(PageId id, PageFactory factory);
    /// Adds a form that follows the current result (element panel, small parameter window).
    void registerCompanion(TResultCompanion* companion);

    /// The form of page `id`, null while there is none.
    TResultPage* pageForm(PageId id) const;
    /// Refreshes the pages of an ordinary / a mean-field result in the refresh order of its
    /// kind; `shown` is the page on show.
    void refreshOrdinaryPages(int resultTab, PageId shown);
    void refreshMeanFieldPages(int resultTab, PageId shown);
    /// Loads page `id` for the result tab when the page loads only while shown and was not last
    /// loaded for that result (spectroscopy). The result is known by its folder, so the rule
    /// holds when result tabs are dragged.
    void loadWhenShown(PageId id, int resultTab);
    /// Forgets that pages were loaded for the result in `folder`: its tab goes, and a later
    /// result may get the same folder.
    void forgetResult(const QString& folder);
    /// Tells the pages of an ordinary result that its pages are on show.
    void ordinaryPagesShown(int resultTab, PageId shown);
    /// Tells every page form that a result was added.
    void resultAdded(TKind kind, int resultTab);
    /// The companions' `schowaj`, `resultChanged` and `wczytajDane`.
    void hideCompanions();
    void companionsResultChanged();
    void companionsLoad();

    /// Where the start tab "load file" is in the result strip now: the tab whose page holds
    /// the start panel (tabs can be dragged).
    int startTabIndex() const;

    /// The page to show when a new result tab is added.
    PageId defaultActiveTab = PageId::None;
    QWidget* Panel1;

private:
    struct PageSlot {
        PageFactory factory;
        std::unique_ptr<TResultPage> form;
        bool used = false;
        /// The folder of the result the page was last loaded for (pages that load when shown).
        QString loadedFor;
    };
    PageSlot& slot(PageId id);
    void createForm(PageId id);
    void addPlaceholders();
    void refreshPages(TKind kind, int resultTab, PageId shown);

    std::array<PageSlot, kPageCount> slots_;
    /// What an empty page shows until its form is plugged in.
    std::array<QWidget*, kPageCount> placeholders_{};
    std::vector<TResultCompanion*> companions_;
};

} // namespace vintrel
