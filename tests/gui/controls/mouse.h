#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

/// Mouse input through the window system interface, so that the widgets see the events
/// (enter and leave included) as they come from a real pointer. Positions are in the widget.
namespace vintrel::testing {

inline QWindow* windowOf(QWidget* widget) {
    return widget->window()->windowHandle();
}
inline QPoint inWindow(QWidget* widget, QPoint pos) {
    return widget->mapTo(widget->window(), pos);
}
inline void moveTo(QWidget* widget, QPoint pos) {
    QTest::mouseMove(windowOf(widget), inWindow(widget, pos));
}
inline void press(QWidget* widget, QPoint pos) {
    QTest::mousePress(windowOf(widget), Qt::LeftButton, {}, inWindow(widget, pos));
}
inline void release(QWidget* widget, QPoint pos) {
    QTest::mouseRelease(windowOf(widget), Qt::LeftButton, {}, inWindow(widget, pos));
}
inline void click(QWidget* widget, QPoint pos) {
    moveTo(widget, pos);
    QTest::mouseClick(windowOf(widget), Qt::LeftButton, {}, inWindow(widget, pos));
}
inline void doubleClick(QWidget* widget, QPoint pos) {
    moveTo(widget, pos);
    QTest::mouseDClick(windowOf(widget), Qt::LeftButton, {}, inWindow(widget, pos));
}

} // namespace vintrel::testing
