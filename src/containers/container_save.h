#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vintrel {

/// One result to store: the folder holding its member files and the name it is stored under
/// (Windows-1252 bytes; at most 255 are kept).
struct SavedResult {
    std::filesystem::path folder;
    std::string name;
};

/// What a new container holds.
struct ContainerSave {
    std::vector<SavedResult> results;
    /// A mean-field container ("ZMFA") instead of a data container ("ZRVN").
    bool meanField = false;
    /// Version 55 with the optional members (plot ranges, markers) instead of 50 without them.
    bool withOptional = false;
    /// Windows-1252 bytes; the field keeps 254 of them.
    std::string description;
    /// The viewer's working root, where no container may be written; empty when there is none.
    std::filesystem::path workingRoot;
};

inline constexpr const char* kMsgTargetInWorkingRoot =
    "Cannot save a container inside the viewer's working folder:\r";
inline constexpr const char* kMsgTargetInResultFolder =
    "Cannot save a container inside a result folder:\r";
inline constexpr const char* kMsgTargetNotAFile =
    "Cannot save a container over something that is not a file:\r";

/// Writes a container at `target` from the result folders, in the order given. The container is
/// written beside the target and replaces it only when it is whole, so a failure leaves an
/// existing file as it was and removes the partial one. A member file missing from a folder is
/// stored with size 0 and is not created. Refused with FileError (before anything is written):
/// a target inside the working root or inside one of the result folders, and a target that
/// exists but is not a regular file. Other failures throw FileError naming the target or the
/// member file that could not be read.
void saveContainer(const std::filesystem::path& target, const ContainerSave& save);

} // namespace vintrel
