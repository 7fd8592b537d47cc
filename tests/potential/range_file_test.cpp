#include "potential/potential_range.h"

#include "base/binary_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vintrel {
namespace {

using test::TempDir;

TEST(RangeFile, IsWrittenByteForByte) {
    struct Case {
        ValueRange range;
        const char* third;
    };
    const Case cases[] = {
        {{-2413.755045408678, 1531.235872855702}, "-2413.755045 1531.235873"},
        {{0, 0}, "  0.000000   0.000000"},
        {{-0.5, 12345678.25}, " -0.500000 12345678.250000"},
        {{-1e-9, 1e-7}, "  0.000000   0.000000"}, // no sign on a zero
        {{-123456.25, 3.5}, "-123456.250000   3.500000"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        writePotentialRange(dir.path(), c.range);
        EXPECT_EQ(test::readFile(dir / kPotentialRangeFile),
                  std::string("Potential range:\r\n    min        max\r\n") + c.third + "\r\n");
    }
}

TEST(RangeFile, NothingThatIsNotFiniteIsWritten) {
    TempDir dir;
    const double inf = std::numeric_limits<double>::infinity();
    for (const ValueRange& range : {ValueRange{-inf, 1}, ValueRange{0, inf}, ValueRange{0, NAN}}) {
        EXPECT_THROW(writePotentialRange(dir.path(), range), std::domain_error);
        EXPECT_FALSE(std::filesystem::exists(dir / kPotentialRangeFile));
    }
}

TEST(RangeFile, ReadsTheThirdLineAndRefusesWhatItCannotRead) {
    TempDir dir;
    EXPECT_EQ(readPotentialRange(dir.path()), std::nullopt);
    struct Case {
        const char* content;
        std::optional<ValueRange> range;
    };
    const Case cases[] = {
        {"Potential range:\r\n    min        max\r\n -1.500000   2.250000\r\n",
         ValueRange{-1.5, 2.25}},
        {"x\ny\n3 -4 and more\n", ValueRange{3, -4}}, // an inverted range is read as it is
        {"", std::nullopt},                           // empty: missing
        {"Potential range:\r\n    min        max\r\n", std::nullopt},
        {"Potential range:\r\n    min        max\r\n  1.000000\r\n", std::nullopt},
        {"Potential range:\r\n    min        max\r\n Inf NaN\r\n", std::nullopt},
        {"Potential range:\r\n    min        max\r\n-1,5 2,25\r\n", std::nullopt},
        {"Potential range:\r\n    min        max\r\n 1e999 2\r\n", std::nullopt},
    };
    for (const Case& c : cases) {
        test::writeFile(dir / kPotentialRangeFile, c.content);
        EXPECT_EQ(readPotentialRange(dir.path()), c.range) << c.content;
    }
}

TEST(RangeFile, TheRefreshGoesOnWithTheRangeAsReadBack) {
    TempDir dir;
    const ValueRange computed{-2413.755045408678, 1531.235872855702};
    const ValueRange used = potentialRangeForRefresh(dir.path(), computed);
    EXPECT_EQ(used, (ValueRange{-2413.755045, 1531.235873}));
    EXPECT_EQ(readPotentialRange(dir.path()), used);
    // The next refresh reads the file, whatever it computes.
    EXPECT_EQ(potentialRangeForRefresh(dir.path(), {-1, 1}), used);
    // An unreadable file is computed and written again.
    test::writeFile(dir / kPotentialRangeFile,
                    "Potential range:\r\n    min        max\r\nInf 3\r\n");
    EXPECT_EQ(potentialRangeForRefresh(dir.path(), {-1, 1}), (ValueRange{-1, 1}));
    EXPECT_EQ(readPotentialRange(dir.path()), (ValueRange{-1, 1}));
}

TEST(RangeFile, ARangeTheDecimalsWouldCollapseIsWidenedUntilItsEndsStayApart) {
    struct Case {
        ValueRange computed, stored;
    };
    const Case cases[] = {
        {{0, 3e-7}, {0, 1e-6}},     // max rounded down to 0
        {{-4e-7, 0}, {-1e-6, 0}},   // min rounded up to -0
        {{-2e-7, 2e-7}, {0, 1e-6}}, // both inwards: the maximum steps out
        {{1.0000001, 1.0000004}, {1, 1.000001}},
        {{0, 0}, {0, 0}}, // an empty range stays empty
        {{5, 5}, {5, 5}},
        {{-1e-9, 0.4}, {-0, 0.4}}, // apart after rounding: as rounded
    };
    for (const Case& c : cases) {
        const ValueRange stored = rangeAsStored(c.computed);
        EXPECT_DOUBLE_EQ(stored.min, c.stored.min) << c.computed.min << " " << c.computed.max;
        EXPECT_DOUBLE_EQ(stored.max, c.stored.max) << c.computed.min << " " << c.computed.max;
        if (c.computed.min < c.computed.max) {
            EXPECT_LT(stored.min, stored.max);
            // What is stored is what is read back.
            TempDir dir;
            EXPECT_EQ(storePotentialRange(dir.path(), c.computed), stored);
            EXPECT_EQ(readPotentialRange(dir.path()), stored);
        }
    }
}

TEST(RangeFile, AFolderThatCannotTakeTheFileFailsWithTheFileName) {
    TempDir dir;
    std::filesystem::create_directory(dir / kPotentialRangeFile);
    EXPECT_THROW(writePotentialRange(dir.path(), {0, 1}), FileError);
}

} // namespace
} // namespace vintrel
