#pragma once

#include "containers/container_format.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vintrel {

/// The next tab-name suffix: "" → "a" … "z" → "aa", "bb" … "zz" → "aaa" …
std::string nextNameSuffix(const std::string& suffix);

/// The first suffix for which no stored name plus suffix equals an open tab's name (letter case
/// ignored).
std::string chooseNameSuffix(const std::vector<std::string>& storedNames,
                             const std::vector<std::string>& openTabNames);

/// Highest result folder number tried before the search gives up.
inline constexpr int kLastResultFolderNumber = 999;

/// Creates the first free result folder (Result00, Result01, …) in the working root and
/// returns its name. Throws FileError when none can be made. With `number`, the search starts
/// there and `number` is set to the one taken (an import that unpacks many results need not
/// try the folders it has just made again).
std::string createResultFolder(const std::filesystem::path& workingRoot, int* number = nullptr);

/// True when a stored member name can be used as a file name in a result folder: not empty,
/// not "." or "..", no "/", "\" or control characters.
bool isPlainMemberName(const std::string& name);

struct ExtractRequest {
    /// One flag per stored result, in container order; results beyond the list are not picked.
    std::vector<bool> picked;
    bool withOptional = true;
    /// Asked after each unpacked result; true stops the extraction there.
    std::function<bool()> cancelled;
    /// Told after each finished result: how many are done.
    std::function<void(int done)> progress;
};

struct ExtractOutcome {
    /// False when a member file could not be created (see error).
    bool ok = true;
    bool cancelled = false;
    /// Stored names and result folder names of the finished results, in container order.
    std::vector<std::string> storedNames;
    std::vector<std::string> folders;
    /// "File error #" and the code, when ok is false.
    std::string error;
};

/// The extraction pass of an import: unpacks the picked results of an open container into new
/// result folders of the working root, with the import's log lines and the "descr.sav" copy.
/// Throws FileError for a short read and ContainerRefused for a damaged record or an unsafe
/// member name; nothing is ever written outside the result folders.
ExtractOutcome extractResults(ContainerReader& reader, const std::filesystem::path& workingRoot,
                              const ExtractRequest& request);

} // namespace vintrel
