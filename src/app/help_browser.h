#pragma once

#include <QTextBrowser>

namespace vintrel {

/// A help page view: an HTML viewer that offers no context menu, scrolls by the wheel's own
/// distance, takes the keyboard focus when clicked, and shows a page of its own for a page
/// whose file is missing.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit THelpBrowser(QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

    /// The page shown for a missing page file.
    static QString missingPageHtml(const QUrl& name);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace vintrel
