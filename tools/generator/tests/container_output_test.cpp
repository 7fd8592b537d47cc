#include "container_output.h"
#include "examples.h"

#include "containers/container_format.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>

namespace vintrel::generator {
namespace {

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("vintrel-gen-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::vector<ListedResult> listContainer(const std::filesystem::path& path, bool& meanField) {
    ContainerReader reader(BinaryFile::open(path, BinaryFile::Mode::Read), path.string());
    meanField = reader.header().meanField;
    return listResults(reader);
}

/// Every mandatory member of the container's kind is present with data.
void expectComplete(const std::filesystem::path& path, const ExampleContainer& expected) {
    bool meanField = false;
    const std::vector<ListedResult> results = listContainer(path, meanField);
    EXPECT_EQ(meanField, expected.meanField) << path;
    ASSERT_EQ(results.size(), expected.results.size()) << path;
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i].name, expected.results[i].name);
        std::set<std::string> mandatory;
        for (const MemberGroup& g : memberGroups(expected.meanField, 5, 0)) {
            mandatory.insert(g.members.begin(), g.members.end());
        }
        for (const ListedMember& m : results[i].members) {
            if (mandatory.erase(m.name) == 1) {
                EXPECT_GT(m.size, 0) << path << ": " << m.name;
            }
        }
        EXPECT_TRUE(mandatory.empty()) << path << ": missing " << *mandatory.begin();
        if (!expected.meanField) {
            bool spectro = false;
            for (const ListedMember& m : results[i].members) {
                spectro = spectro || (m.name == "o_spectro.dup" && m.size > 0);
            }
            EXPECT_TRUE(spectro) << path;
        }
    }
}

TEST(ContainerOutput, WrittenContainersHoldEveryMandatoryMember) {
    ScratchFolder scratch;
    for (const ExampleContainer& c : allExamples()) {
        const auto path = writeExampleContainer(c, scratch.path() / "out", scratch.path() / "work");
        EXPECT_EQ(path.filename(), c.fileName);
        EXPECT_LT(std::filesystem::file_size(path), 1024u * 1024u);
        expectComplete(path, c);
    }
}

TEST(ContainerOutput, ShippedExamplesHoldEveryMandatoryMember) {
    const std::filesystem::path examples = std::filesystem::path(VINTREL_SOURCE_DIR) / "examples";
    for (const ExampleContainer& c : allExamples()) {
        expectComplete(examples / c.fileName, c);
    }
}

} // namespace
} // namespace vintrel::generator
