#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vintrel {

/// The energy window of the level diagram: the level range of the result (K, absolute) and
/// the visible window (K, relative to estart); view_emax is drawn at the top.
struct ViewWindow {
    double estart = 0;
    double eend = 1;
    double view_emin = 0;
    double view_emax = 1;
    double span() const { return eend - estart; }
};

/// Pixel row of a level energy (absolute, K) in a diagram of height H: view_emax lies on row
/// 40 and view_emin on row H - 30; energies far outside are clamped to 10 windows above or 20
/// below.
int levelToY(double E, const ViewWindow& w, int H);

/// The row of a level energy on the mean-field level diagram: the same mapping, with energies
/// clamped to 100 windows either side and a window of no span putting every energy on row
/// H - 30.
int meanFieldLevelToY(double E, const ViewWindow& w, int H);

/// The relative energy on row y.
double yToLevel(int y, const ViewWindow& w, int H);

/// Steps of the energy axis: minor lines every `minor`, labelled major lines every `major`.
struct AxisSteps {
    double minor = 1;
    double major = 1;
};
AxisSteps axisSteps(double view_emin, double view_emax);

/// Absolute energies of the lines of one step across the window: multiples of `step` from
/// nearest((view_emin + estart)/step - 1) while below view_emax + estart + major.
std::vector<double> axisLineEnergies(const ViewWindow& w, double step, double major);

/// The rows of one level on the diagram: the pixel row of its line, the row of its text,
/// its running count within its group (levels on the same pixel row) and the x of its count
/// label.
struct LevelRow {
    int y = 0;
    int labelY = 0;
    int groupCount = 1;
    int xlab = 351;
};

/// Groups the levels (rows in level order, lowest energy first) and places their texts: text
/// rows at least 12 px apart, pushed upwards, group members sharing the first member's row,
/// count labels of groups less than 12 px apart moved right past each other. `countWidth`
/// gives the drawn width of a count label's number.
std::vector<LevelRow> layoutLevelRows(const std::vector<int>& ys,
                                      const std::function<int(int)>& countWidth);

/// For every level (index into the rows) that starts a group, the group's size; 0 for the
/// other members.
std::vector<int> groupSizes(const std::vector<LevelRow>& rows);

/// The visible window (max above min) after zooming by f about the relative energy c.
struct ViewRange {
    double emax = 1;
    double emin = 0;
};
ViewRange zoomAbout(const ViewWindow& w, double f, double c);

inline constexpr double kZoomInFactor = 0.7;
inline constexpr double kZoomOutFactor = 1 / 0.7;

/// Zoom at the pointer row y: in by 0.7 (left click) or out by 1/0.7 (right click) so that the
/// energy under the pointer stays there.
ViewRange zoomAtRow(const ViewWindow& w, int H, int y, bool zoomOut);

/// The window shifted by `steps` × 2 % of its span (positive: towards higher energies).
ViewRange shiftWindow(const ViewWindow& w, double steps);

/// The window of the same span centred on the relative energy c.
ViewRange centreWindow(const ViewWindow& w, double c);

/// The scroll strip: its height and the heights of its up button, down button and thumb.
struct ScrollStrip {
    int height = 0;
    int upHeight = 0;
    int downHeight = 0;
    int thumbHeight = 0;
    int freeHeight() const { return height - upHeight - downHeight - thumbHeight; }
};
/// Top of the thumb for the window's centre.
int thumbTop(const ViewWindow& w, const ScrollStrip& s);
/// The window centre (relative) for a thumb top.
double centreForThumb(const ViewWindow& w, const ScrollStrip& s, int top);
/// A thumb top kept between the two buttons.
int clampThumbTop(const ScrollStrip& s, int top);

/// The zoom factor text: (eend - estart) / (emax - emin) by "0.0#" and "x"; "1x"-like 1 when
/// the window has no span.
std::string zoomText(const ViewWindow& w);

/// Zoom navigator of height h: row of a relative energy, and relative energy of a row.
int navigatorRow(const ViewWindow& w, int h, double relative);
double navigatorEnergy(const ViewWindow& w, int h, int y);

/// Units of the energy text column.
enum class EnergyUnit { kelvin = 0, meV = 1, inverseCm = 2 };
/// A value in K in the unit: meV = K / 11.60451911, 1/cm = K × 0.695.
double energyUnitFactor(EnergyUnit unit, double kelvin);

/// Rows of the visible-light band: excitation energies 37860 K (top) and 19180 K (bottom)
/// above the lowest level.
struct VisibleBand {
    bool shown = false;
    int top = 0;
    int bottom = 0;
};
VisibleBand visibleBand(const ViewWindow& w, int H, double lowest, double highest);

} // namespace vintrel
