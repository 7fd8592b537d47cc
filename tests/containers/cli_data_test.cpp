// `vintrel-cli data`: the tables of a result's pages, from a container or a result folder.
#include "cli/cli.h"
#include "cli/data_command.h"
#include "cli/report_command.h"
#include "levels/line_profiles.h"

#include "support/cli_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

using namespace vintrel;
using vintrel::test::TempDir;

using vintrel::test::cli;
using vintrel::test::CliRun;
using vintrel::test::csvRows;

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = VINTREL_SOURCE_DIR;
const std::string kCerium = (kSourceDir / "examples" / "Ce-cubic.zrvn").string();

std::vector<std::string> column(const std::string& csv, std::size_t index) {
    std::vector<std::string> cells;
    for (const auto& row : csvRows(csv))
        cells.push_back(index < row.size() ? row[index] : "");
    return cells;
}

// Every entry under a folder with its size and modification time.
std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>>
snapshot(const fs::path& root) {
    std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        entries[fs::relative(entry.path(), root).string()] = {
            entry.is_regular_file() ? entry.file_size() : 0, entry.last_write_time()};
    return entries;
}

// The Ce example unpacked into `dir`/Result00 (Γ8 ground) and Result01 (Γ7 ground).
void extractCerium(const fs::path& dir) {
    ASSERT_EQ(cli({"extract", kCerium, dir.string()}).status, 0);
}

} // namespace

TEST(CliData, CeriumLevelsInThreeUnitsAndTwoGroupsAtOneKelvin) {
    // The installed tool itself: it finds "input_s.df" beside its own executable.
    const std::string command =
        std::string("'") + VINTREL_CLI_PATH + "' data levels '" + kCerium + "' --tolerance 1 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string csv;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        csv.append(buffer, n);
    ASSERT_EQ(pclose(pipe), 0) << csv;

    EXPECT_EQ(csv.rfind("# result: Ce3+ cubic Gamma8 ground\n# ion: Ce3+\n", 0), 0u) << csv;
    EXPECT_NE(csv.find("\n# axis: z\n# tolerance: 1\n"
                       "level,E [K],E-E0 [K],E-E0 [meV],E-E0 [1/cm],group,<L_z>,<S_z>,<J_z>\n"),
              std::string::npos)
        << csv;
    const auto rows = csvRows(csv);
    ASSERT_EQ(rows.size(), 6u) << csv;
    EXPECT_EQ(column(csv, 0), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(column(csv, 5), (std::vector<std::string>{"1", "1", "1", "1", "2", "2"}));
    EXPECT_EQ(rows[0][1], "-180.105568");
    EXPECT_EQ(rows[0][2], "0");
    EXPECT_NEAR(std::stod(rows[4][2]), 540.057602, 1e-9);
    EXPECT_NEAR(std::stod(rows[4][3]), 540.057602 / 11.60451911, 1e-9);
    EXPECT_NEAR(std::stod(rows[4][4]), 540.057602 * 0.695, 1e-9);
    EXPECT_EQ(rows[5][6], "0.952922");
    EXPECT_EQ(rows[5][7], "-0.119115");

    // At the default tolerance the probe field's 0.2 K splitting separates every level.
    const CliRun fine = cli({"data", "levels", kCerium});
    ASSERT_EQ(fine.status, 0) << fine.err;
    EXPECT_NE(fine.out.find("# tolerance: 1e-09\n"), std::string::npos);
    EXPECT_EQ(column(fine.out, 5), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(fine.err, "");
}

TEST(CliData, ResultChoosesAmongTheStoredResults) {
    const CliRun second = cli({"data", "levels", kCerium, "--result", "Ce3+ cubic Gamma7 ground"});
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out.rfind("# result: Ce3+ cubic Gamma7 ground\n", 0), 0u);
    const CliRun first = cli({"data", "levels", kCerium});
    EXPECT_NE(column(second.out, 1), column(first.out, 1));

    const CliRun parameters =
        cli({"data", "parameters", kCerium, "--result", "Ce3+ cubic Gamma7 ground"});
    ASSERT_EQ(parameters.status, 0) << parameters.err;
    EXPECT_EQ(parameters.out.rfind("# result: Ce3+ cubic Gamma7 ground\n", 0), 0u);
    EXPECT_EQ(column(parameters.out, 0), (std::vector<std::string>{"10", "12", "13", "14"}));

    const CliRun unknown = cli({"data", "levels", kCerium, "--result", "Gamma9"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("no result named \"Gamma9\""), std::string::npos);
}

TEST(CliData, ResultFolderGivesTheSameTableUnderItsOwnName) {
    TempDir dir;
    extractCerium(dir.path());
    const CliRun fromFolder = cli({"data", "levels", (dir / "Result00").string(), "--axis", "x"});
    const CliRun fromContainer = cli({"data", "levels", kCerium, "--axis", "x"});
    ASSERT_EQ(fromFolder.status, 0) << fromFolder.err;
    EXPECT_EQ(fromFolder.out.rfind("# result: Result00\n", 0), 0u);
    const auto body = [](const std::string& csv) { return csv.substr(csv.find('\n')); };
    EXPECT_EQ(body(fromFolder.out), body(fromContainer.out));
    EXPECT_NE(fromFolder.out.find("<L_x>,<S_x>,<J_x>\n"), std::string::npos);
}

TEST(CliData, WrongRequestsAreUsageErrors) {
    TempDir dir;
    extractCerium(dir.path());
    const std::string folder = (dir / "Result00").string();
    const std::vector<std::vector<std::string>> cases = {
        {"data"},
        {"data", "levels"},
        {"data", "spectra", kCerium},
        {"data", "levels", kCerium, "extra"},
        {"data", "levels", kCerium, "--axis"},
        {"data", "levels", kCerium, "--axis", "q"},
        {"data", "levels", kCerium, "--axis", "y"}, // a real Hamiltonian has no y section
        {"data", "levels", kCerium, "--tolerance", "-1"},
        {"data", "levels", kCerium, "--tolerance", "1,5"},
        {"data", "levels", kCerium, "--tolerance", "nan"},
        {"data", "levels", kCerium, "--frobnicate"},
        {"data", "parameters", kCerium, "--axis", "z"},
        {"data", "parameters", kCerium, "--tolerance", "1"},
        {"data", "levels", folder, "--result", "Ce3+ cubic Gamma8 ground"},
        {"data", "levels", (kSourceDir / "examples" / "Nd-meanfield.mfa").string()},
    };
    for (const auto& args : cases) {
        const CliRun run = cli(args);
        std::string line;
        for (const auto& arg : args)
            line += arg + " ";
        EXPECT_EQ(run.status, 2) << line << "\n" << run.err;
        EXPECT_EQ(run.err.rfind("vintrel-cli: ", 0), 0u) << line << "\n" << run.err;
        EXPECT_EQ(run.out, "") << line;
    }
}

TEST(CliData, MissingAndDamagedFilesNameTheSource) {
    TempDir dir;
    extractCerium(dir.path());
    const fs::path folder = dir / "Result00";

    const CliRun missing = cli({"data", "levels", (dir / "none.zrvn").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Cannot open file:\n" + (dir / "none.zrvn").string() + "\n");

    test::writeFile(dir / "bad.zrvn", "ZRVX and not a container");
    EXPECT_EQ(cli({"data", "parameters", (dir / "bad.zrvn").string()}).status, 1);

    fs::remove(dir / "Result01" / "o_E.dup");
    const CliRun noLevels = cli({"data", "levels", (dir / "Result01").string()});
    EXPECT_EQ(noLevels.status, 1);
    EXPECT_EQ(noLevels.err, "Cannot open file " + (dir / "Result01" / "o_E.dup").string() + "\n");
    EXPECT_EQ(noLevels.out, "");

    std::string levels = test::readFile(folder / "o_E.dup");
    levels.replace(levels.find("-180.028788"), 11, "-180.0x8788");
    test::writeFile(folder / "o_E.dup", levels);
    const CliRun damaged = cli({"data", "levels", folder.string()});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.err.rfind((folder / "o_E.dup").string() + ", line ", 0), 0u) << damaged.err;

    fs::remove(folder / "input_an.dup");
    const CliRun noCoefficients = cli({"data", "parameters", folder.string()});
    EXPECT_EQ(noCoefficients.status, 1);
    EXPECT_NE(noCoefficients.err.find((folder / "input_an.dup").string()), std::string::npos)
        << noCoefficients.err;
}

TEST(CliData, NeverWritesIntoTheSourceAndLeavesNoTemporaryFolder) {
    TempDir dir;
    extractCerium(dir.path());
    test::writeFile(dir / "copy.zrvn", test::readFile(kCerium));
    // The folders lack what the viewer would add: no plot range, no shipped settings beside them.
    fs::remove(dir / "Result00" / "g_E.dup");
    fs::remove(dir / "Result01" / "o_spectro.dup");
    TempDir temporary;
    const test::ScopedEnv tmpdir("TMPDIR", temporary.path().string());
    const auto before = snapshot(dir.path());

    const std::vector<std::vector<std::string>> runs = {
        {"data", "levels", (dir / "Result00").string()},
        {"data", "levels", (dir / "Result01").string(), "--axis", "x", "--tolerance", "0.5"},
        {"data", "parameters", (dir / "Result00").string()},
        {"data", "levels", (dir / "copy.zrvn").string(), "--result", "Ce3+ cubic Gamma7 ground"},
        {"data", "parameters", (dir / "copy.zrvn").string()},
        {"data", "levels", (dir / "Result00").string(), "--axis", "y"}, // refused
        {"data", "susceptibility", (dir / "Result00").string()},
        {"data", "peff", (dir / "Result01").string(), "--between", "10", "100"},
        {"data", "heat", (dir / "copy.zrvn").string(), "--debye", "200"},
        // The transition list is made from "o_neu.dup" in the temporary copy only.
        {"data", "transitions", (dir / "Result01").string()},
        {"data", "spectrum", (dir / "Result01").string(), "--unit", "nm"},
    };
    for (const auto& args : runs) {
        const CliRun run = cli(args);
        EXPECT_TRUE(run.status == 0 || run.status == 2) << args[2] << ": " << run.err;
        EXPECT_EQ(snapshot(dir.path()), before) << args[1] << " " << args[2];
        EXPECT_TRUE(fs::is_empty(temporary.path())) << args[1] << " " << args[2];
    }
}

// The temperature pages: the figures quoted for the two cerium results.
TEST(CliData, SusceptibilityOfTheCeriumResults) {
    const CliRun run = cli({"data", "susceptibility", kCerium});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n# chi_powder: (2 chi_x + chi_z)/3, the result being uniaxial\n"
                           "T [K],chi_x [muB/T],chi_y [muB/T],chi_z [muB/T],chi_powder [muB/T],"
                           "1/chi_x [T/muB],1/chi_y [T/muB],1/chi_z [T/muB],"
                           "1/chi_powder [T/muB]\n"),
              std::string::npos)
        << run.out;
    const auto rows = csvRows(run.out);
    ASSERT_EQ(rows.size(), 200u);
    const auto& last = rows.back();
    ASSERT_EQ(last.size(), 9u);
    EXPECT_EQ(last[0], "200");
    EXPECT_EQ(last[2], ""); // a real Hamiltonian has no y direction
    EXPECT_EQ(last[6], "");
    const double x = std::stod(last[1]), z = std::stod(last[3]), powder = std::stod(last[4]);
    EXPECT_NEAR(powder, (2 * x + z) / 3, 1e-15);
    EXPECT_NEAR(std::stod(last[8]), 1 / powder, 1e-12);
    // χ·T at 200 K against the free-ion Curie constant g_J²J(J+1)·0.2239 of Ce3+ (g = 6/7).
    const double freeIon = 36.0 / 49 * 2.5 * 3.5 * 0.223904336;
    EXPECT_NEAR(powder * 200 / freeIon, 0.86, 0.005);
    const CliRun gamma7 =
        cli({"data", "susceptibility", kCerium, "--result", "Ce3+ cubic Gamma7 ground"});
    ASSERT_EQ(gamma7.status, 0) << gamma7.err;
    EXPECT_NEAR(std::stod(csvRows(gamma7.out).back()[4]) * 200 / freeIon, 0.91, 0.005);
}

TEST(CliData, EffectiveMomentBetweenTwoTemperatures) {
    struct Case {
        const char* result;
        double peff;
    };
    for (const Case& c :
         {Case{"Ce3+ cubic Gamma8 ground", 2.589}, Case{"Ce3+ cubic Gamma7 ground", 2.679}}) {
        SCOPED_TRACE(c.result);
        const CliRun run =
            cli({"data", "peff", kCerium, "--result", c.result, "--between", "199", "200"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("\ndirection,T1 [K],T2 [K],p_eff [muB],note\n"), std::string::npos);
        const auto rows = csvRows(run.out);
        ASSERT_EQ(rows.size(), 2u); // x and z: the Hamiltonian is real
        EXPECT_EQ(rows[0][0], "x");
        EXPECT_EQ(rows[1][0], "z");
        for (const auto& row : rows) {
            EXPECT_EQ(row[1], "199");
            EXPECT_EQ(row[2], "200");
            EXPECT_NEAR(std::stod(row[3]), c.peff, 5e-4);
        }
        // Without --between the two highest temperatures are taken.
        EXPECT_EQ(cli({"data", "peff", kCerium, "--result", c.result}).out, run.out);
    }
    // The nearest rows; one row twice is not a slope.
    const CliRun same = cli({"data", "peff", kCerium, "--between", "150.2", "149.9"});
    ASSERT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(csvRows(same.out)[0], (std::vector<std::string>{"x", "150", "150", "", "not set"}));
}

TEST(CliData, HeatWithTheDebyeEstimate) {
    const CliRun plain = cli({"data", "heat", kCerium});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_NE(plain.out.find("\nT [K],c [J/(K mol)],c/T [J/(K^2 mol)],S [J/(K mol)]\n"),
              std::string::npos);
    const auto rows = csvRows(plain.out);
    ASSERT_EQ(rows.size(), 200u);
    EXPECT_NEAR(std::stod(rows[0][3]), 8.3144626 * std::log(4.0), 1e-3); // Γ8 quartet
    EXPECT_NEAR(std::stod(rows.back()[2]), std::stod(rows.back()[1]) / 280, 1e-15);

    const CliRun debye = cli({"data", "heat", kCerium, "--debye", "350", "--atoms", "2"});
    ASSERT_EQ(debye.status, 0) << debye.err;
    EXPECT_NE(debye.out.find("# Debye temperature [K]: 350\n# atoms per formula unit: 2\n"),
              std::string::npos);
    EXPECT_NE(debye.out.find(",c_D [J/(K mol)],c+c_D [J/(K mol)]\n"), std::string::npos);
    const auto last = csvRows(debye.out).back();
    ASSERT_EQ(last.size(), 6u);
    // At 280 K, x_D = 1.25: the Debye function is 0.926033…, times 3nR with n = 2.
    EXPECT_NEAR(std::stod(last[4]), 6 * 8.3143 * 0.926033, 1e-3);
    EXPECT_NEAR(std::stod(last[5]), std::stod(last[4]) + std::stod(last[1]), 1e-12);

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"data", "heat", kCerium, "--atoms", "2"},
          {"data", "heat", kCerium, "--debye", "0"},
          {"data", "heat", kCerium, "--debye", "-5"},
          {"data", "heat", kCerium, "--debye", "300", "--atoms", "1.5"},
          {"data", "heat", kCerium, "--debye", "300", "--atoms", "0"},
          {"data", "peff", kCerium, "--between", "1"},
          {"data", "peff", kCerium, "--between", "1", "x"},
          {"data", "susceptibility", kCerium, "--between", "1", "2"}}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args[3] << "\n" << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(CliData, ComplexHamiltonianAveragesThreeDirections) {
    const std::string titanium = (kSourceDir / "examples" / "Ti-LS-complex.zrvn").string();
    const CliRun run = cli({"data", "susceptibility", titanium});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("# chi_powder: (chi_x + chi_y + chi_z)/3\n"), std::string::npos);
    for (const auto& row : csvRows(run.out)) {
        ASSERT_EQ(row.size(), 9u);
        EXPECT_NEAR(std::stod(row[4]),
                    (std::stod(row[1]) + std::stod(row[2]) + std::stod(row[3])) / 3, 1e-12);
    }
    const CliRun peff = cli({"data", "peff", titanium});
    EXPECT_EQ(csvRows(peff.out).size(), 3u);
}

TEST(CliData, MeanFieldCurvesOfTheNeodymiumExample) {
    const std::string neodymium = (kSourceDir / "examples" / "Nd-meanfield.mfa").string();
    const CliRun run = cli({"data", "meanfield", neodymium});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n# T_c: 12.85656678 K\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nT [K],m_x [muB],m_y [muB],m_z [muB],m_t [muB],chi_x [muB/T],"
                           "chi_y [muB/T],chi_z [muB/T],chi_powder [muB/T],1/chi_x [T/muB],"
                           "1/chi_y [T/muB],1/chi_z [T/muB],1/chi_powder [T/muB],K1 [K],K2 [K],"
                           "K2' [K],K3 [K],K3' [K],c [J/(K mol)],S [J/(K mol)]\n"),
              std::string::npos);
    const auto rows = csvRows(run.out);
    ASSERT_EQ(rows.size(), 80u); // one per row of d_moment.dup, 0.5 … 40 K
    const auto at = [&](double T) {
        for (const auto& row : rows)
            if (std::stod(row[0]) == T)
                return row;
        ADD_FAILURE() << "no row at " << T;
        return rows.front();
    };
    // The ordered moment falls to zero at T_c = 12.86 K.
    EXPECT_NEAR(std::stod(at(0.5)[3]), 3.197629978, 1e-9);
    EXPECT_GT(std::stod(at(12.5)[4]), 0.5);
    EXPECT_EQ(std::stod(at(13)[4]), 0);
    // χ along z peaks at the transition (the cusp) and falls on both sides.
    const double cusp = std::stod(at(13)[7]);
    EXPECT_GT(cusp, std::stod(at(5)[7]));
    EXPECT_GT(cusp, std::stod(at(30)[7]));
    // A real Hamiltonian of tetragonal symmetry: no y direction, and the powder average is
    // the mean over x, x and z.
    EXPECT_NE(run.out.find("\n# chi_powder: (2 chi_x + chi_z)/3, the result being uniaxial\n"),
              std::string::npos);
    for (const double T : {1.0, 12.5, 20.0}) {
        const auto row = at(T);
        EXPECT_EQ(row[6], "");
        EXPECT_NEAR(std::stod(row[8]), (2 * std::stod(row[5]) + std::stod(row[7])) / 3, 1e-12);
        EXPECT_NEAR(std::stod(row[12]), 1 / std::stod(row[8]), 1e-9);
    }
    // The specific heat jumps down at T_c.
    EXPECT_GT(std::stod(at(12.5)[18]), 2 * std::stod(at(13)[18]));
    EXPECT_NEAR(std::stod(at(0.5)[13]), 10.33236066, 1e-9);

    // An ordinary result has no mean-field curves.
    const CliRun ordinary = cli({"data", "meanfield", kCerium});
    EXPECT_EQ(ordinary.status, 2) << ordinary.err;
    EXPECT_EQ(ordinary.out, "");
}

// The spectroscopy page's numbers: the Γ8 → Γ7 group at 540 K (46.5 meV, 375 1/cm) and the
// lines inside the quartet that the probe field splits.
TEST(CliData, CeriumTransitionsAndTheirPopulations) {
    const CliRun all = cli({"data", "transitions", kCerium});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_NE(all.out.find("\ndE [K],dE [meV],dE [1/cm],from,I_Jz,I_J+,I_J-\n"), std::string::npos)
        << all.out;
    const auto dE = column(all.out, 0);
    ASSERT_EQ(dE.size(), 11u);
    EXPECT_EQ(dE.front(), "0.057576");
    EXPECT_EQ(dE.back(), "540.153561");
    const double meV = std::stod(column(all.out, 1).back());
    EXPECT_NEAR(meV, 46.5, 0.1);
    EXPECT_NEAR(std::stod(column(all.out, 2).back()), 375.4, 0.1);
    // At 0 K only the lowest level of the split quartet is populated: the lines from the
    // other levels are still listed, with no intensity.
    const CliRun cold = cli({"data", "transitions", kCerium, "--temperature", "0"});
    ASSERT_EQ(cold.status, 0) << cold.err;
    const auto from = column(cold.out, 3);
    const auto jz = column(cold.out, 4), jplus = column(cold.out, 5), jminus = column(cold.out, 6);
    for (std::size_t r = 0; r < from.size(); ++r) {
        const double sum = std::stod(jz[r]) + std::stod(jplus[r]) + std::stod(jminus[r]);
        if (from[r] == "1")
            EXPECT_GT(sum, 0) << r;
        else
            EXPECT_EQ(sum, 0) << r;
    }
    // The Γ7-ground result has its group at 288 K.
    const CliRun other =
        cli({"data", "transitions", kCerium, "--result", "Ce3+ cubic Gamma7 ground"});
    ASSERT_EQ(other.status, 0) << other.err;
    EXPECT_NEAR(std::stod(column(other.out, 0).back()), 288, 1);
}

TEST(CliData, CeriumSpectrumPeaksWhereTheLinesAre) {
    const CliRun run = cli({"data", "spectrum", kCerium, "--unit", "meV", "--from", "40", "--to",
                            "50", "--points", "100", "--shape", "lorentz", "--width", "0.5"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n# width [meV]: 0.5 (full width at half maximum)\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("\nposition [meV],I_Jz,I_J+,I_J-,total\n"), std::string::npos);
    const auto position = column(run.out, 0);
    const auto total = column(run.out, 4);
    ASSERT_EQ(position.size(), 100u);
    std::size_t peak = 0;
    for (std::size_t r = 0; r < total.size(); ++r)
        if (std::stod(total[r]) > std::stod(total[peak]))
            peak = r;
    EXPECT_NEAR(std::stod(position[peak]), 46.5, 0.15);
    // The default range is the whole-range view; 1000 points.
    const CliRun whole = cli({"data", "spectrum", kCerium, "--unit", "1/cm"});
    ASSERT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(column(whole.out, 0).size(), 1000u);
}

TEST(CliData, CeriumEigenvectorsAsCsvWithTheirWeights) {
    const CliRun run = cli({"data", "eigenvectors", kCerium});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n# states: |J,Jz> with J = 5/2\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nlevel,E [K],E-E0 [K],E-E0 [meV],E-E0 [1/cm],<L_z>,<S_z>,<J_z>,"
                           "state,amplitude re,amplitude im,weight\n"),
              std::string::npos);
    const auto rows = csvRows(run.out);
    // Levels 1, 4, 5, 6 have two components, 2 and 3 one.
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0][0], "1");
    // The state cell holds commas and is quoted (csvRows splits at every comma).
    EXPECT_NE(run.out.find("\n1,-180.105568,0,0,0,-2.095779,0.261972,-1.5712274083403999,"
                           "\"|5/2,-5/2>\",-0.9129,0,0.8333864100000001\n1,-180.105568,0,0,0,"
                           "-2.095779,0.261972,-1.5712274083403999,\"|5/2,3/2>\",-0.4081,0,"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(rows[9][0], "6");
    EXPECT_NEAR(std::stod(rows[9][3]), 46.5468, 1e-4); // E-E0 in meV
    // Above a weight of 0.5 only the main component of each state stays.
    const CliRun heavy = cli({"data", "eigenvectors", kCerium, "--min-weight", "0.5"});
    ASSERT_EQ(heavy.status, 0) << heavy.err;
    EXPECT_EQ(csvRows(heavy.out).size(), 6u);
    EXPECT_NE(heavy.out.find("\n# min weight: 0.5\n"), std::string::npos);
}

TEST(CliData, EigenvectorTablesForAPaper) {
    const CliRun latex = cli({"data", "eigenvectors", kCerium, "--format", "latex"});
    ASSERT_EQ(latex.status, 0) << latex.err;
    const std::string& tex = latex.out;
    EXPECT_NE(tex.find("\\begin{tabular}{rrrrrp{4.4cm}}\n\\toprule\n"), std::string::npos) << tex;
    EXPECT_NE(tex.find("\n1 & 0.000 & 0.000 & 0.00 & -1.5712 & \\raggedright "
                       "$-0.9129\\,\\vert \\frac{5}{2},-\\frac{5}{2}\\rangle - "
                       "0.4081\\,\\vert \\frac{5}{2},\\frac{3}{2}\\rangle$ \\tabularnewline\n"),
              std::string::npos)
        << tex;
    EXPECT_NE(tex.find("4f\\textsuperscript{1}"), std::string::npos);
    // Balanced: braces, math shifts, and six cells on every row of the body.
    int depth = 0, dollars = 0;
    for (char ch : tex) {
        depth += ch == '{' ? 1 : ch == '}' ? -1 : 0;
        dollars += ch == '$';
        EXPECT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(dollars % 2, 0);
    std::istringstream in(tex);
    int bodyRows = 0;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) {
            ++bodyRows;
            EXPECT_EQ(std::count(line.begin(), line.end(), '&'), 5) << line;
        }
    EXPECT_EQ(bodyRows, 6);

    const CliRun md = cli({"data", "eigenvectors", kCerium, "--format", "markdown"});
    ASSERT_EQ(md.status, 0) << md.err;
    EXPECT_NE(md.out.find("\n|---:|---:|---:|---:|---:|---:|---:|:---|\n| 1 | 0.000 | 0.000 | "
                          "0.00 | -2.0958 | 0.2620 | -1.5712 | −0.9129 \\|5/2,-5/2\\> − 0.4081 "
                          "\\|5/2,3/2\\> |\n"),
              std::string::npos)
        << md.out;
}

TEST(CliData, EigenvectorLatexCompilesInAPlainArticle) {
    // Where pdflatex is installed: a plain article with booktabs.
    const CliRun latex = cli({"data", "eigenvectors", kCerium, "--format", "latex"});
    ASSERT_EQ(latex.status, 0) << latex.err;
    const std::string& tex = latex.out;
    if (std::system("pdflatex --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdflatex is not installed";
    TempDir dir;
    {
        std::ofstream doc(dir.path() / "table.tex");
        doc << "\\documentclass{article}\n\\usepackage{booktabs}\n\\begin{document}\n"
            << tex << "\\end{document}\n";
    }
    const std::string command = "cd '" + dir.path().string() +
                                "' && pdflatex -interaction=nonstopmode -halt-on-error "
                                "table.tex > /dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(fs::exists(dir.path() / "table.pdf"));
}

TEST(CliData, EigenvectorOptionsThatMakeNoSenseAreRefused) {
    const std::string neodymium = (kSourceDir / "examples" / "Nd-meanfield.mfa").string();
    const std::vector<std::vector<std::string>> wrong = {
        {"data", "eigenvectors", kCerium, "--format", "tex"},
        {"data", "eigenvectors", kCerium, "--min-weight", "2"},
        {"data", "eigenvectors", kCerium, "--min-weight", "-0.1"},
        {"data", "eigenvectors", neodymium},
    };
    for (const auto& args : wrong) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args.back() << ": " << run.out;
        EXPECT_FALSE(run.err.empty());
    }
}

TEST(CliData, CeriumVoigtSpectrumWithAResolutionPolynomialNormalisedToArea) {
    // Gauss FWHM(E) = 0.3 + 0.02 E meV (1.23 meV at the 46.5 meV line) ⊗ Lorentz 0.4 meV, each
    // profile of area its line's intensity per meV.
    const CliRun run = cli({"data",  "spectrum",
                            kCerium, "--unit",
                            "meV",   "--from",
                            "30",    "--to",
                            "60",    "--points",
                            "3000",  "--shape",
                            "voigt", "--lorentz-width",
                            "0.4",   "--resolution",
                            "0.3",   "0.02",
                            "0",     "--normalise-area"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(
        run.out.find("\n# shape: voigt\n# width [meV]: 0.1 (not used: the resolution gives the "
                     "widths)\n"
                     "# lorentz width [meV]: 0.4 (full width at half maximum)\n"
                     "# resolution [meV]: FWHM(E) = 0.3 + 0.02 E + 0 E^2 (E in meV, "
                     "instead of the width)\n# normalisation: area (each profile's area "
                     "the line's intensity, per meV)\n"),
        std::string::npos)
        << run.out;
    const auto position = column(run.out, 0);
    const auto total = column(run.out, 4);
    ASSERT_EQ(total.size(), 3000u);
    // The area under the curve is the intensity of the lines in the range, less the Lorentz
    // tails beyond it.
    const CliRun lines = cli({"data", "transitions", kCerium});
    ASSERT_EQ(lines.status, 0) << lines.err;
    const auto dE = column(lines.out, 1);
    const auto Iz = column(lines.out, 4), Ip = column(lines.out, 5), Im = column(lines.out, 6);
    double intensity = 0;
    for (std::size_t r = 0; r < dE.size(); ++r)
        if (std::stod(dE[r]) > 30 && std::stod(dE[r]) < 60)
            intensity += std::stod(Iz[r]) + std::stod(Ip[r]) + std::stod(Im[r]);
    ASSERT_GT(intensity, 0);
    double area = 0, peak = 0, at = 0;
    for (std::size_t r = 1; r < total.size(); ++r) {
        area += std::stod(total[r]) * (std::stod(position[r]) - std::stod(position[r - 1]));
        if (std::stod(total[r]) > peak) {
            peak = std::stod(total[r]);
            at = std::stod(position[r]);
        }
    }
    EXPECT_NEAR(area, intensity, 0.02 * intensity);
    EXPECT_NEAR(at, 46.55, 0.02);
    EXPECT_NEAR(peak, intensity * voigtProfile(0, 0.3 + 0.02 * 46.547, 0.4), 0.01 * peak);
}

TEST(CliData, SpectrumOptionsThatMakeNoSenseAreRefused) {
    const std::vector<std::vector<std::string>> wrong = {
        {"data", "spectrum", kCerium},
        {"data", "spectrum", kCerium, "--unit", "eV"},
        {"data", "spectrum", kCerium, "--unit", "K", "--from", "3"},
        {"data", "spectrum", kCerium, "--unit", "K", "--from", "3", "--to", "2"},
        {"data", "spectrum", kCerium, "--unit", "nm", "--from", "0", "--to", "2"},
        {"data", "spectrum", kCerium, "--unit", "K", "--points", "0"},
        {"data", "spectrum", kCerium, "--unit", "K", "--shape", "pseudo-voigt"},
        {"data", "spectrum", kCerium, "--unit", "K", "--shape", "gauss", "--lorentz-width", "1"},
        {"data", "spectrum", kCerium, "--unit", "K", "--shape", "voigt", "--lorentz-width", "-1"},
        {"data", "spectrum", kCerium, "--unit", "K", "--resolution", "1", "2"},
        {"data", "spectrum", kCerium, "--unit", "K", "--resolution", "1", "x", "0"},
        {"data", "spectrum", kCerium, "--unit", "K", "--width", "1", "--resolution", "1", "0", "0"},
        {"data", "spectrum", kCerium, "--unit", "K", "--width", "-1"},
        {"data", "transitions", kCerium, "--temperature", "-5"},
    };
    for (const auto& args : wrong) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args.back() << ": " << run.out;
        EXPECT_FALSE(run.err.empty());
    }
}

TEST(CliData, MeanFieldLevelsOfTheNeodymiumExample) {
    const std::string neodymium = (kSourceDir / "examples" / "Nd-meanfield.mfa").string();
    const CliRun run = cli({"data", "meanfield-levels", neodymium});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n# T_c: 12.85656678 K\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nstep,T [K],B_mol [T],E1-E0 [K],E2-E0 [K],E3-E0 [K],E4-E0 [K],"
                           "E5-E0 [K],E6-E0 [K],E7-E0 [K],E8-E0 [K],E9-E0 [K],E10-E0 [K]\n"),
              std::string::npos);
    const auto rows = csvRows(run.out);
    ASSERT_EQ(rows.size(), 80u); // one per block of o_E.dup, 0.5 … 40 K
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k][0], std::to_string(k));
        EXPECT_EQ(std::stod(rows[k][1]), 0.5 * static_cast<double>(k + 1));
        EXPECT_EQ(rows[k][3], "0");
    }
    // The ground doublet is split by 27.1 K in the ordered state; the splitting closes towards
    // T_c and stays at the 0.42 K of the small probe field above it, where the molecular field
    // (2 T/muB × the moment) has fallen to 0.
    EXPECT_NEAR(std::stod(rows[0][4]), 27.12449, 1e-6);
    EXPECT_NEAR(std::stod(rows[0][2]), 2 * 3.197629978, 1e-9);
    for (std::size_t k = 1; k < 25; ++k)
        EXPECT_LT(std::stod(rows[k][4]), std::stod(rows[k - 1][4]) + 1e-9) << k;
    EXPECT_LT(std::stod(rows[23][4]), 13);
    for (std::size_t k = 25; k < rows.size(); ++k) {
        EXPECT_NEAR(std::stod(rows[k][4]), 0.423225, 1e-6) << k;
        EXPECT_EQ(std::stod(rows[k][2]), 0) << k;
    }

    const CliRun ordinary = cli({"data", "meanfield-levels", kCerium});
    EXPECT_EQ(ordinary.status, 2) << ordinary.err;
    EXPECT_EQ(ordinary.out, "");
}

TEST(CliReport, WrongCommandLinesAreRefusedBeforeAnythingRuns) {
    TempDir dir;
    const std::string out = (dir.path() / "r.pdf").string();
    const std::vector<std::vector<std::string>> wrong = {
        {"report"},
        {"report", kCerium},
        {"report", "--output", out},
        {"report", kCerium, "--output", (dir.path() / "r.png").string()},
        {"report", kCerium, "--output", out, "--temperatures", "5"},
        {"report", kCerium, "--output", out, "--temperatures", "x", "5"},
        {"report", kCerium, "--output", out, "--output", out},
        {"report", kCerium, kCerium, "--output", out},
        {"report", kCerium, "--output", out, "--shape", "voigt"},
        {"report", kCerium, "--output", out, "--result", "no such result"},
        {"report", (kSourceDir / "examples").string(), "--output", out, "--result", "x"},
    };
    for (const auto& args : wrong) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args.back() << ": " << run.err;
        EXPECT_NE(run.err.find("vintrel-cli: "), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(out));
    // Without the report program beside the tool (a build without the viewer) a sound command
    // line says what is missing and exits with 1.
    if (!fs::exists(fs::path(programFolder()) / kReportProgram)) {
        const CliRun run = cli({"report", kCerium, "--output", out});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("The report needs "), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(out));
    }
}
