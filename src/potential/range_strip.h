#pragma once

#include "potential/potential_types.h"

#include <optional>
#include <vector>

namespace vintrel {

// The vertical palette strip of the potential pages with its range indicators, the zero
// label and the tick strip beside it, as numbers the page places and paints.

/// The palette strip: its top row in the page and its height in pixels.
struct PaletteStrip {
    int top = 0;
    int height = 335;
};

/// The thresholds of the filter: lower = min + (max − min) · fractionDown, upper likewise.
struct Thresholds {
    double lower = 0;
    double upper = 0;
};
Thresholds thresholdsOf(const ValueRange& range, double fractionDown, double fractionUp);

/// The fraction of the range an indicator stands for: 1 − (centre − strip top) /
/// (strip height − 1), so the top row is 1 and the bottom row 0. A strip of one row gives 1.
double indicatorFraction(int centre, const PaletteStrip& strip);

/// The value at a fraction of the range: min + (max − min) · fraction.
double valueAtFraction(const ValueRange& range, double fraction);

/// Whether an indicator drag may put an indicator's top at `top` (its centre at
/// top + height div 2): the upper one while its centre stays at or below the strip's top and
/// its top at least 5 pixels above the lower one's top; the lower one while its centre stays at
/// or above the strip's bottom row and its top at least 8 pixels below the upper one's top.
bool upperIndicatorMayMoveTo(int top, int indicatorHeight, const PaletteStrip& strip, int lowerTop);
bool lowerIndicatorMayMoveTo(int top, int indicatorHeight, const PaletteStrip& strip, int upperTop);

/// The top of the "0" label beside the strip: strip top + (height · max / (max − min), rounded
/// halves to even) − (label height + 1) div 2; nullopt (hidden) unless max > min.
std::optional<int> zeroLabelTop(const ValueRange& range, const PaletteStrip& strip,
                                int labelHeight);

/// One tick of the tick strip: drawn at `row` from x = 0 to x = `length`, in the colour of the
/// palette strip's pixel row `colourRow` (counted from the strip's top).
struct Tick {
    int row = 0;
    int length = 0;
    int colourRow = 0;
};

/// The ticks below the zero level: d = strip top + height − zero label top − label height div
/// 2 − 1 pixels from the zero level to the strip's bottom, spacing q = d / 30 but at least 2;
/// tick k (while k · q < height) at t = k · q rounded halves to even, drawn at row height − t + 2,
/// 10 pixels long for every tenth tick and 4 otherwise, coloured by the strip's row
/// height − t − 1 kept within the strip.
std::vector<Tick> tickMarks(const PaletteStrip& strip, int zeroTop, int zeroLabelHeight);

/// One band of the painted palette strip: rows [top, bottom) in palette entry `entry`.
struct PaletteBand {
    int top = 0;
    int bottom = 0;
    int entry = 0;
};

/// The 256 bands of a strip of height h: band i covers the rows from i · h / 256 to
/// (i + 1) · h / 256 (both rounded halves to even) in entry 255 − i, the highest at the top.
std::vector<PaletteBand> paletteBands(int height);

} // namespace vintrel
