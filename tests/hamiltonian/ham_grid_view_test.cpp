// Geometry, selection, drag panning and zoom of the matrix grid.
#include "hamiltonian/ham_grid_view.h"

#include <gtest/gtest.h>

using namespace vintrel;

namespace {

// Ten states in a 560 × 320 grid: data columns 75 wide (76 with the grid line) from x = 51,
// data rows 40 high (41) from y = 21; six columns and seven rows fit wholly.
HamGridView tenStates() {
    HamGridView view;
    view.setStates(10);
    view.setClientSize(560, 320);
    view.setTickedLines(2, true);
    return view;
}

} // namespace

TEST(GridSelection, CaptionsToggleTheirLineAndDataCellsSelectBoth) {
    GridSelection selection;
    EXPECT_FALSE(selection.click({0, 0}));
    EXPECT_EQ(selection.selRow, -1);
    EXPECT_FALSE(selection.click({3, 0}));
    EXPECT_EQ(selection.selRow, 3);
    EXPECT_EQ(selection.selCol, -1);
    EXPECT_FALSE(selection.click({0, 5}));
    EXPECT_EQ(selection.selCol, 5);
    EXPECT_FALSE(selection.click({3, 0})); // the selected row again: cleared
    EXPECT_EQ(selection.selRow, -1);
    EXPECT_EQ(selection.selCol, 5);
    EXPECT_FALSE(selection.click({4, 0}));
    EXPECT_FALSE(selection.click({2, 0})); // another row: moved, not cleared
    EXPECT_EQ(selection.selRow, 2);
    EXPECT_TRUE(selection.click({7, 8}));
    EXPECT_EQ(selection.selRow, 7);
    EXPECT_EQ(selection.selCol, 8);
    EXPECT_TRUE(selection.click({7, 8})); // a data cell never clears
    EXPECT_EQ(selection.selRow, 7);
    EXPECT_FALSE(selection.click({}));
    EXPECT_EQ(selection.selCol, 8);
}

TEST(HamGridView, RowHeightsFollowTheTickedTermsAndTheBasis) {
    HamGridView view;
    EXPECT_EQ(view.dataRowHeight(), 20);
    EXPECT_EQ(view.rowHeight(0), 20);
    EXPECT_EQ(view.columnWidth(0), 50);
    EXPECT_EQ(view.columnWidth(3), 75);
    EXPECT_EQ(view.columnCount(), 12); // the 12 × 12 grid of a new page
    const struct {
        int lines;
        bool firstBasis;
        int height;
    } cases[] = {{1, true, 40},  {2, true, 40},  {3, true, 60}, {1, false, 20},
                 {3, false, 60}, {0, false, 60}, {0, true, 60}, {2, false, 40}};
    for (const auto& c : cases) {
        view.setTickedLines(c.lines, c.firstBasis);
        EXPECT_EQ(view.dataRowHeight(), c.height) << c.lines << " " << c.firstBasis;
        EXPECT_EQ(view.rowHeight(0), 20);
    }
}

TEST(HamGridView, CellsUnderPointsAndWhereCellsAre) {
    HamGridView view = tenStates();
    EXPECT_EQ(view.visibleColumns(), 6);
    EXPECT_EQ(view.lastShownColumn(), 7);
    EXPECT_EQ(view.visibleRows(), 7);
    EXPECT_EQ(view.lastShownRow(), 8);
    const struct {
        int x, y;
        GridCell cell;
    } points[] = {{0, 0, {0, 0}},     {50, 20, {0, 0}},  {51, 20, {0, 1}},
                  {51, 21, {1, 1}},   {126, 61, {1, 1}}, {127, 62, {2, 2}},
                  {559, 319, {8, 7}}, {560, 10, {}},     {-1, 10, {}}};
    for (const auto& p : points)
        EXPECT_EQ(view.cellAt(p.x, p.y), p.cell) << p.x << "," << p.y;
    EXPECT_EQ(view.cellRect({0, 0}), (GridRect{0, 0, 50, 20}));
    EXPECT_EQ(view.cellRect({2, 3}), (GridRect{51 + 2 * 76, 21 + 41, 75, 40}));
    EXPECT_EQ(view.cellRect({2, 8}), std::nullopt);
    EXPECT_EQ(view.cellRect({11, 1}), std::nullopt);

    view.setLeftCol(4);
    view.setTopRow(3);
    EXPECT_EQ(view.cellAt(60, 30), (GridCell{3, 4}));
    EXPECT_EQ(view.cellAt(10, 30), (GridCell{3, 0}));
    EXPECT_EQ(view.cellRect({5, 0}), (GridRect{0, 21 + 2 * 41, 50, 40}));
    EXPECT_EQ(view.cellRect({0, 3}), std::nullopt);
    // The last column stops the view: it cannot scroll past what still fills it.
    EXPECT_EQ(view.maxLeftCol(), 5);
    EXPECT_TRUE(view.setLeftCol(12));
    EXPECT_EQ(view.leftCol(), 5);
    EXPECT_EQ(view.cellAt(500, 30), (GridCell{3, 10}));
    EXPECT_EQ(view.cellAt(559, 30), GridCell{}); // right of the last column
    // Fewer states: what was scrolled to comes back into range.
    view.setStates(4);
    EXPECT_EQ(view.leftCol(), 1);
    EXPECT_EQ(view.topRow(), 1);
    EXPECT_EQ(view.cellAt(400, 30), GridCell{});
    EXPECT_EQ(view.shownWidth(), 51 + 4 * 76);
}

TEST(HamGridView, ZoomMultipliesTheColumnsAndBringsTheReferenceToThePoint) {
    HamGridView view = tenStates();
    GridSelection selection;
    selection.selCol = 8;
    selection.selRow = 9;
    view.setClientSize(560, 200); // four rows fit wholly: the top row can go down to 7
    // w = round(75 × 1.1) = 82 (82.5 to the even neighbour); |82·(8 − i + 0.5) − 280| is
    // smallest at i = 5. Rows: |40·(9 − i + 0.5) − 120| is 20 for both i = 6 and i = 7: the
    // first wins.
    view.zoomGrid(1.1, 280, 120, selection);
    EXPECT_EQ(view.dataColumnWidth(), 82);
    EXPECT_EQ(view.leftCol(), 5);
    EXPECT_EQ(view.topRow(), 6);
    // Without a selection the middle of the columns and rows on show is the reference:
    // columns 5 … 10 wholly on show (6 of them), middle 8 → 82·(8.5 − i) ≈ 10 gives i = 8,
    // kept at 5, the last that fills the view.
    view.zoomGrid(1.0, 10, 0, GridSelection{});
    EXPECT_EQ(view.leftCol(), 5);
    // Rows 6 … 9 wholly on show, middle 8: 40·(8.5 − i) ≈ 0 gives i = 8, kept at 7.
    EXPECT_EQ(view.topRow(), 7);
    // A selection beyond the states counts as none.
    GridSelection stale;
    stale.selCol = 40;
    stale.selRow = 40;
    view.setLeftCol(1);
    view.setTopRow(1);
    view.zoomGrid(1.0, 0, 0, stale);
    EXPECT_EQ(view.leftCol(), 4); // middle 1 + 6/2 = 4, |82·(4.5 − i)| smallest at 4
    EXPECT_EQ(view.topRow(), 3);  // middle 1 + 4/2 = 3
}

TEST(HamGridView, ZoomButtonsStopAtFiveTimesAndHalfTheDefaultWidth) {
    HamGridView view = tenStates();
    int steps = 0;
    while (view.zoomIn({}))
        ++steps;
    EXPECT_GE(view.dataColumnWidth(), 375);
    EXPECT_LT(view.dataColumnWidth(), 375 * 1.1 + 1);
    EXPECT_EQ(steps, 17);
    while (view.zoomOut({}))
        ++steps;
    EXPECT_LE(view.dataColumnWidth(), 37);
    EXPECT_GT(view.dataColumnWidth(), 37 * 0.9 - 1);
    EXPECT_FALSE(view.zoomOut({}));
    EXPECT_TRUE(view.zoomIn({}));
}

TEST(HamGridView, DragPansByWholeCellsAndOnlyAStillDragClicks) {
    HamGridView view = tenStates();
    view.setLeftCol(4);
    view.setTopRow(3);
    view.startDrag(300, 150);
    EXPECT_FALSE(view.dragTo(375, 150)); // 75 to the right: not more than the column
    EXPECT_FALSE(view.dragMoved());
    EXPECT_TRUE(view.dragTo(376, 150)); // 76: one column towards the start
    EXPECT_EQ(view.leftCol(), 3);
    EXPECT_TRUE(view.dragMoved());
    EXPECT_FALSE(view.dragTo(400, 150)); // the reference moved to 376
    EXPECT_FALSE(view.dragTo(301, 150));
    EXPECT_TRUE(view.dragTo(300, 150)); // 76 to the left: towards the end
    EXPECT_EQ(view.leftCol(), 4);
    EXPECT_TRUE(view.dragTo(300, 191)); // 41 down: more than a row of 40
    EXPECT_EQ(view.topRow(), 2);
    EXPECT_TRUE(view.dragTo(220, 150)); // left and up at once
    EXPECT_EQ(view.leftCol(), 5);
    EXPECT_EQ(view.topRow(), 3);
    EXPECT_EQ(view.endDrag(220, 150), GridCell{}); // it moved: no click
    EXPECT_FALSE(view.dragging());
    EXPECT_FALSE(view.dragTo(0, 0));

    // Over the caption column its width (50) counts, not that of the data columns.
    view.startDrag(100, 100);
    EXPECT_FALSE(view.dragTo(40, 100)); // already the last column that fills the view
    EXPECT_EQ(view.leftCol(), 5);
    EXPECT_TRUE(view.dragMoved()); // but the step was made: no click
    view.endDrag(40, 100);
    view.setLeftCol(2);
    view.startDrag(100, 100);
    EXPECT_TRUE(view.dragTo(40, 100));
    EXPECT_EQ(view.leftCol(), 3);
    view.endDrag(40, 100);

    view.startDrag(100, 100);
    EXPECT_EQ(view.endDrag(110, 101), view.cellAt(100, 100));
    EXPECT_TRUE(view.cellAt(100, 100).valid());
    view.startDrag(100, 100);
    EXPECT_EQ(view.endDrag(200, 100), GridCell{}); // ended in another cell
    EXPECT_EQ(view.endDrag(100, 100), GridCell{}); // no drag
}
