#pragma once

#include <QColor>

/// The colours every picture of the viewer is drawn with: cool greys on the lavender page
/// background, white surfaces, one blue accent. Transparent parts are magenta.
namespace vintrel::assets::palette {

inline const QColor kTransparent(255, 0, 255);
/// Page and dialog background, and the two tab strips.
inline const QColor kPage(224, 223, 227);
inline const QColor kTabStrip(171, 168, 181);
inline const QColor kResultTabs(206, 204, 214);
/// Raised surfaces (buttons, fields) and their lower gradient end.
inline const QColor kSurface(255, 255, 255);
inline const QColor kSurfaceLow(242, 241, 246);
/// Outlines: normal, light (disabled, grooves) and strong (thumbs).
inline const QColor kBorder(171, 168, 181);
inline const QColor kBorderLight(204, 202, 212);
inline const QColor kBorderStrong(128, 125, 142);
/// The accent and its tints (hover, pressed) and its dark shade (pressed outline).
inline const QColor kAccent(98, 157, 254);
inline const QColor kAccentDark(58, 114, 214);
inline const QColor kAccentHover(238, 244, 255);
inline const QColor kAccentPressed(210, 225, 252);
inline const QColor kAccentPressedHover(196, 215, 250);
/// Symbols on surfaces (arrows, glyph marks) and their disabled shade.
inline const QColor kInk(72, 70, 86);
inline const QColor kInkDisabled(170, 168, 180);
/// The key colour in a button picture that the button floods with its own colour.
inline const QColor kTintKey(0, 255, 255);

} // namespace vintrel::assets::palette
