#include "graphs/graph_data.h"

#include "resultdata/dup_reader.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vintrel {

namespace {

constexpr double kInverseCeiling = 1e9;

DataColumns readColumns(const std::string& name, std::string_view text, std::size_t count,
                        RowsEnd end) {
    DupReader in(name, text);
    return readDataColumns(in, count, end);
}

} // namespace

char directionLetter(Direction d) {
    return "xyz"[directionIndex(d)];
}

ChiData parseChiData(const std::array<std::string, 3>& names, std::string_view xText,
                     const std::string_view* yText, std::string_view zText) {
    const DataColumns x = readColumns(names[0], xText, 4, RowsEnd::BlankLine);
    const std::size_t rows = x.rowCount();
    ChiData data;
    data.T = x.columns[0];
    const auto take = [&](Direction d, const DataColumns& file, const std::string& name) {
        if (file.rowCount() < rows)
            throw InputError(name + ": holds " + std::to_string(file.rowCount()) +
                             " rows, the x direction " + std::to_string(rows));
        const std::size_t i = directionIndex(d);
        data.chi[i].assign(file.columns[1].begin(),
                           file.columns[1].begin() + static_cast<std::ptrdiff_t>(rows));
        data.inverse[i].reserve(rows);
        for (std::size_t r = 0; r < rows; ++r)
            data.inverse[i].push_back(std::min(file.columns[2][r], kInverseCeiling));
    };
    take(Direction::x, x, names[0]);
    if (yText) {
        take(Direction::y, readColumns(names[1], *yText, 4, RowsEnd::BlankLine), names[1]);
        data.hasY = true;
    }
    take(Direction::z, readColumns(names[2], zText, 4, RowsEnd::BlankLine), names[2]);
    return data;
}

ChiData readChiData(const std::filesystem::path& folder, bool complexHamiltonian) {
    std::array<std::string, 3> names;
    for (std::size_t i = 0; i < 3; ++i)
        names[i] = (folder / kChiFiles[i]).string();
    const std::string xText = readRequiredResultFile(names[0]);
    const std::string zText = readRequiredResultFile(names[2]);
    std::optional<std::string> yText;
    if (complexHamiltonian)
        yText = readResultFile(names[1]);
    std::string_view y;
    if (yText)
        y = *yText;
    return parseChiData(names, xText, yText ? &y : nullptr, zText);
}

SpcData parseSpcData(const std::string& name, std::string_view text) {
    DataColumns file = readColumns(name, text, 4, RowsEnd::EndOfFile);
    SpcData data;
    data.T = std::move(file.columns[0]);
    data.c = std::move(file.columns[1]);
    data.S = std::move(file.columns[2]);
    data.fourth = std::move(file.columns[3]);
    return data;
}

SpcData readSpcData(const std::filesystem::path& folder) {
    const std::string name = (folder / kSpcFile).string();
    return parseSpcData(name, readRequiredResultFile(name));
}

namespace {

std::string requiredMeanFieldFile(const std::filesystem::path& path) {
    auto text = readResultFile(path);
    if (!text)
        throw MissingDataError("no data: " + path.string() + " is missing");
    return std::move(*text);
}

} // namespace

void requireMeanFieldFile(const std::filesystem::path& path) {
    if (!resultFilePresent(path))
        throw MissingDataError("no data: " + path.string() + " is missing");
}

MomentData parseMomentData(const std::string& name, std::string_view text) {
    DataColumns file = parseMomentColumns(name, text);
    MomentData data;
    data.T = std::move(file.columns[0]);
    for (std::size_t i = 0; i < data.m.size(); ++i) {
        data.m[i] = std::move(file.columns[i + 1]);
        for (double& v : data.m[i])
            v = std::abs(v);
    }
    return data;
}

AnisoData parseAnisoData(const std::string& name, std::string_view text) {
    DataColumns file = readColumns(name, text, 6, RowsEnd::EndOfFile);
    AnisoData data;
    data.T = std::move(file.columns[0]);
    for (std::size_t i = 0; i < data.K.size(); ++i)
        data.K[i] = std::move(file.columns[i + 1]);
    return data;
}

double parseTransitionTemperature(const std::string& name, std::string_view text) {
    DupReader in(name, text);
    in.skipLine();
    return in.readReal();
}

MomentData readMomentData(const std::filesystem::path& folder) {
    const auto path = folder / kMomentFile;
    return parseMomentData(path.string(), requiredMeanFieldFile(path));
}

AnisoData readAnisoData(const std::filesystem::path& folder) {
    const auto path = folder / kAnisoFile;
    return parseAnisoData(path.string(), requiredMeanFieldFile(path));
}

double readTransitionTemperature(const std::filesystem::path& folder) {
    const auto path = folder / kTempFile;
    return parseTransitionTemperature(path.string(), requiredMeanFieldFile(path));
}

} // namespace vintrel
