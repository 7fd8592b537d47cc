#include "containers/container_save.h"

#include "base/atomic_file.h"
#include "base/binary_file.h"
#include "containers/container_format.h"

#include <algorithm>

namespace vintrel {

namespace fs = std::filesystem;

namespace {

/// The path with every link and "..", as far as it exists, resolved.
fs::path resolved(const fs::path& path) {
    std::error_code ec;
    const fs::path full = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? fs::absolute(path).lexically_normal() : full;
}

/// Whether `path` is `folder` or lies somewhere below it.
bool inside(const fs::path& path, const fs::path& folder) {
    auto p = path.begin();
    for (auto f = folder.begin(); f != folder.end(); ++f, ++p) {
        if (f->empty() && std::next(f) == folder.end())
            break; // the trailing empty element of "folder/"
        if (p == path.end() || *p != *f)
            return false;
    }
    return true;
}

void refuseUnsafeTargets(const fs::path& target, const ContainerSave& save) {
    const fs::path where = resolved(target);
    if (!save.workingRoot.empty() && inside(where, resolved(save.workingRoot)))
        throw FileError(kMsgTargetInWorkingRoot + target.string());
    for (const SavedResult& result : save.results)
        if (inside(where, resolved(result.folder)))
            throw FileError(kMsgTargetInResultFolder + target.string());
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (fs::exists(status) && !fs::is_regular_file(status))
        throw FileError(kMsgTargetNotAFile + target.string());
}

/// The text of `error` with the temporary file's name replaced by the target's: the user knows
/// only the file he chose.
std::string namingTheTarget(std::string text, const AtomicFile& file) {
    const std::string temporary = file.temporaryPath().string();
    const std::string target = file.target().string();
    for (auto at = text.find(temporary); at != std::string::npos;
         at = text.find(temporary, at + target.size()))
        text.replace(at, temporary.size(), target);
    return text;
}

} // namespace

void saveContainer(const fs::path& target, const ContainerSave& save) {
    refuseUnsafeTargets(target, save);
    AtomicFile file(target);
    try {
        writeContainerHeader(file.temporaryPath(), save.meanField, save.withOptional,
                             static_cast<std::int32_t>(save.results.size()), save.description);
        for (const SavedResult& result : save.results)
            appendResultRecord(file.temporaryPath(), result.folder, result.name, save.meanField,
                               save.withOptional);
    } catch (const FileError& error) {
        throw FileError(namingTheTarget(error.what(), file));
    }
    file.commit();
}

} // namespace vintrel
