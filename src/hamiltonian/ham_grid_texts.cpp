#include "hamiltonian/ham_grid_texts.h"

#include "hamiltonian/ham_texts.h"

namespace vintrel {

void HamGridTexts::prepare(const HamiltonianMatrices& matrices, TermSet ticked, int columnWidth,
                           const TextMeasure& measure) {
    states_ = matrices.fits() ? matrices.states() : 0;
    lines_ = ticked.count();
    cells_.clear();
    cells_.reserve(std::size_t(states_) * std::size_t(states_) * std::size_t(lines_));
    const int unitWidth[2] = {measure("i", false), measure("i", true)};
    for (int row = 1; row <= states_; ++row)
        for (int column = 1; column <= states_; ++column)
            for (CellLine& line : cellLines(matrices, row, column, ticked)) {
                PreparedLine prepared;
                prepared.term = line.term;
                prepared.emphasised = line.emphasised;
                auto place = [&](std::string text) {
                    prepared.imaginaryUnit = text.size() > 1 && text.back() == 'i';
                    if (prepared.imaginaryUnit)
                        text.pop_back();
                    prepared.stem = std::move(text);
                    prepared.stemWidth = measure(prepared.stem, prepared.emphasised);
                    prepared.width = prepared.stemWidth;
                    if (prepared.imaginaryUnit)
                        prepared.width += 1 + unitWidth[prepared.emphasised ? 1 : 0];
                };
                place(std::move(line.text));
                if (prepared.width > columnWidth)
                    place(kLongText);
                cells_.push_back(std::move(prepared));
            }
}

const PreparedLine* HamGridTexts::lines(int row, int column) const {
    if (lines_ == 0 || row < 1 || column < 1 || row > states_ || column > states_)
        return nullptr;
    const std::size_t cell = std::size_t(row - 1) * std::size_t(states_) + std::size_t(column - 1);
    return &cells_[cell * std::size_t(lines_)];
}

} // namespace vintrel
