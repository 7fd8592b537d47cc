#pragma once

#include <QWidget>

namespace vintrel {

/// A range slider with two thumbs over `Min`..`Max`. The right thumb never lies left of the
/// left one: setting a thumb past the other exchanges the two values. Dragging moves the
/// thumb nearer to the pointer (the right one on a tie). Starts at 100 x 24, range 0..100.
class TMyTrackBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int PositionLeft READ PositionLeft WRITE SetPositionLeft NOTIFY OnChange)
    Q_PROPERTY(int PositionRight READ PositionRight WRITE SetPositionRight NOTIFY OnChange)

public:
    explicit TMyTrackBar(QWidget* parent = nullptr);

    int Min() const { return FMin; }
    /// Refused above `Max`; thumbs below the new minimum move to it.
    void SetMin(int min);
    int Max() const { return FMax; }
    /// Refused below `Min`; thumbs beyond the new maximum move to it.
    void SetMax(int max);
    int PositionLeft() const { return FPositionLeft; }
    /// Limits the value to the range, exchanges the thumbs when they cross, raises `OnChange`.
    void SetPositionLeft(int position);
    int PositionRight() const { return FPositionRight; }
    void SetPositionRight(int position);

    /// Screen x of a thumb's picture for a thumb value.
    int thumbX(int position) const;

signals:
    /// A thumb was set.
    void OnChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void setThumbs(int left, int right);
    void dragTo(int x);

    int FMin = 0;
    int FMax = 100;
    int FPositionLeft = 0;
    int FPositionRight = 0;
};

} // namespace vintrel
