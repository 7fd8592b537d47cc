#pragma once

#include <QComboBox>

namespace vintrel {

/// A drop-down list drawn in the viewer's look: a white field, the current item at its left
/// and its own arrow button, which lights up while the pointer is over it. The list shows
/// the selected item on the highlight colour and the others on white.
class TMyComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TMyComboBox(QWidget* parent = nullptr);

    /// The pointer is over the arrow button.
    bool over() const { return FOver; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setOver(bool over);

    bool FOver = false;
};

} // namespace vintrel
