#include "levels/transition_files.h"

#include "base/atomic_file.h"
#include "base/format_dot.h"
#include "levels/level_tables.h"
#include "levels/transition_strengths.h"
#include "resultdata/dup_reader.h"

#include <cmath>

namespace vintrel {

namespace {

constexpr double kSmallest = 1e-6;

constexpr const char* kSpectroHeaderLs =
    " Energy diff.       Lz          Lplus        Lmin          Sz          Splus        Smin"
    "        from lev.";
constexpr const char* kSpectroHeaderJ =
    " Energy diff.       Jz          Jplus        Jmin        from lev.";
constexpr const char* kLsHeader = " Energy diff.       LS          from lev.";
constexpr const char* kListingHeaderLs =
    "Energy diff.   Lz    Lplus   Lminus    Sz    Splus   Sminus    LSz  from lev.";
constexpr const char* kListingHeaderJ = "Energy diff.   Jz    Jplus   Jminus  from lev.";
constexpr const char* kEol = "\r\n";

std::size_t elementCount(int baza) {
    return baza == 2 ? 3 : 6;
}

// A fixed-point field; a value that rounds to zero is written without its sign.
std::string fixedField(const char* format, double value) {
    std::string text = formatDot(format, value);
    const auto minus = text.find('-');
    if (minus != std::string::npos && text.find_first_of("123456789") == std::string::npos)
        text[minus] = ' ';
    return text;
}

void skipBlankLines(DupReader& reader) {
    while (reader.nextLineIsBlank())
        reader.skipLine();
}

int levelOf(double value) {
    if (!(value >= 1 && value <= kMaxLevels) || value != std::floor(value))
        return 0;
    return static_cast<int>(value);
}

} // namespace

std::vector<TransitionLine> upwardTransitions(const std::string& name, std::string_view content,
                                              int N, int baza) {
    DupReader reader(name, content);
    if (N < 1 || N > kMaxLevels)
        reader.fail("the ion's ground term has " + std::to_string(N) +
                    " levels; the transitions need 1 to 66");
    const std::size_t count = elementCount(baza);
    reader.skipLine();
    std::vector<double> energies(static_cast<std::size_t>(N));
    std::vector<std::array<double, 6>> elements(static_cast<std::size_t>(N * N));
    for (int i = 0; i < N; ++i) {
        skipBlankLines(reader);
        energies[static_cast<std::size_t>(i)] = reader.readReal();
        reader.skipLine();
        for (int j = 0; j < N; ++j) {
            skipBlankLines(reader);
            const std::vector<double> row = reader.readRow(1 + count);
            auto& e = elements[static_cast<std::size_t>(i * N + j)];
            for (std::size_t k = 0; k < count; ++k)
                e[k] = row[k + 1];
        }
    }
    std::vector<TransitionLine> lines;
    for (int i = 0; i < N; ++i) {
        const double Ei = energies[static_cast<std::size_t>(i)];
        for (int j = 0; j < N; ++j) {
            const double Ej = energies[static_cast<std::size_t>(j)];
            const auto& e = elements[static_cast<std::size_t>(i * N + j)];
            double sum = 0;
            for (double v : e)
                sum += std::abs(v);
            if (Ej > Ei + kSmallest && sum > kSmallest)
                lines.push_back({Ej - Ei, e, 0.0, i + 1});
        }
    }
    for (std::size_t p = 0; p < lines.size(); ++p) {
        std::size_t best = p;
        for (std::size_t q = p + 1; q < lines.size(); ++q)
            if (lines[q].dE < lines[best].dE)
                best = q;
        std::swap(lines[p], lines[best]);
    }
    return lines;
}

TransitionFileTexts formatTransitionFiles(const std::vector<TransitionLine>& lines, int baza) {
    const std::size_t count = elementCount(baza);
    TransitionFileTexts texts;
    texts.spectro = std::string(baza == 2 ? kSpectroHeaderJ : kSpectroHeaderLs) + kEol;
    if (baza != 2)
        texts.lsspec = std::string(kLsHeader) + kEol;
    for (const TransitionLine& line : lines) {
        const std::string dE = fixedField("%12.6f", line.dE);
        const std::string from = fixedField("%10.0f", line.from);
        std::string text = dE;
        for (std::size_t k = 0; k < count; ++k)
            text += " " + fixedField("%12.6f", line.elements[k]);
        texts.spectro += text + " " + from + kEol;
        if (baza != 2)
            texts.lsspec += dE + " " + fixedField("%12.6f", line.ls) + " " + from + kEol;
    }
    return texts;
}

bool generateTransitionFiles(const std::filesystem::path& folder, int N, int baza) {
    if (resultFilePresent(folder / kSpectroFile))
        return false;
    const std::filesystem::path neutron = folder / kStrengthsFile;
    const std::string content = readRequiredResultFile(neutron);
    const TransitionFileTexts texts =
        formatTransitionFiles(upwardTransitions(neutron.string(), content, N, baza), baza);
    if (baza != 2)
        writeFileAtomically(folder / kLsSpectrumFile, texts.lsspec);
    writeFileAtomically(folder / kSpectroFile, texts.spectro);
    return true;
}

std::vector<TransitionLine> parseTransitionLines(const std::string& name, std::string_view spectro,
                                                 const std::string& lsName,
                                                 std::optional<std::string_view> lsspec, int baza) {
    const bool ls = baza != 2 && lsspec.has_value();
    DupReader reader(name, spectro);
    DupReader lsReader(lsName, ls ? *lsspec : std::string_view());
    const std::size_t count = elementCount(baza);
    std::vector<TransitionLine> lines;
    if (!reader.atEndOfFile())
        reader.skipLine();
    if (ls && !lsReader.atEndOfFile())
        lsReader.skipLine();
    while (true) {
        skipBlankLines(reader);
        if (reader.atEndOfFile())
            break;
        const std::vector<double> row = reader.readRow(count + 2);
        TransitionLine line;
        line.dE = row[0];
        for (std::size_t k = 0; k < count; ++k)
            line.elements[k] = row[k + 1];
        line.from = levelOf(row[count + 1]);
        if (ls) {
            skipBlankLines(lsReader);
            if (!lsReader.atEndOfFile())
                line.ls = lsReader.readRow(2)[1];
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<TransitionLine> readTransitionLines(const std::filesystem::path& folder, int N,
                                                int baza) {
    generateTransitionFiles(folder, N, baza);
    const std::filesystem::path spectro = folder / kSpectroFile;
    const std::filesystem::path lsspec = folder / kLsSpectrumFile;
    const std::string spectroText = readRequiredResultFile(spectro);
    const std::optional<std::string> lsText =
        baza != 2 ? readResultFile(lsspec) : std::optional<std::string>();
    return parseTransitionLines(spectro.string(), spectroText, lsspec.string(),
                                lsText ? std::optional<std::string_view>(*lsText) : std::nullopt,
                                baza);
}

EnergyInterval transitionEnergyRange(const std::vector<TransitionLine>& lines,
                                     const TResultSettings& settings) {
    EnergyInterval range{1e16, -1e16};
    for (const TransitionLine& line : lines) {
        range.min = std::min(range.min, line.dE);
        range.max = std::max(range.max, line.dE);
    }
    if (lines.empty())
        range = {settings.spectro_emin, settings.spectro_emax};
    if (range.max - range.min < 0.01)
        range = {range.min - 0.01, range.max + 0.01};
    return range;
}

std::vector<std::string> transitionDataListing(const std::vector<TransitionLine>& lines, int baza) {
    if (lines.empty())
        return {kNoTransitions};
    const std::size_t count = elementCount(baza);
    std::vector<std::string> listing{baza == 2 ? kListingHeaderJ : kListingHeaderLs};
    for (const TransitionLine& line : lines) {
        std::string text = fixedField("%12.6f", line.dE);
        for (std::size_t k = 0; k < count; ++k)
            text += " " + fixedField("%8.5f", line.elements[k]);
        if (baza != 2)
            text += " " + fixedField("%8.5f", line.ls);
        text += " " + std::to_string(line.from);
        listing.push_back(std::move(text));
    }
    return listing;
}

} // namespace vintrel
