// The eigenvector table: reading the eigenvector section of "o_E.dup", the basis states in
// the result's basis and the forms for papers.
#include "levels/eigenvector_table.h"

#include "resultdata/dup_reader.h"

#include <gtest/gtest.h>

using namespace vintrel;

TEST(EigenvectorText, RealComplexAndSpinOrbitComponentsAreRead) {
    const std::vector<std::string> lines = {
        "*0*  eigenvectors for quantization axis z (largest components, weight >= 0.01)",
        " level  1  E=   -180.1056 K:  -0.9129|Jz=-5/2> - 0.4081|Jz=3/2>",
        " level  2  E=   -180.0288 K:  1.0000|Jz=-1/2>",
        " level  3  E= -11312.6489 K:  (0.7710+0.4451i)|Lz=0,Sz=-1/2> + (-0.4170-0.0000i)|Lz=0,"
        "Sz=1/2>",
    };
    const std::vector<EigenState> states = parseEigenvectorText(lines, "o_E.dup");
    ASSERT_EQ(states.size(), 3u);
    EXPECT_EQ(states[0].level, 1);
    EXPECT_DOUBLE_EQ(states[0].E, -180.1056);
    ASSERT_EQ(states[0].components.size(), 2u);
    EXPECT_EQ(states[0].components[0].amplitude, std::complex<double>(-0.9129, 0));
    EXPECT_EQ(states[0].components[1].amplitude, std::complex<double>(-0.4081, 0));
    EXPECT_EQ(states[0].components[1].projections,
              (std::vector<std::pair<std::string, std::string>>{{"Jz", "3/2"}}));
    EXPECT_NEAR(states[0].components[0].weight(), 0.9129 * 0.9129, 1e-15);
    ASSERT_EQ(states[2].components.size(), 2u);
    EXPECT_EQ(states[2].components[0].amplitude, std::complex<double>(0.7710, 0.4451));
    EXPECT_EQ(states[2].components[1].amplitude, std::complex<double>(-0.4170, 0));
    EXPECT_FALSE(std::signbit(states[2].components[1].amplitude.imag()));
    EXPECT_EQ(states[2].components[0].projections,
              (std::vector<std::pair<std::string, std::string>>{{"Lz", "0"}, {"Sz", "-1/2"}}));
}

TEST(EigenvectorText, DamagedLinesNameTheLineAndWhatIsWrong) {
    const struct {
        const char* line;
        const char* says;
    } cases[] = {
        {" level  x  E= 1 K:  1.0|Jz=1/2>", "a level number"},
        {" level  0  E= 1 K:  1.0|Jz=1/2>", "a level number"},
        {" level  2  E= one K:  1.0|Jz=1/2>", "\"E= <energy> K:\""},
        {" level  2  E= 1 K:", "has no components"},
        {" level  2  E= 1 K:  1.0|Jz=1/2> 0.5|Jz=3/2>", "\"+\" or \"-\""},
        {" level  2  E= 1 K:  |Jz=1/2>", "an amplitude"},
        {" level  2  E= 1 K:  (0.5+0.1)|Jz=1/2>", "an amplitude"},
        {" level  2  E= 1 K:  0.5 Jz=1/2", "a basis state"},
        {" level  2  E= 1 K:  0.5|Jz1/2>", "a basis state"},
        {" level  2  E= 1 K:  0.5|Jz=1/2", "a basis state"},
        {" garbage", "\"level\" expected"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> lines = {"*0* heading", " level  1  E= 0 K:  1.0|Jz=1/2>",
                                                c.line};
        try {
            parseEigenvectorText(lines, "o_E.dup");
            ADD_FAILURE() << c.line;
        } catch (const InputError& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find("o_E.dup, line 3 of the eigenvector section"), std::string::npos)
                << text;
            EXPECT_NE(text.find(c.says), std::string::npos) << c.line << ": " << text;
        }
    }
}

TEST(EigenvectorText, BasisStatesAreWrittenWithHalvesAsFractions) {
    EXPECT_EQ(halfIntegerText(2.5), "5/2");
    EXPECT_EQ(halfIntegerText(-0.5), "-1/2");
    EXPECT_EQ(halfIntegerText(4), "4");
    EXPECT_EQ(halfIntegerText(0), "0");
    const EigenComponent j{{1, 0}, {{"Jz", "-5/2"}}};
    EXPECT_EQ(ketText(j, 2, 3, 0.5, 2.5), "|5/2,-5/2>");
    const EigenComponent ls{{1, 0}, {{"Lz", "-1"}, {"Sz", "1/2"}}};
    EXPECT_EQ(ketText(ls, 1, 2, 0.5, 0), "|2,-1,1/2,1/2>");
    // A projection the file does not give shows as "?".
    EXPECT_EQ(ketText(j, 1, 2, 0.5, 0), "|2,?,1/2,?>");
}

TEST(EigenvectorText, FormatNames) {
    EXPECT_EQ(eigenTableFormatOfName("csv"), EigenTableFormat::csv);
    EXPECT_EQ(eigenTableFormatOfName("latex"), EigenTableFormat::latex);
    EXPECT_EQ(eigenTableFormatOfName("markdown"), EigenTableFormat::markdown);
    EXPECT_EQ(eigenTableFormatOfName("tex"), std::nullopt);
}
