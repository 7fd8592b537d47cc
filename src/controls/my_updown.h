#pragma once

#include <QLineEdit>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace vintrel {

/// A numeric field for real values with a spinner at its right: holding the upper or lower
/// half steps the value by `Change` every 200 ms within `Min`..`Max`. Typing a number in the
/// range sets the value at once; a letter restores the current value; when the entry is
/// finished (Enter, focus leaves) the value is limited to the range and shown in `Format`.
/// Starts at 50 x 16 pixels.
class TMyUpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double Max READ Max WRITE SetMax)
    Q_PROPERTY(double Min READ Min WRITE SetMin)
    Q_PROPERTY(double Change READ Change WRITE SetChange)
    Q_PROPERTY(double Position READ Position WRITE SetPosition NOTIFY OnChange)
    Q_PROPERTY(QString Format READ Format WRITE SetFormat)

public:
    explicit TMyUpDown(QWidget* parent = nullptr);

    double Max() const { return FMax; }
    /// Refused below `Min`; a value above the new maximum is set to it.
    void SetMax(double max);
    double Min() const { return FMin; }
    /// Refused above `Max`; a value at or below the new minimum is set to it.
    void SetMin(double min);
    /// The spinner's step.
    double Change() const { return FChange; }
    void SetChange(double change) { FChange = change; }
    double Position() const { return FPosition; }
    /// Outside `Min`..`Max` the value is limited silently; inside it is stored, shown and
    /// `OnChange` raised.
    void SetPosition(double position);
    /// The number pattern of the shown value ("0.0", "0.###").
    const QString& Format() const { return FFormat; }
    void SetFormat(const QString& format);

    /// The edit field that shows the value.
    QLineEdit* Edit1;
    /// The spinner picture in use: 0 normal, 1 upper half pressed, 2 lower half pressed.
    int img() const { return FImg; }
    /// Left edge of the spinner (the edit field's width).
    int spinnerLeft() const;

signals:
    /// The value was set or the spinner released.
    void OnChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void step();
    void showValue();
    void typed(const QString& text);
    void entryFinished();

    double FMax = 1;
    double FMin = 0;
    double FChange = 0.1;
    double FPosition = 0;
    QString FFormat = QStringLiteral("0.0");
    QTimer Timer1;
    double dx = 0;
    int FImg = 0;
    bool FSpinning = false;
};

} // namespace vintrel
