#pragma once

#include "levels/level_tables.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace vintrel {

/// What tells a result file's content from another: whether it is there (a file of zero bytes
/// counts as missing), its size and its modification time.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    bool operator==(const FileStamp&) const = default;
};
FileStamp fileStamp(const std::filesystem::path& path);

/// The level data of one result as the level page draws it: "o_E.dup" is read again only
/// when its size or modification time, the block, the level count or the Hamiltonian kind
/// changed since the last read.
class LevelFileCache {
public:
    /// Brings the tables and the range up to date; true when the file was read again.
    bool refresh(const std::filesystem::path& folder, int block, int N, bool complexHamiltonian);
    /// Forgets what was read, so that the next refresh reads the file.
    void invalidate() { stamp_.reset(); }

    const LevelTables& tables() const { return tables_; }
    /// The level range of the last read; nullopt while no file was read.
    const std::optional<EnergyRange>& range() const { return range_; }
    const LevelReadOutcome& outcome() const { return outcome_; }

private:
    struct Stamp {
        std::filesystem::path file;
        FileStamp content;
        int block = 0;
        int N = 0;
        bool complexHamiltonian = false;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const std::filesystem::path& folder, int block, int N,
                         bool complexHamiltonian);

    std::optional<Stamp> stamp_;
    LevelTables tables_;
    std::optional<EnergyRange> range_;
    LevelReadOutcome outcome_;
};

} // namespace vintrel
