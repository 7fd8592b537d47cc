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
///
/// Anchored at its left edge (the shape panel of the potential pages) the button sits at the
/// right edge and the content slides out to the left as the panel narrows.
class TGraphSidePanel : public TNicePanel {
    Q_OBJECT
public:
    /// How a panel slides: its anchored edge, its collapsed width and its timer step.
    struct Slide {
        bool leftAnchored = false;
        int collapsedWidth = 26;
        int intervalMs = 50;
    };
    TGraphSidePanel(QWidget* parent, int expandedWidth, int height, int rightGap);
    TGraphSidePanel(QWidget* parent, int expandedWidth, int height, int rightGap, Slide slide);

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
    void resizeEvent(QResizeEvent* event) override;

private:
    void slideStep();
    void placeChildren();

    QWidget* FContent = nullptr;
    TMyButton* MyButtonZwin = nullptr;
    QTimer* TimerZwin = nullptr;
    int FExpandedWidth;
    int FRightGap;
    Slide FSlide;
    bool FCollapsed = false;
    bool FDragged = false;
    bool FDragging = false;
    QPoint FGrab;
};

} // namespace vintrel
