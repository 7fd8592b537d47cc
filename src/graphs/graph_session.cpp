#include "graphs/graph_session.h"

#include "base/binary_file.h"
#include "base/data_table.h"
#include "base/number_pattern.h"
#include "graphs/axis_range.h"
#include "resultdata/dup_reader.h"

#include <algorithm>
#include <cmath>

namespace vintrel {

namespace fs = std::filesystem;

FileStamps FileStamps::of(const std::vector<fs::path>& files) {
    FileStamps result;
    for (const fs::path& file : files) {
        Stamp stamp;
        stamp.file = file;
        std::error_code ec;
        stamp.exists = fs::is_regular_file(file, ec);
        if (stamp.exists) {
            stamp.size = fs::file_size(file, ec);
            stamp.modified = fs::last_write_time(file, ec);
        }
        result.stamps_.push_back(stamp);
    }
    return result;
}

GraphSettingsSession::LoadOutcome
GraphSettingsSession::load(const fs::path& folder, const std::function<AxisRange()>& defaultRange) {
    folder_ = folder;
    settings_ = {};
    LoadOutcome outcome;
    const auto fallback = [&]() -> AxisRange {
        try {
            const AxisRange range = defaultRange();
            if (rangeAcceptable(range))
                return range;
        } catch (const std::exception& error) {
            if (outcome.problem.empty())
                outcome.problem = error.what();
        }
        return niceRange(0);
    };
    std::optional<GraphSettings> stored;
    try {
        stored = readGraphSettings(folder, kind_);
    } catch (const InputError& error) {
        outcome.problem = error.what();
        settings_.axis = fallback();
        return outcome;
    }
    if (stored) {
        settings_ = *stored;
        if (!rangeAcceptable(settings_.axis))
            settings_.axis = fallback();
        return outcome;
    }
    settings_.axis = fallback();
    if (!outcome.problem.empty())
        return outcome; // without the data the default is a guess: nothing is stored
    try {
        write(settings_);
        outcome.created = true;
    } catch (const FileError& error) {
        outcome.problem = error.what();
    }
    return outcome;
}

void GraphSettingsSession::clear() {
    folder_.clear();
    settings_ = {};
}

void GraphSettingsSession::write(const GraphSettings& settings) {
    if (!folder_.empty())
        writeGraphSettings(folder_, kind_, settings);
}

bool GraphSettingsSession::setRange(const AxisRange& range, const std::vector<fs::path>& others,
                                    std::vector<std::string>* otherProblems) {
    if (!rangeAcceptable(range))
        return false;
    GraphSettings next = settings_;
    next.axis = range;
    write(next);
    settings_ = next;
    if (!padlock_)
        return true;
    for (const fs::path& other : others) {
        if (other == folder_)
            continue;
        try {
            GraphSettings theirs = readGraphSettings(other, kind_).value_or(GraphSettings{});
            theirs.axis = range;
            writeGraphSettings(other, kind_, theirs);
        } catch (const FileError& error) {
            if (otherProblems)
                otherProblems->push_back(error.what());
        }
    }
    return true;
}

void GraphSettingsSession::setMarkers(xy_array markers) {
    GraphSettings next = settings_;
    next.markers = std::move(markers);
    write(next);
    settings_ = std::move(next);
}

std::vector<MarkerRow> markerTemplateRows(const std::vector<double>& temperatures) {
    std::vector<MarkerRow> rows;
    rows.reserve(temperatures.size());
    for (double T : temperatures)
        rows.push_back({formatFloatDot("0.00", T), "0"});
    return rows;
}

std::vector<MarkerRow> markerListRows(const xy_array& stored,
                                      const std::vector<double>& temperatures) {
    std::vector<std::pair<double, MarkerRow>> rows;
    std::vector<bool> placed(stored.size(), false);
    for (double T : temperatures) {
        MarkerRow row{formatFloatDot("0.00", T), "0"};
        for (std::size_t m = 0; m < stored.size(); ++m)
            if (!placed[m] && std::abs(stored[m].x - T) <= 1e-9 * std::max(1.0, std::abs(T))) {
                row = {roundTripText(stored[m].x), roundTripText(stored[m].y)};
                placed[m] = true;
                break;
            }
        rows.emplace_back(T, row);
    }
    for (std::size_t m = 0; m < stored.size(); ++m)
        if (!placed[m])
            rows.emplace_back(stored[m].x,
                              MarkerRow{roundTripText(stored[m].x), roundTripText(stored[m].y)});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<MarkerRow> list;
    list.reserve(rows.size());
    for (auto& [x, row] : rows)
        list.push_back(std::move(row));
    return list;
}

xy_array markersFromRows(const std::vector<MarkerRow>& rows) {
    xy_array markers;
    for (const MarkerRow& row : rows) {
        const auto x = parseEntryNumber(row.key);
        const auto y = parseEntryNumber(row.value);
        if (x && y && *y != 0)
            markers.push_back({*x, *y});
    }
    return markers;
}

} // namespace vintrel
