#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vintrel {

/// The snapshot of a result's description, taken when the result becomes current; "Discard
/// all changes" goes back to it.
inline constexpr const char* kDescriptionSnapshotFile = "descr.sav";

/// Makes the snapshot of a result's description a byte copy of `description` (the bytes of
/// its "descr.dup" as read); with no description the old snapshot is removed, so that nothing
/// of an earlier text can come back. Throws FileError when the snapshot cannot be written or
/// removed.
void refreshDescriptionSnapshot(const std::filesystem::path& resultFolder,
                                const std::optional<std::string>& description);

/// The snapshot; nothing when the result has none (or it is empty).
std::optional<std::string> readDescriptionSnapshot(const std::filesystem::path& resultFolder);

/// Writes "descr.dup" beside the old file and replaces it, so that a failed write leaves the
/// old description whole. Throws FileError "Cannot create file <path>".
void writeDescription(const std::filesystem::path& resultFolder, std::string_view bytes);

} // namespace vintrel
