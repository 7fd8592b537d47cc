#include "potential/potential_data.h"

#include "potential/potential_cloud.h"
#include "resultdata/result_summary.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

namespace vintrel {

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

DataTable::Cell valueCell(double value) {
    if (std::isfinite(value))
        return value;
    return std::string();
}

} // namespace

DataTable potentialDataTable(const TVariables& vars, const std::string& resultName,
                             const PotentialDataOptions& options,
                             const std::optional<CoefficientList>& edited) {
    if (options.shapeSize < 1 || options.shapeSize > 10)
        throw std::invalid_argument("the shape size is a whole number from 1 to 10");
    const int perLength = pointsPerLength(options.resolution);
    PotentialCloud cloud = buildCloud(options.body, options.shapeSize, perLength);
    evaluateCloud(edited ? *edited : vars.wsp_A, cloud);

    DataTable table;
    addResultComments(table, resultName, vars);
    table.comment("coefficients", edited ? "A [K/a0^n] of all 27 slots as edited (free mode)"
                                         : "A [K/a0^n] of all 27 slots (input_an.dup)");
    table.comment("body", lowerCase(bodyCaption(options.body)));
    table.comment("size", std::to_string(options.shapeSize));
    table.comment("resolution", lowerCase(resolutionCaption(options.resolution)));
    const auto notFinite = std::count_if(cloud.value.begin(), cloud.value.end(),
                                         [](double v) { return !std::isfinite(v); });
    if (notFinite > 0)
        table.comment("values not finite", std::to_string(notFinite));

    if (options.points) {
        table.columns = {"x [a0]", "y [a0]", "z [a0]", "V [K]"};
        table.rows.reserve(cloud.size());
        for (std::size_t j = 0; j < cloud.size(); ++j)
            table.rows.push_back({cloud.x[j], cloud.y[j], cloud.z[j], valueCell(cloud.value[j])});
        return table;
    }
    double low = INFINITY, high = -INFINITY;
    for (double v : cloud.value)
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    table.columns = {"body", "size [a0]", "N", "points in body", "V_min [K]", "V_max [K]"};
    table.rows.push_back({lowerCase(bodyCaption(options.body)), std::int64_t{options.shapeSize},
                          std::int64_t{gridPointCount(options.shapeSize, perLength)},
                          static_cast<std::int64_t>(cloud.size()), valueCell(low),
                          valueCell(high)});
    return table;
}

DataTable potentialDataTable(const ResultLocation& location, const std::string& resultName,
                             const PotentialDataOptions& options) {
    const TVariables vars = readResultInputs(location, TVariables{}).variables;
    return potentialDataTable(vars, resultName, options);
}

} // namespace vintrel
