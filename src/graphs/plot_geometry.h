#pragma once

#include <optional>
#include <vector>

namespace vintrel {

/// A point on the screen in whole pixels.
struct PlotPixel {
    int x = 0;
    int y = 0;
    bool operator==(const PlotPixel&) const = default;
};

/// A point on the screen before rounding.
struct ScreenPoint {
    double x = 0;
    double y = 0;
};

/// A rectangle of whole pixels: the data area of a plot.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool contains(PlotPixel p) const {
        return p.x >= left && p.x <= right() && p.y >= top && p.y <= bottom();
    }
    bool operator==(const PixelRect&) const = default;
};

/// Where the data area lies on a paint box: its distances from the four edges, and whether its
/// width and height are lowered to multiples of 4.
struct PlotMargins {
    int left = 90;
    int top = 60;
    int right = 60;
    int bottom = 45;
    bool multiplesOfFour = true;
    bool operator==(const PlotMargins&) const = default;
};

/// The plot component of the mean-field pages: outer margins 89, 59, 60, 46 and inner margins
/// of 5 on every side, the area not rounded.
inline constexpr PlotMargins kMeanFieldMargins{94, 64, 65, 51, false};

/// The data area on a paint box of the given size; never negative.
PixelRect plotArea(int boxWidth, int boxHeight, const PlotMargins& margins);

/// The data area of the self-drawn temperature pages: left 90, the given top, width and height
/// lowered to multiples of 4, leaving 60 pixels on the right and 45 below for the axis labels
/// and title.
PixelRect temperaturePlotArea(int boxWidth, int boxHeight, int top);

/// Data coordinates to screen coordinates: x from `xmin` at the left edge of the area to
/// `xmax` at its right edge, y from `ymin` at the bottom edge to `ymax` at the top edge.
struct PlotTransform {
    PixelRect area;
    double xmin = 0;
    double xmax = 1;
    double ymin = 0;
    double ymax = 1;

    /// Whether both ranges have an extent, so that points can be placed.
    bool valid() const;
    /// The screen point of (x, y); nullopt when it cannot be placed (a coordinate that is not
    /// a finite number, a range without extent, or a result that is not finite).
    std::optional<ScreenPoint> place(double x, double y) const;
    /// The same rounded to whole pixels (halves to even); nullopt as above and for points
    /// farther than 10^6 pixels from the area.
    std::optional<PlotPixel> pixel(double x, double y) const;
    /// The screen row of a value; nullopt as above.
    std::optional<int> row(double y) const;
    /// The screen column of a value; nullopt as above.
    std::optional<int> column(double x) const;
};

/// Which edges of the data area cut a curve.
enum class ClipMode {
    /// Only the top edge: what lies above it is left out and the curve resumes where it comes
    /// back. (Below and beside the area the curve is still kept within a far bound, so that
    /// no coordinate grows without limit.)
    TopOnly,
    /// All four edges; the points are rounded to whole pixels before the segments between
    /// them are cut (the plot component's rounding).
    AllSides,
};

/// A curve through the given points (nullopt: a point that cannot be placed, which breaks the
/// curve) cut by the edges of `area` that `mode` names: the runs of joined screen points in
/// whole pixels, in the order of the points. A segment that crosses an edge is cut there; a
/// run of a single point draws nothing and is left out.
std::vector<std::vector<PlotPixel>>
clipPolyline(const std::vector<std::optional<ScreenPoint>>& points, const PixelRect& area,
             ClipMode mode);

/// The segment from a to b cut to the rectangle [x0, x1] × [y0, y1] (Liang–Barsky); nullopt
/// when no part of it lies inside.
struct ClippedSegment {
    ScreenPoint a;
    ScreenPoint b;
    bool aCut = false; ///< a was moved onto an edge
    bool bCut = false; ///< b was moved onto an edge
};
std::optional<ClippedSegment> clipSegment(ScreenPoint a, ScreenPoint b, double x0, double y0,
                                          double x1, double y1);

} // namespace vintrel
