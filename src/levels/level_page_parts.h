#pragma once

#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace vintrel {

class TDetailForm;
class TMyButton;

/// A button of the level pages: a push button or, with `toggle`, one that stays down, of the
/// given width, drawn from the glyph set ("button" or "tool").
TMyButton* makeLevelButton(QWidget* parent, const QString& caption, const QString& hint, int width,
                           bool toggle, const QString& glyphs = QStringLiteral("button"));

/// A plain text of the level pages in the viewer's font.
QLabel* makeLevelText(QWidget* parent, const QString& text);

/// Ties a toggle to its detail window. Pressing it runs `fill` (which sets the heading and the
/// memo) and shows the window centred on `centreOn()`; a fill that fails is reported over
/// `messageParent` and leaves the toggle released and the window as it was. Releasing it
/// closes the window; closing the window with its close box releases it.
void bindDetailToggle(TMyButton* toggle, TDetailForm* form, std::function<void()> fill,
                      std::function<QWidget*()> centreOn, QWidget* messageParent);

} // namespace vintrel
