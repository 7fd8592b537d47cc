// Line profiles: the Faddeeva function against reference values, the Voigt profile and its
// Gauss and Lorentz limits, the resolution polynomial.
#include "levels/line_profiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace vintrel;

namespace {

// Relative difference, or the absolute one for an exact 0.
double relative(double value, double reference) {
    return reference == 0 ? std::abs(value) : std::abs(value - reference) / std::abs(reference);
}

double gauss(double x, double fwhm) {
    const double sigma = fwhm / (2 * std::sqrt(2 * std::numbers::ln2));
    return std::exp(-x * x / (2 * sigma * sigma)) / (sigma * std::sqrt(2 * std::numbers::pi));
}

double lorentz(double x, double fwhm) {
    const double g = fwhm / 2;
    return g / (std::numbers::pi * (x * x + g * g));
}

} // namespace

TEST(Faddeeva, MatchesReferenceValuesToOnePartInAMillion) {
    // w(z) = exp(−z²) erfc(−iz) to 17 digits (30-digit arithmetic): near the origin, near the
    // real axis (where Re w is exp(−x²) plus a small term), far out, and below the axis.
    const struct {
        double x, y, re, im;
    } cases[] = {
        {0, 1e-05, 0.99998871630832829, 0.0},
        {0.5, 0.5, 0.53315670791217491, 0.23048823138445841},
        {1, 1, 0.30474420525691259, 0.20821893820283163},
        {2.5, 0.01, 0.0032305576565929813, 0.25161914586681914},
        {3, 0.0001, 0.00013126625660332499, 0.20115724264635275},
        {5.5, 0.002, 3.9325261564965829e-5, 0.10436742132858613},
        {6.5, 0.0003, 4.1575063127343022e-6, 0.087864424531706559},
        {7.9, 0.05, 0.00046330807728646353, 0.071999886722985502},
        {10, 1, 0.0056699425669021785, 0.056129645315951261},
        {15, 0.2, 0.00050479176770840386, 0.037690009923767125},
        {40, 5, 0.0017375398310576648, 0.013891757018831422},
        {0.2, 9, 0.062277877443369345, 0.0013673791524622918},
        {100, 100, 0.0028210184361467865, 0.0028208773887522219},
        {-2, 0.3, 0.076395951675642117, -0.3098311071402927},
        {1.5, -0.4, -0.097345532818947219, 0.59439098499123915},
        {-3, -1, -0.064673574793859687, -0.17373084850174396},
    };
    for (const auto& c : cases) {
        const std::complex<double> w = faddeeva({c.x, c.y});
        EXPECT_LT(relative(w.real(), c.re), 1e-6) << c.x << " + " << c.y << "i: " << w.real();
        EXPECT_LT(relative(w.imag(), c.im), 1e-6) << c.x << " + " << c.y << "i: " << w.imag();
    }
}

TEST(Faddeeva, OnTheRealAxisTheRealPartIsTheGaussAndItIsSymmetric) {
    for (double x : {0.0, 0.3, 1.0, 2.0, 4.0, 6.0}) {
        EXPECT_LT(relative(faddeeva({x, 0}).real(), std::exp(-x * x)), 1e-9) << x;
        // w(−x̄ + iy) = conj(w(x + iy)).
        const std::complex<double> a = faddeeva({x, 0.7});
        const std::complex<double> b = faddeeva({-x, 0.7});
        EXPECT_NEAR(a.real(), b.real(), 1e-15) << x;
        EXPECT_NEAR(a.imag(), -b.imag(), 1e-15) << x;
    }
}

TEST(Voigt, MatchesTheNumericConvolution) {
    // Gauss ⊗ Lorentz integrated numerically to 17 digits.
    const struct {
        double x, fwhmGauss, fwhmLorentz, value;
    } cases[] = {
        {0, 1, 1, 0.44911093925151987},
        {0.7, 2, 0.5, 0.28870591851794946},
        {3, 1, 0.2, 0.0037694393003475161},
        {-1.5, 0.4, 3, 0.10677014083876891},
    };
    for (const auto& c : cases)
        EXPECT_LT(relative(voigtProfile(c.x, c.fwhmGauss, c.fwhmLorentz), c.value), 1e-6)
            << c.x << " " << c.fwhmGauss << " " << c.fwhmLorentz;
}

TEST(Voigt, NarrowLorentzIsTheGaussAndNarrowGaussIsTheLorentz) {
    for (double x : {0.0, 0.25, 0.5, 1.0, 2.0}) {
        // Exactly at a width of 0 …
        EXPECT_DOUBLE_EQ(voigtProfile(x, 1.2, 0), gauss(x, 1.2)) << x;
        EXPECT_DOUBLE_EQ(voigtProfile(x, 0, 1.2), lorentz(x, 1.2)) << x;
        // … and through the Faddeeva function as the other width shrinks (the Lorentz tail
        // of 1e-9 adds a few parts in 1e7 at two widths out).
        EXPECT_LT(relative(voigtProfile(x, 1.2, 1e-9), gauss(x, 1.2)), 1e-6) << x;
        EXPECT_LT(relative(voigtProfile(x, 1e-5, 1.2), lorentz(x, 1.2)), 1e-5) << x;
    }
    EXPECT_EQ(voigtProfile(0.3, 0, 0), 0);
    EXPECT_EQ(voigtProfile(0.3, -1, std::nan("")), 0);
}

TEST(Voigt, AreaIsOneAndTheWidthIsOliverosWidth) {
    for (const auto& [fG, fL] : {std::pair{1.0, 0.0}, {1.0, 1.0}, {0.3, 2.0}, {2.0, 0.1}}) {
        // The trapezoid rule over ±4000 widths; the Lorentz tails beyond hold 2·fL/(π·8000·w).
        const double w = voigtWidth(fG, fL);
        const double step = w / 200;
        double area = 0;
        for (double x = -4000 * w; x <= 4000 * w; x += step)
            area += voigtProfile(x, fG, fL) * step;
        EXPECT_NEAR(area, 1, 1e-4 + fL / (w * 4000)) << fG << " " << fL;
        // At half the width from the centre the profile has half its peak.
        EXPECT_NEAR(voigtProfile(w / 2, fG, fL) / voigtProfile(0, fG, fL), 0.5, 2e-4)
            << fG << " " << fL;
    }
    EXPECT_NEAR(lorentzPeakArea(2), std::numbers::pi, 1e-15);
    EXPECT_NEAR(gaussPeakArea(2) * gauss(0, 2), 1, 1e-15);
    EXPECT_NEAR(lorentzPeakArea(2) * lorentz(0, 2), 1, 1e-15);
}

TEST(WidthPolynomial, IsAPlusBEPlusCESquared) {
    const WidthPolynomial p{0.5, 0.02, 1e-3};
    const struct {
        double E, fwhm;
    } cases[] = {{0, 0.5}, {10, 0.5 + 0.2 + 0.1}, {100, 0.5 + 2 + 10}, {-10, 0.5 - 0.2 + 0.1}};
    for (const auto& c : cases)
        EXPECT_NEAR(p(c.E), c.fwhm, 1e-12) << c.E;
    EXPECT_EQ(WidthPolynomial{}(123), 0);
}
