#include "resultdata/configuration_text.h"

#include "base/number_text.h"

#include <array>

namespace vintrel {

namespace {

constexpr std::array<std::string_view, 11> kDFlags = {"000", "111", "111", "111", "101", "001",
                                                      "111", "111", "111", "111", "000"};
constexpr std::array<std::string_view, 15> kFFlags = {"000", "111", "111", "111", "111",
                                                      "111", "101", "001", "111", "111",
                                                      "111", "111", "111", "111", "000"};

template <std::size_t N>
bool flagOf(const std::array<std::string_view, N>& table, int electrons, int flag) {
    if (electrons < 0 || electrons >= static_cast<int>(N) || flag < 1 || flag > 3)
        return false;
    return table[static_cast<std::size_t>(electrons)][static_cast<std::size_t>(flag - 1)] == '1';
}

} // namespace

std::optional<ConfigurationParts> parseConfiguration(std::string_view configuration) {
    std::string plain;
    for (char c : configuration)
        if (c != '^')
            plain += c;
    if (plain.size() < 3 || plain[0] < '0' || plain[0] > '9' || plain[2] < '0' || plain[2] > '9')
        return std::nullopt;
    const auto electrons = parseIntegerDot(std::string_view(plain).substr(2));
    if (!electrons || *electrons > 1000)
        return std::nullopt;
    return ConfigurationParts{plain[0] - '0', plain[1], static_cast<int>(*electrons)};
}

bool shellFlags(char orbital, int electrons, int flag) {
    if (orbital == 'd')
        return flagOf(kDFlags, electrons, flag);
    if (orbital == 'f')
        return flagOf(kFFlags, electrons, flag);
    return false;
}

std::string interleaveChar(char mark, std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        out += mark;
        out += c;
    }
    return out;
}

} // namespace vintrel
