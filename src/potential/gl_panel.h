#pragma once

#include "controls/wheel_notches.h"
#include "potential/potential_cloud.h"
#include "potential/scene_geometry.h"
#include "potential/view_camera.h"

#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QOpenGLShaderProgram;

namespace vintrel {

/// Whether this platform can make OpenGL contexts (checked once, before any 3-D view is made).
/// False on the offscreen and minimal platforms, where a QOpenGLWidget cannot work, and where a
/// context cannot be created and made current.
bool openGLAvailable();

/// The 3-D view of the potential pages: the floor grid with the axes, the points of the body in
/// their palette colours, the field arrow, the wireframe, the axis and arrow labels and the
/// molecular-field arrows. Dragging with the left button turns the scene by one degree per
/// pixel, the wheel and PageUp / PageDown zoom.
///
/// The panel knows nothing about potentials: a page hands it the cloud's positions, the
/// palette index and visibility of each point (from shadeCloud), the palette bytes, the
/// wireframe, the arrow and the trail. Positions live in a static vertex buffer that is
/// uploaded only when the points change; a new shading uploads only the index and visibility
/// bytes, a new palette only its 768 bytes. While the left button is held the view draws the
/// cloud's coarse subset, and the full cloud again from the frame after the release.
///
/// GL resources are made once per context and released when the context is about to be
/// destroyed. A GL problem (a shader that does not compile, a missing glyph strip) is kept and
/// written in the panel; nothing here raises a message box.
class TGLPanel : public QOpenGLWidget, protected QOpenGLFunctions {
    Q_OBJECT
public:
    explicit TGLPanel(QWidget* parent = nullptr);
    ~TGLPanel() override;

    ViewCamera& camera() { return camera_; }
    const ViewCamera& camera() const { return camera_; }
    /// Camera (4.5, 4.5, 4.5) looking at the origin, angles 0, zoom 1; repaints.
    void setDefaultView();
    void setZoom(double zoom);

    /// The points to draw: positions taken when `version` differs from the last one given.
    void setPoints(const PotentialCloud& cloud, std::uint64_t version);
    /// Which points are drawn and their palette indices (one byte each per point).
    void setShading(const CloudShading& shading);
    /// The 256 colours of the palette indices.
    void setPalette(const std::vector<std::array<std::uint8_t, 3>>& colours);
    void setShape(const TShapeData& shape);
    void setBVector(const FieldArrow& arrow);
    void setTrail(const MomentTrail& trail);

    bool drawDesc() const { return drawDesc_; }
    void setDrawDesc(bool on);
    bool dontSortDesc() const { return dontSortDesc_; }
    void setDontSortDesc(bool on);
    bool drawBVector() const { return drawBVector_; }
    void setDrawBVector(bool on);
    bool drawMolField() const { return drawMolField_; }
    void setDrawMolField(bool on);

    /// The left button is held: the coarse subset is drawn.
    bool dragging() const { return dragging_; }
    /// The picture of the label glyphs (the compiled-in strip by default); read when the GL
    /// resources are made.
    void setGlyphStripFile(const QString& file) { glyphFile_ = file; }
    /// The GL problem shown in the panel ("" while there is none).
    const QString& problem() const { return problem_; }

    /// What went to the GL buffers, for tests and measurements.
    struct Uploads {
        int resourceSets = 0; ///< GL resources made (once per context)
        int positions = 0;    ///< uploads of the position buffer
        int shadings = 0;     ///< uploads of the index and visibility bytes
        int palettes = 0;     ///< uploads of the palette texture
        std::size_t lastShadingBytes = 0;
        std::size_t lastPaletteBytes = 0;
        int frames = 0;                  ///< frames painted
        std::size_t lastFramePoints = 0; ///< points sent to the last frame (full or coarse)
    };
    const Uploads& uploads() const { return uploads_; }

signals:
    /// After every frame (the pages keep their overlays in front).
    void afterRender();
    /// The left button was released over the view (the hole follows the new line of sight).
    void mouseReleased();

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    struct GLState;

    void releaseGL();
    bool makeResources();
    void uploadPositions();
    void uploadShading();
    void uploadPalette();
    void uploadMesh();
    void latch(const QString& text);
    void drawLabels(const std::vector<SceneLabel>& labels, const float* mvp);
    void paintProblem();

    ViewCamera camera_;
    std::vector<float> positions_;
    std::vector<std::uint32_t> coarse_;
    std::uint64_t pointsVersion_ = 0;
    std::vector<std::uint8_t> shadingBytes_; ///< palette indices, then visibility, per point
    std::array<std::uint8_t, 768> palette_{};
    TShapeData shape_;
    FieldArrow arrow_;
    MomentTrail trail_;
    SceneMesh grid_, arrowMesh_, shapeMesh_, trailMesh_;

    bool drawDesc_ = true;
    bool dontSortDesc_ = false;
    bool drawBVector_ = true;
    bool drawMolField_ = false;
    bool dragging_ = false;
    QPoint mouse_;
    WheelNotches wheel_;

    bool positionsDirty_ = true, shadingDirty_ = true, paletteDirty_ = true, meshDirty_ = true;
    std::unique_ptr<GLState> gl_;
    QString glyphFile_;
    QString problem_;
    Uploads uploads_;
};

} // namespace vintrel
