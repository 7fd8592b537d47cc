// Without OpenGL (the offscreen platform, where a QOpenGLWidget cannot be made) the potential
// pages show a note instead of the view and every other control works.
#include "controls/fonts.h"
#include "controls/messages.h"
#include "potential/gl_panel.h"
#include "potential/pot_vis_form.h"
#include "resultdata/input_files.h"
#include "resultdata/result_variables.h"
#include "support/result_writer.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace vintrel;

class PotVisOffscreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        installViewerFonts();
        setMessagesToStandardError(true);
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    }

    void thePagesWorkWithoutAView() {
        QVERIFY(!openGLAvailable());
        test::WorkingRoot root;
        const ResultLocation location = root.write("Result00", test::ceriumCubic());
        loadResultInputs(location);
        for (const bool meanField : {false, true}) {
            PotVisHost host;
            host.currentResult = [&] { return location; };
            std::unique_ptr<TPotVisForm> page;
            if (meanField)
                page = std::make_unique<TPotVisMFAForm>(host);
            else
                page = std::make_unique<TPotVisResultForm>(host);
            page->p0()->resize(1100, 720);
            page->p0()->show();
            QApplication::processEvents();
            QVERIFY(!page->view());
            QVERIFY(page->viewNote());
            QVERIFY(page->viewNote()->text().contains(QStringLiteral("OpenGL")));
            page->wczytajDane({});
            QVERIFY(page->readAndVis());
            QVERIFY(page->range().min < page->range().max);
            QVERIFY(page->shading().visibleCount > 0);
            page->setShape(Body::cube, 2, Resolution::low);
            page->choosePalette(3);
            page->setMarginal(false);
            page->setFractions(0.1, 0.9);
            QVERIFY(page->shading().visibleCount > 0);
            QVERIFY(!page->p0()->grab().isNull());
        }
    }
};

QTEST_MAIN(PotVisOffscreenTest)
#include "pot_vis_offscreen_test.moc"
