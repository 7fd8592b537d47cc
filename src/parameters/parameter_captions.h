#pragma once

#include "controls/my_label.h"

#include <QFont>
#include <QString>
#include <QWidget>

#include <vector>

namespace vintrel {

/// One symbol of a formula: its text (Unicode), small indices stacked above and below it, and
/// an optional bar over it (a vector operator).
struct FormulaPiece {
    QString text;
    QString sup;
    QString sub;
    bool bar = false;
    bool large = false; ///< written in the larger font (sums)
};

/// A one-line formula of stacked-index symbols: "A" with m over n for the coefficient rows,
/// and the Hamiltonian formulas under the groups. Sizes itself to its pieces.
class TFormulaCaption : public QWidget {
    Q_OBJECT

public:
    explicit TFormulaCaption(QWidget* parent = nullptr, std::vector<FormulaPiece> pieces = {});

    void setPieces(std::vector<FormulaPiece> pieces);
    const std::vector<FormulaPiece>& pieces() const { return pieces_; }
    /// The text the formula reads as, for tests and hints ("A^-2_4").
    QString plainText() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int paint(QPainter* painter) const;

    std::vector<FormulaPiece> pieces_;
};

/// A markup label (TMyLabel) that draws a bar over chosen characters of its caption, counted
/// as positions in the caption text.
class TBarredLabel : public TMyLabel {
    Q_OBJECT

public:
    TBarredLabel(QWidget* parent, const QString& caption, std::vector<int> barred);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> barred_;
};

/// Width in pixels of a markup caption written in `font`.
int markupWidth(const QFont& font, const QString& caption);

/// A font of the viewer at a size in pixels.
QFont pixelFont(const QString& family, int pixels, bool bold = false, bool italic = false);

} // namespace vintrel
