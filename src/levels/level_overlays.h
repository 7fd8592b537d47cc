#pragma once

#include "graphs/plot_scene.h"
#include "levels/diagram_geometry.h"
#include "levels/level_tables.h"
#include "levels/transition_strengths.h"

#include <array>
#include <string>
#include <vector>

namespace vintrel {

// The two overlays of the level diagram, worked out without drawing: the arrows of the
// observable transitions and the magnetic-moment texts of the level groups. The diagram's
// painter draws what these functions return.

/// Which strength tables are shown (the legend toggles, in table order T0 … T6).
using StrengthMask = std::array<bool, kStrengthTables>;

/// The colour of a transition of intensity h (0 … 255): from white at 0 to the full colour at
/// 127.5 and on to a quarter of it at 255, channel by channel (halves to even).
Rgb blendIntensity(int h, Rgb colour);

/// The strokes of a transition arrow at x from row y0 to row y1: the shaft, then three
/// concentric circles (radius 3, 2, 1) when y0 = y1, otherwise three short horizontal strokes
/// of half-width 1, 2, 3 next to the head at y1 (below it for an upward arrow). The circles are
/// filled with the area's `background`.
std::vector<SceneItem> transitionArrow(int x, int y0, int y1, Rgb colour, Rgb background);

/// Where the arrows go.
struct ArrowArea {
    int left = 384;   ///< where the white (or black) area starts
    int bandLeft = 0; ///< the arrows stay left of this x (diagram width − band width)
    int scrollPosition = 0;
    bool scrollShown = false;
};

/// One arrow: from the row of the initial group to the row of the final one.
struct TransitionArrowSpec {
    int x = 0;
    int from = 0; ///< initial level (1-based)
    int to = 0;   ///< final level
    int h = 0;    ///< intensity 0 … 255
    Rgb colour{};
    bool operator==(const TransitionArrowSpec&) const = default;
};

/// The arrows of the transitions overlay for levels 1 … N: for every ordered pair (f, e), the
/// shown tables' entries [f, e] above 0 summed, over the sum of the shown tables' maxima, give
/// the intensity; its colour is green in the |J,Jz> basis, otherwise blue (L), red (S), green
/// (LS) or magenta for two or more types, blended by the intensity. Pairs of intensity below 1
/// take no column. Each new initial level moves the columns 5 px right, each arrow 6 px; with
/// the scroll bar shown at position p the arrows start at pair 10·p.
std::vector<TransitionArrowSpec> transitionArrows(const TransitionStrengths& strengths, int N,
                                                  int baza, const StrengthMask& shown,
                                                  const ArrowArea& area);

/// The x just right of the last column of arrows when all of them are laid out (the scroll
/// bar is wanted when this lies beyond the area's right edge).
int transitionArrowsEnd(const TransitionStrengths& strengths, int N, int baza,
                        const StrengthMask& shown, int left = 384);

/// The extent of the overlays' horizontal scroll: max(1431 − width, N²) for a real
/// Hamiltonian, max(1711 − width, N²) for a complex one; the scroll bar's maximum is a tenth.
int overlayScrollExtent(int diagramWidth, int N, int cialo);

/// A vector in Bohr magnetons.
struct Moment {
    double x = 0;
    double y = 0;
    double z = 0;
    bool operator==(const Moment&) const = default;
};

/// The moment of a level group (levels first … last of the three axes' tables): total, orbital
/// and spin parts. |L,Lz,S,Sz>: m_L = <L>, m_S = g_e <S>, m_tot = m_L + m_S, averaged over
/// the group. |J,Jz>: m_tot = <M>, m_S = 2 (gJ − 1)/gJ m_tot, m_L = m_tot − m_S; with gJ = 0
/// both parts are 0.
struct GroupMoment {
    Moment total;
    Moment orbital;
    Moment spin;
};
GroupMoment groupMoment(const LevelTables& tables, int first, int last, int baza, double gJ);

/// Magnitude and angles of a moment in degrees: real Hamiltonian |m| = √(x² + z²) and
/// α = atan2(z, x); complex |m| = √(x² + y² + z²), α = arccos(z/|m|) (the cosine kept within
/// −1 … 1), β = atan2(y, x) in 0 … 360; both 0 for |m| = 0.
struct MomentAngles {
    double magnitude = 0;
    double alpha = 0;
    double beta = 0;
};
MomentAngles momentAngles(const Moment& m, int cialo);

/// A piece of a moment text in the diagram's markup, and its colour.
struct MomentPiece {
    std::string text;
    Rgb colour{};
    bool operator==(const MomentPiece&) const = default;
};
/// A run of pieces starting at x, each continuing where the previous one ended.
struct MomentRun {
    int x = 0;
    std::vector<MomentPiece> pieces;
};
/// The six runs of a group's moment texts (total, its components, orbital, its components,
/// spin, its components) for a real (x and z) or complex (x, y and z) Hamiltonian.
std::vector<MomentRun> momentTexts(const GroupMoment& moment, int cialo);

/// The groups of the diagram's rows for the moment overlay: for every row that starts a group
/// (groupCount 1), its first and last level (the following rows whose groupCount is not 1).
struct LevelGroupSpan {
    int first = 0; ///< 1-based
    int last = 0;
    bool operator==(const LevelGroupSpan&) const = default;
};
std::vector<LevelGroupSpan> rowGroups(const std::vector<LevelRow>& rows);

} // namespace vintrel
