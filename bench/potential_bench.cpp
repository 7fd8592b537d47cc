// The potential refresh, side by side: the step-by-step evaluation on point records (27 passes,
// then range, filter, colour and the panel's copy of the drawn points) against the point cloud
// (one evaluation pass on coordinate arrays and one pass for filter and colour), at 91³ and
// 151³ grid points, for 5, 9 and 27 non-zero coefficients, with a streaming pass over the same
// arrays as the floor. The ratios of the best of each benchmark's repetitions are printed at the
// end; run with --benchmark_repetitions=5 or more on a busy machine.
#include "potential/potential.h"
#include "potential/potential_cloud.h"
#include "potential/two_workers.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

using namespace vintrel;

// A shape size per grid: 3 at "Medium" gives N = 91, 5 gives N = 151.
int shapeSizeFor(int n) {
    return n == 151 ? 5 : 3;
}

CoefficientList coefficientsWith(int nonZero) {
    // The slots of a tetragonal (5) and of a lower (9) symmetry; 27: every slot.
    static const int five[] = {3, 10, 14, 21, 25};
    static const int nine[] = {3, 5, 10, 12, 14, 21, 23, 25, 27};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> uniform(-1, 1);
    CoefficientList c{};
    auto set = [&](int slot) {
        const int n = slot <= 5 ? 2 : slot <= 14 ? 4 : 6;
        c[static_cast<std::size_t>(slot - 1)] = uniform(random) * (n == 2 ? 10 : n == 4 ? 1 : 0.1);
    };
    if (nonZero == 5)
        for (int slot : five)
            set(slot);
    else if (nonZero == 9)
        for (int slot : nine)
            set(slot);
    else
        for (int slot = 1; slot <= 27; ++slot)
            set(slot);
    return c;
}

colorMap greyPalette() {
    colorMap palette{};
    for (std::size_t k = 0; k < palette.size(); ++k)
        palette[k] = {k / 255.0, k / 255.0, k / 255.0};
    return palette;
}

const PointDataArray& baseRecords(int n) {
    static std::map<int, PointDataArray> cache;
    auto& points = cache[n];
    if (points.empty())
        buildBaseSet(points, Body::sphere, shapeSizeFor(n), 30);
    return points;
}

PotentialCloud& cloudOf(int n, Body body = Body::sphere) {
    static std::map<std::pair<int, Body>, std::unique_ptr<PotentialCloud>> cache;
    auto& cloud = cache[{n, body}];
    if (!cloud)
        cloud = std::make_unique<PotentialCloud>(buildCloud(body, shapeSizeFor(n), 30));
    return *cloud;
}

void setLabel(benchmark::State& state, std::size_t points) {
    state.counters["points"] = static_cast<double>(points);
}

void BM_ReferenceEvaluate(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const CoefficientList c = coefficientsWith(static_cast<int>(state.range(1)));
    PointDataArray points = baseRecords(n);
    for (auto _ : state) {
        evaluatePotential(c, points);
        benchmark::ClobberMemory();
    }
    setLabel(state, points.size());
}

void BM_ReferenceRefresh(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const CoefficientList c = coefficientsWith(static_cast<int>(state.range(1)));
    const colorMap palette = greyPalette();
    PointDataArray points = baseRecords(n);
    PointDataArray drawn;
    for (auto _ : state) {
        evaluatePotential(c, points);
        const ValueRange range = valueRange(points);
        showAllPoints(points);
        filterByValue(points, true, range.min + (range.max - range.min) * 0.3,
                      range.min + (range.max - range.min) * 0.7);
        colourPoints(points, range.min, range.max, palette);
        drawn.clear();
        for (const TPointData& p : points)
            if (p.inshape && p.visible)
                drawn.push_back(p);
        benchmark::DoNotOptimize(drawn.data());
    }
    setLabel(state, points.size());
}

ShadeRequest shadeRequestFor(const ValueRange& range) {
    ShadeRequest request;
    request.range = range;
    request.marginal = true;
    request.lower = range.min + (range.max - range.min) * 0.3;
    request.upper = range.min + (range.max - range.min) * 0.7;
    return request;
}

void BM_CloudEvaluate(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const CoefficientList c = coefficientsWith(static_cast<int>(state.range(1)));
    PotentialCloud& cloud = cloudOf(n);
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluateCloud(c, cloud));
        benchmark::ClobberMemory();
    }
    setLabel(state, cloud.size());
}

// The same on the baseline instruction set, to show what the wider vectors give.
void BM_CloudEvaluateBaseline(benchmark::State& state) {
    useCloudKernels(CloudKernels::baseline);
    BM_CloudEvaluate(state);
    useCloudKernels(CloudKernels::automatic);
}

void cloudRefresh(benchmark::State& state, Body body) {
    const int n = static_cast<int>(state.range(0));
    const CoefficientList c = coefficientsWith(static_cast<int>(state.range(1)));
    PotentialCloud& cloud = cloudOf(n, body);
    CloudShading shading;
    for (auto _ : state) {
        const ValueRange range = evaluateCloud(c, cloud);
        shadeCloud(cloud, shadeRequestFor(range), shading);
        benchmark::DoNotOptimize(shading.visibleCount);
    }
    setLabel(state, cloud.size());
}

void BM_CloudRefresh(benchmark::State& state) {
    cloudRefresh(state, Body::sphere);
}

// The cube keeps every grid point: the largest cloud.
void BM_CloudRefreshCube(benchmark::State& state) {
    cloudRefresh(state, Body::cube);
}

// A threshold change: filter and colour only, the values stay.
void BM_CloudShade(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    PotentialCloud& cloud = cloudOf(n);
    const ValueRange range = evaluateCloud(coefficientsWith(27), cloud);
    CloudShading shading;
    for (auto _ : state) {
        shadeCloud(cloud, shadeRequestFor(range), shading);
        benchmark::DoNotOptimize(shading.visibleCount);
    }
    setLabel(state, cloud.size());
}

// One streaming pass over the same arrays on the same two workers: read x, y, z, write value.
void streamingPass(benchmark::State& state, Body body) {
    const int n = static_cast<int>(state.range(0));
    PotentialCloud& cloud = cloudOf(n, body);
    for (auto _ : state) {
        onTwoWorkers(cloud.size(), 256, [&](std::size_t begin, std::size_t end) {
            const double* x = cloud.x.data();
            const double* y = cloud.y.data();
            const double* z = cloud.z.data();
            double* value = cloud.value.data();
            for (std::size_t j = begin; j < end; ++j)
                value[j] = x[j] + y[j] + z[j];
        });
        benchmark::ClobberMemory();
    }
    setLabel(state, cloud.size());
}

void BM_StreamingPass(benchmark::State& state) {
    streamingPass(state, Body::sphere);
}

// The same over arrays of the whole grid (the cube's cloud).
void BM_StreamingPassGrid(benchmark::State& state) {
    streamingPass(state, Body::cube);
}

// Milliseconds of wall time, and the processor time of the whole process (both workers), which
// a busy machine disturbs less.
void timed(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
}

void gridsAndTerms(benchmark::internal::Benchmark* b) {
    for (int n : {91, 151})
        for (int terms : {5, 9, 27})
            b->Args({n, terms});
}

void grids(benchmark::internal::Benchmark* b) {
    for (int n : {91, 151})
        b->Args({n});
}

BENCHMARK(BM_ReferenceEvaluate)->Apply(gridsAndTerms)->Apply(timed);
BENCHMARK(BM_ReferenceRefresh)->Apply(gridsAndTerms)->Apply(timed);
BENCHMARK(BM_CloudEvaluate)->Apply(gridsAndTerms)->Apply(timed);
BENCHMARK(BM_CloudEvaluateBaseline)->Apply(gridsAndTerms)->Apply(timed);
BENCHMARK(BM_CloudRefresh)->Apply(gridsAndTerms)->Apply(timed);
BENCHMARK(BM_CloudRefreshCube)->Apply(gridsAndTerms)->Apply(timed);
BENCHMARK(BM_CloudShade)->Apply(grids)->Apply(timed);
BENCHMARK(BM_StreamingPass)->Apply(grids)->Apply(timed);
BENCHMARK(BM_StreamingPassGrid)->Apply(grids)->Apply(timed);

// Keeps the best wall time and the best process time of each benchmark over its repetitions
// (in milliseconds) for the ratios: on a machine shared with other work the best run is the one
// least disturbed.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            keepBest(wall, run.benchmark_name(), run.GetAdjustedRealTime());
            keepBest(process, run.benchmark_name(), run.GetAdjustedCPUTime());
        }
    }

    std::map<std::string, double> wall, process;

private:
    static void keepBest(std::map<std::string, double>& times, const std::string& name,
                         double time) {
        auto [entry, added] = times.try_emplace(name, time);
        if (!added && time < entry->second)
            entry->second = time;
    }
};

double timeOf(const std::map<std::string, double>& times, const std::string& name) {
    const auto found = times.find(name + "/process_time/real_time");
    return found == times.end() ? 0 : found->second;
}

void printRatios(const std::map<std::string, double>& r, const char* what) {
    std::printf("\nBest %s in ms, the sphere unless marked; ratios: reference / cloud, and the "
                "cloud's evaluation / a streaming pass over the sphere's or the whole grid's "
                "arrays.\n",
                what);
    std::printf("%-5s %-5s %9s %9s %7s %9s %9s %7s %9s %9s %9s %9s\n", "grid", "terms", "ref eval",
                "cloud", "ratio", "ref whole", "cloud", "ratio", "cube", "no avx2", "/ body",
                "/ grid");
    for (int n : {91, 151}) {
        const std::string grid = "/" + std::to_string(n);
        const double pass = timeOf(r, "BM_StreamingPass" + grid);
        const double gridPass = timeOf(r, "BM_StreamingPassGrid" + grid);
        for (int terms : {5, 9, 27}) {
            const std::string args = grid + "/" + std::to_string(terms);
            const double refEval = timeOf(r, "BM_ReferenceEvaluate" + args);
            const double cloudEval = timeOf(r, "BM_CloudEvaluate" + args);
            const double refWhole = timeOf(r, "BM_ReferenceRefresh" + args);
            const double cloudWhole = timeOf(r, "BM_CloudRefresh" + args);
            const double cube = timeOf(r, "BM_CloudRefreshCube" + args);
            const double baseline = timeOf(r, "BM_CloudEvaluateBaseline" + args);
            auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
            std::printf("%-5d %-5d %9.2f %9.2f %6.1fx %9.2f %9.2f %6.1fx %9.2f %9.2f %8.2fx "
                        "%8.2fx\n",
                        n, terms, refEval, cloudEval, ratio(refEval, cloudEval), refWhole,
                        cloudWhole, ratio(refWhole, cloudWhole), cube, baseline,
                        ratio(cloudEval, pass), ratio(cloudEval, gridPass));
        }
        std::printf("%-5d streaming pass: %.2f ms over the sphere's arrays, %.2f ms over the "
                    "whole grid's; threshold change (filter and colour): %.2f ms\n",
                    n, pass, gridPass, timeOf(r, "BM_CloudShade" + grid));
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter.wall, "wall times");
    printRatios(reporter.process, "processor times of both workers");
    benchmark::Shutdown();
    return 0;
}
