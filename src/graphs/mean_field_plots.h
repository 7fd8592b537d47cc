#pragma once

#include "graphs/graph_data.h"
#include "graphs/plot_component.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vintrel {

// What the six mean-field temperature pages draw on the plot component: their slots, colours
// and titles, the range rules of their tool bars, the ordering temperature with the two state
// labels, the temperature selection of the inverse page and the statistical-entropy lines.

inline constexpr const char* kMeanFieldTemperatureTitle = "  Temperature T(K)  ";
inline constexpr const char* kMomentTitle = "  magnetic moment m_x_,_y_,_z_,_t (!m_B)  ";
inline constexpr const char* kMeanFieldChiTitle =
    "  magnetic susceptibility [B||x,y,z] !c _x_,_y_,_z (10^^ !m_B/T)  ";
inline constexpr const char* kMeanFieldInverseTitle =
    "  inverse magnetic susceptibility [B||x,y,z] 1/!c _x_,_y_,_z (T/!m_B)  ";
inline constexpr const char* kAnisotropyTitle = "  anisotropy constants K_i (K)  ";
inline constexpr const char* kMeanFieldEntropyTitle = "  entropy S(J/K mol) ";
inline constexpr const char* kMeanFieldHeatTitle = "  specific heat c (J/K mol) ";
inline constexpr const char* kMeanFieldHeatPerTTitle = "  specific heat  c/T (J/K^2 mol) ";

/// m_x, m_y, m_z, m_t.
inline constexpr std::array<Rgb, 4> kMomentColours = {
    {{31, 138, 18}, {218, 138, 0}, {0, 39, 184}, {96, 96, 96}}};
/// χx, χy, χz, the powder average, the Curie curve.
inline constexpr std::array<Rgb, 5> kMeanFieldChiColours = {
    {{31, 138, 18}, {218, 138, 0}, {0, 39, 184}, {48, 48, 48}, {89, 122, 248}}};
/// K1, K2, K2', K3, K3'.
inline constexpr std::array<Rgb, 5> kAnisotropyColours = {
    {{18, 138, 31}, {0, 138, 218}, {0, 26, 170}, {184, 39, 0}, {208, 0, 0}}};
inline constexpr Rgb kMeanFieldEntropyColour{48, 48, 48};
/// The magnetic c, the Debye estimate (or the file's fourth value), their sum.
inline constexpr std::array<Rgb, 3> kMeanFieldHeatColours = {
    {{0, 18, 232}, {16, 208, 0}, {255, 120, 62}}};
inline constexpr Rgb kTransitionColour{255, 0, 0};

/// The captions of the anisotropy constants in the caption markup.
inline constexpr std::array<const char*, 5> kAnisotropyNames = {"K_1", "K_2", "K_2'", "K_3",
                                                                "K_3'"};

// ---- ranges ----

/// What "1:1" makes of the data range of the visible curves.
enum class MeanFieldFit {
    Top,      ///< 0 … the maximum, exponent 0
    BothEnds, ///< the minimum … the maximum (anisotropy)
    Mantissa, ///< 0 … the maximum, brought into [1, 10] with its exponent (χ)
};
AxisRange fittedMeanFieldRange(const DataRange& range, MeanFieldFit fit);

/// A typed anisotropy range: both numbers finite ("," read as "."), the minimum below the
/// maximum; nullopt otherwise (the range stays).
std::optional<AxisRange> anisotropyEntry(std::string_view minimum, std::string_view maximum);

/// The range "g_moment.dup" is made with: the largest of the column maxima (trunc(q) + 1) of
/// the four moment columns, as plotted (absolute values); 1 without rows.
AxisRange momentDefaultRange(const MomentData& data);
/// The range "g_aniso.dup" is made with: the smallest column minimum (trunc(q) − 1) to the
/// largest column maximum (trunc(q) + 1) of the five constants; 0 … 1 without rows.
AxisRange anisotropyDefaultRange(const AnisoData& data);
/// The same axis top with exponent 0 ("g_invchi.dup" of a mean-field result).
AxisRange withoutExponent(const AxisRange& range);

// ---- the ordering temperature ----

inline constexpr const char* kOrderedStateText = "magnetic ordered$          state";
inline constexpr const char* kParamagneticStateText = "paramagnetic$      state";

/// "T_c = 12.857 K" ("0.###").
std::string transitionLabel(double Tc);

/// The widths in pixels of the two state labels as the viewer's font writes them.
struct StateLabelWidths {
    int ordered = 0;
    int paramagnetic = 0;
};

/// What the ordering temperature adds to a plot: when T_c lies below `chiTmax`, a dotted red
/// line from (T_c, 0) to (T_c, top) and the vertical label `transitionLabel` whose right edge
/// is at the line; and, wherever T_c lies, each state label that fits beside X = the column of
/// T_c: "magnetic ordered state" when its width is less than X − L, centred between the left
/// margin L and X; "paramagnetic state" when its width is less than width − Rm − X, centred
/// between X and the right margin. No T_c (not finite) draws nothing.
struct TransitionMarks {
    std::vector<SceneItem> items;
    bool lineShown = false;
    bool orderedShown = false;
    bool paramagneticShown = false;
};
TransitionMarks transitionMarks(const TGraph& graph, int width, int height,
                                std::optional<double> Tc, double chiTmax,
                                const StateLabelWidths& widths);

// ---- the inverse page's temperature selection ----

/// The thumbs of the selector over `rows` rows (counted from 1): the right one on the last
/// row, the left one on the rounded 90 % of the rows, one row lower if both would coincide.
std::pair<int, int> selectorStartRows(int rows);

/// For rows a and b: the dotted secant (cut by the graph) between the two points of each
/// given curve whose values there differ, and a solid line across the whole value axis at each
/// of the two temperatures.
std::vector<SceneItem> meanFieldSelection(const TGraph& graph, int width, int height, std::size_t a,
                                          std::size_t b,
                                          const std::vector<const TAxisData*>& curves);

// ---- entropy ----

/// The statistical-entropy lines R ln b for b = 2, 4, 8, 16, 32, 64, labelled "R ln b" 5 pixels
/// right of the left end and 15 above the line when the line lies more than 15 pixels below
/// the top.
std::vector<ReferenceLine> meanFieldEntropyLines();

} // namespace vintrel
