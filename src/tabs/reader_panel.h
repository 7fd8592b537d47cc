#pragma once

#include "tabs/result_page.h"
#include "tabs/super_tabs.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace vintrel {

/// Page indices of the page strip, in strip order.
enum ResultPageIndex {
    kPageParameters,
    kPageHamiltonian,
    kPagePotentials,
    kPageEnergy,
    kPageSpectroscopy,
    kPageMagneticSus,
    kPageInverseSus,
    kPageSpecificHeat,
    kPageEntropy,
    kPageDescription,
    kPageEnergyD,
    kPagePotVisD,
    kPageMomentD,
    kPageMagneticSusD,
    kPageInverseSusD,
    kPageAnisotropyD,
    kPageSpecificHeatD,
    kPageEntropyD,
    kPageDescriptionD,
    kPageCount
};

/// Caption and kind of every page tab, by page index.
struct PageTabRow {
    const char* caption;
    TKind kind;
};
extern const std::array<PageTabRow, kPageCount> kPageTabs;

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
/// result's page. Paints a frame around `Content`.
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

    TContent* Content;
    TSuperTabs* Zakladki;
    TContent* Content_Results;
    TSuperTabs* Zakladki_Results;
    std::array<TContentPage*, kPageCount> resultPages{};
    int ResultIndex_Parameters = 0;
    int spectroTab = -1;
    int actResInput = 0;
    int actResOutput = 0;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QPixmap, 10> frame_;
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

    /// Plugs the form of page `index` in. The forms of the ordinary result pages 3 to 8 are
    /// made when the first ordinary result is shown, every other at once.
    void registerPage(int index, PageFactory factory);
    /// Adds a form that follows the current result (element panel, small parameter window).
    void registerCompanion(TResultCompanion* companion);

    /// The form of page `index`, null while there is none.
    TResultPage* pageForm(int index) const;
    /// Refreshes the pages of an ordinary / a mean-field result in their fixed orders.
    void refreshOrdinaryPages(int resultTab, int shownPage);
    void refreshMeanFieldPages(int resultTab, int shownPage);
    /// Loads the spectroscopy page for the result tab unless it was loaded for it last.
    void loadSpectroscopy(int resultTab);
    /// Tells the pages of an ordinary result that its pages are on show.
    void ordinaryPagesShown(int resultTab, int shownPage);
    /// Tells every page form that a result was added.
    void resultAdded(TKind kind, int resultTab);
    /// The companions' `schowaj`, `resultChanged` and `wczytajDane`.
    void hideCompanions();
    void companionsResultChanged();
    void companionsLoad();

    int defaultActiveTab = 0;
    QWidget* Panel1;

private:
    struct PageSlot {
        PageFactory factory;
        std::unique_ptr<TResultPage> form;
        bool used = false;
    };
    void createForm(int index);
    void addPlaceholders();
    void refreshInOrder(const std::vector<int>& order, TKind kind, int resultTab, int shownPage);

    std::array<PageSlot, kPageCount> slots_;
    /// What an empty page shows until its form is plugged in.
    std::array<QWidget*, kPageCount> placeholders_{};
    std::vector<TResultCompanion*> companions_;
};

} // namespace vintrel
