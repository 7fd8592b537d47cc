#include "base/file_utils.h"

#include "base/binary_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace vintrel;
namespace fs = std::filesystem;

TEST(CopyFileTo, CopiesBytesAndAppendsTheNameForAFolder) {
    test::TempDir dir;
    const std::string bytes("a\0b\r\n\xff", 6);
    test::writeFile(dir / "src.txt", bytes);
    fs::create_directories(dir / "into");
    copyFileTo(dir / "src.txt", dir / "into");
    EXPECT_EQ(test::readFile(dir / "into" / "src.txt"), bytes);
    copyFileTo(dir / "src.txt", dir / "other.txt");
    EXPECT_EQ(test::readFile(dir / "other.txt"), bytes);
    test::writeFile(dir / "empty", "");
    copyFileTo(dir / "empty", dir / "empty2");
    EXPECT_EQ(test::readFile(dir / "empty2"), "");
}

TEST(CopyFileTo, FailuresNameThePathAndLeaveNoPartialFile) {
    test::TempDir dir;
    try {
        copyFileTo(dir / "none", dir / "t");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + (dir / "none").string());
    }
    test::writeFile(dir / "src", "x");
    try {
        copyFileTo(dir / "src", dir / "missing" / "t");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + (dir / "missing" / "t").string());
    }
    EXPECT_FALSE(fs::exists(dir / "t"));
}

TEST(CopyWhenMissing, NeverReplacesAnExistingFile) {
    test::TempDir dir;
    fs::create_directories(dir / "data");
    fs::create_directories(dir / "root");
    test::writeFile(dir / "data" / "f", "shipped");
    EXPECT_EQ(copyWhenMissing(dir / "data", dir / "root", "f"), dir / "root" / "f");
    EXPECT_EQ(test::readFile(dir / "root" / "f"), "shipped");
    test::writeFile(dir / "root" / "f", "edited");
    copyWhenMissing(dir / "data", dir / "root", "f");
    EXPECT_EQ(test::readFile(dir / "root" / "f"), "edited");
}
