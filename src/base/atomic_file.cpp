#include "base/atomic_file.h"

#include "base/binary_file.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <string>

namespace vintrel {

namespace fs = std::filesystem;

namespace {

std::atomic<unsigned> temporaryCounter{0};

fs::path resolvedTarget(const fs::path& target) {
    std::error_code ec;
    if (!fs::is_symlink(target, ec))
        return target;
    const fs::path resolved = fs::weakly_canonical(target, ec);
    return ec ? target : resolved;
}

[[noreturn]] void cannotCreate(const fs::path& target) {
    throw FileError("Cannot create file " + target.string());
}

} // namespace

AtomicFile::AtomicFile(const fs::path& target) : target_(resolvedTarget(target)) {
    const auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    std::error_code ec;
    do {
        fs::path name = target_.filename();
        name += ".part-" + std::to_string(stamp % 1000000007ULL) + "-" +
                std::to_string(temporaryCounter.fetch_add(1));
        temporary_ = target_.parent_path() / name;
    } while (fs::exists(fs::symlink_status(temporary_, ec)));
}

AtomicFile::~AtomicFile() {
    if (!committed_) {
        std::error_code ec;
        fs::remove(temporary_, ec);
    }
}

void AtomicFile::commit() {
    std::error_code ec;
    if (!fs::is_regular_file(temporary_, ec))
        cannotCreate(target_);
    const fs::file_status old = fs::status(target_, ec);
    if (!ec && fs::is_regular_file(old))
        fs::permissions(temporary_, old.permissions(), ec);
    fs::rename(temporary_, target_, ec);
    if (ec)
        cannotCreate(target_);
    committed_ = true;
}

void writeFileAtomically(const fs::path& target, std::string_view bytes) {
    AtomicFile file(target);
    {
        std::ofstream out(file.temporaryPath(), std::ios::binary | std::ios::trunc);
        if (!out)
            cannotCreate(file.target());
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            cannotCreate(file.target());
    }
    file.commit();
}

} // namespace vintrel
