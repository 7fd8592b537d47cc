#include "app/help_browser.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <QWheelEvent>

namespace vintrel {

THelpBrowser::THelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setContextMenuPolicy(Qt::PreventContextMenu);
    setOpenExternalLinks(false);
}

QString THelpBrowser::missingPageHtml(const QUrl& name) {
    return QStringLiteral("<html><head><title>Page not found</title></head><body>"
                          "<h2>This page cannot be found</h2><p>The help file</p><p><tt>%1</tt></p>"
                          "<p>is missing. Use <b>Home</b> to return to the start page.</p>"
                          "</body></html>")
        .arg(name.isLocalFile() ? name.toLocalFile().toHtmlEscaped()
                                : name.toString().toHtmlEscaped());
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource && name.isLocalFile() &&
        !QFileInfo(name.toLocalFile()).isFile())
        return missingPageHtml(name);
    return QTextBrowser::loadResource(type, name);
}

void THelpBrowser::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

void THelpBrowser::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton)
        setFocus(Qt::MouseFocusReason);
    QTextBrowser::mousePressEvent(event);
}

void THelpBrowser::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton)
        setFocus(Qt::MouseFocusReason);
    QTextBrowser::mouseDoubleClickEvent(event);
}

void THelpBrowser::wheelEvent(QWheelEvent* event) {
    // A turn away from the user (positive distance) scrolls up, by the distance in pixels.
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() - event->angleDelta().y());
    event->accept();
}

} // namespace vintrel
