#include "resultdata/input_files.h"

#include "resultdata/dup_reader.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

#include <string>

using namespace vintrel;
namespace fs = std::filesystem;

namespace {

std::string numbers(int from, int to) {
    std::string out;
    for (int i = from; i <= to; ++i)
        out += std::to_string(i) + " ; value\n";
    return out;
}

// The files of the result folder around the "input_e.dup" lines of `ion`: coefficients with a
// comment after each value on lines ended by "\n", and settings.
test::ResultRecipe withFolderFiles(test::ResultRecipe ion) {
    ion.withFile(kInputAnFile, numbers(1, 27));
    ion.settings = {"150", "120"};
    return ion;
}

// Yb3+ (row 94, charges "0,+2,+3*"): 4f^1^3 in the J basis, complex matrix; no "input_bn.dup".
test::ResultRecipe ytterbium() {
    test::ResultRecipe recipe =
        test::ionResult(94, 2, "4f^1^3 Yb3+ ground multiplet", 2, 2, 1.5, 90, 90, -2900, 7);
    recipe.meanField = 2;
    recipe.exchange = 0.125;
    return withFolderFiles(recipe);
}

// A working root with a result folder and a data folder holding the shipped settings file.
class ResultFolder : public ::testing::Test {
protected:
    void SetUp() override { write(ytterbium()); }
    fs::path root() const { return root_.root(); }
    fs::path data() const { return root_.data(); }
    ResultLocation location() const { return root_.location("Result00"); }
    void write(const test::ResultRecipe& recipe) const { root_.write("Result00", recipe); }

private:
    test::WorkingRoot root_{{"300", "50"}};
};

} // namespace

TEST_F(ResultFolder, ReadsTheIonAndDerivedFields) {
    const ResultInputs in = readResultInputs(location(), TVariables{});
    const TVariables& v = in.variables;
    EXPECT_EQ(v.element, 94);
    EXPECT_EQ(v._ionvalue, 3);
    EXPECT_EQ(v.siconf, "4f^1^3");
    EXPECT_EQ(v.baza, 2);
    EXPECT_EQ(v.cialo, 2);
    EXPECT_EQ(v._dimension, 8);
    EXPECT_NEAR(v._magfield_x, 0, 1e-12);
    EXPECT_NEAR(v._magfield_y, 1.5, 1e-12);
    EXPECT_NEAR(v._magfield_z, 0, 1e-12);
    EXPECT_DOUBLE_EQ(v.lambda, -2900);
    EXPECT_EQ(v.symmetry, 7);
    EXPECT_TRUE(v.dynamic_calc); // any value other than 0
    EXPECT_DOUBLE_EQ(v.dynamic_n_ex, 0.125);
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(v.wsp_A[static_cast<std::size_t>(i)], i + 1);
    EXPECT_EQ(v._wsp_B, coeffsarray{}); // no input_bn.dup
    EXPECT_DOUBLE_EQ(in.settings.chi_tmax, 150);
    EXPECT_EQ(in.settings.chi_points, 120);
    EXPECT_DOUBLE_EQ(in.meanField.first, 0);
    EXPECT_DOUBLE_EQ(in.meanField.second, 150);
}

TEST_F(ResultFolder, BasisAndHamiltonianOutsideOneOrTwoKeepTheirValues) {
    write(withFolderFiles(test::ionResult(22, 2, "3d^2", 3, 0, 0, 0, 0, 0, 12)));
    TVariables previous;
    previous.baza = 2;
    previous.cialo = 2;
    const TVariables v = readResultInputs(location(), previous).variables;
    EXPECT_EQ(v.baza, 2);
    EXPECT_EQ(v.cialo, 2);
    EXPECT_EQ(v._dimension, 5); // 3d^2: L = 3, S = 1, J = 2
    EXPECT_FALSE(v.dynamic_calc);
}

TEST_F(ResultFolder, WithoutInputEOnlyTheSymmetryChanges) {
    write(ytterbium().without(kInputEFile));
    TVariables previous;
    previous.element = 83;
    previous.siconf = "4f^2";
    previous._wsp_B[0] = 9;
    const TVariables v = readResultInputs(location(), previous).variables;
    EXPECT_EQ(v.symmetry, 4);
    EXPECT_EQ(v.element, 83);
    EXPECT_EQ(v.siconf, "4f^2");
    EXPECT_EQ(v._wsp_B, coeffsarray{}); // the coefficients are still read
}

TEST_F(ResultFolder, ReadsTheShortCoefficientForm) {
    write(ytterbium().withFile(kInputBnFile, numbers(1, 16)));
    const coeffsarray b = readResultInputs(location(), TVariables{}).variables._wsp_B;
    coeffsarray expected{};
    expected[2] = 1; // slot 3: k = 2, q = 0
    expected[3] = 2;
    expected[4] = 3;
    for (int i = 0; i < 5; ++i)
        expected[static_cast<std::size_t>(9 + i)] = 4 + i; // slots 10 to 14
    for (int i = 0; i < 7; ++i)
        expected[static_cast<std::size_t>(20 + i)] = 9 + i; // slots 21 to 27
    EXPECT_EQ(b, expected);
}

TEST_F(ResultFolder, MissingOrBrokenFilesAreErrors) {
    write(ytterbium().withFile(kInputAnFile, numbers(1, 20))); // neither 16 nor 27 values
    EXPECT_THROW(readResultInputs(location(), TVariables{}), InputError);
    write(ytterbium().without(kInputAnFile));
    EXPECT_THROW(readResultInputs(location(), TVariables{}), InputError);
}

TEST_F(ResultFolder, AMalformedNumberNamesFileAndLineAndLeavesTheSharedRecords) {
    write(ytterbium().withFile(kInputEFile, test::dupLines({"94", "2", "4f^1^3", "2", "2", "1,5",
                                                            "0", "0", "0", "7", "0", "0"})));
    sharedVariables() = TVariables{};
    sharedVariables().element = 5;
    try {
        loadResultInputs(location());
        FAIL() << "no error";
    } catch (const InputError& e) {
        const std::string file = (root() / "Result00" / kInputEFile).string();
        EXPECT_EQ(std::string(e.what()), file + ", line 6: \"1,5\" is not a valid number");
    }
    EXPECT_EQ(sharedVariables().element, 5);
    EXPECT_EQ(sharedVariables().siconf, "");
}

TEST_F(ResultFolder, ElementRowOutsideTheTableIsAnError) {
    write(withFolderFiles(test::ionResult(119, 0, "4f^1", 1, 1, 0, 0, 0, 0, 7)));
    EXPECT_THROW(readResultInputs(location(), TVariables{}), InputError);
}

TEST_F(ResultFolder, LoadFillsTheSharedRecords) {
    loadResultInputs(location());
    EXPECT_EQ(sharedVariables().element, 94);
    EXPECT_DOUBLE_EQ(sharedSettings().chi_tmax, 150);
    EXPECT_DOUBLE_EQ(sharedMeanFieldTemperatures().second, 150);
    resetVariables();
    EXPECT_EQ(sharedVariables(), TVariables{});
}

TEST_F(ResultFolder, CopiesTheShippedSettingsOnceAndReadsThemWithoutAFolder) {
    ResultLocation none = location();
    none.resultFolder.clear();
    EXPECT_DOUBLE_EQ(readResultInputs(none, TVariables{}).settings.chi_tmax, 300);
    test::writeFile(data() / kShippedSettingsFile, test::dupLines({"400"}));
    EXPECT_DOUBLE_EQ(readResultInputs(none, TVariables{}).settings.chi_tmax, 300);
    fs::remove(root() / kShippedSettingsFile);
    fs::remove(data() / kShippedSettingsFile);
    try {
        readResultInputs(location(), TVariables{});
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open file " + (data() / kShippedSettingsFile).string());
    }
}

TEST(ResultSettings, ShortFilesKeepTheStartValues) {
    test::TempDir dir;
    const std::string first16 =
        test::dupLines({"100", "50", "150", "60", "5", "2", "3", "40", "1e-5", "0.2", "0.02", "500",
                        "1e-10", "1", "258", "0.5"});
    test::writeFile(dir / "s16", first16);
    test::writeFile(dir / "s18", first16 + test::dupLines({"9", "1"}));
    test::writeFile(dir / "s22", first16 + test::dupLines({"9", "1", "1", "2", "3", "4"}));
    test::writeFile(dir / "s24",
                    first16 + test::dupLines({"9", "1", "1", "2", "3", "4", "1", "2"}));
    test::writeFile(dir / "empty", "");

    const TResultSettings s16 = readResultSettings(dir / "s16");
    EXPECT_DOUBLE_EQ(s16.chi_tmax, 100);
    EXPECT_EQ(s16.mf_max_iter, 40);
    EXPECT_DOUBLE_EQ(s16.diag_tolerance, 1e-10);
    EXPECT_TRUE(s16.ui_option1);
    EXPECT_EQ(s16.table_size, 2); // 258 keeps its low eight bits
    EXPECT_DOUBLE_EQ(s16.field_increment, 0.5);
    EXPECT_EQ(s16.max_shape_size, 5);
    EXPECT_DOUBLE_EQ(s16.spectro_emin, 0.01);
    EXPECT_DOUBLE_EQ(s16.spectro_emax, 50000);

    const TResultSettings s18 = readResultSettings(dir / "s18");
    EXPECT_EQ(s18.max_shape_size, 9);
    EXPECT_TRUE(s18.display_lists);
    EXPECT_DOUBLE_EQ(s18.spectro_emin, 0.01);

    const TResultSettings s22 = readResultSettings(dir / "s22");
    EXPECT_DOUBLE_EQ(s22.spectro_lmax, 4);
    EXPECT_FALSE(s22.ui_option2);

    const TResultSettings s24 = readResultSettings(dir / "s24");
    EXPECT_TRUE(s24.ui_option2);
    EXPECT_FALSE(s24.ui_option3); // only 1 counts as true

    EXPECT_EQ(readResultSettings(dir / "empty"), TResultSettings{});
}

TEST(ResultSettings, AnIntegerLineHoldingARealIsAnError) {
    test::TempDir dir;
    test::writeFile(dir / "s", test::dupLines({"200", "200.5"}));
    EXPECT_THROW(readResultSettings(dir / "s"), InputError);
}

TEST(InputE, ConfigurationLineIsCutAtTheFirstBlank) {
    test::TempDir dir;
    test::writeFile(dir / "e", test::resultFiles(ytterbium()).at(kInputEFile));
    TVariables v;
    readInputE(dir / "e", v);
    EXPECT_EQ(v.siconf, "4f^1^3");
}

TEST(InputE, ATruncatedFileIsAnErrorAndChangesNothing) {
    test::TempDir dir;
    test::writeFile(dir / "e", test::dupLines({"94", "2", "4f^1^3", "2"}));
    TVariables v;
    v.element = 7;
    EXPECT_THROW(readInputE(dir / "e", v), InputError);
    EXPECT_EQ(v.element, 7);
    EXPECT_EQ(v.siconf, "");
}
