#pragma once

#include "graphs/graph_settings.h"
#include "graphs/plot_geometry.h"
#include "graphs/plot_scene.h"
#include "graphs/temperature_plot.h"

#include <optional>
#include <string>
#include <vector>

namespace vintrel {

/// The values along one axis.
using TAxisData = std::vector<double>;

/// One curve slot of the plot component: its values over the shared x data, its line style
/// (0 solid, 1 to 4 the dash patterns), colour and visibility.
struct PlotData {
    TAxisData Ydata;
    int Ystyle = 0;
    Rgb Ycolor{};
    bool Yvis = false;
};

/// The line style of a style number: 1 dotted ("1 1"), 2 "2 1 1 1", 3 "2 1 2 1",
/// 4 "3 1 1 1 1 1"; every other number solid.
LineStyle lineStyleOf(int style);

/// The data range of values with a step: [0, 1] for no values; otherwise the smallest and the
/// largest value (values that are not finite are passed over), each put on a multiple of the
/// step (floor and ceiling) when the step is not 0, and [v, v + 1] when both are the same v.
struct DataRange {
    double min = 0;
    double max = 1;
    bool operator==(const DataRange&) const = default;
};
DataRange dataRange(const TAxisData& values, double step);

/// The decimal exponent for a range min < max: while the extent is below 1 both are multiplied
/// by 10 and the exponent lowered, while it is above 1000 both divided and the exponent
/// raised. A range without extent (or not finite) keeps `exp`.
int axisExponent(double min, double max, int exp);

/// The value-axis title with its exponent: the part of `descr` before the first "^^", the
/// exponent's digits (and sign) each raised, then the part after it up to a second "^^". A
/// title without "^^" is returned as it is. "(10^^ !m_B/T)" with −3 reads "(10^-^3 !m_B/T)".
std::string exponentTitle(const std::string& descr, int exp);

/// `TGraph`: the x–y line plot of the mean-field temperature pages, a configuration of the
/// shared temperature plot. It holds the axis titles and ranges, the exponent of the value
/// axis, curve slots over one shared x array, the slot drawn last and the markers, and makes
/// of them the description that the one painter of the graphs draws: data area inside the
/// outer and inner margins, 4 × 8 grid, curves cut at every edge, marker guides over the
/// curves, crosses last.
///
/// Slots are numbered from 0; a slot named past the end makes room for it, so pages that
/// number their slots from 1 never write past the slots.
class TGraph {
public:
    TGraph();

    void setGraphMargins(int left, int top, int right, int bottom);
    void getGraphMargins(int& left, int& top, int& right, int& bottom) const;
    void setInnerMargins(int left, int top, int right, int bottom);
    /// The data area's distances from the edges: outer and inner margins together.
    PlotMargins dataMargins() const;

    void setXaxisDescr(const std::string& caption) { Xdescr = caption; }
    void setYaxisDescr(const std::string& caption) { Ydescr = caption; }
    const std::string& xAxisDescr() const { return Xdescr; }
    const std::string& yAxisDescr() const { return Ydescr; }
    /// The value-axis title as shown: with the exponent when `showExponent` is set.
    std::string yAxisTitle() const;

    void setXaxisRange(double min, double max);
    void setYaxisRange(double min, double max);
    void getXaxisRange(double& min, double& max) const;
    void getYaxisRange(double& min, double& max) const;
    /// The label values (5 once a range is set, none before).
    const TAxisData& xLabels() const { return XRlab; }
    const TAxisData& yLabels() const { return YRlab; }
    /// Sets the exponent and applies the Y range again.
    void setYaxisExp(int exp);
    int getYaxisExp() const { return Yexp; }
    void setShowExponent(bool show) { showExponent = show; }

    void setMaxPlots(int pmax);
    int getMaxPlots() const { return static_cast<int>(plots.size()); }
    void addXaxisData(const TAxisData& data) { Xdata = data; }
    const TAxisData& getXaxisData() const { return Xdata; }
    /// Slot g's values (its style becomes 0); a negative g is ignored.
    void addYaxisData(int g, const TAxisData& data);
    const TAxisData& getYaxisData(int g) const;
    void setGraphStyle(int g, int style);
    void setGraphColor(int g, Rgb colour);
    void setGraphVis(int g, bool visible);
    bool graphVis(int g) const;
    void setLastPlot(int g) { last_plot = g; }
    const std::vector<PlotData>& plotSlots() const { return plots; }

    void addMarkers(const xy_array& m) { marks = m; }
    const xy_array& getMarkers() const { return marks; }
    void setMarkColor(Rgb colour) { mark_color = colour; }

    /// The data range of the x values with step `rnd`, applied with setXaxisRange.
    DataRange calcXaxisRange(double rnd);
    /// The same for slot g, or over every visible slot for g = −1 ([0, 1] without one),
    /// applied with setYaxisRange.
    DataRange calcYaxisRange(int g, double rnd);
    /// Picks the exponent of a range (axisExponent) and applies it with setYaxisExp.
    void calcAxisExp(double min, double max);

    /// Data to whole pixels on a control of the given size; nullopt where a point cannot be
    /// placed (a range without extent, a value that is not finite): such points are left out,
    /// and nothing is reported from a paint.
    std::optional<int> toScreenX(double x, int width, int height) const;
    std::optional<int> toScreenY(double y, int width, int height) const;
    PlotTransform transform(int width, int height) const;

    /// A segment between two data points cut at every edge of the data area; nothing when no
    /// part of it lies inside.
    std::optional<SceneLine> line(double x1, double y1, double x2, double y2, int width, int height,
                                  Rgb colour, int style = 0) const;

    /// The description of the plot: titles, ranges, the visible slots in slot order with the
    /// last plot drawn over them, the markers.
    void describe(TemperaturePlot& plot) const;
    /// The scene at the given size.
    PlotScene scene(int width, int height) const;

private:
    PlotData& slot(int g);

    int marg_left = 89;
    int marg_top = 59;
    int marg_right = 60;
    int marg_bot = 46;
    int in_left = 5;
    int in_top = 5;
    int in_right = 5;
    int in_bot = 5;
    Rgb mark_color{255, 0, 0};
    std::string Xdescr;
    std::string Ydescr;
    TAxisData XRlab;
    TAxisData YRlab;
    TAxisData Xdata;
    double Xmin = 0;
    double Xmax = 1;
    double Ymin = 0;
    double Ymax = 1;
    int Yexp = 0;
    int last_plot = -1;
    std::vector<PlotData> plots;
    xy_array marks;
    bool showExponent = false;
};

} // namespace vintrel
