// State captions, the checkerboard and which term boxes an ion enables.
#include "hamiltonian/ham_states.h"
#include "resultdata/term_values.h"

#include <gtest/gtest.h>

#include <set>

using namespace vintrel;

namespace {

TermValues term(const char* configuration, int baza) {
    return *termValues(configuration, basisIndex(baza, 1));
}

} // namespace

TEST(StateCaptions, LsBasisRunsLzDownOutsideAndSzDownInside) {
    const std::vector<std::string> d1 = stateCaptions(1, term("3d^1", 1));
    ASSERT_EQ(d1.size(), 10u);
    EXPECT_EQ(d1[0], "L_z=2  S_z=0.5");
    EXPECT_EQ(d1[1], "L_z=2  S_z=-0.5");
    EXPECT_EQ(d1[2], "L_z=1  S_z=0.5");
    EXPECT_EQ(d1[5], "L_z=0  S_z=-0.5");
    EXPECT_EQ(d1[9], "L_z=-2  S_z=-0.5");
    // A whole spin: S_z 1, 0, −1 in their plain decimal form.
    const std::vector<std::string> d2 = stateCaptions(1, term("3d^2", 1));
    ASSERT_EQ(d2.size(), 21u);
    EXPECT_EQ(d2[0], "L_z=3  S_z=1");
    EXPECT_EQ(d2[1], "L_z=3  S_z=0");
    EXPECT_EQ(d2[2], "L_z=3  S_z=-1");
    EXPECT_EQ(d2[20], "L_z=-3  S_z=-1");
    const std::vector<std::string> f5 = stateCaptions(1, term("4f^5", 1));
    ASSERT_EQ(f5.size(), 66u);
    EXPECT_EQ(f5[0], "L_z=5  S_z=2.5");
    EXPECT_EQ(f5[6], "L_z=4  S_z=2.5");
    EXPECT_EQ(f5[65], "L_z=-5  S_z=-2.5");
}

TEST(StateCaptions, JBasisRunsJzUpFromMinusJ) {
    EXPECT_EQ(stateCaptions(2, term("4f^1", 2)),
              (std::vector<std::string>{"J_z=-2.5", "J_z=-1.5", "J_z=-0.5", "J_z=0.5", "J_z=1.5",
                                        "J_z=2.5"}));
    EXPECT_EQ(stateCaptions(2, term("3d^2", 2)),
              (std::vector<std::string>{"J_z=-2", "J_z=-1", "J_z=0", "J_z=1", "J_z=2"}));
    EXPECT_EQ(stateCaptions(2, term("3d^5", 2)),
              (std::vector<std::string>{"J_z=-2.5", "J_z=-1.5", "J_z=-0.5", "J_z=0.5", "J_z=1.5",
                                        "J_z=2.5"}));
    EXPECT_EQ(stateCaptions(2, term("4f^6", 2)), (std::vector<std::string>{"J_z=0"}));
}

TEST(StateCaptions, OneCaptionPerStateOfEveryDAndFShell) {
    for (const char* shell : {"3d", "4f"})
        for (int electrons = 1; electrons < (shell[1] == 'd' ? 10 : 14); ++electrons)
            for (int baza : {1, 2}) {
                const std::string count = std::to_string(electrons);
                const std::string configuration =
                    std::string(shell) + "^" +
                    (count.size() == 2 ? count.substr(0, 1) + "^" + count.substr(1) : count);
                const TermValues values = term(configuration.c_str(), baza);
                const std::vector<std::string> captions = stateCaptions(baza, values);
                EXPECT_EQ(int(captions.size()), values.dimension) << configuration << " " << baza;
                EXPECT_EQ(std::set<std::string>(captions.begin(), captions.end()).size(),
                          captions.size())
                    << configuration;
            }
}

TEST(CaptionParts, SplitAtTheFirstBlank) {
    using Parts = std::vector<std::string_view>;
    EXPECT_EQ(captionParts("L_z=1  S_z=0.5"), (Parts{"L_z=1", "S_z=0.5"}));
    EXPECT_EQ(captionParts("J_z=-2.5"), (Parts{"J_z=-2.5"}));
    EXPECT_EQ(captionParts("a b c"), (Parts{"a", "b c"}));
    EXPECT_EQ(captionParts("a  "), (Parts{"a"}));
}

TEST(Checkerboard, BlocksAreTheSpinMultipletsOrTheWholeMatrix) {
    EXPECT_EQ(checkerBlockSide(1, term("3d^1", 1)), 2);
    EXPECT_EQ(checkerBlockSide(1, term("3d^2", 1)), 3);
    EXPECT_EQ(checkerBlockSide(1, term("4f^5", 1)), 6);
    EXPECT_EQ(checkerBlockSide(2, term("4f^1", 2)), 6);
    EXPECT_EQ(checkerBlockSide(2, term("4f^6", 2)), 1);
    // 3d^1 in the first basis: 2 × 2 blocks, (1,1) even, (1,3) odd, (3,3) even.
    const struct {
        int row, column;
        bool odd;
    } cells[] = {{1, 1, false}, {2, 2, false}, {1, 3, true},   {2, 4, true},
                 {3, 1, true},  {3, 3, false}, {10, 1, false}, {10, 3, true}};
    for (const auto& cell : cells)
        EXPECT_EQ(checkerOdd(cell.row, cell.column, 2), cell.odd) << cell.row << "," << cell.column;
    EXPECT_FALSE(checkerOdd(6, 1, 6));
    EXPECT_TRUE(checkerOdd(7, 1, 6));
}

TEST(TermAvailability, ShellFlagsAndTheBasisEnableTheBoxes) {
    struct Case {
        int baza;
        const char* siconf;
        bool ls, cef, zeeman;
    };
    const Case cases[] = {
        {1, "4f^7", true, false, true},  // flags 0 0 1
        {2, "3d^4", false, false, true}, // flags 1 0 1: no CEF in the second basis
        {1, "3d^4", true, true, true},
        {1, "3d^1", true, true, true},
        {2, "4f^1", false, true, true},
        {1, "3d^5", true, false, true},    // a half-filled shell has only the Zeeman term
        {2, "4f^6", false, false, true},   // flags 1 0 1
        {1, "3d^1^0", true, false, false}, // a full shell: no term at all
        {1, "5g^1", true, false, false},   // only d and f shells have terms
        {2, "5g^1", false, false, false},
        {1, "nonsense", true, false, false},
    };
    for (const Case& c : cases) {
        const TermAvailability availability = termAvailability(c.baza, c.siconf);
        EXPECT_EQ(availability.enabled.has(HamTerm::ls), c.ls) << c.siconf << " " << c.baza;
        EXPECT_EQ(availability.enabled.has(HamTerm::cef), c.cef) << c.siconf << " " << c.baza;
        EXPECT_EQ(availability.enabled.has(HamTerm::zeeman), c.zeeman) << c.siconf << " " << c.baza;
        EXPECT_EQ(availability.pressLs, c.baza == 1) << c.siconf;
    }
}
