#pragma once

#include "base/measured_data.h"
#include "levels/plot_units.h"
#include "levels/spectrum.h"
#include "levels/spectrum_plot.h"

#include <string>
#include <vector>

namespace vintrel {

/// A measured spectrum loaded on the spectroscopy page: its points and the unit its positions
/// are in (converted to the page's scale when compared).
struct MeasuredSpectrum {
    std::string file;
    MeasuredPoints points;
    PlotType unit = PlotType::kelvin;
};

/// The measured spectrum against the synthesised one (the stacked total of the shown types over
/// the columns, on the scale of `type`): positions converted, intensities scaled by the
/// least-squares factor first.
Agreement spectrumAgreement(const MeasuredSpectrum& measured,
                            const std::vector<SpectrumColumn>& columns, const TypeMask& shown,
                            int baza, PlotType type);

/// The compared points in the plot: a small open circle at each scaled intensity with its error
/// bar (line and caps), in dark red; points outside the plot's range are left out.
std::vector<SceneItem> measuredSpectrumItems(const SpectrumFrame& frame,
                                             const Agreement& agreement);

} // namespace vintrel
