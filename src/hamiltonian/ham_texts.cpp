#include "hamiltonian/ham_texts.h"

#include "base/number_pattern.h"
#include "base/number_text.h"
#include "resultdata/element_table.h"

#include <cmath>

namespace vintrel {

namespace {

double magnitude(const HamElement& value, bool complex) {
    return complex ? value.re * value.re + value.im * value.im : std::fabs(value.re);
}

TermValueTexts valueTexts(const HamElement& value, bool complex) {
    TermValueTexts texts;
    texts.shown = true;
    texts.value = formatFloatDot("0.#####", value.re);
    if (complex) {
        const std::string imaginary = formatFloatDot("0.#####", std::fabs(value.im));
        if (imaginary != "0")
            texts.imaginary = (value.im < 0 ? "-" : "+") + imaginary + " i";
    }
    return texts;
}

std::string hintValue(const HamElement& value, bool complex) {
    constexpr const char* kPattern = "0.#######";
    return complex ? formatComplexDot(kPattern, value.re, value.im)
                   : formatFloatDot(kPattern, value.re);
}

bool withinStates(const HamiltonianMatrices& matrices, int index) {
    return index >= 1 && index <= matrices.states();
}

} // namespace

const char* termCaption(HamTerm term) {
    switch (term) {
    case HamTerm::ls:
        return "LS";
    case HamTerm::cef:
        return "CEF";
    case HamTerm::zeeman:
        return "Mag. field";
    }
    return "";
}

std::string compactText(const HamElement& value, bool complex) {
    return complex ? formatComplexFit(12, value.im, value.re) : formatAuto(10, value.re);
}

std::string CompactTexts::operator()(const HamElement& value, bool complex) {
    if (std::isnan(value.re) || std::isnan(value.im))
        return compactText(value, complex);
    const auto key = std::make_tuple(value.re, value.im, complex);
    const auto found = known_.find(key);
    if (found != known_.end())
        return found->second;
    return known_.emplace(key, compactText(value, complex)).first->second;
}

std::optional<HamTerm> dominantTerm(const std::array<HamElement, 3>& values, TermSet ticked,
                                    bool complex) {
    std::optional<HamTerm> dominant;
    double largest = 0;
    for (HamTerm term : kTermOrder) {
        if (!ticked.has(term))
            continue;
        const double size = magnitude(values[std::size_t(term)], complex);
        if (!dominant || size > largest) {
            dominant = term;
            largest = size;
        }
    }
    return dominant;
}

std::vector<CellLine> cellLines(const HamiltonianMatrices& matrices, int row, int column,
                                TermSet ticked, CompactTexts* texts) {
    std::vector<CellLine> lines;
    if (!matrices.fits() || !withinStates(matrices, row) || !withinStates(matrices, column))
        return lines;
    std::array<HamElement, 3> values;
    for (HamTerm term : kTermOrder)
        values[std::size_t(term)] = matrices.element(term, row, column);
    const bool complex = matrices.complex();
    const std::optional<HamTerm> dominant = dominantTerm(values, ticked, complex);
    const bool several = ticked.count() > 1;
    for (HamTerm term : kTermOrder) {
        if (!ticked.has(term))
            continue;
        const HamElement& value = values[std::size_t(term)];
        lines.push_back({term, texts ? (*texts)(value, complex) : compactText(value, complex),
                         several && dominant == term && magnitude(value, complex) > 0});
    }
    return lines;
}

ParameterPanelTexts parameterPanelTexts(const TVariables& vars) {
    ParameterPanelTexts texts;
    if (const ElementRow* row = elementRow(vars.element)) {
        texts.element = std::string(row->name);
        texts.atomicNumber = std::to_string(row->atomicNumber);
    }
    texts.oxidation = (vars._ionvalue > 0 ? "+" : "") + std::to_string(vars._ionvalue);
    texts.dimension = std::to_string(vars._dimension);
    const bool firstBasis = vars.baza != 2;
    texts.base = firstBasis ? "|L,S,L_z,S_z>" : "|L,S,J,J_z>";
    texts.field = vars.cialo == 2 ? "Complex" : "Real";
    texts.lambda = firstBasis ? floatToStrDot(vars.lambda) : "(infinite value)";
    texts.bx = formatFloatDot("0.######", vars._magfield_x);
    texts.by = formatFloatDot("0.######", vars._magfield_y);
    texts.bz = formatFloatDot("0.######", vars._magfield_z);
    return texts;
}

SelectionTexts selectionTexts(const HamiltonianMatrices& matrices,
                              const std::vector<std::string>& captions, int selRow, int selCol,
                              TermSet ticked) {
    SelectionTexts texts;
    auto caption = [&](int index) {
        return index <= int(captions.size()) ? captions[std::size_t(index - 1)] : std::string();
    };
    const bool row = withinStates(matrices, selRow);
    const bool column = withinStates(matrices, selCol);
    if (row) {
        texts.row = std::to_string(selRow);
        texts.rowCaption = caption(selRow);
    }
    if (column) {
        texts.column = std::to_string(selCol);
        texts.columnCaption = caption(selCol);
    }
    if (!row || !column)
        return texts;
    const bool complex = matrices.complex();
    for (HamTerm term : kTermOrder)
        if (ticked.has(term))
            texts.terms[std::size_t(term)] =
                valueTexts(matrices.element(term, selRow, selCol), complex);
    texts.total = valueTexts(matrices.element(matrices.total(), selRow, selCol), complex);
    return texts;
}

std::string elementHint(const HamiltonianMatrices& matrices, int row, int column) {
    const bool complex = matrices.complex();
    return "selected: " + hintValue(matrices.element(matrices.selected(), row, column), complex) +
           ", total: " + hintValue(matrices.element(matrices.total(), row, column), complex);
}

} // namespace vintrel
