#include "tabs/tab_pictures.h"
#include "tabs/tab_strip_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vintrel {
namespace {

using tabpictures::kPictureCount;
using tabpictures::kTabPictures;

std::vector<TabInfo> visibleTabs(int count, TKind kind = TKind::tkControl) {
    return std::vector<TabInfo>(static_cast<std::size_t>(count), TabInfo{kind, true});
}

TabStripModel stripOf(int width, int defaultWidth = 120, bool autoWidth = false) {
    TabStripModel model;
    model.width = width;
    model.defaultWidth = defaultWidth;
    model.autoWidth = autoWidth;
    return model;
}

struct WidthCase {
    const char* name;
    int stripWidth;
    int visible;
    int hidden;
    bool autoWidth;
    int defaultWidth;
    int expectedWidth;
    bool rightArrow;
};

TEST(TabStripModel, TabWidthFollowsTheAutoWidthRule) {
    const WidthCase cases[] = {
        {"ten tabs share 700 pixels", 700, 10, 0, true, 120, 70, false},
        {"twenty tabs stop at the minimum", 700, 20, 0, true, 120, 50, true},
        {"few tabs keep the default width", 700, 3, 0, true, 120, 120, false},
        {"hidden tabs take no share", 700, 10, 10, true, 120, 70, false},
        {"without auto width the default counts", 700, 10, 0, false, 120, 120, true},
        {"a small default width is raised to 50", 700, 2, 0, false, 30, 50, false},
        {"an empty strip has the default width", 700, 0, 0, true, 140, 140, false},
    };
    for (const WidthCase& c : cases) {
        SCOPED_TRACE(c.name);
        TabStripModel model = stripOf(c.stripWidth, c.defaultWidth, c.autoWidth);
        std::vector<TabInfo> tabs = visibleTabs(c.visible);
        tabs.insert(tabs.begin(), static_cast<std::size_t>(c.hidden),
                    TabInfo{TKind::tkControl, false});
        EXPECT_EQ(model.tabWidth(tabs), c.expectedWidth);
        EXPECT_EQ(model.rightArrowVisible(tabs), c.rightArrow);
    }
}

TEST(TabStripModel, LayoutSkipsScrolledOutAndHiddenTabs) {
    TabStripModel model = stripOf(400);
    std::vector<TabInfo> tabs = visibleTabs(6);
    tabs[2].visible = false;
    model.offset = 1;
    const auto placements = model.layout(tabs);
    // Step 110: slots at 0, 110, 220 and 330; the last one is drawn under the right arrow.
    ASSERT_EQ(placements.size(), 4u);
    EXPECT_EQ(placements[0].index, 1);
    EXPECT_EQ(placements[0].x, 0);
    EXPECT_TRUE(placements[0].leftmost);
    EXPECT_EQ(placements[1].index, 3);
    EXPECT_EQ(placements[1].x, 110);
    EXPECT_FALSE(placements[1].leftmost);
    EXPECT_EQ(placements[2].index, 4);
    EXPECT_EQ(placements[2].x, 220);
    EXPECT_EQ(placements[3].index, 5);
    EXPECT_EQ(placements[3].x, 330);
}

TEST(TabStripModel, HitTestCountsSlotsOfVisibleTabs) {
    TabStripModel model = stripOf(400);
    std::vector<TabInfo> tabs = visibleTabs(6);
    tabs[2].visible = false;
    model.offset = 1;
    const struct {
        int x;
        int expected;
    } cases[] = {{0, 1}, {109, 1}, {110, 3}, {219, 3}, {220, 4}, {329, 4}, {330, -1}, {-5, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(model.hitTest(tabs, c.x), c.expected) << "x = " << c.x;
}

TEST(TabStripModel, LookDependsOnKindAndLeftmostSlot) {
    const struct {
        TKind kind;
        bool leftmost;
        int look;
    } cases[] = {
        {TKind::tkResult, false, 12}, {TKind::tkDynamic, false, 21}, {TKind::tkMCERes, false, 27},
        {TKind::tkMCEDyn, false, 33}, {TKind::tkControl, false, 6},  {TKind::tkToDo, false, 6},
        {TKind::tkResult, true, 39},  {TKind::tkDynamic, true, 45},  {TKind::tkControl, true, 0},
        {TKind::tkOther, true, 0},    {TKind::tkMCERes, true, 27},   {TKind::tkMCEDyn, true, 33},
        {TKind::tkToDo, true, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lookOf(c.kind, c.leftmost), c.look)
            << "kind " << static_cast<int>(c.kind) << (c.leftmost ? " leftmost" : "");
}

TEST(TabPictures, SizesMatchTheirRoleInEachLook) {
    for (int look : {0, 6, 12, 21, 27, 33, 39, 45}) {
        const bool first = look == 0 || look == 39 || look == 45;
        for (int state : {0, 3}) {
            SCOPED_TRACE(look + state);
            EXPECT_EQ(kTabPictures[look + state].width, first ? 9 : 17);
            EXPECT_EQ(kTabPictures[look + state + 1].width, look == 0 ? 95 : 87);
            EXPECT_EQ(kTabPictures[look + state + 2].width, 17);
            for (int piece = 0; piece < 3; ++piece)
                EXPECT_EQ(kTabPictures[look + state + piece].height, 21);
        }
    }
    EXPECT_EQ(kTabPictures[18].name, "NAV_NEXT");
    EXPECT_EQ(kTabPictures[20].width, 13);
    EXPECT_EQ(kTabPictures[20].height, 11);
    // A name used by several looks always has the same size.
    for (int a = 0; a < kPictureCount; ++a)
        for (int b = 0; b < kPictureCount; ++b)
            if (kTabPictures[a].name == kTabPictures[b].name) {
                EXPECT_EQ(kTabPictures[a].width, kTabPictures[b].width) << kTabPictures[a].name;
            }
}

int sixPixelsPerCharacter(std::u32string_view text) {
    return static_cast<int>(text.size()) * 6;
}

TEST(ShortenCaption, KeepsTheLongestBeginningThatFits) {
    const struct {
        const char32_t* caption;
        int room;
        const char32_t* expected;
    } cases[] = {
        {U"parameters", 60, U"parameters"},
        {U"parameters", 59, U"para...rs"}, // nine characters fit
        {U"spectroscopy", 97, U"spectroscopy"},
        {U"magnetic susceptibility", 97, U"magnetic su...ty"},
        {U"abcdef", 30, U"...ef"},
        {U"abcdef", 29, U"..."},
        {U"abcdef", 17, U""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shortenCaption(c.caption, c.room, sixPixelsPerCharacter), c.expected)
            << "room " << c.room;
}

TEST(ShortenCaption, FirstTryDropsOnlyOneCharacterBeforeTheDots) {
    // A wide "W" third from the end: dropping it alone makes the caption fit.
    auto wideW = [](std::u32string_view text) {
        int width = 0;
        for (char32_t c : text)
            width += c == U'W' ? 30 : 1;
        return width;
    };
    EXPECT_EQ(shortenCaption(U"abcWxy", 20, wideW), U"abc...xy");
}

TEST(HintOrigin, StaysInsideTheStrip) {
    const struct {
        int x, y, textWidth;
        HintOrigin expected;
    } cases[] = {
        {100, 4, 40, {110, 1}},  // right of the pointer, a quarter of the height above it
        {680, 4, 40, {635, 1}},  // would pass the right edge: ends 5 pixels left of it
        {100, 20, 40, {110, 8}}, // near the bottom: a full text height above
    };
    for (const auto& c : cases) {
        const HintOrigin origin = hintOrigin(c.x, c.y, c.textWidth, 12, 700, 25);
        EXPECT_EQ(origin.x, c.expected.x);
        EXPECT_EQ(origin.y, c.expected.y);
    }
}

struct RemovalCase {
    const char* name;
    std::vector<bool> visible;
    int active;
    int removed;
    int expectedActive;
};

TEST(TabStripModel, RemovingTabsKeepsAValidActiveTab) {
    const RemovalCase cases[] = {
        {"active last tab hands over to the one before", {true, true, true, true}, 3, 3, 2},
        {"hidden tabs before it are skipped", {true, true, false, true}, 3, 3, 1},
        {"tab before the active one: same tab stays", {true, true, true, true}, 2, 1, 1},
        {"tab after the active one: no change", {true, true, true, true}, 1, 3, 1},
        {"active first tab hands over to the next", {true, true, true}, 0, 0, 0},
        {"next visible tab after a hidden one", {true, false, true}, 0, 0, 1},
        {"no visible tab left", {true, false}, 0, 0, -1},
        {"the only tab", {true}, 0, 0, -1},
    };
    for (const RemovalCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<TabInfo> tabs;
        for (bool visible : c.visible)
            tabs.push_back({TKind::tkResult, visible});
        TabStripModel model = stripOf(700);
        model.activeTab = c.active;
        model.selectedTab = c.removed;
        model.srcTab = 0;
        model.destTab = 1;
        model.tabRemoving(tabs, c.removed);
        EXPECT_EQ(model.activeTab, c.expectedActive);
        EXPECT_EQ(model.selectedTab, -1);
        EXPECT_EQ(model.srcTab, -1);
        EXPECT_EQ(model.destTab, -1);
    }
}

TEST(TabStripModel, DragStepsCrossOnlyVisibleTabs) {
    std::vector<TabInfo> tabs = visibleTabs(6);
    using Steps = std::vector<std::pair<int, int>>;
    auto steps = [&tabs](int from, int to) {
        Steps result;
        for (const SwitchStep& step : TabStripModel::dragSteps(tabs, from, to))
            result.emplace_back(step.reached, step.left);
        return result;
    };
    EXPECT_EQ(steps(1, 4), (Steps{{2, 1}, {3, 2}, {4, 3}}));
    EXPECT_EQ(steps(4, 1), (Steps{{3, 4}, {2, 3}, {1, 2}}));
    tabs[3].visible = false;
    EXPECT_EQ(steps(1, 4), (Steps{{2, 1}, {4, 2}}));
    EXPECT_EQ(steps(2, 2), Steps{});
    EXPECT_EQ(steps(1, 9), Steps{});
}

TEST(TabStripModel, DragNeedsMoreThanFiftyPixels) {
    std::vector<TabInfo> tabs = visibleTabs(6);
    TabStripModel model = stripOf(700);
    EXPECT_EQ(model.press(tabs, 200, true).hit, 1);
    EXPECT_FALSE(model.dragTo(tabs, 250, 200));
    EXPECT_EQ(model.destTab, -1);
    ReleaseOutcome plain = model.release(tabs, 250, true);
    EXPECT_TRUE(plain.steps.empty());
    EXPECT_EQ(plain.hit, 2);

    EXPECT_EQ(model.press(tabs, 200, true).hit, 1);
    EXPECT_TRUE(model.dragTo(tabs, 251, 200));
    EXPECT_EQ(model.destTab, 2);
    ReleaseOutcome moved = model.release(tabs, 251, true);
    ASSERT_EQ(moved.steps.size(), 1u);
    EXPECT_EQ(moved.steps[0].reached, 2);
    EXPECT_EQ(moved.steps[0].left, 1);
    EXPECT_EQ(model.srcTab, -1);
    EXPECT_EQ(model.destTab, -1);
}

TEST(TabStripModel, ArrowZonesCountOnlyWhereAnArrowIsShown) {
    std::vector<TabInfo> tabs = visibleTabs(10);
    TabStripModel model = stripOf(400);
    // No left arrow: the left edge of the first tab is a tab like any other.
    EXPECT_EQ(model.press(tabs, 5, true).hit, 0);
    ReleaseOutcome onFirstTab = model.release(tabs, 5, true);
    EXPECT_FALSE(onFirstTab.ignored);
    EXPECT_EQ(onFirstTab.hit, 0);
    EXPECT_EQ(model.press(tabs, 395, true).scrollDirection, +1);
    EXPECT_TRUE(model.release(tabs, 395, true).ignored);
    model.offset = 2;
    EXPECT_EQ(model.press(tabs, 5, true).scrollDirection, -1);
    EXPECT_TRUE(model.release(tabs, 5, true).ignored);
}

TEST(TabStripModel, ScrollingStaysInsideTheVisibleTabs) {
    std::vector<TabInfo> tabs = visibleTabs(6);
    TabStripModel model = stripOf(400); // three slots
    model.scroll(tabs, -1);
    EXPECT_EQ(model.offset, 0);
    for (int i = 0; i < 10; ++i)
        model.scroll(tabs, +1);
    EXPECT_EQ(model.offset, 3); // the right arrow disappears once the last tab is in view
    model.scroll(tabs, -1);
    EXPECT_EQ(model.offset, 2);
}

TEST(TabStripModel, AppendedTabBecomesActiveAndInView) {
    TabStripModel model = stripOf(400);
    std::vector<TabInfo> tabs;
    for (int count = 1; count <= 7; ++count) {
        tabs.push_back({TKind::tkResult, true});
        model.tabAppended(tabs);
        EXPECT_EQ(model.activeTab, count - 1);
        EXPECT_FALSE(model.rightArrowVisible(tabs));
        EXPECT_EQ(model.offset, std::max(0, count - 3));
        ASSERT_FALSE(model.layout(tabs).empty());
        EXPECT_EQ(model.layout(tabs).back().index, count - 1);
    }
}

TEST(TabStripModel, AppendingToAStripTooNarrowForOneTabKeepsTheNewTabFirst) {
    TabStripModel model = stripOf(60);
    const std::vector<TabInfo> tabs = visibleTabs(3);
    model.tabAppended(tabs);
    EXPECT_EQ(model.offset, 2);
    ASSERT_EQ(model.layout(tabs).size(), 1u);
    EXPECT_EQ(model.layout(tabs).front().index, 2);
}

TEST(TabKinds, SetsAreBitMasks) {
    const TSetOfKinds pages = kindSet({TKind::tkControl, TKind::tkDynamic});
    EXPECT_EQ(pages, 0b101u);
    EXPECT_TRUE(containsKind(pages, TKind::tkDynamic));
    EXPECT_FALSE(containsKind(pages, TKind::tkResult));
    EXPECT_EQ(kindBit(TKind::tkToDo), 1u << 6);
}

} // namespace
} // namespace vintrel
