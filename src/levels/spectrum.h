#pragma once

#include "levels/line_profiles.h"
#include "levels/plot_units.h"
#include "levels/transition_files.h"

#include <array>
#include <optional>
#include <vector>

namespace vintrel {

/// The seven intensity types of a spectrum, in stacking order: L_z, L_+, L_-, S_z, S_+, S_-,
/// LS (in the |J,Jz> basis J_z, J_+, J_- and four zeros).
inline constexpr int kIntensityTypes = 7;
using Intensities = std::array<double, kIntensityTypes>;
/// Which intensity types are shown (the legend toggles).
using TypeMask = std::array<bool, kIntensityTypes>;
inline constexpr TypeMask kAllTypes{true, true, true, true, true, true, true};

/// The number of intensity types a basis has: 7 in |L,Lz,S,Sz>, 3 in |J,Jz>.
int intensityTypeCount(int baza);

/// Levels whose energies lie within this much (K) of the lowest are kept at T = 0.
inline constexpr double kGroundTolerance = 1e-9;

/// The populations of levels of the given energies: all 1 without a temperature; otherwise the
/// Boltzmann weights exp(−(E − Emin)/T) normalised to a sum of 1. At T = 0 (or below) only the
/// lowest level and those within 1e-9 K of it are populated, equally.
std::vector<double> statePopulations(const std::vector<double>& energies,
                                     std::optional<double> temperature);

/// One line of the spectrum: the transitions of equal dE from one initial level.
struct MergedTransition {
    double dE = 0; ///< K
    double x = 0;  ///< position on the plot's scale
    int from = 0;
    Intensities I{};
};

/// Merges consecutive transition lines: a line starts a new merged transition when it is the
/// first, its dE differs from the current one's or its initial level from the previous
/// line's. Each line adds its squared elements weighted 2/3 (z and LS) or 1/3 (raising and
/// lowering) times the population of its initial level; a line whose initial level has no
/// population (level 0, or one beyond the list) is passed over. Positions are on the scale of
/// `type`.
std::vector<MergedTransition> mergeTransitions(const std::vector<TransitionLine>& lines,
                                               const std::vector<double>& populations, int baza,
                                               PlotType type);

/// The profile of a line. Voigt: the Gauss profile of the width (the instrument's resolution)
/// convolved with a Lorentz profile of the Lorentz width (the line's intrinsic width).
enum class LineShape { none = 0, lorentz = 1, gauss = 2, voigt = 3 };

/// How the lines are spread over the columns.
struct SpectrumOptions {
    PlotType type = PlotType::kelvin;
    LineShape shape = LineShape::none;
    /// The full width at half maximum in K (`HalfWidthK`).
    double halfWidthK = 1;
    /// The full width at half maximum on the plot's scale (`HalfWidthJedn`).
    double halfWidthUnit = 1;
    /// On the wave-length plot: whether the width is fixed in K (otherwise in nm). On the
    /// energy plots both widths are the same width.
    bool halfWidthInKelvin = false;
    /// The Voigt profile's Lorentz full width at half maximum, in K and on the plot's scale.
    double lorentzWidthK = 0;
    double lorentzWidthUnit = 0;
    /// A width that grows with the line's energy transfer (or wave length): FWHM(E) = a + bE
    /// + cE², both on the width's scale (the plot's unit, or K with `halfWidthInKelvin` or on
    /// the kelvin plot), used instead of the constant width (for Voigt, as its Gauss width).
    std::optional<WidthPolynomial> resolution{};
    /// Each profile's area on the width's scale equals the line's intensity (otherwise each
    /// profile's peak does). Sticks are not changed.
    bool normaliseArea = false;
};

/// The limits of the result's settings: energies `spectro_emin` … `spectro_emax` (K) and wave
/// lengths `spectro_lmin` … `spectro_lmax` (nm).
struct SpectrumLimits {
    double emin = 0.01;
    double emax = 50000;
    double lmin = 0.1;
    double lmax = 1e8;
};
SpectrumLimits spectrumLimits(const TResultSettings& settings);

/// Whether a line or a column at energy E (K) and position x on the scale passes the limits:
/// the energy limits on the energy plots, the wave-length limits on the wave-length plot.
bool passesLimits(PlotType type, const SpectrumLimits& limits, double E, double x);

/// One pixel column of the spectrum: its position on the scale and the summed intensities.
struct SpectrumColumn {
    double position = 0;
    Intensities I{};
};

/// Spreads the merged transitions over n columns from plotMin to plotMax (column c at plotMin
/// + (plotMax − plotMin)·c/n). For each line within the limits and each column c ≥ 1 within
/// them, with the column's energy interval X … V (the K values of columns c − 1 and c, in
/// order): "none" puts weight 1 in the column with X < dE ≤ V; Lorentz 1/(1 + P²) and Gauss
/// 2^(−P²), with P = 0 inside the interval and otherwise the distance of the nearer edge over
/// half the width (in K, or on the wave-length scale for a width fixed in nm), so the width is
/// the full width at half maximum. A width of 0 (or one that is not a finite number above 0)
/// places the lines as "none". Voigt takes the profile at the same distance P·width/2 (its
/// peak 1, or its area with `normaliseArea`); a line whose resolution width comes out 0 or
/// below is a Gauss of width 0: a stick (Voigt: the Lorentz profile alone). No columns for n ≤
/// 0 or a range without extent.
std::vector<SpectrumColumn> synthesizeSpectrum(const std::vector<MergedTransition>& lines,
                                               double plotMin, double plotMax, int n,
                                               const SpectrumOptions& options,
                                               const SpectrumLimits& limits);

/// The stacked total of a column over the shown types (the basis' types only).
double stackedTotal(const SpectrumColumn& column, const TypeMask& shown, int baza);

/// The vertical scale: the largest stacked total of the columns, at least 1e-10.
double spectrumMaximum(const std::vector<SpectrumColumn>& columns, const TypeMask& shown, int baza);

} // namespace vintrel
