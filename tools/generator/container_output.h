#pragma once

#include "examples.h"

#include <filesystem>

namespace vintrel::generator {

/// Generates the results of `container`, writes their folders under `workFolder` and packs
/// them into `outputFolder`/<file name> with the core container writer. Data containers carry
/// the optional members (the transition lists belong to them); mean-field containers do not.
/// Returns the container's path.
std::filesystem::path writeExampleContainer(const ExampleContainer& container,
                                            const std::filesystem::path& outputFolder,
                                            const std::filesystem::path& workFolder);

} // namespace vintrel::generator
