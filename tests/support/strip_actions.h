#pragma once

#include <QPoint>
#include <QStringList>

namespace vintrel {
class TSuperTabs;
}

namespace vintrel::test {

/// The captions of a strip's tabs, in strip order; `visibleOnly` leaves hidden tabs out.
QStringList tabCaptions(const TSuperTabs& strip, bool visibleOnly = false);

/// The point a user clicks on the tab at `index`: the middle of its caption, `y` pixels down.
QPoint centreOf(const TSuperTabs& strip, int index, int y = 12);

/// Clicks the tab at `index` (it must be drawn).
void clickTab(TSuperTabs& strip, int index, Qt::MouseButton button = Qt::LeftButton);

/// Drags the tab at `from` with the mouse onto the tab at `to` in steps of 20 pixels, as a
/// user does.
void dragTab(TSuperTabs& strip, int from, int to, int y = 12);

/// The entries of a journal that start with `prefix`.
QStringList entries(const QStringList& journal, const QString& prefix);

} // namespace vintrel::test
