#pragma once

#include "base/data_table.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

// Measured data that a user sets against a computed curve: a text file of columns, the points
// taken from it, and how well a curve agrees with them.

/// A measured file that cannot be read as columns; the text names the file, the line and what
/// was wrong with it ("x.txt, line 7: \"1,5\" is not a number").
class MeasuredDataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The columns of a measured file. Fields are separated by ";" when the first line that is not
/// a comment holds one, else by "," when it holds one, else by tabs when it holds one, else by
/// blanks. "#" starts a comment to the end of the line; blank lines are passed over. The first
/// line is a header when one of its fields is not a number: its fields are the column names,
/// each with an optional unit in brackets ("T [K]", "chi(muB/T)" is a name without a unit).
/// With blanks as separators, a field that begins with "[" belongs to the name before it
/// ("T [K]"). Every other line holds one number ("." decimals) per column.
struct MeasuredTable {
    /// Per column: the name ("" without a header) and the unit ("" when none is given).
    std::vector<std::string> names;
    std::vector<std::string> units;
    /// columns[c][r]: the number of column c in row r.
    std::vector<std::vector<double>> columns;
    /// The line of the file (from 1) that each row came from.
    std::vector<int> lines;

    std::size_t columnCount() const { return columns.size(); }
    std::size_t rowCount() const { return lines.size(); }
    /// What a column is called in texts: "T [K]", "chi", or "column 3" without a header.
    std::string title(std::size_t column) const;
};

/// Reads the text of a measured file; `name` stands for the file in error texts. Throws
/// MeasuredDataError for a line whose field is not a number, a line with another number of
/// fields than the first, and a text without rows.
MeasuredTable parseMeasuredData(const std::string& name, std::string_view text);

/// Reads a measured file (MeasuredDataError also when it cannot be opened).
MeasuredTable readMeasuredData(const std::filesystem::path& file);

/// The column named by `choice`: a 1-based index ("2") or a name, compared without regard to
/// case, with or without its unit ("chi", "chi [muB/T]"); nullopt when none is meant.
std::optional<std::size_t> measuredColumn(const MeasuredTable& table, std::string_view choice);

/// The points taken from the chosen columns: x, y and (with an error column) the error of y.
struct MeasuredPoints {
    std::vector<double> x;
    std::vector<double> y;
    /// Empty without an error column.
    std::vector<double> err;
    std::string xUnit;
    std::string yUnit;

    std::size_t size() const { return x.size(); }
    bool hasErrors() const { return !err.empty(); }
};

/// The points of the columns (indices from 0). Throws std::out_of_range for an index that is
/// not a column of the table.
MeasuredPoints measuredPoints(const MeasuredTable& table, std::size_t xColumn, std::size_t yColumn,
                              std::optional<std::size_t> errColumn);

/// The value of the computed curve (xs, ys) at x, linearly interpolated between the two rows
/// around it; xs ascend or descend. NaN outside the rows' range, and where one of the two rows
/// has no value (NaN).
double interpolateCurve(const std::vector<double>& xs, const std::vector<double>& ys, double x);

/// The least-squares factor s that brings measured values onto computed ones: the s that
/// makes Σ(s·y_measured − y_computed)² smallest, Σ y_m·y_c / Σ y_m²; over the pairs where both
/// are finite. NaN when every measured value is 0 (or there is no pair).
double leastSquaresScale(const std::vector<double>& measured, const std::vector<double>& computed);

/// One measured point against the curve.
struct ComparedPoint {
    double x = 0;
    double measured = 0;  ///< scaled, when the comparison scales
    double err = 0;       ///< scaled too; NaN without errors
    double computed = 0;  ///< NaN where the curve does not reach
    double deviation = 0; ///< measured − computed; NaN where the curve does not reach
};

/// How well a curve agrees with measured points.
struct Agreement {
    std::vector<ComparedPoint> points;
    /// The points inside the curve's range that enter the figures.
    std::size_t compared = 0;
    /// √(Σ deviation² / N) over the compared points; NaN when there are none.
    double rms = 0;
    /// Σ (deviation / err)² / N, formed only when every compared point has an error above 0.
    std::optional<double> chi2PerPoint;
    /// The factor the measured values (and errors) were multiplied by, when scaled.
    std::optional<double> scale;
};

/// Compares the points with the curve (xs, ys). With `scaleToCurve` (measured spectra, in
/// units of their own) the measured values are first multiplied by the least-squares factor.
Agreement compareWithCurve(const MeasuredPoints& points, const std::vector<double>& xs,
                           const std::vector<double>& ys, bool scaleToCurve);

/// The agreement as the line below a plot shows it: "rms deviation 0.012 (25 points)",
/// "… χ²/N 1.3" with errors, "scale factor 2.5 · " in front when scaled; values in four
/// significant digits.
std::string agreementText(const Agreement& agreement);

/// The numbers of a computed table's column as reals (NaN for empty cells).
std::vector<double> tableColumn(const DataTable& table, std::size_t column);

/// The index of a column of `table` whose name, without its unit, is `name` ("chi_powder"
/// for "chi_powder [muB/T]"), or whose whole name is `name`.
std::optional<std::size_t> tableColumnNamed(const DataTable& table, std::string_view name);

/// The unit in brackets at the end of a column name ("muB/T" of "chi_x [muB/T]"), "" when none.
std::string columnUnit(const std::string& name);

/// The table of `vintrel-cli data compare`: the comments of the computed table, then
/// `measured`, `curve`, the summary `points compared`, `rms`, `chi2/N` (or why it is not
/// formed) and, when scaled, `scale factor`; columns `x [unit]`, `y measured [unit]`,
/// `err [unit]`, `y computed [unit]`, `deviation [unit]` (units of the computed table's first
/// column and of the curve's). The curve is column `curve` of `computed`, over its first
/// column.
DataTable compareDataTable(const DataTable& computed, std::size_t curve,
                           const MeasuredPoints& points, bool scaleToCurve,
                           const std::string& measuredName);

} // namespace vintrel
