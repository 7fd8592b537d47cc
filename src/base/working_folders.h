#pragma once

#include <filesystem>
#include <string>

namespace vintrel {

/// The XDG data home ($XDG_DATA_HOME, else $HOME/.local/share) followed by "/Vintrel".
std::filesystem::path defaultWorkingRoot();

/// Creates the working root when it is missing (one level only); false when it cannot be made.
bool ensureWorkingRoot(const std::filesystem::path& root);

/// "Result00" … "Result99", then "Result100" and on.
std::string resultFolderName(int number);

/// Deletes a folder and everything in it; false when anything stays behind.
bool removeFolderTree(const std::filesystem::path& folder);

/// Removes the result folders Result00 … Result99 left by an earlier run, logging each.
void removeLeftoverResults(const std::filesystem::path& root);

/// Removes the "input" folder (logging it) and creates it again empty.
void resetInputFolder(const std::filesystem::path& root);

} // namespace vintrel
