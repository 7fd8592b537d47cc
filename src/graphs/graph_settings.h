#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// A marker: an experimental point (x, y) that the user put on a graph. A marker whose y is 0
/// is not drawn (0 stands for "no value").
struct xy_pts {
    double x = 0;
    double y = 0;

    bool operator==(const xy_pts&) const = default;
};

/// The markers of one graph, in the order they were given.
using xy_array = std::vector<xy_pts>;

/// The seven settings files a result folder holds for its graphs.
enum class GraphSettingsKind {
    Chi,          ///< "g_chi.dup": range, exponent, markers
    InvChi,       ///< "g_invchi.dup": range, exponent, markers
    SpecificHeat, ///< "g_spech.dup": range, markers
    Entropy,      ///< "g_entr.dup": range, markers
    Moment,       ///< "g_moment.dup": range, markers
    Anisotropy,   ///< "g_aniso.dup": both ends, markers
    EnergyView,   ///< "g_E.dup": the visible energy window of the level diagram, no markers
};

/// The value axis of a graph: from `bottom` to the top R·10^n.
struct AxisRange {
    /// The lower end: the anisotropy minimum or the energy window's minimum; 0 for the others.
    double bottom = 0;
    /// R: the upper end; for "g_chi.dup" and "g_invchi.dup" the mantissa of the axis top R·10^n.
    double range = 1;
    /// n: the decimal exponent of the axis top ("g_chi.dup", "g_invchi.dup"); 0 for the others.
    int exponent = 0;

    /// The axis top R·10^n.
    double top() const;
    bool operator==(const AxisRange&) const = default;
};

/// What one settings file holds.
struct GraphSettings {
    AxisRange axis;
    xy_array markers;

    bool operator==(const GraphSettings&) const = default;
};

/// The file name of a kind ("g_chi.dup").
const char* settingsFileName(GraphSettingsKind kind);

/// Whether files of the kind keep markers (all but the energy window).
bool settingsHaveMarkers(GraphSettingsKind kind);

/// Whether the kind keeps a decimal exponent ("g_chi.dup", "g_invchi.dup").
bool settingsHaveExponent(GraphSettingsKind kind);

/// The bytes of a settings file: the title lines of the kind, the range line, the marker title
/// and one line per marker, every line ending in CR LF. A number is written in the kind's
/// layout (a right-aligned field of fixed decimals, or four decimals) whenever that layout
/// holds it to a relative error below 1e-6; otherwise with as many digits as it needs, in the
/// same field. Markers that are not finite numbers are left out. Throws std::invalid_argument
/// for a range, bottom or exponent that cannot be written (not finite).
std::string formatGraphSettings(GraphSettingsKind kind, const GraphSettings& settings);

/// Reads the bytes of a settings file of the kind: the title lines are skipped, the range
/// line gives the numbers of the kind, then one marker (two numbers) per line to the end of
/// the file; blank lines are passed over. Throws InputError naming `name` and the line for a
/// file that does not follow the layout.
GraphSettings parseGraphSettings(GraphSettingsKind kind, const std::string& name,
                                 std::string_view content);

/// The settings file of the kind in `folder`; nullopt when it is missing or empty (a file of
/// zero bytes is a missing one). Throws InputError for a damaged file.
std::optional<GraphSettings> readGraphSettings(const std::filesystem::path& folder,
                                               GraphSettingsKind kind);

/// Writes the settings file of the kind in `folder` beside the old one and moves it over the
/// old one when complete, so a failed write leaves the old file. Throws FileError "Cannot
/// create file <path>" when it cannot be written.
void writeGraphSettings(const std::filesystem::path& folder, GraphSettingsKind kind,
                        const GraphSettings& settings);

/// Writes "g_E.dup" of the folder with the visible energy window of the level diagram
/// (relative to the ground level), as writeGraphSettings does.
void writeEnergyView(const std::filesystem::path& folder, double maximum, double minimum);

/// A real as a right-aligned field of `width` characters with exactly `decimals` decimals,
/// when that text reads back within a relative error of 1e-6; otherwise the shortest text that
/// reads back exactly, right-aligned in the same field.
std::string settingsNumber(double value, int width, int decimals);

} // namespace vintrel
