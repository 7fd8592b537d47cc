#include "base/working_folders.h"

#include "base/log.h"

#include <cstdlib>

namespace vintrel {

std::filesystem::path defaultWorkingRoot() {
    std::filesystem::path dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        dataHome = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        dataHome = std::filesystem::path(home) / ".local" / "share";
    else
        dataHome = std::filesystem::temp_directory_path();
    return dataHome / "Vintrel";
}

bool ensureWorkingRoot(const std::filesystem::path& root) {
    std::error_code ec;
    if (std::filesystem::is_directory(root, ec))
        return true;
    return std::filesystem::create_directory(root, ec);
}

std::string resultFolderName(int number) {
    return (number < 10 ? "Result0" : "Result") + std::to_string(number);
}

bool removeFolderTree(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return !ec && !std::filesystem::exists(folder, ec);
}

void removeLeftoverResults(const std::filesystem::path& root) {
    writeLog("Looking for previously undeleted results");
    for (int number = 0; number <= 99; ++number) {
        const std::string name = resultFolderName(number);
        std::error_code ec;
        if (std::filesystem::exists(root / name, ec)) {
            writeLog("  Removing " + name);
            removeFolderTree(root / name);
        }
    }
}

void resetInputFolder(const std::filesystem::path& root) {
    const std::filesystem::path input = root / "input";
    std::error_code ec;
    if (std::filesystem::exists(input, ec)) {
        writeLog("  Removing input");
        removeFolderTree(input);
    }
    std::filesystem::create_directories(input, ec);
}

} // namespace vintrel
