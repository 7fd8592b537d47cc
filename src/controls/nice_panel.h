#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace vintrel {

/// A background panel composed of nine pictures: stretched centre and edges, corners at their
/// own size; optionally textured with a fresh noise at every repaint (`Randomized`). Magenta
/// parts of the pictures let the parent show through.
class TNicePanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Randomized READ Randomized WRITE SetRandomized)

public:
    /// The nine pieces, in the order of `Piece`.
    enum Piece {
        TopLeft,
        TopCenter,
        TopRight,
        Left,
        Center,
        Right,
        BottomLeft,
        BottomCenter,
        BottomRight
    };

    explicit TNicePanel(QWidget* parent = nullptr);

    /// Copies a piece (a null picture empties it) and repaints.
    void setPiece(Piece piece, const QPixmap& picture);
    const QImage& piece(Piece piece) const { return FImg[piece]; }
    void SetImgTopLeft(const QPixmap& p) { setPiece(TopLeft, p); }
    void SetImgTopCenter(const QPixmap& p) { setPiece(TopCenter, p); }
    void SetImgTopRight(const QPixmap& p) { setPiece(TopRight, p); }
    void SetImgLeft(const QPixmap& p) { setPiece(Left, p); }
    void SetImgCenter(const QPixmap& p) { setPiece(Center, p); }
    void SetImgRight(const QPixmap& p) { setPiece(Right, p); }
    void SetImgBottomLeft(const QPixmap& p) { setPiece(BottomLeft, p); }
    void SetImgBottomCenter(const QPixmap& p) { setPiece(BottomCenter, p); }
    void SetImgBottomRight(const QPixmap& p) { setPiece(BottomRight, p); }

    bool Randomized() const { return FRandomized; }
    void SetRandomized(bool randomized);

    /// The panel as painted: a 24-bit picture of its size (magenta where it is transparent).
    QImage composed() const;

private:
    void paintEvent(QPaintEvent* event) override;

    QImage FImg[9];
    bool FRandomized = false;
};

/// The noise texture on a 24-bit picture: for rows 1 to height - 2 and the bytes from
/// 3 * left to 3 * (width - right) of each row, byte := (r + byte + byte below + byte above - 7)
/// div 3 limited to 0..255, r = random() in 0..15; rows top to bottom, each using the already
/// changed row above.
void addPanelNoise(QImage& image, int left, int right, const std::function<int()>& random);

/// Loads the nine pieces named prefix + "_topleft.bmp", "_top.bmp", "_topright.bmp",
/// "_left.bmp", "_center.bmp", "_right.bmp", "_bottomleft.bmp", "_bottom.bmp",
/// "_bottomright.bmp".
void loadPanelSet(TNicePanel& panel, const QString& prefix);

} // namespace vintrel
