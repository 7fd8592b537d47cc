#include "generated_examples.h"
#include "ion_model.h"

#include "resultdata/input_files.h"
#include "resultdata/term_values.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace vintrel::generator {
namespace {

class ResultFolder {
public:
    explicit ResultFolder(const GeneratedResult& r) {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("vintrel-gen-readers-" + std::to_string(random()) + std::to_string(random()));
        writeResultFolder(r, path_);
    }
    ~ResultFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

TEST(ViewerReaders, ReadTheGeneratedInputFilesBack) {
    for (const GeneratedResult& r : test::generatedExamples()) {
        const ResultFolder folder(r);
        const TVariables v = readResultVariables(folder.path(), TVariables{});
        EXPECT_EQ(v.baza, r.recipe.baza) << r.recipe.name;
        EXPECT_EQ(v.cialo, r.recipe.cialo);
        EXPECT_EQ(v._dimension, r.model.dimension());
        EXPECT_EQ(v._ionvalue, 3);
        EXPECT_EQ(v.symmetry, r.recipe.symmetry);
        EXPECT_EQ(v.dynamic_calc, r.recipe.meanField);
        EXPECT_DOUBLE_EQ(v.dynamic_n_ex, r.recipe.exchange);
        EXPECT_DOUBLE_EQ(v.lambda, r.recipe.lambda);
        for (int a = 0; a < 3; ++a) {
            const double component =
                a == 0 ? v._magfield_x : (a == 1 ? v._magfield_y : v._magfield_z);
            EXPECT_NEAR(component, r.model.field[a], 1e-12);
        }
        const Coefficients a = potentialCoefficients(r.recipe);
        for (int slot = 0; slot < kCoefficientCount; ++slot) {
            EXPECT_DOUBLE_EQ(v._wsp_B[slot], r.recipe.b[slot]);
            EXPECT_DOUBLE_EQ(v.wsp_A[slot], a[slot]);
        }
        const TResultSettings s = readResultSettings(folder.path() / kInputSFile);
        EXPECT_EQ(s.chi_points, r.recipe.settings.chiPoints);
        EXPECT_DOUBLE_EQ(s.chi_tmax, r.recipe.settings.chiTmax);
        EXPECT_EQ(s.spech_points, r.recipe.settings.spechPoints);
        EXPECT_DOUBLE_EQ(s.field_components, r.recipe.settings.fieldComponents);
        EXPECT_DOUBLE_EQ(s.diag_tolerance, r.recipe.settings.diagTolerance);
        EXPECT_DOUBLE_EQ(s.spectro_lmax, r.recipe.settings.spectroLmax);
    }
}

} // namespace
} // namespace vintrel::generator
