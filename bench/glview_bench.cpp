// The 3-D view of the potential pages on a real OpenGL context (run under Xvfb: llvmpipe is the
// floor every user has). A 900 × 700 panel showing the cube of 91³ and of 151³ points with the
// cubic potential of the cerium example, marginal part, standard palette:
// - a frame while the left button is held and the mouse moves (the coarse subset), and a full
//   frame; each frame is rendered and read back (grabFramebuffer), which costs a little more
//   than showing it;
// - a threshold change: the fused shading pass and the upload of the index and visibility
//   bytes, finished on the GL side (glFinish), without the next frame;
// - a palette change: the 768 palette bytes uploaded and finished, without the next frame.
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/bin/glview_bench
#include "potential/gl_panel.h"
#include "potential/pot_vis_form.h"
#include "potential/potential_page_model.h"
#include "potential/stevens.h"
#include "resultdata/result_variables.h"

#include <QApplication>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vintrel;

std::vector<std::array<std::uint8_t, 3>> rainbow(int shift) {
    std::vector<std::array<std::uint8_t, 3>> colours(256);
    for (int k = 0; k < 256; ++k)
        colours[std::size_t(k)] = {std::uint8_t(k), std::uint8_t((k + shift) % 256),
                                   std::uint8_t(255 - k)};
    return colours;
}

struct View {
    QWidget window;
    TGLPanel* panel = nullptr;
    PotentialField field;
    CloudShading shading;
    ValueRange range;

    explicit View(int size) {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        panel = new TGLPanel(&window);
        layout->addWidget(panel);
        window.resize(900, 700);
        window.show();
        QApplication::processEvents();
        field.setShape({Body::cube, size, Resolution::medium, {}});
        CoefficientList c{};
        c[coefNMToIndex(4, 0) - 1] = -1.5;
        c[coefNMToIndex(4, 4) - 1] = -7.5;
        field.setCoefficients(c);
        range = field.computedRange();
        shadeCloud(field.cloud(), shadeRequestFor(range, 0.3, 0.7, true), shading);
        panel->setPalette(rainbow(0));
        panel->setPoints(field.cloud(), field.pointsVersion());
        panel->setShading(shading);
        panel->grabFramebuffer();
    }

    void finish() {
        panel->makeCurrent();
        panel->context()->functions()->glFinish();
        panel->doneCurrent();
    }

    void move(int x, int y, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, QPointF(x, y), panel->mapToGlobal(QPointF(x, y)),
                          Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(panel, &event);
    }
};

// Grid points per axis for a cube of size s at "Medium": 30 s + 1.
int sizeFor(int n) {
    return n == 151 ? 5 : 3;
}

void BM_DragFrame(benchmark::State& state) {
    View view(sizeFor(static_cast<int>(state.range(0))));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 100),
                      view.panel->mapToGlobal(QPointF(100, 100)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(view.panel, &press);
    int x = 100;
    for (auto _ : state) {
        view.move(++x, 100, Qt::LeftButton);
        benchmark::DoNotOptimize(view.panel->grabFramebuffer());
    }
    state.counters["points drawn"] = static_cast<double>(view.panel->uploads().lastFramePoints);
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_FullFrame(benchmark::State& state) {
    View view(sizeFor(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(view.panel->grabFramebuffer());
    state.counters["points drawn"] = static_cast<double>(view.panel->uploads().lastFramePoints);
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_ThresholdToUpload(benchmark::State& state) {
    View view(sizeFor(static_cast<int>(state.range(0))));
    double lower = 0.3;
    for (auto _ : state) {
        lower = lower > 0.5 ? 0.2 : lower + 0.01;
        shadeCloud(view.field.cloud(), shadeRequestFor(view.range, lower, 0.7, true), view.shading);
        view.panel->setShading(view.shading);
        view.finish();
    }
    state.counters["bytes"] = static_cast<double>(view.panel->uploads().lastShadingBytes);
}

void BM_PaletteToUpload(benchmark::State& state) {
    View view(sizeFor(static_cast<int>(state.range(0))));
    const auto a = rainbow(0), b = rainbow(90);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        view.panel->setPalette(flip ? a : b);
        view.finish();
    }
    state.counters["bytes"] = static_cast<double>(view.panel->uploads().lastPaletteBytes);
}

// The same through the page: an indicator released at a new place (the page's refresh with
// its range, shading and upload, without the next frame) and a palette chosen in the box.
struct Page {
    QWidget window;
    std::unique_ptr<TPotVisResultForm> form;

    explicit Page(int size) {
        TVariables& vars = sharedVariables();
        vars.wsp_A = {};
        vars.wsp_A[coefNMToIndex(4, 0) - 1] = -1.5;
        vars.wsp_A[coefNMToIndex(4, 4) - 1] = -7.5;
        form = std::make_unique<TPotVisResultForm>(PotVisHost{});
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(form->p0());
        window.resize(1300, 800);
        window.show();
        QApplication::processEvents();
        form->wczytajDane({});
        form->setShape(Body::cube, size, Resolution::medium);
        form->view()->grabFramebuffer();
    }
    ~Page() { form->p0()->setParent(form.get()); }
};

void BM_PageThreshold(benchmark::State& state) {
    Page page(sizeFor(static_cast<int>(state.range(0))));
    double lower = 0.3;
    for (auto _ : state) {
        lower = lower > 0.5 ? 0.2 : lower + 0.01;
        page.form->setFractions(lower, 0.7);
        page.form->view()->makeCurrent();
        page.form->view()->context()->functions()->glFinish();
        page.form->view()->doneCurrent();
    }
}

void BM_PagePalette(benchmark::State& state) {
    Page page(sizeFor(static_cast<int>(state.range(0))));
    int palette = 0;
    for (auto _ : state) {
        palette = (palette + 1) % 19;
        page.form->choosePalette(palette);
        page.form->view()->makeCurrent();
        page.form->view()->context()->functions()->glFinish();
        page.form->view()->doneCurrent();
    }
}

BENCHMARK(BM_DragFrame)->Arg(91)->Arg(151)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FullFrame)->Arg(91)->Arg(151)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ThresholdToUpload)->Arg(91)->Arg(151)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PaletteToUpload)->Arg(91)->Arg(151)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PageThreshold)->Arg(91)->Arg(151)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PagePalette)->Arg(91)->Arg(151)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!openGLAvailable()) {
        std::fprintf(stderr, "no OpenGL here: run under xvfb-run\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
