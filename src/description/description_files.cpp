#include "description/description_files.h"

#include "base/atomic_file.h"
#include "base/binary_file.h"
#include "resultdata/dup_reader.h"
#include "resultdata/input_files.h"

namespace vintrel {

namespace fs = std::filesystem;

void refreshDescriptionSnapshot(const fs::path& resultFolder,
                                const std::optional<std::string>& description) {
    const fs::path snapshot = resultFolder / kDescriptionSnapshotFile;
    if (description) {
        writeFileAtomically(snapshot, *description);
        return;
    }
    std::error_code error;
    fs::remove(snapshot, error);
    if (error)
        throw FileError("Cannot delete file " + snapshot.string());
}

std::optional<std::string> readDescriptionSnapshot(const fs::path& resultFolder) {
    return readResultFile(resultFolder / kDescriptionSnapshotFile);
}

void writeDescription(const fs::path& resultFolder, std::string_view bytes) {
    writeFileAtomically(resultFolder / kDescriptionFile, bytes);
}

} // namespace vintrel
