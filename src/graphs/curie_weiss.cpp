#include "graphs/curie_weiss.h"

#include "graphs/derived_curves.h"
#include "resultdata/result_summary.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace vintrel {

namespace {

struct Sample {
    std::vector<double> T;
    std::vector<double> chi;
};

/// C and χ₀ of the best fit for a fixed θ, with the sum of squared residuals.
struct LinearPart {
    double C = NAN;
    double chi0 = 0;
    double ssr = INFINITY;
};

LinearPart linearPart(const Sample& s, double theta, bool withChi0) {
    double gg = 0, g1 = 0, gy = 0, y1 = 0;
    const double n = static_cast<double>(s.T.size());
    for (std::size_t i = 0; i < s.T.size(); ++i) {
        const double g = 1 / (s.T[i] - theta);
        gg += g * g;
        g1 += g;
        gy += g * s.chi[i];
        y1 += s.chi[i];
    }
    LinearPart part;
    if (withChi0) {
        const double det = gg * n - g1 * g1;
        if (!(std::abs(det) > 0))
            return part;
        part.C = (gy * n - g1 * y1) / det;
        part.chi0 = (gg * y1 - g1 * gy) / det;
    } else {
        if (!(gg > 0))
            return part;
        part.C = gy / gg;
    }
    double ssr = 0;
    for (std::size_t i = 0; i < s.T.size(); ++i) {
        const double r = s.chi[i] - part.C / (s.T[i] - theta) - part.chi0;
        ssr += r * r;
    }
    part.ssr = std::isfinite(ssr) ? ssr : INFINITY;
    return part;
}

/// The inverse of a small symmetric positive matrix (n ≤ 3) by Gauss–Jordan; false when it
/// is singular.
template <std::size_t N>
bool invert(std::array<std::array<double, N>, N>& m) {
    std::array<std::array<double, N>, N> inv{};
    for (std::size_t i = 0; i < N; ++i)
        inv[i][i] = 1;
    for (std::size_t c = 0; c < N; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < N; ++r)
            if (std::abs(m[r][c]) > std::abs(m[pivot][c]))
                pivot = r;
        if (!(std::abs(m[pivot][c]) > 0))
            return false;
        std::swap(m[c], m[pivot]);
        std::swap(inv[c], inv[pivot]);
        const double d = m[c][c];
        for (std::size_t k = 0; k < N; ++k) {
            m[c][k] /= d;
            inv[c][k] /= d;
        }
        for (std::size_t r = 0; r < N; ++r) {
            if (r == c)
                continue;
            const double f = m[r][c];
            for (std::size_t k = 0; k < N; ++k) {
                m[r][k] -= f * m[c][k];
                inv[r][k] -= f * inv[c][k];
            }
        }
    }
    m = inv;
    return true;
}

/// Gauss–Newton steps on (C, θ, χ₀) or (C, θ) from the minimum the search found: where the sum
/// of squares is flat its bottom is placed by the zero of its gradient, to full precision.
template <std::size_t N>
void polish(const Sample& s, CurieWeissFit& fit, double Tmin) {
    const auto ssrOf = [&](double C, double theta, double chi0) {
        double ssr = 0;
        for (std::size_t i = 0; i < s.T.size(); ++i) {
            const double r = s.chi[i] - C / (s.T[i] - theta) - chi0;
            ssr += r * r;
        }
        return ssr;
    };
    double ssr = ssrOf(fit.C, fit.theta, fit.chi0);
    for (int step = 0; step < 8; ++step) {
        std::array<std::array<double, N>, N> jtj{};
        std::array<double, N> jtr{};
        for (std::size_t i = 0; i < s.T.size(); ++i) {
            const double g = 1 / (s.T[i] - fit.theta);
            const std::array<double, 3> row = {g, fit.C * g * g, 1};
            const double r = s.chi[i] - fit.C * g - fit.chi0;
            for (std::size_t a = 0; a < N; ++a) {
                jtr[a] += row[a] * r;
                for (std::size_t b = 0; b < N; ++b)
                    jtj[a][b] += row[a] * row[b];
            }
        }
        if (!invert(jtj))
            return;
        std::array<double, 3> delta{};
        for (std::size_t a = 0; a < N; ++a)
            for (std::size_t b = 0; b < N; ++b)
                delta[a] += jtj[a][b] * jtr[b];
        const double C = fit.C + delta[0], theta = fit.theta + delta[1];
        const double chi0 = N == 3 ? fit.chi0 + delta[2] : 0;
        if (!(theta < Tmin))
            return;
        const double next = ssrOf(C, theta, chi0);
        if (!(next <= ssr))
            return;
        fit.C = C;
        fit.theta = theta;
        fit.chi0 = chi0;
        ssr = next;
    }
}

/// The standard errors of (C, θ, χ₀) or (C, θ) at the fit.
template <std::size_t N>
std::array<double, N> standardErrors(const Sample& s, const CurieWeissFit& fit, double ssr) {
    std::array<std::array<double, N>, N> jtj{};
    for (std::size_t i = 0; i < s.T.size(); ++i) {
        const double g = 1 / (s.T[i] - fit.theta);
        std::array<double, 3> row = {g, fit.C * g * g, 1};
        for (std::size_t a = 0; a < N; ++a)
            for (std::size_t b = 0; b < N; ++b)
                jtj[a][b] += row[a] * row[b];
    }
    std::array<double, N> errors;
    errors.fill(NAN);
    const double dof = static_cast<double>(s.T.size()) - static_cast<double>(N);
    if (dof <= 0 || !invert(jtj))
        return errors;
    const double variance = ssr / dof;
    for (std::size_t a = 0; a < N; ++a)
        errors[a] = jtj[a][a] >= 0 ? std::sqrt(variance * jtj[a][a]) : NAN;
    return errors;
}

std::string directionName(std::size_t index) {
    return index < 3 ? std::string(1, directionLetter(kDirections[index])) : "powder";
}

} // namespace

double CurieWeissFit::muEff() const {
    return C > 0 ? kEffectiveMomentFactor * std::sqrt(C) : NAN;
}

double CurieWeissFit::dMuEff() const {
    return C > 0 ? kEffectiveMomentFactor * dC / (2 * std::sqrt(C)) : NAN;
}

double CurieWeissFit::chiAt(double T) const {
    return T != theta ? C / (T - theta) + chi0 : NAN;
}

CurieWeissFit fitCurieWeiss(const std::vector<double>& T, const std::vector<double>& chi,
                            std::size_t first, std::size_t last, bool withChi0) {
    CurieWeissFit fit;
    fit.withChi0 = withChi0;
    if (!withChi0)
        fit.dchi0 = NAN;
    const std::size_t rows = std::min(T.size(), chi.size());
    if (first > last)
        std::swap(first, last);
    Sample s;
    for (std::size_t r = first; r <= last && r < rows; ++r)
        if (std::isfinite(T[r]) && std::isfinite(chi[r])) {
            s.T.push_back(T[r]);
            s.chi.push_back(chi[r]);
        }
    fit.points = s.T.size();
    const std::size_t parameters = withChi0 ? 3 : 2;
    if (s.T.size() < parameters + 1) {
        fit.problem = "the fit needs at least " + std::to_string(parameters + 1) +
                      " points between the two temperatures";
        return fit;
    }
    const auto [low, high] = std::minmax_element(s.T.begin(), s.T.end());
    if (*high == *low) {
        fit.problem = "the fit needs points at more than one temperature";
        return fit;
    }
    // θ = Tmin − e^u: a coarse scan over u finds the valley, golden sections its bottom.
    const double Tmin = *low;
    const double scale = std::max({*high - *low, std::abs(Tmin), 1.0});
    const double uLow = std::log(scale * 1e-6), uHigh = std::log(scale * 1e4);
    const auto cost = [&](double u) { return linearPart(s, Tmin - std::exp(u), withChi0).ssr; };
    constexpr int kScan = 400;
    int best = 0;
    double bestCost = INFINITY;
    for (int k = 0; k <= kScan; ++k) {
        const double c = cost(uLow + (uHigh - uLow) * k / kScan);
        if (c < bestCost) {
            bestCost = c;
            best = k;
        }
    }
    if (!std::isfinite(bestCost)) {
        fit.problem = "the law cannot be fitted to these values";
        return fit;
    }
    if (best == 0 || best == kScan) {
        fit.problem = best == 0 ? "no fit: theta runs into the lowest temperature"
                                : "no fit: theta runs off to minus infinity";
        return fit;
    }
    double a = uLow + (uHigh - uLow) * (best - 1) / kScan;
    double b = uLow + (uHigh - uLow) * (best + 1) / kScan;
    const double phi = (std::sqrt(5.0) - 1) / 2;
    double c = b - phi * (b - a), d = a + phi * (b - a);
    double fc = cost(c), fd = cost(d);
    for (int i = 0; i < 200 && b - a > 1e-13; ++i) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - phi * (b - a);
            fc = cost(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + phi * (b - a);
            fd = cost(d);
        }
    }
    fit.theta = Tmin - std::exp((a + b) / 2);
    const LinearPart part = linearPart(s, fit.theta, withChi0);
    fit.C = part.C;
    fit.chi0 = part.chi0;
    if (withChi0)
        polish<3>(s, fit, Tmin);
    else
        polish<2>(s, fit, Tmin);
    double ssr = 0;
    for (std::size_t i = 0; i < s.T.size(); ++i) {
        const double r = s.chi[i] - fit.chiAt(s.T[i]);
        ssr += r * r;
    }
    if (withChi0) {
        const auto errors = standardErrors<3>(s, fit, ssr);
        fit.dC = errors[0];
        fit.dtheta = errors[1];
        fit.dchi0 = errors[2];
    } else {
        const auto errors = standardErrors<2>(s, fit, ssr);
        fit.dC = errors[0];
        fit.dtheta = errors[1];
    }
    return fit;
}

std::vector<double> curieWeissCurve(const CurieWeissFit& fit, const std::vector<double>& T,
                                    double from, double to) {
    std::vector<double> values(T.size(), NAN);
    if (!fit.ok())
        return values;
    if (from > to)
        std::swap(from, to);
    for (std::size_t r = 0; r < T.size(); ++r)
        if (T[r] >= from && T[r] <= to)
            values[r] = fit.chiAt(T[r]);
    return values;
}

std::array<std::optional<CurieWeissFit>, 4> fitDirections(const ChiData& data,
                                                          const std::vector<double>* powder,
                                                          std::size_t first, std::size_t last,
                                                          bool withChi0) {
    std::array<std::optional<CurieWeissFit>, 4> fits;
    for (std::size_t d = 0; d < 3; ++d)
        if (data.has(kDirections[d]))
            fits[d] = fitCurieWeiss(data.T, data.chi[d], first, last, withChi0);
    if (powder)
        fits[3] = fitCurieWeiss(data.T, *powder, first, last, withChi0);
    return fits;
}

std::string valueWithError(double value, double error) {
    char text[96];
    if (!(error > 0) || !std::isfinite(error)) {
        std::snprintf(text, sizeof text, "%.6g", value);
        return text;
    }
    const int decimals = std::max(0, 1 - static_cast<int>(std::floor(std::log10(error))));
    if (decimals <= 9)
        std::snprintf(text, sizeof text, "%.*f ± %.*f", decimals, value, decimals, error);
    else
        std::snprintf(text, sizeof text, "%.6g ± %.2g", value, error);
    return text;
}

std::string curieWeissSummary(const CurieWeissFit& fit) {
    if (!fit.ok())
        return fit.problem;
    std::string text = "μ_eff = " + valueWithError(fit.muEff(), fit.dMuEff()) +
                       " μB, θ = " + valueWithError(fit.theta, fit.dtheta) + " K";
    if (fit.withChi0)
        text += ", χ₀ = " + valueWithError(fit.chi0, fit.dchi0) + " μB/T";
    return text;
}

DataTable curieWeissDataTable(const ChiData& data, const TVariables& vars,
                              const std::string& resultName, TemperaturePair between,
                              bool withChi0) {
    if (data.rowCount() == 0)
        throw DataRequestError("the susceptibility files hold no rows");
    const std::size_t a = nearestRow(data.T, between.T1);
    const std::size_t b = nearestRow(data.T, between.T2);
    DataTable table;
    addResultComments(table, resultName, vars);
    table.comment("law", withChi0 ? "chi = C/(T - theta) + chi0, least squares"
                                  : "chi = C/(T - theta), least squares");
    table.comment("between [K]", roundTripText(data.T[std::min(a, b)]) + " " +
                                     roundTripText(data.T[std::max(a, b)]));
    table.comment("mu_eff", "2.113 sqrt(C)");
    table.columns = {"direction",    "C [muB K/T]", "dC",           "theta [K]", "dtheta",
                     "chi0 [muB/T]", "dchi0",       "mu_eff [muB]", "dmu_eff"};
    const auto& chi = data.chi;
    const auto powder =
        powderAverage(chi[0], data.hasY ? &chi[1] : nullptr, chi[2], isUniaxial(vars));
    const auto cell = [](double v) {
        return std::isfinite(v) ? DataTable::Cell(v) : DataTable::Cell(std::string());
    };
    const auto fits = fitDirections(data, powder ? &*powder : nullptr, a, b, withChi0);
    std::size_t points = 0;
    for (std::size_t d = 0; d < 4; ++d) {
        if (d < 3 && !data.has(kDirections[d]))
            continue;
        const std::string name = directionName(d);
        if (!fits[d] || !fits[d]->ok()) {
            table.comment(name + " fit", fits[d] ? fits[d]->problem : kPowderAverageUnavailable);
            table.rows.push_back({name, std::string(), std::string(), std::string(), std::string(),
                                  std::string(), std::string(), std::string(), std::string()});
            continue;
        }
        const CurieWeissFit& fit = *fits[d];
        points = std::max(points, fit.points);
        table.rows.push_back({name, cell(fit.C), cell(fit.dC), cell(fit.theta), cell(fit.dtheta),
                              withChi0 ? cell(fit.chi0) : DataTable::Cell(0.0), cell(fit.dchi0),
                              cell(fit.muEff()), cell(fit.dMuEff())});
    }
    table.comment("points", std::to_string(points));
    return table;
}

DataTable curieWeissDataTable(const ResultLocation& location, const std::string& resultName,
                              TemperaturePair between, bool withChi0) {
    const TVariables vars = readResultInputs(location, TVariables{}).variables;
    return curieWeissDataTable(
        readChiData(location.workingRoot / location.resultFolder, vars.cialo == 2), vars,
        resultName, between, withChi0);
}

} // namespace vintrel
