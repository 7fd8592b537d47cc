#include "resultdata/file_utils.h"

#include "containers/binary_file.h"

#include <fstream>

namespace vintrel {

namespace fs = std::filesystem;

void copyFileTo(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    const fs::path destination = fs::is_directory(target, ec) ? target / source.filename() : target;
    std::ifstream in(source, std::ios::binary);
    if (!in || fs::is_directory(source, ec))
        throw FileError("Cannot open file " + source.string());
    fs::path partial = destination;
    partial += ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out)
            throw FileError("Cannot create file " + destination.string());
        char buffer[64 * 1024];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
            out.write(buffer, in.gcount());
        out.flush();
        if (!out || in.bad()) {
            out.close();
            fs::remove(partial, ec);
            throw FileError("Cannot create file " + destination.string());
        }
    }
    fs::rename(partial, destination, ec);
    if (ec) {
        fs::remove(partial, ec);
        throw FileError("Cannot create file " + destination.string());
    }
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
