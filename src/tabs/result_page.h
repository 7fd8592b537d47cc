#pragma once

#include "tabs/tab_kind.h"

#include <QList>

class QWheelEvent;
class QWidget;

namespace vintrel {

/// What a page form is told when it is asked to refresh.
struct PageContext {
    /// Kind of the current result: `tkResult` (ordinary) or `tkDynamic` (mean-field).
    TKind resultKind = TKind::tkResult;
    /// Index of the current result's tab in the result strip.
    int resultTab = -1;
    /// The page tab of this form is the one on show.
    bool shown = false;
    /// The first refresh since the form was created.
    bool firstUse = false;
};

/// The one interface between the result panel and a page form. A page form is a hidden
/// QWidget form that implements this; the panel moves its panels into the page of its
/// identity and calls the operations below in the refresh orders of the page table
/// (tabs/result_page_table.h). Every operation but `hostedPanels` has an empty default, so a
/// page implements only what it needs.
///
/// Plugging a page in is one line in `registerResultPages` (app/result_pages.cpp):
///   panel.registerPage(PageId::Energy, [] { return std::make_unique<TpoziomyPage>(); });
/// The page table says whether the form is made then or when the first result of its kind is
/// shown ("energy levels", "spectroscopy" and the ordinary graph pages).
class TResultPage {
public:
    virtual ~TResultPage() = default;

    /// The panels to move into the page, top panel first (`PanelAAA`, `p0`, then a graph's
    /// `Panel_ValuelLabelEditor`). Asked once, right after the form is created.
    virtual QList<QWidget*> hostedPanels() = 0;
    /// Called once, after the panels are in their page (`initFormForResult`).
    virtual void initFormForResult() {}
    /// Reload from the current result (`wczytajDane` / `czytaj`), in the refresh order of the
    /// result's kind, each time a result of the page's kind becomes current, and when the
    /// spectroscopy page is chosen for a result it was not loaded for.
    virtual void wczytajDane(const PageContext& context) { (void)context; }
    /// After an ordinary result's pages were moved into its page and shown (step of the result
    /// click that re-syncs buttons and redraws the graphs).
    virtual void resultShown(const PageContext& context) { (void)context; }
    /// The user chose this page's tab in the page strip.
    virtual void pageShown(const PageContext& context) { (void)context; }
    /// A freshly imported result was added (`disableAllInputs`, the "1:1" zoom of the
    /// mean-field levels). Called on every page form.
    virtual void resultAdded(const PageContext& context) { (void)context; }
    /// A mouse wheel over the window while this page is on show; true when it was used.
    virtual bool wheel(QWheelEvent* event) {
        (void)event;
        return false;
    }
    /// The main window moved or changed size while this page is on show (`rysujMiniParam`).
    virtual void windowMoved() {}
};

/// A form that follows the current result without being a page (the element panel
/// `TElemPanelResultForm`, the small parameter window `TMiniParamForm`).
class TResultCompanion {
public:
    virtual ~TResultCompanion() = default;
    /// The current result changed (element panel refresh, ion buttons).
    virtual void resultChanged() {}
    /// Hide the form (`schowaj`).
    virtual void schowaj() {}
    /// The last step of refreshing an ordinary result (`wczytajDane`).
    virtual void wczytajDane() {}
};

} // namespace vintrel
