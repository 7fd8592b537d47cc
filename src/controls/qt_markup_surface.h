#pragma once

#include "controls/markup.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QPaintDevice;

namespace vintrel {

/// The caption interpreters' surface on a Qt painter. Fonts keep the style (bold, italic) of a
/// template font; their family goes through `mapFontFamily`, and text in the Symbol font is
/// written as the Greek letters it stands for. Without a painter it only measures.
class QtMarkupSurface : public MarkupSurface {
public:
    /// Measures with the metrics of `device` (the screen when null) and writes with `painter`
    /// (nothing when null) in `colour`.
    QtMarkupSurface(const QFont& styleTemplate, QPainter* painter = nullptr,
                    QPaintDevice* device = nullptr);

    void setColour(const QColor& colour) { colour_ = colour; }

    int textWidth(const MarkupFont& font, std::u16string_view text) const override;
    int textHeight(const MarkupFont& font, std::u16string_view text) const override;
    int pixelSize(const MarkupFont& font) const override;
    void writeText(const MarkupFont& font, int x, int y, std::u16string_view text,
                   bool up) override;

    /// The Qt font for an interpreter font.
    QFont qtFont(const MarkupFont& font) const;
    /// The text as the font shows it (Symbol characters become Greek letters).
    static QString shownText(const MarkupFont& font, std::u16string_view text);
    /// The interpreter font for a Qt font (family and point size, also for a font whose size
    /// was set in pixels).
    static MarkupFont markupFont(const QFont& font);

private:
    QFont template_;
    QPainter* painter_;
    QPaintDevice* device_;
    QColor colour_ = Qt::black;
};

} // namespace vintrel
