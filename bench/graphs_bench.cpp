// The susceptibility page with four curves of 1000 rows: the time of a repaint (from the scene
// held in memory, and with the scene made anew as a hover over a direction button does), and
// the time to switch to another result whose files the system has cached. The same for the
// mean-field susceptibility page (x, y, z, the powder average and the Curie curve on the plot
// component, the ordering temperature and its state labels).
#include "controls/my_button.h"
#include "graphs/curie_weiss.h"
#include "graphs/mean_field_pages.h"
#include "graphs/susceptibility_pages.h"
#include "resultdata/result_variables.h"
#include "support/result_writer.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using namespace vintrel;

constexpr int kRows = 1000;

/// Ti3+ with a complex Hamiltonian: x, y and z, and so the powder average, over 1000 rows.
test::ResultRecipe thousandRows(double scale) {
    test::ResultRecipe recipe = test::titaniumComplex();
    std::vector<double> T;
    std::array<std::vector<double>, 3> chi;
    for (int r = 1; r <= kRows; ++r) {
        T.push_back(0.3 * r);
        for (int d = 0; d < 3; ++d)
            chi[static_cast<std::size_t>(d)].push_back(scale * (1 + 0.2 * d) / (0.3 * r + 2) +
                                                       1e-3 * std::sin(r * 0.05 * (d + 1)));
    }
    recipe.withFile("o_chi_x.dup", test::chiFileText(T, chi[0]));
    recipe.withFile("o_chi_y.dup", test::chiFileText(T, chi[1]));
    recipe.withFile("o_chi_z.dup", test::chiFileText(T, chi[2]));
    return recipe;
}

/// The page in a window of 1150 x 720 on the first of two results.
struct Setup {
    test::WorkingRoot root;
    std::string current = "Result00";
    QWidget window;
    std::unique_ptr<Tgraf_chi> page;

    Setup() {
        root.write("Result00", thousandRows(1.0));
        root.write("Result01", thousandRows(1.3));
        GraphPageHost host;
        host.currentResult = [this] { return root.location(current); };
        page = std::make_unique<Tgraf_chi>(host);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page->p0());
        window.resize(1150, 720);
        window.show();
        select("Result00");
        page->setShown(ChiCurve::average, true);
        QApplication::processEvents();
    }
    void select(const std::string& name) {
        current = name;
        loadResultInputs(root.location(name));
        page->wczytajDane({});
    }
};

// Made once and kept to the end of the process (its widgets must not outlive the application
// in a static destructor).
Setup& setup() {
    static Setup* instance = new Setup;
    return *instance;
}

void BM_RepaintSusceptibilityPage(benchmark::State& state) {
    Setup& s = setup();
    QWidget* plot = s.page->plot();
    QImage image(plot->size(), QImage::Format_RGB32);
    const bool freshScene = state.range(0) != 0;
    for (auto _ : state) {
        if (freshScene)
            s.page->setHighlighted(ChiCurve::z, true); // the scene is made anew
        plot->render(&image);
        if (freshScene)
            s.page->setHighlighted(ChiCurve::z, false);
    }
    state.SetLabel(freshScene ? "scene made anew" : "scene held");
    state.counters["curves"] = 4;
    state.counters["rows"] = kRows;
}
BENCHMARK(BM_RepaintSusceptibilityPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SwitchResult(benchmark::State& state) {
    Setup& s = setup();
    QWidget* plot = s.page->plot();
    QImage image(plot->size(), QImage::Format_RGB32);
    bool second = false;
    for (auto _ : state) {
        second = !second;
        s.select(second ? "Result01" : "Result00");
        plot->render(&image);
    }
}
BENCHMARK(BM_SwitchResult)->Unit(benchmark::kMillisecond);

/// The mean-field susceptibility page in the same window, on two mean-field results of 1000
/// rows with all five curves shown.
struct MeanFieldSetup {
    test::WorkingRoot root;
    std::string current = "Result00";
    QWidget window;
    std::unique_ptr<Tgraf_chiD> page;

    MeanFieldSetup() {
        root.write("Result00", test::meanFieldResult(12.5, kRows, 2));
        root.write("Result01", test::meanFieldResult(20, kRows, 2));
        GraphPageHost host;
        host.currentResult = [this] { return root.location(current); };
        page = std::make_unique<Tgraf_chiD>(host);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page->p0());
        window.resize(1150, 720);
        window.show();
        select("Result00");
        page->setCurveShown(3, true);
        page->setCurveShown(4, true);
        QApplication::processEvents();
    }
    void select(const std::string& name) {
        current = name;
        loadResultInputs(root.location(name));
        page->wczytajDane({});
    }
};

MeanFieldSetup& meanFieldSetup() {
    static MeanFieldSetup* instance = new MeanFieldSetup;
    return *instance;
}

void BM_RepaintMeanFieldSusceptibilityPage(benchmark::State& state) {
    MeanFieldSetup& s = meanFieldSetup();
    QWidget* plot = s.page->plot();
    QImage image(plot->size(), QImage::Format_RGB32);
    const bool freshScene = state.range(0) != 0;
    TMyButton* z = s.page->curveButton(2);
    for (auto _ : state) {
        if (freshScene)
            emit z->OnMouseOver(); // z drawn last: the scene is made anew
        plot->render(&image);
        if (freshScene)
            emit z->OnMouseOut();
    }
    state.SetLabel(freshScene ? "scene made anew" : "scene held");
    state.counters["curves"] = 5;
    state.counters["rows"] = kRows;
}
BENCHMARK(BM_RepaintMeanFieldSusceptibilityPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SwitchMeanFieldResult(benchmark::State& state) {
    MeanFieldSetup& s = meanFieldSetup();
    QWidget* plot = s.page->plot();
    QImage image(plot->size(), QImage::Format_RGB32);
    bool second = false;
    for (auto _ : state) {
        second = !second;
        s.select(second ? "Result01" : "Result00");
        plot->render(&image);
    }
}
BENCHMARK(BM_SwitchMeanFieldResult)->Unit(benchmark::kMillisecond);

// The Curie–Weiss fits a move of the inverse page's thumbs makes: x, y, z and the powder
// average over N rows of a noisy law.
void BM_CurieWeissFits(benchmark::State& state) {
    const auto rows = static_cast<std::size_t>(state.range(0));
    ChiData data;
    for (std::size_t r = 0; r < rows; ++r) {
        const double T = 2 + 298.0 * static_cast<double>(r) / static_cast<double>(rows);
        data.T.push_back(T);
        for (std::size_t d = 0; d < 3; ++d)
            data.chi[d].push_back(0.8 / (T + 10 + 2.0 * static_cast<double>(d)) + 0.001 +
                                  1e-5 * std::sin(static_cast<double>(r * (d + 3))));
    }
    data.hasY = true;
    const std::vector<double> powder = data.chi[0];
    for (auto _ : state)
        benchmark::DoNotOptimize(fitDirections(data, &powder, 0, rows - 1, true));
    state.SetLabel("rows=" + std::to_string(rows));
}
BENCHMARK(BM_CurieWeissFits)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
