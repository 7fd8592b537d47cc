#pragma once

#include <QColor>

class QWidget;

/// The colours of the viewer's look, shared by the controls and the pages.
namespace vintrel::theme {

/// Background of the pages and dialogs.
inline const QColor kPageBackground(224, 223, 227);
/// Background of the result tab strip.
inline const QColor kTabStrip(171, 168, 181);
/// Background of the page tab strip of a result.
inline const QColor kResultTabs(206, 204, 214);
/// The face colour of image buttons before a form sets its own.
inline const QColor kButtonFace(224, 223, 227);
/// Light and dark halves of the engraved (disabled) text look.
inline const QColor kHighlight(255, 255, 255);
inline const QColor kShadow(150, 147, 162);
/// The accent: selections, filled track ranges, focus.
inline const QColor kAccent(98, 157, 254);
/// Text on light backgrounds.
inline const QColor kText(40, 40, 48);

/// Makes `widget` paint its whole area in `colour` before its children (auto-filled window
/// background).
void fillBackground(QWidget* widget, const QColor& colour = kPageBackground);

} // namespace vintrel::theme
