#pragma once

#include "graphs/graph_settings.h"
#include "graphs/plot_geometry.h"
#include "graphs/plot_scene.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vintrel {

// The shared look of the temperature graphs: a light data area with a 4 × 8 grid, ticks
// pointing in from the left and bottom edges, the value labels as fractions of the range, the
// temperature labels, an etched border round the whole graph, the axis titles, and the curves,
// marker guides and crosses, all as a PlotScene.

inline constexpr Rgb kPlotBackground{249, 250, 251};
inline constexpr Rgb kPlotFrame{128, 128, 128};
inline constexpr Rgb kGridMajor{225, 225, 225};
inline constexpr Rgb kGridMinor{243, 243, 243};
inline constexpr Rgb kTicks{171, 168, 181};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
/// The statistical-entropy lines and the temperature selection.
inline constexpr Rgb kGuideBlue{98, 157, 254};

/// One curve: its values over the plot's temperatures (NaN where it has none).
struct CurveDescription {
    const std::vector<double>* values = nullptr;
    Rgb colour{};
    /// Drawn after the others (the mouse is over its button).
    bool highlighted = false;
    LineStyle style = LineStyle::Solid;
    /// What the curve is, in the caption markup, for a legend (the page's caption of its
    /// toggle); empty for a curve a legend leaves out.
    std::string name{};
};

/// A horizontal line across the data area at a value, with a label above its left end
/// (the statistical-entropy lines R ln k). Lines at or above the top edge are left out.
struct ReferenceLine {
    double value = 0;
    Rgb colour = kGuideBlue;
    std::string label;
    /// Where the label's top-left corner lies: right of the data area's left edge and above
    /// the line.
    int labelRight = 15;
    int labelAbove = 14;
    /// The label is written only when the line lies more than this many pixels below the top
    /// edge (the line itself is drawn whenever it lies in the area).
    int labelDepth = 0;
};

/// The error bar of a measured point: y ± err at temperature x, in the drawn values.
struct ErrorBar {
    double x = 0;
    double y = 0;
    double err = 0;
};

/// What a temperature page shows: the description the one painter draws.
struct TemperaturePlot {
    /// Where the data area lies (its top is 96 below the inverse page's temperature selector;
    /// the mean-field pages use kMeanFieldMargins).
    PlotMargins margins;
    /// The temperatures of the rows; the axis runs from 0 to the largest, or over `xRange`.
    const std::vector<double>* T = nullptr;
    /// The temperature axis when it is set (the plot component's Xmin … Xmax).
    std::optional<std::pair<double, double>> xRange;
    /// The value axis: bottom … R·10^n; the labels show the fractions of R (and bottom) with at
    /// least `labelDecimals` decimals, and more where a label needs them to be exact (0.75, not
    /// 0.8); the factor 10^n goes into the title.
    AxisRange range;
    int labelDecimals = 1;
    /// The titles in the caption markup.
    std::string yTitle;
    std::string xTitle = "temperature T(K)";
    /// Drawn in this order, the highlighted ones last.
    std::vector<CurveDescription> curves;
    /// The self-drawn pages cut curves at the top edge only; the mean-field pages' plot
    /// component at every edge.
    ClipMode clip = ClipMode::TopOnly;
    std::vector<ReferenceLine> referenceLines;
    /// Items drawn on the grid and under the curves (the ordering temperature).
    std::vector<SceneItem> underlays;
    /// The marker guides are drawn after the curves (the plot component's order) instead of
    /// before them.
    bool guidesOverCurves = false;
    /// Items drawn after the curves and before the marker crosses (the temperature selection).
    std::vector<SceneItem> overlays;
    /// The markers; y is turned into the drawn value by `markerValue` when set (c/T mode).
    xy_array markers;
    std::function<double(const xy_pts&)> markerValue;
    Rgb markerColour{0, 0, 128};
    /// Error bars of measured points, drawn in the marker colour under the crosses: a vertical
    /// line from y − err to y + err (cut at the data area) with caps at its ends.
    std::vector<ErrorBar> errorBars;
    /// A short note in the middle of the data area (a file that could not be read).
    std::string note;
    /// A title above the plot: the result and page, for exported figures.
    std::string caption;
    /// The small parameter view at the data area's top-left corner (screen only).
    std::optional<int> miniParamOpacity;
};

/// The data area of the plot on a paint box of the given size.
PixelRect temperaturePlotArea(const TemperaturePlot& plot, int width, int height);

/// The largest temperature of the plot (0 without rows).
double largestTemperature(const TemperaturePlot& plot);

/// Data to screen for the plot on a paint box of the given size.
PlotTransform temperatureTransform(const TemperaturePlot& plot, int width, int height);

/// The rectangle of the small parameter view: 80 × 90 pixels, 6 pixels inside the data
/// area's top-left corner.
PixelRect miniParamRect(const PixelRect& area);

/// The scene of the plot on a paint box of the given size.
PlotScene buildTemperatureScene(const TemperaturePlot& plot, int width, int height);

/// The screen points of a curve over the temperatures (nullopt where a point cannot be placed).
std::vector<std::optional<ScreenPoint>> curvePoints(const PlotTransform& transform,
                                                    const std::vector<double>& T,
                                                    const std::vector<double>& values);

/// A value label: "0" for zero, otherwise the value with at least `decimals` decimals and as
/// many more (up to 9) as it needs to read back within 1e-9 of `span`.
std::string valueLabel(double value, int decimals, double span);

} // namespace vintrel
