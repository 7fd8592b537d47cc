#include "levels/level_tables.h"

#include "base/number_pattern.h"
#include "resultdata/dup_reader.h"
#include "resultdata/element_table.h"
#include "resultdata/term_values.h"

#include <algorithm>
#include <cmath>

namespace vintrel {

namespace {

std::string jTextOf(double J) {
    const int twoJ = static_cast<int>(std::lround(2 * J));
    if (twoJ % 2 == 0)
        return "  " + std::to_string(twoJ / 2);
    return "  " + std::to_string(twoJ) + "/2";
}

bool validCount(int N) {
    return N >= 1 && N <= kMaxLevels;
}

void clearLevels(AxisLevels& levels, int N) {
    for (int i = 1; i <= N; ++i) {
        levels.E[i] = levels.Eshown[i] = levels.extra[i] = 0;
        levels.S[i] = levels.L[i] = levels.M[i] = 0;
        levels.EText[i] = levels.EshownText[i] = levels.LgSText[i] = "";
        levels.SText[i] = levels.LText[i] = levels.MText[i] = "";
    }
    levels.count = 0;
}

void storeLine(AxisLevels& levels, int i, const std::vector<double>& v) {
    levels.E[i] = v[0];
    levels.Eshown[i] = v[1];
    levels.extra[i] = v[2];
    levels.S[i] = v[3];
    levels.L[i] = v[4];
    levels.M[i] = v[5];
    levels.EText[i] = formatFloatDot("0.000", v[0]);
    levels.EshownText[i] = formatFloatDot("0.000", v[1]);
    levels.LgSText[i] = formatFloatDot("0.0000", v[4] + kElectronG * v[3]);
    levels.SText[i] = formatFloatDot("0.0000", v[3]);
    levels.LText[i] = formatFloatDot("0.0000", v[4]);
    levels.MText[i] = formatFloatDot("0.0000", v[5]);
}

// A data section ends early at the end of the file, at an empty line or at a marker line.
bool sectionEnds(const DupReader& reader) {
    if (reader.atEndOfFile() || reader.nextLineIsBlank())
        return true;
    const char first = reader.peekLine().front();
    return first == 'x' || first == 'y' || first == 'z' || first == '*';
}

// The section letters of a block in file order, with their axis.
std::vector<std::pair<char, Axis>> sectionsOf(bool complexHamiltonian) {
    if (complexHamiltonian)
        return {{'x', Axis::x}, {'y', Axis::y}, {'z', Axis::z}};
    return {{'x', Axis::x}, {'z', Axis::z}};
}

LevelReadOutcome readLevels(DupReader& reader, int block, int N, bool complexHamiltonian,
                            LevelTables& tables) {
    LevelReadOutcome outcome;
    outcome.fileFound = true;
    outcome.wantedLevels = N;
    outcome.complexHamiltonian = complexHamiltonian;
    if (!validCount(N))
        return outcome;
    for (AxisLevels& levels : tables.axes)
        clearLevels(levels, N);
    for (auto [letter, axis] : sectionsOf(complexHamiltonian)) {
        if (!findMarker(reader, blockMarker(letter, block)))
            break;
        AxisLevels& levels = tables.axis(axis);
        const auto rows = readLevelSection(reader, N, 6);
        for (std::size_t k = 0; k < rows.size(); ++k)
            storeLine(levels, static_cast<int>(k) + 1, rows[k]);
        levels.count = static_cast<int>(rows.size());
        outcome.levelsRead[static_cast<int>(axis)] = levels.count;
    }
    return outcome;
}

EnergyRange scanRange(DupReader& reader, int block, int N, bool complexHamiltonian) {
    double estart = 1e16;
    double eend = 0;
    for (auto [letter, axis] : sectionsOf(complexHamiltonian)) {
        (void)axis;
        if (!findMarker(reader, blockMarker(letter, block)))
            break;
        const auto rows = readLevelSection(reader, N, 1);
        if (rows.empty())
            continue;
        estart = std::min(estart, rows.front()[0]);
        eend = std::max(eend, rows.back()[0]);
    }
    if (estart >= eend) {
        estart = eend;
        eend = estart + 1;
    }
    return {estart, eend};
}

} // namespace

std::optional<GroundTerm> groundTermOf(std::string_view siconf, int baza, int cialo) {
    const auto values = termValues(siconf, basisIndex(baza, cialo));
    if (!values)
        return std::nullopt;
    GroundTerm term;
    term.L = values->L;
    term.S = values->S;
    term.J = values->J;
    term.gJ = values->lande;
    term.N = values->dimension;
    term.letterText = std::string(1, termLetter(static_cast<int>(std::lround(values->L))));
    term.multiplicityText = std::to_string(std::lround(2 * values->S + 1));
    if (baza == 2)
        term.jText = jTextOf(values->J);
    return term;
}

LevelTables& sharedLevelTables() {
    static LevelTables tables;
    return tables;
}

std::string blockMarker(char letter, int block) {
    return letter + std::to_string(block) + letter;
}

bool isMarkerLine(std::string_view line, std::string_view marker) {
    return line.starts_with(marker);
}

std::optional<std::string_view> findMarkerLine(DupReader& reader, std::string_view marker) {
    while (!reader.atEndOfFile())
        if (const std::string_view line = reader.takeLine(); isMarkerLine(line, marker))
            return line;
    return std::nullopt;
}

bool findMarker(DupReader& reader, std::string_view marker) {
    return findMarkerLine(reader, marker).has_value();
}

std::vector<std::vector<double>> readLevelSection(DupReader& reader, int N, std::size_t count) {
    std::vector<std::vector<double>> rows;
    while (static_cast<int>(rows.size()) < N && !sectionEnds(reader))
        rows.push_back(reader.readRow(count));
    return rows;
}

bool LevelReadOutcome::complete() const {
    if (!fileFound || !validCount(wantedLevels))
        return false;
    for (auto [letter, axis] : sectionsOf(complexHamiltonian)) {
        (void)letter;
        if (levelsRead[static_cast<int>(axis)] != wantedLevels)
            return false;
    }
    return true;
}

LevelReadOutcome readLevelTablesText(const std::string& name, std::string_view content, int block,
                                     int N, bool complexHamiltonian, LevelTables& tables) {
    DupReader reader(name, content);
    return readLevels(reader, block, N, complexHamiltonian, tables);
}

LevelReadOutcome readLevelTables(const std::filesystem::path& folder, int block, int N,
                                 bool complexHamiltonian, LevelTables& tables) {
    const auto file = folder / kLevelsFile;
    const auto content = readResultFile(file);
    if (!content)
        return {};
    return readLevelTablesText(file.string(), *content, block, N, complexHamiltonian, tables);
}

EnergyRange scanEnergyRangeText(const std::string& name, std::string_view content, int block, int N,
                                bool complexHamiltonian) {
    DupReader reader(name, content);
    return scanRange(reader, block, std::clamp(N, 0, kMaxLevels), complexHamiltonian);
}

std::optional<EnergyRange> scanEnergyRange(const std::filesystem::path& folder, int block, int N,
                                           bool complexHamiltonian) {
    if (!validCount(N))
        return std::nullopt;
    const auto file = folder / kLevelsFile;
    const auto content = readResultFile(file);
    if (!content)
        return std::nullopt;
    return scanEnergyRangeText(file.string(), *content, block, N, complexHamiltonian);
}

int findLevelIndex(const AxisLevels& levels, int count, double E, double tolerance) {
    const int last = std::clamp(count, 0, kMaxLevels);
    for (int i = 1; i <= last; ++i)
        if (std::fabs(levels.E[i] - E) <= tolerance)
            return i;
    return 0;
}

std::vector<double> readGroundAxisEnergies(const std::filesystem::path& folder, int N) {
    std::vector<double> energies;
    DupReader reader(folder / kLevelsFile);
    if (!validCount(N) || !findMarker(reader, blockMarker('z', 0)))
        return energies;
    for (const auto& row : readLevelSection(reader, N, 1))
        energies.push_back(row[0]);
    return energies;
}

} // namespace vintrel
