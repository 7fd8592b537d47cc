#pragma once

#include "levels/level_overlays.h"
#include "levels/transition_strengths.h"

#include <QObject>

#include <array>
#include <memory>

class QPainter;
class QWidget;

namespace vintrel {

class Tpoziomy;
class TMyButton;
class TNicePanel;
struct DiagramScene;
struct DiagramLayout;

/// The two overlays of the level page: the observable transitions (arrows between level groups
/// coloured by operator type and shaded by strength, with the legend "nonzero transition matrix
/// elements", its seven line toggles and "Invert background color") and the magnetic moments of
/// the groups. What is drawn comes from the Qt-free layout of levels/level_overlays.h; the
/// horizontal scroll bar is shown or hidden before the diagram is painted, whenever the
/// strengths, the toggles or the diagram's width change.
class TLevelOverlays : public QObject {
    Q_OBJECT
public:
    explicit TLevelOverlays(Tpoziomy& page);
    ~TLevelOverlays() override;

    QWidget* legend() const;
    TMyButton* lineToggle(int table) const { return FToggles[static_cast<std::size_t>(table)]; }
    TMyButton* invertButton() const { return MyButton_invert; }
    const TransitionStrengths& strengths() const { return *FStrengths; }
    /// The arrows of the last repaint.
    const std::vector<TransitionArrowSpec>& lastArrows() const { return FArrows; }
    /// The moment runs of the groups of the last repaint, by group.
    const std::vector<std::vector<MomentRun>>& lastMoments() const { return FMoments; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void transitionsToggled(bool on);
    void readStrengths();
    void applyBasis();
    void decideScrollBar();
    StrengthMask shownTables() const;
    void paintTransitions(QPainter& painter, const DiagramScene& scene,
                          const DiagramLayout& layout);
    void paintMoments(QPainter& painter, const DiagramScene& scene, const DiagramLayout& layout);
    void placeLegend();

    Tpoziomy& FPage;
    std::unique_ptr<TransitionStrengths> FStrengths;
    TNicePanel* FLegend = nullptr;
    std::array<TMyButton*, kStrengthTables> FToggles{};
    TMyButton* MyButton_invert = nullptr;
    std::vector<TransitionArrowSpec> FArrows;
    std::vector<std::vector<MomentRun>> FMoments;
};

} // namespace vintrel
