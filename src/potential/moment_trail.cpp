#include "potential/moment_trail.h"

#include "base/number_pattern.h"
#include "resultdata/data_columns.h"
#include "resultdata/dup_reader.h"
#include "resultdata/term_values.h"

#include <algorithm>
#include <cmath>

namespace vintrel {

MomentTable readMomentTable(const std::filesystem::path& folder) {
    const auto path = folder / kMomentFile;
    MomentTable table;
    const auto content = readResultFile(path);
    if (!content)
        return table;
    DataColumns rows = parseMomentColumns(path.string(), *content);
    for (auto& column : rows.columns)
        column.resize(std::min(column.size(), kMaxMomentRows));
    table.temp = std::move(rows.columns[0]);
    table.momx = std::move(rows.columns[1]);
    table.momy = std::move(rows.columns[2]);
    table.momz = std::move(rows.columns[3]);
    table.mtot = std::move(rows.columns[4]);
    return table;
}

MomentSlider temperatureSliderFor(const MomentTable& table) {
    if (table.empty())
        return {};
    return {true, static_cast<int>(table.size()) - 1, 0};
}

namespace {

std::size_t rowAt(const MomentTable& table, int k) {
    return static_cast<std::size_t>(std::clamp(k, 0, static_cast<int>(table.size()) - 1));
}

} // namespace

MomentCaptions momentCaptions(const MomentTable& table, int k, double exchange) {
    if (table.empty())
        return {};
    const std::size_t j = rowAt(table, k);
    return {formatFloatDot("0.##", table.temp[j]) + " K",
            formatFloatDot("0.##", exchange * table.mtot[j]) + " T",
            formatFloatDot("0.##", table.mtot[j]) + " !m_B"};
}

double viewThroughRadius(int holeSize, int shapeSize) {
    return 0.05 * holeSize * shapeSize + 0.1;
}

MomentTrail momentTrail(const MomentTable& table, const TrailSettings& settings) {
    MomentTrail trail;
    if (table.empty())
        return trail;
    const int k = static_cast<int>(rowAt(table, settings.temperature));
    const int first = std::max(k - std::max(settings.steps, 0), 0);
    const int count = k - first + 1;
    double longest = 0;
    for (std::size_t j = 0; j < table.size(); ++j)
        longest = std::max(longest,
                           std::sqrt(table.momx[j] * table.momx[j] + table.momy[j] * table.momy[j] +
                                     table.momz[j] * table.momz[j]));
    if (longest == 0)
        longest = 1;
    for (int u = 0; u < count; ++u) {
        const auto j = static_cast<std::size_t>(first + u);
        const FieldAngles angles = fieldAngles(table.momx[j], table.momy[j], table.momz[j]);
        const double t = count == 1 ? 1.0 : static_cast<double>(u) / (count - 1);
        trail.len.push_back(angles.magnitude);
        trail.alpha.push_back(angles.angle);
        trail.beta.push_back(angles.azimuth);
        // From the start colour (0, 0, 1) to the end colour (1, 0, 0).
        trail.colorR.push_back((1 - t) * 0 + t * 1);
        trail.colorG.push_back(0);
        trail.colorB.push_back((1 - t) * 1 + t * 0);
    }
    trail.scale =
        settings.lengthFactor * viewThroughRadius(settings.holeSize, settings.shapeSize) / longest;
    return trail;
}

} // namespace vintrel
