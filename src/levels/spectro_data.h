#pragma once

#include "base/data_table.h"
#include "levels/spectrum.h"
#include "resultdata/input_files.h"

#include <optional>
#include <string>
#include <vector>

namespace vintrel {

/// What the spectroscopy page works from for one result: its variables and settings, the
/// transition list and (when read) the energies of the z axis that the populations come from.
struct SpectroscopySource {
    TVariables vars;
    TResultSettings settings;
    std::vector<TransitionLine> lines;
    std::vector<double> energies; ///< empty until a temperature needs them
};

/// Reads a result for the spectroscopy page: its input files, then the transition list
/// (created from "o_neu.dup" when "o_spectro.dup" is missing); with `withEnergies` also the z
/// energies of "o_E.dup". Throws DataRequestError for a mean-field result, InputError for a
/// configuration without levels or a missing or damaged file.
SpectroscopySource readSpectroscopySource(const ResultLocation& location, bool withEnergies);

/// The populations of the initial levels: all 1 without a temperature, Boltzmann weights at
/// one (statePopulations); throws DataRequestError when the energies are needed but missing.
std::vector<double> sourcePopulations(const SpectroscopySource& source,
                                      std::optional<double> temperature);

/// The intensity column names of a basis: `I_Lz`, `I_L+`, `I_L-`, `I_Sz`, `I_S+`, `I_S-`,
/// `I_LS`, or `I_Jz`, `I_J+`, `I_J-`.
std::vector<std::string> intensityColumnNames(int baza);

/// One row per merged transition: `dE [K]`, `dE [meV]`, `dE [1/cm]`, `from` and the
/// intensities, population-weighted at the temperature (all populations 1 without one).
DataTable transitionsDataTable(const SpectroscopySource& source, const std::string& resultName,
                               std::optional<double> temperature);
DataTable transitionsDataTable(const ResultLocation& location, const std::string& resultName,
                               std::optional<double> temperature);

/// What shapes a synthesised spectrum.
struct SpectrumDataOptions {
    PlotType type = PlotType::kelvin;
    /// The range on the scale; nullopt: the whole-range view.
    std::optional<EnergyInterval> range;
    int points = 1000;
    LineShape shape = LineShape::none;
    /// The full width at half maximum on the scale (in K with `widthInKelvin`); nullopt: the
    /// page's default for the scale.
    std::optional<double> width;
    bool widthInKelvin = false;
    /// The Voigt profile's Lorentz width on the same scale; nullopt: the same as the width.
    std::optional<double> lorentzWidth;
    /// FWHM(E) = a + bE + cE² on the width's scale instead of the constant width.
    std::optional<WidthPolynomial> resolution;
    bool normaliseArea = false;
    std::optional<double> temperature;
};

/// The spectrum options of a width: the width on the scale and in K.
SpectrumOptions spectrumOptions(PlotType type, LineShape shape, double width, bool widthInKelvin);
/// The same with the Voigt profile's Lorentz width (on the same scale as the width).
SpectrumOptions spectrumOptions(PlotType type, LineShape shape, double width, double lorentzWidth,
                                bool widthInKelvin);

/// The name of a line shape ("none", "lorentz", "gauss", "voigt") and the shape of a name.
const char* lineShapeName(LineShape shape);
std::optional<LineShape> lineShapeOfName(const std::string& name);

/// One row per column: `position [unit]`, the intensities and `total` (their sum). Throws
/// DataRequestError for a range that cannot be drawn on the scale or fewer than 1 point.
DataTable spectrumDataTable(const SpectroscopySource& source, const std::string& resultName,
                            const SpectrumDataOptions& options);
DataTable spectrumDataTable(const ResultLocation& location, const std::string& resultName,
                            const SpectrumDataOptions& options);

} // namespace vintrel
