// The potential pages of the examples in their states, saved as pictures for review:
//   vintrel-potential-shot OUT_FOLDER
// unpacks the three examples and writes ce-g8-sphere.png, ce-g8-cube-warm.png,
// ce-g7-central.png, ti-sphere.png, ti-octahedron-thermo.png, ti-cube-marginal.png and
// ce-rotated-tetrahedron.png, nd-T0.png, nd-T1.png, nd-T2.png (three temperatures with the
// trail) and nd-hole.png.
#include "containers/container_format.h"
#include "containers/result_import.h"
#include "controls/fonts.h"
#include "controls/messages.h"
#include "potential/gl_panel.h"
#include "potential/pot_vis_form.h"
#include "resultdata/input_files.h"
#include "support/page_shot.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QSlider>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>

using namespace vintrel;

namespace {

struct Shooter {
    QDir out;
    ResultLocation current;

    bool shoot(TPotVisForm& page, const ResultLocation& location, const QString& name,
               const std::function<void()>& state = {}) {
        current = location;
        loadResultInputs(location);
        return test::shootPanel(
            page.p0(), &page, QSize(1280, 820), out.filePath(name + QStringLiteral(".png")),
            [&] { page.wczytajDane({}); }, state);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT_FOLDER\n", argv[0]);
        return 2;
    }
    installViewerFonts();
    setMessagesToStandardError(true);
    const std::filesystem::path examples = std::filesystem::path(VINTREL_SOURCE_DIR) / "examples";
    QTemporaryDir root;
    for (const char* file : {"Ce-cubic.zrvn", "Ti-LS-complex.zrvn", "Nd-meanfield.mfa"}) {
        ContainerReader reader(examples / file);
        ExtractRequest request;
        request.picked.assign(8, true);
        if (!extractResults(reader, root.path().toStdString(), request).ok)
            return 1;
    }
    const std::filesystem::path data = QCoreApplication::applicationDirPath().toStdString();
    const auto at = [&](const char* folder) {
        return ResultLocation{root.path().toStdString(), folder, data};
    };
    Shooter shooter{QDir(QString::fromLocal8Bit(argv[1])), {}};
    PotVisHost host;
    host.currentResult = [&] { return shooter.current; };
    bool ok = true;

    TPotVisResultForm plain(host);
    ok &= shooter.shoot(plain, at("Result00"), QStringLiteral("ce-g8-sphere"));
    ok &= shooter.shoot(plain, at("Result00"), QStringLiteral("ce-g8-cube-warm"), [&] {
        plain.setShape(Body::cube, 3, Resolution::medium);
        plain.choosePalette(1);
    });
    ok &= shooter.shoot(plain, at("Result01"), QStringLiteral("ce-g7-central"), [&] {
        plain.setShape(Body::sphere, 3, Resolution::medium);
        plain.choosePalette(0);
        plain.setMarginal(false);
    });
    ok &= shooter.shoot(plain, at("Result02"), QStringLiteral("ti-sphere"),
                        [&] { plain.setMarginal(true); });
    ok &= shooter.shoot(plain, at("Result02"), QStringLiteral("ti-octahedron-thermo"), [&] {
        plain.setShape(Body::octahedron, 4, Resolution::high);
        plain.choosePalette(12);
    });
    ok &= shooter.shoot(plain, at("Result02"), QStringLiteral("ti-cube-marginal"), [&] {
        plain.setShape(Body::cube, 3, Resolution::medium);
        plain.choosePalette(0);
        plain.setFractions(0.15, 0.85);
    });
    ok &= shooter.shoot(plain, at("Result02"), QStringLiteral("ti-along-c"), [&] {
        plain.setShape(Body::sphere, 3, Resolution::medium);
        plain.setFractions(0.3, 0.7);
        // Looking down the trigonal axis (z): turned so that the view axis is the z axis.
        plain.view()->camera().setAngles(-35.26, 45);
        plain.view()->update();
    });

    ok &= shooter.shoot(plain, at("Result00"), QStringLiteral("ce-rotated-tetrahedron"), [&] {
        plain.setShape(Body::tetrahedron, 3, Resolution::medium);
        plain.setFractions(0.3, 0.7);
        plain.view()->setDefaultView();
        plain.setRotationShown(true);
        plain.setAngles(0, 0, 45);
        plain.applyRotation();
        QApplication::processEvents();
    });

    TPotVisMFAForm meanField(host);
    const ResultLocation nd = at("Result03");
    for (const int step : {0, 1, 2}) {
        ok &= shooter.shoot(meanField, nd, QStringLiteral("nd-T%1").arg(step), [&, step] {
            // Through the view-through hole: the trail of the last five steps at a low
            // temperature, just below and just above the ordering temperature.
            meanField.trailBox()->setChecked(true);
            meanField.holeBox()->setChecked(true);
            QSlider* slider = meanField.temperatureSlider();
            slider->setValue(slider->maximum() * (step == 0 ? 10 : step == 1 ? 30 : 33) / 100);
        });
    }
    ok &= shooter.shoot(meanField, nd, QStringLiteral("nd-hole"), [&] {
        meanField.trailBox()->setChecked(true);
        meanField.holeBox()->setChecked(true);
    });
    return ok ? 0 : 1;
}
