#include "levels/transition_strengths.h"

#include "resultdata/dup_reader.h"

#include <cmath>

namespace vintrel {

namespace {

struct Contribution {
    StrengthTable table;
    std::size_t value; ///< position of the element in the data line (after the energy)
    double weight;
};

// Which element of a line goes into which table: basis 1 files e5 under S- and e6 under S+.
constexpr std::array<Contribution, 7> kContributions{{
    {StrengthTable::Lz, 1, 2.0 / 3},
    {StrengthTable::Lplus, 2, 1.0 / 3},
    {StrengthTable::Lminus, 3, 1.0 / 3},
    {StrengthTable::Sz, 4, 2.0 / 3},
    {StrengthTable::Splus, 6, 1.0 / 3},
    {StrengthTable::Sminus, 5, 1.0 / 3},
    {StrengthTable::LS, 7, 2.0 / 3},
}};

void clearTables(TransitionStrengths& strengths, int dimension) {
    for (auto& table : strengths.tables)
        for (int g = 1; g <= dimension; ++g)
            for (int h = 1; h <= dimension; ++h)
                table[g][h] = 0;
    strengths.maxima.fill(0);
}

void add(const DupReader& reader, TransitionStrengths& strengths, const Contribution& c, int g,
         int h, double e) {
    const int t = static_cast<int>(c.table);
    double& entry = strengths.tables[t][g][h];
    const double sum = entry + c.weight * e * e;
    if (!std::isfinite(sum)) // no matrix element of a real ion comes near this
        reader.fail("matrix element out of range");
    entry = sum;
    if (entry > strengths.maxima[t])
        strengths.maxima[t] = entry;
}

bool blockEnds(const DupReader& reader) {
    return reader.atEndOfFile();
}

void readStrengths(DupReader& reader, int block, int dimension, int baza, bool withLs,
                   const AxisLevels& levels, int levelCount, TransitionStrengths& strengths) {
    if (dimension < 1 || dimension > kMaxLevels)
        return;
    clearTables(strengths, dimension);
    if (!findMarker(reader, blockMarker('*', block)))
        return;
    const std::size_t numbers = baza == 1 ? (withLs ? 8 : 7) : 4;
    const std::size_t used = baza == 1 ? 7 : 3;
    for (int i = 1; i <= dimension; ++i) {
        if (blockEnds(reader))
            return;
        const int g = findLevelIndex(levels, levelCount, reader.readReal());
        if (blockEnds(reader))
            return;
        reader.skipLine();
        for (int j = 1; j <= dimension; ++j) {
            if (blockEnds(reader))
                return;
            const auto row = reader.readRow(numbers);
            const int h = findLevelIndex(levels, levelCount, row[0]);
            if (g == 0 || h == 0)
                continue;
            for (std::size_t k = 0; k < used; ++k) {
                const Contribution& c = kContributions[k];
                add(reader, strengths, c, g, h, c.value < row.size() ? row[c.value] : 0.0);
            }
        }
        if (!blockEnds(reader))
            reader.skipLine();
    }
}

} // namespace

TransitionStrengths& sharedTransitionStrengths() {
    static TransitionStrengths strengths;
    return strengths;
}

double strengthWeight(double a, double b, double c) {
    return (a * a + b * b + 2 * c * c) / 3;
}

void readTransitionStrengthsText(const std::string& name, std::string_view content, int block,
                                 int dimension, int baza, bool withLs, const AxisLevels& levels,
                                 int levelCount, TransitionStrengths& strengths) {
    DupReader reader(name, content);
    readStrengths(reader, block, dimension, baza, withLs, levels, levelCount, strengths);
}

void readTransitionStrengths(const std::filesystem::path& folder, int block, int dimension,
                             int baza, const AxisLevels& levels, int levelCount,
                             TransitionStrengths& strengths) {
    const bool withLs = baza == 1 && resultFilePresent(folder / kLsSpectrumFile);
    DupReader reader(folder / kStrengthsFile);
    readStrengths(reader, block, dimension, baza, withLs, levels, levelCount, strengths);
}

} // namespace vintrel
