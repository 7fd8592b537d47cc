#include "levels/line_profiles.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vintrel {

namespace {

constexpr int kTerms = 32;
constexpr double kSqrtPi = 1.7724538509055160273;

// Weideman's expansion: w(z) ≈ 2·p(Z)/(L − iz)² + 1/(√π (L − iz)), Z = (L + iz)/(L − iz),
// p(Z) = Σ a_n Z^(n−1), the a_n the Fourier coefficients of exp(−t²)(L² + t²) on t = L tan(θ/2).
struct Weideman {
    double L = 0;
    std::array<double, kTerms> a{};

    Weideman() {
        const int M = 2 * kTerms;
        L = std::sqrt(kTerms / std::numbers::sqrt2);
        for (int n = 1; n <= kTerms; ++n) {
            double sum = 0;
            for (int k = -M + 1; k <= M - 1; ++k) {
                const double theta = k * std::numbers::pi / M;
                const double t = L * std::tan(theta / 2);
                sum += std::exp(-t * t) * (L * L + t * t) * std::cos(n * theta);
            }
            a[static_cast<std::size_t>(n - 1)] = sum / (2 * M);
        }
    }

    std::complex<double> operator()(std::complex<double> z) const {
        const std::complex<double> iz(-z.imag(), z.real());
        const std::complex<double> den = L - iz;
        const std::complex<double> Z = (L + iz) / den;
        std::complex<double> p = a[kTerms - 1];
        for (int n = kTerms - 2; n >= 0; --n)
            p = p * Z + a[static_cast<std::size_t>(n)];
        return 2.0 * p / (den * den) + 1.0 / (kSqrtPi * den);
    }
};

// The Laplace continued fraction w(z) = (i/√π)/(z − (1/2)/(z − 1/(z − (3/2)/(z − …)))),
// evaluated from its tail; good far from the origin in the upper half plane.
std::complex<double> continuedFraction(std::complex<double> z) {
    constexpr int kDepth = 40;
    std::complex<double> r = z;
    for (int k = kDepth; k >= 1; --k)
        r = z - (k / 2.0) / r;
    return std::complex<double>(0, 1 / kSqrtPi) / r;
}

// Far out, the asymptotic series w(z) ≈ i/(√π z)·(1 + 1/(2z²) + 3/(4z⁴) + 15/(8z⁶) + 105/(16z⁸)
// + 945/(32z¹⁰)), whose next term is below 1e-9 of the sum beyond this |z|.
constexpr double kAsymptoticRadius = 12;

std::complex<double> asymptotic(std::complex<double> z) {
    const std::complex<double> q = 1.0 / (z * z);
    const std::complex<double> sum =
        1.0 + q * (0.5 + q * (0.75 + q * (1.875 + q * (6.5625 + q * 29.53125))));
    return std::complex<double>(0, 1 / kSqrtPi) * sum / z;
}

// Beyond this |z| the continued fraction is the more accurate of the two.
constexpr double kFarRadius = 8;

// Closer than this to the real axis, the real part (exp(−x²) plus a term of the order of y)
// is taken from the Taylor series about the real axis, where Re w(x) = exp(−x²) exactly: the
// rational approximation's absolute error would be a large part of it there.
constexpr double kNearAxis = 1e-3;

std::complex<double> nearAxis(double x, double y, const Weideman& weideman) {
    using namespace std::complex_literals;
    const std::complex<double> w0(std::exp(-x * x), weideman({x, 0}).imag());
    // w′ = −2zw + 2i/√π, so w″ = −2w − 2zw′ and w‴ = −4w′ − 2zw″.
    const std::complex<double> w1 = -2 * x * w0 + 2i / kSqrtPi;
    const std::complex<double> w2 = -2.0 * w0 - 2 * x * w1;
    const std::complex<double> w3 = -4.0 * w1 - 2 * x * w2;
    return w0 + 1i * y * w1 - y * y / 2 * w2 - 1i * (y * y * y / 6) * w3;
}

std::complex<double> upperHalf(std::complex<double> z) {
    static const Weideman weideman;
    const double r2 = std::norm(z);
    if (r2 > kAsymptoticRadius * kAsymptoticRadius)
        return asymptotic(z);
    if (r2 > kFarRadius * kFarRadius)
        return continuedFraction(z);
    if (z.imag() < kNearAxis)
        return nearAxis(z.real(), z.imag(), weideman);
    return weideman(z);
}

constexpr double kLn2 = std::numbers::ln2;

double sanitised(double w) {
    return std::isfinite(w) && w > 0 ? w : 0;
}

} // namespace

std::complex<double> faddeeva(std::complex<double> z) {
    if (z.imag() >= 0)
        return upperHalf(z);
    return 2.0 * std::exp(-z * z) - upperHalf(-z);
}

double voigtProfile(double x, double fwhmGauss, double fwhmLorentz) {
    const double fG = sanitised(fwhmGauss);
    const double fL = sanitised(fwhmLorentz);
    const double gamma = fL / 2;
    if (fG == 0) {
        if (fL == 0)
            return 0;
        return gamma / (std::numbers::pi * (x * x + gamma * gamma));
    }
    const double sigma = fG / (2 * std::sqrt(2 * kLn2));
    const double scale = sigma * std::numbers::sqrt2;
    if (fL == 0) {
        const double u = x / scale;
        return std::exp(-u * u) / (scale * kSqrtPi);
    }
    return faddeeva({x / scale, gamma / scale}).real() / (scale * kSqrtPi);
}

double voigtWidth(double fwhmGauss, double fwhmLorentz) {
    const double fG = sanitised(fwhmGauss);
    const double fL = sanitised(fwhmLorentz);
    return 0.5346 * fL + std::sqrt(0.2166 * fL * fL + fG * fG);
}

double lorentzPeakArea(double w) {
    return std::numbers::pi * w / 2;
}

double gaussPeakArea(double w) {
    return w / 2 * std::sqrt(std::numbers::pi / kLn2);
}

} // namespace vintrel
