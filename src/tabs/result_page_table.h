#pragma once

#include "tabs/page_id.h"
#include "tabs/tab_kind.h"

#include <array>
#include <vector>

namespace vintrel {

/// When the form of a page is made.
enum class FormMade {
    /// With the result panel, at start.
    WithPanel,
    /// When the first result of the page's kind is shown.
    OnFirstUse,
};

/// What sets a page apart from the others, as bits of `ResultPageRow::traits`.
enum PageTrait : unsigned {
    /// At its place in the refresh order the page loads only while it is on show, and then
    /// once per result (spectroscopy); it also loads when it is chosen for a result it was not
    /// loaded for.
    kLoadsWhenShown = 1U << 0,
    /// The page shown first when a new result of its kind is added.
    kFirstPage = 1U << 1,
    /// The mouse wheel over the window goes to the page while it is on show (level diagrams).
    kTakesWheel = 1U << 2,
    /// The page redraws its small parameter panel when the window moves while it is on show.
    kDrawsMiniParam = 1U << 3,
};

/// Everything the result panel and the main window know about one page. Adding a page is one
/// row in the table and one `registerPage` for its form.
struct ResultPageRow {
    PageId id;
    /// The caption of the page tab.
    const char* caption;
    /// The kind of result whose tab shows the page: `tkResult` (ordinary) or `tkDynamic`
    /// (mean-field).
    TKind resultKind;
    FormMade made;
    /// Place in the refresh order of its kind, run when a result of that kind becomes current;
    /// −1 for a page that is not reloaded.
    int refreshPlace;
    /// `PageTrait` bits.
    unsigned traits;

    constexpr bool has(PageTrait trait) const { return (traits & trait) != 0; }
};

/// The result pages, in their first strip order, which is also the order of their identities.
extern const std::array<ResultPageRow, kPageCount> kResultPages;

/// Whether `id` names a page.
constexpr bool isPage(PageId id) {
    return pageNumber(id) >= 0 && pageNumber(id) < kPageCount;
}

/// The row of page `id`; `id` must be a page.
const ResultPageRow& pageRow(PageId id);

/// Whether `id` is a page with `trait`.
bool pageHas(PageId id, PageTrait trait);

/// The kind of the page tabs of a result of `resultKind`: `tkControl` for ordinary results,
/// `tkDynamic` for mean-field results.
constexpr TKind pageTabKind(TKind resultKind) {
    return resultKind == TKind::tkDynamic ? TKind::tkDynamic : TKind::tkControl;
}

/// The pages of `resultKind` that are reloaded, in their refresh order.
std::vector<PageId> refreshOrder(TKind resultKind);

/// The page shown first for a new result of `resultKind`.
PageId firstPage(TKind resultKind);

} // namespace vintrel
