#include "container_output.h"
#include "examples.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "usage: vintrel-gen OUTPUT_FOLDER [--folders FOLDER]\n"
    "  writes the sample containers (Ce-cubic.zrvn, Ti-LS-complex.zrvn, Nd-meanfield.mfa)\n"
    "  into OUTPUT_FOLDER; --folders keeps the result folders they were packed from\n";

std::filesystem::path freshWorkFolder() {
    std::random_device random;
    return std::filesystem::temp_directory_path() /
           ("vintrel-gen-" + std::to_string(random()) + std::to_string(random()));
}

} // namespace

int main(int argc, char** argv) {
    std::filesystem::path output;
    std::filesystem::path kept;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--folders" && i + 1 < argc) {
            kept = argv[++i];
        } else if (output.empty() && !arg.starts_with("--")) {
            output = arg;
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (output.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::filesystem::path work = kept.empty() ? freshWorkFolder() : kept;
    int status = 0;
    try {
        for (const auto& container : vintrel::generator::allExamples()) {
            const auto path = vintrel::generator::writeExampleContainer(container, output, work);
            std::printf("wrote %s (%ju bytes)\n", path.string().c_str(),
                        static_cast<std::uintmax_t>(std::filesystem::file_size(path)));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vintrel-gen: %s\n", e.what());
        status = 1;
    }
    if (kept.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(work, ignored);
    }
    return status;
}
