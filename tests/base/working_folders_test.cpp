#include "base/working_folders.h"

#include "base/log.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vintrel;
using vintrel::test::ScopedEnv;
using vintrel::test::TempDir;

TEST(WorkingFolders, RootFollowsTheXdgDataHome) {
    TempDir dir;
    {
        ScopedEnv xdg("XDG_DATA_HOME", dir.path().string());
        EXPECT_EQ(defaultWorkingRoot(), dir.path() / "Vintrel");
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", "relative/ignored");
        ScopedEnv home("HOME", "/home/physicist");
        EXPECT_EQ(defaultWorkingRoot(),
                  std::filesystem::path("/home/physicist/.local/share/Vintrel"));
    }
    EXPECT_TRUE(ensureWorkingRoot(dir / "Vintrel"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Vintrel"));
    EXPECT_FALSE(ensureWorkingRoot(dir / "a" / "b")); // one level only
}

TEST(WorkingFolders, ResultFolderNamesHaveTwoDigitsAtLeast) {
    EXPECT_EQ(resultFolderName(0), "Result00");
    EXPECT_EQ(resultFolderName(7), "Result07");
    EXPECT_EQ(resultFolderName(42), "Result42");
    EXPECT_EQ(resultFolderName(100), "Result100");
}

TEST(WorkingFolders, RemovesOnlyLeftOverResultFoldersAndResetsInput) {
    TempDir dir;
    for (const char* name : {"Result05", "Result42", "Result100", "Result5"})
        std::filesystem::create_directories(dir / name / "inner");
    std::filesystem::create_directories(dir / "input" / "old");
    configureLog(dir.path());
    restartLogRun();
    removeLeftoverResults(dir.path());
    resetInputFolder(dir.path());
    disableLog();

    EXPECT_FALSE(std::filesystem::exists(dir / "Result05"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Result42"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Result100"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Result5"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "input"));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "input"));

    std::vector<std::string> texts;
    std::istringstream in(test::readFile(dir / "log.txt"));
    for (std::string line; std::getline(in, line);)
        texts.push_back(line.substr(line.find(": ") + 2));
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[1], "Looking for previously undeleted results");
    EXPECT_EQ(texts[2], "  Removing Result05");
    EXPECT_EQ(texts[3], "  Removing Result42");
    EXPECT_EQ(texts[4], "  Removing input");
}
