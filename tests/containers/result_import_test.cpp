#include "containers/result_import.h"

#include "base/log.h"
#include "base/working_folders.h"
#include "containers/container_bytes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vintrel;
using vintrel::test::ContainerBytes;
using vintrel::test::TempDir;

namespace {

std::vector<std::string> allMembers(bool meanField, int major, int minor) {
    std::vector<std::string> names;
    for (const MemberGroup& g : memberGroups(meanField, major, minor))
        names.insert(names.end(), g.members.begin(), g.members.end());
    return names;
}

std::vector<std::string> logTexts(const std::filesystem::path& root) {
    std::vector<std::string> texts;
    std::istringstream in(test::readFile(root / "log.txt"));
    for (std::string line; std::getline(in, line);)
        texts.push_back(line.substr(line.find(": ") + 2));
    return texts;
}

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = dir.path() / "Vintrel";
        std::filesystem::create_directory(root);
        configureLog(root);
        restartLogRun();
    }
    void TearDown() override { disableLog(); }

    std::filesystem::path container(const ContainerBytes& bytes, const char* name = "c.zrvn") {
        const auto path = dir / name;
        test::writeFile(path, bytes.bytes());
        return path;
    }

    TempDir dir;
    std::filesystem::path root;
};

} // namespace

TEST(NameSuffix, StepsThroughTheSequence) {
    const std::pair<std::string, std::string> steps[] = {
        {"", "a"}, {"a", "b"}, {"y", "z"}, {"z", "aa"}, {"aa", "bb"}, {"zz", "aaa"}, {"az", "bz"}};
    for (const auto& [from, to] : steps)
        EXPECT_EQ(nextNameSuffix(from), to) << from;
}

TEST(NameSuffix, AvoidsEveryOpenTabIgnoringCase) {
    EXPECT_EQ(chooseNameSuffix({"A", "B"}, {"A", "Ba"}), "b");
    EXPECT_EQ(chooseNameSuffix({"X"}, {"x"}), "a");
    EXPECT_EQ(chooseNameSuffix({"X"}, {"Y", "load file"}), "");
    EXPECT_EQ(chooseNameSuffix({"r"}, {"R", "ra", "rB"}), "c");
}

TEST(MemberNames, OnlyPlainFileNamesAreUsable) {
    for (const char* ok : {"o_E.dup", "descr.dup", "a b", "..dup", "\xE9t\xE9"})
        EXPECT_TRUE(isPlainMemberName(ok)) << ok;
    for (const char* bad : {"", ".", "..", "../x", "/etc/passwd", "a\\b", "x\ny", "\x7F"})
        EXPECT_FALSE(isPlainMemberName(bad)) << bad;
}

TEST_F(ImportTest, FillsTheFirstFreeFolders) {
    std::filesystem::create_directory(root / "Result00");
    std::filesystem::create_directory(root / "Result02");
    EXPECT_EQ(createResultFolder(root), "Result01");
    EXPECT_EQ(createResultFolder(root), "Result03");
}

TEST_F(ImportTest, FolderSearchStopsWhenTheRootIsUnusable) {
    test::writeFile(dir / "file", "not a folder");
    EXPECT_THROW(createResultFolder(dir / "file"), FileError);
    for (int n = 0; n <= kLastResultFolderNumber; ++n)
        std::filesystem::create_directory(root / resultFolderName(n));
    EXPECT_THROW(createResultFolder(root), FileError);
}

TEST_F(ImportTest, UnpacksMandatoryAndOptionalMembersWithLogLines) {
    const auto names = allMembers(false, 5, 5);
    const auto path = container(ContainerBytes().header("ZRVN", 55, 1).result("Ce", names));
    ContainerReader reader(path);
    const ExtractOutcome outcome = extractResults(reader, root, {{true}, true, {}, {}});
    ASSERT_TRUE(outcome.ok);
    ASSERT_EQ(outcome.folders, std::vector<std::string>{"Result00"});
    for (const std::string& name : names)
        EXPECT_EQ(test::readFile(root / "Result00" / name), name + " data") << name;
    EXPECT_EQ(test::readFile(root / "Result00" / "descr.sav"), "descr.dup data");

    const auto lines = logTexts(root);
    ASSERT_EQ(lines.size(), 2u + 14u);
    EXPECT_EQ(lines[0].rfind("Running version 1.2 (20.01.17), 32-bit on ", 0), 0u);
    EXPECT_EQ(lines[1], "Analyzing file " + path.string());
    EXPECT_EQ(lines[2], "Importing Result00\\input_e.dup");
    EXPECT_EQ(lines[15], "Importing Result00\\o_ham.dup");
}

TEST_F(ImportTest, LeavesOptionalMembersOutWhenAsked) {
    const auto path = container(
        ContainerBytes().header("ZMFA", 55, 1).result("Nd", allMembers(true, 5, 5)), "m.mfa");
    ContainerReader reader(path);
    ASSERT_TRUE(extractResults(reader, root, {{true}, false, {}, {}}).ok);
    std::size_t files = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(root / "Result00"))
        ++files;
    EXPECT_EQ(files, 13u + 1u); // group 6 and descr.sav
    EXPECT_FALSE(std::filesystem::exists(root / "Result00" / "g_E.dup"));
    EXPECT_TRUE(std::filesystem::exists(root / "Result00" / "d_aniso.dup"));
}

TEST_F(ImportTest, StopsReadingAfterTheLastPickedResult) {
    const auto names = allMembers(false, 5, 0);
    ContainerBytes bytes;
    bytes.header("ZRVN", 50, 10).result("first", names);
    bytes.raw(std::string(9 * 127 * 2, '\x01')); // unreadable from here on
    ContainerReader reader(container(bytes));
    std::vector<bool> picked(10, false);
    picked[0] = true;
    const ExtractOutcome outcome = extractResults(reader, root, {picked, true, {}, {}});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.storedNames, std::vector<std::string>{"first"});
}

TEST_F(ImportTest, CancelKeepsTheResultsFinishedBefore) {
    const auto names = allMembers(false, 5, 0);
    ContainerBytes bytes;
    bytes.header("ZRVN", 50, 5);
    for (const char* name : {"r1", "r2", "r3", "r4", "r5"})
        bytes.result(name, names);
    ContainerReader reader(container(bytes));
    int finished = 0;
    ExtractRequest request{std::vector<bool>(5, true), true, [&] { return finished == 2; },
                           [&](int done) { finished = done; }};
    const ExtractOutcome outcome = extractResults(reader, root, request);
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(outcome.storedNames, (std::vector<std::string>{"r1", "r2"}));
    // The result being unpacked when Cancel was seen stays on disk but is not handed out.
    EXPECT_TRUE(std::filesystem::exists(root / "Result02" / "o_ham.dup"));
}

TEST_F(ImportTest, RefusesTraversalNamesWithoutWritingOutside) {
    for (const char* evil : {"../escaped.dup", "..", "", "/tmp/abs.dup", "sub\\x.dup"}) {
        auto names = allMembers(false, 5, 0);
        names[0] = evil;
        ContainerReader reader(
            container(ContainerBytes().header("ZRVN", 50, 1).result("bad", names)));
        try {
            extractResults(reader, root, {{true}, true, {}, {}});
            ADD_FAILURE() << "accepted " << evil;
        } catch (const ContainerRefused& e) {
            EXPECT_NE(std::string(e.what()).find("\"bad\""), std::string::npos) << e.what();
        }
        EXPECT_FALSE(std::filesystem::exists(root / "escaped.dup"));
        EXPECT_FALSE(std::filesystem::exists(dir / "escaped.dup"));
    }
}

TEST_F(ImportTest, ReportsAMemberFileThatCannotBeCreated) {
    auto names = allMembers(false, 5, 0);
    names[1] = std::string(300, 'n'); // longer than any file name may be
    ContainerReader reader(container(ContainerBytes()
                                         .header("ZRVN", 50, 2)
                                         .result("good", allMembers(false, 5, 0))
                                         .result("bad", names)));
    const ExtractOutcome outcome = extractResults(reader, root, {{true, true}, true, {}, {}});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error.rfind("File error #", 0), 0u);
    EXPECT_EQ(outcome.storedNames, std::vector<std::string>{"good"});
}
