#pragma once

#include "controls/wheel_notches.h"
#include "levels/energy_view.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QTimer;
class QWidget;

namespace vintrel {

class TMyButton;
class TNicePanel;

/// What the level pages share around their diagram: the visible energy window (EnergyView)
/// and everything that changes it — "1:1", zoom in and out, the help toggle, click and drag
/// zoom and the wheel on the diagram, the scroll strip with its repeating arrow buttons and
/// its thumb, and the zoom information panel with its navigator, "highest", "zero",
/// "lowest", collapse toggle and drag. The page paints the diagram; it hands the diagram's
/// mouse events to `diagramMouse` and draws the drag band and help box from the state here.
class EnergyViewControls : public QObject {
    Q_OBJECT
public:
    /// Builds the scroll strip and the (hidden) zoom information panel on the page's panel.
    EnergyViewControls(QWidget* panel, QWidget* diagram, int panelTop);

    /// Adds "1:1", zoom in, zoom out, "Show zoom information" and "?" to a tool bar row.
    void addZoomButtons(QBoxLayout* row, QWidget* bar);
    /// The scroll strip, for the page's layout at the diagram's right.
    QWidget* scrollStrip() const { return FScrollStrip; }

    /// Run before every change of the window: the page brings its level data up to date.
    void setBeforeChange(std::function<void()> hook) { FBeforeChange = std::move(hook); }
    /// Shows an error of a change (a "g_E.dup" that cannot be written).
    void setErrorHandler(std::function<void(const QString&)> handler) {
        FErrorHandler = std::move(handler);
    }
    /// The energies (absolute, K) the navigator draws as lines, and their colour.
    void setNavigatorLevels(std::function<std::vector<double>()> levels) {
        FNavigatorLevels = std::move(levels);
    }
    void setNavigatorColour(const QColor& colour);

    EnergyView& view() { return FView; }
    const EnergyView& view() const { return FView; }

    /// Every change of the visible window: the hook runs, the change is made on the view
    /// model, and the zoom text, the scroll thumb, the navigator and the diagram follow.
    void changeView(const std::function<void(EnergyView&)>& change);
    void viewWhole() {
        changeView([](EnergyView& view) { view.viewWhole(); });
    }
    /// The navigator and its buttons after the level range changed without a view change.
    void rangeChanged();

    /// Scrolls as a mouse wheel turned by `angleDelta` (eighths of a degree) does: 4 % of the
    /// span per notch.
    void scrollByWheel(int angleDelta);
    /// The diagram's mouse and wheel events: a click (or a left drag shorter than 6 px) zooms
    /// at the pointer, in with the left and out with the right button; a longer left drag
    /// sets the window to the dragged band. True when the event was taken.
    bool diagramMouse(QEvent* event);

    bool helpVisible() const { return helpVisible_; }
    /// A left drag on the diagram is in progress, from row dragY0 to row dragY1.
    bool dragging() const { return view_mouseDn; }
    int dragY0() const { return view_clickY; }
    int dragY1() const { return view_moveY; }

    TMyButton* zoomInfoButton() const { return MyButton_zoomInfo; }
    TMyButton* helpButton() const { return MyButton_help; }
    TMyButton* scrollUpButton() const { return FScrollUp; }
    TMyButton* scrollDownButton() const { return FScrollDown; }
    QWidget* scrollThumb() const { return FThumb; }
    QWidget* zoomPanel() const;
    QWidget* navigator() const { return FNavigator; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScrollStrip();
    void buildZoomPanel();
    void placeZoomPanel();
    void placeNavigatorButtons();
    void placeThumb();
    ScrollStrip strip() const;
    void scrollStep(double steps);
    void toggleZoomPanel(bool shown);
    void collapseTick();
    void paintNavigator();
    void paintScrollStrip(QWidget* target);
    bool navigatorMouse(QEvent* event);
    bool scrollStripMouse(QObject* watched, QEvent* event);
    bool zoomPanelMouse(QEvent* event);

    QWidget* FPanel;
    QWidget* FDiagram;
    int FPanelTop;
    EnergyView FView;
    std::function<void()> FBeforeChange;
    std::function<void(const QString&)> FErrorHandler;
    std::function<std::vector<double>()> FNavigatorLevels;
    QColor FNavigatorColour{0x00, 0xA0, 0xFF};

    TMyButton* MyButton_zoom11 = nullptr;
    TMyButton* MyButton_zoomIn = nullptr;
    TMyButton* MyButton_zoomOut = nullptr;
    TMyButton* MyButton_zoomInfo = nullptr;
    TMyButton* MyButton_help = nullptr;

    // scroll strip
    QWidget* FScrollStrip = nullptr;
    TMyButton* FScrollUp = nullptr;
    TMyButton* FScrollDown = nullptr;
    QWidget* FThumb = nullptr;
    QTimer* FRepeatTimer = nullptr;
    double FRepeatDirection = 0;
    bool scrollDown = false;
    int sY = 0;

    // zoom information panel
    TNicePanel* FZoomPanel = nullptr;
    QWidget* FNavigator = nullptr;
    QLineEdit* Edit_zoom = nullptr;
    QLabel* FHighestLabel = nullptr;
    QLabel* FLowestLabel = nullptr;
    TMyButton* MyButton_highest = nullptr;
    TMyButton* MyButton_lowest = nullptr;
    TMyButton* MyButton_zero = nullptr;
    TMyButton* MyButton_collapse = nullptr;
    QTimer* FCollapseTimer = nullptr;
    bool FCollapsing = false;
    bool zdrag = false;
    QPoint FZoomGrab;

    // diagram mouse state
    int view_clickX = 0;
    int view_clickY = 0;
    int view_moveX = 0;
    int view_moveY = 0;
    bool view_mouseDn = false;
    double mod_updown_scale = 1;
    WheelNotches wheelNotches;
    bool helpVisible_ = false;
};

} // namespace vintrel
