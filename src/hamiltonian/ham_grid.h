#pragma once

#include "hamiltonian/ham_grid_painter.h"
#include "hamiltonian/ham_grid_view.h"

#include <QAbstractScrollArea>

namespace vintrel {

/// The matrix grid of the Hamiltonian page: draws the scene the page prepares, scrolls by
/// whole cells (scroll bars, wheel, drag panning) and reports clicks. It owns the geometry
/// (`view`); the page owns the texts, captions and selection the scene points to.
class THamGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit THamGrid(QWidget* parent = nullptr);

    HamGridView& view() { return view_; }
    const HamGridView& view() const { return view_; }
    /// The scene of the next paints; `scene.view` is set by the grid.
    void setScene(const HamGridScene& scene);
    const HamGridScene& scene() const { return scene_; }
    /// Brings the scroll bars in line with the view and repaints.
    void viewChanged();

signals:
    /// A press and release in the same cell without panning (`cell` counted from 0).
    void cellClicked(GridCell cell);
    /// The mouse was released over a data cell.
    void releasedOverData(GridCell cell);
    /// The wheel with Ctrl held: +1 zooms in, −1 out.
    void zoomRequested(int direction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    HamGridView view_;
    HamGridScene scene_;
    bool syncing_ = false;
    int wheelRest_ = 0;
};

} // namespace vintrel
