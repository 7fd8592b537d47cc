#include "potential/potential_page_model.h"

#include "base/number_text.h"
#include "potential/potential.h"
#include "potential/stevens.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vintrel {
namespace {

using test::TempDir;

CoefficientList cubicCoefficients() {
    CoefficientList c{};
    c[coefNMToIndex(4, 0) - 1] = -1.5;
    c[coefNMToIndex(4, 4) - 1] = -7.5;
    return c;
}

// The points are built only when the shape changes and the values only when the points or the
// coefficients change; the range is that of the step-by-step evaluation.
TEST(PotentialField, RecomputesOnlyWhatChanged) {
    PotentialField field;
    EXPECT_EQ(field.cloud().size(), buildCloud(Body::sphere, 3, 30).size());
    const std::uint64_t first = field.pointsVersion();
    EXPECT_FALSE(field.setShape(ShapeChoice{}));
    EXPECT_EQ(field.pointsVersion(), first);

    ShapeChoice small{Body::cube, 1, Resolution::low, {}};
    EXPECT_TRUE(field.setShape(small));
    EXPECT_EQ(field.pointsVersion(), first + 1);
    EXPECT_EQ(field.cloud().size(), 21u * 21 * 21);
    EXPECT_TRUE(field.setCoefficients(cubicCoefficients()));
    EXPECT_FALSE(field.setCoefficients(cubicCoefficients()));

    PointDataArray reference;
    buildBaseSet(reference, Body::cube, 1, 20);
    evaluatePotential(cubicCoefficients(), reference);
    EXPECT_EQ(field.computedRange(), valueRange(reference));
    EXPECT_LT(field.computedRange().min, 0);
    EXPECT_GT(field.computedRange().max, 0);

    // New points need new values even for the same coefficients.
    small.rotation = {90, 0, 0};
    EXPECT_TRUE(field.setShape(small));
    EXPECT_TRUE(field.setCoefficients(cubicCoefficients()));
    CoefficientList other = cubicCoefficients();
    other[0] = 2;
    EXPECT_TRUE(field.setCoefficients(other));
}

TEST(PotentialPageModel, ThresholdsAreFractionsOfTheRange) {
    const ShadeRequest r = shadeRequestFor({-10, 30}, 0.3, 0.7, true);
    EXPECT_DOUBLE_EQ(r.lower, 2);
    EXPECT_DOUBLE_EQ(r.upper, 18);
    EXPECT_TRUE(r.marginal);
    EXPECT_FALSE(r.hole);
    const ShadeRequest h = shadeRequestFor({0, 1}, 0.3, 0.7, false, ViewHole{10, 20, 0.85});
    EXPECT_FALSE(h.marginal);
    ASSERT_TRUE(h.hole);
    EXPECT_EQ(h.hole->radius, 0.85);
}

TEST(PotentialPageModel, RangeEditorsRefuseACrossedRangeOnceTheOtherEditorWasUsed) {
    struct Case {
        bool maximum;
        double value;
        bool otherUsed;
        std::optional<ValueRange> expected;
    };
    const ValueRange range{-5, 5};
    const Case cases[] = {
        {true, 8, true, ValueRange{-5, 8}},   {true, -6, true, std::nullopt},
        {true, -5, true, std::nullopt},       {true, -6, false, ValueRange{-5, -6}},
        {false, -8, true, ValueRange{-8, 5}}, {false, 6, true, std::nullopt},
        {false, 5, true, std::nullopt},       {false, 6, false, ValueRange{6, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.maximum << " " << c.value << " " << c.otherUsed);
        const auto got = c.maximum ? rangeWithMaximum(range, c.value, c.otherUsed)
                                   : rangeWithMinimum(range, c.value, c.otherUsed);
        EXPECT_EQ(got, c.expected);
    }
}

TEST(PotentialPageModel, PadlockWritesEveryFolderAndReportsTheOnesThatFail) {
    TempDir dir;
    const auto current = dir / "Result00";
    const auto other = dir / "Result01";
    const auto missing = dir / "Result02";
    std::filesystem::create_directories(current);
    std::filesystem::create_directories(other);
    std::vector<std::string> problems;
    const ValueRange stored =
        storeRangeEverywhere(current, {-1.25, 2.0000001}, {current, missing, other}, problems);
    EXPECT_EQ(stored, (ValueRange{-1.25, 2}));
    EXPECT_EQ(readPotentialRange(current), stored);
    EXPECT_EQ(readPotentialRange(other), stored);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("Result02"), std::string::npos);
    std::vector<std::string> none;
    EXPECT_ANY_THROW(storeRangeEverywhere(missing, {0, 1}, {}, none));
}

TEST(PotentialPageModel, FieldArrowByBody) {
    TVariables vars;
    vars.magfield = 2;
    vars.magangle = 60;
    vars.magangle2 = 30;
    struct Case {
        Body body;
        double factor;
    };
    for (const Case& c : {Case{Body::sphere, 1.2}, Case{Body::cube, 1.9},
                          Case{Body::tetrahedron, 1.9}, Case{Body::octahedron, 1.2}}) {
        const FieldArrow a = fieldArrowFor(vars, c.body, 4);
        EXPECT_EQ(a.length, 2);
        EXPECT_EQ(a.alpha, 60);
        EXPECT_EQ(a.beta, 30);
        EXPECT_DOUBLE_EQ(a.draw, 4 * c.factor);
        EXPECT_EQ(a.scale, 0.1);
    }
    vars.magfield = 0;
    const FieldArrow none = fieldArrowFor(vars, Body::cube, 4);
    EXPECT_EQ(none.length, 0);
    EXPECT_EQ(none.draw, 0);
    EXPECT_EQ(none.scale, 1);
}

TEST(PotentialPageModel, CoefficientRows) {
    struct Case {
        int i;
        const char* caption;
        const char* unit;
    };
    for (const Case& c : {Case{1, "V^-^2_2", "K a_0^-^2"}, Case{3, "V^0_2", "K a_0^-^2"},
                          Case{6, "V^-^4_4", "K a_0^-^4"}, Case{14, "V^4_4", "K a_0^-^4"},
                          Case{21, "V^0_6", "K a_0^-^6"}, Case{27, "V^6_6", "K a_0^-^6"}}) {
        EXPECT_EQ(coefficientCaption(c.i), c.caption);
        EXPECT_EQ(coefficientUnitCaption(c.i), c.unit);
    }
    std::array<std::string, 27> texts;
    texts.fill("0");
    texts[0] = "-1.5E2";
    texts[26] = coefficientText(0.1 + 0.2);
    const CoefficientList c = coefficientsFromTexts(texts);
    EXPECT_EQ(c[0], -150);
    EXPECT_EQ(c[26], 0.1 + 0.2);
    for (const double v : {0.1, -1.0 / 3, 1e-9, 123456789.125, -2413.755045408678})
        EXPECT_EQ(strToFloatDot(coefficientText(v)), v);
    EXPECT_EQ(coefficientText(-0.0), "0");
    texts[5] = "-";
    EXPECT_THROW(coefficientsFromTexts(texts), ConversionError);
}

TEST(PotentialPageModel, UnfinishedNumbersAreTheBeginningsOfNumbersOnly) {
    for (const char* unfinished : {"-", "+", ".", "-.", "+.", "2e", "2E", "2e-", "-1.5e+", ".5e"})
        EXPECT_TRUE(isUnfinishedNumber(unfinished)) << unfinished;
    // Numbers, and texts that no further key makes a number, are not.
    for (const char* other : {"", "0", "-2", "2.", ".5", "-1.5E2", "2e5", "1.2.3", "e", "-e", "e5",
                              "2e--", "x", "--", "2 ", " -", "2e5e", "1,5"})
        EXPECT_FALSE(isUnfinishedNumber(other)) << other;
    // Every unfinished text is one that the conversion refuses.
    for (const char* unfinished : {"-", ".", "2e", "2e-"})
        EXPECT_THROW(strToFloatDot(unfinished), ConversionError);
}

} // namespace
} // namespace vintrel
