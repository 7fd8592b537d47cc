// Paint time of the Hamiltonian grid: the complex Ti3+ example (10 states) and a complex
// 66-state matrix (4f^5 in the |L,S,L_z,S_z> basis), all three terms ticked, in a grid of the
// size the page has in a 1280 × 900 window. Also the preparation of the cell texts, which runs
// when the data, the ticked terms or the zoom change.
#include "containers/container_format.h"
#include "containers/result_import.h"
#include "controls/fonts.h"
#include "hamiltonian/ham_grid_painter.h"
#include "hamiltonian/ham_grid_texts.h"
#include "hamiltonian/ham_grid_view.h"
#include "hamiltonian/ham_matrices.h"
#include "hamiltonian/ham_states.h"
#include "resultdata/term_values.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace {

using namespace vintrel;

constexpr int kGridWidth = 1030;
constexpr int kGridHeight = 760;

struct Grid {
    HamiltonianMatrices matrices;
    std::vector<HeaderCaption> captions;
    HamGridView view;
    HamGridTexts texts;
    std::unique_ptr<HamGridFonts> fonts;
    int blockSide = 1;

    Grid(const char* siconf, int N) {
        fonts = std::make_unique<HamGridFonts>(viewerFont(QStringLiteral("Tahoma"), 10));
        const TermValues term = *termValues(siconf, basisIndex(1, 2));
        for (const std::string& caption : stateCaptions(1, term))
            captions.push_back(headerCaption(caption));
        blockSide = checkerBlockSide(1, term);
        matrices.reset(N, true);
        view.setStates(N);
        view.setClientSize(kGridWidth, kGridHeight);
        view.setTickedLines(3, true);
    }

    void prepare() {
        matrices.sum(TermSet::all());
        const QFontMetrics plain(fonts->plain);
        const QFontMetrics bold(fonts->emphasised);
        texts.prepare(matrices, TermSet::all(), view.dataColumnWidth(),
                      [&](std::string_view text, bool emphasised) {
                          const QString shown =
                              QString::fromLatin1(text.data(), qsizetype(text.size()));
                          return (emphasised ? bold : plain).horizontalAdvance(shown);
                      });
    }

    void paint(QImage& image) const {
        HamGridScene scene;
        scene.view = &view;
        scene.texts = &texts;
        scene.captions = &captions;
        scene.fonts = fonts.get();
        scene.blockSide = blockSide;
        scene.selection.selRow = 3;
        scene.selection.selCol = 5;
        QPainter painter(&image);
        paintHamGrid(painter, scene);
    }
};

// The Ti3+ example's "o_ham.dup", unpacked once.
Grid& titanium() {
    static Grid grid = [] {
        Grid g("3d^1", 10);
        const std::filesystem::path root =
            std::filesystem::temp_directory_path() / "vintrel-hamiltonian-bench";
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        ContainerReader reader(std::filesystem::path(VINTREL_SOURCE_DIR) / "examples" /
                               "Ti-LS-complex.zrvn");
        ExtractRequest request;
        request.picked = {true};
        const ExtractOutcome outcome = extractResults(reader, root, request);
        readHamiltonian(root / outcome.folders.at(0), g.matrices);
        std::filesystem::remove_all(root);
        g.prepare();
        return g;
    }();
    return grid;
}

// 66 states with values of every size in every term.
Grid& sixtySix() {
    static Grid grid = [] {
        Grid g("4f^5", 66);
        for (HamTerm term : {HamTerm::cef, HamTerm::ls, HamTerm::zeeman}) {
            HamMatrix& m = g.matrices.term(term);
            for (int r = 1; r <= m.size(); ++r)
                for (int c = 1; c <= m.size(); ++c)
                    m.set(r, c,
                          std::sin(r * 0.37 + c * 1.3 + int(term)) *
                              std::pow(10.0, (r + 2 * c + int(term)) % 9 - 4));
        }
        g.prepare();
        return g;
    }();
    return grid;
}

void BM_PaintTitaniumGrid(benchmark::State& state) {
    Grid& grid = titanium();
    QImage image(kGridWidth, kGridHeight, QImage::Format_RGB32);
    for (auto _ : state)
        grid.paint(image);
}
BENCHMARK(BM_PaintTitaniumGrid)->Unit(benchmark::kMillisecond);

void BM_PaintSixtySixStateGrid(benchmark::State& state) {
    Grid& grid = sixtySix();
    QImage image(kGridWidth, kGridHeight, QImage::Format_RGB32);
    for (auto _ : state)
        grid.paint(image);
}
BENCHMARK(BM_PaintSixtySixStateGrid)->Unit(benchmark::kMillisecond);

// Zoomed out to the narrowest columns: the most cells on show.
void BM_PaintSixtySixStateGridZoomedOut(benchmark::State& state) {
    Grid& grid = sixtySix();
    const int width = grid.view.dataColumnWidth();
    while (grid.view.zoomOut({})) {
    }
    grid.texts.fit(grid.view.dataColumnWidth());
    QImage image(kGridWidth, kGridHeight, QImage::Format_RGB32);
    for (auto _ : state)
        grid.paint(image);
    grid.view.setDataColumnWidth(width);
    grid.texts.fit(width);
}
BENCHMARK(BM_PaintSixtySixStateGridZoomedOut)->Unit(benchmark::kMillisecond);

// When the data or the ticked terms change.
void BM_PrepareSixtySixStateTexts(benchmark::State& state) {
    Grid& grid = sixtySix();
    for (auto _ : state)
        grid.prepare();
}
BENCHMARK(BM_PrepareSixtySixStateTexts)->Unit(benchmark::kMillisecond);

// A zoom step: only the widths are compared again.
void BM_FitSixtySixStateTexts(benchmark::State& state) {
    Grid& grid = sixtySix();
    int width = 75;
    for (auto _ : state)
        grid.texts.fit(width = width == 75 ? 82 : 75);
    grid.texts.fit(grid.view.dataColumnWidth());
}
BENCHMARK(BM_FitSixtySixStateTexts)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installViewerFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
