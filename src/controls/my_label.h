#pragma once

#include "controls/alignment.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <QWidget>

namespace vintrel {

/// What the two markup labels share: a caption with markup, a font and its colour, a
/// background colour or transparency, auto-size and the two alignments.
class TMarkupLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)

public:
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& caption);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    /// With auto-size the label takes the size of its caption.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    /// Background colour, painted unless transparent.
    QColor Color() const { return FColor; }
    void SetColor(const QColor& color);
    QColor FontColor() const { return FFontColor; }
    void SetFontColor(const QColor& color);
    /// Horizontal placement of the caption in the label.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    /// Vertical placement (top, bottom, centre; for the vertical label: where the text starts).
    TAlignment AlignmentVertical() const { return FAlignmentVertical; }
    void SetAlignmentVertical(TAlignment alignment);

    /// The caption's extent along x and y when laid out in the label's font.
    virtual QSize captionSize() const = 0;
    QSize sizeHint() const override { return captionSize(); }

protected:
    explicit TMarkupLabel(QWidget* parent);
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    /// Writes the caption so that its box starts at the aligned position.
    virtual void paintCaption(QPainter& painter, const QColor& colour, int dx, int dy) = 0;
    void applyAutoSize();

private:
    QString FCaption;
    bool FTransparent = true;
    bool FAutoSize = true;
    QColor FColor;
    QColor FFontColor;
    TAlignment FAlignment = taLeftJustify;
    TAlignment FAlignmentVertical = taLeftJustify;
};

/// The horizontal markup label: "B_e_x_t||z", "[Ar]3d^1^04s^2", "!m_B".
class TMyLabel : public TMarkupLabel {
    Q_OBJECT

public:
    explicit TMyLabel(QWidget* parent = nullptr, const QString& caption = {});

    /// Runs the markup interpreter from (x, y) in the label's font; with `draw` it also writes
    /// on `painter`. Gives the caption's height and width.
    void DrawMarkup(QPainter* painter, bool draw, int x, int y, int& height, int& width) const;
    QSize captionSize() const override;

protected:
    void paintCaption(QPainter& painter, const QColor& colour, int dx, int dy) override;
};

/// The vertical markup label, reading from bottom to top (axis titles).
class TMyVertLabel : public TMarkupLabel {
    Q_OBJECT

public:
    explicit TMyVertLabel(QWidget* parent = nullptr, const QString& caption = {});

    /// The vertical interpreter from (x, y), y being the lower end of the text. Gives the
    /// extent along the text and the thickness across it.
    void DrawMarkup(QPainter* painter, bool draw, int x, int y, int& extent, int& thickness) const;
    /// Thickness as width, extent as height.
    QSize captionSize() const override;

protected:
    void paintCaption(QPainter& painter, const QColor& colour, int dx, int dy) override;
};

} // namespace vintrel
