#include "app/startup.h"

#include "base/log.h"
#include "base/working_folders.h"

namespace vintrel {

bool runModuleStartup(const std::filesystem::path& workingRoot) {
    const bool created = ensureWorkingRoot(workingRoot);
    for (const char* line : kModuleStartupLines)
        writeLog(line);
    return created;
}

void clearPreviousRun(const std::filesystem::path& workingRoot) {
    removeLeftoverResults(workingRoot);
    resetInputFolder(workingRoot);
}

} // namespace vintrel
