#include "base/data_table.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>

using namespace vintrel;

TEST(DataTable, CsvHasCommentsHeaderAndRowsInOrder) {
    DataTable table;
    table.comment("result", "Ce3+ cubic");
    table.comment("field [T]", "0.5");
    table.columns = {"level", "E [K]", "name"};
    table.rows.push_back({std::int64_t{1}, -180.105568, std::string("ground")});
    table.rows.push_back({std::int64_t{-2}, 0.0, std::string()});
    EXPECT_EQ(table.toCsv(), "# result: Ce3+ cubic\n"
                             "# field [T]: 0.5\n"
                             "level,E [K],name\n"
                             "1,-180.105568,ground\n"
                             "-2,0,\n");
}

TEST(DataTable, FieldsWithSeparatorsAreQuotedAndCommentsStayOnOneLine) {
    DataTable table;
    table.comment("result", "two\r\nlines");
    table.columns = {"a,b", "say \"hi\""};
    table.rows.push_back({std::string("x\ny"), std::string("plain")});
    EXPECT_EQ(table.toCsv(), "# result: two  lines\n"
                             "\"a,b\",\"say \"\"hi\"\"\"\n"
                             "\"x\ny\",plain\n");
}

TEST(DataTable, RealsUseTheirShortestRoundTripText) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{0.1, "0.1"},
                          {1e-9, "1e-09"},
                          {540.0576020000001, "540.0576020000001"},
                          {-0.0, "-0"},
                          {1.0 / 3, "0.3333333333333333"},
                          {std::numeric_limits<double>::infinity(), "inf"},
                          {-std::numeric_limits<double>::infinity(), "-inf"},
                          {std::numeric_limits<double>::quiet_NaN(), "nan"},
                          {-std::numeric_limits<double>::quiet_NaN(), "nan"}};
    for (const Case& c : cases)
        EXPECT_EQ(roundTripText(c.value), c.text) << c.text;
    for (double value : {0.07678000000001362, 2371.047952886692, 1.5704147214458999, 6.02e23,
                         4.9e-324, std::numeric_limits<double>::max()}) {
        const std::string text = roundTripText(value);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, value) << text;
    }
}
