#include "levels/level_file_cache.h"

#include "support/result_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

// A folder holding only "o_E.dup": two levels, the second at E.
test::ResultRecipe twoLevels(double E) {
    test::ResultRecipe recipe = test::ResultRecipe::withoutInputFiles();
    recipe.levels = {{{{0}, {E}}, false, {}, 0}};
    return recipe;
}

TEST(LevelFileCache, ReadsAgainOnlyWhenTheFileOrRequestChanges) {
    test::TempDir dir;
    test::writeResult(dir.path(), twoLevels(10));
    LevelFileCache cache;
    EXPECT_TRUE(cache.refresh(dir.path(), 0, 2, false));
    EXPECT_EQ(cache.tables().axis(Axis::z).E[2], 10);
    ASSERT_TRUE(cache.range());
    EXPECT_EQ(cache.range()->eend, 10);
    EXPECT_FALSE(cache.refresh(dir.path(), 0, 2, false));
    EXPECT_TRUE(cache.refresh(dir.path(), 0, 2, true)); // another request

    test::writeResult(dir.path(), twoLevels(20.5));
    EXPECT_TRUE(cache.refresh(dir.path(), 0, 2, false)); // size changed
    EXPECT_EQ(cache.tables().axis(Axis::z).E[2], 20.5);

    test::writeResult(dir.path(), twoLevels(30.5));
    const auto stamp = std::filesystem::last_write_time(dir / "o_E.dup");
    std::filesystem::last_write_time(dir / "o_E.dup", stamp + std::chrono::seconds(5));
    EXPECT_TRUE(cache.refresh(dir.path(), 0, 2, false)); // same size, newer time
    EXPECT_EQ(cache.tables().axis(Axis::z).E[2], 30.5);
}

TEST(LevelFileCache, MissingFileLeavesNoLevels) {
    test::TempDir dir;
    test::writeResult(dir.path(), twoLevels(10));
    LevelFileCache cache;
    cache.refresh(dir.path(), 0, 2, false);
    EXPECT_EQ(cache.tables().axis(Axis::z).E[2], 10);
    // A result without "o_E.dup" must not show the levels of the one before it.
    std::filesystem::remove(dir / "o_E.dup");
    cache.refresh(dir.path(), 0, 2, false);
    EXPECT_EQ(cache.tables().axis(Axis::z).E[2], 0);
    EXPECT_FALSE(cache.range().has_value());
}

} // namespace
} // namespace vintrel
