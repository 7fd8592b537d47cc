#include "levels/level_file_cache.h"

#include "resultdata/dup_reader.h"

namespace vintrel {

FileStamp fileStamp(const std::filesystem::path& path) {
    FileStamp stamp;
    std::error_code ec;
    stamp.exists = resultFilePresent(path);
    if (stamp.exists) {
        stamp.size = std::filesystem::file_size(path, ec);
        stamp.modified = std::filesystem::last_write_time(path, ec);
    }
    return stamp;
}

LevelFileCache::Stamp LevelFileCache::stampOf(const std::filesystem::path& folder, int block, int N,
                                              bool complexHamiltonian) {
    Stamp stamp;
    stamp.file = folder / kLevelsFile;
    stamp.block = block;
    stamp.N = N;
    stamp.complexHamiltonian = complexHamiltonian;
    stamp.content = fileStamp(stamp.file);
    return stamp;
}

bool LevelFileCache::refresh(const std::filesystem::path& folder, int block, int N,
                             bool complexHamiltonian) {
    const Stamp stamp = stampOf(folder, block, N, complexHamiltonian);
    if (stamp_ && *stamp_ == stamp)
        return false;
    // Nothing of the previous file may outlive it: a missing file, an impossible N or a read
    // that fails part-way leaves empty tables.
    stamp_.reset();
    tables_ = {};
    range_.reset();
    outcome_ = {};
    const auto content = stamp.content.exists ? readResultFile(stamp.file) : std::nullopt;
    if (content) {
        const std::string name = stamp.file.string();
        outcome_ = readLevelTablesText(name, *content, block, N, complexHamiltonian, tables_);
        if (N >= 1 && N <= kMaxLevels)
            range_ = scanEnergyRangeText(name, *content, block, N, complexHamiltonian);
    }
    stamp_ = stamp;
    return true;
}

} // namespace vintrel
