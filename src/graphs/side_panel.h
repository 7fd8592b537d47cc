#pragma once

#include "controls/nice_panel.h"

#include <QPoint>

class QTimer;

namespace vintrel {

class TMyButton;

/// A side panel of a graph page (the Curie and Debye panels): a nine-picture panel over the
/// plot that slides, anchored at its right edge, between its full width and a 26-pixel strip
/// with its ">" button, and that can be dragged by its background. Until it is dragged it keeps
/// its gap to the right edge of its parent.
class TGraphSidePanel : public TNicePanel {
    Q_OBJECT
public:
    TGraphSidePanel(QWidget* parent, int expandedWidth, int height, int rightGap);

    /// Where the page puts its controls (right of the collapse button).
    QWidget* content() const { return FContent; }
    TMyButton* collapseButton() const { return MyButtonZwin; }
    bool collapsed() const { return FCollapsed; }
    /// Collapses or expands the panel with the 50 ms slide.
    void setCollapsed(bool collapsed);
    /// Puts the panel at its gap from the parent's right edge (unless it was dragged).
    void place();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void slideStep();

    QWidget* FContent = nullptr;
    TMyButton* MyButtonZwin = nullptr;
    QTimer* TimerZwin = nullptr;
    int FExpandedWidth;
    int FRightGap;
    bool FCollapsed = false;
    bool FDragged = false;
    bool FDragging = false;
    QPoint FGrab;
};

} // namespace vintrel
