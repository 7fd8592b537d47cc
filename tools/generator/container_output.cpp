#include "container_output.h"

#include "result_generator.h"

#include "containers/container_format.h"

namespace vintrel::generator {

std::filesystem::path writeExampleContainer(const ExampleContainer& container,
                                            const std::filesystem::path& outputFolder,
                                            const std::filesystem::path& workFolder) {
    const bool withOptional = !container.meanField;
    const std::filesystem::path path = outputFolder / container.fileName;
    std::filesystem::create_directories(outputFolder);
    writeContainerHeader(path, container.meanField, withOptional,
                         static_cast<std::int32_t>(container.results.size()),
                         container.description);
    int index = 0;
    for (const ResultRecipe& recipe : container.results) {
        const std::filesystem::path folder =
            workFolder / (container.fileName + "-" + std::to_string(index++));
        writeResultFolder(generateResult(recipe), folder);
        appendResultRecord(path, folder, recipe.name, container.meanField, withOptional);
    }
    return path;
}

} // namespace vintrel::generator
