#include "base/data_table.h"
#include "base/format_dot.h"
#include "base/number_pattern.h"
#include "base/number_text.h"
#include "resultdata/dup_reader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

using namespace vintrel;

namespace {

struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// Puts a comma-decimal locale in place for the C library and the C++ global locale: a German
// one when the system has it, else the classic locale with a comma punctuation facet.
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        oldC_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"})
            if (std::setlocale(LC_ALL, name) != nullptr)
                break;
        old_ = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
        ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
    }
    void TearDown() override {
        std::locale::global(old_);
        std::setlocale(LC_ALL, oldC_.c_str());
    }

private:
    std::string oldC_;
    std::locale old_;
};

} // namespace

TEST_F(CommaLocale, NumberTextsKeepTheDot) {
    EXPECT_EQ(floatToStrDot(1.5), "1.5");
    EXPECT_EQ(formatFloatDot("0.###", 1234.5678), "1234.568");
    EXPECT_EQ(formatAuto(10, 2.5e-7), "2.5E-7");
    EXPECT_EQ(formatDot("%.2f", 1234.5), "1234.50");
    EXPECT_EQ(formatComplexFit(9, -2, 1.5), "1.5-2i");
    EXPECT_DOUBLE_EQ(strToFloatDot("1.5"), 1.5);
    EXPECT_THROW(strToFloatDot("1,5"), ConversionError);
}

TEST_F(CommaLocale, FileNumbersKeepTheDot) {
    DupReader in("f", "0.25 rest\n1.5 2.5\n");
    EXPECT_DOUBLE_EQ(in.readReal(), 0.25);
    EXPECT_EQ(in.readRow(2), (std::vector<double>{1.5, 2.5}));
}

TEST_F(CommaLocale, DataTablesKeepTheDot) {
    DataTable table;
    table.comment("tolerance", roundTripText(0.25));
    table.columns = {"E [K]"};
    table.rows.push_back({1234.5});
    EXPECT_EQ(table.toCsv(), "# tolerance: 0.25\nE [K]\n1234.5\n");
}
