#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vintrel {

/// One row of the built-in element table. Configurations are in label markup ("4f^1^4");
/// `charges` lists the offered ion charges comma-separated ("0,+2*,+3", "*" marking usual
/// ones) and `ionConfigurations` one configuration per charge, items possibly empty.
struct ElementRow {
    std::uint8_t atomicNumber;
    std::string_view symbol;
    std::string_view name;
    std::string_view configuration;
    std::string_view charges;
    std::string_view ionConfigurations;
};

inline constexpr int kElementRows = 118;

/// The 118 rows in table order: Z 1–57, 72–89, 104–109, the lanthanides 58–71, the actinides
/// 90–103, then 110–118. `TVariables::element` counts rows from 1, so it equals Z only for
/// rows 1–57 and 110–118.
const std::array<ElementRow, kElementRows>& elementTable();

/// The row with number 1 to 118; nullptr for any other number.
const ElementRow* elementRow(int row);

/// Term letter for L = 0 … 8 ("S", "P", "D", "F", "G", "H", "I", "J", "K"); '?' otherwise.
char termLetter(int L);

} // namespace vintrel
