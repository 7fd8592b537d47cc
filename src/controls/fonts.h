#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace vintrel {

/// The font families of the viewer. Forms name the families they were designed with
/// ("Tahoma", "Calibri", "Courier New", "Symbol"); `mapFontFamily` turns each into one that
/// the system's font packages provide.
namespace fonts {
/// The sans family used for every proportional text.
inline const QString kSans = QStringLiteral("Liberation Sans");
/// The monospace family used for tables and memos.
inline const QString kMono = QStringLiteral("Liberation Mono");
/// The point size of ordinary control text.
inline constexpr int kDefaultSize = 8;
} // namespace fonts

/// The installed family that stands in for a family named by a form: sans families become
/// `fonts::kSans`, monospace families `fonts::kMono`; "Symbol" becomes the sans family too (its
/// characters are mapped to Greek code points by the caption painters).
QString mapFontFamily(const QString& family);

/// A font of the viewer: the mapped family at a size in points.
QFont viewerFont(const QString& family = QStringLiteral("Tahoma"),
                 int pointSize = fonts::kDefaultSize, bool bold = false);

/// Registers the stand-ins as font substitutes and sets the application's default font, so
/// that widgets that name a form family directly get the installed one. Call once at start.
void installViewerFonts();

/// A font together with its colour, as the controls keep their caption fonts.
struct ControlFont {
    QFont font = viewerFont();
    QColor colour = Qt::black;
};

} // namespace vintrel
