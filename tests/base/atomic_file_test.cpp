#include "base/atomic_file.h"

#include "base/binary_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace vintrel;
namespace fs = std::filesystem;

namespace {

int entriesIn(const fs::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

} // namespace

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNothingBeside) {
    test::TempDir dir;
    test::writeFile(dir / "g.dup", "an old and longer content\r\n");
    writeFileAtomically(dir / "g.dup", std::string("new\0\r\n", 6));
    EXPECT_EQ(test::readFile(dir / "g.dup"), std::string("new\0\r\n", 6));
    writeFileAtomically(dir / "fresh.dup", "");
    EXPECT_EQ(test::readFile(dir / "fresh.dup"), "");
    EXPECT_EQ(entriesIn(dir.path()), 2);
}

TEST(AtomicFile, AFailureLeavesTheOldFileAndNamesTheTarget) {
    test::TempDir dir;
    // A folder in the target's place cannot be replaced by a file.
    fs::create_directories(dir / "busy" / "inside");
    try {
        writeFileAtomically(dir / "busy", "x");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + (dir / "busy").string());
    }
    EXPECT_TRUE(fs::is_directory(dir / "busy" / "inside"));
    EXPECT_THROW(writeFileAtomically(dir / "missing" / "f", "x"), FileError);
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

TEST(AtomicFile, AnUncommittedFileIsDroppedAndTheTargetKept) {
    test::TempDir dir;
    test::writeFile(dir / "c.zrvn", "old container");
    {
        AtomicFile file(dir / "c.zrvn");
        EXPECT_EQ(file.temporaryPath().parent_path(), dir.path());
        std::ofstream(file.temporaryPath(), std::ios::binary) << "half written";
        // The writer fails here: no commit.
    }
    EXPECT_EQ(test::readFile(dir / "c.zrvn"), "old container");
    EXPECT_EQ(entriesIn(dir.path()), 1);
    AtomicFile unwritten(dir / "c.zrvn");
    EXPECT_THROW(unwritten.commit(), FileError);
    EXPECT_EQ(test::readFile(dir / "c.zrvn"), "old container");
}

TEST(AtomicFile, KeepsPermissionsAndWritesThroughALink) {
    test::TempDir dir;
    test::writeFile(dir / "real.dup", "one");
    fs::permissions(dir / "real.dup",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(dir / "real.dup", dir / "link.dup");
    writeFileAtomically(dir / "link.dup", "two");
    EXPECT_TRUE(fs::is_symlink(dir / "link.dup"));
    EXPECT_EQ(test::readFile(dir / "real.dup"), "two");
    EXPECT_EQ(fs::status(dir / "real.dup").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
