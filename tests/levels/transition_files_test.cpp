// The transition list: "o_spectro.dup" and "o_lsspec.dup" made from "o_neu.dup" byte for byte,
// read back, the energy range of the transitions and the transition-data listing.
#include "levels/transition_files.h"

#include "base/binary_file.h"
#include "cli/cli.h"
#include "levels/transition_strengths.h"
#include "resultdata/dup_reader.h"
#include "support/cli_run.h"
#include "support/result_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace vintrel;
namespace fs = std::filesystem;

namespace {

// Two states in |L,Lz,S,Sz> with all eight values of a line distinct, so that the order of
// the columns shows; the LS value (8th) is left out of the generated files.
std::vector<double> orbitalSpinElements(int i, int j) {
    if (i == 1 && j == 2)
        return {0.1, 0.2, -0.3, 0.4, 0.5, 0.6, 0.7};
    return {0, 0, 0, 0, 0, 0, 0};
}

std::string orbitalSpinNeutron() {
    return test::strengthsBlock(0, {-10, 5.25}, orbitalSpinElements);
}

} // namespace

TEST(TransitionFiles, CeriumFixtureIsWrittenByteForByte) {
    std::vector<double> energies;
    for (const auto& level : test::ceriumCubicLevels())
        energies.push_back(level.E);
    const std::string neutron = test::strengthsBlock(0, energies, test::ceriumCubicElements);
    const auto lines = upwardTransitions("o_neu.dup", neutron, 6, 2);
    const TransitionFileTexts texts = formatTransitionFiles(lines, 2);
    EXPECT_EQ(texts.spectro,
              " Energy diff.       Jz          Jplus        Jmin        from lev.\r\n"
              "  116.000000     1.490000     0.000000     0.000000          1\r\n"
              "  116.000000     0.000000     2.580000     0.000000          1\r\n"
              "  116.000000     0.000000     0.000000     2.580000          2\r\n"
              "  116.000000     0.000000     1.490000     0.000000          2\r\n");
    EXPECT_EQ(texts.lsspec, "");
}

TEST(TransitionFiles, OrbitalSpinColumnsFollowTheFileAndLsIsZero) {
    const auto lines = upwardTransitions("o_neu.dup", orbitalSpinNeutron(), 2, 1);
    ASSERT_EQ(lines.size(), 1u);
    const TransitionFileTexts texts = formatTransitionFiles(lines, 1);
    // The file's value 6 is written under "Splus", value 7 under "Smin"; a negative element
    // keeps its sign, a value that rounds to zero loses it.
    EXPECT_EQ(texts.spectro,
              " Energy diff.       Lz          Lplus        Lmin          Sz          Splus        "
              "Smin        from lev.\r\n"
              "   15.250000     0.100000     0.200000    -0.300000     0.400000     0.500000     "
              "0.600000          1\r\n");
    EXPECT_EQ(texts.lsspec, " Energy diff.       LS          from lev.\r\n"
                            "   15.250000     0.000000          1\r\n");
    TransitionLine tiny = lines[0];
    tiny.elements[2] = -1e-9;
    EXPECT_NE(formatTransitionFiles({tiny}, 1).spectro.find("     0.000000     0.400000"),
              std::string::npos);
}

TEST(TransitionFiles, SelectionKeepsUpwardNonZeroPairsAndSortsAsSelectionSort) {
    // Three states: 1 at 0, 2 at 3, 3 at 1 (not in order); every pair has an element except
    // (1, 3), whose elements sum to 1e-6 exactly (not above it).
    auto elements = [](int i, int j) -> std::vector<double> {
        if (i == 1 && j == 3)
            return {1e-6, 0, 0};
        return {0, static_cast<double>(10 * i + j), 0};
    };
    const std::string neutron = test::strengthsBlock(0, {0, 3, 1}, elements);
    const auto lines = upwardTransitions("o_neu.dup", neutron, 3, 2);
    ASSERT_EQ(lines.size(), 2u);
    // 3 -> 2 (dE 2) and 1 -> 2 (dE 3): ascending dE.
    EXPECT_DOUBLE_EQ(lines[0].dE, 2);
    EXPECT_EQ(lines[0].from, 3);
    EXPECT_DOUBLE_EQ(lines[0].elements[1], 32);
    EXPECT_DOUBLE_EQ(lines[1].dE, 3);
    EXPECT_EQ(lines[1].from, 1);
}

TEST(TransitionFiles, EqualEnergyDifferencesKeepTheOrderOfTheSelectionSort) {
    // dE 1 from levels 1, 2 and 3 (in that order in the file) and a smaller dE from level 4
    // last: the selection sort swaps it to the front, which moves the first line to its place.
    auto elements = [](int i, int j) -> std::vector<double> {
        if (j == i + 1)
            return {static_cast<double>(i), 0, 0};
        return {0, 0, 0};
    };
    const std::string neutron = test::strengthsBlock(0, {0, 1, 2, 3, 3.5}, elements);
    const auto lines = upwardTransitions("o_neu.dup", neutron, 5, 2);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_DOUBLE_EQ(lines[0].dE, 0.5);
    // After the swap of positions 0 and 3: [0.5, 1 (from 2), 1 (from 3), 1 (from 1)].
    EXPECT_EQ(lines[1].from, 2);
    EXPECT_EQ(lines[2].from, 3);
    EXPECT_EQ(lines[3].from, 1);
}

TEST(TransitionFiles, DamagedOrShortNeutronFilesAreRefused) {
    const std::string good = orbitalSpinNeutron();
    const struct {
        const char* what;
        std::string text;
        int N;
    } cases[] = {
        {"too few states", good.substr(0, good.size() / 2), 2},
        {"a word for a number", "*0*\r\nabc\r\n", 2},
        {"no levels", good, 0},
        {"too many levels", good, 67},
    };
    for (const auto& c : cases)
        EXPECT_THROW(upwardTransitions("o_neu.dup", c.text, c.N, 1), InputError) << c.what;
}

TEST(TransitionFiles, GeneratedOnlyWhenMissingAndReadBack) {
    test::TempDir dir;
    const fs::path folder = dir.path();
    test::writeFile(folder / kStrengthsFile, orbitalSpinNeutron());
    EXPECT_TRUE(generateTransitionFiles(folder, 2, 1));
    EXPECT_TRUE(fs::exists(folder / kLsSpectrumFile));
    EXPECT_FALSE(generateTransitionFiles(folder, 2, 1));
    // The list as read: LS from "o_lsspec.dup" (made 0.25 here by hand).
    test::writeFile(folder / kLsSpectrumFile, " Energy diff.       LS          from lev.\r\n"
                                              "   15.250000     0.250000          1\r\n");
    const auto lines = readTransitionLines(folder, 2, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[0].ls, 0.25);
    EXPECT_DOUBLE_EQ(lines[0].elements[5], 0.6);
    // An empty "o_spectro.dup" counts as missing and is made again.
    test::writeFile(folder / kSpectroFile, "");
    EXPECT_TRUE(generateTransitionFiles(folder, 2, 1));
    // Without "o_neu.dup" nothing is made and the error says which file.
    fs::remove(folder / kSpectroFile);
    fs::remove(folder / kStrengthsFile);
    EXPECT_THROW(generateTransitionFiles(folder, 2, 1), InputError);
    EXPECT_FALSE(fs::exists(folder / kSpectroFile));
}

TEST(TransitionFiles, ParsingPassesBlanksAndKeepsOnlyLevelsThatExist) {
    const std::string spectro = "header\r\n"
                                "  1.0 0.5 0 0 1\r\n"
                                "\r\n"
                                "  2.0 0 0.5 0 67\r\n"
                                "  3.0 0 0 0.5 2.5\r\n"
                                "\r\n";
    const auto lines = parseTransitionLines("o_spectro.dup", spectro, "", std::nullopt, 2);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, 1);
    EXPECT_EQ(lines[1].from, 0); // beyond the 66 levels
    EXPECT_EQ(lines[2].from, 0); // not a whole number
    EXPECT_THROW(parseTransitionLines("o_spectro.dup", "h\r\n1 2 3\r\n", "", std::nullopt, 2),
                 InputError);
    // A shorter LS list leaves the rest at 0.
    const auto withLs =
        parseTransitionLines("o_spectro.dup", "h\r\n1 0 0 0 0 0 0 1\r\n2 0 0 0 0 0 0 1\r\n",
                             "o_lsspec.dup", std::string_view("h\r\n1 0.5 1\r\n"), 1);
    ASSERT_EQ(withLs.size(), 2u);
    EXPECT_DOUBLE_EQ(withLs[0].ls, 0.5);
    EXPECT_DOUBLE_EQ(withLs[1].ls, 0);
}

TEST(TransitionFiles, EnergyRangeWidensNarrowRangesAndFallsBackToTheLimits) {
    TResultSettings settings;
    settings.spectro_emin = 2;
    settings.spectro_emax = 300;
    auto line = [](double dE) { return TransitionLine{dE, {}, 0, 1}; };
    EXPECT_EQ(transitionEnergyRange({line(5), line(1), line(9)}, settings), (EnergyInterval{1, 9}));
    EXPECT_EQ(transitionEnergyRange({line(5)}, settings), (EnergyInterval{4.99, 5.01}));
    // No transition: not ±1e16 but the settings' limits.
    EXPECT_EQ(transitionEnergyRange({}, settings), (EnergyInterval{2, 300}));
}

TEST(TransitionFiles, ListingShowsTheElementsOfEachBasis) {
    TransitionLine ls{15.25, {0.1, 0.2, -0.3, 0.4, 0.5, 0.6}, 0.7, 3};
    EXPECT_EQ(
        transitionDataListing({ls}, 1),
        (std::vector<std::string>{
            "Energy diff.   Lz    Lplus   Lminus    Sz    Splus   Sminus    LSz  from lev.",
            "   15.250000  0.10000  0.20000 -0.30000  0.40000  0.50000  0.60000  0.70000 3"}));
    // In |J,Jz> the line holds dE, J_z, J_+, J_- and the initial level: nothing more is listed.
    TransitionLine j{2, {1.5, -2.5, 0.25, 0, 0, 0}, 0, 2};
    EXPECT_EQ(transitionDataListing({j}, 2),
              (std::vector<std::string>{"Energy diff.   Jz    Jplus   Jminus  from lev.",
                                        "    2.000000  1.50000 -2.50000  0.25000 2"}));
    EXPECT_EQ(transitionDataListing({}, 1), std::vector<std::string>{kNoTransitions});
}

TEST(TransitionFiles, ExamplesListsAreMadeAgainFromTheirNeutronFiles) {
    // The examples carry transition lists made by the generator; the ones made here from the
    // same "o_neu.dup" must be the same bytes.
    test::TempDir dir;
    const fs::path source = VINTREL_SOURCE_DIR;
    const struct {
        const char* container;
        const char* folder;
        int N;
        int baza;
    } cases[] = {
        {"Ce-cubic.zrvn", "Result00", 6, 2},
        {"Ce-cubic.zrvn", "Result01", 6, 2},
        {"Ti-LS-complex.zrvn", "Result00", 10, 1},
    };
    for (const auto& c : cases) {
        const fs::path out = dir.path() / c.container;
        ASSERT_EQ(test::cli({"extract", (source / "examples" / c.container).string(), out.string()})
                      .status,
                  0);
        const fs::path folder = out / c.folder;
        const std::string neutron = readWholeFile(folder / kStrengthsFile);
        const auto lines = upwardTransitions("o_neu.dup", neutron, c.N, c.baza);
        EXPECT_EQ(formatTransitionFiles(lines, c.baza).spectro,
                  readWholeFile(folder / kSpectroFile))
            << c.container << " " << c.folder;
    }
}
