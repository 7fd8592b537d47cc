#include "parameters/element_panel_model.h"

#include "base/number_text.h"
#include "resultdata/configuration_text.h"

#include <array>
#include <cmath>

namespace vintrel {

namespace {

// Per shell and basis: 0 = no coefficient, 1 = ranks 2 and 4, 2 = ranks 2, 4 and 6.
constexpr std::array<int, 11> kD1{0, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0};
constexpr std::array<int, 11> kD2{0, 1, 1, 1, 0, 0, 1, 1, 1, 1, 0};
constexpr std::array<int, 15> kF1{0, 2, 2, 2, 2, 2, 2, 0, 2, 2, 2, 2, 2, 2, 0};
constexpr std::array<int, 15> kF2{0, 1, 2, 2, 2, 1, 0, 0, 2, 2, 2, 2, 2, 2, 0};

masktype maskOf(int kind) {
    switch (kind) {
    case 0:
        return masktype(kMaskNone);
    case 1:
        return masktype(kMaskRanks24);
    default:
        return masktype(kMaskAllRanks);
    }
}

template <std::size_t N>
masktype fromRow(const std::array<int, N>& row, int electrons) {
    if (electrons < 0 || electrons >= static_cast<int>(N))
        return masktype(kMaskNone);
    return maskOf(row[static_cast<std::size_t>(electrons)]);
}

// 2v + 1 as an integer (v a multiple of 1/2).
int multiplicity(double value) {
    return static_cast<int>(std::lround(2 * value + 1));
}

} // namespace

masktype elementMask(char orbital, int baza, int electrons) {
    if (orbital == 'd')
        return baza == 1 ? fromRow(kD1, electrons) : fromRow(kD2, electrons);
    if (orbital == 'f')
        return baza == 1 ? fromRow(kF1, electrons) : fromRow(kF2, electrons);
    return masktype(kMaskAllRanks);
}

std::vector<std::string> splitItems(std::string_view text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        items.emplace_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return items;
        start = comma + 1;
    }
}

std::vector<IonButtonItem> ionButtonItems(std::string_view charges) {
    std::string compact;
    for (char c : charges)
        if (c != ' ')
            compact += c;
    std::vector<IonButtonItem> buttons;
    for (std::string& item : splitItems(compact)) {
        if (buttons.size() == 8)
            break;
        const bool usual = !item.empty() && item.back() == '*';
        if (usual)
            item.pop_back();
        buttons.push_back({item, usual});
    }
    return buttons;
}

std::string openSubShell(std::string_view configuration) {
    std::size_t caret = configuration.rfind('^');
    if (caret == std::string_view::npos)
        return {};
    if (caret >= 2 && configuration[caret - 2] == '^')
        caret -= 2;
    if (caret < 2)
        return {};
    return std::string(configuration.substr(caret - 2));
}

std::string quantumNumberText(double value) {
    const int d = multiplicity(value);
    if (d % 2 == 1)
        return floatToStrDot(value);
    return std::to_string(d - 1) + "/2";
}

std::string subscriptFraction(const std::string& jText) {
    const std::size_t slash = jText.find('/');
    if (slash == std::string::npos || slash == 0 || slash + 1 >= jText.size())
        return jText;
    std::string marked = jText;
    marked.insert(slash + 1, "_");
    marked.insert(slash, "_");
    if (slash >= 2) // a two-digit numerator: its second digit goes down as well
        marked.insert(slash - 1, "_");
    return marked;
}

TermLines termLines(const TermValues& term, int baza) {
    const int L = static_cast<int>(std::lround(term.L));
    const std::string letter(1, termLetter(L));
    const std::string spin = std::to_string(multiplicity(term.S));
    TermLines lines;
    lines.quantumNumbers = "L=" + std::to_string(L) + "; S=" + quantumNumberText(term.S);
    if (baza == 1) {
        lines.ground = "ground term: ^" + spin + letter;
        return lines;
    }
    const std::string j = quantumNumberText(term.J);
    lines.quantumNumbers += "; J=" + j;
    lines.ground = "ground multiplet: ^" + spin + letter + "_" + subscriptFraction(j);
    return lines;
}

TermLines chowajConfiguration(TVariables& vars, const std::string& configuration) {
    vars.elemmask = masktype(kMaskAllRanks);
    if (configuration.empty())
        return {};
    TermLines lines;
    if (const auto term = termValues(configuration, basisIndex(vars.baza, vars.cialo)))
        lines = termLines(*term, vars.baza);
    if (const auto parts = parseConfiguration(configuration))
        vars.elemmask = elementMask(parts->orbital, vars.baza, parts->electrons);
    return lines;
}

IonChoice chooseIon(TVariables& vars, const ElementRow& row, int tag, std::string_view caption) {
    if (row.ionConfigurations.empty())
        return {};
    vars.ionisation = tag;
    std::string sign(caption);
    if (!sign.empty() && sign.front() == '+')
        sign.erase(0, 1);
    vars._ionvalue = static_cast<std::int32_t>(parseIntegerDot(sign).value_or(0));
    const std::vector<std::string> items = splitItems(row.ionConfigurations);
    const std::string item = tag >= 0 && tag < static_cast<int>(items.size())
                                 ? items[static_cast<std::size_t>(tag)]
                                 : std::string();
    IonChoice choice{true, {}};
    if (caption != "0" || !item.empty()) {
        choice.configurationCaption = item;
        vars.siconf = item;
    } else {
        choice.configurationCaption = std::string(row.configuration);
        vars.siconf.clear();
    }
    vars.siconf = openSubShell(vars.siconf);
    return choice;
}

std::string chargeText(int charge) {
    return charge > 0 ? "+" + std::to_string(charge) : std::to_string(charge);
}

} // namespace vintrel
