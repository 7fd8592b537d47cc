#pragma once

#include "graphs/graph_data.h"
#include "graphs/plot_geometry.h"
#include "graphs/plot_scene.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace vintrel {

// What the four ordinary temperature pages draw besides the shared look: their colours,
// titles, range fits and the inverse page's temperature selection.

/// A curve's colour and its colour while the mouse is over its button.
struct CurveLook {
    Rgb normal;
    Rgb highlighted;
};

/// The susceptibility curves: x, y, z and the powder average.
enum class ChiCurve { x = 0, y = 1, z = 2, average = 3 };
inline constexpr std::array<CurveLook, 4> kChiLooks = {{
    {{31, 138, 18}, {36, 236, 3}},
    {{218, 138, 0}, {255, 186, 85}},
    {{0, 39, 194}, {0, 160, 255}},
    {{48, 48, 48}, {140, 140, 140}},
}};
inline constexpr Rgb kCurieColour{255, 0, 0};

/// The specific-heat curves: the magnetic (Schottky) c, the Debye estimate, their sum.
enum class HeatCurve { schottky = 0, debye = 1, sum = 2 };
inline constexpr std::array<CurveLook, 3> kHeatLooks = {{
    {{0, 18, 232}, {91, 206, 255}},
    {{16, 208, 0}, {30, 240, 0}},
    {{255, 120, 62}, {255, 166, 128}},
}};
inline constexpr Rgb kEntropyColour{43, 77, 23};
inline constexpr Rgb kSpecificHeatMarkers{255, 0, 0};
inline constexpr Rgb kEntropyMarkers{128, 0, 0};

/// The value-axis title of a susceptibility page in the caption markup: the directions whose
/// curves are shown (in the order x, y, z) after "[B||" and as subscripts of χ, and the unit
/// with the factor 10^n when n is not 0: "magnetic susceptibility [B||x,z] !c_x_,_z
/// (10^-^2 !m_B/T)". The inverse page reads "inverse magnetic susceptibility … 1/!c… (T/!m_B)".
std::string susceptibilityTitle(const std::array<bool, 3>& shown, int exponent, bool inverse);

/// The value-axis title of the specific-heat page: c or c/T.
std::string specificHeatTitle(bool perTemperature);

/// The value-axis title of the entropy page: S or ΔS.
std::string entropyTitle(bool steps);

/// The largest finite value of the curves (0 when there is none).
double curvesMaximum(const std::vector<const std::vector<double>*>& curves);

/// The range top "1:1" gives the heat pages for the largest value shown: as the stored
/// maxima are rounded (the nearest whole number to m + 0.51) from 1 up, the nice range of the
/// value below 1 (c/T, ΔS).
double fittedHeatTop(double maximum);

/// How far above the data area the temperature selector of the inverse page ends.
inline constexpr int kSelectorGap = 28;

/// The temperature selection of the inverse page: for rows a and b, a line at each row's
/// temperature from the selector above the data area down through the area, with small
/// triangles at the area's top edge and under the selector's thumb; and for each given curve
/// whose two points lie more than 3 pixels below the top edge, a circle round each point and
/// the dotted secant between them (whose slope gives the effective moment).
std::vector<SceneItem> temperatureSelection(const PlotTransform& transform,
                                            const std::vector<double>& T, std::size_t a,
                                            std::size_t b,
                                            const std::vector<const std::vector<double>*>& curves);

} // namespace vintrel
