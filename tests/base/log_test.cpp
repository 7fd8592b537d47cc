#include "base/log.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vintrel;
using vintrel::test::TempDir;

namespace {

std::vector<std::string> lines(const std::filesystem::path& file) {
    std::vector<std::string> result;
    std::istringstream in(test::readFile(file));
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

std::string textOf(const std::string& line) {
    return line.substr(line.find(": ") + 2);
}

class LogTest : public ::testing::Test {
protected:
    void SetUp() override { restartLogRun(); }
    void TearDown() override { disableLog(); }
    TempDir dir;
};

} // namespace

TEST_F(LogTest, FirstLineOfARunNamesTheVersion) {
    int pumped = 0;
    configureLog(dir.path(), {[&] { ++pumped; }, {}});
    writeLog("log.txt", "Logs initialization");
    writeLog("log.txt", "Cef_eigenenergy initialization");
    const auto all = lines(dir / "log.txt");
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(textOf(all[0]).rfind("Running version 1.2 (20.01.17), 32-bit on ", 0), 0u);
    EXPECT_EQ(textOf(all[1]), "Logs initialization");
    EXPECT_EQ(textOf(all[2]), "Cef_eigenenergy initialization");
    EXPECT_EQ(pumped, 2);
    // A new run appends and names the version again.
    restartLogRun();
    writeLog("log.txt", "again");
    EXPECT_EQ(lines(dir / "log.txt").size(), 5u);
}

TEST_F(LogTest, RestartsPastTheSizeLimit) {
    configureLog(dir.path());
    writeLog("log.txt", "start");
    const std::string filler(1000, 'x');
    while (std::filesystem::file_size(dir / "log.txt") + 2100 <= kLogSizeLimit)
        writeLog("log.txt", filler);
    const std::size_t count = lines(dir / "log.txt").size();
    writeLog("log.txt", "still below the limit");
    ASSERT_EQ(lines(dir / "log.txt").size(), count + 1);
    for (int i = 0; i < 3 && lines(dir / "log.txt").size() > 1; ++i)
        writeLog("log.txt", filler);
    const auto all = lines(dir / "log.txt");
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(textOf(all[0]), "Trimmed log due to filesize limit of 102400");
    writeLog("log.txt", "after");
    EXPECT_EQ(textOf(lines(dir / "log.txt")[1]), "after");
}

TEST_F(LogTest, ReportsALineThatCannotBeWritten) {
    std::string shown;
    configureLog(dir / "missing", {{}, [&](const std::string& m) { shown = m; }});
    writeLog("log.txt", "lost line");
    EXPECT_EQ(shown.rfind("Unable to create log file: " + (dir / "missing" / "log.txt").string() +
                              " - IO (",
                          0),
              0u)
        << shown;
    EXPECT_NE(shown.find("), log: lost line"), std::string::npos);
}

TEST_F(LogTest, WritesNothingUntilConfigured) {
    writeLog("log.txt", "nowhere");
    EXPECT_FALSE(std::filesystem::exists(dir / "log.txt"));
}
