#pragma once

#include "graphs/graph_settings.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vintrel {

/// What a set of files looked like: each file's presence, size and modification time. Pages
/// read their files again only when this changes (or the result changes).
class FileStamps {
public:
    static FileStamps of(const std::vector<std::filesystem::path>& files);
    bool operator==(const FileStamps&) const = default;

private:
    struct Stamp {
        std::filesystem::path file;
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified{};
        bool operator==(const Stamp&) const = default;
    };
    std::vector<Stamp> stamps_;
};

/// The range and markers of one graph page for the current result, kept in the result's
/// settings file, and the padlock that copies a range to every result of the kind.
///
/// The page loads the settings when its result becomes current; every change of the range or
/// the markers is written at once. Writes go beside the old file and replace it when complete;
/// a failure is thrown (FileError) and leaves the old file and the session as they were.
class GraphSettingsSession {
public:
    explicit GraphSettingsSession(GraphSettingsKind kind) : kind_(kind) {}

    GraphSettingsKind kind() const { return kind_; }
    const std::filesystem::path& folder() const { return folder_; }
    const GraphSettings& settings() const { return settings_; }
    const AxisRange& range() const { return settings_.axis; }
    const xy_array& markers() const { return settings_.markers; }

    /// What loading found.
    struct LoadOutcome {
        /// The file was missing or empty and has been written with the default range.
        bool created = false;
        /// Why the stored settings could not be used (a damaged file, a failed write); the
        /// session then holds the default range and no markers, and the file is left as it is.
        std::string problem;
    };
    /// Loads the settings of `folder`. A missing or empty file is written with
    /// `defaultRange()` and no markers; a stored range that cannot be drawn is replaced by the
    /// default in memory. `defaultRange` may throw (a data file it needs is missing): the
    /// range then falls back to niceRange's 1 and the problem is reported.
    LoadOutcome load(const std::filesystem::path& folder,
                     const std::function<AxisRange()>& defaultRange);
    /// Forgets the folder (no result): nothing is written until the next load.
    void clear();

    /// While the padlock is down a new range is also written into the settings files of these
    /// folders (the other results of the kind), each keeping its own markers.
    void setPadlock(bool down) { padlock_ = down; }
    bool padlock() const { return padlock_; }

    /// Stores a new range (refused, returning false, when it cannot be drawn). With the
    /// padlock down it goes to `others` too; problems there (a damaged or unwritable file)
    /// are collected in `otherProblems` and do not stop the rest.
    bool setRange(const AxisRange& range, const std::vector<std::filesystem::path>& others,
                  std::vector<std::string>* otherProblems = nullptr);
    /// Stores new markers.
    void setMarkers(xy_array markers);

private:
    void write(const GraphSettings& settings);

    GraphSettingsKind kind_;
    std::filesystem::path folder_;
    GraphSettings settings_;
    bool padlock_ = false;
};

/// A row of the marker list: the temperature as the key, the value.
struct MarkerRow {
    std::string key;
    std::string value;
    bool operator==(const MarkerRow&) const = default;
};

/// The marker list of a result: one row per data temperature, keyed by "0.00" with the value
/// "0", except where a stored marker lies at that temperature: its row then holds the marker
/// (both numbers in their shortest exact text). Stored markers at other temperatures get rows
/// of their own; all rows are in the order of their temperatures.
std::vector<MarkerRow> markerListRows(const xy_array& stored,
                                      const std::vector<double>& temperatures);

/// The rows of a marker list for temperatures alone: key by "0.00", value "0".
std::vector<MarkerRow> markerTemplateRows(const std::vector<double>& temperatures);

/// The markers a list holds: the rows whose key and value are both finite numbers ("." as
/// or ",", blanks around them allowed) and whose value is not 0; other rows are passed over.
xy_array markersFromRows(const std::vector<MarkerRow>& rows);

} // namespace vintrel
