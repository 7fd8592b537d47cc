#pragma once

#include <filesystem>
#include <string_view>

namespace vintrel {

/// A file written beside its target and moved over it only when the writing succeeded, so that
/// a failure leaves the old file as it was. Write to `temporaryPath()`, then `commit()`; a file
/// that is not committed is removed when the object goes.
class AtomicFile {
public:
    /// Picks a free temporary name in the target's folder (nothing is created yet). A target
    /// that is a symbolic link is written through it: the file it points to is replaced.
    explicit AtomicFile(const std::filesystem::path& target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    const std::filesystem::path& target() const { return target_; }
    const std::filesystem::path& temporaryPath() const { return temporary_; }

    /// Moves the temporary file over the target (keeping the target's permissions when it
    /// existed). Throws FileError "Cannot create file <target>" when the temporary file is
    /// missing or cannot be moved; the target is then unchanged.
    void commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    bool committed_ = false;
};

/// Writes `bytes` as the whole new content of `target` through an AtomicFile. Throws FileError
/// "Cannot create file <target>" when any step fails; the old file then stays.
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace vintrel
