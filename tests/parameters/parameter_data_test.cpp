#include "parameters/parameter_data.h"

#include "containers/container_format.h"
#include "containers/result_import.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vintrel {
namespace {

const std::filesystem::path kSourceDir = VINTREL_SOURCE_DIR;

using Slots = std::vector<std::pair<int, int>>;

TVariables variables(int element, int charge, const std::string& siconf, int baza, int cialo,
                     int symmetry) {
    TVariables vars;
    vars.element = element;
    vars._ionvalue = charge;
    vars.siconf = siconf;
    vars.baza = static_cast<std::uint8_t>(baza);
    vars.cialo = static_cast<std::uint8_t>(cialo);
    vars.symmetry = symmetry;
    for (std::size_t i = 0; i < 27; ++i) {
        vars.wsp_A[i] = 10.0 * static_cast<double>(i + 1) + 0.125;
        vars._wsp_B[i] = -static_cast<double>(i + 1) / 8;
    }
    return vars;
}

Slots listedRows(const DataTable& table) {
    Slots rows;
    for (const auto& row : table.rows)
        rows.emplace_back(std::get<std::int64_t>(row[1]), std::get<std::int64_t>(row[2]));
    return rows;
}

TEST(ParameterDataTable, ListsTheSlotsThePageShows) {
    struct Case {
        const char* what;
        TVariables vars;
        Slots expected;
    };
    Slots mAtLeast0, all;
    for (int n : {2, 4, 6})
        for (int m = -n; m <= n; ++m) {
            all.emplace_back(n, m);
            if (m >= 0)
                mAtLeast0.emplace_back(n, m);
        }
    const Case cases[] = {
        {"Ce3+ |J,Jz> cubic: ranks 2 and 4 only",
         variables(82, 3, "4f^1", 2, 1, 0),
         {{4, 0}, {4, 2}, {4, 3}, {4, 4}}},
        {"Ti3+ complex trigonal (II)",
         variables(22, 3, "3d^1", 1, 2, 10),
         {{2, 0}, {4, -3}, {4, 0}, {4, 3}}},
        {"Ce3+ |L,Lz,S,Sz> real, any symmetry", variables(82, 3, "4f^1", 1, 1, 12), mAtLeast0},
        {"Ce3+ |L,Lz,S,Sz> complex, any symmetry", variables(82, 3, "4f^1", 1, 2, 12), all},
        {"Mn2+ 3d^5 (L = 0): no coefficient column", variables(25, 2, "3d^5", 1, 1, 12), {}},
        {"Eu3+ 4f^6 |J,Jz> (J = 0): no coefficient column", variables(87, 3, "4f^6", 2, 1, 12), {}},
        {"no configuration", variables(82, 3, "", 1, 1, 12), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(listedRows(parameterDataTable(c.vars, "r", true)), c.expected) << c.what;
}

TEST(ParameterDataTable, RowsCarryBothSetsAndTheCommentsTheIon) {
    TVariables vars = variables(82, 3, "4f^1", 2, 1, 0);
    vars.lambda = 0.25;
    vars.magfield = 2;
    vars.magangle = 90;
    const DataTable table = parameterDataTable(vars, "Ce, cubic", true);
    EXPECT_EQ(table.toCsv(), "# result: Ce, cubic\n"
                             "# ion: Ce3+\n"
                             "# configuration: 4f^1\n"
                             "# basis: |J,Jz>\n"
                             "# hamiltonian: real\n"
                             "# field [T]: 2\n"
                             "# field angle [deg]: 90\n"
                             "# field azimuth [deg]: 0\n"
                             "# symmetry: cubic T_d O O_h\n"
                             "# spin-orbit constant [K]: 0.25\n"
                             "slot,n,m,B [K],A [K/a0^n]\n"
                             "10,4,0,-1.25,100.125\n"
                             "12,4,2,-1.5,120.125\n"
                             "13,4,3,-1.625,130.125\n"
                             "14,4,4,-1.75,140.125\n");
}

TEST(ParameterDataTable, MissingBSetLeavesItsCellsEmpty) {
    const DataTable table = parameterDataTable(variables(82, 3, "4f^1", 2, 1, 0), "r", false);
    EXPECT_EQ(table.comments.back(),
              (std::pair<std::string, std::string>{"B parameters", "not found in result file"}));
    ASSERT_EQ(table.rows.size(), 4u);
    for (const auto& row : table.rows)
        EXPECT_EQ(std::get<std::string>(row[3]), "");
    EXPECT_EQ(std::get<double>(table.rows[0][4]), 100.125);
}

TEST(ParameterDataTable, MeanFieldResultHasNoParametersPage) {
    TVariables vars = variables(82, 3, "4f^1", 2, 1, 0);
    vars.dynamic_calc = true;
    EXPECT_THROW(parameterDataTable(vars, "r", true), DataRequestError);
}

TEST(ParameterDataTable, CeriumExampleFromItsFiles) {
    test::TempDir root;
    ContainerReader reader(kSourceDir / "examples" / "Ce-cubic.zrvn");
    ExtractRequest request;
    request.picked = {true, false};
    const ExtractOutcome outcome = extractResults(reader, root.path(), request);
    ASSERT_TRUE(outcome.ok) << outcome.error;
    const ResultLocation location{root.path(), outcome.folders.at(0), kSourceDir / "data"};
    const std::string header = "# result: Ce3+ cubic Gamma8 ground\n"
                               "# ion: Ce3+\n"
                               "# configuration: 4f^1\n"
                               "# basis: |J,Jz>\n"
                               "# hamiltonian: real\n"
                               "# field [T]: 0\n"
                               "# field angle [deg]: 0\n"
                               "# field azimuth [deg]: 0\n"
                               "# symmetry: cubic T_d O O_h\n"
                               "# spin-orbit constant [K]: 0\n";
    EXPECT_EQ(parameterDataTable(location, "Ce3+ cubic Gamma8 ground").toCsv(),
              header + "slot,n,m,B [K],A [K/a0^n]\n"
                       "10,4,0,-1.5,-59.59889001009082\n"
                       "12,4,2,0,0\n"
                       "13,4,3,0,0\n"
                       "14,4,4,-7.5,-297.9944500504541\n");
    std::filesystem::remove(location.workingRoot / location.resultFolder / "input_bn.dup");
    EXPECT_EQ(parameterDataTable(location, "Ce3+ cubic Gamma8 ground").toCsv(),
              header + "# B parameters: not found in result file\n"
                       "slot,n,m,B [K],A [K/a0^n]\n"
                       "10,4,0,,-59.59889001009082\n"
                       "12,4,2,,0\n"
                       "13,4,3,,0\n"
                       "14,4,4,,-297.9944500504541\n");
}

} // namespace
} // namespace vintrel
