#pragma once

#include "level_files.h"
#include "mean_field.h"
#include "transition_files.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace vintrel::generator {

/// The computed numbers of one result and the texts of its member files.
struct GeneratedResult {
    ResultRecipe recipe;
    IonModel model;
    /// Eigenstates of the result's Hamiltonian (its own field, no probing field).
    Eigenstates levels;
    /// Block 0 of "o_E.dup" of an ordinary result.
    AxisSections sections;
    std::array<std::vector<ChiRow>, 3> chi;
    std::vector<HeatRow> heat;
    std::optional<MeanFieldRun> meanField;
    /// Member file name -> content.
    std::map<std::string, std::string> files;
};

/// Computes a result and formats all of its member files.
GeneratedResult generateResult(const ResultRecipe& recipe);

/// Writes the member files into `folder` (created when missing).
void writeResultFolder(const GeneratedResult& result, const std::filesystem::path& folder);

} // namespace vintrel::generator
