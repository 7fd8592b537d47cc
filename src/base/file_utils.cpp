#include "base/file_utils.h"

#include "base/atomic_file.h"
#include "base/binary_file.h"

#include <fstream>

namespace vintrel {

namespace fs = std::filesystem;

void copyFileTo(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    const fs::path destination = fs::is_directory(target, ec) ? target / source.filename() : target;
    std::ifstream in(source, std::ios::binary);
    if (!in || fs::is_directory(source, ec))
        throw FileError("Cannot open file " + source.string());
    AtomicFile file(destination);
    {
        std::ofstream out(file.temporaryPath(), std::ios::binary | std::ios::trunc);
        if (!out)
            throw FileError("Cannot create file " + destination.string());
        char buffer[64 * 1024];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
            out.write(buffer, in.gcount());
        out.close();
        if (!out || in.bad())
            throw FileError("Cannot create file " + destination.string());
    }
    file.commit();
}

fs::path copyWhenMissing(const fs::path& dataFolder, const fs::path& workingRoot,
                         const fs::path& fileName) {
    const fs::path target = workingRoot / fileName;
    std::error_code ec;
    if (!fs::exists(target, ec))
        copyFileTo(dataFolder / fileName, target);
    return target;
}

} // namespace vintrel
