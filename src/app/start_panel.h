#pragma once

#include <QWidget>

class QLabel;

namespace vintrel {

class TMyButton;
class TNicePanel;
class TSplashForm;

/// The start tab's panel: the splash area with the credits and the "load", "help" and
/// "close" buttons, centred horizontally with its top at a third of the room below it.
class TStartPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSplashWidth = 623;
    static constexpr int kSplashHeight = 300;

    explicit TStartPanel(QWidget* parent = nullptr);

    TNicePanel* PanelSplash;
    QWidget* Panel2;
    /// The splash form whose credits panel sits in `Panel2`.
    TSplashForm* SplashForm;
    QLabel* LabelVersion;
    QLabel* LabelStyle;
    TMyButton* ButtonLoad;
    TMyButton* ButtonHelp;
    TMyButton* ButtonClose;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace vintrel
