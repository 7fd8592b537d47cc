// Measured column files and the agreement of a computed curve with them.
#include "base/measured_data.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

using namespace vintrel;

namespace {

struct FormatCase {
    const char* what;
    const char* text;
    std::vector<std::string> names;
    std::vector<std::string> units;
    std::vector<std::vector<double>> columns;
    std::vector<int> lines;
};

} // namespace

TEST(MeasuredData, ReadsEveryFormatItAccepts) {
    const FormatCase cases[] = {
        {"commas with a header and units",
         "T [K],chi [muB/T],err\n2,0.5,0.01\n4,0.25,0.02\n",
         {"T", "chi", "err"},
         {"K", "muB/T", ""},
         {{2, 4}, {0.5, 0.25}, {0.01, 0.02}},
         {2, 3}},
        {"semicolons, CR LF, blanks round the fields",
         "T [K] ; c [J/(K mol)]\r\n 1.5 ; 2e-3 \r\n3;4\r\n",
         {"T", "c"},
         {"K", "J/(K mol)"},
         {{1.5, 3}, {2e-3, 4}},
         {2, 3}},
        {"tabs, a header name with blanks",
         "temperature (K)\tchi value\n10\t1\n20\t2",
         {"temperature (K)", "chi value"},
         {"", ""},
         {{10, 20}, {1, 2}},
         {2, 3}},
        {"blanks; a unit after a blank belongs to its name",
         "T [K]   chi [muB/T]\n  1    2\n\n 3 4   # a comment\n",
         {"T", "chi"},
         {"K", "muB/T"},
         {{1, 3}, {2, 4}},
         {2, 4}},
        {"comments and blank lines before numbers without a header",
         "# sample 12, run 3\n\n# T chi\n1 10\n2 20\n3 30\n",
         {"", ""},
         {"", ""},
         {{1, 2, 3}, {10, 20, 30}},
         {4, 5, 6}},
        {"quoted header fields",
         "\"T [K]\",\"I\"\n1,+2.5E1\n",
         {"T", "I"},
         {"K", ""},
         {{1}, {25}},
         {2}},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.what);
        const MeasuredTable table = parseMeasuredData("m.txt", c.text);
        EXPECT_EQ(table.names, c.names);
        EXPECT_EQ(table.units, c.units);
        EXPECT_EQ(table.columns, c.columns);
        EXPECT_EQ(table.lines, c.lines);
    }
}

TEST(MeasuredData, AMalformedLineIsNamedWithWhatWasWrong) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"T,chi\n1,2\n3,x\n", "m.txt, line 3: \"x\" is not a number (chi)"},
        {"1;2\n3;4,5\n", "m.txt, line 2: \"4,5\" is not a number (decimals are written with "
                         "\".\") (column 2)"},
        {"T,chi\n1,2\n3\n", "m.txt, line 3: 1 value where 2 columns are expected"},
        {"T chi\n1 2\n# fine\n3 4 5\n", "m.txt, line 4: 3 values where 2 columns are expected"},
        {"T,chi\n1,\n", "m.txt, line 2: a value is missing (chi)"},
        {"T,chi\n1,nan\n", "m.txt, line 2: \"nan\" is not a number (chi)"},
        {"T,chi\n1,1e999\n", "m.txt, line 2: \"1e999\" is not a number (chi)"},
        {"T [K],chi\n", "m.txt: no rows of numbers"},
        {"# only a comment\n\n", "m.txt: no rows of numbers"},
        {"\v\n \f \t\n", "m.txt: no rows of numbers"}, // white space of every kind
        {"", "m.txt: no rows of numbers"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            parseMeasuredData("m.txt", c.text);
            ADD_FAILURE() << "no error";
        } catch (const MeasuredDataError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(MeasuredData, ReadsAFileAndNamesAMissingOne) {
    test::TempDir dir;
    const auto path = dir.path() / "chi.csv";
    std::ofstream(path) << "T [K],chi [muB/T]\n5,0.1\n";
    const MeasuredTable table = readMeasuredData(path);
    EXPECT_EQ(table.title(0), "T [K]");
    EXPECT_EQ(table.columns[1], std::vector<double>{0.1});
    try {
        readMeasuredData(dir.path() / "absent.csv");
        ADD_FAILURE() << "no error";
    } catch (const MeasuredDataError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open file " + (dir.path() / "absent.csv").string());
    }
}

TEST(MeasuredData, ColumnsAreChosenByNumberOrName) {
    const MeasuredTable named = parseMeasuredData("m", "T [K],Chi [muB/T],err\n1,2,3\n");
    EXPECT_EQ(measuredColumn(named, "1"), 0u);
    EXPECT_EQ(measuredColumn(named, "3"), 2u);
    EXPECT_EQ(measuredColumn(named, "chi"), 1u);
    EXPECT_EQ(measuredColumn(named, "CHI [muB/T]"), 1u);
    EXPECT_EQ(measuredColumn(named, " t "), 0u);
    EXPECT_EQ(measuredColumn(named, "0"), std::nullopt);
    EXPECT_EQ(measuredColumn(named, "4"), std::nullopt);
    EXPECT_EQ(measuredColumn(named, "chi_x"), std::nullopt);
    const MeasuredTable plain = parseMeasuredData("m", "1 2\n");
    EXPECT_EQ(plain.title(1), "column 2");
    EXPECT_EQ(measuredColumn(plain, "2"), 1u);
    EXPECT_EQ(measuredColumn(plain, ""), std::nullopt);

    const MeasuredPoints points = measuredPoints(named, 0, 1, 2);
    EXPECT_EQ(points.x, std::vector<double>{1});
    EXPECT_EQ(points.y, std::vector<double>{2});
    EXPECT_EQ(points.err, std::vector<double>{3});
    EXPECT_EQ(points.xUnit, "K");
    EXPECT_EQ(points.yUnit, "muB/T");
    EXPECT_FALSE(measuredPoints(named, 0, 1, std::nullopt).hasErrors());
    EXPECT_THROW(measuredPoints(named, 0, 5, std::nullopt), std::out_of_range);
}

TEST(MeasuredData, InterpolatesBetweenTheComputedRows) {
    const std::vector<double> up = {0, 1, 2, 4};
    const std::vector<double> values = {0, 10, 20, NAN};
    const std::vector<double> down = {4, 2, 1, 0};
    const std::vector<double> downValues = {40, 20, 10, 0};
    const struct {
        double x, ascending, descending;
    } cases[] = {
        {0, 0, 0},    {0.25, 2.5, 2.5},   {1, 10, 10},     {1.5, 15, 15},   {3, NAN, 30},
        {4, NAN, 40}, {-0.001, NAN, NAN}, {4.5, NAN, NAN}, {NAN, NAN, NAN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        const double a = interpolateCurve(up, values, c.x);
        const double d = interpolateCurve(down, downValues, c.x);
        if (std::isnan(c.ascending))
            EXPECT_TRUE(std::isnan(a)) << a;
        else
            EXPECT_DOUBLE_EQ(a, c.ascending);
        if (std::isnan(c.descending))
            EXPECT_TRUE(std::isnan(d)) << d;
        else
            EXPECT_DOUBLE_EQ(d, c.descending);
    }
    EXPECT_TRUE(std::isnan(interpolateCurve({}, {}, 1)));
}

TEST(MeasuredData, DeviationFiguresOfAKnownCase) {
    // Curve y = 2x on 0 … 10; measured points off by +1, −1, +2 and one beyond the curve.
    const std::vector<double> xs = {0, 5, 10};
    const std::vector<double> ys = {0, 10, 20};
    MeasuredPoints points;
    points.x = {1, 2, 3, 12};
    points.y = {3, 3, 8, 1};
    points.err = {0.5, 1, 2, 1};
    const Agreement a = compareWithCurve(points, xs, ys, false);
    ASSERT_EQ(a.points.size(), 4u);
    EXPECT_EQ(a.compared, 3u);
    EXPECT_DOUBLE_EQ(a.points[0].computed, 2);
    EXPECT_DOUBLE_EQ(a.points[1].deviation, -1);
    EXPECT_DOUBLE_EQ(a.points[2].deviation, 2);
    EXPECT_TRUE(std::isnan(a.points[3].computed));
    EXPECT_DOUBLE_EQ(a.rms, std::sqrt((1.0 + 1 + 4) / 3));
    ASSERT_TRUE(a.chi2PerPoint);
    EXPECT_DOUBLE_EQ(*a.chi2PerPoint, (4.0 + 1 + 1) / 3); // (1/0.5)², (1/1)², (2/2)²
    EXPECT_FALSE(a.scale);
    EXPECT_EQ(agreementText(a), "rms deviation 1.414 (3 points) · χ²/N 2");

    // An error of 0 among the compared points: no χ²/N; without errors neither.
    points.err[1] = 0;
    EXPECT_FALSE(compareWithCurve(points, xs, ys, false).chi2PerPoint);
    points.err.clear();
    EXPECT_FALSE(compareWithCurve(points, xs, ys, false).chi2PerPoint);
    EXPECT_EQ(agreementText(compareWithCurve({}, xs, ys, false)),
              "no measured point lies within the computed curve");
}

TEST(MeasuredData, SpectraAreScaledByTheLeastSquaresFactorFirst) {
    // A measured spectrum of the curve's shape at a third of its height: the factor is 3 and
    // nothing deviates; errors are scaled with the values.
    const std::vector<double> xs = {0, 1, 2, 3};
    const std::vector<double> ys = {0, 6, 3, 0};
    MeasuredPoints points;
    points.x = {1, 2, 0.5};
    points.y = {2, 1, 1};
    points.err = {0.1, 0.1, 0.1};
    const Agreement a = compareWithCurve(points, xs, ys, true);
    ASSERT_TRUE(a.scale);
    EXPECT_DOUBLE_EQ(*a.scale, 3);
    EXPECT_NEAR(a.rms, 0, 1e-12);
    EXPECT_DOUBLE_EQ(a.points[0].err, 0.3);
    EXPECT_EQ(agreementText(a).rfind("scale factor 3 · rms deviation ", 0), 0u);
    // The factor minimises Σ(s·m − c)²: for m = (1, 1), c = (1, 3) it is 2.
    EXPECT_DOUBLE_EQ(leastSquaresScale({1, 1}, {1, 3}), 2);
    EXPECT_DOUBLE_EQ(leastSquaresScale({1, NAN, 2}, {2, 5, 4}), 2);
    EXPECT_TRUE(std::isnan(leastSquaresScale({0, 0}, {1, 2})));
}

TEST(MeasuredData, CompareTableCarriesTheComputedCommentsAndTheSummary) {
    DataTable computed;
    computed.comment("result", "r");
    computed.columns = {"T [K]", "chi_x [muB/T]", "chi_powder [muB/T]"};
    computed.rows = {{1.0, 9.0, 1.0}, {2.0, 9.0, std::string()}, {3.0, 9.0, 3.0}};
    EXPECT_EQ(tableColumnNamed(computed, "chi_powder"), 2u);
    EXPECT_EQ(tableColumnNamed(computed, "chi_x [muB/T]"), 1u);
    EXPECT_EQ(tableColumnNamed(computed, "chi"), std::nullopt);
    EXPECT_EQ(columnUnit("c/T [J/(K^2 mol)]"), "J/(K^2 mol)");

    MeasuredPoints points;
    points.x = {1, 1.5, 3};
    points.y = {1.5, 1, 2};
    const DataTable table = compareDataTable(computed, 2, points, false, "m.csv");
    EXPECT_EQ(table.toCsv(), "# result: r\n"
                             "# measured: m.csv\n"
                             "# curve: chi_powder [muB/T]\n"
                             "# points compared: 2 of 3\n"
                             "# rms: 0.7905694150420949\n"
                             "# chi2/N: not formed: no error column\n"
                             "x [K],y measured [muB/T],err [muB/T],y computed [muB/T],"
                             "deviation [muB/T]\n"
                             "1,1.5,,1,0.5\n"
                             "1.5,1,,,\n"
                             "3,2,,3,-1\n");
}
