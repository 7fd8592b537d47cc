// The 3-D view on small clouds: colours read back from the frame at the projected pixels of
// known points, the coarse subset while dragging, the mouse, the wheel and the keys, and what
// goes to the GL buffers.
#include "controls/theme.h"
#include "potential/gl_panel.h"
#include "potential/potential.h"
#include "resultdata/term_values.h"
#include "support/viewer_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

using namespace vintrel;

namespace {

/// Palette entry k: (k, 255 − k, 7k mod 256).
std::vector<std::array<std::uint8_t, 3>> distinctPalette() {
    std::vector<std::array<std::uint8_t, 3>> colours(256);
    for (int k = 0; k < 256; ++k)
        colours[std::size_t(k)] = {std::uint8_t(k), std::uint8_t(255 - k),
                                   std::uint8_t((7 * k) % 256)};
    return colours;
}

QColor paletteColour(int k) {
    return QColor(k, 255 - k, (7 * k) % 256);
}

PotentialCloud cloudOf(const std::vector<TVector3>& points, std::vector<std::uint32_t> coarse) {
    PotentialCloud cloud;
    for (const TVector3& p : points) {
        cloud.x.push_back(p[0]);
        cloud.y.push_back(p[1]);
        cloud.z.push_back(p[2]);
        cloud.value.push_back(0);
    }
    cloud.coarse = std::move(coarse);
    return cloud;
}

CloudShading shadingOf(std::vector<std::uint8_t> index, std::vector<std::uint8_t> visible) {
    CloudShading s;
    s.paletteIndex = std::move(index);
    s.visible = std::move(visible);
    for (auto v : s.visible)
        s.visibleCount += v;
    return s;
}

// Points off the axes and above the floor, so that nothing else covers them.
const std::vector<TVector3> kPoints = {{0.5, 1.0, -0.7}, {-0.6, 0.8, 0.9}, {0.9, 1.3, 0.8}};

struct Hosted {
    QWidget window;
    TGLPanel* panel;

    Hosted() {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        panel = new TGLPanel(&window);
        layout->addWidget(panel);
        window.resize(420, 300);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the window is not shown");
        panel->setDrawDesc(false);
        panel->setPalette(distinctPalette());
    }

    QImage frame() { return panel->grabFramebuffer(); }

    /// The pixel a scene point falls on.
    QPoint pixelOf(const TVector3& p) const {
        const auto at = projectToPixel(p, panel->camera(), panel->width(), panel->height());
        if (!at)
            qFatal("point behind the eye");
        return QPoint(static_cast<int>(std::floor(at->x)), static_cast<int>(std::floor(at->y)));
    }

    QColor colourAt(const QImage& image, const TVector3& p) const {
        return image.pixelColor(pixelOf(p));
    }
};

bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

/// The pixels of the image within `tolerance` of `colour`.
int pixelsOf(const QImage& image, const QColor& colour, int tolerance) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += near(image.pixelColor(x, y), colour, tolerance) ? 1 : 0;
    return count;
}

} // namespace

class GLPanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(openGLAvailable(), "no OpenGL context under Xvfb"); }

    void pointsShowExactlyTheirPaletteColour_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::newRow("low, middle, high") << 0 << 128 << 255;
        QTest::newRow("odd entries") << 17 << 201 << 99;
    }
    void pointsShowExactlyTheirPaletteColour() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        Hosted view;
        view.panel->setPoints(cloudOf(kPoints, {}), 1);
        view.panel->setShading(
            shadingOf({std::uint8_t(a), std::uint8_t(b), std::uint8_t(c)}, {1, 1, 1}));
        const QImage image = view.frame();
        QVERIFY(view.panel->problem().isEmpty());
        QCOMPARE(view.colourAt(image, kPoints[0]), paletteColour(a));
        QCOMPARE(view.colourAt(image, kPoints[1]), paletteColour(b));
        QCOMPARE(view.colourAt(image, kPoints[2]), paletteColour(c));
        // Far from every point and above the floor's horizon: the background.
        QCOMPARE(image.pixelColor(5, 5), theme::kButtonFace);
    }

    void hiddenPointsLeaveTheBackground() {
        Hosted view;
        view.panel->setPoints(cloudOf(kPoints, {}), 1);
        view.panel->setShading(shadingOf({40, 50, 60}, {1, 0, 1}));
        const QImage image = view.frame();
        QCOMPARE(view.colourAt(image, kPoints[0]), paletteColour(40));
        QCOMPARE(view.colourAt(image, kPoints[1]), theme::kButtonFace);
        QCOMPARE(view.colourAt(image, kPoints[2]), paletteColour(60));
        // A new palette recolours without a new shading.
        auto reversed = distinctPalette();
        std::reverse(reversed.begin(), reversed.end());
        const int positions = view.panel->uploads().positions;
        const int shadings = view.panel->uploads().shadings;
        view.panel->setPalette(reversed);
        QCOMPARE(view.panel->uploads().lastPaletteBytes, std::size_t(768));
        QCOMPARE(view.panel->uploads().positions, positions);
        QCOMPARE(view.panel->uploads().shadings, shadings);
        QCOMPARE(view.colourAt(view.frame(), kPoints[0]), paletteColour(255 - 40));
    }

    // While the left button is held only the coarse subset is drawn; the frame after the
    // release holds every point again.
    void draggingDrawsTheCoarseSubset() {
        Hosted view;
        view.panel->setPoints(cloudOf(kPoints, {0, 2}), 1);
        view.panel->setShading(shadingOf({10, 20, 30}, {1, 1, 1}));
        const QPoint corner(10, 10);
        QTest::mousePress(view.panel, Qt::LeftButton, {}, corner);
        QVERIFY(view.panel->dragging());
        QImage image = view.frame();
        QCOMPARE(view.panel->uploads().lastFramePoints, std::size_t(2));
        QCOMPARE(view.colourAt(image, kPoints[0]), paletteColour(10));
        QCOMPARE(view.colourAt(image, kPoints[1]), theme::kButtonFace);
        QCOMPARE(view.colourAt(image, kPoints[2]), paletteColour(30));
        QTest::mouseRelease(view.panel, Qt::LeftButton, {}, corner);
        QVERIFY(!view.panel->dragging());
        image = view.frame();
        QCOMPARE(view.panel->uploads().lastFramePoints, std::size_t(3));
        QCOMPARE(view.colourAt(image, kPoints[1]), paletteColour(20));
    }

    // One degree per pixel: the points are found where the turned camera projects them.
    void draggingTurnsTheScene() {
        Hosted view;
        view.panel->setPoints(cloudOf(kPoints, {}), 1);
        view.panel->setShading(shadingOf({70, 80, 90}, {1, 1, 1}));
        const QPoint before = view.pixelOf(kPoints[0]);
        QTest::mousePress(view.panel, Qt::LeftButton, {}, QPoint(100, 100));
        QMouseEvent move(QEvent::MouseMove, QPointF(140, 90),
                         view.panel->mapToGlobal(QPointF(140, 90)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(view.panel, &move);
        QTest::mouseRelease(view.panel, Qt::LeftButton, {}, QPoint(140, 90));
        QCOMPARE(view.panel->camera().angleY(), 40.0);
        QCOMPARE(view.panel->camera().angleX(), -10.0);
        QVERIFY(view.pixelOf(kPoints[0]) != before);
        const QImage image = view.frame();
        QCOMPARE(view.colourAt(image, kPoints[0]), paletteColour(70));
        QCOMPARE(view.colourAt(image, kPoints[2]), paletteColour(90));
        view.panel->setDefaultView();
        QCOMPARE(view.panel->camera().angleY(), 0.0);
    }

    void wheelAndPageKeysZoom() {
        Hosted view;
        QWheelEvent closer(QPointF(50, 50), view.panel->mapToGlobal(QPointF(50, 50)), QPoint(),
                           QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.panel, &closer);
        QCOMPARE(view.panel->camera().zoom(), 1.1);
        QWheelEvent farther(QPointF(50, 50), view.panel->mapToGlobal(QPointF(50, 50)), QPoint(),
                            QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                            false);
        QApplication::sendEvent(view.panel, &farther);
        QCOMPARE(view.panel->camera().zoom(), 1.1 * 0.9);
        view.panel->setZoom(1);
        QTest::keyRelease(view.panel, Qt::Key_PageUp);
        QCOMPARE(view.panel->camera().zoom(), 1.1);
        QTest::keyRelease(view.panel, Qt::Key_PageDown);
        QCOMPARE(view.panel->camera().zoom(), 1.1 * 0.9);
    }

    // A threshold change uploads only the index and visibility bytes; resizing uploads and
    // makes nothing; a new window (a new context) makes the resources again and the picture
    // stays the same.
    void buffersAreUploadedOnlyWhenTheirDataChange() {
        Hosted view;
        const PotentialCloud cloud = cloudOf(kPoints, {});
        view.panel->setPoints(cloud, 7);
        view.panel->setShading(shadingOf({1, 2, 3}, {1, 1, 1}));
        view.frame();
        const TGLPanel::Uploads first = view.panel->uploads();
        QCOMPARE(first.resourceSets, 1);
        view.panel->setPoints(cloud, 7);
        view.panel->setShading(shadingOf({4, 5, 6}, {1, 1, 0}));
        QCOMPARE(view.panel->uploads().positions, first.positions);
        QCOMPARE(view.panel->uploads().shadings, first.shadings + 1);
        QCOMPARE(view.panel->uploads().lastShadingBytes, std::size_t(6));
        view.window.resize(500, 340);
        QApplication::processEvents();
        const QImage resized = view.frame();
        QCOMPARE(view.panel->uploads().resourceSets, 1);
        QCOMPARE(view.panel->uploads().positions, first.positions);
        QCOMPARE(view.colourAt(resized, kPoints[1]), paletteColour(5));

        QWidget other;
        auto* layout = new QVBoxLayout(&other);
        layout->addWidget(view.panel);
        other.resize(420, 300);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        const QImage moved = view.frame();
        QVERIFY(view.panel->problem().isEmpty());
        QCOMPARE(view.colourAt(moved, kPoints[0]), paletteColour(4));
        QCOMPARE(view.colourAt(moved, kPoints[2]), theme::kButtonFace);
        view.panel->setParent(&view.window);
    }

    // A panel without width or height paints nothing and does not fail.
    void anEmptyPanelPaintsNothing() {
        Hosted view;
        view.panel->setPoints(cloudOf(kPoints, {}), 1);
        view.panel->setShading(shadingOf({1, 2, 3}, {1, 1, 1}));
        view.panel->setMinimumSize(0, 0);
        view.window.layout()->removeWidget(view.panel);
        for (const QSize size : {QSize(0, 120), QSize(200, 0), QSize(0, 0)}) {
            view.panel->resize(size);
            view.panel->repaint();
            QApplication::processEvents();
        }
        view.panel->resize(300, 200);
        const QImage image = view.frame();
        QCOMPARE(view.colourAt(image, kPoints[0]), paletteColour(1));
        QVERIFY(view.panel->problem().isEmpty());
    }

    // A problem in the GL set-up is kept and written in the panel, once, never in a message
    // box; the rest of the scene is drawn.
    void aProblemIsWrittenInThePanel() {
        test::MessageCatcher messages;
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* panel = new TGLPanel(&window);
        panel->setGlyphStripFile(QStringLiteral("/nonexistent/numbers.bmp"));
        layout->addWidget(panel);
        window.resize(420, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        panel->setPalette(distinctPalette());
        panel->setPoints(cloudOf(kPoints, {}), 1);
        panel->setShading(shadingOf({9, 9, 9}, {1, 1, 1}));
        const QImage image = panel->grabFramebuffer();
        const auto at = projectToPixel(kPoints[2], panel->camera(), image.width(), image.height());
        QVERIFY(panel->problem().contains(QStringLiteral("/nonexistent/numbers.bmp")));
        const QString first = panel->problem();
        panel->resize(300, 200);
        panel->grabFramebuffer();
        QCOMPARE(panel->problem(), first);
        QVERIFY(messages.texts().isEmpty());
        // The note is written in the view's text colour over the scene.
        QVERIFY(pixelsOf(image, theme::kText, 40) > 20);
        QCOMPARE(image.pixelColor(int(at->x), int(at->y)), paletteColour(9));
    }

    // The wireframe in white, the field arrow nearly black, the axis labels in their colours.
    void sceneElementsHaveTheirColours() {
        Hosted view;
        const QImage bare = view.frame();
        QCOMPARE(pixelsOf(bare, Qt::white, 0), 0);
        TShapeData cube;
        cubeShape(cube, -1, -1, -1, 2);
        view.panel->setShape(cube);
        const TVector3 edgeMiddle{0, 1, 1}; // the edge from (−1, 1, 1) to (1, 1, 1)
        QImage image = view.frame();
        QVERIFY(near(view.colourAt(image, edgeMiddle), Qt::white, 2));

        view.panel->setShape({});
        view.panel->setBVector({2, 45, 45, 3, 0.1});
        image = view.frame();
        const FieldVector d = fieldComponents(0.8, 45, 45);
        QVERIFY(near(view.colourAt(image, {d.x, d.y, d.z}), QColor(13, 13, 13), 3));
        view.panel->setDrawBVector(false);
        image = view.frame();
        QVERIFY(!near(view.colourAt(image, {d.x, d.y, d.z}), QColor(13, 13, 13), 3));

        // The numbers along the axes, in the axes' colours blended into the background.
        view.panel->setDrawDesc(true);
        const QImage labelled = view.frame();
        int changed = 0, green = 0, orange = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor a = image.pixelColor(x, y), b = labelled.pixelColor(x, y);
                if (a == b)
                    continue;
                ++changed;
                green += b.green() - b.red() > 60 && b.green() - b.blue() > 60 ? 1 : 0;
                orange += b.red() - b.blue() > 60 && b.green() - b.blue() > 20 ? 1 : 0;
            }
        QVERIFY(changed > 300);
        QVERIFY(green > 20);
        QVERIFY(orange > 20);
    }
};

QTEST_MAIN(GLPanelTest)
#include "gl_panel_test.moc"
