#include "graphs/derived_curves.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace vintrel {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
/// Past this x the rest of the Debye integral is below 1e-18.
constexpr double kDebyeCut = 60;

/// Whether every non-zero coefficient of the set has m divisible by `step`.
bool everyMDivisibleBy(const coeffsarray& set, int step) {
    for (int k = 2; k <= 6; k += 2)
        for (int m = -k; m <= k; ++m)
            if (set[static_cast<std::size_t>(coefficientSlot(k, m))] != 0 && m % step != 0)
                return false;
    return true;
}

/// t⁴eᵗ/(eᵗ − 1)² written as t²·(t/2 / sinh(t/2))², which stays exact near 0.
double debyeIntegrand(double t) {
    if (t == 0)
        return 0;
    const double h = t / 2;
    const double ratio = h / std::sinh(h);
    return t * t * ratio * ratio;
}

// Eight-point Gauss–Legendre rule on [−1, 1].
constexpr std::array<double, 4> kNodes = {0.1834346424956498, 0.5255324099163290,
                                          0.7966664774136267, 0.9602898564975363};
constexpr std::array<double, 4> kWeights = {0.3626837833783620, 0.3137066458778873,
                                            0.2223810344533745, 0.1012285362903763};

double gaussLegendre(double a, double b) {
    const double half = (b - a) / 2;
    const double mid = (a + b) / 2;
    double sum = 0;
    for (std::size_t i = 0; i < kNodes.size(); ++i)
        sum += kWeights[i] *
               (debyeIntegrand(mid - half * kNodes[i]) + debyeIntegrand(mid + half * kNodes[i]));
    return sum * half;
}

} // namespace

bool isUniaxial(const TVariables& vars) {
    const bool byThree = everyMDivisibleBy(vars.wsp_A, 3) && everyMDivisibleBy(vars._wsp_B, 3);
    const bool byFour = everyMDivisibleBy(vars.wsp_A, 4) && everyMDivisibleBy(vars._wsp_B, 4);
    const double across = std::hypot(vars._magfield_x, vars._magfield_y);
    const bool fieldAlongZ = vars.magfield == 0 || across <= 1e-9 * std::abs(vars.magfield);
    return (byThree || byFour) && fieldAlongZ;
}

std::optional<std::vector<double>> powderAverage(const std::vector<double>& x,
                                                 const std::vector<double>* y,
                                                 const std::vector<double>& z, bool uniaxial) {
    if (!y && !uniaxial)
        return std::nullopt;
    const std::size_t rows = std::min({x.size(), z.size(), y ? y->size() : x.size()});
    std::vector<double> average(rows);
    for (std::size_t r = 0; r < rows; ++r)
        average[r] = ((y ? x[r] + (*y)[r] : 2 * x[r]) + z[r]) / 3;
    return average;
}

std::vector<double> reciprocals(const std::vector<double>& values) {
    std::vector<double> result;
    result.reserve(values.size());
    for (double v : values)
        result.push_back(v != 0 && std::isfinite(v) ? 1 / v : kNaN);
    return result;
}

std::vector<double> curieCurve(const std::vector<double>& T, double p) {
    std::vector<double> chi;
    chi.reserve(T.size());
    for (double t : T)
        chi.push_back(t > 0 ? p * p * kCurieFactor / t : kNaN);
    return chi;
}

double debyeIntegral(double x) {
    if (std::isnan(x) || x < 0)
        return kNaN;
    const double upper = std::min(x, kDebyeCut);
    const int panels = std::max(1, static_cast<int>(std::ceil(upper / 2)));
    const double width = upper / panels;
    double sum = 0;
    for (int i = 0; i < panels; ++i)
        sum += gaussLegendre(i * width, (i + 1) * width);
    return sum;
}

double debyeHeat(double T, double theta, double atoms) {
    if (!std::isfinite(T) || !std::isfinite(theta) || !std::isfinite(atoms) || T < 0 || theta <= 0)
        return kNaN;
    if (T == 0)
        return 0;
    const double xD = theta / T;
    if (!std::isfinite(xD))
        return 0;
    if (xD == 0)
        return 3 * atoms * kGasConstantR;
    return 9 * atoms * kGasConstantR * debyeIntegral(xD) / (xD * xD * xD);
}

std::vector<double> debyeCurve(const std::vector<double>& T, double theta, double atoms) {
    std::vector<double> c;
    c.reserve(T.size());
    for (double t : T)
        c.push_back(debyeHeat(t, theta, atoms));
    return c;
}

std::vector<double> perTemperature(const std::vector<double>& values,
                                   const std::vector<double>& T) {
    const std::size_t rows = std::min(values.size(), T.size());
    std::vector<double> result(rows);
    for (std::size_t r = 0; r < rows; ++r)
        result[r] = T[r] != 0 ? values[r] / T[r] : kNaN;
    return result;
}

std::vector<double> curveSum(const std::vector<double>& a, const std::vector<double>& b) {
    const std::size_t rows = std::min(a.size(), b.size());
    std::vector<double> sum(rows);
    for (std::size_t r = 0; r < rows; ++r)
        sum[r] = a[r] + b[r];
    return sum;
}

std::vector<double> entropySteps(const std::vector<double>& S) {
    std::vector<double> steps(S.size(), kNaN);
    for (std::size_t i = 0; i + 1 < S.size(); ++i)
        steps[i] = S[i + 1] - S[i];
    if (S.size() >= 2)
        steps.back() = steps[S.size() - 2];
    return steps;
}

std::vector<int> statisticalEntropyCandidates(double ymax) {
    const auto lnR = [](int k) { return statisticalEntropy(k); };
    if (ymax < 14)
        return {2, 3, 4, 5};
    if (ymax < lnR(9))
        return {2, 4, 6, 8};
    if (ymax < lnR(13))
        return {2, 4, 6, 8, 12};
    if (ymax < lnR(18))
        return {2, 5, 7, 12, 17};
    if (ymax < lnR(27))
        return {2, 5, 8, 16, 21};
    return {2, 4, 8, 16, 28};
}

double statisticalEntropy(int k) {
    return kGasConstantR * std::log(static_cast<double>(k));
}

EffectiveMoment effectiveMoment(double T1, double inverse1, double T2, double inverse2,
                                bool sameRow) {
    const double dT = T2 - T1;
    const double dInverse = inverse2 - inverse1;
    if (sameRow || dInverse == 0)
        return {std::nullopt, " not set"};
    if (!(dT / dInverse > 0))
        return {std::nullopt, "undefined"};
    return {kEffectiveMomentFactor * std::sqrt(std::abs(dT) / std::abs(dInverse)), {}};
}

} // namespace vintrel
