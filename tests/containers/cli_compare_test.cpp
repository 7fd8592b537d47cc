// `vintrel-cli data compare` and `vintrel-cli data curie-weiss` on the Ce example.
#include "cli/cli.h"

#include "support/cli_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace vintrel;
using vintrel::test::cli;
using vintrel::test::CliRun;
using vintrel::test::csvComment;
using vintrel::test::csvRows;
using vintrel::test::TempDir;

namespace {

namespace fs = std::filesystem;

const std::string kCerium = (fs::path(VINTREL_SOURCE_DIR) / "examples" / "Ce-cubic.zrvn").string();

std::string headerOf(const std::string& csv) {
    std::istringstream in(csv);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("# ", 0) != 0)
            return line;
    return "";
}

} // namespace

TEST(CliCompare, SusceptibilityAgainstMeasuredPoints) {
    const CliRun computed = cli({"data", "susceptibility", kCerium});
    ASSERT_EQ(computed.status, 0) << computed.err;
    std::map<std::string, double> powder;
    for (const auto& row : csvRows(computed.out))
        powder[row[0]] = std::stod(row[4]);
    // Three points 2 % above the powder curve, one between two rows, one beyond the curve;
    // blanks as separators, an error column, a comment.
    const double at50 = powder.at("50") * 1.02;
    const double between = (powder.at("100") + powder.at("101")) / 2 * 1.02;
    const double at150 = powder.at("150") * 1.02;
    TempDir dir;
    std::ostringstream file;
    file.precision(17);
    file << "# sample A\nT [K]  sigma  chi [muB/T]\n"
         << "50 " << at50 * 0.01 << " " << at50 << "\n"
         << "100.5 " << between * 0.01 << " " << between << "\n"
         << "150 " << at150 * 0.01 << " " << at150 << "\n"
         << "900 1 1\n";
    test::writeFile(dir / "chi.txt", file.str());
    const CliRun run = cli({"data", "compare", "susceptibility", kCerium, "--measured",
                            (dir / "chi.txt").string(), "--x", "T", "--y", "3", "--err", "sigma"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(headerOf(run.out),
              "x [K],y measured [muB/T],err [muB/T],y computed [muB/T],deviation [muB/T]");
    EXPECT_EQ(csvComment(run.out, "result"), "Ce3+ cubic Gamma8 ground");
    EXPECT_EQ(csvComment(run.out, "curve"), "chi_powder [muB/T]");
    EXPECT_EQ(csvComment(run.out, "points compared"), "3 of 4");
    EXPECT_EQ(csvComment(run.out, "measured columns"), "x T [K], y chi [muB/T], err sigma");
    const auto rows = csvRows(run.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_DOUBLE_EQ(std::stod(rows[0][3]), powder.at("50"));
    EXPECT_NEAR(std::stod(rows[1][3]), (powder.at("100") + powder.at("101")) / 2, 1e-15);
    EXPECT_EQ(rows[3][3], "");
    EXPECT_EQ(rows[3][4], "");
    // Every deviation is 2 % of the computed value, the errors 1 % of the measured one:
    // χ²/N = (2/1.02)².
    double squares = 0;
    for (std::size_t r = 0; r < 3; ++r) {
        const double y = std::stod(rows[r][3]);
        EXPECT_NEAR(std::stod(rows[r][4]), 0.02 * y, 1e-12);
        squares += 0.02 * y * 0.02 * y;
    }
    EXPECT_NEAR(std::stod(csvComment(run.out, "rms")), std::sqrt(squares / 3), 1e-12);
    EXPECT_NEAR(std::stod(csvComment(run.out, "chi2/N")), 4 / (1.02 * 1.02), 1e-9);

    // Another curve of the same table; the index columns by default (x 1, y 2).
    const CliRun x = cli({"data", "compare", "susceptibility", kCerium, "--measured",
                          (dir / "chi.txt").string(), "--curve", "chi_x"});
    ASSERT_EQ(x.status, 0) << x.err;
    EXPECT_EQ(csvComment(x.out, "curve"), "chi_x [muB/T]");
    EXPECT_EQ(csvComment(x.out, "chi2/N"), "not formed: no error column");
    EXPECT_EQ(csvRows(x.out)[0][1], csvRows(run.out)[0][2]); // y is the sigma column now
}

TEST(CliCompare, MeasuredSpectrumIsConvertedAndScaled) {
    const std::vector<std::string> spectrum = {
        "data", "spectrum", kCerium, "--unit",  "meV",     "--from",  "40", "--to",
        "50",   "--points", "100",   "--shape", "lorentz", "--width", "0.5"};
    const CliRun computed = cli(spectrum);
    ASSERT_EQ(computed.status, 0) << computed.err;
    // Measured in kelvin, at 2.5 times the height of the synthesised spectrum.
    std::ostringstream file;
    file.precision(17);
    file << "E [K];counts\n";
    const auto rows = csvRows(computed.out);
    for (std::size_t r = 10; r < 90; r += 7)
        file << std::stod(rows[r][0]) * 11.60451911 << ";" << std::stod(rows[r][4]) * 2.5 << "\n";
    TempDir dir;
    test::writeFile(dir / "spectrum.csv", file.str());
    std::vector<std::string> args = spectrum;
    args[1] = "compare";
    args.insert(args.begin() + 2, "spectrum");
    args.push_back("--measured");
    args.push_back((dir / "spectrum.csv").string());
    const CliRun run = cli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(csvComment(run.out, "curve"), "total");
    EXPECT_NEAR(std::stod(csvComment(run.out, "scale factor")), 0.4, 1e-6);
    EXPECT_LT(std::stod(csvComment(run.out, "rms")), 1e-6 * std::stod(rows[50][4]));
    EXPECT_EQ(headerOf(run.out), "x [meV],y measured,err,y computed,deviation");
    EXPECT_NEAR(std::stod(csvRows(run.out)[0][0]), std::stod(rows[10][0]), 1e-9);
}

TEST(CliCompare, AMalformedFileNamesItsLineAndPrintsNothing) {
    TempDir dir;
    test::writeFile(dir / "bad.csv", "T [K],chi\n10,0.1\n20,0,2\n");
    const std::string path = (dir / "bad.csv").string();
    const CliRun run = cli({"data", "compare", "susceptibility", kCerium, "--measured", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(path + ", line 3: 3 values where 2 columns are expected"),
              std::string::npos)
        << run.err;
}

TEST(CliCompare, WrongRequestsAreUsageErrors) {
    TempDir dir;
    test::writeFile(dir / "m.csv", "T [K],chi [muB/T]\n10,0.1\n");
    test::writeFile(dir / "mev.csv", "E [meV],chi\n10,0.1\n");
    const std::string m = (dir / "m.csv").string();
    const std::vector<std::vector<std::string>> cases = {
        {"data", "compare"},
        {"data", "compare", kCerium},
        {"data", "compare", "susceptibility", kCerium},
        {"data", "compare", "levels", kCerium, "--measured", m},
        {"data", "compare", "compare", kCerium, "--measured", m},
        {"data", "compare", "susceptibility", kCerium, "--measured", m, "--y", "3"},
        {"data", "compare", "susceptibility", kCerium, "--measured", m, "--x", "temp"},
        {"data", "compare", "susceptibility", kCerium, "--measured", m, "--curve", "chi_q"},
        {"data", "compare", "susceptibility", kCerium, "--measured", m, "--curve", "T"},
        {"data", "compare", "susceptibility", kCerium, "--measured", (dir / "mev.csv").string()},
        {"data", "compare", "susceptibility", kCerium, "--measured", m, "--axis", "z"},
        {"data", "compare", "spectrum", kCerium, "--measured", m},
        {"data", "curie-weiss", kCerium},
        {"data", "curie-weiss", kCerium, "--between", "100"},
        {"data", "curie-weiss", kCerium, "--between", "100", "x"},
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
    EXPECT_NE(cli({"--help"})
                  .out.find("vintrel-cli data compare KIND SOURCE [--result NAME] "
                            "--measured FILE"),
              std::string::npos);
}

TEST(CliCurieWeiss, CeriumAboveTheCrystalFieldSplitting) {
    const CliRun run = cli({"data", "curie-weiss", kCerium, "--between", "100", "200"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(headerOf(run.out), "direction,C [muB K/T],dC,theta [K],dtheta,chi0 [muB/T],dchi0,"
                                 "mu_eff [muB],dmu_eff");
    EXPECT_EQ(csvComment(run.out, "between [K]"), "100 200");
    EXPECT_EQ(csvComment(run.out, "points"), "101");
    const auto rows = csvRows(run.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], "x");
    EXPECT_EQ(rows[1][0], "z");
    EXPECT_EQ(rows[2][0], "powder");
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 9u);
        // Cubic: every direction alike, the moment near the free ion's 2.54 μB.
        EXPECT_NEAR(std::stod(row[7]), std::stod(rows[0][7]), 1e-6);
        EXPECT_GT(std::stod(row[7]), 2.2);
        EXPECT_LT(std::stod(row[7]), 2.9);
        EXPECT_GT(std::stod(row[8]), 0);
        EXPECT_NEAR(std::stod(row[7]), 2.113 * std::sqrt(std::stod(row[1])), 1e-12);
    }
    const CliRun noChi0 =
        cli({"data", "curie-weiss", kCerium, "--between", "200", "100", "--no-chi0"});
    ASSERT_EQ(noChi0.status, 0) << noChi0.err;
    EXPECT_EQ(csvComment(noChi0.out, "law"), "chi = C/(T - theta), least squares");
    EXPECT_EQ(csvRows(noChi0.out)[0][5], "0");
    EXPECT_EQ(csvRows(noChi0.out)[0][6], "");
}
