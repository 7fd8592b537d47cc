#include "potential/range_strip.h"

#include "base/rounding.h"

#include <algorithm>

namespace vintrel {

Thresholds thresholdsOf(const ValueRange& range, double fractionDown, double fractionUp) {
    return {valueAtFraction(range, fractionDown), valueAtFraction(range, fractionUp)};
}

double indicatorFraction(int centre, const PaletteStrip& strip) {
    if (strip.height <= 1)
        return 1;
    return 1 - static_cast<double>(centre - strip.top) / (strip.height - 1);
}

double valueAtFraction(const ValueRange& range, double fraction) {
    return range.min + (range.max - range.min) * fraction;
}

bool upperIndicatorMayMoveTo(int top, int indicatorHeight, const PaletteStrip& strip,
                             int lowerTop) {
    return top + indicatorHeight / 2 >= strip.top && top <= lowerTop - 5;
}

bool lowerIndicatorMayMoveTo(int top, int indicatorHeight, const PaletteStrip& strip,
                             int upperTop) {
    return top + indicatorHeight / 2 <= strip.top + strip.height - 1 && top >= upperTop + 8;
}

std::optional<int> zeroLabelTop(const ValueRange& range, const PaletteStrip& strip,
                                int labelHeight) {
    if (!(range.max > range.min))
        return std::nullopt;
    return strip.top + roundHalfEven(strip.height * range.max / (range.max - range.min)) -
           (labelHeight + 1) / 2;
}

std::vector<Tick> tickMarks(const PaletteStrip& strip, int zeroTop, int zeroLabelHeight) {
    std::vector<Tick> ticks;
    const int d = strip.top + strip.height - zeroTop - zeroLabelHeight / 2 - 1;
    const double q = std::max(d / 30.0, 2.0);
    for (int k = 0; k * q < strip.height; ++k) {
        const int t = roundHalfEven(k * q);
        ticks.push_back({strip.height - t + 2, k % 10 == 0 ? 10 : 4,
                         std::clamp(strip.height - t - 1, 0, std::max(strip.height - 1, 0))});
    }
    return ticks;
}

std::vector<PaletteBand> paletteBands(int height) {
    std::vector<PaletteBand> bands;
    bands.reserve(256);
    for (int i = 0; i < 256; ++i)
        bands.push_back({roundHalfEven(i * static_cast<double>(height) / 256),
                         roundHalfEven((i + 1) * static_cast<double>(height) / 256), 255 - i});
    return bands;
}

} // namespace vintrel
