#pragma once

#include "base/data_table.h"
#include "potential/potential.h"
#include "resultdata/input_files.h"

#include <optional>
#include <string>

namespace vintrel {

/// The body and grid of a potential table, as the potential page's shape panel sets them.
struct PotentialDataOptions {
    Body body = Body::sphere;
    int shapeSize = 3; ///< 1 … 10
    Resolution resolution = Resolution::medium;
    bool points = false; ///< one row per point instead of the summary
};

/// The potential of a result as the potential page computes it, from all 27 coefficients of
/// `wsp_A` (the rows the page shows) on the grid of the chosen body, size and resolution,
/// unrotated. By default one row: `body`, `size [a0]`, `N`, `points in body`, `V_min [K]` and
/// `V_max [K]`, the extremes of the finite values over the body's points. With `points`, one
/// row per point of the body in grid order: `x [a0]`, `y [a0]`, `z [a0]`, `V [K]`; a value
/// that is not finite is left empty. Comments name the result, the options and, when there are
/// any, the number of values that are not finite. Throws std::invalid_argument for a shape
/// size outside 1 … 10. `edited` replaces the result's coefficients (the rows a page edits in
/// free mode), and the comment says so.
DataTable potentialDataTable(const TVariables& vars, const std::string& resultName,
                             const PotentialDataOptions& options,
                             const std::optional<CoefficientList>& edited = std::nullopt);

/// The same for the result at `location`, its input files read as the viewer reads them.
DataTable potentialDataTable(const ResultLocation& location, const std::string& resultName,
                             const PotentialDataOptions& options);

} // namespace vintrel
