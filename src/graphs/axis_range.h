#pragma once

#include "graphs/graph_data.h"
#include "graphs/graph_settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// The nice range of a value: the whole mantissa R and decimal exponent n with R·10^n at or
/// just above the value, 1 ≤ R ≤ 100 (from 0 up). The value is first limited to 1e-30 … 1e9;
/// 0.0345 gives R = 4, n = −2; 345 gives 35, 1; 99.5 gives 100, 0; 0.07 gives 7, −2 (a
/// mantissa within 1e-9 of a whole number is that number). A value that is not a finite
/// positive number gives R = 1, n = 0. The bottom is 0.
AxisRange niceRange(double value);

/// Whether a range can be drawn: both ends finite, the top above the bottom by a normal
/// (not denormal) number.
bool rangeAcceptable(const AxisRange& range);

/// A number typed into a field: blanks around it allowed, "," read as "."; nullopt for a text
/// that is not a finite number.
std::optional<double> parseEntryNumber(std::string_view text);

/// A typed range value: "," read as ".", blanks around it allowed; nullopt for a text that is
/// not a finite number above 0.
std::optional<double> parseRangeEntry(std::string_view text);

/// The smallest and largest χ (column 2) and 1/χ (column 3) of the directions a result holds;
/// the minima start at 1e9 and the maxima at 0.
struct ChiDataRange {
    double chiMin = 1e9;
    double chiMax = 0;
    double inverseMin = 1e9;
    double inverseMax = 0;
};
ChiDataRange chiDataRange(const ChiData& data);

/// The maxima of columns 2, 3 and 4 of "o_spc.dup" (from 0), each m made the nearest whole
/// number (halves to even) to m + 0.51.
struct SpcMaxima {
    double c = 0;
    double S = 0;
    double fourth = 0;
};
SpcMaxima spcDataMaxima(const SpcData& data);

/// The maximum of each of the first k columns, q made trunc(q) + 1; 1 for a file without rows.
std::vector<double> columnMaxima(const DataColumns& data, std::size_t k);
/// The minimum of each of the first k columns, q made trunc(q) − 1 (so at or below every
/// value); 0 for a file without rows.
std::vector<double> columnMinima(const DataColumns& data, std::size_t k);

/// The smallest range value "+" reaches: the settings files write four decimals.
inline constexpr double kSmallestStoredRangeValue = 1e-4;

/// How "+" and "−" change a page's range.
enum class ZoomRule {
    /// "+" halves the range (both ends), "−" doubles it; the exponent stays. "+" is refused
    /// once the value (or the span between both ends) would fall below
    /// kSmallestStoredRangeValue, the last decimal the settings files keep.
    HalveRange,
    /// The nice range of half ("+") or twice ("−") the axis top; "+" is refused once the
    /// exponent is below −7.
    NiceOfTop,
};

/// What "+" or "−" gives: the new range, or the message of a refusal (empty when the step
/// would leave the drawable ranges, which is refused silently).
struct ZoomOutcome {
    std::optional<AxisRange> range;
    std::string refusal;
};
ZoomOutcome zoomRange(const AxisRange& range, ZoomRule rule, bool zoomIn);

/// The range with a positive exponent folded into its value (R := 10·R, n := n − 1 while
/// n > 0), as the inverse susceptibility keeps it.
AxisRange foldPositiveExponent(AxisRange range);

} // namespace vintrel
