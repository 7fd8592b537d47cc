#pragma once

#include "potential/potential_types.h"
#include "potential/range_strip.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

namespace vintrel {

/// The palette strip of the potential pages: 256 bands of the palette from the highest value
/// at the top, the maximum above and the minimum below it, "0" at the zero level, the tick strip
/// beside it, the two range indicators with their values and the brackets of the visible part.
/// Dragging an indicator moves it within its limits; the release reports the new fractions.
/// A click above the upper or below the lower indicator chooses the marginal part, a click
/// between them the central part. Everything is painted from what the page set.
class TPaletteStrip : public QWidget {
    Q_OBJECT
public:
    explicit TPaletteStrip(QWidget* parent = nullptr);

    void setPalette(const std::vector<std::array<std::uint8_t, 3>>& colours);
    /// The colour range; empty (min ≥ max) shows no zero label and no indicator values.
    void setRange(const ValueRange& range);
    /// The indicators at these fractions of the range (lower, upper).
    void setFractions(double lower, double upper);
    void setMarginal(bool marginal);

    double lowerFraction() const;
    double upperFraction() const;
    bool marginal() const { return marginal_; }
    /// The strip's rows in the widget.
    PaletteStrip strip() const { return strip_; }
    /// The indicators' tops in the widget.
    int upperTop() const { return upperTop_; }
    int lowerTop() const { return lowerTop_; }
    /// The indicators' left edge and size.
    QRect upperIndicator() const;
    QRect lowerIndicator() const;
    /// The zero label's top, when it is shown.
    std::optional<int> zeroTop() const { return zeroTop_; }

signals:
    /// An indicator drag ended: the fractions of both indicators.
    void fractionsChanged(double lower, double upper);
    /// The user clicked a part of the strip: marginal (outside the indicators) or central.
    void partChosen(bool marginal);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int centreOf(int top) const;
    int topForFraction(double fraction) const;
    void updateHint(const QPoint& at);

    PaletteStrip strip_{20, 335};
    std::vector<std::array<std::uint8_t, 3>> colours_;
    ValueRange range_{0, 1};
    std::optional<int> zeroTop_;
    bool marginal_ = true;
    int upperTop_ = 0, lowerTop_ = 0;
    bool dragUpper_ = false, dragLower_ = false;
    int grabDy_ = 0;
    bool overUpper_ = false, overLower_ = false;
    QPixmap normal_, over_;
};

} // namespace vintrel
