#pragma once

#include "tabs/tab.h"
#include "tabs/tab_strip_model.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class QPainter;

namespace vintrel {

/// The owner-drawn tab strip: draws its tabs from pictures, scrolls when they do not fit, lets
/// the user drag a tab to a new place and shows a tab's hint after a pause. It never loads data;
/// its owner reacts to its signals. Geometry and mouse rules live in `TabStripModel`.
class TSuperTabs : public QWidget {
    Q_OBJECT

public:
    static constexpr int kScrollRepeatMs = 200;
    static constexpr int kHintDelayMs = 1000;

    explicit TSuperTabs(QWidget* parent = nullptr);
    ~TSuperTabs() override;

    /// Appends a visible tab, makes it active, raises `OnChange` and scrolls it into view.
    /// Returns its index.
    int AddTab(const QString& name, const QString& resDir, TKind kind, const QString& hint,
               const QString& fileDescr, const QString& fileName);
    /// `AddTab` with no folder, description or path.
    int AddSimpleTab(const QString& name, TKind kind, const QString& hint = QString());
    /// Removes and destroys the tab at `index`; an active tab removed hands over to the nearest
    /// visible tab before it (after it when there is none).
    void RemoveTab(int index);
    /// Index of the last tab with exactly this caption and kind, −1 when none.
    int GetTabIndex(const QString& name, TKind kind) const;
    /// Makes `index` the active and selected tab; sets the offset unless it is −1.
    void SetCurrentTab(int index, int offset);
    /// Hides every tab whose kind is in `kinds` and shows every other tab.
    void HideTabsType(TSetOfKinds kinds);
    /// Scrolls back to the first tab.
    void SetVisibleTab0();
    /// Sets the caption font.
    void SetFont(const QFont& font);
    /// Exchanges every property of the tabs at `a` and `b`.
    void SwapTabs(int a, int b);

    /// The tab at `index`, null when out of range.
    TTab* Tabs(int index) const;
    int TabCount() const { return static_cast<int>(FTabs.size()); }
    int VisTabCount() const;
    int ActiveTab() const { return FModel.activeTab; }
    void setActiveTab(int index);
    /// The tab last pressed with any button.
    int SelectedTab() const { return FModel.selectedTab; }
    void setSelectedTab(int index) { FModel.selectedTab = index; }
    bool AutoWidth() const { return FModel.autoWidth; }
    void setAutoWidth(bool on);
    int DefaultWidth() const { return FModel.defaultWidth; }
    void setDefaultWidth(int width);
    /// Width of every tab (see `TabStripModel::tabWidth`).
    int TabWidth() const;
    /// Number of visible tabs scrolled out at the left.
    int Offset() const { return FModel.offset; }
    void setOffset(int offset);
    QColor Color() const { return FColor; }
    void setColor(const QColor& colour);
    QFont Font() const { return FFont; }

    bool LeftBtnVisible() const;
    bool RightBtnVisible() const;
    /// Whether a hint is drawn, and for which tab (−1 for none).
    bool ShowingHint() const { return FShowingHint; }
    int HintTab() const { return FHintTab; }
    /// The caption as drawn: shortened to fit its tab, in bold for the active tab.
    QString CaptionShown(int index) const;
    /// Where the tab at `index` is drawn; empty when it is not drawn.
    QRect TabRect(int index) const;
    /// The drop target of a drag under way, −1 for none.
    int DropTarget() const { return FModel.destTab; }

signals:
    /// A tab was added.
    void OnChange(vintrel::TSuperTabs* Sender);
    /// A press and release ended over a tab; X and Y are always 0.
    void OnClick(vintrel::TSuperTabs* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                 int X, int Y);
    /// One step of a drag move: the dragged tab has moved from `Dst` to `Src`.
    void OnSwitchTabs(vintrel::TSuperTabs* Sender, int Src, int Dst);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::vector<TabInfo> tabInfos() const;
    TabStripModel& model() const;
    QFont captionFont(bool bold) const;
    void scrollTick();
    void hintTick();
    void hideHint();
    void paintTab(QPainter& painter, const TabPlacement& placement, bool active) const;
    void paintCaption(QPainter& painter, const TabPlacement& placement, bool active) const;
    void paintArrows(QPainter& painter) const;
    void paintHint(QPainter& painter) const;

    std::vector<std::unique_ptr<TTab>> FTabs;
    mutable TabStripModel FModel;
    QColor FColor{240, 240, 240};
    QFont FFont;
    int dx = 0;
    bool LBtnDown = false;
    bool RBtnDown = false;
    int ofx = 0;
    int HintX = 0;
    int HintY = 0;
    int FHintTab = -1;
    bool FShowingHint = false;
    QTimer Timer1;
    QTimer TimerHint;
};

} // namespace vintrel
