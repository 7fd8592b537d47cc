#include "containers/container_save.h"

#include "base/binary_file.h"
#include "base/codepage.h"
#include "containers/container_format.h"
#include "containers/result_import.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace vintrel;
using vintrel::test::TempDir;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> memberNames(bool meanField, bool withOptional) {
    std::vector<std::string> names;
    for (const MemberGroup& g : memberGroups(meanField, 5, withOptional ? 5 : 0))
        names.insert(names.end(), g.members.begin(), g.members.end());
    return names;
}

/// A result folder holding every member of its kind but `missing`, each with its own bytes
/// (zero bytes and high bytes among them).
void fillFolder(const fs::path& folder, bool meanField, int seed, const std::string& missing) {
    fs::create_directories(folder);
    int i = 0;
    for (const std::string& name : memberNames(meanField, true)) {
        ++i;
        if (name == missing)
            continue;
        std::string bytes = name + "\r\n";
        for (int k = 0; k < 97 * (i + seed) % 3000; ++k)
            bytes += static_cast<char>((k * 13 + i + seed) & 0xFF);
        test::writeFile(folder / name, bytes);
    }
}

std::set<std::string> entriesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string failureText(const fs::path& target, const ContainerSave& save) {
    try {
        saveContainer(target, save);
    } catch (const FileError& e) {
        return e.what();
    }
    return "saved";
}

} // namespace

TEST(ContainerSave, WritesEachKindAndVersionAndReadsBackByteForByte) {
    struct Case {
        bool meanField;
        bool withOptional;
        std::int32_t version;
        std::vector<int> groups;
        const char* missing;
    } cases[] = {
        {false, false, 50, {1, 2}, "o_ham.dup"},
        {false, true, 55, {1, 2, 3, 4, 5}, "o_lsspec.dup"},
        {true, false, 50, {6}, "d_aniso.dup"},
        {true, true, 55, {6, 7}, "g_aniso.dup"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.version) + (c.meanField ? " mean-field" : " data"));
        TempDir dir;
        fillFolder(dir / "work" / "Result00", c.meanField, 1, c.missing);
        fillFolder(dir / "work" / "Result01", c.meanField, 2, "");
        const auto before = entriesOf(dir / "work" / "Result00");
        ContainerSave save;
        save.meanField = c.meanField;
        save.withOptional = c.withOptional;
        save.description = utf8ToCp1252("Cer \u00E9t\u00E9 \u20AC");
        save.workingRoot = dir / "work";
        save.results = {{dir / "work" / "Result00", utf8ToCp1252("Erste \u00C4nderung")},
                        {dir / "work" / "Result01", "second"}};
        // The kind decides the magic, never the file's extension.
        const fs::path target = dir / (c.meanField ? "saved.zrvn" : "saved.mfa");
        saveContainer(target, save);

        // The missing member is stored with size 0 and not created.
        EXPECT_EQ(entriesOf(dir / "work" / "Result00"), before);
        EXPECT_EQ(entriesOf(dir.path()),
                  (std::set<std::string>{target.filename().string(), "work"}));

        ContainerReader reader(target);
        EXPECT_EQ(reader.header().meanField, c.meanField);
        EXPECT_EQ(reader.header().versionWord, c.version);
        EXPECT_EQ(test::readFile(target).substr(0, 4), c.meanField ? "ZMFA" : "ZRVN");
        EXPECT_EQ(cp1252ToUtf8(reader.header().description), "Cer \u00E9t\u00E9 \u20AC");
        std::vector<int> groups;
        for (const MemberGroup& g : reader.groups())
            groups.push_back(g.number);
        EXPECT_EQ(groups, c.groups);
        const auto listed = listResults(reader);
        ASSERT_EQ(listed.size(), 2u);
        EXPECT_EQ(cp1252ToUtf8(listed[0].name), "Erste \u00C4nderung");
        int stored = 0;
        for (const ListedMember& member : listed[0].members) {
            if (member.name == c.missing) {
                EXPECT_EQ(member.size, 0);
                ++stored;
            }
        }
        EXPECT_EQ(stored, 1);

        ExtractRequest request;
        request.picked = {true, true};
        request.withOptional = true;
        fs::create_directories(dir / "back");
        const ExtractOutcome outcome = extractResults(reader, dir / "back", request);
        ASSERT_TRUE(outcome.ok) << outcome.error;
        ASSERT_EQ(outcome.folders.size(), 2u);
        for (std::size_t r = 0; r < 2; ++r) {
            const fs::path source = save.results[r].folder;
            for (const std::string& name : memberNames(c.meanField, c.withOptional)) {
                const fs::path back = dir / "back" / outcome.folders[r] / name;
                const std::string expected =
                    fs::exists(source / name) ? test::readFile(source / name) : "";
                EXPECT_EQ(test::readFile(back), expected) << outcome.folders[r] << "/" << name;
            }
        }
        // Optional members stay out of a version 50 container.
        EXPECT_EQ(fs::exists(dir / "back" / outcome.folders[1] / "g_E.dup"), c.withOptional);
    }
}

TEST(ContainerSave, DescriptionIsCutTo254AndAnEmptyOneIsBlanks) {
    TempDir dir;
    fillFolder(dir / "R", false, 3, "");
    ContainerSave save;
    save.results = {{dir / "R", "R"}};
    save.description = std::string(200, 'a') + std::string(55, 'b');
    saveContainer(dir / "long.zrvn", save);
    const std::string bytes = test::readFile(dir / "long.zrvn");
    EXPECT_EQ(bytes.substr(12, 255), "\xFF" + std::string(200, 'a') + std::string(54, 'b'));
    EXPECT_EQ(ContainerReader(dir / "long.zrvn").header().description.size(), 254u);

    save.description.clear();
    saveContainer(dir / "empty.zrvn", save);
    EXPECT_EQ(test::readFile(dir / "empty.zrvn").substr(12, 255), "\xFF" + std::string(254, ' '));
    EXPECT_EQ(ContainerReader(dir / "empty.zrvn").header().description, "");

    save.results.clear();
    saveContainer(dir / "none.zrvn", save);
    EXPECT_EQ(fs::file_size(dir / "none.zrvn"), 267u);
}

TEST(ContainerSave, AFailureHalfWayLeavesTheTargetAsItWas) {
    TempDir dir;
    fillFolder(dir / "work" / "Result00", false, 4, "");
    fillFolder(dir / "work" / "Result01", false, 5, "");
    const fs::path target = dir / "kept.zrvn";
    const std::string old("an old container that must survive\0\xFF", 36);
    test::writeFile(target, old);
    ContainerSave save;
    save.withOptional = true;
    save.workingRoot = dir / "work";
    save.results = {{dir / "work" / "Result00", "A"}, {dir / "work" / "Result01", "B"}};

    // A member of the second result that cannot be read: a folder in its place.
    fs::remove(dir / "work" / "Result01" / "o_neu.dup");
    fs::create_directory(dir / "work" / "Result01" / "o_neu.dup");
    EXPECT_EQ(failureText(target, save),
              "Cannot open file " + (dir / "work" / "Result01" / "o_neu.dup").string());
    EXPECT_EQ(test::readFile(target), old);
    EXPECT_EQ(entriesOf(dir.path()), (std::set<std::string>{"kept.zrvn", "work"}));
    fs::remove(dir / "work" / "Result01" / "o_neu.dup");

    // A write that fails: the file size limit stops the partial file half-way.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit small = oldLimit;
    small.rlim_cur = 4000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string text = failureText(target, save);
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_NE(text, "saved");
    EXPECT_NE(text.find(target.string()), std::string::npos) << text;
    EXPECT_EQ(text.find(".part-"), std::string::npos) << text;
    EXPECT_EQ(test::readFile(target), old);
    EXPECT_EQ(entriesOf(dir.path()), (std::set<std::string>{"kept.zrvn", "work"}));

    // The same save goes through once nothing stops it.
    saveContainer(target, save);
    ContainerReader reader(target);
    EXPECT_EQ(listResults(reader).size(), 2u);
}

TEST(ContainerSave, RefusesTargetsInsideTheWorkingRootOrAResultFolder) {
    TempDir dir;
    fillFolder(dir / "work" / "Result00", false, 6, "");
    fs::create_directories(dir / "elsewhere");
    const fs::path member = dir / "work" / "Result00" / "o_E.dup";
    const std::string memberBytes = test::readFile(member);
    fs::create_symlink(member, dir / "elsewhere" / "link.zrvn");
    fs::create_symlink(dir / "work", dir / "elsewhere" / "work-link");
    mkfifo((dir / "elsewhere" / "pipe").c_str(), 0600);

    ContainerSave viewer;
    viewer.workingRoot = dir / "work";
    viewer.results = {{dir / "work" / "Result00", "A"}};
    ContainerSave pack = viewer;
    pack.workingRoot.clear();

    struct Case {
        fs::path target;
        const ContainerSave& save;
        const char* message;
    } cases[] = {
        {member, viewer, kMsgTargetInWorkingRoot},
        {dir / "work" / "new.zrvn", viewer, kMsgTargetInWorkingRoot},
        {dir / "work" / "Result00" / ".." / "x.zrvn", viewer, kMsgTargetInWorkingRoot},
        {dir / "elsewhere" / "link.zrvn", viewer, kMsgTargetInWorkingRoot},
        {dir / "elsewhere" / "work-link" / "x.zrvn", viewer, kMsgTargetInWorkingRoot},
        {member, pack, kMsgTargetInResultFolder},
        {dir / "elsewhere" / "link.zrvn", pack, kMsgTargetInResultFolder},
        {dir / "elsewhere" / "pipe", pack, kMsgTargetNotAFile},
        {dir / "elsewhere", pack, kMsgTargetNotAFile},
    };
    for (const Case& c : cases)
        EXPECT_EQ(failureText(c.target, c.save), c.message + c.target.string()) << c.target;
    EXPECT_EQ(test::readFile(member), memberBytes);
    EXPECT_EQ(entriesOf(dir / "work" / "Result00").size(), memberNames(false, true).size());
    EXPECT_EQ(entriesOf(dir / "work"), std::set<std::string>{"Result00"});
    EXPECT_TRUE(fs::is_fifo(dir / "elsewhere" / "pipe"));

    // A name that only starts like the working root is somewhere else.
    fs::create_directories(dir / "work2");
    EXPECT_EQ(failureText(dir / "work2" / "x.zrvn", viewer), "saved");
}
