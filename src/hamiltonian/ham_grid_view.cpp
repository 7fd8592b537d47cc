#include "hamiltonian/ham_grid_view.h"

#include "base/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vintrel {

namespace {

constexpr int kDataLeft = HamGridView::kHeaderColumnWidth + HamGridView::kGridLine;
constexpr int kDataTop = HamGridView::kHeaderRowHeight + HamGridView::kGridLine;

// Data cells of pitch `pitch` wholly inside `space` pixels.
int whole(int space, int pitch) {
    return space > 0 ? space / pitch : 0;
}

// Data cells of pitch `pitch` at least partly inside `space` pixels.
int partial(int space, int pitch) {
    return space > 0 ? (space + pitch - 1) / pitch : 0;
}

} // namespace

bool GridSelection::click(GridCell cell) {
    if (!cell.valid() || (cell.row == 0 && cell.column == 0))
        return false;
    if (cell.column == 0) {
        selRow = selRow == cell.row ? -1 : cell.row;
        return false;
    }
    if (cell.row == 0) {
        selCol = selCol == cell.column ? -1 : cell.column;
        return false;
    }
    selRow = cell.row;
    selCol = cell.column;
    return true;
}

void HamGridView::setStates(int N) {
    states_ = std::max(0, N);
    setLeftCol(leftCol_);
    setTopRow(topRow_);
}

void HamGridView::setTickedLines(int lines, bool firstBasis) {
    if (lines <= 0)
        return;
    rowHeight_ = kLineHeight * (firstBasis ? std::max(lines, 2) : lines);
    setTopRow(topRow_);
}

void HamGridView::setDataColumnWidth(int width) {
    columnWidth_ = std::max(1, width);
    setLeftCol(leftCol_);
}

void HamGridView::setClientSize(int width, int height) {
    clientWidth_ = std::max(0, width);
    clientHeight_ = std::max(0, height);
    setLeftCol(leftCol_);
    setTopRow(topRow_);
}

int HamGridView::fittingColumns() const {
    return std::max(1, whole(clientWidth_ - kDataLeft, columnWidth_ + kGridLine));
}

int HamGridView::fittingRows() const {
    return std::max(1, whole(clientHeight_ - kDataTop, rowHeight_ + kGridLine));
}

int HamGridView::maxLeftCol() const {
    return std::max(1, states_ - fittingColumns() + 1);
}

int HamGridView::maxTopRow() const {
    return std::max(1, states_ - fittingRows() + 1);
}

bool HamGridView::setLeftCol(int column) {
    const int before = leftCol_;
    leftCol_ = std::clamp(column, 1, maxLeftCol());
    return leftCol_ != before;
}

bool HamGridView::setTopRow(int row) {
    const int before = topRow_;
    topRow_ = std::clamp(row, 1, maxTopRow());
    return topRow_ != before;
}

int HamGridView::visibleColumns() const {
    if (states_ == 0)
        return 0;
    return std::max(1, std::min(whole(clientWidth_ - kDataLeft, columnWidth_ + kGridLine),
                                states_ - leftCol_ + 1));
}

int HamGridView::visibleRows() const {
    if (states_ == 0)
        return 0;
    return std::max(1, std::min(whole(clientHeight_ - kDataTop, rowHeight_ + kGridLine),
                                states_ - topRow_ + 1));
}

int HamGridView::lastShownColumn() const {
    const int shown = partial(clientWidth_ - kDataLeft, columnWidth_ + kGridLine);
    return shown == 0 || states_ == 0 ? 0 : std::min(states_, leftCol_ + shown - 1);
}

int HamGridView::lastShownRow() const {
    const int shown = partial(clientHeight_ - kDataTop, rowHeight_ + kGridLine);
    return shown == 0 || states_ == 0 ? 0 : std::min(states_, topRow_ + shown - 1);
}

int HamGridView::shownWidth() const {
    const int last = lastShownColumn();
    const int columns = last == 0 ? 0 : last - leftCol_ + 1;
    return std::min(clientWidth_, kDataLeft + columns * (columnWidth_ + kGridLine));
}

int HamGridView::shownHeight() const {
    const int last = lastShownRow();
    const int rows = last == 0 ? 0 : last - topRow_ + 1;
    return std::min(clientHeight_, kDataTop + rows * (rowHeight_ + kGridLine));
}

GridCell HamGridView::cellAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= clientWidth_ || y >= clientHeight_)
        return {};
    GridCell cell;
    cell.column = x < kDataLeft ? 0 : leftCol_ + (x - kDataLeft) / (columnWidth_ + kGridLine);
    cell.row = y < kDataTop ? 0 : topRow_ + (y - kDataTop) / (rowHeight_ + kGridLine);
    if (cell.column > states_ || cell.row > states_)
        return {};
    return cell;
}

std::optional<GridRect> HamGridView::cellRect(GridCell cell) const {
    if (!cell.valid() || cell.row > states_ || cell.column > states_)
        return std::nullopt;
    GridRect rect;
    if (cell.column == 0) {
        rect.width = kHeaderColumnWidth;
    } else {
        if (cell.column < leftCol_ || cell.column > lastShownColumn())
            return std::nullopt;
        rect.x = kDataLeft + (cell.column - leftCol_) * (columnWidth_ + kGridLine);
        rect.width = columnWidth_;
    }
    if (cell.row == 0) {
        rect.height = kHeaderRowHeight;
    } else {
        if (cell.row < topRow_ || cell.row > lastShownRow())
            return std::nullopt;
        rect.y = kDataTop + (cell.row - topRow_) * (rowHeight_ + kGridLine);
        rect.height = rowHeight_;
    }
    return rect;
}

int HamGridView::nearestStart(int size, int reference, int count, int target) {
    int best = 1;
    double bestDistance = 0;
    for (int i = 1; i <= count; ++i) {
        const double distance = std::fabs(size * (reference - i + 0.5) - target);
        if (i == 1 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void HamGridView::zoomGrid(double factor, int x, int y, const GridSelection& selection) {
    const bool column = selection.selCol >= 1 && selection.selCol <= states_;
    const bool row = selection.selRow >= 1 && selection.selRow <= states_;
    const int referenceColumn = column ? selection.selCol : leftCol_ + visibleColumns() / 2;
    const int referenceRow = row ? selection.selRow : topRow_ + visibleRows() / 2;
    setDataColumnWidth(roundHalfEven(columnWidth_ * factor));
    setLeftCol(nearestStart(columnWidth_, referenceColumn, columnCount(), x));
    setTopRow(nearestStart(rowHeight_, referenceRow, rowCount(), y));
}

bool HamGridView::zoomIn(const GridSelection& selection) {
    if (columnWidth_ >= kMaxZoomWidth)
        return false;
    zoomGrid(1.1, clientWidth_ / 2, clientHeight_ / 2, selection);
    return true;
}

bool HamGridView::zoomOut(const GridSelection& selection) {
    if (columnWidth_ <= kMinZoomWidth)
        return false;
    zoomGrid(0.9, clientWidth_ / 2, clientHeight_ / 2, selection);
    return true;
}

void HamGridView::startDrag(int x, int y) {
    dragX_ = std::max(0, x);
    dragY_ = std::max(0, y);
    dragMoved_ = false;
    dragStart_ = cellAt(x, y);
}

bool HamGridView::dragTo(int x, int y) {
    if (!dragging())
        return false;
    const GridCell under = cellAt(x, y);
    const int width = under.valid() ? columnWidth(under.column) : columnWidth_;
    const int height = under.valid() ? rowHeight(under.row) : rowHeight_;
    const int dx = x - dragX_;
    const int dy = y - dragY_;
    bool stepped = false;
    bool scrolled = false;
    if (std::abs(dx) > width) {
        scrolled |= setLeftCol(leftCol_ + (dx > 0 ? -1 : 1));
        stepped = true;
    }
    if (std::abs(dy) > height) {
        scrolled |= setTopRow(topRow_ + (dy > 0 ? -1 : 1));
        stepped = true;
    }
    if (stepped) {
        dragX_ = x;
        dragY_ = y;
        dragMoved_ = true;
    }
    return scrolled;
}

GridCell HamGridView::endDrag(int x, int y) {
    const GridCell cell = cellAt(x, y);
    const bool click = dragging() && !dragMoved_ && cell.valid() && cell == dragStart_;
    dragX_ = -1;
    dragY_ = -1;
    dragMoved_ = false;
    dragStart_ = {};
    return click ? cell : GridCell{};
}

} // namespace vintrel
