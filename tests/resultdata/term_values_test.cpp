#include "resultdata/configuration_text.h"
#include "resultdata/result_variables.h"
#include "resultdata/term_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

using namespace vintrel;

TEST(BasisIndex, CombinesBasisAndHamiltonian) {
    EXPECT_EQ(basisIndex(1, 1), 0);
    EXPECT_EQ(basisIndex(1, 2), 1);
    EXPECT_EQ(basisIndex(2, 1), 2);
    EXPECT_EQ(basisIndex(2, 2), 3);
    EXPECT_EQ(basisIndex(0, 1), -1);
    EXPECT_EQ(basisIndex(2, 3), -1);
}

TEST(TermValues, FollowsHundsRules) {
    struct Case {
        const char* configuration;
        double L, S, J, lande;
        int dimensionLS, dimensionJ;
    };
    const std::vector<Case> cases = {
        {"3d^1", 2, 0.5, 1.5, 0.8, 10, 4},
        {"4f^1^3", 3, 0.5, 3.5, 8.0 / 7, 14, 8},
        {"4f^1", 3, 0.5, 2.5, 6.0 / 7, 14, 6},
        {"4f^7", 0, 3.5, 3.5, 2, 8, 8}, // half shell: L = 0
        {"3d^5", 0, 2.5, 2.5, 2, 6, 6},
        {"4f^6", 3, 3, 0, 0, 49, 1},    // J = 0: Landé factor 0
        {"3d^8", 3, 1, 4, 1.25, 21, 9}, // more than half: J = L + S
        {"3d^1^0", 0, 0, 0, 0, 1, 1},   // full shell
        {"5f^3", 6, 1.5, 4.5, 8.0 / 11, 52, 10},
        {"2p^2", 1, 1, 0, 0, 9, 1},
    };
    for (const Case& c : cases) {
        for (int basis = 0; basis < 4; ++basis) {
            const auto t = termValues(c.configuration, basis);
            ASSERT_TRUE(t.has_value()) << c.configuration;
            EXPECT_DOUBLE_EQ(t->L, c.L) << c.configuration;
            EXPECT_DOUBLE_EQ(t->S, c.S) << c.configuration;
            EXPECT_DOUBLE_EQ(t->J, c.J) << c.configuration;
            EXPECT_NEAR(t->lande, c.lande, 1e-12) << c.configuration;
            EXPECT_EQ(t->dimension, basis < 2 ? c.dimensionLS : c.dimensionJ)
                << c.configuration << " basis " << basis;
        }
    }
}

TEST(TermValues, RejectsTextsOfAnotherShape) {
    for (const char* bad : {"", "3", "3d", "3d^", "3d1", "3x^1", "3D^1", "4f^1^", "4f^1^3x",
                            "4f^13", "d3^1", "3d^1^1", "4f^1^5", "[Xe]4f^1"})
        EXPECT_FALSE(termValues(bad, 0).has_value()) << bad;
    const auto unknownBasis = termValues("3d^1", -1);
    ASSERT_TRUE(unknownBasis.has_value());
    EXPECT_EQ(unknownBasis->dimension, 0);
}

TEST(FieldComponents, ConvertsAnglesInDegrees) {
    const FieldVector v = fieldComponents(2, 90, 90);
    EXPECT_NEAR(v.x, 0, 1e-12);
    EXPECT_NEAR(v.y, 2, 1e-12);
    EXPECT_NEAR(v.z, 0, 1e-12);
    const FieldVector w = fieldComponents(1, 60, 0);
    EXPECT_NEAR(w.x, std::sqrt(3.0) / 2, 1e-12);
    EXPECT_NEAR(w.z, 0.5, 1e-12);
}

TEST(FieldAngles, InvertsFieldComponents) {
    for (double azimuth : {0.0, 45.0, 135.0, 200.0, 315.0}) {
        const FieldVector v = fieldComponents(3, 70, azimuth);
        const FieldAngles a = fieldAngles(v.x, v.y, v.z);
        EXPECT_NEAR(a.magnitude, 3, 1e-12);
        EXPECT_NEAR(a.angle, 70, 1e-9);
        EXPECT_NEAR(a.azimuth, azimuth, 1e-9); // negative azimuths wrap to 0 … 360
    }
    const FieldAngles zero = fieldAngles(0, 0, 0);
    EXPECT_EQ(zero.magnitude, 0);
    EXPECT_EQ(zero.angle, 0);
    EXPECT_EQ(zero.azimuth, 0);
}

TEST(IonCharge, PicksTheListedChargeOrMinusOne) {
    EXPECT_EQ(ionCharge("0,+2*,+3", 1), 2);
    EXPECT_EQ(ionCharge("0,+2*,+3", 2), 3);
    EXPECT_EQ(ionCharge("0,+2*,+3", 5), -1);
    EXPECT_EQ(ionCharge("0,+2*,+3", 3), -1);
    EXPECT_EQ(ionCharge("0,+2*,+3", -1), -1);
    EXPECT_EQ(ionCharge("-4*,0,+2,+4*", 0), -4);
    EXPECT_EQ(ionCharge("0,,+3", 1), -1); // an empty item counts but has no charge
}

TEST(CoefficientSlot, MatchesTheSlotLayout) {
    EXPECT_EQ(coefficientSlot(2, -2), 0);
    EXPECT_EQ(coefficientSlot(2, 2), 4);
    EXPECT_EQ(coefficientSlot(4, -4), 5);
    EXPECT_EQ(coefficientSlot(4, 4), 13);
    EXPECT_EQ(coefficientSlot(6, -6), 14);
    EXPECT_EQ(coefficientSlot(6, 6), 26);
    EXPECT_EQ(coefficientSlot(4, 5), -1);
    EXPECT_EQ(coefficientSlot(3, 0), -1);
}

TEST(ParseConfiguration, SplitsShellOrbitalAndCount) {
    const auto p = parseConfiguration("4f^1^3");
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->shell, 4);
    EXPECT_EQ(p->orbital, 'f');
    EXPECT_EQ(p->electrons, 13);
    EXPECT_EQ(parseConfiguration("3d^5")->electrons, 5);
    for (const char* bad : {"", "4", "4f", "4f^", "xf^1", "4f^a", "4f^1-", "[Xe]4f^1"})
        EXPECT_FALSE(parseConfiguration(bad).has_value()) << bad;
}

TEST(ShellFlags, ReadsTheFlagTable) {
    EXPECT_FALSE(shellFlags('d', 0, 1));
    EXPECT_TRUE(shellFlags('d', 4, 1));
    EXPECT_FALSE(shellFlags('d', 4, 2));
    EXPECT_TRUE(shellFlags('d', 4, 3));
    EXPECT_FALSE(shellFlags('d', 5, 1));
    EXPECT_TRUE(shellFlags('d', 5, 3));
    EXPECT_FALSE(shellFlags('d', 10, 3));
    EXPECT_TRUE(shellFlags('f', 6, 1));
    EXPECT_FALSE(shellFlags('f', 6, 2));
    EXPECT_FALSE(shellFlags('f', 7, 2));
    EXPECT_TRUE(shellFlags('f', 13, 2));
    EXPECT_FALSE(shellFlags('f', 14, 1));
    for (auto [orbital, count, flag] : {std::tuple{'d', 11, 1},
                                        {'f', 15, 1},
                                        {'f', -1, 1},
                                        {'f', 1, 0},
                                        {'f', 1, 4},
                                        {'p', 1, 1}})
        EXPECT_FALSE(shellFlags(orbital, count, flag)) << orbital << count << flag;
}

TEST(InterleaveChar, PutsTheMarkBeforeEveryCharacter) {
    EXPECT_EQ(interleaveChar('^', "12"), "^1^2");
    EXPECT_EQ(interleaveChar('_', ""), "");
}
