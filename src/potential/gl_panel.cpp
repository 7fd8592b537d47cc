#include "potential/gl_panel.h"

#include "controls/theme.h"
#include "potential/glyph_strip.h"

#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLBuffer>
#include <QOpenGLContext>
#include <QOpenGLShaderProgram>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cstring>

namespace vintrel {

namespace {

// GLSL 1.20 runs on every desktop context the default format gives (Mesa: 4.5 compatibility).
const char* const kPointVertex = R"(#version 120
attribute vec3 position;
attribute float paletteIndex;
attribute float shown;
uniform mat4 mvp;
varying float index;
void main() {
    index = paletteIndex;
    // Hidden points go outside the clip volume; the CPU decided which they are.
    gl_Position = shown > 0.5 ? mvp * vec4(position, 1.0) : vec4(2.0, 2.0, 2.0, 1.0);
    gl_PointSize = 4.0;
})";

// The texel of the palette index, sampled at its centre without filtering: the colour bytes
// are exactly the palette's.
const char* const kPointFragment = R"(#version 120
uniform sampler2D palette;
varying float index;
void main() {
    gl_FragColor = texture2D(palette, vec2((index + 0.5) / 256.0, 0.5));
})";

const char* const kMeshVertex = R"(#version 120
attribute vec3 position;
attribute vec3 colour;
uniform mat4 mvp;
varying vec3 tint;
void main() {
    tint = colour;
    gl_Position = mvp * vec4(position, 1.0);
})";

const char* const kMeshFragment = R"(#version 120
varying vec3 tint;
void main() {
    gl_FragColor = vec4(tint, 1.0);
})";

const char* const kLabelVertex = R"(#version 120
attribute vec3 position;
attribute vec2 uv;
uniform mat4 mvp;
varying vec2 glyphUv;
void main() {
    glyphUv = uv;
    gl_Position = mvp * vec4(position, 1.0);
})";

// The glyph modulates the label colour; its alpha is the mean of its channels.
const char* const kLabelFragment = R"(#version 120
uniform sampler2D glyphs;
uniform vec3 colour;
varying vec2 glyphUv;
void main() {
    vec4 texel = texture2D(glyphs, glyphUv);
    gl_FragColor = vec4(colour * texel.rgb, texel.a);
})";

constexpr GLenum kProgramPointSize = 0x8642; // GL_PROGRAM_POINT_SIZE

std::array<float, 16> floats(const Matrix4& m) {
    std::array<float, 16> f{};
    for (std::size_t i = 0; i < 16; ++i)
        f[i] = static_cast<float>(m.m[i]);
    return f;
}

/// The glyph strip as RGBA bytes from the top row, alpha the mean of red, green and blue.
QImage glyphImage(const QString& file) {
    const QImage strip = QImage(file).convertToFormat(QImage::Format_RGBA8888);
    if (strip.isNull())
        return strip;
    QImage rgba = strip;
    for (int y = 0; y < rgba.height(); ++y) {
        auto* row = rgba.scanLine(y);
        for (int x = 0; x < rgba.width(); ++x) {
            std::uint8_t* p = row + 4 * x;
            p[3] = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
        }
    }
    return rgba;
}

} // namespace

bool openGLAvailable() {
    static const bool available = [] {
        if (!QGuiApplication::instance())
            return false;
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
            return false;
        QOpenGLContext context;
        if (!context.create())
            return false;
        QOffscreenSurface surface;
        surface.setFormat(context.format());
        surface.create();
        if (!surface.isValid() || !context.makeCurrent(&surface))
            return false;
        context.doneCurrent();
        return true;
    }();
    return available;
}

/// Where a mesh lies in the mesh buffer.
struct MeshRange {
    std::size_t trianglesFirst = 0, trianglesCount = 0;
    struct Lines {
        std::size_t first, count;
        float width;
    };
    std::vector<Lines> lines;
};

struct TGLPanel::GLState {
    std::unique_ptr<QOpenGLShaderProgram> points, mesh, labels;
    QOpenGLBuffer positions{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer shading{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer coarse{QOpenGLBuffer::IndexBuffer};
    QOpenGLBuffer meshes{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer labelVertices{QOpenGLBuffer::VertexBuffer};
    GLuint paletteTexture = 0;
    GLuint glyphTexture = 0;
    std::size_t pointCount = 0;
    std::size_t coarseCount = 0;
    MeshRange grid, arrow, shape, trail;
};

TGLPanel::TGLPanel(QWidget* parent)
    : QOpenGLWidget(parent),
      glyphFile_(QStringLiteral(":/data/") + QString::fromLatin1(kGlyphFile)) {
    QSurfaceFormat surface = QSurfaceFormat::defaultFormat();
    surface.setDepthBufferSize(24);
    setFormat(surface);
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(1, 1);
    grid_ = gridAndAxes();
}

TGLPanel::~TGLPanel() {
    if (gl_ && context()) {
        makeCurrent();
        releaseGL();
        doneCurrent();
    }
}

void TGLPanel::latch(const QString& text) {
    if (problem_.isEmpty())
        problem_ = text;
}

void TGLPanel::releaseGL() {
    if (!gl_)
        return;
    gl_->positions.destroy();
    gl_->shading.destroy();
    gl_->coarse.destroy();
    gl_->meshes.destroy();
    gl_->labelVertices.destroy();
    if (gl_->paletteTexture)
        glDeleteTextures(1, &gl_->paletteTexture);
    if (gl_->glyphTexture)
        glDeleteTextures(1, &gl_->glyphTexture);
    gl_.reset();
    positionsDirty_ = shadingDirty_ = paletteDirty_ = meshDirty_ = true;
}

void TGLPanel::initializeGL() {
    initializeOpenGLFunctions();
    // A widget moved into another window gets a new context: the old one takes its resources.
    connect(
        context(), &QOpenGLContext::aboutToBeDestroyed, this,
        [this] {
            makeCurrent();
            releaseGL();
            doneCurrent();
        },
        Qt::DirectConnection);
    if (!makeResources())
        gl_.reset();
}

bool TGLPanel::makeResources() {
    gl_ = std::make_unique<GLState>();
    ++uploads_.resourceSets;
    const auto program = [this](const char* vertex, const char* fragment,
                                std::initializer_list<const char*> attributes) {
        auto p = std::make_unique<QOpenGLShaderProgram>();
        if (!p->addShaderFromSourceCode(QOpenGLShader::Vertex, vertex) ||
            !p->addShaderFromSourceCode(QOpenGLShader::Fragment, fragment)) {
            latch(QStringLiteral("OpenGL error: shader: ") + p->log().trimmed());
            return std::unique_ptr<QOpenGLShaderProgram>();
        }
        int location = 0;
        for (const char* name : attributes)
            p->bindAttributeLocation(name, location++);
        if (!p->link()) {
            latch(QStringLiteral("OpenGL error: shader: ") + p->log().trimmed());
            return std::unique_ptr<QOpenGLShaderProgram>();
        }
        return p;
    };
    gl_->points = program(kPointVertex, kPointFragment, {"position", "paletteIndex", "shown"});
    gl_->mesh = program(kMeshVertex, kMeshFragment, {"position", "colour"});
    gl_->labels = program(kLabelVertex, kLabelFragment, {"position", "uv"});
    if (!gl_->points || !gl_->mesh || !gl_->labels)
        return false;
    for (QOpenGLBuffer* buffer :
         {&gl_->positions, &gl_->shading, &gl_->coarse, &gl_->meshes, &gl_->labelVertices})
        if (!buffer->create()) {
            latch(QStringLiteral("OpenGL error: cannot create a buffer"));
            return false;
        }
    gl_->positions.setUsagePattern(QOpenGLBuffer::StaticDraw);
    gl_->shading.setUsagePattern(QOpenGLBuffer::DynamicDraw);
    gl_->labelVertices.setUsagePattern(QOpenGLBuffer::StreamDraw);

    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glGenTextures(1, &gl_->paletteTexture);
    glBindTexture(GL_TEXTURE_2D, gl_->paletteTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 256, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, palette_.data());

    const QImage glyphs = glyphImage(glyphFile_);
    if (glyphs.isNull()) {
        latch(QStringLiteral("Cannot read the glyph strip ") + glyphFile_);
    } else {
        glGenTextures(1, &gl_->glyphTexture);
        glBindTexture(GL_TEXTURE_2D, gl_->glyphTexture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, glyphs.width(), glyphs.height(), 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, glyphs.constBits());
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    positionsDirty_ = shadingDirty_ = paletteDirty_ = meshDirty_ = true;
    return true;
}

void TGLPanel::uploadPositions() {
    gl_->positions.bind();
    gl_->positions.allocate(positions_.data(), static_cast<int>(positions_.size() * sizeof(float)));
    gl_->positions.release();
    gl_->coarse.bind();
    gl_->coarse.allocate(coarse_.data(), static_cast<int>(coarse_.size() * sizeof(std::uint32_t)));
    gl_->coarse.release();
    gl_->pointCount = positions_.size() / 3;
    gl_->coarseCount = coarse_.size();
    ++uploads_.positions;
    positionsDirty_ = false;
    // The shading buffer follows the size of the position buffer.
    shadingDirty_ = true;
}

void TGLPanel::uploadShading() {
    const std::size_t n = gl_->pointCount;
    gl_->shading.bind();
    if (shadingBytes_.size() != 2 * n) {
        // A shading for other points than those held: nothing is drawn until it matches.
        std::vector<std::uint8_t> none(2 * n, 0);
        gl_->shading.allocate(none.data(), static_cast<int>(none.size()));
    } else if (gl_->shading.size() == static_cast<int>(shadingBytes_.size())) {
        gl_->shading.write(0, shadingBytes_.data(), static_cast<int>(shadingBytes_.size()));
    } else {
        gl_->shading.allocate(shadingBytes_.data(), static_cast<int>(shadingBytes_.size()));
    }
    gl_->shading.release();
    ++uploads_.shadings;
    uploads_.lastShadingBytes = shadingBytes_.size();
    shadingDirty_ = false;
}

void TGLPanel::uploadPalette() {
    glBindTexture(GL_TEXTURE_2D, gl_->paletteTexture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 256, 1, GL_RGB, GL_UNSIGNED_BYTE, palette_.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    ++uploads_.palettes;
    uploads_.lastPaletteBytes = palette_.size();
    paletteDirty_ = false;
}

void TGLPanel::uploadMesh() {
    std::vector<SceneVertex> all;
    const auto place = [&all](const SceneMesh& mesh, MeshRange& range) {
        range = {};
        range.trianglesFirst = all.size();
        range.trianglesCount = mesh.triangles.size();
        all.insert(all.end(), mesh.triangles.begin(), mesh.triangles.end());
        for (const LineSet& set : mesh.lines) {
            range.lines.push_back({all.size(), set.vertices.size(), set.width});
            all.insert(all.end(), set.vertices.begin(), set.vertices.end());
        }
    };
    place(grid_, gl_->grid);
    place(arrowMesh_, gl_->arrow);
    place(shapeMesh_, gl_->shape);
    place(trailMesh_, gl_->trail);
    gl_->meshes.bind();
    gl_->meshes.allocate(all.data(), static_cast<int>(all.size() * sizeof(SceneVertex)));
    gl_->meshes.release();
    meshDirty_ = false;
}

void TGLPanel::setDefaultView() {
    camera_.setDefaultView();
    update();
}

void TGLPanel::setZoom(double zoom) {
    camera_.setZoom(zoom);
    update();
}

void TGLPanel::setPoints(const PotentialCloud& cloud, std::uint64_t version) {
    if (version == pointsVersion_ && positions_.size() == 3 * cloud.size())
        return;
    pointsVersion_ = version;
    positions_.resize(3 * cloud.size());
    for (std::size_t j = 0; j < cloud.size(); ++j) {
        positions_[3 * j] = static_cast<float>(cloud.x[j]);
        positions_[3 * j + 1] = static_cast<float>(cloud.y[j]);
        positions_[3 * j + 2] = static_cast<float>(cloud.z[j]);
    }
    coarse_ = cloud.coarse;
    positionsDirty_ = true;
    if (gl_ && context()) {
        makeCurrent();
        if (gl_)
            uploadPositions();
        doneCurrent();
    }
    update();
}

void TGLPanel::setShading(const CloudShading& shading) {
    const std::size_t n = shading.paletteIndex.size();
    shadingBytes_.resize(2 * n);
    if (n > 0) {
        std::memcpy(shadingBytes_.data(), shading.paletteIndex.data(), n);
        std::memcpy(shadingBytes_.data() + n, shading.visible.data(),
                    std::min(n, shading.visible.size()));
    }
    shadingDirty_ = true;
    if (gl_ && context()) {
        makeCurrent();
        if (gl_) {
            if (positionsDirty_)
                uploadPositions();
            uploadShading();
        }
        doneCurrent();
    }
    update();
}

void TGLPanel::setPalette(const std::vector<std::array<std::uint8_t, 3>>& colours) {
    for (std::size_t k = 0; k < 256 && k < colours.size(); ++k)
        for (std::size_t c = 0; c < 3; ++c)
            palette_[3 * k + c] = colours[k][c];
    paletteDirty_ = true;
    if (gl_ && context()) {
        makeCurrent();
        if (gl_)
            uploadPalette();
        doneCurrent();
    }
    update();
}

void TGLPanel::setShape(const TShapeData& shape) {
    shape_ = shape;
    shapeMesh_ = shapeMesh(shape);
    meshDirty_ = true;
    update();
}

void TGLPanel::setBVector(const FieldArrow& arrow) {
    arrow_ = arrow;
    arrowMesh_ = arrowMesh(true, arrow.draw, arrow.alpha, arrow.beta, scene_colours::fieldArrow,
                           arrow.scale, arrow.scale);
    meshDirty_ = true;
    update();
}

void TGLPanel::setTrail(const MomentTrail& trail) {
    trail_ = trail;
    trailMesh_ = trailMesh(trail);
    meshDirty_ = true;
    update();
}

void TGLPanel::setDrawDesc(bool on) {
    drawDesc_ = on;
    update();
}

void TGLPanel::setDontSortDesc(bool on) {
    dontSortDesc_ = on;
    update();
}

void TGLPanel::setDrawBVector(bool on) {
    drawBVector_ = on;
    update();
}

void TGLPanel::setDrawMolField(bool on) {
    drawMolField_ = on;
    update();
}

void TGLPanel::resizeGL(int, int) {
    // The projection is made from the size at every frame; nothing is rebuilt here.
}

void TGLPanel::drawLabels(const std::vector<SceneLabel>& labels, const float* mvp) {
    if (labels.empty() || !gl_->glyphTexture)
        return;
    std::vector<LabelVertex> all;
    for (const SceneLabel& label : labels)
        all.insert(all.end(), label.triangles.begin(), label.triangles.end());
    gl_->labelVertices.bind();
    gl_->labelVertices.allocate(all.data(), static_cast<int>(all.size() * sizeof(LabelVertex)));
    QOpenGLShaderProgram& p = *gl_->labels;
    p.bind();
    p.setUniformValue("glyphs", 0);
    glUniformMatrix4fv(p.uniformLocation("mvp"), 1, GL_FALSE, mvp);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, gl_->glyphTexture);
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(LabelVertex), nullptr);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(LabelVertex),
                          reinterpret_cast<const void*>(3 * sizeof(float)));
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    GLint first = 0;
    const int colourLocation = p.uniformLocation("colour");
    for (const SceneLabel& label : labels) {
        glUniform3f(colourLocation, label.colour.r, label.colour.g, label.colour.b);
        const auto count = static_cast<GLsizei>(label.triangles.size());
        glDrawArrays(GL_TRIANGLES, first, count);
        first += count;
    }
    glDisable(GL_BLEND);
    glDisableVertexAttribArray(0);
    glDisableVertexAttribArray(1);
    glBindTexture(GL_TEXTURE_2D, 0);
    gl_->labelVertices.release();
    p.release();
}

void TGLPanel::paintProblem() {
    QPainter painter(this);
    painter.setPen(theme::kText);
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     problem_);
}

void TGLPanel::paintGL() {
    const QColor back = theme::kButtonFace;
    glClearColor(static_cast<float>(back.redF()), static_cast<float>(back.greenF()),
                 static_cast<float>(back.blueF()), 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const int w = static_cast<int>(width() * devicePixelRatio());
    const int h = static_cast<int>(height() * devicePixelRatio());
    if (!gl_ || w <= 0 || h <= 0) {
        if (!problem_.isEmpty())
            paintProblem();
        emit afterRender();
        return;
    }
    if (positionsDirty_)
        uploadPositions();
    if (shadingDirty_)
        uploadShading();
    if (paletteDirty_)
        uploadPalette();
    if (meshDirty_)
        uploadMesh();
    ++uploads_.frames;

    glViewport(0, 0, w, h);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    const std::array<float, 16> mvp = floats(viewProjection(w, h) * camera_.modelView());

    // Grid and axes, then the points.
    QOpenGLShaderProgram& mesh = *gl_->mesh;
    const auto drawMesh = [&](const MeshRange& range) {
        mesh.bind();
        glUniformMatrix4fv(mesh.uniformLocation("mvp"), 1, GL_FALSE, mvp.data());
        gl_->meshes.bind();
        glEnableVertexAttribArray(0);
        glEnableVertexAttribArray(1);
        glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(SceneVertex), nullptr);
        glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, sizeof(SceneVertex),
                              reinterpret_cast<const void*>(3 * sizeof(float)));
        if (range.trianglesCount > 0)
            glDrawArrays(GL_TRIANGLES, static_cast<GLint>(range.trianglesFirst),
                         static_cast<GLsizei>(range.trianglesCount));
        for (const MeshRange::Lines& lines : range.lines) {
            glLineWidth(lines.width);
            glDrawArrays(GL_LINES, static_cast<GLint>(lines.first),
                         static_cast<GLsizei>(lines.count));
        }
        glDisableVertexAttribArray(0);
        glDisableVertexAttribArray(1);
        gl_->meshes.release();
        mesh.release();
    };
    drawMesh(gl_->grid);

    const std::size_t n = gl_->pointCount;
    uploads_.lastFramePoints = 0;
    if (n > 0) {
        QOpenGLShaderProgram& p = *gl_->points;
        p.bind();
        glUniformMatrix4fv(p.uniformLocation("mvp"), 1, GL_FALSE, mvp.data());
        p.setUniformValue("palette", 0);
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, gl_->paletteTexture);
        glEnable(kProgramPointSize);
        glEnableVertexAttribArray(0);
        glEnableVertexAttribArray(1);
        glEnableVertexAttribArray(2);
        gl_->positions.bind();
        glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
        gl_->shading.bind();
        glVertexAttribPointer(1, 1, GL_UNSIGNED_BYTE, GL_FALSE, 0, nullptr);
        glVertexAttribPointer(2, 1, GL_UNSIGNED_BYTE, GL_FALSE, 0,
                              reinterpret_cast<const void*>(n));
        gl_->shading.release();
        if (dragging_) {
            gl_->coarse.bind();
            glDrawElements(GL_POINTS, static_cast<GLsizei>(gl_->coarseCount), GL_UNSIGNED_INT,
                           nullptr);
            gl_->coarse.release();
            uploads_.lastFramePoints = gl_->coarseCount;
        } else {
            glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(n));
            uploads_.lastFramePoints = n;
        }
        glDisableVertexAttribArray(0);
        glDisableVertexAttribArray(1);
        glDisableVertexAttribArray(2);
        glDisable(kProgramPointSize);
        glBindTexture(GL_TEXTURE_2D, 0);
        p.release();
    }

    if (drawBVector_)
        drawMesh(gl_->arrow);
    drawMesh(gl_->shape);

    std::vector<SceneLabel> labels;
    const double ax = camera_.angleX(), ay = camera_.angleY();
    if (drawDesc_) {
        if (drawBVector_)
            labels = fieldLabel(arrow_, ax, ay);
        const std::vector<SceneLabel> axes = axisLabels(ax, ay);
        labels.insert(labels.end(), axes.begin(), axes.end());
    }
    if (!labels.empty()) {
        if (dontSortDesc_)
            glDisable(GL_DEPTH_TEST);
        drawLabels(labels, mvp.data());
        glEnable(GL_DEPTH_TEST);
    }
    if (drawMolField_) {
        drawMesh(gl_->trail);
        if (drawDesc_)
            drawLabels(trailLabel(trail_, ax, ay), mvp.data());
    }
    if (!problem_.isEmpty())
        paintProblem();
    emit afterRender();
}

void TGLPanel::mousePressEvent(QMouseEvent* event) {
    mouse_ = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        update();
    }
}

void TGLPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (dragging_ && p != mouse_) {
        camera_.drag(p.x() - mouse_.x(), p.y() - mouse_.y());
        update();
    }
    mouse_ = p;
}

void TGLPanel::mouseReleaseEvent(QMouseEvent* event) {
    mouse_ = event->position().toPoint();
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    setFocus(Qt::MouseFocusReason);
    update();
    emit mouseReleased();
}

void TGLPanel::wheelEvent(QWheelEvent* event) {
    const int notches = wheel_.take(event->angleDelta().y());
    for (int i = 0; i < notches; ++i)
        camera_.wheelCloser();
    for (int i = 0; i > notches; --i)
        camera_.wheelFarther();
    if (notches != 0)
        update();
    event->accept();
}

void TGLPanel::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp) {
        camera_.wheelCloser();
        update();
    } else if (event->key() == Qt::Key_PageDown) {
        camera_.wheelFarther();
        update();
    } else {
        QOpenGLWidget::keyReleaseEvent(event);
    }
}

} // namespace vintrel
