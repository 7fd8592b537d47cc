#include "graphs/side_panel.h"

#include "controls/my_button.h"
#include "controls/panel_animation.h"

#include <QMouseEvent>
#include <QTimer>

namespace vintrel {

namespace {

constexpr int kCollapsedWidth = 26;

} // namespace

TGraphSidePanel::TGraphSidePanel(QWidget* parent, int expandedWidth, int height, int rightGap)
    : TNicePanel(parent), FExpandedWidth(expandedWidth), FRightGap(rightGap) {
    loadPanelSet(*this, QStringLiteral("panel"));
    resize(expandedWidth, height);
    MyButtonZwin = new TMyButton(this);
    loadGlyphSet(*MyButtonZwin, QStringLiteral("tool"));
    MyButtonZwin->SetStretch(true);
    MyButtonZwin->SetCaption(QStringLiteral(">"));
    MyButtonZwin->setFixedSize(18, 20);
    MyButtonZwin->move(4, 4);
    FContent = new QWidget(this);
    FContent->setGeometry(kCollapsedWidth, 4, expandedWidth - kCollapsedWidth - 4, height - 8);
    TimerZwin = new QTimer(this);
    TimerZwin->setInterval(50);
    connect(TimerZwin, &QTimer::timeout, this, &TGraphSidePanel::slideStep);
    connect(MyButtonZwin, &TMyButton::OnClick, this, [this] { setCollapsed(!FCollapsed); });
}

void TGraphSidePanel::setCollapsed(bool collapsed) {
    FCollapsed = collapsed;
    MyButtonZwin->SetCaption(collapsed ? QStringLiteral("<") : QStringLiteral(">"));
    TimerZwin->start();
}

void TGraphSidePanel::slideStep() {
    const int rightEdge = x() + width();
    if (FCollapsed)
        shrinkPanelStep(this, kCollapsedWidth, rightEdge, false, TimerZwin);
    else
        growPanelStep(this, FExpandedWidth, rightEdge, false, TimerZwin);
}

void TGraphSidePanel::place() {
    if (FDragged || !parentWidget())
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
