#pragma once

#include <QWidget>

class QCloseEvent;

namespace vintrel {

/// A details window opened by a page's toggle: it exists once, is shown centred on the main
/// window, and its close box only hides it and tells the opener (so the toggle is released).
/// Closing it from code (the toggle was released) tells nobody.
class TToolWindow : public QWidget {
    Q_OBJECT
public:
    /// Shows the window centred on `mainWindow` (the screen when null) and brings it to the
    /// front.
    void showCentredOn(QWidget* mainWindow);
    /// Hides the window without telling the opener.
    void closeQuietly();

signals:
    /// The user closed the window with its close box.
    void closed();

protected:
    explicit TToolWindow(QWidget* parent);
    void closeEvent(QCloseEvent* event) override;
    /// Called after the window was placed and shown; a window that must stay on the screen
    /// moves itself here.
    virtual void placed() {}

private:
    bool FClosingByProgram = false;
};

} // namespace vintrel
