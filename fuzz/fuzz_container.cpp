// Feeds arbitrary bytes to the container reader: header check, listing and extraction into a
// scratch folder. Any crash, leak, undefined behaviour or file outside the folder is a bug.
#include "containers/container_format.h"
#include "containers/result_import.h"

#include <cstdlib>
#include <filesystem>

namespace {

const std::filesystem::path& scratch() {
    static const std::filesystem::path dir = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vintrel-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return std::filesystem::path(pattern);
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace vintrel;
    const std::filesystem::path root = scratch() / "root";
    std::filesystem::create_directories(root);
    try {
        ContainerReader reader(BinaryFile::fromMemory(data, size), "fuzz input");
        const auto listed = listResults(reader);
        ExtractRequest request;
        request.picked.assign(listed.size(), true);
        extractResults(reader, root, request);
    } catch (const ContainerRefused&) {
    } catch (const FileError&) {
    }
    for (const auto& entry : std::filesystem::directory_iterator(scratch()))
        if (entry.path() != root)
            std::abort(); // something was written beside the result folders
    std::filesystem::remove_all(root);
    return 0;
}
