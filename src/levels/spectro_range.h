#pragma once

#include "levels/plot_units.h"
#include "levels/transition_files.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vintrel {

inline constexpr const char* kSpectroRangeFile = "g_spectro.dup";

/// The bytes of "g_spectro.dup": "Spectroscopy graph range:", "    min        max", then the
/// two limits (K) each in a field of 10 with 6 decimals (settingsNumber: more digits when six
/// decimals would not hold the value) separated by one blank; lines end in CR LF.
std::string formatSpectroRange(const EnergyInterval& range);

/// The range held by "g_spectro.dup" text: two title lines skipped, then the two numbers.
/// Throws InputError naming the file and line for text that does not follow the layout.
EnergyInterval parseSpectroRange(const std::string& name, std::string_view content);

/// Writes "g_spectro.dup" of the folder beside the old file, moved over it when complete.
/// Throws FileError "Cannot create file <path>".
void writeSpectroRange(const std::filesystem::path& folder, const EnergyInterval& range);

/// Whether a range in K can be drawn on a plot type: both ends finite, min below max, and for
/// the wave-length plot both above 0.
bool spectroRangeAcceptable(PlotType type, const EnergyInterval& range);

/// The whole-range view ("1:1" and the first display) from the transitions' energy range:
/// max' = max + 5 % of the span, min' = min − 5 % of max' − min, kept within `spectro_emin` …
/// `spectro_emax`, and for the wave-length plot within the wave-length limits. A result that
/// cannot be drawn (limits that leave nothing) falls back to the transitions' range, then to
/// 0.01 … 50000 K.
EnergyInterval wholeRangeView(PlotType type, const EnergyInterval& transitions,
                              const TResultSettings& settings);

/// A range typed or chosen in plot units (min, max) as K: nullopt for ends that are not
/// finite, equal or inverted, or not above 0 on the wave-length scale; the K ends swapped
/// when the scale runs opposite to energy.
std::optional<EnergyInterval> rangeFromPlotUnits(PlotType type, double min, double max);

/// A K range on the scale of a plot type, ordered (min below max).
EnergyInterval rangeInPlotUnits(PlotType type, const EnergyInterval& kelvin);

/// The plot range (plot units) scaled by `factor` about its centre (zoom in 0.7, out 1/0.7).
EnergyInterval zoomPlotRange(const EnergyInterval& plot, double factor);

/// What reading the stored range found.
struct SpectroRangeOutcome {
    EnergyInterval range;
    bool created = false; ///< the file was missing or empty and the fallback was stored
    std::string problem;  ///< a damaged file or a failed write; the fallback is then used
};

/// The range of the folder's "g_spectro.dup": a missing or empty file is written with
/// `fallback`; a damaged file, or a range that cannot be drawn on the plot type, gives the
/// fallback without touching the file.
SpectroRangeOutcome readSpectroRange(const std::filesystem::path& folder, PlotType type,
                                     const EnergyInterval& fallback);

} // namespace vintrel
