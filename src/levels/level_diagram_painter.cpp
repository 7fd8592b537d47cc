#include "levels/level_diagram_painter.h"

#include "base/number_pattern.h"
#include "controls/fonts.h"
#include "controls/markup.h"
#include "controls/qt_markup_surface.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>

namespace vintrel {

namespace {

const QColor kBackground(0xFA, 0xFA, 0xFC);
const QColor kMajorLine(0xE1, 0xE1, 0xE1);
const QColor kMinorLine(0xF3, 0xF3, 0xF3);
const QColor kAxisText(0x64, 0x64, 0x64);
const QColor kLevelText(0x8C, 0x8C, 0x8C);
const QColor kLeader(0xC0, 0xC0, 0xC0);
const QColor kGround(0xFF, 0x00, 0x00);

constexpr int kAxisStripWidth = 50;
constexpr int kTermLeft = 45;
constexpr int kTermRight = 150;
constexpr int kLevelLeft = 163;
constexpr int kLevelRight = 302;
constexpr int kEnergyTextX = 321;
constexpr int kValueTextX = 396;
constexpr int kCountOffset = 116;
constexpr int kBandLabelHeight = 175;

struct DiagramFonts {
    QFont axis = viewerFont(QStringLiteral("Tahoma"), 8);
    QFont text = viewerFont(QStringLiteral("Tahoma"), 9);
    QFont letter = viewerFont(QStringLiteral("Tahoma"), 15);
    QFont help = viewerFont(QStringLiteral("Tahoma"), 9);
};

const DiagramFonts& fontsOnce() {
    static const DiagramFonts fonts;
    return fonts;
}

// Writes text with its top-left corner at (x, y).
void textAt(QPainter& p, int x, int y, const QString& text) {
    p.drawText(x, y + p.fontMetrics().ascent(), text);
}

} // namespace

void drawEnergyAxis(QPainter& p, const ViewWindow& w, int H, const EnergyAxisLines& lines) {
    const AxisSteps steps = axisSteps(w.view_emin, w.view_emax);
    p.setPen(kMinorLine);
    for (double e : axisLineEnergies(w, steps.minor, steps.major)) {
        const int y = levelToY(e, w, H);
        p.drawLine(lines.minorLeft, y, lines.right, y);
    }
    p.setFont(fontsOnce().axis);
    for (double e : axisLineEnergies(w, steps.major, steps.major)) {
        const int y = levelToY(e, w, H);
        p.setPen(kMajorLine);
        p.drawLine(lines.majorLeft, y, lines.right, y);
        p.setPen(kAxisText);
        const QString label = QString::fromStdString(formatFloatDot("0.###", e));
        p.drawText(3, y - 6, label);
    }
}

void drawAxisStrip(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), kBackground);
    p.fillRect(QRect(0, 0, kAxisStripWidth, size.height()), Qt::white);
    p.setPen(kMajorLine);
    p.drawRect(0, 0, kAxisStripWidth - 1, size.height() - 1);
}

namespace {

void drawGroundTerm(QPainter& p, const GroundTerm& term, int row) {
    p.setPen(QPen(kGround, 3));
    p.drawLine(kTermLeft, row, kTermRight, row);
    p.setPen(kAxisText);
    p.setFont(fontsOnce().letter);
    const QString letter = QString::fromStdString(term.letterText);
    textAt(p, 82, row - 30, letter);
    const int letterWidth = p.fontMetrics().horizontalAdvance(letter);
    p.setFont(fontsOnce().axis);
    textAt(p, 74, row - 33, QString::fromStdString(term.multiplicityText));
    textAt(p, letterWidth + 85, row - 14, QString::fromStdString(term.jText));
}

void drawVerticalText(QPainter& p, int x, int bottom, const QString& text) {
    p.save();
    p.translate(x, bottom);
    p.rotate(-90);
    p.drawText(0, 0, text);
    p.restore();
}

} // namespace

int drawVisibleBand(QPainter& p, QSize size, int bandWidth, const VisibleBand& band,
                    int lowestRow) {
    const int x = size.width() - bandWidth;
    const int width = bandWidth - 18;
    QLinearGradient spectrum(0, band.top, 0, band.bottom);
    spectrum.setColorAt(0.0, QColor(0x7F, 0x00, 0xFF));
    spectrum.setColorAt(0.2, QColor(0x00, 0x40, 0xFF));
    spectrum.setColorAt(0.4, QColor(0x00, 0xD0, 0xFF));
    spectrum.setColorAt(0.55, QColor(0x00, 0xFF, 0x40));
    spectrum.setColorAt(0.7, QColor(0xFF, 0xFF, 0x00));
    spectrum.setColorAt(0.85, QColor(0xFF, 0x80, 0x00));
    spectrum.setColorAt(1.0, QColor(0xC0, 0x00, 0x00));
    p.fillRect(QRect(x, band.top, width, band.bottom - band.top), spectrum);
    p.setPen(kLeader);
    p.drawRect(x - 2, 0, width + 3, lowestRow);
    p.setPen(kAxisText);
    p.setFont(fontsOnce().axis);
    drawVerticalText(p, x + width + 12, band.top - 4, QStringLiteral("UV ultraviolet"));
    drawVerticalText(p, x + width + 12, band.bottom + 80, QStringLiteral("IR infra-red"));
    if (lowestRow - (band.bottom + 60) < kBandLabelHeight)
        return -1;
    drawVerticalText(p, x + width / 2 + 4, lowestRow - 2,
                     QStringLiteral("spectrum areas for ground state excitations"));
    return lowestRow - kBandLabelHeight;
}

namespace {

void drawLevels(QPainter& p, const DiagramScene& s, const std::vector<LevelRow>& rows,
                int groundRow) {
    const QPen levelPen(axisColour(s.axis));
    QPen fanPen(kLeader);
    fanPen.setStyle(Qt::DotLine);
    for (const LevelRow& row : rows) {
        p.setPen(levelPen);
        p.drawLine(kLevelLeft, row.y, kLevelRight, row.y);
        p.setPen(fanPen);
        p.drawLine(kTermRight, groundRow, kLevelLeft, row.y);
    }
}

void drawTexts(QPainter& p, QSize size, const DiagramScene& s, const std::vector<LevelRow>& rows) {
    const AxisLevels& levels = s.tables->axis(s.axis);
    const QRect clip(kValueTextX, 0, size.width() - 25 - kValueTextX, size.height());
    p.setFont(fontsOnce().text);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (rows[k].groupCount != 1)
            continue;
        const int i = static_cast<int>(k) + 1;
        const LevelRow& row = rows[k];
        p.setPen(kLeader);
        p.drawLine(kLevelRight, row.y, 310, row.labelY + 6);
        p.drawLine(310, row.labelY + 6, 318, row.labelY + 6);
        p.setPen(kLevelText);
        textAt(p, kEnergyTextX, row.labelY, energyColumnText(levels.Eshown[i], s.unit));
        if (!s.transitionsOverlay && !s.momentOverlay)
            drawMarkupText(p, kValueTextX, row.labelY, levelValueText(levels, i, s.axis, s.baza),
                           clip, 10 * s.overlayScroll);
    }
}

void drawCounts(QPainter& p, const std::vector<LevelRow>& rows) {
    const std::vector<int> sizes = groupSizes(rows);
    p.setFont(fontsOnce().text);
    const QFontMetrics metrics = p.fontMetrics();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (sizes[k] == 0)
            continue;
        const QString count = QString::number(sizes[k]);
        const int x = rows[k].xlab - kCountOffset;
        const int y = rows[k].y - 6;
        p.fillRect(QRect(x - 1, y + 2, metrics.horizontalAdvance(count) + 2, metrics.ascent() - 2),
                   kBackground);
        p.setPen(kLevelText);
        textAt(p, x, y, count);
    }
}

} // namespace

void drawDragBand(QPainter& p, QSize size, int y0, int y1) {
    if (std::abs(y0 - y1) <= 5)
        return;
    QPen red(QColor(0xFF, 0, 0));
    red.setStyle(Qt::DotLine);
    p.setPen(red);
    p.drawRect(0, std::min(y0, y1), size.width() - 4, std::abs(y0 - y1));
}

void drawHelpBox(QPainter& p, QSize size) {
    p.setFont(fontsOnce().help);
    const QString line1 = QStringLiteral("Left click to zoom in. Right click to zoom out.");
    const QString line2 = QStringLiteral("Drag mouse to select area for zooming.");
    const QFontMetrics m = p.fontMetrics();
    const int width = std::max(m.horizontalAdvance(line1), m.horizontalAdvance(line2)) + 24;
    const QRect box((size.width() - width) / 2, 8, width, 2 * m.height() + 14);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(Qt::white);
    p.drawRoundedRect(box, 8, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(kAxisText);
    textAt(p, box.left() + 12, box.top() + 7, line1);
    textAt(p, box.left() + 12, box.top() + 7 + m.height(), line2);
}

QColor axisColour(Axis axis) {
    switch (axis) {
    case Axis::x:
        return QColor(0x24, 0xEA, 0x03);
    case Axis::y:
        return QColor(0xFF, 0xC4, 0x55);
    case Axis::z:
        break;
    }
    return QColor(0x00, 0xA0, 0xFF);
}

AxisLabels axisLabels(Axis axis, int baza) {
    const QString a = axis == Axis::z   ? QStringLiteral("z")
                      : axis == Axis::x ? QStringLiteral("x")
                                        : QStringLiteral("y");
    AxisLabels labels;
    labels.orbital = "<L_" + a + ">=";
    labels.spin = ", <S_" + a + ">=";
    labels.combined = baza == 2 ? "<J_" + a + ">" : "<L_" + a + ">+g_e<S_" + a + ">";
    return labels;
}

QString energyColumnText(double kelvin, EnergyUnit unit) {
    return QString::fromStdString(formatFloatDot("0.000", energyUnitFactor(unit, kelvin)));
}

QString levelValueText(const AxisLevels& levels, int i, Axis axis, int baza) {
    const AxisLabels labels = axisLabels(axis, baza);
    return labels.orbital + QString::fromStdString(levels.LText[i]) + labels.spin +
           QString::fromStdString(levels.SText[i]) + ", " + labels.combined + "=" +
           QString::fromStdString(levels.LgSText[i]);
}

namespace {

std::u16string_view view(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// Markup texts drawn once into a picture and reused while font, colour and text stay.
struct MarkupSprite {
    QImage image;
    int top = 0; ///< rows of the picture above the text's top
    int width = 0;
};

// The sprite of a text in the diagram painter's font and pen colour. The picture leaves room
// for a raised and a lowered character whatever the text holds.
const MarkupSprite& markupSprite(const QPainter& diagram, const QString& text) {
    static QHash<QString, MarkupSprite> sprites;
    constexpr qsizetype kMaxSprites = 2000;
    const QFont& font = diagram.font();
    const QColor colour = diagram.pen().color();
    const QString key = font.key() + QChar(1) + colour.name(QColor::HexArgb) + QChar(1) + text;
    const auto found = sprites.constFind(key);
    if (found != sprites.constEnd())
        return *found;
    if (sprites.size() >= kMaxSprites)
        sprites.clear();
    const MarkupDialect& dialect = kLevelDiagramMarkup;
    const MarkupFont base = QtMarkupSurface::markupFont(font);
    QtMarkupSurface measure(font, nullptr, diagram.device());
    const MarkedFace raised = markedFace(measure, dialect, base, dialect.raiseMark);
    const MarkedFace lowered = markedFace(measure, dialect, base, dialect.lowerMark);
    MarkupSprite sprite;
    sprite.top = 1 - raised.offset;
    sprite.width = writeMarkup(measure, dialect, base, view(text), false, 0, 0).width;
    const int height =
        sprite.top + lowered.offset + measure.textHeight(lowered.font, std::u16string_view()) + 2;
    sprite.image = QImage(std::max(sprite.width + 2, 1),
                          std::max(height, measure.textHeight(base, std::u16string_view())),
                          QImage::Format_ARGB32_Premultiplied);
    sprite.image.fill(Qt::transparent);
    QPainter painter(&sprite.image);
    QtMarkupSurface surface(font, &painter, diagram.device());
    surface.setColour(colour);
    writeMarkup(surface, dialect, base, view(text), true, 0, sprite.top);
    return *sprites.insert(key, std::move(sprite));
}

} // namespace

// Whether the painter draws into a vector document (a PDF, an SVG, a recorded picture), where
// texts stay texts instead of the screen's cached pictures.
bool vectorDevice(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine)
        return false;
    const QPaintEngine::Type type = engine->type();
    return type == QPaintEngine::Pdf || type == QPaintEngine::SVG || type == QPaintEngine::Picture;
}

int drawMarkupText(QPainter& painter, int x, int y, const QString& text, const QRect& clip,
                   int shift) {
    if (vectorDevice(painter)) {
        const MarkupFont base = QtMarkupSurface::markupFont(painter.font());
        painter.save();
        painter.setClipRect(clip);
        QtMarkupSurface surface(painter.font(), &painter, painter.device());
        surface.setColour(painter.pen().color());
        const int width =
            writeMarkup(surface, kLevelDiagramMarkup, base, view(text), true, x - shift, y).width;
        painter.restore();
        return x - shift + width;
    }
    const MarkupSprite& sprite = markupSprite(painter, text);
    painter.save();
    painter.setClipRect(clip);
    painter.drawImage(x - shift, y - sprite.top, sprite.image);
    painter.restore();
    return x - shift + sprite.width;
}

DiagramLayout paintLevelDiagram(QPainter& p, QSize size, const DiagramScene& s) {
    const int H = size.height();
    const ViewWindow& w = s.window;
    DiagramLayout layout;
    drawAxisStrip(p, size);
    drawEnergyAxis(p, w, H, {43, 40, kLevelRight + 1});
    layout.groundRow = levelToY(0, w, H);
    drawGroundTerm(p, s.term, layout.groundRow);
    if (!s.note.isEmpty()) {
        p.setFont(fontsOnce().text);
        p.setPen(kLevelText);
        p.drawText(QRect(kAxisStripWidth, 0, size.width() - kAxisStripWidth, H), Qt::AlignCenter,
                   s.note);
    }
    if (!s.tables || s.levelCount <= 0)
        return layout;
    const AxisLevels& levels = s.tables->axis(s.axis);
    const int N = std::min(s.levelCount, kMaxLevels);
    std::vector<int> ys(N);
    for (int i = 1; i <= N; ++i)
        ys[i - 1] = levelToY(levels.E[i], w, H);
    p.setFont(fontsOnce().text);
    const QFontMetrics metrics = p.fontMetrics();
    layout.rows = layoutLevelRows(
        ys, [&metrics](int count) { return metrics.horizontalAdvance(QString::number(count)); });
    drawLevels(p, s, layout.rows, layout.groundRow);
    const int firstRow = layout.rows.front().y;
    p.setPen(kLevelText);
    if (firstRow == layout.groundRow)
        textAt(p, 75, firstRow + 6, QStringLiteral("ground state"));
    else
        p.drawText(75, firstRow - 6, QStringLiteral("ground state"));
    if (!s.momentOverlay) {
        p.setPen(kLeader);
        p.drawLine(600, firstRow, 2000, firstRow);
    }
    const AxisLevels& z = s.tables->axis(Axis::z);
    layout.band = visibleBand(w, H, z.E[1], z.E[N]);
    if (layout.band.shown)
        layout.bandLabelY = drawVisibleBand(p, size, s.bandWidth, layout.band, firstRow);
    drawTexts(p, size, s, layout.rows);
    drawCounts(p, layout.rows);
    p.setPen(kMinorLine);
    p.drawLine(kTermRight, 0, kTermRight, H);
    p.drawLine(kLevelRight, 0, kLevelRight, H);
    if (s.dragging)
        drawDragBand(p, size, s.dragY0, s.dragY1);
    if (s.helpVisible)
        drawHelpBox(p, size);
    return layout;
}

} // namespace vintrel
