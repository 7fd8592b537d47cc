// The Curie–Weiss fit of the inverse-susceptibility page and `vintrel-cli data curie-weiss`.
#include "graphs/curie_weiss.h"

#include "graphs/derived_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace vintrel {
namespace {

// Normal deviates from a fixed seed, the same on every platform (Box–Muller on a 64-bit LCG).
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}
    double next() {
        const double u1 = (static_cast<double>(step() >> 11) + 0.5) / 9007199254740992.0;
        const double u2 = (static_cast<double>(step() >> 11) + 0.5) / 9007199254740992.0;
        return std::sqrt(-2 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    }

private:
    std::uint64_t step() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return state_;
    }
    std::uint64_t state_;
};

struct Law {
    double C, theta, chi0;
};

std::vector<double> temperatures(double from, double to, double step) {
    std::vector<double> T;
    for (double t = from; t <= to + 1e-9; t += step)
        T.push_back(t);
    return T;
}

std::vector<double> lawValues(const Law& law, const std::vector<double>& T, double sigma,
                              std::uint64_t seed) {
    Noise noise(seed);
    std::vector<double> chi;
    for (double t : T)
        chi.push_back(law.C / (t - law.theta) + law.chi0 + sigma * noise.next());
    return chi;
}

TEST(CurieWeiss, ExactDataGiveTheLawBack) {
    const Law laws[] = {
        {0.807, -12, 0.002},  // antiferromagnetic coupling and a van Vleck term
        {1.5, 8, 0},          // ferromagnetic, θ between 0 and the lowest temperature
        {0.3, -150, -0.0004}, // θ far below the range
    };
    const std::vector<double> T = temperatures(20, 300, 5);
    for (const Law& law : laws) {
        SCOPED_TRACE(law.theta);
        const CurieWeissFit fit = fitCurieWeiss(T, lawValues(law, T, 0, 1), 0, T.size() - 1, true);
        ASSERT_TRUE(fit.ok()) << fit.problem;
        EXPECT_EQ(fit.points, T.size());
        EXPECT_NEAR(fit.C, law.C, 1e-7 * law.C);
        EXPECT_NEAR(fit.theta, law.theta, 1e-5);
        EXPECT_NEAR(fit.chi0, law.chi0, 1e-9);
        EXPECT_LT(fit.dC, 1e-6);
    }
}

TEST(CurieWeiss, NoisyDataGiveTheLawWithinItsErrorBars) {
    // Twenty noisy samples of one law: every parameter lies within three standard errors of
    // the truth, and the errors match the scatter of the fitted values over the samples.
    const Law law{0.807, -12, 0.002};
    const std::vector<double> T = temperatures(30, 300, 3);
    const double sigma = 2e-4;
    double sumC = 0, sumSquaresC = 0, meanErrorC = 0;
    constexpr int kSamples = 20;
    for (int s = 0; s < kSamples; ++s) {
        const CurieWeissFit fit =
            fitCurieWeiss(T, lawValues(law, T, sigma, 17 + s), 0, T.size() - 1, true);
        ASSERT_TRUE(fit.ok()) << fit.problem;
        EXPECT_LT(std::abs(fit.C - law.C), 3 * fit.dC) << "sample " << s;
        EXPECT_LT(std::abs(fit.theta - law.theta), 3 * fit.dtheta) << "sample " << s;
        EXPECT_LT(std::abs(fit.chi0 - law.chi0), 3 * fit.dchi0) << "sample " << s;
        EXPECT_GT(fit.dC, 0);
        sumC += fit.C;
        sumSquaresC += fit.C * fit.C;
        meanErrorC += fit.dC / kSamples;
    }
    const double mean = sumC / kSamples;
    const double scatter = std::sqrt(sumSquaresC / kSamples - mean * mean);
    EXPECT_GT(scatter, meanErrorC / 2);
    EXPECT_LT(scatter, meanErrorC * 2);
}

TEST(CurieWeiss, WithoutChi0TheLawHasTwoParameters) {
    const Law law{1.2, -5, 0};
    const std::vector<double> T = temperatures(10, 200, 2);
    const CurieWeissFit fit = fitCurieWeiss(T, lawValues(law, T, 1e-4, 3), 0, T.size() - 1, false);
    ASSERT_TRUE(fit.ok()) << fit.problem;
    EXPECT_FALSE(fit.withChi0);
    EXPECT_EQ(fit.chi0, 0);
    EXPECT_TRUE(std::isnan(fit.dchi0));
    EXPECT_LT(std::abs(fit.C - law.C), 3 * fit.dC);
    EXPECT_LT(std::abs(fit.theta - law.theta), 3 * fit.dtheta);
    // μ_eff = 2.113·√C: a free moment p has C = 0.2239·p², so μ_eff is p again.
    CurieWeissFit free;
    free.C = kCurieFactor * 2.54 * 2.54;
    free.dC = 0.01;
    EXPECT_NEAR(free.muEff(), 2.54, 1e-3);
    EXPECT_NEAR(free.dMuEff(), 2.113 * 0.01 / (2 * std::sqrt(free.C)), 1e-12);
}

TEST(CurieWeiss, OnlyTheRowsBetweenTheThumbsAreFitted) {
    // Below 50 K the values leave the law (a crystal-field ground state); rows 10 … 30 follow it.
    const Law law{0.8, -20, 0.001};
    const std::vector<double> T = temperatures(0, 300, 10);
    std::vector<double> chi = lawValues(law, T, 0, 1);
    for (std::size_t r = 0; r < 5; ++r)
        chi[r] = 0.01 * static_cast<double>(r);
    const CurieWeissFit fit = fitCurieWeiss(T, chi, 30, 10, true);
    ASSERT_TRUE(fit.ok()) << fit.problem;
    EXPECT_EQ(fit.points, 21u);
    EXPECT_NEAR(fit.C, 0.8, 1e-6);
    EXPECT_NEAR(fit.theta, -20, 1e-4);
    const std::vector<double> curve = curieWeissCurve(fit, T, 200, 100);
    EXPECT_TRUE(std::isnan(curve[9]));
    EXPECT_NEAR(curve[10], 0.8 / 120 + 0.001, 1e-9);
    EXPECT_TRUE(std::isnan(curve[21]));
}

TEST(CurieWeiss, TooFewOrUnusablePointsSayWhy) {
    const std::vector<double> T = {100, 200, 300, 400};
    const std::vector<double> chi = {0.01, 0.005, NAN, 0.0025};
    const struct {
        std::size_t first, last;
        bool withChi0;
        const char* problem;
    } cases[] = {
        {0, 1, false, "the fit needs at least 3 points between the two temperatures"},
        {0, 3, true, "the fit needs at least 4 points between the two temperatures"},
        {2, 2, true, "the fit needs at least 4 points between the two temperatures"},
    };
    for (const auto& c : cases) {
        const CurieWeissFit fit = fitCurieWeiss(T, chi, c.first, c.last, c.withChi0);
        EXPECT_EQ(fit.problem, c.problem);
        EXPECT_TRUE(std::isnan(fit.muEff()));
    }
    EXPECT_EQ(fitCurieWeiss({5, 5, 5}, {1, 2, 3}, 0, 2, false).problem,
              "the fit needs points at more than one temperature");
}

TEST(CurieWeiss, ValuesAreWrittenToTheDecimalOfTheirErrors) {
    const struct {
        double value, error;
        const char* text;
    } cases[] = {
        {-13.46231, 0.2504, "-13.46 ± 0.25"},
        {2.254039, 0.003731, "2.2540 ± 0.0037"},
        {0.000875605, 1.2116e-05, "0.000876 ± 0.000012"},
        {1234.5, 17, "1234 ± 17"},
        {1234.5, 170, "1234 ± 170"},
        {0.5, 3e-12, "0.5 ± 3e-12"},
        {0.8, 0, "0.8"},
        {0.8, NAN, "0.8"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valueWithError(c.value, c.error), c.text);
    CurieWeissFit fit;
    fit.C = 0.8;
    fit.dC = 0.01;
    fit.theta = -12.345;
    fit.dtheta = 0.5;
    fit.chi0 = 0.002;
    fit.dchi0 = 0.0001;
    EXPECT_EQ(curieWeissSummary(fit),
              "μ_eff = 1.890 ± 0.012 μB, θ = -12.35 ± 0.50 K, χ₀ = 0.00200 ± 0.00010 μB/T");
    fit.withChi0 = false;
    EXPECT_EQ(curieWeissSummary(fit), "μ_eff = 1.890 ± 0.012 μB, θ = -12.35 ± 0.50 K");
    fit.problem = "the fit needs at least 3 points between the two temperatures";
    EXPECT_EQ(curieWeissSummary(fit), fit.problem);
}

TEST(CurieWeiss, TableHasARowPerDirectionAndThePowderAverage) {
    const std::vector<double> T = temperatures(20, 300, 10);
    ChiData data;
    data.T = T;
    data.chi = {lawValues({0.8, -10, 0}, T, 0, 1), std::vector<double>{},
                lawValues({0.8, -40, 0}, T, 0, 1)};
    data.inverse = {reciprocals(data.chi[0]), std::vector<double>{}, reciprocals(data.chi[2])};
    TVariables cubic; // no coefficients: uniaxial, so the powder average is (2χx + χz)/3
    const DataTable table = curieWeissDataTable(data, cubic, "r", {50, 300}, true);
    ASSERT_EQ(table.columns.size(), 9u);
    EXPECT_EQ(table.columns[1], "C [muB K/T]");
    EXPECT_EQ(table.columns[7], "mu_eff [muB]");
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0][0], DataTable::Cell(std::string("x")));
    EXPECT_EQ(table.rows[1][0], DataTable::Cell(std::string("z")));
    EXPECT_EQ(table.rows[2][0], DataTable::Cell(std::string("powder")));
    EXPECT_NEAR(std::get<double>(table.rows[0][1]), 0.8, 1e-6);
    EXPECT_NEAR(std::get<double>(table.rows[0][3]), -10, 1e-4);
    EXPECT_NEAR(std::get<double>(table.rows[1][3]), -40, 1e-4);
    EXPECT_NEAR(std::get<double>(table.rows[0][7]), 2.113 * std::sqrt(0.8), 1e-6);
    // The sum of two laws is no law: the powder row is a fit all the same, between them.
    const double powderTheta = std::get<double>(table.rows[2][3]);
    EXPECT_LT(powderTheta, -10);
    EXPECT_GT(powderTheta, -40);

    const DataTable noChi0 = curieWeissDataTable(data, cubic, "r", {50, 300}, false);
    EXPECT_EQ(noChi0.rows[0][5], DataTable::Cell(0.0));
    EXPECT_EQ(noChi0.rows[0][6], DataTable::Cell(std::string()));
    // Two rows are too few: the cells are empty and a comment says why.
    const DataTable tooFew = curieWeissDataTable(data, cubic, "r", {290, 300}, true);
    EXPECT_EQ(tooFew.rows[0][1], DataTable::Cell(std::string()));
    bool said = false;
    for (const auto& [key, value] : tooFew.comments)
        said = said || (key == "x fit" && value.find("at least 4 points") != std::string::npos);
    EXPECT_TRUE(said);
    EXPECT_THROW(curieWeissDataTable(ChiData{}, cubic, "r", {1, 2}, true), DataRequestError);
}

} // namespace
} // namespace vintrel
