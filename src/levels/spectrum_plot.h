#pragma once

#include "graphs/plot_scene.h"
#include "levels/spectro_range.h"
#include "levels/spectrum.h"

#include <optional>
#include <string>
#include <vector>

namespace vintrel {

/// How the stacked spectrum is drawn.
enum class PlotStyle { point = 0, line = 1, fill = 2 };

/// The geometry of the spectroscopy plot on a paint box: the plot area from x 100 to the width
/// − 70, one pixel column per spectrum column (n = width − 170), the value rows from 60 + H4
/// (0) up to 70 (ymax) with H4 = ((height − 105) div 4) × 4.
struct SpectrumFrame {
    int width = 0;
    int height = 0;
    double plotMin = 0;
    double plotMax = 1;
    double ymax = 1;

    /// The number of columns: width − 170; 0 or less for a box too small (or not laid out).
    int columnCount() const { return width - 170; }
    int H4() const;
    /// The pixel of a position on the scale, clamped to one plot width left and two right.
    int pixelOf(double position) const;
    /// The row of a value, never above row 60.
    int rowOf(double value) const;
};

/// The colour of an intensity type in a basis (the spectrum's and the legend's colours).
Rgb intensityColour(int type, int baza);

/// The legend captions of the intensity types in a basis ("L_z" … "LS"; "J_z", "J_+", "J_-").
std::string intensityCaption(int type, int baza);

/// What the plot shows.
struct SpectrumPicture {
    SpectrumFrame frame;
    PlotType type = PlotType::kelvin;
    const std::vector<SpectrumColumn>* columns = nullptr;
    TypeMask shown = kAllTypes;
    int baza = 1;
    PlotStyle style = PlotStyle::line;
    SpectrumLimits limits;
    bool noTransitions = false; ///< only the box "No reasonable transitions found"
};

/// The spectrum plot as a scene: background and frame, the grey areas beyond the settings'
/// limits with their red dashed edges, the grid with per-cent labels, the scale's grid and
/// labels with its caption, and the stacked columns in the plot style (a part that lifts the
/// stack by less than a pixel draws no point or stroke of its own). Nothing but the
/// background for a box with no columns.
PlotScene spectrumScene(const SpectrumPicture& picture);

/// A label written over a peak.
struct PeakLabel {
    PlotPixel at;
    std::string text;
    bool operator==(const PeakLabel&) const = default;
};

/// The peak labels of a click at `click`: for each merged transition whose pixel lies in the
/// plot, with v the largest stacked total of the three columns round that pixel (kept within
/// the columns), its position (shortest text) 10 rows above v's row when the click was less
/// than 20 px (horizontal plus vertical distance) from (pixel, row of v). Labels of lines
/// within 2 px of each other are stacked 10 rows apart, so that each stays legible.
std::vector<PeakLabel> peakLabels(const std::vector<MergedTransition>& lines,
                                  const std::vector<SpectrumColumn>& columns,
                                  const SpectrumFrame& frame, const TypeMask& shown, int baza,
                                  PlotPixel click);

/// What is drawn over the spectrum while the user works on it.
struct SpectrumMarks {
    std::optional<std::pair<int, int>> drag;             ///< press and current x of a drag
    std::optional<std::pair<double, double>> typedRange; ///< the range editor's values
    std::vector<PeakLabel> labels;
};
/// The marks as scene items (red dotted lines, labels in size 7).
std::vector<SceneItem> spectrumMarks(const SpectrumFrame& frame, const SpectrumMarks& marks);

} // namespace vintrel
