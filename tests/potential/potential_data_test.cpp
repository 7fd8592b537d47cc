#include "potential/potential_data.h"

#include "potential/potential_cloud.h"
#include "support/cli_run.h"
#include "support/result_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vintrel {
namespace {

namespace fs = std::filesystem;
using test::cli;
using test::CliRun;
using test::TempDir;

const fs::path kSourceDir = VINTREL_SOURCE_DIR;

TVariables withCoefficients(std::initializer_list<std::pair<int, double>> slots) {
    TVariables vars;
    vars.element = 58;
    vars.siconf = "4f^1";
    vars.baza = 2;
    for (const auto& [slot, value] : slots)
        vars.wsp_A[static_cast<std::size_t>(slot - 1)] = value;
    return vars;
}

double real(const DataTable::Cell& cell) {
    return std::get<double>(cell);
}

std::int64_t whole(const DataTable::Cell& cell) {
    return std::get<std::int64_t>(cell);
}

std::string comment(const DataTable& table, const std::string& key) {
    for (const auto& [k, v] : table.comments)
        if (k == key)
            return v;
    return "(none)";
}

TEST(PotentialData, TheSummaryHoldsTheExtremesOverTheBodysPoints) {
    const TVariables vars = withCoefficients({{3, -4.5}, {10, 1.25}, {14, 6.25}, {21, -0.3}});
    struct Case {
        PotentialDataOptions options;
        const char* body;
        std::int64_t n;
    };
    const Case cases[] = {
        {{}, "sphere", 91},
        {{Body::cube, 2, Resolution::low, false}, "cube", 41},
        {{Body::tetrahedron, 1, Resolution::veryHigh, false}, "tetrahedron", 51},
        {{Body::octahedron, 1, Resolution::high, false}, "octahedron", 41},
    };
    for (const Case& c : cases) {
        const DataTable table = potentialDataTable(vars, "test", c.options);
        ASSERT_EQ(table.columns,
                  (std::vector<std::string>{"body", "size [a0]", "N", "points in body", "V_min [K]",
                                            "V_max [K]"}));
        ASSERT_EQ(table.rows.size(), 1u);
        const auto& row = table.rows[0];
        EXPECT_EQ(std::get<std::string>(row[0]), c.body);
        EXPECT_EQ(whole(row[1]), c.options.shapeSize);
        EXPECT_EQ(whole(row[2]), c.n);
        // The reference: the page's base set, evaluated step by step.
        PointDataArray points;
        buildBaseSet(points, c.options.body, c.options.shapeSize,
                     pointsPerLength(c.options.resolution));
        evaluatePotential(vars.wsp_A, points);
        std::int64_t inside = 0;
        double low = INFINITY, high = -INFINITY;
        for (const TPointData& p : points)
            if (p.inshape) {
                ++inside;
                low = std::min(low, p.value);
                high = std::max(high, p.value);
            }
        EXPECT_EQ(whole(row[3]), inside) << c.body;
        EXPECT_EQ(real(row[4]), low) << c.body;
        EXPECT_EQ(real(row[5]), high) << c.body;
        EXPECT_EQ(comment(table, "body"), c.body);
        EXPECT_EQ(comment(table, "size"), std::to_string(c.options.shapeSize));
        EXPECT_EQ(comment(table, "values not finite"), "(none)");
    }
    EXPECT_THROW(potentialDataTable(vars, "test", {Body::cube, 11, Resolution::low, false}),
                 std::invalid_argument);
}

TEST(PotentialData, PointsComeInGridOrderWithTheirValues) {
    const TVariables vars = withCoefficients({{1, 2}, {9, -1.5}, {26, 0.125}});
    const DataTable table =
        potentialDataTable(vars, "test", {Body::octahedron, 1, Resolution::low, true});
    ASSERT_EQ(table.columns, (std::vector<std::string>{"x [a0]", "y [a0]", "z [a0]", "V [K]"}));
    PointDataArray points;
    buildBaseSet(points, Body::octahedron, 1, 20);
    evaluatePotential(vars.wsp_A, points);
    std::size_t j = 0;
    for (const TPointData& p : points) {
        if (!p.inshape)
            continue;
        ASSERT_LT(j, table.rows.size());
        const auto& row = table.rows[j++];
        EXPECT_EQ(real(row[0]), p.point[0]);
        EXPECT_EQ(real(row[1]), p.point[1]);
        EXPECT_EQ(real(row[2]), p.point[2]);
        EXPECT_EQ(real(row[3]), p.value);
    }
    EXPECT_EQ(j, table.rows.size());
    EXPECT_EQ(real(table.rows.front()[0]), -0.5); // x slowest: the first point has the least x
}

// The free mode of the pages exports the coefficients of its rows, and says so.
TEST(PotentialData, EditedCoefficientsReplaceTheResultsAndAreNamed) {
    const TVariables vars = withCoefficients({{1, 2}});
    const TVariables edited = withCoefficients({{9, -1.5}});
    const PotentialDataOptions options{Body::cube, 1, Resolution::low, true};
    const DataTable own = potentialDataTable(vars, "test", options, edited.wsp_A);
    const DataTable reference = potentialDataTable(edited, "test", options);
    ASSERT_EQ(own.rows.size(), reference.rows.size());
    for (std::size_t j = 0; j < own.rows.size(); ++j)
        ASSERT_EQ(real(own.rows[j][3]), real(reference.rows[j][3]));
    const auto comment = [](const DataTable& t) {
        for (const auto& [key, value] : t.comments)
            if (key == "coefficients")
                return value;
        return std::string();
    };
    EXPECT_NE(comment(own).find("as edited"), std::string::npos);
    EXPECT_NE(comment(reference).find("input_an.dup"), std::string::npos);
}

TEST(PotentialData, ValuesThatAreNotFiniteAreCountedAndLeftEmpty) {
    // Coefficients near the largest double, as free mode may have them, read from the result.
    test::ResultRecipe recipe = test::ceriumCubic();
    recipe.a.assign(27, "0");
    recipe.a[2] = "1e306";
    recipe.a[9] = "-1.7e308";
    recipe.a[20] = "1.5e308";
    const test::WorkingRoot root;
    const ResultLocation location = root.write("Result00", recipe);
    const DataTable points =
        potentialDataTable(location, "test", {Body::sphere, 3, Resolution::low, true});
    const std::string count = comment(points, "values not finite");
    ASSERT_NE(count, "(none)");
    std::size_t empty = 0;
    for (const auto& row : points.rows)
        if (std::holds_alternative<std::string>(row[3]))
            ++empty;
    EXPECT_EQ(std::to_string(empty), count);
    const DataTable summary =
        potentialDataTable(location, "test", {Body::sphere, 3, Resolution::low, false});
    EXPECT_TRUE(std::isfinite(real(summary.rows[0][4])));
    EXPECT_TRUE(std::isfinite(real(summary.rows[0][5])));
    EXPECT_EQ(points.toCsv().find("inf"), std::string::npos);
    EXPECT_EQ(points.toCsv().find("nan"), std::string::npos);
}

TEST(PotentialData, TheCommandLineReadsEveryExampleAndRefusesBadOptions) {
    for (const char* example : {"Ce-cubic.zrvn", "Ti-LS-complex.zrvn", "Nd-meanfield.mfa"}) {
        const CliRun run = cli({"data", "potential", (kSourceDir / "examples" / example).string(),
                                "--body", "cube", "--size", "2", "--resolution", "low"});
        ASSERT_EQ(run.status, 0) << example << ": " << run.err;
        EXPECT_NE(run.out.find("\nbody,size [a0],N,points in body,V_min [K],V_max [K]\n"
                               "cube,2,41,68921,"),
                  std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find("# body: cube\n# size: 2\n# resolution: low\n"), std::string::npos);
    }
    const std::string cerium = (kSourceDir / "examples" / "Ce-cubic.zrvn").string();
    const CliRun points = cli({"data", "potential", cerium, "--points", "--size", "1", "--body",
                               "tetrahedron", "--resolution", "low"});
    ASSERT_EQ(points.status, 0) << points.err;
    // x slowest, z fastest: the tetrahedron's corner (X, Y, Z + a) comes first.
    EXPECT_NE(points.out.find("\nx [a0],y [a0],z [a0],V [K]\n-0.5,-0.5,0.5,"), std::string::npos)
        << points.out.substr(0, 800);

    const std::vector<std::vector<std::string>> refused = {
        {"data", "potential", cerium, "--size", "0"},
        {"data", "potential", cerium, "--size", "11"},
        {"data", "potential", cerium, "--size", "2.5"},
        {"data", "potential", cerium, "--size", "inf"},
        {"data", "potential", cerium, "--body", "cone"},
        {"data", "potential", cerium, "--body", "Sphere"},
        {"data", "potential", cerium, "--resolution", "very high"},
        {"data", "potential", cerium, "--points", "yes"},
        {"data", "potential", cerium, "--axis", "z"},
    };
    for (const auto& args : refused) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args[3] << " " << (args.size() > 4 ? args[4] : "");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("vintrel-cli: ", 0), 0u) << run.err;
    }
}

TEST(PotentialData, TheCommandLineLeavesAResultFolderAsItWas) {
    const test::WorkingRoot root;
    root.write("Result00", test::ceriumCubic());
    const fs::path folder = root.folder("Result00");
    std::vector<fs::path> before;
    for (const auto& entry : fs::directory_iterator(folder))
        before.push_back(entry.path());
    const CliRun run = cli({"data", "potential", folder.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<fs::path> after;
    for (const auto& entry : fs::directory_iterator(folder))
        after.push_back(entry.path());
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);
    EXPECT_FALSE(fs::exists(folder / "g_potvis.dup"));
}

} // namespace
} // namespace vintrel
