#include "graphs/side_panel.h"

#include "controls/my_button.h"
#include "controls/panel_animation.h"

#include <QMouseEvent>
#include <QTimer>

namespace vintrel {

TGraphSidePanel::TGraphSidePanel(QWidget* parent, int expandedWidth, int height, int rightGap)
    : TGraphSidePanel(parent, expandedWidth, height, rightGap, Slide{}) {}

TGraphSidePanel::TGraphSidePanel(QWidget* parent, int expandedWidth, int height, int rightGap,
                                 Slide slide)
    : TNicePanel(parent), FExpandedWidth(expandedWidth), FRightGap(rightGap), FSlide(slide) {
    const int kCollapsedWidth = slide.collapsedWidth;
    loadPanelSet(*this, QStringLiteral("panel"));
    resize(expandedWidth, height);
    MyButtonZwin = new TMyButton(this);
    loadGlyphSet(*MyButtonZwin, QStringLiteral("tool"));
    MyButtonZwin->SetStretch(true);
    MyButtonZwin->SetCaption(slide.leftAnchored ? QStringLiteral("<") : QStringLiteral(">"));
    MyButtonZwin->setFixedSize(18, 20);
    FContent = new QWidget(this);
    FContent->resize(expandedWidth - kCollapsedWidth - 4, height - 8);
    placeChildren();
    TimerZwin = new QTimer(this);
    TimerZwin->setInterval(slide.intervalMs);
    connect(TimerZwin, &QTimer::timeout, this, &TGraphSidePanel::slideStep);
    connect(MyButtonZwin, &TMyButton::OnClick, this, [this] { setCollapsed(!FCollapsed); });
}

void TGraphSidePanel::setCollapsed(bool collapsed) {
    FCollapsed = collapsed;
    const bool pointsRight = collapsed != FSlide.leftAnchored;
    MyButtonZwin->SetCaption(pointsRight ? QStringLiteral("<") : QStringLiteral(">"));
    TimerZwin->start();
}

void TGraphSidePanel::slideStep() {
    const int rightEdge = x() + width();
    if (FCollapsed)
        shrinkPanelStep(this, FSlide.collapsedWidth, rightEdge, FSlide.leftAnchored, TimerZwin);
    else
        growPanelStep(this, FExpandedWidth, rightEdge, FSlide.leftAnchored, TimerZwin);
}

void TGraphSidePanel::placeChildren() {
    if (!FSlide.leftAnchored) {
        MyButtonZwin->move(4, 4);
        FContent->move(FSlide.collapsedWidth, 4);
        return;
    }
    // The button keeps to the right edge; the content slides out to the left.
    MyButtonZwin->move(width() - MyButtonZwin->width() - 4, 4);
    FContent->move(width() - FExpandedWidth + 4, 4);
}

void TGraphSidePanel::resizeEvent(QResizeEvent* event) {
    TNicePanel::resizeEvent(event);
    placeChildren();
}

void TGraphSidePanel::place() {
    if (FSlide.leftAnchored || FDragged || !parentWidget())
        return;
    move(parentWidget()->width() - FRightGap - width(), y());
}

void TGraphSidePanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        FDragging = true;
        FGrab = event->position().toPoint();
    }
}

void TGraphSidePanel::mouseMoveEvent(QMouseEvent* event) {
    if (!FDragging)
        return;
    move(pos() + event->position().toPoint() - FGrab);
    FDragged = true;
}

void TGraphSidePanel::mouseReleaseEvent(QMouseEvent*) {
    FDragging = false;
}

} // namespace vintrel
