#include "levels/detail_texts.h"

#include "resultdata/dup_reader.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

using Lines = std::vector<std::string>;

const char* const kOrdinary = "x0x   E [K]  Eshown  <Sx>\r\n"
                              "  0.000 0.000 0 0.1 0.2 0.3\r\n"
                              "\r\n"
                              "  5.000 5.000 0 0.1 0.2 0.3\r\n"
                              "y0y   E [K]  <Sy>\r\n"
                              "  0.000 0.000 0 0.4 0.5 0.6\r\n"
                              "z0z   E [K]  <Sz>\r\n"
                              "  0.000 0.000 0 0.7 0.8 0.9\r\n"
                              "*0* eigenvectors\r\n"
                              "|1> = 0.7|+1/2> + 0.7|-1/2>\r\n"
                              "last line";

// Two temperature steps of a mean-field file; markers carry the temperature.
const char* const kMeanField = "x0x 1.5 E [K] at step 0\n"
                               "0 0 0 0 0 0\n"
                               "z0z 1.5 E [K]\n"
                               "0 0 0 0 0 0\n"
                               "*0*\n"
                               "vector of step 0\n"
                               "x1x 2.5 E [K] at step 1\n"
                               "1 1 0 0 0 0\n"
                               "z1z 2.5 E [K]\n"
                               "1 1 0 0 0 0\n"
                               "*1*\n"
                               "vector of step 1\n"
                               "second line of step 1\n"
                               "x2x 3.5 E [K] at step 2\n"
                               "*2*\n"
                               "vector of step 2\n";

TEST(EigenenergyLines, BlockZeroShowsEverySectionUpToTheVectors) {
    EXPECT_EQ(eigenenergyLines(kOrdinary, 0),
              (Lines{"E [K]  Eshown  <Sx>", "  0.000 0.000 0 0.1 0.2 0.3",
                     "  5.000 5.000 0 0.1 0.2 0.3", "E [K]  <Sy>", "  0.000 0.000 0 0.4 0.5 0.6",
                     "E [K]  <Sz>", "  0.000 0.000 0 0.7 0.8 0.9"}));
    EXPECT_EQ(eigenenergyLines(kOrdinary, -3), eigenenergyLines(kOrdinary, 0));
    EXPECT_TRUE(eigenenergyLines(kOrdinary, 1).empty());
}

TEST(EigenenergyLines, MeanFieldBlockStopsAtItsVectors) {
    EXPECT_EQ(eigenenergyLines(kMeanField, 1),
              (Lines{"E [K] at step 1", "1 1 0 0 0 0", "E [K]", "1 1 0 0 0 0"}));
}

TEST(EigenvectorLines, StopAtTheNextBlockOrTheEndOfTheFile) {
    EXPECT_EQ(eigenvectorLines(kOrdinary, 0), (Lines{"|1> = 0.7|+1/2> + 0.7|-1/2>", "last line"}));
    EXPECT_EQ(eigenvectorLines(kMeanField, 1),
              (Lines{"vector of step 1", "second line of step 1"}));
    EXPECT_EQ(eigenvectorLines(kMeanField, 2), (Lines{"vector of step 2"}));
    EXPECT_TRUE(eigenvectorLines(kMeanField, 7).empty());
}

TEST(ScatteringLines, EverythingAfterTheMarker) {
    EXPECT_EQ(scatteringLines("*0*\n0.0 first\nheader\n\n0.0 1 2 3\n", 0),
              (Lines{"0.0 first", "header", "", "0.0 1 2 3"}));
}

TEST(ScatteringLines, ATextLongerThanAnyWindowShowsIsRefused) {
    const std::string atLimit = "*0*\n" + std::string(kMostDetailLines, '\n');
    EXPECT_EQ(scatteringLines(atLimit, 0).size(), kMostDetailLines);
    try {
        scatteringLines(atLimit + "\n", 0);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "o_neu.dup, line " + std::to_string(kMostDetailLines + 2) +
                                             ": more than 100000 lines to show");
    }
}

TEST(DetailFiles, MissingFileNamesIt) {
    test::TempDir dir;
    try {
        readScatteringLines(dir.path(), 0);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_NE(std::string(e.what()).find("o_neu.dup"), std::string::npos);
    }
    test::writeResult(dir.path(),
                      test::ResultRecipe::withoutInputFiles().withFile(kLevelsFile, kOrdinary));
    EXPECT_EQ(readEigenvectorLines(dir.path(), 0).size(), 2u);
}

TEST(DetailHeadings, NameTheBase) {
    EXPECT_EQ(eigenenergyHeading("4f^1", 2),
              "Energy levels and corresponding expected values of 4f^1 in |J,Jz> base");
    EXPECT_EQ(eigenvectorHeading("3d^1", 1), "Eigenfunctions for 3d^1 in |L,Lz,S,Sz> base");
}

} // namespace
} // namespace vintrel

namespace vintrel {
namespace {

TEST(KeepOnScreen, LargeWindowsShrinkToTwoThirds) {
    const WindowFrame big = keepOnScreen({100, 100, 2000, 1300}, 1600, 1200, false);
    EXPECT_EQ(big.height, 800);
    EXPECT_EQ(big.top, 20);
    EXPECT_EQ(big.width, 1066);
    EXPECT_EQ(big.left, 267);
    const WindowFrame centred = keepOnScreen({0, 500, 500, 800}, 1600, 1200, true);
    EXPECT_EQ(centred.top, 200);
    EXPECT_EQ(centred.width, 500);
    const WindowFrame fits = keepOnScreen({10, 10, 500, 500}, 1600, 1200, true);
    EXPECT_EQ(fits.top, 10);
    EXPECT_EQ(fits.height, 500);
}

} // namespace
} // namespace vintrel
