#pragma once

#include "controls/my_combobox.h"

#include <QColor>

namespace vintrel {

/// The font list of the description editor (`ComboBoxFont`): the installed font families but
/// those whose name holds "@", each entry drawn in its own font, an entry as high as its text
/// plus 4 pixels, ten entries in the drop-down.
class TFontComboBox : public TMyComboBox {
    Q_OBJECT
public:
    explicit TFontComboBox(QWidget* parent = nullptr);

    /// Fills the list with `families` (entries holding "@" are left out) and selects the last
    /// one whose name contains "Sans Serif".
    void fill(const QStringList& families);
    /// Selects `family`; no entry when it is not listed.
    void selectFamily(const QString& family);
};

/// The colour box of the description editor (`ColorBox`): the standard, extended and system
/// colours with readable names, each with a swatch.
class TColorBox : public TMyComboBox {
    Q_OBJECT
public:
    explicit TColorBox(QWidget* parent = nullptr);

    QColor colorAt(int index) const;
    QColor selectedColor() const { return colorAt(currentIndex()); }
    /// Selects the first colour, then the first colour of the list with the RGB value of
    /// `colour`.
    void selectColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vintrel
