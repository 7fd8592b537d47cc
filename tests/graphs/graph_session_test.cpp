#include "graphs/graph_session.h"

#include "base/binary_file.h"
#include "graphs/axis_range.h"
#include "resultdata/dup_reader.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vintrel {
namespace {

namespace fs = std::filesystem;

const char* const kChiHeader = "Susceptibility graph:\r\n  range      exponent\r\n";

std::string chiSettings(const std::string& rangeLine, const std::string& markers = {}) {
    return kChiHeader + rangeLine + "\r\nMarkers: temp  chi\r\n" + markers;
}

/// Three ordinary results: Result00 and Result01 with markers of their own, Result02 with
/// no settings file yet.
struct ThreeResults {
    test::WorkingRoot root;
    ThreeResults() {
        const auto settings = [](const std::string& markers) {
            return test::ResultRecipe::withoutInputFiles().withFile(
                "g_chi.dup", chiSettings("    4.0000     -2", markers));
        };
        root.write("Result00", settings(" 10.0000   0.021000\r\n"));
        root.write("Result01", settings(" 20.0000   0.015000\r\n 30.0000   0.012000\r\n"));
        root.write("Result02", test::ResultRecipe::withoutInputFiles());
    }
    fs::path folder(int i) const { return root.folder("Result0" + std::to_string(i)); }
    std::string file(int i) const { return test::readFile(folder(i) / "g_chi.dup"); }
    std::vector<fs::path> all() const { return {folder(0), folder(1), folder(2)}; }
};

AxisRange fromData() {
    return niceRange(0.0345);
}

TEST(GraphSettingsSession, AMissingFileIsMadeFromTheData) {
    ThreeResults results;
    GraphSettingsSession session(GraphSettingsKind::Chi);
    const auto outcome = session.load(results.folder(2), fromData);
    EXPECT_TRUE(outcome.created);
    EXPECT_TRUE(outcome.problem.empty());
    EXPECT_EQ(results.file(2), chiSettings("    4.0000     -2"));
    EXPECT_EQ(session.range(), (AxisRange{0, 4, -2}));
    EXPECT_TRUE(session.markers().empty());

    // Without the data there is no default to store: nothing is written.
    fs::remove(results.folder(2) / "g_chi.dup");
    const auto noData =
        session.load(results.folder(2), []() -> AxisRange { throw InputError("no data here"); });
    EXPECT_FALSE(noData.created);
    EXPECT_EQ(noData.problem, "no data here");
    EXPECT_FALSE(fs::exists(results.folder(2) / "g_chi.dup"));
    EXPECT_EQ(session.range(), (AxisRange{0, 1, 0}));
}

TEST(GraphSettingsSession, ADamagedFileIsReportedAndLeftAlone) {
    ThreeResults results;
    const std::string damaged = chiSettings("    four     -2", " 10.0000   0.021000\r\n");
    results.root.write("Result00",
                       test::ResultRecipe::withoutInputFiles().withFile("g_chi.dup", damaged));
    GraphSettingsSession session(GraphSettingsKind::Chi);
    const auto outcome = session.load(results.folder(0), fromData);
    EXPECT_FALSE(outcome.created);
    EXPECT_NE(outcome.problem.find("line 3"), std::string::npos) << outcome.problem;
    EXPECT_EQ(session.range(), (AxisRange{0, 4, -2})); // the default, in memory only
    EXPECT_EQ(results.file(0), damaged);

    // A stored range that cannot be drawn (0) is replaced in memory, the file kept.
    const std::string zero = chiSettings("    0.0000      0", " 10.0000   0.021000\r\n");
    results.root.write("Result00",
                       test::ResultRecipe::withoutInputFiles().withFile("g_chi.dup", zero));
    session.load(results.folder(0), fromData);
    EXPECT_EQ(session.range(), (AxisRange{0, 4, -2}));
    EXPECT_EQ(session.markers(), (xy_array{{10, 0.021}}));
    EXPECT_EQ(results.file(0), zero);
}

TEST(GraphSettingsSession, ThePadlockCopiesARangeToEveryResultKeepingTheirMarkers) {
    ThreeResults results;
    GraphSettingsSession session(GraphSettingsKind::Chi);
    session.load(results.folder(0), fromData);

    // Released: only this result.
    ASSERT_TRUE(session.setRange({0, 7, -2}, results.all()));
    EXPECT_EQ(results.file(0), chiSettings("    7.0000     -2", " 10.0000   0.021000\r\n"));
    EXPECT_EQ(results.file(1),
              chiSettings("    4.0000     -2", " 20.0000   0.015000\r\n 30.0000   0.012000\r\n"));
    EXPECT_FALSE(fs::exists(results.folder(2) / "g_chi.dup"));

    // Down: "set" with 5 writes range 5 and the current exponent into every result.
    session.setPadlock(true);
    std::vector<std::string> problems;
    ASSERT_TRUE(session.setRange({0, 5, -2}, results.all(), &problems));
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(results.file(0), chiSettings("    5.0000     -2", " 10.0000   0.021000\r\n"));
    EXPECT_EQ(results.file(1),
              chiSettings("    5.0000     -2", " 20.0000   0.015000\r\n 30.0000   0.012000\r\n"));
    EXPECT_EQ(results.file(2), chiSettings("    5.0000     -2"));

    // A damaged file elsewhere is named and left as it is; the others are written.
    results.root.write("Result01",
                       test::ResultRecipe::withoutInputFiles().withFile("g_chi.dup", "damaged"));
    ASSERT_TRUE(session.setRange({0, 6, -2}, results.all(), &problems));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find((results.folder(1) / "g_chi.dup").string()), std::string::npos);
    EXPECT_EQ(results.file(1), "damaged");
    EXPECT_EQ(results.file(2), chiSettings("    6.0000     -2"));

    // A range that cannot be drawn is refused and nothing is written.
    EXPECT_FALSE(session.setRange({0, 0, 0}, results.all()));
    EXPECT_EQ(results.file(2), chiSettings("    6.0000     -2"));
}

TEST(GraphSettingsSession, MarkersFollowTheirResultThroughASwitch) {
    ThreeResults results;
    const std::vector<double> temperatures = {10, 20, 30};
    GraphSettingsSession session(GraphSettingsKind::Chi);
    session.load(results.folder(0), fromData);
    EXPECT_EQ(markerListRows(session.markers(), temperatures),
              (std::vector<MarkerRow>{{"10", "0.021"}, {"20.00", "0"}, {"30.00", "0"}}));

    session.load(results.folder(1), fromData);
    std::vector<MarkerRow> rows = markerListRows(session.markers(), temperatures);
    EXPECT_EQ(rows, (std::vector<MarkerRow>{{"10.00", "0"}, {"20", "0.015"}, {"30", "0.012"}}));
    // The first edit of the list writes this result's markers, not the previous one's.
    rows[0].value = "0.03";
    session.setMarkers(markersFromRows(rows));
    EXPECT_EQ(results.file(1),
              chiSettings("    4.0000     -2", " 10.0000   0.030000\r\n 20.0000   0.015000\r\n"
                                               " 30.0000   0.012000\r\n"));
    EXPECT_EQ(results.file(0), chiSettings("    4.0000     -2", " 10.0000   0.021000\r\n"));

    // A failed write throws and leaves the session and the file as they were.
    fs::remove_all(results.folder(1));
    EXPECT_THROW(session.setMarkers({}), FileError);
    EXPECT_EQ(session.markers().size(), 3u);
}

TEST(MarkerList, RowsAndMarkers) {
    // Stored markers between the data temperatures keep their place and their digits.
    EXPECT_EQ(
        markerListRows({{12.5, 4e-7}, {1.5, 2}}, {1, 12}),
        (std::vector<MarkerRow>{{"1.00", "0"}, {"1.5", "2"}, {"12.00", "0"}, {"12.5", "4e-07"}}));
    EXPECT_EQ(markerTemplateRows({1.234, 200}),
              (std::vector<MarkerRow>{{"1.23", "0"}, {"200.00", "0"}}));
    const std::vector<MarkerRow> rows = {
        {"12.5", "0.021"}, {" 13 ", "1,5"}, {"14", "0"},     {"", "3"},
        {"x", "1"},        {"15", ""},      {"16", "1e999"}, {"17", "-2e-3"},
    };
    EXPECT_EQ(markersFromRows(rows), (xy_array{{12.5, 0.021}, {13, 1.5}, {17, -2e-3}}));
}

TEST(FileStamps, SeeSizeTimeAndPresence) {
    test::TempDir dir;
    const std::vector<fs::path> files = {dir / "a.dup", dir / "b.dup"};
    const FileStamps none = FileStamps::of(files);
    test::writeResult(dir.path(), test::ResultRecipe::withoutInputFiles().withFile("a.dup", "1"));
    const FileStamps one = FileStamps::of(files);
    EXPECT_NE(one, none);
    EXPECT_EQ(FileStamps::of(files), one);
    const auto time = fs::last_write_time(dir / "a.dup");
    fs::last_write_time(dir / "a.dup", time + std::chrono::seconds(3));
    EXPECT_NE(FileStamps::of(files), one);
}

} // namespace
} // namespace vintrel
