#include "cli/cli.h"

#include "containers/container_bytes.h"
#include "containers/container_format.h"
#include "support/cli_run.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using namespace vintrel;
using vintrel::test::TempDir;

using vintrel::test::cli;
using vintrel::test::CliRun;

namespace {

std::vector<std::string> memberNames(bool meanField, bool withOptional) {
    std::vector<std::string> names;
    for (const MemberGroup& g : memberGroups(meanField, 5, withOptional ? 5 : 0))
        names.insert(names.end(), g.members.begin(), g.members.end());
    return names;
}

// A result folder whose members hold distinct bytes, zero bytes and high bytes among them.
void fillResultFolder(const std::filesystem::path& folder, bool meanField, int seed) {
    test::ResultRecipe recipe = test::ResultRecipe::withoutInputFiles();
    int i = 0;
    for (const std::string& name : memberNames(meanField, true)) {
        std::string bytes;
        for (int k = 0; k < 37 * (i + seed) % 5000; ++k)
            bytes += static_cast<char>((k * 7 + i + seed) & 0xFF);
        recipe.withFile(name, bytes);
        ++i;
    }
    test::writeResult(folder, recipe);
}

std::set<std::string> filesUnder(const std::filesystem::path& root) {
    std::set<std::string> files;
    for (auto& entry : std::filesystem::recursive_directory_iterator(root))
        files.insert(std::filesystem::relative(entry.path(), root).string());
    return files;
}

} // namespace

TEST(Cli, RoundTripsEveryMemberByteForByte) {
    for (bool meanField : {false, true}) {
        for (bool withOptional : {false, true}) {
            SCOPED_TRACE(std::string(meanField ? "mean-field" : "data") +
                         (withOptional ? " with optional" : " without optional"));
            TempDir dir;
            fillResultFolder(dir / "src" / "Ce1", meanField, 1);
            fillResultFolder(dir / "src" / "Ce2", meanField, 2);
            const std::string out = (dir / "out.zrvn").string();
            std::vector<std::string> pack = {"pack",
                                             out,
                                             (dir / "src" / "Ce1").string(),
                                             (dir / "src" / "Ce2").string() + "=Zweite \u00E9",
                                             "--description",
                                             "Test \u20AC"};
            if (meanField)
                pack.push_back("--mean-field");
            if (withOptional)
                pack.push_back("--optional");
            ASSERT_EQ(cli(pack).status, 0);

            const CliRun info = cli({"info", out, "--json"});
            ASSERT_EQ(info.status, 0) << info.err;
            const std::string kind = meanField ? "mean-field" : "data";
            const std::string version = withOptional ? "55" : "50";
            EXPECT_EQ(
                info.out.rfind(
                    "{\"kind\": \"" + kind + "\", \"version\": " + version +
                        ", \"major\": 5, \"minor\": " + (withOptional ? "5" : "0") +
                        ", \"description\": \"Test \u20AC\", \"results\": [{\"name\": \"Ce1\"",
                    0),
                0u)
                << info.out;
            EXPECT_NE(info.out.find("{\"name\": \"Zweite \u00E9\", \"members\": ["),
                      std::string::npos);

            const CliRun extract = cli({"extract", out, (dir / "work").string()});
            ASSERT_EQ(extract.status, 0) << extract.err;
            EXPECT_EQ(extract.out, "Ce1 -> Result00\nZweite \u00E9 -> Result01\n");
            for (const auto& [folder, source] :
                 {std::pair{"Result00", "Ce1"}, {"Result01", "Ce2"}}) {
                const auto names = memberNames(meanField, withOptional);
                for (const std::string& name : names)
                    EXPECT_EQ(test::readFile(dir / "work" / folder / name),
                              test::readFile(dir / "src" / source / name))
                        << folder << "/" << name;
                EXPECT_EQ(filesUnder(dir / "work" / folder).size(), names.size() + 1);
            }
        }
    }
}

TEST(Cli, PicksResultsByNameAndLeavesOptionalOut) {
    TempDir dir;
    fillResultFolder(dir / "A", false, 3);
    fillResultFolder(dir / "B", false, 4);
    const std::string out = (dir / "c.zrvn").string();
    ASSERT_EQ(cli({"pack", out, (dir / "A").string(), (dir / "B").string(), "--optional"}).status,
              0);
    const CliRun run =
        cli({"extract", out, (dir / "w").string(), "--result", "B", "--no-optional"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "B -> Result00\n");
    EXPECT_EQ(filesUnder(dir / "w" / "Result00").size(), 14u + 1u);
    EXPECT_EQ(cli({"extract", out, (dir / "w").string(), "--result", "C"}).status, 2);
}

TEST(Cli, UsageErrorsAndRefusals) {
    TempDir dir;
    EXPECT_EQ(cli({}).status, 2);
    EXPECT_EQ(cli({"frobnicate"}).status, 2);
    EXPECT_EQ(cli({"info"}).status, 2);
    EXPECT_EQ(cli({"extract", "only-one"}).status, 2);
    EXPECT_EQ(cli({"pack", "x.zrvn"}).status, 2);

    const CliRun missing = cli({"info", (dir / "none.zrvn").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Cannot open file:\n" + (dir / "none.zrvn").string() + "\n");

    test::writeFile(dir / "new.zrvn", test::ContainerBytes().header("ZRVN", 61, 0).bytes());
    const CliRun newer = cli({"info", (dir / "new.zrvn").string()});
    EXPECT_EQ(newer.status, 1);
    EXPECT_EQ(newer.err, "File is from newer Zorvane version and cannot be opened:\n" +
                             (dir / "new.zrvn").string() + "\n");
}

TEST(Cli, TruncatedContainersFailCleanlyAndStayInTheirFolder) {
    TempDir dir;
    fillResultFolder(dir / "R", false, 5);
    ASSERT_EQ(
        cli({"pack", (dir / "full.zrvn").string(), (dir / "R").string(), "--optional"}).status, 0);
    const std::string full = test::readFile(dir / "full.zrvn");
    // Every cut of the file fails with status 1, never writes beside the target folder.
    for (std::size_t cut = 0; cut < full.size(); cut += 1 + cut / 16) {
        TempDir work;
        test::writeFile(work / "cut.zrvn", full.substr(0, cut));
        const CliRun info = cli({"info", (work / "cut.zrvn").string()});
        const CliRun run = cli({"extract", (work / "cut.zrvn").string(), (work / "out").string()});
        EXPECT_EQ(info.status, 1) << cut;
        EXPECT_EQ(run.status, 1) << cut;
        EXPECT_FALSE(run.err.empty());
        for (const std::string& entry : filesUnder(work.path()))
            EXPECT_TRUE(entry == "cut.zrvn" || entry.rfind("out", 0) == 0) << entry;
    }
}

TEST(Cli, PackReplacesItsTargetOnlyWhenWholeAndLeavesTheFoldersAlone) {
    TempDir dir;
    fillResultFolder(dir / "R", false, 6);
    std::filesystem::remove(dir / "R" / "o_spectro.dup");
    const std::string out = (dir / "c.zrvn").string();
    ASSERT_EQ(cli({"pack", out, (dir / "R").string(), "--optional"}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "R" / "o_spectro.dup"));
    const std::string good = test::readFile(out);

    // A member that cannot be read fails the pack; the container made before stays whole.
    std::filesystem::create_directory(dir / "R" / "o_spectro.dup");
    const CliRun failed = cli({"pack", out, (dir / "R").string(), "--optional"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "Cannot open file " + (dir / "R" / "o_spectro.dup").string() + "\n");
    EXPECT_EQ(test::readFile(out), good);
    EXPECT_EQ(filesUnder(dir.path()).count("c.zrvn"), 1u);
    for (const std::string& entry : filesUnder(dir.path()))
        EXPECT_EQ(entry.find(".part-"), std::string::npos) << entry;

    // A target inside a result folder would overwrite a member: refused.
    const std::string member = (dir / "R" / "o_E.dup").string();
    const std::string before = test::readFile(member);
    const CliRun inside = cli({"pack", member, (dir / "R").string()});
    EXPECT_EQ(inside.status, 1);
    EXPECT_EQ(inside.err, "Cannot save a container inside a result folder:\n" + member + "\n");
    EXPECT_EQ(test::readFile(member), before);
}
