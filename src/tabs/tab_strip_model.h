#pragma once

#include "tabs/tab_kind.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// What the strip's geometry needs to know of one tab.
struct TabInfo {
    TKind kind = TKind::tkControl;
    bool visible = true;
};

/// The tabs of a strip in list order, as the model sees them.
using TabList = std::span<const TabInfo>;

/// Where one drawn tab lies: its index in the list, its left edge, and whether it sits in the
/// leftmost slot (which gives it the first-tab look).
struct TabPlacement {
    int index = -1;
    int x = 0;
    bool leftmost = false;
};

/// One step of a drag move: the dragged tab has just moved from `left` to `reached`.
struct SwitchStep {
    int reached = -1;
    int left = -1;
};

/// What a mouse press asks of the strip: scroll in a direction (arrow pressed) or nothing more
/// than the state changes the press already made.
struct PressOutcome {
    int scrollDirection = 0;
    int hit = -1;
};

/// What a mouse release asks of the strip: `ignored` when it fell on a scroll arrow; otherwise
/// the tab under the pointer (−1 for none) and the swaps of a finished drag, in order.
struct ReleaseOutcome {
    bool ignored = false;
    int hit = -1;
    std::vector<SwitchStep> steps;
};

/// The top-left corner of a hint text.
struct HintOrigin {
    int x = 0;
    int y = 0;
};

/// Width in pixels of a text in the caption font.
using TextWidth = std::function<int(std::u32string_view)>;

/// Layout and interaction rules of the tab strip, free of any toolkit. The owner keeps the tabs
/// and passes their kinds and visibility to each call; the model keeps the strip's state.
class TabStripModel {
public:
    static constexpr int kOverlap = 10;
    static constexpr int kMinTabWidth = 50;
    static constexpr int kArrowZone = 18;
    static constexpr int kDragThreshold = 50;

    bool autoWidth = false;
    int defaultWidth = 120;
    /// Width of the strip in pixels.
    int width = 0;

    int activeTab = -1;
    int selectedTab = -1;
    int srcTab = -1;
    int destTab = -1;
    /// Number of visible tabs scrolled out at the left.
    int offset = 0;

    static int visibleCount(TabList tabs);

    /// Width of every tab: with auto width the smaller of the default width and an equal share
    /// of the strip, otherwise the default width; never below 50.
    int tabWidth(TabList tabs) const;
    /// Distance between the left edges of neighbouring tabs (they overlap).
    int step(TabList tabs) const { return tabWidth(tabs) - kOverlap; }

    /// The tabs that are drawn, from the first to the last.
    std::vector<TabPlacement> layout(TabList tabs) const;
    /// The visible tab under x, −1 for none.
    int hitTest(TabList tabs, int x) const;

    bool leftArrowVisible() const { return offset > 0; }
    bool rightArrowVisible(TabList tabs) const;

    /// One scroll step in `direction` (−1 or +1) where that arrow is shown.
    void scroll(TabList tabs, int direction);
    /// After a tab was appended: it becomes active and the strip scrolls until it is in view.
    void tabAppended(TabList tabs);
    /// Before the tab at `index` is taken out of `tabs`: moves the active and selected tabs off
    /// it, keeps them on the same tabs otherwise, and clears a drag.
    void tabRemoving(TabList tabs, int index);
    /// Keeps the offset inside the visible tabs after tabs were hidden or shown.
    void clampOffset(TabList tabs);

    /// A button pressed at x.
    PressOutcome press(TabList tabs, int x, bool leftButton);
    /// The pointer moved to x with the left button held after a press at `pressX`; true when
    /// the drop target changed.
    bool dragTo(TabList tabs, int x, int pressX);
    /// A button released at x; the drag state is cleared.
    ReleaseOutcome release(TabList tabs, int x, bool leftButton);
    /// The tab whose hint a resting pointer at x would show, −1 for none.
    int hintTabAt(TabList tabs, int x) const;

    /// The swaps that carry the dragged tab from `from` to `to` across the visible tabs between.
    static std::vector<SwitchStep> dragSteps(TabList tabs, int from, int to);

private:
    int visibleIndex(TabList tabs, int visiblePosition) const;
};

/// A caption made to fit `room` pixels: unchanged when it fits, otherwise its beginning, "..."
/// and its last two characters, with the beginning as long as still fits. When not even that
/// fits, "..." alone, and an empty text when "..." does not fit either.
std::u32string shortenCaption(std::u32string_view caption, int room, const TextWidth& textWidth);

/// Where a hint of the given text size starts for a pointer at (x, y) on a strip of the given
/// size: right of the pointer, or left of it when it would pass the right edge; slightly above
/// the pointer, or a full text height above it near the bottom edge.
HintOrigin hintOrigin(int x, int y, int textWidth, int textHeight, int stripWidth, int stripHeight);

/// Index of the first picture of the look of a tab of `kind`; `leftmost` for the tab in the
/// leftmost slot.
int lookOf(TKind kind, bool leftmost);

} // namespace vintrel
