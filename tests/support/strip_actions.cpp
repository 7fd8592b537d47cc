#include "support/strip_actions.h"

#include "tabs/super_tabs.h"

#include <QTest>

namespace vintrel::test {

QStringList tabCaptions(const TSuperTabs& strip, bool visibleOnly) {
    QStringList names;
    for (int i = 0; i < strip.TabCount(); ++i)
        if (!visibleOnly || strip.Tabs(i)->Visible())
            names << strip.Tabs(i)->TabName();
    return names;
}

QPoint centreOf(const TSuperTabs& strip, int index, int y) {
    const QRect rect = strip.TabRect(index);
    return QPoint(rect.left() + (strip.TabWidth() - 10) / 2, y);
}

void clickTab(TSuperTabs& strip, int index, Qt::MouseButton button) {
    QVERIFY2(!strip.TabRect(index).isEmpty(), "tab is not drawn");
    QTest::mouseClick(&strip, button, {}, centreOf(strip, index));
}

void dragTab(TSuperTabs& strip, int from, int to, int y) {
    const QPoint start = centreOf(strip, from, y);
    const QPoint end = centreOf(strip, to, y);
    const int step = end.x() < start.x() ? -20 : 20;
    QTest::mousePress(&strip, Qt::LeftButton, {}, start);
    for (int x = start.x() + step; (end.x() - x) * step > 0; x += step)
        QTest::mouseMove(&strip, QPoint(x, y));
    QTest::mouseMove(&strip, end);
    QTest::mouseRelease(&strip, Qt::LeftButton, {}, end);
}

QStringList entries(const QStringList& journal, const QString& prefix) {
    QStringList found;
    for (const QString& entry : journal)
        if (entry.startsWith(prefix))
            found << entry;
    return found;
}

} // namespace vintrel::test
