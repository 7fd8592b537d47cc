#include "controls/panel_animation.h"

#include "base/rounding.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace vintrel {

int nextShrinkWidth(int width, int target, bool& done) {
    const int next = roundHalfEven(width / 1.4);
    done = next <= target;
    return done ? target : next;
}

int nextGrowWidth(int width, int target, bool& done) {
    const int next = std::max(roundHalfEven(width * 1.4), width + 1);
    done = next >= target;
    return done ? target : next;
}

namespace {
void applyStep(QWidget* panel, int width, bool done, int rightEdge, bool leftAnchored,
               QTimer* timer) {
    if (leftAnchored)
        panel->resize(width, panel->height());
    else
        panel->setGeometry(rightEdge - width, panel->y(), width, panel->height());
    if (done && timer)
        timer->stop();
}
} // namespace

void shrinkPanelStep(QWidget* panel, int targetWidth, int rightEdge, bool leftAnchored,
                     QTimer* timer) {
    bool done = false;
    const int width = nextShrinkWidth(panel->width(), targetWidth, done);
    applyStep(panel, width, done, rightEdge, leftAnchored, timer);
}

void growPanelStep(QWidget* panel, int targetWidth, int rightEdge, bool leftAnchored,
                   QTimer* timer) {
    bool done = false;
    const int width = nextGrowWidth(panel->width(), targetWidth, done);
    applyStep(panel, width, done, rightEdge, leftAnchored, timer);
}

} // namespace vintrel
