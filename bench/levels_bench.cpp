// Paint time of the energy-level diagram for the largest ground term (66 levels), and of the
// mean-field level page with its slider moved between paints, for the neodymium example and for
// 66 levels in 200 temperature steps.
#include "base/number_pattern.h"
#include "containers/container_format.h"
#include "containers/result_import.h"
#include "levels/level_diagram_painter.h"
#include "levels/level_tables.h"
#include "levels/poziomy_d.h"
#include "resultdata/input_files.h"
#include "support/result_writer.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSlider>

#include <benchmark/benchmark.h>

namespace {

using namespace vintrel;

// 33 Kramers doublets spread over 0 … 3000 K, every section alike.
std::string sixtySixLevels() {
    std::string text;
    for (const char* marker : {"x0x", "z0z"}) {
        text += std::string(marker) + " E [K]\n";
        for (int i = 0; i < kMaxLevels; ++i) {
            const std::string e = formatFloatDot("0.000", (i / 2) * (i / 2) * 2.75);
            text += e + " " + e + " 0 0.25 -1.5 0.5\n";
        }
    }
    return text + "*0*\n";
}

void BM_PaintLevelDiagram(benchmark::State& state) {
    LevelTables tables;
    readLevelTablesText("o_E.dup", sixtySixLevels(), 0, kMaxLevels, false, tables);
    DiagramScene scene;
    scene.tables = &tables;
    scene.term = *groundTermOf("4f^5", 1, 1);
    scene.levelCount = kMaxLevels;
    scene.window = {0, 2816, 0, 2816};
    QImage image(1000, 700, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        benchmark::DoNotOptimize(paintLevelDiagram(painter, image.size(), scene));
    }
}
BENCHMARK(BM_PaintLevelDiagram)->Unit(benchmark::kMillisecond);

// The page on one result, its files read once; every iteration moves the slider one position
// on and paints the diagram (1100 × 700 page).
void paintWithSliderMoved(benchmark::State& state, const ResultLocation& location) {
    loadResultInputs(location);
    QWidget host;
    TpoziomyD page;
    page.p0()->setParent(&host);
    host.resize(1100, 700);
    page.p0()->resize(host.size());
    host.show();
    QApplication::processEvents();
    page.setResultLocation(location);
    page.czytaj();
    QApplication::processEvents();
    const int steps = static_cast<int>(page.levels().steps.size());
    QImage image(page.diagram()->size(), QImage::Format_RGB32);
    int position = 0;
    for (auto _ : state) {
        position = (position + 1) % (page.slider()->maximum() + 1);
        page.slider()->setValue(position);
        page.diagram()->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["steps"] = steps;
    state.counters["levels"] = page.levels().N;
    state.counters["width"] = image.width();
    state.counters["height"] = image.height();
}

void BM_PaintMeanFieldNeodymium(benchmark::State& state) {
    test::TempDir root;
    ContainerReader reader(std::filesystem::path(VINTREL_SOURCE_DIR) / "examples" /
                           "Nd-meanfield.mfa");
    ExtractRequest request;
    request.picked = {true};
    const ExtractOutcome outcome = extractResults(reader, root.path(), request);
    paintWithSliderMoved(state, ResultLocation{root.path(), outcome.folders.at(0),
                                               std::filesystem::path(VINTREL_SOURCE_DIR) / "data"});
}
BENCHMARK(BM_PaintMeanFieldNeodymium)->Unit(benchmark::kMillisecond);

void BM_PaintMeanField66Levels200Steps(benchmark::State& state) {
    test::WorkingRoot root;
    paintWithSliderMoved(state, root.write("Result00", test::largeMeanFieldResult(200)));
}
BENCHMARK(BM_PaintMeanField66Levels200Steps)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
