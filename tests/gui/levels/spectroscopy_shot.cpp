// The spectroscopy page of one result folder, saved as a picture for review:
//   vintrel-spectroscopy-shot WORKING_ROOT RESULT_FOLDER OUT.png [K|meV|1/cm|nm]
//       [none|lorentz|gauss WIDTH|voigt GAUSS/LORENTZ[/A,B,C]] [point|line|fill] [T]
//       [panel|labels]
// A unit shows the whole range on its scale ("1:1"); "panel" opens the convolution panel;
// "labels" clicks every line's peak, prints the labels and shows that of the highest peak;
// T > 0 weights the lines by Boltzmann populations. With VINTREL_SHOT_MEASURED=FILE in the
// environment, FILE (x in the unit of its header, or K; intensities; an optional error
// column) is loaded as a measured spectrum.
#include "controls/fonts.h"
#include "controls/messages.h"
#include "levels/spectroscopy_page.h"
#include "resultdata/input_files.h"

#include <QApplication>

#include <QVBoxLayout>
#include <cstdlib>

#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace vintrel;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s WORKING_ROOT RESULT_FOLDER OUT.png [unit] [shape width] "
                     "[style] [T] [panel]\n",
                     argv[0]);
        return 2;
    }
    installViewerFonts();
    setMessagesToStandardError(true);
    const ResultLocation location{argv[1], argv[2],
                                  QCoreApplication::applicationDirPath().toStdString()};
    if (!runGuarded(nullptr, [&] { loadResultInputs(location); }))
        return 1;
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    GraphPageHost graphs;
    graphs.currentResult = [location] { return location; };
    Tgraf_spectroscopy page(graphs);
    layout->addWidget(page.p0());
    host.resize(1150, 720);
    host.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    page.loadCurrentResult();
    if (argc > 4)
        if (const auto type = plotTypeOfUnit(argv[4])) {
            page.setPlotType(*type);
            page.viewWhole(); // the whole range on that scale, as "1:1" gives it
        }
    if (argc > 6) {
        const LineShape shape = std::strcmp(argv[5], "lorentz") == 0 ? LineShape::lorentz
                                : std::strcmp(argv[5], "gauss") == 0 ? LineShape::gauss
                                : std::strcmp(argv[5], "voigt") == 0 ? LineShape::voigt
                                                                     : LineShape::none;
        page.setLineShape(shape);
        page.setHalfWidth(std::atof(argv[6]));
        // "G/L" gives the Voigt Lorentz width, "G/L/a,b,c" also a resolution polynomial.
        if (const char* slash = std::strchr(argv[6], '/')) {
            page.setLorentzWidth(std::atof(slash + 1));
            if (const char* second = std::strchr(slash + 1, '/')) {
                WidthPolynomial p;
                if (std::sscanf(second + 1, "%lf,%lf,%lf", &p.a, &p.b, &p.c) == 3)
                    page.setResolution(p);
            }
        }
    }
    if (argc > 7)
        page.setPlotStyle(std::strcmp(argv[7], "point") == 0  ? PlotStyle::point
                          : std::strcmp(argv[7], "fill") == 0 ? PlotStyle::fill
                                                              : PlotStyle::line);
    if (argc > 8 && std::atof(argv[8]) > 0) {
        page.setTemperature(std::atof(argv[8]));
        page.setBoltzmann(true);
    }
    page.recompute();
    if (argc > 9 && std::strcmp(argv[9], "panel") == 0)
        page.showConvolutionPanel(true);
    if (argc > 9 && std::strcmp(argv[9], "labels") == 0) {
        // A click on every peak that stands out, as a user labels the spectrum.
        const auto& columns = page.columns();
        const SpectrumFrame frame{page.plot()->width(), page.plot()->height(), page.plotRange().min,
                                  page.plotRange().max, spectrumMaximum(columns, kAllTypes, 1)};
        std::vector<PeakLabel> labels;
        for (const MergedTransition& line : page.merged()) {
            const int c = frame.pixelOf(line.x) - 100;
            if (c < 0 || c >= static_cast<int>(columns.size()))
                continue;
            page.clickAt(
                {frame.pixelOf(line.x),
                 frame.rowOf(stackedTotal(columns[static_cast<std::size_t>(c)], kAllTypes, 1))});
            for (const PeakLabel& label : page.marks().labels)
                if (std::find(labels.begin(), labels.end(), label) == labels.end())
                    labels.push_back(label);
        }
        std::size_t peak = 0;
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (stackedTotal(columns[c], kAllTypes, 1) > stackedTotal(columns[peak], kAllTypes, 1))
                peak = c;
        if (!columns.empty())
            page.clickAt({100 + static_cast<int>(peak),
                          frame.rowOf(stackedTotal(columns[peak], kAllTypes, 1))});
        std::printf("%zu peak labels\n", labels.size());
        for (const PeakLabel& label : labels)
            std::printf("  %s at %d\n", label.text.c_str(), label.at.x);
    }
    if (const char* measured = std::getenv("VINTREL_SHOT_MEASURED")) {
        try {
            const MeasuredTable table = readMeasuredData(measured);
            const auto unit = plotTypeOfUnit(table.units[0]);
            const QString problem = page.loadMeasured(
                table, 0, 1, table.columnCount() > 2 ? std::optional<std::size_t>(2) : std::nullopt,
                unit ? *unit : PlotType::kelvin, QString::fromLocal8Bit(measured));
            if (!problem.isEmpty())
                std::fprintf(stderr, "%s\n", qPrintable(problem));
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
        }
    }
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return host.grab().toImage().save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
