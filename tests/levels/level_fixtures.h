#pragma once

#include "base/number_pattern.h"

#include <string>
#include <vector>

namespace vintrel::test {

/// One level of a fixture: energy and the expected values written on its data line.
struct FixtureLevel {
    double E = 0;
    double S = 0;
    double L = 0;
    double M = 0;
};

/// Block n of an "o_E.dup" file: the x section (energies shifted by `xShift`), the y section
/// when `complex`, the z section, then the eigenvector section with `vectors`.
inline std::string levelBlock(int n, const std::vector<FixtureLevel>& levels, bool complex,
                              const std::vector<std::string>& vectors, double xShift = 0) {
    auto number = [](double v) { return formatFloatDot("0.0#########", v); };
    auto section = [&](char letter, double shift, double factor) {
        std::string text = std::string(1, letter) + std::to_string(n) + letter +
                           "  E [K]      Eshown    extra   <S>     <L>     <M>\r\n";
        for (const auto& level : levels)
            text += "  " + number(level.E + shift) + " " + number(level.E + shift) + " 0 " +
                    number(level.S * factor) + " " + number(level.L * factor) + " " +
                    number(level.M * factor) + "  state\r\n";
        return text;
    };
    std::string text = section('x', xShift, 0.5);
    if (complex)
        text += section('y', 0, 0.25);
    text += section('z', 0, 1.0);
    text += "*" + std::to_string(n) + "* eigenvectors\r\n";
    for (const auto& line : vectors)
        text += line + "\r\n";
    return text;
}

/// Ce3+ in a cubic field, |J,Jz> basis: the Γ7 doublet at 0 K and the Γ8 quartet at 116 K.
inline std::vector<FixtureLevel> ceriumCubicLevels() {
    return {{0, 0.119, -0.952, -0.714},   {0, -0.119, 0.952, 0.714},   {116, 0.262, -2.096, -1.572},
            {116, 0.071, -0.571, -0.429}, {116, -0.071, 0.571, 0.429}, {116, -0.262, 2.096, 1.572}};
}

} // namespace vintrel::test
