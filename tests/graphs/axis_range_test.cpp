#include "graphs/axis_range.h"

#include "resultdata/dup_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vintrel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NiceRange, GivesAWholeMantissaAndAnExponent) {
    struct Case {
        double value;
        double R;
        int n;
    };
    const Case cases[] = {
        {0.0345, 4, -2},
        {345, 35, 1},
        {99.5, 100, 0},
        {1e12, 10, 8},
        {0.07, 7, -2},
        {0.7, 7, -1},
        {7, 7, 0},
        {100, 10, 1},
        {1, 1, 0},
        {0.29, 3, -1},
        {2.001, 3, 0},
        {1e-40, 1, -30},
        // Not a finite positive number: the fallback.
        {0, 1, 0},
        {-3, 1, 0},
        {kNaN, 1, 0},
        {kInf, 1, 0},
        {-kInf, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const AxisRange r = niceRange(c.value);
        EXPECT_EQ(r.range, c.R);
        EXPECT_EQ(r.exponent, c.n);
        EXPECT_EQ(r.bottom, 0);
        if (std::isfinite(c.value) && c.value > 0 && c.value <= 1e9 && c.value >= 1e-30) {
            EXPECT_GE(r.top() * (1 + 1e-9), c.value);
        }
    }
}

TEST(AxisRange, OnlyFinitePositiveRangesAreAccepted) {
    EXPECT_TRUE(rangeAcceptable({0, 4, -2}));
    EXPECT_TRUE(rangeAcceptable({-12, 30, 0}));
    EXPECT_FALSE(rangeAcceptable({0, 0, 0}));
    EXPECT_FALSE(rangeAcceptable({0, -1, 0}));
    EXPECT_FALSE(rangeAcceptable({0, kNaN, 0}));
    EXPECT_FALSE(rangeAcceptable({0, 1e300, 300}));
    EXPECT_FALSE(rangeAcceptable({5, 4, 0}));

    EXPECT_EQ(parseRangeEntry("1,5"), 1.5);
    EXPECT_EQ(parseRangeEntry(" 2e-3 "), 2e-3);
    EXPECT_FALSE(parseRangeEntry("0"));
    EXPECT_FALSE(parseRangeEntry("-4"));
    EXPECT_FALSE(parseRangeEntry("1e999"));
    EXPECT_FALSE(parseRangeEntry("five"));
    EXPECT_FALSE(parseRangeEntry(""));
}

TEST(AxisRange, ZoomRulesOfThePages) {
    // The susceptibility page: the nice range of half or twice the top.
    ZoomOutcome in = zoomRange({0, 4, -2}, ZoomRule::NiceOfTop, true);
    ASSERT_TRUE(in.range);
    EXPECT_EQ(*in.range, (AxisRange{0, 2, -2}));
    ZoomOutcome out = zoomRange({0, 35, 1}, ZoomRule::NiceOfTop, false);
    ASSERT_TRUE(out.range);
    EXPECT_EQ(*out.range, (AxisRange{0, 70, 1}));
    const ZoomOutcome refused = zoomRange({0, 5, -8}, ZoomRule::NiceOfTop, true);
    EXPECT_FALSE(refused.range);
    EXPECT_EQ(refused.refusal, "Maximum zoom size reached.");
    EXPECT_TRUE(zoomRange({0, 5, -8}, ZoomRule::NiceOfTop, false).range);

    // The others halve and double the value (both ends), keeping the exponent.
    in = zoomRange({-12, 30, 0}, ZoomRule::HalveRange, true);
    ASSERT_TRUE(in.range);
    EXPECT_EQ(*in.range, (AxisRange{-6, 15, 0}));
    out = zoomRange({0, 3, -1}, ZoomRule::HalveRange, false);
    ASSERT_TRUE(out.range);
    EXPECT_EQ(*out.range, (AxisRange{0, 6, -1}));
    // Steps that would leave the drawable numbers are refused without a word.
    const ZoomOutcome tooFar = zoomRange({0, 1e308, 0}, ZoomRule::HalveRange, false);
    EXPECT_FALSE(tooFar.range);
    EXPECT_TRUE(tooFar.refusal.empty());
    EXPECT_FALSE(zoomRange({0, 4e-308, 0}, ZoomRule::HalveRange, true).range);

    EXPECT_EQ(foldPositiveExponent({0, 35, 2}), (AxisRange{0, 3500, 0}));
    EXPECT_EQ(foldPositiveExponent({0, 4, -2}), (AxisRange{0, 4, -2}));
}

TEST(DataRanges, ChiAndSpcMaxima) {
    ChiData chi;
    chi.T = {1, 2};
    chi.chi = {std::vector<double>{0.5, 0.25}, std::vector<double>{9, 9},
               std::vector<double>{0.75, 0.375}};
    chi.inverse = {std::vector<double>{2, 4}, std::vector<double>{1, 1},
                   std::vector<double>{1.33, 2.67}};
    ChiDataRange r = chiDataRange(chi);
    EXPECT_EQ(r.chiMax, 0.75); // y is not held
    EXPECT_EQ(r.chiMin, 0.25);
    EXPECT_EQ(r.inverseMax, 4);
    EXPECT_EQ(r.inverseMin, 1.33);
    chi.hasY = true;
    EXPECT_EQ(chiDataRange(chi).chiMax, 9);
    EXPECT_EQ(chiDataRange(ChiData{}).chiMax, 0);
    EXPECT_EQ(chiDataRange(ChiData{}).chiMin, 1e9);

    SpcData spc;
    spc.T = {1, 2};
    spc.c = {1.98, 0.2};
    spc.S = {5.76, 11.49};
    spc.fourth = {0, 2.0};
    const SpcMaxima m = spcDataMaxima(spc);
    EXPECT_EQ(m.c, 2);      // 1.98 + 0.51 = 2.49
    EXPECT_EQ(m.S, 12);     // 12.0
    EXPECT_EQ(m.fourth, 3); // 2.51
    EXPECT_EQ(spcDataMaxima(SpcData{}).c, 1);
}

TEST(DataRanges, ColumnExtremesStayOnTheirSideOfTheData) {
    DupReader in("d_aniso.dup", "T K1 K2\n1 -2.5 3\n2 0.5 -0.25\n3 2 7.9\n");
    const DataColumns data = readDataColumns(in, 3, RowsEnd::EndOfFile);
    EXPECT_EQ(columnMaxima(data, 3), (std::vector<double>{4, 3, 8}));
    EXPECT_EQ(columnMinima(data, 3), (std::vector<double>{0, -3, -1}));
    for (std::size_t c = 1; c < 3; ++c)
        for (double v : data.columns[c]) {
            EXPECT_LE(columnMinima(data, 3)[c], v);
            EXPECT_GE(columnMaxima(data, 3)[c], v);
        }
    const DataColumns empty;
    EXPECT_EQ(columnMaxima(empty, 2), (std::vector<double>{1, 1}));
    EXPECT_EQ(columnMinima(empty, 2), (std::vector<double>{0, 0}));
}

} // namespace
} // namespace vintrel
