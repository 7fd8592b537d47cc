#pragma once

#include <optional>

namespace vintrel {

/// A cell of the matrix grid, row and column counted from 0: row 0 and column 0 hold the state
/// captions, data cells run from 1 to N.
struct GridCell {
    int row = -1;
    int column = -1;
    bool valid() const { return row >= 0 && column >= 0; }
    bool operator==(const GridCell&) const = default;
};

/// A rectangle of the grid's client area.
struct GridRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const GridRect&) const = default;
};

/// The selected row and column of the grid (−1 for none). They are kept when another result is
/// loaded, even beyond its states; the page then shows them only while they fit.
struct GridSelection {
    int selRow = -1;
    int selCol = -1;

    /// A click that ended in `cell`: a row caption selects its row or, when it was selected,
    /// clears it; a column caption does the same for its column; a data cell becomes the
    /// selected row and column; the corner does nothing. True when a data cell was clicked.
    bool click(GridCell cell);
};

/// Geometry, scrolling, drag panning and zoom of the matrix grid. Column 0 and row 0 stay in
/// place; the data columns and rows scroll by whole cells, `leftCol` and `topRow` being the
/// first data column and row on show. All data columns have one width and all data rows one
/// height; cells are separated by grid lines of one pixel.
class HamGridView {
public:
    static constexpr int kHeaderColumnWidth = 50;
    static constexpr int kHeaderRowHeight = 20;
    static constexpr int kDefaultColumnWidth = 75;
    static constexpr int kLineHeight = 20;
    static constexpr int kGridLine = 1;
    /// "Zoom+" works while the data columns are narrower than this, "Zoom-" while they are
    /// wider than kMinZoomWidth.
    static constexpr int kMaxZoomWidth = 5 * kDefaultColumnWidth;
    static constexpr int kMinZoomWidth = kDefaultColumnWidth / 2;

    /// N states: N + 1 rows and columns. Keeps the first column and row on show where it can.
    void setStates(int N);
    int states() const { return states_; }
    int columnCount() const { return states_ + 1; }
    int rowCount() const { return states_ + 1; }

    /// The data rows for `lines` ticked terms: 20·max(lines, 2) high in the first basis and
    /// 20·lines in the second; with no term ticked they keep their height.
    void setTickedLines(int lines, bool firstBasis);

    /// Width of data column(s) / of column `column` (column 0: the caption column).
    int dataColumnWidth() const { return columnWidth_; }
    int columnWidth(int column) const { return column == 0 ? kHeaderColumnWidth : columnWidth_; }
    int dataRowHeight() const { return rowHeight_; }
    int rowHeight(int row) const { return row == 0 ? kHeaderRowHeight : rowHeight_; }
    /// Sets the width of every data column (at least 1).
    void setDataColumnWidth(int width);

    void setClientSize(int width, int height);
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }

    int leftCol() const { return leftCol_; }
    int topRow() const { return topRow_; }
    /// Scroll to a first data column or row, kept within 1 … the last that still fills the
    /// view. True when it changed.
    bool setLeftCol(int column);
    bool setTopRow(int row);
    int maxLeftCol() const;
    int maxTopRow() const;
    /// Data columns (rows) wholly on show from the first one on; at least 1 while there are
    /// states.
    int visibleColumns() const;
    int visibleRows() const;
    /// The last data column (row) on show, wholly or in part; 0 when none is.
    int lastShownColumn() const;
    int lastShownRow() const;
    /// The total width and height of the cells on show, grid lines included.
    int shownWidth() const;
    int shownHeight() const;

    /// The cell under a point of the client area; invalid outside the cells.
    GridCell cellAt(int x, int y) const;
    /// Where a cell is on show; nullopt when it is scrolled away or does not exist.
    std::optional<GridRect> cellRect(GridCell cell) const;

    /// Multiplies the width of every data column by `factor` (rounded), then scrolls so that
    /// the reference column (the selected column, or the middle one on show) comes near `x`:
    /// the first column on show becomes the i in 1 … column count for which
    /// |w·(reference − i + 0.5) − x| is smallest (the first such i), w the new column width; the
    /// top row likewise from the selected row (or the middle row on show), the row height and
    /// `y`. A selection beyond the states counts as none.
    void zoomGrid(double factor, int x, int y, const GridSelection& selection);
    /// "Zoom+" about the centre of the grid (factor 1.1) while the columns are narrower than
    /// kMaxZoomWidth; "Zoom-" (0.9) while they are wider than kMinZoomWidth. True when it
    /// zoomed.
    bool zoomIn(const GridSelection& selection);
    bool zoomOut(const GridSelection& selection);

    /// Drag panning. A press starts a drag at the point; while it lasts, a move of the mouse
    /// right by more than the width of the column under it since the reference point scrolls
    /// one column towards the start (left: towards the end; down and up likewise by the
    /// height of the row under it). Each step resets the reference point to the mouse and marks
    /// the drag as moved. `dragTo` tells whether the view scrolled.
    void startDrag(int x, int y);
    bool dragTo(int x, int y);
    bool dragging() const { return dragX_ >= 0; }
    bool dragMoved() const { return dragMoved_; }
    GridCell dragStartCell() const { return dragStart_; }
    /// Ends the drag; gives the cell that counts as clicked: the cell where it ended when the
    /// drag did not move and ended in the cell where it started, otherwise an invalid cell.
    GridCell endDrag(int x, int y);

private:
    int fittingColumns() const;
    int fittingRows() const;
    static int nearestStart(int size, int reference, int count, int target);

    int states_ = 11;
    int columnWidth_ = kDefaultColumnWidth;
    int rowHeight_ = kLineHeight;
    int clientWidth_ = 560;
    int clientHeight_ = 320;
    int leftCol_ = 1;
    int topRow_ = 1;
    int dragX_ = -1;
    int dragY_ = -1;
    bool dragMoved_ = false;
    GridCell dragStart_;
};

} // namespace vintrel
