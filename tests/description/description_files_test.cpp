#include "description/description_files.h"

#include "base/binary_file.h"
#include "resultdata/input_files.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

using namespace vintrel;
namespace fs = std::filesystem;

// The snapshot is the file's bytes, whatever the editor understands of them: a picture the
// editor drops is still in the snapshot.
TEST(DescriptionFiles, SnapshotIsAByteCopy) {
    test::TempDir dir;
    static constexpr char kBytes[] = "{\\rtf1 a{\\pict\\bin3 \x00\xff}}b}\r\n";
    const std::string bytes(kBytes, sizeof kBytes - 1);
    test::ResultRecipe recipe = test::ResultRecipe::withoutInputFiles();
    recipe.description = bytes;
    test::writeResult(dir.path(), recipe);
    refreshDescriptionSnapshot(dir.path(), readDescription(dir.path()));
    EXPECT_EQ(test::readFile(dir / kDescriptionSnapshotFile), bytes);
    EXPECT_EQ(readDescriptionSnapshot(dir.path()), bytes);
}

// A result without a description loses its old snapshot, so "Discard all changes" cannot
// bring back a text from before.
TEST(DescriptionFiles, NoDescriptionRemovesTheSnapshot) {
    test::TempDir dir;
    test::writeFile(dir / kDescriptionSnapshotFile, "old text");
    refreshDescriptionSnapshot(dir.path(), std::nullopt);
    EXPECT_FALSE(fs::exists(dir / kDescriptionSnapshotFile));
    EXPECT_FALSE(readDescriptionSnapshot(dir.path()));
    refreshDescriptionSnapshot(dir.path(), std::nullopt); // nothing to remove is no error
    // An empty snapshot is none.
    test::writeFile(dir / kDescriptionSnapshotFile, "");
    EXPECT_FALSE(readDescriptionSnapshot(dir.path()));
}

TEST(DescriptionFiles, FailuresAreReportedAndLeaveTheOldFiles) {
    test::TempDir dir;
    fs::create_directories(dir / kDescriptionFile / "in the way");
    EXPECT_THROW(writeDescription(dir.path(), "new"), FileError);
    EXPECT_TRUE(fs::is_directory(dir / kDescriptionFile / "in the way"));
    fs::create_directories(dir / kDescriptionSnapshotFile / "in the way");
    EXPECT_THROW(refreshDescriptionSnapshot(dir.path(), std::nullopt), FileError);
    EXPECT_THROW(refreshDescriptionSnapshot(dir.path(), std::string("x")), FileError);
    // Only the two files, no temporary left beside them.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 2);
}

TEST(DescriptionFiles, WriteReplacesTheDescription) {
    test::TempDir dir;
    test::writeFile(dir / kDescriptionFile, "a much longer old description");
    writeDescription(dir.path(), "new");
    EXPECT_EQ(test::readFile(dir / kDescriptionFile), "new");
}
