// The spectroscopy page of one result folder, saved as a picture for review:
//   vintrel-spectroscopy-shot WORKING_ROOT RESULT_FOLDER OUT.png [K|meV|1/cm|nm]
//       [none|lorentz|gauss WIDTH] [point|line|fill] [T] [panel]
// A unit shows the whole range on its scale ("1:1"); "panel" opens the convolution panel;
// T > 0 weights the lines by Boltzmann populations.
#include "controls/fonts.h"
#include "controls/messages.h"
#include "levels/spectroscopy_page.h"
#include "resultdata/input_files.h"

#include <QApplication>
#include <QVBoxLayout>

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
                                                                     : LineShape::none;
        page.setLineShape(shape);
        page.setHalfWidth(std::atof(argv[6]));
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
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return host.grab().toImage().save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
