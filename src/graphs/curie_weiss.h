#pragma once

#include "base/data_table.h"
#include "graphs/graph_data.h"
#include "graphs/graph_tables.h"
#include "resultdata/input_files.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vintrel {

/// A least-squares fit of the Curie–Weiss law χ(T) = C/(T − θ) + χ₀ (or with χ₀ = 0), with the
/// standard errors of its parameters from the covariance of the fit, σ²·(JᵀJ)⁻¹ where σ² is
/// the sum of squared residuals over N − p. χ in μB/T per ion, C in μB K/T, θ in K.
struct CurieWeissFit {
    double C = NAN;
    double dC = NAN;
    double theta = NAN;
    double dtheta = NAN;
    double chi0 = 0;
    double dchi0 = NAN; ///< NaN when χ₀ is held at 0
    bool withChi0 = true;
    std::size_t points = 0;
    /// Why there is no fit ("" when there is one): too few points, values that are not finite.
    std::string problem;

    bool ok() const { return problem.empty(); }
    /// μ_eff = 2.113·√C in μB, and its standard error 2.113·dC/(2√C); NaN for C ≤ 0.
    double muEff() const;
    double dMuEff() const;
    /// The fitted χ at T (NaN at the pole T = θ).
    double chiAt(double T) const;
};

/// Fits the rows `first` … `last` (both included, in either order) of (T, χ). Rows whose
/// values are not finite are left out. θ is sought below the lowest temperature of the rows, so
/// the law has no pole among them. Needs one point more than there are parameters (3, or 2
/// without χ₀) for the standard errors.
CurieWeissFit fitCurieWeiss(const std::vector<double>& T, const std::vector<double>& chi,
                            std::size_t first, std::size_t last, bool withChi0);

/// The fitted χ at every temperature (NaN outside `from` … `to` and at the pole).
std::vector<double> curieWeissCurve(const CurieWeissFit& fit, const std::vector<double>& T,
                                    double from, double to);

/// The fits of x, y and z (those the data hold) and, at index 3, of the powder average
/// (`powder` null: none), over the rows `first` … `last`.
std::array<std::optional<CurieWeissFit>, 4> fitDirections(const ChiData& data,
                                                          const std::vector<double>* powder,
                                                          std::size_t first, std::size_t last,
                                                          bool withChi0);

/// A value with its standard error, the error to two significant digits (whole numbers at
/// least) and the value to the same decimal: "-13.46 ± 0.25"; the value alone in six significant
/// digits when the error is not a positive number.
std::string valueWithError(double value, double error);

/// What the page shows of a fit: "μ_eff = 2.254 ± 0.0037 μB, θ = -13.46 ± 0.25 K,
/// χ₀ = 0.000876 ± 1.2e-05 μB/T" (χ₀ left out when held at 0); the problem when there is none.
std::string curieWeissSummary(const CurieWeissFit& fit);

/// `vintrel-cli data curie-weiss`: one row per direction the result holds and one for the
/// powder average: `direction`, `C [muB K/T]`, `dC`, `theta [K]`, `dtheta`, `chi0 [muB/T]`,
/// `dchi0`, `mu_eff [muB]`, `dmu_eff`, over the rows from the one nearest to T1 to the one
/// nearest to T2. Comments `law`, `between [K]` (the rows' temperatures), `points`, and
/// `<direction> fit` for a fit that could not be made (its cells are empty). Throws
/// DataRequestError for data without rows.
DataTable curieWeissDataTable(const ChiData& data, const TVariables& vars,
                              const std::string& resultName, TemperaturePair between,
                              bool withChi0);
DataTable curieWeissDataTable(const ResultLocation& location, const std::string& resultName,
                              TemperaturePair between, bool withChi0);

} // namespace vintrel
