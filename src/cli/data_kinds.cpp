#include "cli/data_kinds.h"

#include "base/measured_data.h"
#include "base/number_text.h"
#include "graphs/curie_weiss.h"
#include "graphs/graph_tables.h"
#include "hamiltonian/ham_data.h"
#include "levels/eigenvector_table.h"
#include "levels/level_data.h"
#include "levels/level_value_names.h"
#include "levels/mean_field_levels.h"
#include "levels/plot_units.h"
#include "levels/spectro_data.h"
#include "parameters/parameter_data.h"
#include "potential/potential_data.h"

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

DataTable susceptibilityTable(const DataArguments& args) {
    return susceptibilityDataTable(args.location, args.resultName);
}

DataTable peffTable(const DataArguments& args) {
    std::optional<TemperaturePair> between;
    if (args.has("--between"))
        between = TemperaturePair{args.number("--between", "two temperatures in kelvin", 0),
                                  args.number("--between", "two temperatures in kelvin", 1)};
    return peffDataTable(args.location, args.resultName, between);
}

DataTable heatTable(const DataArguments& args) {
    if (args.has("--atoms") && !args.has("--debye"))
        throw UsageError{"--atoms goes with --debye"};
    std::optional<DebyeOptions> debye;
    if (args.has("--debye")) {
        debye = DebyeOptions{};
        debye->theta = args.number("--debye", "a Debye temperature in kelvin, above 0");
        if (debye->theta <= 0)
            throw UsageError{"--debye takes a Debye temperature in kelvin, above 0, not " +
                             args.text("--debye")};
        if (args.has("--atoms")) {
            debye->atoms = args.number("--atoms", "a whole number of atoms, 1 or more");
            if (debye->atoms < 1 || debye->atoms != std::floor(debye->atoms))
                throw UsageError{"--atoms takes a whole number of atoms, 1 or more, not " +
                                 args.text("--atoms")};
        }
    }
    return heatDataTable(args.location, args.resultName, debye);
}

DataTable meanFieldTable(const DataArguments& args) {
    return meanFieldDataTable(args.location, args.resultName);
}

DataTable meanFieldLevelsTable(const DataArguments& args) {
    return meanFieldLevelsDataTable(args.location, args.resultName);
}

DataTable potentialTable(const DataArguments& args) {
    PotentialDataOptions options;
    if (args.has("--body")) {
        const auto body = bodyOfName(args.text("--body"));
        if (!body)
            throw UsageError{"--body takes sphere, cube, tetrahedron or octahedron, not " +
                             args.text("--body")};
        options.body = *body;
    }
    if (args.has("--size")) {
        const double size = args.number("--size", "a whole number from 1 to 10");
        if (size < 1 || size > 10 || size != std::floor(size))
            throw UsageError{"--size takes a whole number from 1 to 10, not " +
                             args.text("--size")};
        options.shapeSize = static_cast<int>(size);
    }
    if (args.has("--resolution")) {
        const auto resolution = resolutionOfName(args.text("--resolution"));
        if (!resolution)
            throw UsageError{"--resolution takes low, medium, high or veryhigh, not " +
                             args.text("--resolution")};
        options.resolution = *resolution;
    }
    options.points = args.has("--points");
    return potentialDataTable(args.location, args.resultName, options);
}

std::optional<double> temperatureOption(const DataArguments& args) {
    if (!args.has("--temperature"))
        return std::nullopt;
    const double T = args.number("--temperature", "a temperature in kelvin, 0 or more");
    if (T < 0)
        throw UsageError{"--temperature takes a temperature in kelvin, 0 or more, not " +
                         args.text("--temperature")};
    return T;
}

DataTable transitionsTable(const DataArguments& args) {
    return transitionsDataTable(args.location, args.resultName, temperatureOption(args));
}

DataTable spectrumTable(const DataArguments& args) {
    SpectrumDataOptions options;
    if (!args.has("--unit"))
        throw UsageError{"spectrum needs --unit K|meV|1/cm|nm"};
    const auto type = plotTypeOfUnit(args.text("--unit"));
    if (!type)
        throw UsageError{"--unit takes K, meV, 1/cm or nm, not " + args.text("--unit")};
    options.type = *type;
    if (args.has("--from") != args.has("--to"))
        throw UsageError{"--from and --to go together"};
    if (args.has("--from")) {
        options.range = EnergyInterval{args.number("--from", "a position on the scale"),
                                       args.number("--to", "a position on the scale")};
        if (!(options.range->min < options.range->max))
            throw UsageError{"--from must lie below --to"};
    }
    if (args.has("--points")) {
        const double points = args.number("--points", "a whole number from 1 to 1000000");
        if (points < 1 || points > 1000000 || points != std::floor(points))
            throw UsageError{"--points takes a whole number from 1 to 1000000, not " +
                             args.text("--points")};
        options.points = static_cast<int>(points);
    }
    if (args.has("--shape")) {
        const auto shape = lineShapeOfName(args.text("--shape"));
        if (!shape)
            throw UsageError{"--shape takes none, lorentz, gauss or voigt, not " +
                             args.text("--shape")};
        options.shape = *shape;
    }
    if (args.has("--width")) {
        options.width = args.number("--width", "a full width at half maximum, 0 or more");
        if (*options.width < 0)
            throw UsageError{"--width takes a full width at half maximum, 0 or more, not " +
                             args.text("--width")};
    }
    options.widthInKelvin = args.has("--width-in-kelvin");
    if (args.has("--lorentz-width")) {
        if (options.shape != LineShape::voigt)
            throw UsageError{"--lorentz-width goes with --shape voigt"};
        options.lorentzWidth =
            args.number("--lorentz-width", "a full width at half maximum, 0 or more");
        if (*options.lorentzWidth < 0)
            throw UsageError{"--lorentz-width takes a full width at half maximum, 0 or more, not " +
                             args.text("--lorentz-width")};
    }
    if (args.has("--resolution")) {
        if (args.has("--width"))
            throw UsageError{"--resolution replaces --width; give one of them"};
        const std::string what = "three coefficients a b c of FWHM(E) = a + bE + cE^2";
        options.resolution = WidthPolynomial{args.number("--resolution", what, 0),
                                             args.number("--resolution", what, 1),
                                             args.number("--resolution", what, 2)};
    }
    options.normaliseArea = args.has("--normalise-area");
    options.temperature = temperatureOption(args);
    return spectrumDataTable(args.location, args.resultName, options);
}

EigenvectorTable eigenvectorsOf(const DataArguments& args) {
    double minWeight = 0;
    if (args.has("--min-weight")) {
        minWeight = args.number("--min-weight", "a weight from 0 to 1");
        if (minWeight < 0 || minWeight > 1)
            throw UsageError{"--min-weight takes a weight from 0 to 1, not " +
                             args.text("--min-weight")};
    }
    return readEigenvectorTable(args.location, args.resultName, minWeight);
}

std::string eigenvectorsText(const DataArguments& args) {
    EigenTableFormat format = EigenTableFormat::csv;
    if (args.has("--format")) {
        const auto chosen = eigenTableFormatOfName(args.text("--format"));
        if (!chosen)
            throw UsageError{"--format takes csv, latex or markdown, not " + args.text("--format")};
        format = *chosen;
    }
    const EigenvectorTable table = eigenvectorsOf(args);
    switch (format) {
    case EigenTableFormat::latex:
        return eigenvectorLatex(table);
    case EigenTableFormat::markdown:
        return eigenvectorMarkdown(table);
    case EigenTableFormat::csv:
        break;
    }
    return eigenvectorDataTable(table).toCsv();
}

DataTable curieWeissTable(const DataArguments& args) {
    if (!args.has("--between"))
        throw UsageError{"curie-weiss needs --between T1 T2"};
    const TemperaturePair between{args.number("--between", "two temperatures in kelvin", 0),
                                  args.number("--between", "two temperatures in kelvin", 1)};
    return curieWeissDataTable(args.location, args.resultName, between, !args.has("--no-chi0"));
}

// The main curve of each kind that measured data can be set against.
struct ComparedKind {
    const char* kind;
    const char* curve;
    bool spectrum;
};
constexpr ComparedKind kComparedKinds[] = {
    {"susceptibility", "chi_powder", false},
    {"heat", "c", false},
    {"meanfield", "m_t", false},
    {"spectrum", "total", true},
};

std::size_t measuredColumnOption(const DataArguments& args, const MeasuredTable& measured,
                                 const std::string& option, std::size_t fallback) {
    if (!args.has(option)) {
        if (fallback >= measured.columnCount())
            throw UsageError{args.text("--measured") + " has no column " +
                             std::to_string(fallback + 1) + " for " + option};
        return fallback;
    }
    const auto column = measuredColumn(measured, args.text(option));
    if (!column)
        throw UsageError{option + " takes a column name or number of " + args.text("--measured") +
                         ", not " + args.text(option)};
    return *column;
}

DataTable compareTable(const DataArguments& args) {
    const ComparedKind* compared = nullptr;
    for (const ComparedKind& kind : kComparedKinds)
        if (args.compared && args.compared->name == std::string(kind.kind))
            compared = &kind;
    if (!compared)
        throw UsageError{"compare takes susceptibility, heat, meanfield or spectrum, not " +
                         std::string(args.compared ? args.compared->name : "nothing")};
    if (!args.has("--measured"))
        throw UsageError{"compare needs --measured FILE"};
    const MeasuredTable measured = readMeasuredData(args.text("--measured"));
    const std::size_t x = measuredColumnOption(args, measured, "--x", 0);
    const std::size_t y = measuredColumnOption(args, measured, "--y", 1);
    std::optional<std::size_t> err;
    if (args.has("--err"))
        err = measuredColumnOption(args, measured, "--err", 2);
    MeasuredPoints points = measuredPoints(measured, x, y, err);

    const DataTable computed = args.compared->table(args);
    const std::string curveName = args.has("--curve") ? args.text("--curve") : compared->curve;
    const auto curve = tableColumnNamed(computed, curveName);
    if (!curve || *curve == 0)
        throw UsageError{"--curve takes a column of data " + std::string(compared->kind) +
                         ", not " + curveName};
    const std::string scale = columnUnit(computed.columns.front());
    if (compared->spectrum) {
        const auto from =
            points.xUnit.empty() ? plotTypeOfUnit(scale) : plotTypeOfUnit(points.xUnit);
        const auto to = plotTypeOfUnit(scale);
        if (!from)
            throw UsageError{"the x column of " + args.text("--measured") + " is in " +
                             points.xUnit + "; spectra take K, meV, 1/cm or nm"};
        points.x = convertPlotUnit(points.x, *from, *to);
        points.xUnit = scale;
    } else if (!points.xUnit.empty() && points.xUnit != "K") {
        throw UsageError{"the x column of " + args.text("--measured") + " is in " + points.xUnit +
                         "; temperatures are taken in K"};
    }
    DataTable table =
        compareDataTable(computed, *curve, points, compared->spectrum, args.text("--measured"));
    table.comment("measured columns", "x " + measured.title(x) + ", y " + measured.title(y) +
                                          (err ? ", err " + measured.title(*err) : ""));
    return table;
}

} // namespace

const DataKind* dataKindNamed(const std::string& name) {
    for (const DataKind& kind : dataKinds())
        if (name == kind.name)
            return &kind;
    return nullptr;
}

const std::vector<DataKind>& dataKinds() {
    static const std::vector<DataKind> kinds = {
        {"levels",
         "[--axis z|x|y] [--tolerance K]",
         {{"--axis", 1}, {"--tolerance", 1}},
         levelsTable},
        {"parameters", "", {}, parametersTable},
        {"hamiltonian", "[--term cef|ls|zeeman|total]", {{"--term", 1}}, hamiltonianTable},
        {"susceptibility", "", {}, susceptibilityTable},
        {"peff", "[--between T1 T2]", {{"--between", 2}}, peffTable},
        {"heat", "[--debye THETA [--atoms N]]", {{"--debye", 1}, {"--atoms", 1}}, heatTable},
        {"meanfield", "", {}, meanFieldTable},
        {"meanfield-levels", "", {}, meanFieldLevelsTable},
        {"potential",
         "[--body sphere|cube|tetrahedron|octahedron] [--size S] "
         "[--resolution low|medium|high|veryhigh] [--points]",
         {{"--body", 1}, {"--size", 1}, {"--resolution", 1}, {"--points", 0}},
         potentialTable},
        {"eigenvectors",
         "[--format csv|latex|markdown] [--min-weight W]",
         {{"--format", 1}, {"--min-weight", 1}},
         [](const DataArguments& args) { return eigenvectorDataTable(eigenvectorsOf(args)); },
         eigenvectorsText},
        {"transitions", "[--temperature T]", {{"--temperature", 1}}, transitionsTable},
        {"spectrum",
         "--unit K|meV|1/cm|nm [--from X --to Y] [--points N] "
         "[--shape none|lorentz|gauss|voigt] [--width W | --resolution A B C] "
         "[--lorentz-width W] [--width-in-kelvin] [--normalise-area] [--temperature T]",
         {{"--unit", 1},
          {"--from", 1},
          {"--to", 1},
          {"--points", 1},
          {"--shape", 1},
          {"--width", 1},
          {"--width-in-kelvin", 0},
          {"--lorentz-width", 1},
          {"--resolution", 3},
          {"--normalise-area", 0},
          {"--temperature", 1}},
         spectrumTable},
        {"curie-weiss",
         "--between T1 T2 [--no-chi0]",
         {{"--between", 2}, {"--no-chi0", 0}},
         curieWeissTable},
        {"compare",
         "--measured FILE [--x COL --y COL --err COL] [--curve NAME] [options of KIND]",
         {{"--measured", 1}, {"--x", 1}, {"--y", 1}, {"--err", 1}, {"--curve", 1}},
         compareTable,
         {},
         true},
    };
    return kinds;
}

} // namespace vintrel
