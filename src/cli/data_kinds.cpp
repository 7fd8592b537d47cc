#include "cli/data_kinds.h"

#include "base/number_text.h"
#include "hamiltonian/ham_data.h"
#include "levels/level_data.h"
#include "levels/level_value_names.h"
#include "parameters/parameter_data.h"

#include <cmath>

namespace vintrel {

const std::string& DataArguments::text(const std::string& option, std::size_t index) const {
    return options.at(option).at(index);
}

double DataArguments::number(const std::string& option, const std::string& what,
                             std::size_t index) const {
    const std::string& value = text(option, index);
    const auto number = parseRealDot(value);
    if (!number || !std::isfinite(*number))
        throw UsageError{option + " takes " + what + ", not " + value};
    return *number;
}

namespace {

DataTable levelsTable(const DataArguments& args) {
    LevelDataOptions options;
    if (args.has("--axis")) {
        const auto axis = axisOfLetter(args.text("--axis"));
        if (!axis)
            throw UsageError{"--axis takes z, x or y, not " + args.text("--axis")};
        options.axis = *axis;
    }
    if (args.has("--tolerance")) {
        options.tolerance = args.number("--tolerance", "a number of kelvin, 0 or more");
        if (options.tolerance < 0)
            throw UsageError{"--tolerance takes a number of kelvin, 0 or more, not " +
                             args.text("--tolerance")};
    }
    return levelDataTable(args.location, args.resultName, options);
}

DataTable parametersTable(const DataArguments& args) {
    return parameterDataTable(args.location, args.resultName);
}

DataTable hamiltonianTable(const DataArguments& args) {
    TermSet terms = TermSet::all();
    if (args.has("--term")) {
        const auto named = termsNamed(args.text("--term"));
        if (!named)
            throw UsageError{"--term takes cef, ls, zeeman or total, not " + args.text("--term")};
        terms = *named;
    }
    return hamiltonianDataTable(args.location, args.resultName, terms);
}

} // namespace

const std::vector<DataKind>& dataKinds() {
    static const std::vector<DataKind> kinds = {
        {"levels",
         "[--axis z|x|y] [--tolerance K]",
         {{"--axis", 1}, {"--tolerance", 1}},
         levelsTable},
        {"parameters", "", {}, parametersTable},
        {"hamiltonian", "[--term cef|ls|zeeman|total]", {{"--term", 1}}, hamiltonianTable},
    };
    return kinds;
}

} // namespace vintrel
