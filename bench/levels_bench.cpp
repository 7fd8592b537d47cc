// Paint time of the energy-level diagram for the largest ground term (66 levels).
#include "base/number_pattern.h"
#include "levels/level_diagram_painter.h"
#include "levels/level_tables.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
