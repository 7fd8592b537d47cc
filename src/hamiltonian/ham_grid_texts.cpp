#include "hamiltonian/ham_grid_texts.h"

#include "hamiltonian/ham_texts.h"

#include <unordered_map>

namespace vintrel {

namespace {

// Matrices of a crystal field hold few distinct values (most elements are 0): each text is
// measured once.
class MeasureCache {
public:
    explicit MeasureCache(const TextMeasure& measure) : measure_(measure) {}
    int operator()(const std::string& text, bool bold) {
        auto& known = known_[bold ? 1 : 0];
        const auto found = known.find(text);
        if (found != known.end())
            return found->second;
        const int width = measure_(text, bold);
        known.emplace(text, width);
        return width;
    }

private:
    const TextMeasure& measure_;
    std::unordered_map<std::string, int> known_[2];
};

} // namespace

void HamGridTexts::prepare(const HamiltonianMatrices& matrices, TermSet ticked, int columnWidth,
                           const TextMeasure& measure) {
    states_ = matrices.fits() ? matrices.states() : 0;
    lines_ = ticked.count();
    cells_.clear();
    cells_.reserve(std::size_t(states_) * std::size_t(states_) * std::size_t(lines_));
    MeasureCache width(measure);
    const int unitWidth[2] = {width("i", false), width("i", true)};
    longWidth_[0] = width(kLongText, false);
    longWidth_[1] = width(kLongText, true);
    CompactTexts formatted;
    for (int row = 1; row <= states_; ++row)
        for (int column = 1; column <= states_; ++column)
            for (CellLine& line : cellLines(matrices, row, column, ticked, &formatted)) {
                PreparedLine prepared;
                prepared.term = line.term;
                prepared.emphasised = line.emphasised;
                prepared.imaginaryUnit = line.text.size() > 1 && line.text.back() == 'i';
                if (prepared.imaginaryUnit)
                    line.text.pop_back();
                prepared.stem = std::move(line.text);
                prepared.stemWidth = width(prepared.stem, prepared.emphasised);
                prepared.width = prepared.stemWidth;
                if (prepared.imaginaryUnit)
                    prepared.width += 1 + unitWidth[prepared.emphasised ? 1 : 0];
                cells_.push_back(std::move(prepared));
            }
    fit(columnWidth);
}

void HamGridTexts::fit(int columnWidth) {
    for (PreparedLine& line : cells_)
        line.tooWide = line.width > columnWidth;
}

const PreparedLine* HamGridTexts::lines(int row, int column) const {
    if (lines_ == 0 || row < 1 || column < 1 || row > states_ || column > states_)
        return nullptr;
    const std::size_t cell = std::size_t(row - 1) * std::size_t(states_) + std::size_t(column - 1);
    return &cells_[cell * std::size_t(lines_)];
}

std::string HamGridTexts::shownText(const PreparedLine& line) const {
    if (line.tooWide)
        return kLongText;
    return line.imaginaryUnit ? line.stem + "i" : line.stem;
}

} // namespace vintrel
