// Saving stores a file that is missing from a result folder as an empty member, and importing
// turns it back into an empty file. Every reader must take such an empty file for a missing
// one: each case below runs one reader on a result folder whose file is first removed, then
// emptied, and both runs must give the outcome the reader promises for a missing file.
#include "levels/detail_texts.h"
#include "levels/level_data.h"
#include "levels/level_file_cache.h"
#include "levels/level_tables.h"
#include "levels/transition_strengths.h"
#include "parameters/parameter_data.h"
#include "resultdata/dup_reader.h"
#include "resultdata/input_files.h"

#include "support/result_writer.h"

#include <gtest/gtest.h>

#include <functional>

namespace vintrel {
namespace {

namespace fs = std::filesystem;

constexpr int kLevels = 6; // Ce3+ in the |J,Jz> basis

std::vector<std::string> numberLines(int count) {
    std::vector<std::string> out;
    for (int i = 1; i <= count; ++i)
        out.push_back(std::to_string(i));
    return out;
}

// "o_neu.dup" over the Ce levels: six elements of 0.5 on every line, seven numbers with the
// energy, one short of what basis 1 reads when "o_lsspec.dup" is present.
std::string strengthsFile() {
    std::vector<double> energies;
    for (const auto& level : test::ceriumCubicLevels())
        energies.push_back(level.E);
    return test::strengthsBlock(0, energies, [](int, int) { return std::vector<double>(6, 0.5); });
}

AxisLevels ceriumAxis() {
    AxisLevels axis;
    const auto levels = test::ceriumCubicLevels();
    for (std::size_t i = 0; i < levels.size(); ++i)
        axis.E[i + 1] = levels[i].E;
    axis.count = kLevels;
    return axis;
}

// A result folder whose every file reads.
test::ResultRecipe everyFile() {
    test::ResultRecipe recipe = test::ionResult(58, 3, "4f^1", 2, 1, 0, 0, 0, 0, 7);
    recipe.a = numberLines(27);
    recipe.b = numberLines(27);
    recipe.settings = {"150", "120"};
    recipe.description = "{\\rtf1 Ce}";
    recipe.levels = {{test::ceriumCubicLevels(), false, {"v"}, 0}};
    recipe.strengths = strengthsFile();
    recipe.withFile(kLsSpectrumFile, " Energy diff.       LS          from lev.\r\n");
    return recipe;
}

class AbsentFile : public ::testing::Test {
public:
    void SetUp() override { write(everyFile()); }
    fs::path folder() const { return root_.folder("Result00"); }
    ResultLocation location() const { return root_.location("Result00"); }
    void write(const test::ResultRecipe& recipe) const { root_.write("Result00", recipe); }

private:
    test::WorkingRoot root_{{"300"}};
};

// What one reader did on a folder: a summary of its result, or "error: " and the message.
using Reader = std::function<std::string(const AbsentFile&)>;

std::string outcomeOf(const Reader& read, const AbsentFile& folder) {
    try {
        return read(folder);
    } catch (const std::exception& e) {
        return std::string("error: ") + e.what();
    }
}

struct AbsentCase {
    const char* name;
    const char* file;
    Reader read;
    std::string expected; ///< "<path>" stands for the file's path
};

void PrintTo(const AbsentCase& c, std::ostream* out) {
    *out << c.name;
}

std::string cannotOpen() {
    return "error: Cannot open file <path>";
}

TVariables earlierResult() {
    TVariables v;
    v.element = 83;
    v.siconf = "4f^2";
    v.symmetry = 9;
    return v;
}

std::string variablesSummary(const TVariables& v) {
    const bool bZero = v._wsp_B == coeffsarray{};
    return "element " + std::to_string(v.element) + " " + v.siconf + " symmetry " +
           std::to_string(v.symmetry) + (bZero ? " B zero" : " B read");
}

std::string levelsSummary(const LevelReadOutcome& outcome, const LevelTables& tables) {
    return std::string(outcome.fileFound ? "found" : "not found") + ", E1 " +
           std::to_string(static_cast<int>(tables.axis(Axis::z).E[1]));
}

const std::vector<AbsentCase>& cases() {
    static const std::vector<AbsentCase> all{
        {"InputE", kInputEFile,
         [](const AbsentFile& f) {
             return variablesSummary(readResultInputs(f.location(), earlierResult()).variables);
         },
         "element 83 4f^2 symmetry 4 B read"},
        {"InputAn", kInputAnFile,
         [](const AbsentFile& f) {
             return variablesSummary(readResultInputs(f.location(), earlierResult()).variables);
         },
         cannotOpen()},
        {"InputBn", kInputBnFile,
         [](const AbsentFile& f) {
             return variablesSummary(readResultInputs(f.location(), earlierResult()).variables);
         },
         "element 58 4f^1 symmetry 7 B zero"},
        {"InputS", kInputSFile,
         [](const AbsentFile& f) {
             const ResultInputs in = readResultInputs(f.location(), earlierResult());
             return std::string(in.settings == TResultSettings{} ? "start values" : "read") +
                    ", mean-field up to " + std::to_string(in.meanField.second);
         },
         "start values, mean-field up to 200.000000"},
        {"Description", kDescriptionFile,
         [](const AbsentFile& f) {
             const auto text = readDescription(f.folder());
             return text ? *text : std::string("none");
         },
         "none"},
        {"ParameterData", kInputBnFile,
         [](const AbsentFile& f) {
             const DataTable table = parameterDataTable(f.location(), "Ce");
             for (const auto& [key, value] : table.comments)
                 if (key == "B parameters")
                     return value;
             return std::string("B listed");
         },
         "not found in result file"},
        {"LevelTables", kLevelsFile,
         [](const AbsentFile& f) {
             LevelTables tables;
             tables.axis(Axis::z).E[1] = 42;
             const auto outcome = readLevelTables(f.folder(), 0, kLevels, false, tables);
             return levelsSummary(outcome, tables);
         },
         "not found, E1 42"},
        {"EnergyRange", kLevelsFile,
         [](const AbsentFile& f) {
             return std::string(scanEnergyRange(f.folder(), 0, kLevels, false) ? "range"
                                                                               : "no range");
         },
         "no range"},
        {"GroundAxisEnergies", kLevelsFile,
         [](const AbsentFile& f) {
             return std::to_string(readGroundAxisEnergies(f.folder(), kLevels).size());
         },
         cannotOpen()},
        {"LevelFileCache", kLevelsFile,
         [](const AbsentFile& f) {
             LevelFileCache cache;
             cache.refresh(f.folder(), 0, kLevels, false);
             return std::string(cache.range() ? "range" : "no range") + ", " +
                    levelsSummary(cache.outcome(), cache.tables());
         },
         "no range, not found, E1 0"},
        {"LevelData", kLevelsFile,
         [](const AbsentFile& f) {
             return std::to_string(levelDataTable(f.location(), "Ce", {}).rows.size());
         },
         cannotOpen()},
        {"EigenenergyWindow", kLevelsFile,
         [](const AbsentFile& f) {
             return std::to_string(readEigenenergyLines(f.folder(), 0).size());
         },
         cannotOpen()},
        {"EigenvectorWindow", kLevelsFile,
         [](const AbsentFile& f) {
             return std::to_string(readEigenvectorLines(f.folder(), 0).size());
         },
         cannotOpen()},
        {"ScatteringWindow", kStrengthsFile,
         [](const AbsentFile& f) {
             return std::to_string(readScatteringLines(f.folder(), 0).size());
         },
         cannotOpen()},
        {"Strengths", kStrengthsFile,
         [](const AbsentFile& f) {
             TransitionStrengths s;
             readTransitionStrengths(f.folder(), 0, kLevels, 2, ceriumAxis(), kLevels, s);
             return std::string("read");
         },
         cannotOpen()},
        {"LsSpectrum", kLsSpectrumFile,
         [](const AbsentFile& f) {
             TransitionStrengths s;
             readTransitionStrengths(f.folder(), 0, kLevels, 1, ceriumAxis(), kLevels, s);
             return "read, Lz " + std::to_string(s.maxima[0]) + ", LS " +
                    std::to_string(s.maxima[6]);
         },
         // Lz: 2/3 × 0.25 summed over the 2 × 2 states of the Γ7 doublet, and likewise over
         // the 4 × 4 of the Γ8 quartet, the largest entry.
         "read, Lz 2.666667, LS 0.000000"},
    };
    return all;
}

class AbsentFileCases : public AbsentFile, public ::testing::WithParamInterface<AbsentCase> {};

TEST_P(AbsentFileCases, EmptyFileReadsAsAMissingOne) {
    const AbsentCase& c = GetParam();
    const fs::path file = folder() / c.file;
    std::string expected = c.expected;
    if (const auto at = expected.find("<path>"); at != std::string::npos)
        expected.replace(at, 6, file.string());

    write(everyFile().without(c.file));
    EXPECT_EQ(outcomeOf(c.read, *this), expected) << "missing " << c.file;
    write(everyFile().emptied(c.file));
    EXPECT_EQ(outcomeOf(c.read, *this), expected) << "empty " << c.file;
}

INSTANTIATE_TEST_SUITE_P(Readers, AbsentFileCases, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The folder itself reads in full, so each case above is decided by its one file.
TEST_F(AbsentFile, EveryFilePresentReads) {
    const ResultInputs in = readResultInputs(location(), earlierResult());
    EXPECT_EQ(variablesSummary(in.variables), "element 58 4f^1 symmetry 7 B read");
    EXPECT_DOUBLE_EQ(in.settings.chi_tmax, 150);
    EXPECT_EQ(readDescription(folder()), "{\\rtf1 Ce}");
    LevelTables tables;
    EXPECT_TRUE(readLevelTables(folder(), 0, kLevels, false, tables).complete());
    EXPECT_TRUE(scanEnergyRange(folder(), 0, kLevels, false));
    EXPECT_EQ(readGroundAxisEnergies(folder(), kLevels).size(), 6u);
    EXPECT_FALSE(readEigenvectorLines(folder(), 0).empty());
    EXPECT_FALSE(readScatteringLines(folder(), 0).empty());
    TransitionStrengths s;
    readTransitionStrengths(folder(), 0, kLevels, 2, ceriumAxis(), kLevels, s);
    EXPECT_GT(s.maxima[0], 0);
    EXPECT_EQ(levelDataTable(location(), "Ce", {}).rows.size(), 6u);
    for (const auto& comment : parameterDataTable(location(), "Ce").comments)
        EXPECT_NE(comment.first, "B parameters");
    // A present "o_lsspec.dup" asks for an eighth number that these lines do not hold.
    EXPECT_THROW(readTransitionStrengths(folder(), 0, kLevels, 1, ceriumAxis(), kLevels, s),
                 InputError);
}

TEST(ResultFilePresence, OnlyARegularFileWithBytesIsPresent) {
    test::TempDir dir;
    test::writeResult(dir.path(), test::ResultRecipe::withoutInputFiles()
                                      .withFile("empty.dup", "")
                                      .withFile("blank.dup", "\n"));
    fs::create_directories(dir / "folder.dup");
    EXPECT_FALSE(resultFilePresent(dir / "none.dup"));
    EXPECT_FALSE(resultFilePresent(dir / "empty.dup"));
    EXPECT_FALSE(resultFilePresent(dir / "folder.dup"));
    EXPECT_TRUE(resultFilePresent(dir / "blank.dup"));
    EXPECT_FALSE(readResultFile(dir / "empty.dup"));
    EXPECT_FALSE(readResultFile(dir / "folder.dup"));
    EXPECT_EQ(readResultFile(dir / "blank.dup"), "\n");
}

} // namespace
} // namespace vintrel
