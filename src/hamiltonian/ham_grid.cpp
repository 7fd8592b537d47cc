#include "hamiltonian/ham_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace vintrel {

THamGrid::THamGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::StyledPanel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(false);
    scene_.view = &view_;
    resize(560, 320);
}

void THamGrid::setScene(const HamGridScene& scene) {
    scene_ = scene;
    scene_.view = &view_;
}

void THamGrid::viewChanged() {
    syncing_ = true;
    view_.setClientSize(viewport()->width(), viewport()->height());
    QScrollBar* across = horizontalScrollBar();
    across->setRange(1, view_.maxLeftCol());
    across->setPageStep(std::max(1, view_.visibleColumns()));
    across->setValue(view_.leftCol());
    QScrollBar* down = verticalScrollBar();
    down->setRange(1, view_.maxTopRow());
    down->setPageStep(std::max(1, view_.visibleRows()));
    down->setValue(view_.topRow());
    syncing_ = false;
    viewport()->update();
}

void THamGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    if (scene_.texts && scene_.captions && scene_.fonts)
        paintHamGrid(painter, scene_);
    else
        painter.fillRect(viewport()->rect(), scene_.background);
}

void THamGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    viewChanged();
}

void THamGrid::scrollContentsBy(int, int) {
    if (syncing_)
        return;
    view_.setLeftCol(horizontalScrollBar()->value());
    view_.setTopRow(verticalScrollBar()->value());
    viewport()->update();
}

void THamGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    view_.startDrag(at.x(), at.y());
}

void THamGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (view_.dragTo(at.x(), at.y()))
        viewChanged();
}

void THamGrid::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const GridCell under = view_.cellAt(at.x(), at.y());
    const GridCell clicked = view_.endDrag(at.x(), at.y());
    if (under.valid() && under.row > 0 && under.column > 0)
        emit releasedOverData(under);
    if (clicked.valid())
        emit cellClicked(clicked);
}

void THamGrid::wheelEvent(QWheelEvent* event) {
    wheelRest_ += event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    const int notches = wheelRest_ / 120;
    wheelRest_ -= notches * 120;
    event->accept();
    if (notches == 0)
        return;
    if (event->modifiers() & Qt::ControlModifier) {
        emit zoomRequested(notches > 0 ? 1 : -1);
        return;
    }
    if ((event->modifiers() & Qt::ShiftModifier) || event->angleDelta().y() == 0)
        view_.setLeftCol(view_.leftCol() - notches);
    else
        view_.setTopRow(view_.topRow() - notches);
    viewChanged();
}

} // namespace vintrel
