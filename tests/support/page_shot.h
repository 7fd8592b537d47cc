#pragma once

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>

namespace vintrel::test {

/// Shows a page's panel alone in a window of `size`, runs `load`, lets the events settle, runs
/// `state` (a button press, a zoom), lets them settle again and saves the window's picture as
/// `file`. The panel goes back to `owner` afterwards, so one page can be shot in several states.
inline bool shootPanel(QWidget* panel, QWidget* owner, QSize size, const QString& file,
                       const std::function<void()>& load, const std::function<void()>& state = {}) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    window.resize(size);
    window.show();
    load();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    if (state)
        state();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    const bool ok = window.grab().toImage().save(file);
    panel->setParent(owner);
    return ok;
}

} // namespace vintrel::test
