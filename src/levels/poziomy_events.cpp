#include "levels/poziomy.h"

#include <QMouseEvent>

namespace vintrel {

bool Tpoziomy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FDiagram) {
        if (event->type() == QEvent::Paint) {
            paintDiagram(FDiagram);
            return true;
        }
        return diagramMouse(event);
    }
    return QWidget::eventFilter(watched, event);
}

void Tpoziomy::scrollByWheel(int angleDelta) {
    FControls->scrollByWheel(angleDelta);
}

bool Tpoziomy::diagramMouse(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
        type == QEvent::MouseButtonRelease) {
        // The small parameter view takes the mouse while the pointer is over it and no drag
        // on the diagram is in progress.
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        const bool overMini = FMiniParamPainter && kMiniParamArea.contains(pos);
        if (overMini != inMiniParam) {
            inMiniParam = overMini;
            FDiagram->update(kMiniParamArea);
        }
        if (inMiniParam && !FControls->dragging()) {
            if (FMiniParamMouse)
                FMiniParamMouse(mouse);
            return true;
        }
    }
    return FControls->diagramMouse(event);
}

} // namespace vintrel
