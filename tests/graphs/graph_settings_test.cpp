#include "graphs/graph_settings.h"

#include "base/binary_file.h"
#include "graphs/axis_range.h"
#include "resultdata/dup_reader.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace vintrel {
namespace {

GraphSettings settings(double bottom, double range, int exponent, xy_array markers = {}) {
    return {{bottom, range, exponent}, std::move(markers)};
}

struct FormatCase {
    GraphSettingsKind kind;
    GraphSettings settings;
    std::string bytes;
};

// Every file of the store, each with the layout its readers expect.
const std::vector<FormatCase>& formatCases() {
    static const std::vector<FormatCase> cases = {
        {GraphSettingsKind::Chi, settings(0, 4, -2),
         "Susceptibility graph:\r\n  range      exponent\r\n    4.0000     -2\r\n"
         "Markers: temp  chi\r\n"},
        {GraphSettingsKind::Chi, settings(0, 5, 0, {{12.5, 0.021}}),
         "Susceptibility graph:\r\n  range      exponent\r\n    5.0000      0\r\n"
         "Markers: temp  chi\r\n 12.5000   0.021000\r\n"},
        {GraphSettingsKind::InvChi, settings(0, 35, 1, {{100, 71.5}, {200, 142.25}}),
         "Inv. susceptibility graph\r\n  range      exponent\r\n   35.0000      1\r\n"
         "Markers: temp  1/chi\r\n100.0000  71.500000\r\n200.0000 142.250000\r\n"},
        {GraphSettingsKind::SpecificHeat, settings(0, 12, 0, {{3, 1.5}}),
         "Specific heat graph range:\r\n   12.0000\r\nMarkers: temp  spec.heat\r\n"
         "  3.0000   1.500000\r\n"},
        {GraphSettingsKind::Entropy, settings(0, 14, 0),
         "Entropy graph range:\r\n   14.0000\r\nMarkers: temp  entropy\r\n"},
        {GraphSettingsKind::Moment, settings(0, 3.5, 0, {{10, -1}}),
         "Magnetic moment graph range:\r\n3.5000\r\nMarkers: temp  value\r\n"
         " 10.0000  -1.000000\r\n"},
        {GraphSettingsKind::Anisotropy, settings(-12, 30, 0),
         "Anisotropy graph range:\r\n-12.0000 30.0000\r\nMarkers: temp  value\r\n"},
        {GraphSettingsKind::EnergyView, settings(-10, 250, 0),
         "Energy view range (relative to ground energy level)\r\n    min        max\r\n"
         "-10.0000 250.0000\r\n"},
    };
    return cases;
}

TEST(GraphSettings, EachKindIsWrittenByteForByteAndReadBack) {
    for (const FormatCase& c : formatCases()) {
        SCOPED_TRACE(settingsFileName(c.kind));
        EXPECT_EQ(formatGraphSettings(c.kind, c.settings), c.bytes);
        EXPECT_EQ(parseGraphSettings(c.kind, "f", c.bytes), c.settings);
    }
}

TEST(GraphSettings, ANiceRangeOfTheLargestChiMakesTheDefaultLine) {
    // A missing "g_chi.dup" with a largest χ of 0.0345: four blanks, 4.0000, five blanks, -2.
    const std::string bytes = formatGraphSettings(GraphSettingsKind::Chi, {niceRange(0.0345), {}});
    EXPECT_NE(bytes.find("\r\n    4.0000     -2\r\n"), std::string::npos);
}

TEST(GraphSettings, NumbersTheLayoutCannotHoldAreWrittenInFull) {
    struct Case {
        double value;
        int width;
        int decimals;
        std::string text;
    };
    const Case cases[] = {
        {0.021, 10, 6, "  0.021000"},
        {4e-7, 10, 6, "     4e-07"},         // "0.000000" would mean "no marker"
        {1.234567e-3, 10, 6, "0.001234567"}, // six decimals lose more than 1e-6
        {1.5e-3, 10, 6, "  0.001500"},
        {123456789.125, 8, 4, "123456789.1250"},
        {-3.25, 0, 4, "-3.2500"},
        {1e-9, 0, 4, "1e-09"},
        {0, 8, 4, "  0.0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(settingsNumber(c.value, c.width, c.decimals), c.text);
    }
    // What is written reads back to the value within the rule, also for tiny markers.
    const GraphSettings tiny = settings(0, 2.5e-8, 0, {{0.3333333333, 4e-7}, {2, 1.234567e-3}});
    const GraphSettings back = parseGraphSettings(
        GraphSettingsKind::Moment, "f", formatGraphSettings(GraphSettingsKind::Moment, tiny));
    EXPECT_EQ(back.axis.range, 2.5e-8);
    ASSERT_EQ(back.markers.size(), 2u);
    EXPECT_NEAR(back.markers[0].x, 0.3333333333, 1e-6 * 0.3333333333);
    EXPECT_EQ(back.markers[0].y, 4e-7);
    EXPECT_NEAR(back.markers[1].y, 1.234567e-3, 1e-6 * 1.234567e-3);
}

TEST(GraphSettings, ReadingPassesOverBlankLinesAndRejectsDamage) {
    const std::string good = "Entropy graph range:\n  7\nMarkers: temp  entropy\n\n3 4 extra\n\n";
    const GraphSettings read = parseGraphSettings(GraphSettingsKind::Entropy, "g", good);
    EXPECT_EQ(read, settings(0, 7, 0, {{3, 4}}));

    struct Bad {
        GraphSettingsKind kind;
        std::string bytes;
        std::string where;
    };
    const Bad bad[] = {
        {GraphSettingsKind::Entropy, "Entropy graph range:\nseven\n", "g, line 2"},
        {GraphSettingsKind::Chi, "a\nb\n 4.0 -2.5\n", "g, line 3"},
        {GraphSettingsKind::Chi, "a\nb\n 4.0\n", "g, line 3"},
        {GraphSettingsKind::SpecificHeat, "a\n5\nMarkers\n1 2\n3\n", "g, line 5"},
        {GraphSettingsKind::Anisotropy, "a\n", "g"},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.bytes);
        try {
            parseGraphSettings(b.kind, "g", b.bytes);
            ADD_FAILURE() << "read without an error";
        } catch (const InputError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(b.where, 0), 0u) << e.what();
        }
    }
}

TEST(GraphSettings, AnEmptyFileIsAMissingOne) {
    test::TempDir dir;
    EXPECT_FALSE(readGraphSettings(dir.path(), GraphSettingsKind::Chi));
    test::writeResult(dir.path(), test::ResultRecipe::withoutInputFiles().emptied("g_chi.dup"));
    EXPECT_FALSE(readGraphSettings(dir.path(), GraphSettingsKind::Chi));
    writeGraphSettings(dir.path(), GraphSettingsKind::Chi, settings(0, 5, 0));
    EXPECT_EQ(readGraphSettings(dir.path(), GraphSettingsKind::Chi), settings(0, 5, 0));
}

TEST(GraphSettings, AFailedWriteLeavesTheOldFile) {
    test::TempDir dir;
    const GraphSettings old = settings(0, 14, 0, {{1, 2}, {3, 4}});
    writeGraphSettings(dir.path(), GraphSettingsKind::Entropy, old);
    const std::string before = test::readFile(dir / "g_entr.dup");

    // A file size limit makes the writing itself fail half-way.
    xy_array many(200, xy_pts{123.5, 7.25});
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(
        writeGraphSettings(dir.path(), GraphSettingsKind::Entropy, settings(0, 20, 0, many)),
        FileError);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(test::readFile(dir / "g_entr.dup"), before);

    // A range that cannot be written is refused before anything is written.
    EXPECT_THROW(writeGraphSettings(dir.path(), GraphSettingsKind::Entropy,
                                    settings(0, std::numeric_limits<double>::infinity(), 0)),
                 std::invalid_argument);
    EXPECT_EQ(test::readFile(dir / "g_entr.dup"), before);
    EXPECT_THROW(writeEnergyView(dir / "missing", 1, 0), FileError);
}

} // namespace
} // namespace vintrel
