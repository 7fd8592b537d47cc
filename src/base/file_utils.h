#pragma once

#include <filesystem>

namespace vintrel {

/// Copies the bytes of `source` to `target`; when `target` is an existing folder the source's
/// file name is appended to it. The copy is written beside the target and renamed into place,
/// so a failed copy leaves no half-written target. Throws FileError "Cannot open file <path>"
/// or "Cannot create file <path>".
void copyFileTo(const std::filesystem::path& source, const std::filesystem::path& target);

/// Copies a file shipped beside the program into the working root when the working root has
/// none yet (an existing file is never replaced). Returns the working root's path of the file.
std::filesystem::path copyWhenMissing(const std::filesystem::path& dataFolder,
                                      const std::filesystem::path& workingRoot,
                                      const std::filesystem::path& fileName);

} // namespace vintrel
