#pragma once

#include "base/data_table.h"
#include "levels/level_tables.h"
#include "resultdata/input_files.h"

#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// What shapes the levels table: the quantization axis and the energy tolerance (K) within
/// which levels form one group.
struct LevelDataOptions {
    Axis axis = Axis::z;
    double tolerance = kSameLevelEnergy;
};

/// The group number (1, 2, … in the order of their first levels) of levels 1 … count: a level
/// joins the group of the first level whose energy lies within `tolerance` of its own
/// (findLevelIndex, the rule by which the transition-strength tables join levels), and starts
/// a new group when that is itself. Levels being in ascending order, a level shares the group
/// of the previous one when it lies within the tolerance of it. Index 0 of the result is
/// level 1.
std::vector<int> levelGroups(const AxisLevels& levels, int count, double tolerance);

/// The energy levels of an ordinary result as the level diagram shows them, one row per level
/// of the chosen axis: `level`, `E [K]`, `E-E0 [K]`, `E-E0 [meV]`, `E-E0 [1/cm]` (E0 the
/// lowest level), `group`, then the diagram's expected values for the basis and axis. The
/// comments name the result (`resultName`), the ion and the options (`axis`, `tolerance`).
/// `content` is the text of "o_E.dup"; `fileName` stands for it in error texts.
/// Throws DataRequestError for a mean-field result, for the y axis of a real Hamiltonian and
/// for a negative or non-finite tolerance; InputError for a configuration without levels, a
/// damaged file or a section with fewer levels than the ground term has.
DataTable levelDataTable(const TVariables& vars, const std::string& resultName,
                         const std::string& fileName, std::string_view content,
                         const LevelDataOptions& options);

/// The same for the result at `location`: its input files are read as the viewer reads them
/// (`readResultInputs`), then its "o_E.dup". A missing or empty file throws InputError
/// "Cannot open file <path>".
DataTable levelDataTable(const ResultLocation& location, const std::string& resultName,
                         const LevelDataOptions& options);

} // namespace vintrel
