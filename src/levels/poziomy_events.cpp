#include "levels/poziomy.h"

#include "controls/my_button.h"
#include "controls/nice_panel.h"

#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

namespace vintrel {

namespace {

constexpr int kClickTravel = 6;

} // namespace

bool Tpoziomy::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == FDiagram) {
        if (type == QEvent::Paint) {
            paintDiagram(FDiagram);
            return true;
        }
        return diagramMouse(event);
    }
    if (watched == FNavigator) {
        if (type == QEvent::Paint) {
            paintNavigator(FNavigator);
            return true;
        }
        return navigatorMouse(event);
    }
    if (watched == FThumb && type == QEvent::Paint) {
        paintScrollStrip(FThumb);
        return true;
    }
    if (watched == FScrollStrip) {
        if (type == QEvent::Paint) {
            paintScrollStrip(FScrollStrip);
            return true;
        }
        if (type == QEvent::Resize) {
            FScrollUp->move(0, 0);
            FScrollDown->move(0, FScrollStrip->height() - FScrollDown->height());
            placeThumb();
        }
        return false;
    }
    if (watched == FThumb || watched == FScrollUp || watched == FScrollDown)
        return scrollStripMouse(watched, event);
    if (watched == FZoomPanel)
        return zoomPanelMouse(event);
    if (watched == FPanel && type == QEvent::Resize && !FZoomPanel->isVisible())
        placeZoomPanel();
    return QWidget::eventFilter(watched, event);
}

void Tpoziomy::scrollByWheel(int angleDelta) {
    const int notches = wheelNotches.take(angleDelta);
    mod_updown_scale = 2;
    for (int k = 0; k < std::abs(notches); ++k)
        scrollStep(notches > 0 ? 1 : -1);
    mod_updown_scale = 1;
}

bool Tpoziomy::diagramMouse(QEvent* event) {
    const QEvent::Type type = event->type();
    const int H = FDiagram->height();
    if (type == QEvent::Wheel) {
        scrollByWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    const bool overMini = FMiniParamPainter && kMiniParamArea.contains(pos);
    if (overMini != inMiniParam) {
        inMiniParam = overMini;
        FDiagram->update(kMiniParamArea);
    }
    if (inMiniParam && !view_mouseDn) {
        if (FMiniParamMouse)
            FMiniParamMouse(mouse);
        return true;
    }
    if (type == QEvent::MouseButtonPress) {
        if (mouse->button() == Qt::LeftButton) {
            view_mouseDn = true;
            view_clickX = view_moveX = pos.x();
            view_clickY = view_moveY = pos.y();
        }
        return true;
    }
    if (type == QEvent::MouseMove) {
        if (view_mouseDn) {
            view_moveX = pos.x();
            view_moveY = pos.y();
            FDiagram->update();
        }
        return true;
    }
    const bool left = mouse->button() == Qt::LeftButton;
    const bool right = mouse->button() == Qt::RightButton;
    const bool wasDragging = view_mouseDn;
    view_mouseDn = false;
    if (right || (left && std::abs(view_clickY - pos.y()) < kClickTravel)) {
        changeView([&](EnergyView& view) { view.zoomAtPointer(H, pos.y(), right); });
    } else if (left && wasDragging) {
        changeView([&](EnergyView& view) { view.viewBand(H, view_clickY, pos.y()); });
    }
    return true;
}

bool Tpoziomy::navigatorMouse(QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const int y = mouse->position().toPoint().y();
    const int h = FNavigator->height();
    changeView([h, y](EnergyView& view) { view.centreOnNavigatorRow(h, y); });
    return true;
}

bool Tpoziomy::scrollStripMouse(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == FThumb) {
        const int y = mouse->position().toPoint().y();
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            scrollDown = true;
            sY = y;
        } else if (type == QEvent::MouseMove && scrollDown) {
            const ScrollStrip s = strip();
            const int top = clampThumbTop(s, FThumb->y() + y - sY);
            FThumb->move(0, top);
            changeView([&s, top](EnergyView& view) { view.centreOnThumb(s, top); });
        } else if (type == QEvent::MouseButtonRelease) {
            scrollDown = false;
        }
        return true;
    }
    // The arrow buttons: holding one repeats a step every 200 ms; the release makes one more.
    const double direction = watched == FScrollUp ? 1 : -1;
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        FRepeatDirection = direction;
        FRepeatTimer->start();
    } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
               FRepeatTimer->isActive()) {
        FRepeatTimer->stop();
        scrollStep(direction);
    }
    return false;
}

bool Tpoziomy::zoomPanelMouse(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        zdrag = true;
        FZoomGrab = pos;
    } else if (type == QEvent::MouseMove && zdrag) {
        FZoomPanel->move(FZoomPanel->pos() + pos - FZoomGrab);
    } else if (type == QEvent::MouseButtonRelease) {
        zdrag = false;
    }
    return true;
}

} // namespace vintrel
