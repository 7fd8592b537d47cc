#include "tabs/tab_strip_model.h"

#include "tabs/tab_pictures.h"

#include <algorithm>
#include <cstdlib>

namespace vintrel {

int TabStripModel::visibleCount(TabList tabs) {
    return static_cast<int>(
        std::count_if(tabs.begin(), tabs.end(), [](const TabInfo& tab) { return tab.visible; }));
}

int TabStripModel::tabWidth(TabList tabs) const {
    int result = defaultWidth;
    const int visible = visibleCount(tabs);
    if (autoWidth && visible > 0)
        result = std::min(defaultWidth, width / visible);
    return std::max(result, kMinTabWidth);
}

std::vector<TabPlacement> TabStripModel::layout(TabList tabs) const {
    std::vector<TabPlacement> placements;
    const int tabStep = step(tabs);
    int skipped = 0;
    int slot = 0;
    for (int index = 0; index < static_cast<int>(tabs.size()); ++index) {
        if (!tabs[index].visible)
            continue;
        if (skipped < offset) {
            ++skipped;
            continue;
        }
        const int x = slot * tabStep;
        ++slot;
        if (x >= 0 && x + kArrowZone < width)
            placements.push_back({index, x, x <= kArrowZone});
    }
    return placements;
}

int TabStripModel::visibleIndex(TabList tabs, int visiblePosition) const {
    int position = 0;
    for (int index = 0; index < static_cast<int>(tabs.size()); ++index) {
        if (!tabs[index].visible)
            continue;
        if (position == visiblePosition)
            return index;
        ++position;
    }
    return -1;
}

int TabStripModel::hitTest(TabList tabs, int x) const {
    if (x < 0)
        return -1;
    const int tabStep = step(tabs);
    const int slot = x / tabStep;
    if (slot >= width / tabStep)
        return -1;
    return visibleIndex(tabs, offset + slot);
}

bool TabStripModel::rightArrowVisible(TabList tabs) const {
    return width / step(tabs) < visibleCount(tabs) - offset;
}

void TabStripModel::scroll(TabList tabs, int direction) {
    if (direction < 0 && leftArrowVisible())
        --offset;
    else if (direction > 0 && rightArrowVisible(tabs))
        ++offset;
    offset = std::clamp(offset, 0, std::max(0, visibleCount(tabs) - 1));
}

void TabStripModel::tabAppended(TabList tabs) {
    activeTab = static_cast<int>(tabs.size()) - 1;
    const int lastOffset = std::max(0, visibleCount(tabs) - 1);
    while (rightArrowVisible(tabs) && offset < lastOffset)
        ++offset;
}

void TabStripModel::tabRemoving(TabList tabs, int index) {
    const int count = static_cast<int>(tabs.size());
    if (activeTab == index) {
        int next = -1;
        for (int i = index - 1; i >= 0 && next < 0; --i)
            if (tabs[i].visible)
                next = i;
        for (int i = index + 1; i < count && next < 0; ++i)
            if (tabs[i].visible)
                next = i - 1;
        activeTab = next;
    } else if (activeTab > index) {
        --activeTab;
    }
    if (selectedTab == index)
        selectedTab = -1;
    else if (selectedTab > index)
        --selectedTab;
    srcTab = -1;
    destTab = -1;
}

void TabStripModel::clampOffset(TabList tabs) {
    offset = std::clamp(offset, 0, std::max(0, visibleCount(tabs) - 1));
}

PressOutcome TabStripModel::press(TabList tabs, int x, bool leftButton) {
    if (visibleCount(tabs) == 0)
        return {};
    if (leftArrowVisible() && x > 0 && x < kArrowZone)
        return {-1, -1};
    if (rightArrowVisible(tabs) && x > width - kArrowZone)
        return {+1, -1};
    const int hit = hitTest(tabs, x);
    if (hit >= 0) {
        selectedTab = hit;
        srcTab = hit;
        if (leftButton)
            activeTab = hit;
    }
    return {0, hit};
}

bool TabStripModel::dragTo(TabList tabs, int x, int pressX) {
    if (std::abs(x - pressX) <= kDragThreshold)
        return false;
    const int target = hitTest(tabs, x);
    const bool changed = target != destTab;
    destTab = target;
    return changed;
}

ReleaseOutcome TabStripModel::release(TabList tabs, int x, bool leftButton) {
    ReleaseOutcome outcome;
    const bool dragging = srcTab >= 0 && destTab >= 0 && srcTab != destTab;
    const bool onArrow = (leftArrowVisible() && x < kArrowZone) ||
                         (rightArrowVisible(tabs) && x > width - kArrowZone);
    if (!dragging && onArrow) {
        srcTab = -1;
        destTab = -1;
        outcome.ignored = true;
        return outcome;
    }
    outcome.hit = hitTest(tabs, x);
    if (leftButton && outcome.hit >= 0)
        activeTab = outcome.hit;
    if (dragging)
        outcome.steps = dragSteps(tabs, srcTab, destTab);
    srcTab = -1;
    destTab = -1;
    return outcome;
}

int TabStripModel::hintTabAt(TabList tabs, int x) const {
    if (x <= 0 || x >= width - kArrowZone)
        return -1;
    return hitTest(tabs, x);
}

std::vector<SwitchStep> TabStripModel::dragSteps(TabList tabs, int from, int to) {
    std::vector<SwitchStep> steps;
    const int count = static_cast<int>(tabs.size());
    if (from < 0 || to < 0 || from >= count || to >= count)
        return steps;
    const int direction = to > from ? 1 : -1;
    int current = from;
    for (int position = from + direction; position != to + direction; position += direction) {
        if (!tabs[position].visible)
            continue;
        steps.push_back({position, current});
        current = position;
    }
    return steps;
}

std::u32string shortenCaption(std::u32string_view caption, int room, const TextWidth& textWidth) {
    if (textWidth(caption) <= room)
        return std::u32string(caption);
    const std::u32string_view dots = U"...";
    const int length = static_cast<int>(caption.size());
    const std::u32string_view tail =
        caption.substr(static_cast<std::size_t>(std::max(0, length - 2)));
    for (int kept = std::max(0, length - 3); kept >= 0; --kept) {
        std::u32string candidate(caption.substr(0, static_cast<std::size_t>(kept)));
        candidate += dots;
        candidate += tail;
        if (textWidth(candidate) <= room)
            return candidate;
    }
    if (textWidth(dots) <= room)
        return std::u32string(dots);
    return {};
}

HintOrigin hintOrigin(int x, int y, int textWidth, int textHeight, int stripWidth,
                      int stripHeight) {
    HintOrigin origin{x + 10, y - textHeight / 4};
    if (origin.x + textWidth > stripWidth)
        origin.x = x - 5 - textWidth;
    if (y + textHeight * 3 / 4 > stripHeight)
        origin.y = y - textHeight;
    return origin;
}

int lookOf(TKind kind, bool leftmost) {
    using namespace tabpictures;
    if (leftmost && kind < TKind::tkMCERes) {
        if (kind == TKind::tkResult)
            return kFirstResultLook;
        if (kind == TKind::tkDynamic)
            return kFirstDynamicLook;
        return kFirstLook;
    }
    switch (kind) {
    case TKind::tkResult:
        return kResultLook;
    case TKind::tkDynamic:
        return kDynamicLook;
    case TKind::tkMCERes:
        return kMceLook;
    case TKind::tkMCEDyn:
        return kMceDynamicLook;
    default:
        return kNormalLook;
    }
}

} // namespace vintrel
