#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// The horizontal scales of the spectroscopy page, in the order of its plot-type choice.
enum class PlotType { waveLength = 0, kelvin = 1, meV = 2, waveNumber = 3 };
inline constexpr int kPlotTypes = 4;

/// h·c / k_B in nm·K: a wave length in nm is this over an energy in K.
inline constexpr double kWaveLengthKelvin = 14387769.3700642823;
/// The wave length (nm) that stands for an energy of 0, and the energy for a wave length of 0.
inline constexpr double kZeroWaveLength = 1e12;

/// An energy in K on the scale of a plot type: nm = 14387769.37 / E (1e12 for E = 0),
/// meV = E / 11.60451911, 1/cm = E × 0.695.
double toPlotUnit(PlotType type, double kelvin);
/// A value on the scale of a plot type in K (the inverse of toPlotUnit).
double fromPlotUnit(PlotType type, double value);

/// Values on the scale of `from` on the scale of `to` (measured positions on the page's scale).
std::vector<double> convertPlotUnit(const std::vector<double>& values, PlotType from, PlotType to);

/// What the page shows of a plot type.
struct PlotTypeLook {
    const char* item;      ///< the choice's text (" intensity vs energy (K)")
    const char* unit;      ///< "nm", "K", "meV", "1/cm"
    const char* symbol;    ///< the range symbol: "l" in the Symbol font (λ), "E", "k"
    const char* halfWidth; ///< the half-width field's default text
    double halfWidthStep;  ///< the half-width up-down's step
};
const PlotTypeLook& plotTypeLook(PlotType type);

/// The plot type of a unit text ("nm", "K", "meV", "1/cm"); nullopt for any other.
std::optional<PlotType> plotTypeOfUnit(std::string_view unit);

} // namespace vintrel
