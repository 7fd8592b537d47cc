// The spectroscopy page: synthesis of a spectrum from the largest transition list (66 levels,
// 2145 upward transitions) over 1500 columns, and the repaint of the plot made of it.
#include "graphs/plot_painter.h"
#include "levels/spectrum.h"
#include "levels/spectrum_plot.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <optional>
#include <random>

namespace {

using namespace vintrel;

constexpr int kLevels = 66;
constexpr int kColumns = 1500;

// Every upward pair of 66 levels spread over 0 … 3000 K, with elements of every type.
std::vector<MergedTransition> largestList() {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> element(-2, 2);
    std::vector<double> E(kLevels);
    for (int i = 0; i < kLevels; ++i)
        E[static_cast<std::size_t>(i)] = 3000.0 * i * i / ((kLevels - 1) * (kLevels - 1)) + i;
    std::vector<TransitionLine> lines;
    for (int i = 0; i < kLevels; ++i)
        for (int j = i + 1; j < kLevels; ++j) {
            TransitionLine line;
            line.dE = E[static_cast<std::size_t>(j)] - E[static_cast<std::size_t>(i)];
            for (double& e : line.elements)
                e = element(random);
            line.ls = element(random);
            line.from = i + 1;
            lines.push_back(line);
        }
    return mergeTransitions(lines, std::vector<double>(kLevels, 1.0), 1, PlotType::kelvin);
}

void synthesis(benchmark::State& state, LineShape shape, double width, double lorentz = 0,
               std::optional<WidthPolynomial> resolution = std::nullopt) {
    const auto merged = largestList();
    SpectrumOptions options;
    options.shape = shape;
    options.halfWidthK = options.halfWidthUnit = width;
    options.lorentzWidthK = options.lorentzWidthUnit = lorentz;
    options.resolution = resolution;
    for (auto _ : state)
        benchmark::DoNotOptimize(synthesizeSpectrum(merged, 0, 3150, kColumns, options, {}));
    state.counters["transitions"] = static_cast<double>(merged.size());
}

void BM_SynthesisGaussNarrow(benchmark::State& state) {
    synthesis(state, LineShape::gauss, 10);
}
void BM_SynthesisGaussWide(benchmark::State& state) {
    synthesis(state, LineShape::gauss, 1000);
}
void BM_SynthesisLorentz(benchmark::State& state) {
    synthesis(state, LineShape::lorentz, 10);
}
void BM_SynthesisNone(benchmark::State& state) {
    synthesis(state, LineShape::none, 10);
}
// Voigt evaluates the Faddeeva function at every column of every line.
void BM_SynthesisVoigt(benchmark::State& state) {
    synthesis(state, LineShape::voigt, 10, 5);
}
void BM_SynthesisVoigtResolution(benchmark::State& state) {
    synthesis(state, LineShape::voigt, 10, 5, WidthPolynomial{5, 0.01, 1e-5});
}
void BM_Faddeeva(benchmark::State& state) {
    double x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(faddeeva({x, 0.3}));
        x = x > 20 ? 0 : x + 0.01;
    }
}
BENCHMARK(BM_SynthesisVoigt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SynthesisVoigtResolution)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Faddeeva);
BENCHMARK(BM_SynthesisGaussNarrow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SynthesisGaussWide)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SynthesisLorentz)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SynthesisNone)->Unit(benchmark::kMillisecond);

// The page's repaint: the plot scene held since the synthesis, drawn on a box of 1670 × 700
// (1500 columns), in each plot style.
void BM_Repaint(benchmark::State& state) {
    const auto merged = largestList();
    SpectrumOptions options;
    options.shape = LineShape::gauss;
    options.halfWidthK = options.halfWidthUnit = 10;
    const auto columns = synthesizeSpectrum(merged, 0, 3150, kColumns, options, {});
    SpectrumPicture picture;
    picture.frame = {kColumns + 170, 700, 0, 3150, spectrumMaximum(columns, kAllTypes, 1)};
    picture.columns = &columns;
    picture.style = static_cast<PlotStyle>(state.range(0));
    const PlotScene scene = spectrumScene(picture);
    QImage image(picture.frame.width, picture.frame.height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintPlotScene(painter, scene);
    }
    state.counters["items"] = static_cast<double>(scene.items.size());
}
BENCHMARK(BM_Repaint)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
