#include "examples.h"
#include "result_generator.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

namespace {

void printSummary(const vintrel::generator::GeneratedResult& r) {
    std::printf("%s\n  levels (K):", r.spec.name.c_str());
    for (Eigen::Index i = 0; i < r.levels.energies.size(); ++i) {
        std::printf(" %.3f", r.levels.energies(i) - r.levels.energies(0));
    }
    if (r.meanField) {
        std::printf("\n  T_c = %.3f K, m(T_min) = %.4f mu_B", r.meanField->tc,
                    r.meanField->steps.front().m[2]);
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vintrel-gen FOLDER\n  writes the result folders of the "
                             "sample results into FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path out = argv[1];
        for (const auto& container : vintrel::generator::allExamples()) {
            int index = 0;
            for (const auto& spec : container.results) {
                const auto result = vintrel::generator::generateResult(spec);
                printSummary(result);
                vintrel::generator::writeResultFolder(
                    result, out / (container.fileName + "." + std::to_string(index++)));
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vintrel-gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
