#pragma once

#include "controls/alignment.h"
#include "controls/fonts.h"

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace vintrel {

/// The image button of the pages and tool bars. Shows one of five pictures by state (normal,
/// hovered, pressed, pressed and hovered, disabled), floods the cyan (0, 255, 255) middle of a
/// picture with its own `Color`, writes a caption with "^"/"_" markup, and can toggle
/// (`TriState`). A disabled button writes its caption in the theme's shadow colour. Starts at
/// 24 x 23 pixels.
class TMyButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(bool TriState READ TriState WRITE SetTriState)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    /// The picture of each state, in the order of `stateIndex`.
    enum Glyph {
        GlyphOutIndex,
        GlyphOverIndex,
        GlyphDownIndex,
        GlyphDownOverIndex,
        GlyphDisabledIndex
    };

    explicit TMyButton(QWidget* parent = nullptr);

    const QImage& GlyphOut() const { return FGlyphs[GlyphOutIndex]; }
    const QImage& GlyphOver() const { return FGlyphs[GlyphOverIndex]; }
    const QImage& GlyphDown() const { return FGlyphs[GlyphDownIndex]; }
    const QImage& GlyphDownOver() const { return FGlyphs[GlyphDownOverIndex]; }
    const QImage& GlyphDisabled() const { return FGlyphs[GlyphDisabledIndex]; }
    /// Each setter copies the picture (magenta or masked parts transparent); a null picture
    /// empties the glyph.
    void SetGlyphOut(const QPixmap& picture) { setGlyph(GlyphOutIndex, picture); }
    void SetGlyphOver(const QPixmap& picture) { setGlyph(GlyphOverIndex, picture); }
    void SetGlyphDown(const QPixmap& picture) { setGlyph(GlyphDownIndex, picture); }
    void SetGlyphDownOver(const QPixmap& picture) { setGlyph(GlyphDownOverIndex, picture); }
    void SetGlyphDisabled(const QPixmap& picture) { setGlyph(GlyphDisabledIndex, picture); }
    void setGlyph(Glyph which, const QPixmap& picture);

    /// The toggled state; shown pressed only with `TriState`.
    bool Down() const { return FDown; }
    void SetDown(bool down);
    /// A tri-state button flips `Down` on each click; switching it off also clears `Down`.
    bool TriState() const { return FTristate; }
    void SetTriState(bool tristate);
    /// Leaves the magenta parts of the picture out, showing what lies beneath.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    /// Background and tint colour.
    QColor Color() const { return FColor; }
    void SetColor(const QColor& color);
    /// Caption font and colour while the mouse is outside / over the button.
    const ControlFont& FontOut() const { return FFontOut; }
    void SetFontOut(const ControlFont& font);
    const ControlFont& FontOver() const { return FFontOver; }
    void SetFontOver(const ControlFont& font);
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    /// Stretches the picture over the whole button instead of centring it.
    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);

    /// The left button is held down on the button.
    bool Clicking() const { return FClicking; }
    /// The mouse is over the button.
    bool MouseIn() const { return FMouseIn; }
    /// The shown state: 0 normal, 1 hovered, 2 pressed, 3 pressed and hovered, 4 disabled.
    int stateIndex() const;

    /// A number kept for the owner (the element panel's ion number, a curve slot).
    int index = 0;

    /// A programmatic click: raises `OnClick` (no toggling).
    void Click();

    /// The button as it is drawn now, composed off-screen (transparent parts have alpha 0).
    QImage composed() const;

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseOver();
    void OnMouseOut();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void mouseEntered();
    void mouseLeft();
    void drawCaption(QImage& image, const ControlFont& font) const;

    QImage FGlyphs[5];
    bool FDown = false;
    bool FTristate = false;
    bool FTransparent = false;
    QColor FColor;
    ControlFont FFontOut;
    ControlFont FFontOver;
    QString FCaption;
    TAlignment FAlignment = taCenter;
    bool FStretch = false;
    bool FClicking = false;
    bool FMouseIn = false;
};

/// Loads a glyph set of five pictures named prefix + "_out.bmp", "_over.bmp", "_down.bmp",
/// "_downover.bmp" and "_disabled.bmp" into the button.
void loadGlyphSet(TMyButton& button, const QString& prefix);

/// A button of the pages' tool bars: a push button or, with `toggle`, one that stays down,
/// `width` × 23 pixels, its caption stretched over the glyph set ("button" or "tool").
TMyButton* makeToolButton(QWidget* parent, const QString& caption, const QString& hint, int width,
                          bool toggle, const QString& glyphs = QStringLiteral("button"));

} // namespace vintrel
