#include "resultdata/element_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace vintrel;

namespace {

std::size_t items(std::string_view list) {
    return static_cast<std::size_t>(std::count(list.begin(), list.end(), ',')) + 1;
}

} // namespace

TEST(ElementTable, RowsFollowTheTableOrder) {
    EXPECT_EQ(elementRow(58)->symbol, "Hf");
    EXPECT_EQ(elementRow(58)->name, "Hafnium");
    EXPECT_EQ(elementRow(58)->atomicNumber, 72);
    EXPECT_EQ(elementRow(82)->symbol, "Ce");
    EXPECT_EQ(elementRow(82)->atomicNumber, 58);
    EXPECT_EQ(elementRow(82)->ionConfigurations, ",[Xe]4f^1,[Xe]");
    EXPECT_EQ(elementRow(96)->symbol, "Th");
    EXPECT_EQ(elementRow(118)->symbol, "Uuo");
    EXPECT_EQ(elementRow(1)->charges, "-1*,0,+1");
    EXPECT_EQ(elementRow(0), nullptr);
    EXPECT_EQ(elementRow(119), nullptr);

    const auto z = [](int row) { return elementRow(row)->atomicNumber; };
    for (int row = 1; row <= 57; ++row)
        EXPECT_EQ(z(row), row);
    for (int row = 58; row <= 75; ++row)
        EXPECT_EQ(z(row), row + 14);
    for (int row = 76; row <= 81; ++row)
        EXPECT_EQ(z(row), row + 28);
    for (int row = 82; row <= 95; ++row)
        EXPECT_EQ(z(row), row - 24);
    for (int row = 96; row <= 109; ++row)
        EXPECT_EQ(z(row), row - 6);
    for (int row = 110; row <= 118; ++row)
        EXPECT_EQ(z(row), row);
}

TEST(ElementTable, EveryElementOnceWithMatchingChargeAndConfigurationLists) {
    std::set<int> numbers;
    std::set<std::string_view> symbols;
    for (const ElementRow& row : elementTable()) {
        numbers.insert(row.atomicNumber);
        symbols.insert(row.symbol);
        if (!row.ionConfigurations.empty()) {
            EXPECT_EQ(items(row.charges), items(row.ionConfigurations)) << row.symbol;
        }
    }
    EXPECT_EQ(numbers.size(), 118u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 118);
    EXPECT_EQ(symbols.size(), 118u);
    EXPECT_TRUE(elementRow(2)->ionConfigurations.empty()); // helium offers no open-shell ion
}

TEST(TermLetter, ByOrbitalMomentum) {
    EXPECT_EQ(termLetter(0), 'S');
    EXPECT_EQ(termLetter(3), 'F');
    EXPECT_EQ(termLetter(6), 'I');
    EXPECT_EQ(termLetter(8), 'K');
    EXPECT_EQ(termLetter(9), '?');
    EXPECT_EQ(termLetter(-1), '?');
}
