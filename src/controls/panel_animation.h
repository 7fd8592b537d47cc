#pragma once

class QTimer;
class QWidget;

namespace vintrel {

/// The next width of a collapsing side panel: the width divided by 1.4 (rounded), or the
/// target once that is not larger than it. `done` tells that the target is reached.
int nextShrinkWidth(int width, int target, bool& done);

/// The next width of an expanding side panel: the width times 1.4 (rounded, and at least one
/// pixel more so that a narrow panel still grows), or the target once that reaches it.
int nextGrowWidth(int width, int target, bool& done);

/// One tick of a side panel collapsing to `targetWidth`. A panel that is not left-anchored
/// keeps its right edge at `rightEdge`. Stops `timer` when the target is reached.
void shrinkPanelStep(QWidget* panel, int targetWidth, int rightEdge, bool leftAnchored,
                     QTimer* timer);

/// One tick of a side panel expanding to `targetWidth`; as `shrinkPanelStep`.
void growPanelStep(QWidget* panel, int targetWidth, int rightEdge, bool leftAnchored,
                   QTimer* timer);

} // namespace vintrel
