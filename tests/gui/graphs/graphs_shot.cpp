// The temperature pages of one result folder in their states, saved as pictures for review:
//   vintrel-graphs-shot WORKING_ROOT RESULT_FOLDER OUT_FOLDER [MEASURED_FILE]
// writes for an ordinary result chi.png, chi-curie.png, chi-markers.png, inverse.png, heat.png,
// heat-debye.png, heat-ct.png, entropy.png, entropy-lines.png, entropy-steps.png, the figures
// chi.svg and chi.pdf and chi-svg.png (the SVG drawn back); for a mean-field result moment.png,
// moment-markers.png, chi-mf.png, chi-mf-curie.png, inverse-mf.png, inverse-mf-markers.png,
// aniso.png, aniso-zoom.png, heat-mf.png, heat-mf-debye.png, heat-mf-ct.png, entropy-mf.png,
// entropy-mf-lines.png and the figure moment.svg. An ordinary result also gives
// inverse-curie-weiss.png, and with MEASURED_FILE (columns T, chi, error) chi-measured.png.
#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_updown.h"
#include "graphs/heat_pages.h"
#include "graphs/mean_field_pages.h"
#include "graphs/susceptibility_pages.h"
#include "resultdata/input_files.h"
#include "resultdata/result_variables.h"
#include "support/page_shot.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>

using namespace vintrel;

namespace {

bool shoot(TGraphPage& page, const ResultLocation& location, const QDir& out, const QString& name,
           const std::function<void()>& state = {}) {
    (void)location;
    return test::shootPanel(
        page.p0(), &page, QSize(1150, 720), out.filePath(name + QStringLiteral(".png")),
        [&] { page.wczytajDane({}); }, state);
}

bool shootMeanField(const GraphPageHost& host, const ResultLocation& location, const QDir& out) {
    bool ok = true;
    Tgraf_momentD moment(host);
    ok &= shoot(moment, location, out, QStringLiteral("moment"));
    ok &= shoot(moment, location, out, QStringLiteral("moment-markers"), [&] {
        moment.showMarkerList(true);
        moment.markerList()->item(9, 1)->setText(QStringLiteral("3.0"));
        moment.markerList()->item(21, 1)->setText(QStringLiteral("1.9"));
    });
    ok &= moment.writeFigure(out.filePath(QStringLiteral("moment.svg"))).isEmpty();

    Tgraf_chiD chi(host);
    ok &= shoot(chi, location, out, QStringLiteral("chi-mf"));
    ok &= shoot(chi, location, out, QStringLiteral("chi-mf-curie"), [&] {
        chi.setCurveShown(3, true);
        chi.momentEdit()->SetPosition(3.6);
        chi.zoomIn();
        chi.zoomIn();
    });

    Tgraf_1chiD inverse(host);
    ok &= shoot(inverse, location, out, QStringLiteral("inverse-mf"));
    ok &= shoot(inverse, location, out, QStringLiteral("inverse-mf-markers"), [&] {
        inverse.selectRows(40, 70);
        inverse.showMarkerList(true);
        inverse.markerList()->item(39, 1)->setText(QStringLiteral("5"));
        inverse.zoomToData();
    });
    ok &= shoot(inverse, location, out, QStringLiteral("inverse-mf-curie-weiss"), [&] {
        inverse.showMarkerList(false);
        inverse.selectRows(40, 80);
        inverse.curieWeiss().setShown(true);
    });

    Tgraf_anisoD aniso(host);
    ok &= shoot(aniso, location, out, QStringLiteral("aniso"));
    ok &= shoot(aniso, location, out, QStringLiteral("aniso-zoom"), [&] { aniso.zoomIn(); });

    Tgraf_specD heat(host);
    ok &= shoot(heat, location, out, QStringLiteral("heat-mf"));
    ok &= shoot(heat, location, out, QStringLiteral("heat-mf-debye"), [&] {
        heat.setThetaText(QStringLiteral("150"));
        heat.setCurveShown(2, true);
        heat.setCurveShown(3, true);
        heat.zoomToData();
    });
    ok &= shoot(heat, location, out, QStringLiteral("heat-mf-ct"), [&] {
        heat.setPerTemperature(true);
        heat.zoomToData();
    });

    Tgraf_entrD entropy(host);
    ok &= shoot(entropy, location, out, QStringLiteral("entropy-mf"));
    ok &= shoot(entropy, location, out, QStringLiteral("entropy-mf-lines"), [&] {
        entropy.statisticalButton()->SetDown(true);
        entropy.statisticalButton()->Click();
    });
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s WORKING_ROOT RESULT_FOLDER OUT_FOLDER\n", argv[0]);
        return 2;
    }
    installViewerFonts();
    setMessagesToStandardError(true);
    const ResultLocation location{argv[1], argv[2],
                                  QCoreApplication::applicationDirPath().toStdString()};
    if (!runGuarded(nullptr, [&] { loadResultInputs(location); }))
        return 1;
    const QDir out(QString::fromLocal8Bit(argv[3]));
    GraphPageHost host;
    host.currentResult = [&] { return location; };
    if (sharedVariables().dynamic_calc)
        return shootMeanField(host, location, out) ? 0 : 1;
    bool ok = true;

    Tgraf_chi chi(host);
    ok &= shoot(chi, location, out, QStringLiteral("chi"));
    ok &= shoot(chi, location, out, QStringLiteral("chi-curie"), [&] {
        chi.setShown(ChiCurve::average, true);
        chi.showCuriePanel(true);
        chi.momentEdit()->SetPosition(2.5);
    });
    ok &= shoot(chi, location, out, QStringLiteral("chi-markers"), [&] {
        chi.showCuriePanel(false);
        chi.showMarkerList(true);
        chi.markerList()->item(9, 1)->setText(QStringLiteral("0.05"));
        chi.markerList()->item(49, 1)->setText(QStringLiteral("0.012"));
        chi.zoomIn();
    });
    ok &= chi.writeFigure(out.filePath(QStringLiteral("chi.svg"))).isEmpty();
    ok &= chi.writeFigure(out.filePath(QStringLiteral("chi.pdf"))).isEmpty();
    {
        // The vector figure drawn back, to compare with the page.
        QSvgRenderer svg(out.filePath(QStringLiteral("chi.svg")));
        QImage image(svg.defaultSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        ok &= image.save(out.filePath(QStringLiteral("chi-svg.png")));
    }

    Tgraf_1chi inverse(host);
    ok &= shoot(inverse, location, out, QStringLiteral("inverse"),
                [&] { inverse.selectRows(100, 199); });
    ok &= shoot(inverse, location, out, QStringLiteral("inverse-curie-weiss"), [&] {
        inverse.selectRows(100, 199);
        inverse.showCurieWeiss(true);
    });
    if (argc >= 5) {
        ok &= shoot(chi, location, out, QStringLiteral("chi-measured"), [&] {
            chi.showMarkerList(false);
            chi.setShown(ChiCurve::average, true);
            try {
                const MeasuredTable table = readMeasuredData(argv[4]);
                const QString problem = chi.loadMeasured(
                    table, 0, 1,
                    table.columnCount() > 2 ? std::optional<std::size_t>(2) : std::nullopt,
                    QString::fromLocal8Bit(argv[4]));
                if (!problem.isEmpty())
                    std::fprintf(stderr, "%s\n", qPrintable(problem));
            } catch (const std::exception& error) {
                std::fprintf(stderr, "%s\n", error.what());
            }
            chi.zoomToData();
        });
    }

    Tgraf_spech heat(host);
    ok &= shoot(heat, location, out, QStringLiteral("heat"));
    ok &= shoot(heat, location, out, QStringLiteral("heat-debye"), [&] {
        heat.showDebyePanel(true);
        heat.setThetaText(QStringLiteral("200"));
        heat.setCurveShown(HeatCurve::debye, true);
        heat.setCurveShown(HeatCurve::sum, true);
        heat.zoomToData();
    });
    ok &= shoot(heat, location, out, QStringLiteral("heat-ct"), [&] {
        heat.showDebyePanel(false);
        heat.setSecondMode(true);
        heat.zoomToData();
    });

    Tgraf_entr entropy(host);
    ok &= shoot(entropy, location, out, QStringLiteral("entropy"));
    ok &= shoot(entropy, location, out, QStringLiteral("entropy-lines"), [&] {
        entropy.statisticalButton()->SetDown(true);
        entropy.statisticalButton()->Click();
    });
    ok &= shoot(entropy, location, out, QStringLiteral("entropy-steps"), [&] {
        entropy.setSecondMode(true);
        entropy.zoomToData();
    });
    return ok ? 0 : 1;
}
