#include "containers/container_format.h"

#include "containers/container_bytes.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace vintrel;
using vintrel::test::ContainerBytes;
using vintrel::test::TempDir;

namespace {

std::vector<int> groupNumbers(bool meanField, std::int32_t word) {
    const Version v = decodeVersion(word);
    std::vector<int> numbers;
    for (const MemberGroup& g : memberGroups(meanField, v.major, v.minor))
        numbers.push_back(g.number);
    return numbers;
}

std::string refusal(const std::filesystem::path& path) {
    try {
        ContainerReader reader(path);
    } catch (const ContainerRefused& e) {
        return e.what();
    }
    return "accepted";
}

const std::vector<std::string>& dataMembers() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const MemberGroup& g : memberGroups(false, 5, 0))
            all.insert(all.end(), g.members.begin(), g.members.end());
        return all;
    }();
    return names;
}

} // namespace

TEST(ContainerVersion, DecodesOldAndNewWords) {
    struct Case {
        std::int32_t word;
        int major, minor;
    } cases[] = {{2, 2, 0},  {3, 3, 3},  {4, 4, 4}, {50, 5, 0},   {53, 5, 3},
                 {55, 5, 5}, {60, 6, 0}, {7, 0, 7}, {-13, -1, -3}};
    for (const Case& c : cases) {
        const Version v = decodeVersion(c.word);
        EXPECT_EQ(v.major, c.major) << c.word;
        EXPECT_EQ(v.minor, c.minor) << c.word;
    }
}

TEST(ContainerVersion, GatesMemberGroups) {
    EXPECT_EQ(groupNumbers(false, 2), (std::vector<int>{1}));
    EXPECT_EQ(groupNumbers(false, 3), (std::vector<int>{1, 3}));
    EXPECT_EQ(groupNumbers(false, 4), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(groupNumbers(false, 50), (std::vector<int>{1, 2}));
    EXPECT_EQ(groupNumbers(false, 53), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(groupNumbers(false, 55), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(groupNumbers(true, 50), (std::vector<int>{6}));
    EXPECT_EQ(groupNumbers(true, 3), (std::vector<int>{6, 7}));
    EXPECT_EQ(groupNumbers(true, 55), (std::vector<int>{6, 7}));
    const auto groups = memberGroups(false, 5, 5);
    EXPECT_EQ(groups[0].members.size(), 12u);
    EXPECT_EQ(groups[0].members[9], "d_moment.dup");
    EXPECT_FALSE(groups[1].optional);
    EXPECT_TRUE(groups[2].optional);
    EXPECT_EQ(memberGroups(true, 5, 5)[0].members.size(), 13u);
    EXPECT_EQ(memberGroups(true, 5, 5)[1].members.size(), 7u);
}

TEST(ContainerDescription, DecodesTheThreeFieldForms) {
    std::string prefixed = "\xFF" + std::string(254, 'x');
    EXPECT_EQ(decodeDescriptionField(prefixed), std::string(254, 'x'));
    std::string plain(255, 'y');
    EXPECT_EQ(decodeDescriptionField(plain), std::string(254, 'y'));
    EXPECT_EQ(decodeDescriptionField(std::string(255, ' ')), "");
    std::string padded = "\xFF"
                         "Cerium  cubic";
    padded.resize(255, ' ');
    EXPECT_EQ(decodeDescriptionField(padded), "Cerium  cubic");
}

TEST(ContainerDescription, EncodesCutAndPadded) {
    EXPECT_EQ(encodeDescriptionField(""), "\xFF" + std::string(254, ' '));
    const std::string field = encodeDescriptionField(std::string(300, 'z'));
    EXPECT_EQ(field.size(), 255u);
    EXPECT_EQ(decodeDescriptionField(field), std::string(254, 'z'));
    // Windows-1252 bytes pass unchanged.
    EXPECT_EQ(decodeDescriptionField(encodeDescriptionField("\xB5\x80\x9F")), "\xB5\x80\x9F");
}

TEST(ContainerHeader, RefusesInTheDocumentedOrder) {
    TempDir dir;
    const auto path = dir / "c.zrvn";
    EXPECT_EQ(refusal(path), "Cannot open file:\r" + path.string());
    EXPECT_EQ(refusal(dir.path()), "Cannot open file:\r" + dir.path().string());

    test::writeFile(path, std::string(262, 'Z'));
    EXPECT_EQ(refusal(path), "Damaged or not Zorvane file:\r" + path.string());

    test::writeFile(path, ContainerBytes().header("ZRVX", 55, 0).bytes());
    EXPECT_EQ(refusal(path), "Damaged or not Zorvane file:\r" + path.string());
    test::writeFile(path, ContainerBytes().header("zrvn", 55, 0).bytes());
    EXPECT_EQ(refusal(path), "Damaged or not Zorvane file:\r" + path.string());
    // The magic is checked before the version.
    test::writeFile(path, ContainerBytes().header("ABCD", 60, 0).bytes());
    EXPECT_EQ(refusal(path), "Damaged or not Zorvane file:\r" + path.string());

    test::writeFile(path, ContainerBytes().header("ZRVN", 60, 0).bytes());
    EXPECT_EQ(refusal(path),
              "File is from newer Zorvane version and cannot be opened:\r" + path.string());
    test::writeFile(path, ContainerBytes().header("ZMFA", 59, 0).bytes());
    EXPECT_EQ(refusal(path), "accepted");
}

TEST(ContainerHeader, ReadsAnEmptyContainer) {
    TempDir dir;
    const auto path = dir / "empty.zrvn";
    test::writeFile(path, ContainerBytes().header("ZRVN", 55, 0, "nothing here").bytes());
    ASSERT_EQ(std::filesystem::file_size(path), 267u);
    ContainerReader reader(path);
    EXPECT_FALSE(reader.header().meanField);
    EXPECT_EQ(reader.header().description, "nothing here");
    EXPECT_EQ(reader.header().resultsOffset, 267);
    EXPECT_TRUE(listResults(reader).empty());
}

TEST(ContainerHeader, AcceptsUtf16MagicWithShiftedFields) {
    TempDir dir;
    const auto path = dir / "wide.mfa";
    const std::string wide("Z\0M\0F\0A\0", 8);
    std::string field(255, ' ');
    field.replace(0, 4, "wide");
    test::writeFile(path, ContainerBytes().magic(wide).int32(3).int32(0).raw(field).bytes());
    ContainerReader reader(path);
    EXPECT_TRUE(reader.header().meanField);
    EXPECT_EQ(reader.header().major, 3);
    EXPECT_EQ(reader.header().description, "wide");
    EXPECT_EQ(reader.header().resultsOffset, 271);
}

TEST(ContainerHeader, RefusesImpossibleResultCounts) {
    TempDir dir;
    const auto path = dir / "c.zrvn";
    for (std::int32_t count : {-1, 1000000, 0x7FFFFFFF}) {
        test::writeFile(
            path, ContainerBytes().header("ZRVN", 50, count).result("one", dataMembers()).bytes());
        EXPECT_EQ(refusal(path), "Damaged or not Zorvane file:\r" + path.string()) << count;
    }
}

TEST(ContainerWalk, ListsNamesAndMembersAsStored) {
    TempDir dir;
    const auto path = dir / "two.zrvn";
    auto members = dataMembers();
    members[3] = "renamed.dup";
    test::writeFile(path, ContainerBytes()
                              .header("ZRVN", 50, 2, "two results")
                              .result("First", dataMembers())
                              .result("Zweit\xE9", members)
                              .bytes());
    ContainerReader reader(path);
    const auto results = listResults(reader);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].name, "First");
    EXPECT_EQ(results[1].name, "Zweit\xE9");
    ASSERT_EQ(results[1].members.size(), 14u);
    EXPECT_EQ(results[1].members[3].name, "renamed.dup");
    EXPECT_EQ(results[1].members[3].size,
              static_cast<std::int64_t>(std::string("renamed.dup data").size()));
    EXPECT_EQ(results[1].members[13].group, 2);
}

TEST(ContainerWalk, DamagedMembersAreReported) {
    TempDir dir;
    const auto path = dir / "bad.zrvn";
    // A negative size.
    test::writeFile(path, ContainerBytes()
                              .header("ZRVN", 2, 1)
                              .name("r")
                              .int64(-5)
                              .name("input_e.dup")
                              .raw(std::string(200, 'x'))
                              .bytes());
    {
        ContainerReader reader(path);
        EXPECT_THROW(listResults(reader), ContainerRefused);
    }
    // A size past the end of the file.
    test::writeFile(path, ContainerBytes()
                              .header("ZRVN", 2, 1)
                              .name("r")
                              .int64(1LL << 40)
                              .name("input_e.dup")
                              .raw(std::string(200, 'x'))
                              .bytes());
    {
        ContainerReader reader(path);
        EXPECT_THROW(listResults(reader), ContainerRefused);
    }
    // A record cut short inside a member header.
    test::writeFile(path, ContainerBytes()
                              .header("ZRVN", 2, 1)
                              .name("r")
                              .member("input_e.dup", std::string(200, 'e'))
                              .raw(std::string(90, '\0'))
                              .raw("abc")
                              .bytes());
    {
        ContainerReader reader(path);
        try {
            listResults(reader);
            FAIL() << "no error";
        } catch (const FileError& e) {
            EXPECT_STREQ(e.what(), "Read beyond end of file");
        }
    }
    // More records announced than stored.
    test::writeFile(path,
                    ContainerBytes().header("ZRVN", 50, 2).result("one", dataMembers()).bytes());
    {
        ContainerReader reader(path);
        EXPECT_THROW(listResults(reader), FileError);
    }
}

TEST(ContainerWalk, PositionsBeyondTwoGibibytes) {
    TempDir dir;
    const auto path = dir / "huge.zrvn";
    const std::int64_t big = 3LL << 30;
    ContainerBytes head;
    head.header("ZRVN", 50, 1).name("huge");
    const auto& names = dataMembers();
    for (std::size_t m = 0; m + 1 < 12; ++m)
        head.member(names[m], "x");
    head.int64(big).name(names[11]);
    test::writeFile(path, head.bytes());
    // Leave a hole for the big member's data, then write the last two members after it.
    {
        const int fd = ::open(path.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        const std::string tail =
            ContainerBytes().member(names[12], "bn").member(names[13], "ham!").bytes();
        const off_t at = static_cast<off_t>(head.bytes().size()) + big;
        ASSERT_EQ(::pwrite(fd, tail.data(), tail.size(), at), static_cast<ssize_t>(tail.size()));
        ::close(fd);
    }
    ContainerReader reader(path);
    const auto results = listResults(reader);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].members[11].size, big);
    EXPECT_EQ(results[0].members[13].name, "o_ham.dup");
    EXPECT_EQ(results[0].members[13].size, 4);
}

TEST(ContainerWriter, WritesTheDocumentedLayout) {
    TempDir dir;
    const auto folder = dir / "Result00";
    test::writeResult(folder,
                      test::ResultRecipe::withoutInputFiles().withFile(kInputEFile, "58\n"));
    const auto path = dir / "out.mfa";
    writeContainerHeader(path, true, false, 1, "MF run");
    appendResultRecord(path, folder, "Nd", true, false);
    const std::string bytes = test::readFile(path);
    EXPECT_EQ(bytes.substr(0, 12), std::string("ZMFA\x32\0\0\0\x01\0\0\0", 12));
    EXPECT_EQ(bytes.substr(12, 7), "\xFFMF run");
    EXPECT_EQ(bytes.substr(267, 3), std::string("Nd\0", 3));
    EXPECT_EQ(bytes.substr(270, 8), std::string("\x03\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(bytes.substr(278, 15), std::string("input_e.dup\0"
                                                 "58\n",
                                                 15));
    // Missing member files are stored with size 0; the folder is left as it was.
    EXPECT_FALSE(std::filesystem::exists(folder / "d_aniso.dup"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
    ContainerReader reader(path);
    EXPECT_EQ(reader.header().versionWord, 50);
    const auto results = listResults(reader);
    ASSERT_EQ(results[0].members.size(), 13u);
    EXPECT_EQ(results[0].members[12].name, "d_aniso.dup");
    EXPECT_EQ(results[0].members[12].size, 0);
}

TEST(ContainerWriter, FailsLoudlyWhenTheTargetCannotBeWritten) {
    TempDir dir;
    EXPECT_THROW(writeContainerHeader(dir / "no" / "such" / "x.zrvn", false, true, 0, ""),
                 FileError);
}
